#include "files/game_text.h"

#include <cctype>
#include <cstdio>

namespace selvako {

void drop_move_number(std::string_view& word) {
    std::size_t digits = 0;
    while (digits < word.size() && std::isdigit(static_cast<unsigned char>(word[digits]))) ++digits;
    if (digits > 0 && digits < word.size() && word[digits] == '.') {
        word.remove_prefix(digits);
        while (!word.empty() && word.front() == '.') word.remove_prefix(1);
    }
}

std::optional<GameMoveText> parse_move_word(std::string_view word) {
    GameMoveText move;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= word.size(); ++i) {
        const bool end = i == word.size();
        const char c = end ? '\0' : word[i];
        if (!end && c != '-' && c != 'x' && c != 'X' && c != ':') continue;
        const std::string_view part = word.substr(start, i - start);
        // A lone "x" separating two names ("C3XE5") is a separator only
        // between squares; an empty part means a doubled or edge separator.
        const Square s = parse_square(part);
        if (s == 0) return std::nullopt;
        move.squares.push_back(s);
        if (!end && c != '-') move.capture = true;
        start = i + 1;
    }
    if (move.squares.size() < 2) return std::nullopt;
    // Paths written with "-" between landings are captures too.
    if (move.squares.size() > 2) move.capture = true;
    return move;
}

std::string chooser_line(std::size_t index, const GameText& game) {
    char number[16];
    std::snprintf(number, sizeof number, "%2zu:", index + 1);
    return number + game.white + " - " + game.black;
}

std::string cut_name(std::string_view name) {
    std::size_t n = std::min<std::size_t>(name.size(), NAME_BYTES - 1);
    // Never leave the lead byte of a UTF-8 sequence without its followers.
    if (n < name.size())
        while (n > 0 && (static_cast<unsigned char>(name[n]) & 0xC0) == 0x80) --n;
    return std::string(name.substr(0, n));
}

TextFileRead read_text_file(const std::filesystem::path& path, std::uintmax_t cap) {
    FileBytesRead read = read_file_bytes(path, FileSize::at_most(cap));
    TextFileRead result;
    result.refusal = read.refusal;
    result.text.assign(read.bytes.begin(), read.bytes.end());
    return result;
}

} // namespace selvako
