#include "files/player_files.h"

#include <charconv>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <system_error>

#include "files/atomic_file.h"

namespace selvako {

namespace {

// Far beyond any club's list; a larger file is not a player list.
constexpr std::uintmax_t MAX_FILE_BYTES = 1 << 20;

// The contents of a file; nullopt in `text` when it does not exist, and
// the reason when it exists but cannot be trusted.
std::optional<FileRefusal> read_text(const std::filesystem::path& path,
                                     std::optional<std::string>& text) {
    const FileBytesRead read = read_file_bytes(path, FileSize::at_most(MAX_FILE_BYTES));
    if (!read.ok()) {
        if (read.refusal->problem == FileProblem::missing) return std::nullopt;
        return read.refusal;
    }
    text.emplace(read.bytes.begin(), read.bytes.end());
    return std::nullopt;
}

// The lines of a file's text, without their line ends.
std::vector<std::string> lines_of(const std::optional<std::string>& text) {
    std::vector<std::string> lines;
    if (!text) return lines;
    std::size_t start = 0;
    while (start < text->size()) {
        std::size_t end = text->find('\n', start);
        if (end == std::string::npos) end = text->size();
        std::string line = text->substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(std::move(line));
        start = end + 1;
    }
    return lines;
}

std::optional<std::int32_t> parse_rating(std::string_view text) {
    // Written with "%4d": a rating below 1000 is padded with spaces.
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    std::int32_t value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::string rating_line(std::int32_t points) {
    char text[16];
    std::snprintf(text, sizeof text, "%4d", points);
    return text;
}

} // namespace

std::optional<std::int32_t> PlayerList::find(std::string_view nom) const {
    for (std::size_t k = 0; k < players.size(); ++k)
        if (players[k].nom == nom) return static_cast<std::int32_t>(k);
    return std::nullopt;
}

bool valid_player_name(std::string_view nom) {
    return !nom.empty() && nom.size() <= MAX_NAME_LENGTH &&
           nom.find_first_of("\r\n") == std::string_view::npos &&
           nom.find('\0') == std::string_view::npos;
}

PlayerFilesRead read_players(const PlayerFiles& files) {
    std::optional<std::string> joueurs;
    std::optional<std::string> points;
    for (const auto& [path, text] :
         {std::pair{&files.joueurs, &joueurs}, std::pair{&files.points, &points}})
        if (auto refusal = read_text(*path, *text)) {
            PlayerFilesRead refused;
            refused.refusal = std::move(refusal);
            return refused;
        }
    return players_from_text(joueurs, points);
}

PlayerFilesRead players_from_text(const std::optional<std::string>& joueurs,
                                  const std::optional<std::string>& points) {
    PlayerFilesRead result;
    const bool names_exist = joueurs.has_value();
    const bool ratings_exist = points.has_value();
    const std::vector<std::string> names = lines_of(joueurs);
    const std::vector<std::string> ratings = lines_of(points);

    PlayerList list;
    PlayerFileNotes& notes = result.notes;
    notes.created = !names_exist && !ratings_exist;
    notes.counts_differ = names_exist && ratings_exist && names.size() != ratings.size();
    const std::size_t count = std::max<std::size_t>(names.size(), 1);
    for (std::size_t k = 0; k < count; ++k) {
        Player p;
        const int line = static_cast<int>(k);
        if (k < names.size()) {
            p.nom = names[k];
            if (p.nom.size() > MAX_NAME_LENGTH) {
                p.nom.resize(MAX_NAME_LENGTH);
                notes.long_names.push_back(line);
            }
            // A carriage return left at the end would be read as part of the
            // line end once written back: the name would change at each save.
            while (!p.nom.empty() && p.nom.back() == '\r') p.nom.pop_back();
        } else {
            p.nom = COMPUTER_NAME;
        }
        const std::int32_t missing = k == 0 ? COMPUTER_START_RATING : NEW_PLAYER_RATING;
        if (k < ratings.size()) {
            const auto value = parse_rating(ratings[k]);
            if (!value) notes.bad_ratings.push_back(line);
            p.points = value.value_or(NEW_PLAYER_RATING);
        } else {
            p.points = missing;
        }
        list.players.push_back(std::move(p));
    }
    // Only one of the two files: the other is as good as empty.
    if (names_exist != ratings_exist) notes.counts_differ = true;
    result.list = std::move(list);
    return result;
}

PlayerTexts player_texts(const PlayerList& list) {
    PlayerTexts texts;
    for (const Player& p : list.players) {
        texts.joueurs += p.nom + '\n';
        texts.points += rating_line(p.points) + '\n';
    }
    return texts;
}

bool write_players(const PlayerFiles& files, const PlayerList& list) {
    const PlayerTexts texts = player_texts(list);
    auto bytes = [](const std::string& s) {
        return std::span(reinterpret_cast<const std::uint8_t*>(s.data()), s.size());
    };
    const FileBytes pair[] = {{files.joueurs, bytes(texts.joueurs)},
                              {files.points, bytes(texts.points)}};
    return write_files_atomically(pair);
}

} // namespace selvako
