#include "files/pdn_file.h"

#include <algorithm>
#include <cctype>

#include "engine/engine_state.h"
#include "engine/move_generation.h"

namespace selvako {

namespace {

// Tag values are quoted: a quote or backslash inside is escaped.
std::string quoted(const std::string& value) {
    std::string text = "\"";
    for (const char c : value) {
        if (c == '"' || c == '\\') text += '\\';
        text += c;
    }
    return text + '"';
}

void tag(std::string& out, const char* name, const std::string& value) {
    out += '[';
    out += name;
    out += ' ';
    out += quoted(value);
    out += "]\n";
}

std::string_view name_of(Square s) {
    return SQUARE_NAMES[s <= NUM_SQUARES ? s : 0];
}

} // namespace

std::string pdn_result(Outcome outcome) {
    switch (outcome) {
    case Outcome::white_won:
        return "2-0";
    case Outcome::black_won:
        return "0-2";
    case Outcome::draw:
        return "1-1";
    case Outcome::none:
        break;
    }
    return "*";
}

Outcome outcome_of_result(std::string_view text) {
    if (text == "2-0" || text == "1-0") return Outcome::white_won;
    if (text == "0-2" || text == "0-1") return Outcome::black_won;
    if (text == "1-1" || text == "1/2-1/2") return Outcome::draw;
    return Outcome::none;
}

std::string pdn_move(const PlayedGame& game, int ply) {
    const FicheCoup& played = game.record[ply];
    const BoardArray& before = game.record[ply - 1].board;
    const bool capture = played.taken > 0;
    std::string text =
        std::string(name_of(played.from)) + (capture ? "x" : "-") + std::string(name_of(played.to));
    if (!capture) return text;

    // The record keeps the end squares and the count; the pieces that went
    // are the ones the board after the ply no longer shows.
    const int side = is_black_piece(before[played.from]) ? BLACK : WHITE;
    std::array<Square, MAX_CAPTURED> taken{};
    int count = 0;
    for (int s = 1; s <= NUM_SQUARES && count < MAX_CAPTURED; ++s) {
        const bool enemy = side == WHITE ? is_black_piece(before[s]) : is_white_piece(before[s]);
        if (enemy && played.board[s] == EMPTY)
            taken[static_cast<std::size_t>(count++)] = static_cast<Square>(s);
    }

    EngineState work;
    work.set_position(before);
    generate_root_moves(work, side);
    const int moves = generate_piece_moves(work, played.from, side);
    int same_ends = 0;
    int chosen = -1;
    for (int i = 0; i < moves; ++i) {
        const Move& m = work.list(1)[i];
        if (m.to != played.to || m.taken != played.taken) continue;
        ++same_ends;
        auto mine = work.piece_rows->captured[i];
        std::sort(mine.begin(), mine.begin() + m.taken);
        // Paths that take the same pieces end in the same position: the
        // record cannot tell them apart, and any of them describes the ply.
        if (chosen < 0 && std::equal(mine.begin(), mine.begin() + m.taken, taken.begin()))
            chosen = i;
    }
    if (same_ends < 2 || chosen < 0) return text;
    text = name_of(played.from);
    for (int k = 0; k < played.taken; ++k)
        text += 'x' + std::string(name_of(work.piece_rows->landings[chosen][k]));
    return text;
}

std::string pdn_game(const PdnTags& tags, const PlayedGame& game) {
    return pdn_game(tags, game, {});
}

std::string pdn_game(const PdnTags& tags, const PlayedGame& game,
                     std::span<const std::string> comments) {
    std::string out;
    tag(out, "Event", tags.event);
    tag(out, "Site", tags.site);
    tag(out, "Date", tags.date);
    tag(out, "Round", tags.round);
    tag(out, "White", tags.white);
    tag(out, "Black", tags.black);
    tag(out, "Result", pdn_result(tags.result));
    // Type 26: draughts on 64 squares under the international rules, this
    // program's rules; its notation is algebraic.
    tag(out, "GameType", "26");
    BoardArray start = game.record[0].board;
    start[0] = SENTINEL;
    if (start != start_position() || game.first_side != WHITE)
        tag(out, "FEN", to_fen(Position{start, game.first_side}));

    std::string line;
    const auto put = [&out, &line](const std::string& word) {
        if (!line.empty() && line.size() + 1 + word.size() > 79) {
            out += line + '\n';
            line.clear();
        }
        if (!line.empty()) line += ' ';
        line += word;
    };
    // Move numbers count from the first move: a game that Black begins
    // opens with "1..." and White's replies take the next number.
    for (int ply = 1; ply <= game.plies; ++ply) {
        const int index = ply - 1 + game.first_side;
        std::string word = pdn_move(game, ply);
        if (index % 2 == 0)
            word = std::to_string(index / 2 + 1) + ". " + word;
        else if (ply == 1)
            word = "1... " + word;
        put(word);
        const auto at = static_cast<std::size_t>(ply);
        // A brace would end the comment early; the reader takes none inside.
        if (at < comments.size() && !comments[at].empty() &&
            comments[at].find_first_of("{}") == std::string::npos)
            put("{" + comments[at] + "}");
    }
    put(pdn_result(tags.result));
    out += line + "\n\n";
    return out;
}

namespace {

bool is_space(char c) {
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

class PdnReader {
  public:
    explicit PdnReader(std::string_view text) : m_text(text) {}

    GameTextFile read() {
        while (m_pos < m_text.size()) {
            const char c = m_text[m_pos];
            if (is_space(c)) {
                ++m_pos;
            } else if (c == '[') {
                // A tag after moves opens the next game, even without a result.
                if (m_moves_seen) finish();
                read_tag();
            } else if (c == '{') {
                read_comment();
            } else if (c == '(') {
                skip_variation();
            } else if (c == ';') {
                skip_line();
            } else if (c == '%' && (m_pos == 0 || m_text[m_pos - 1] == '\n')) {
                skip_line();
            } else {
                read_word();
            }
            if (!m_file.error.empty()) return std::move(m_file);
        }
        finish();
        if (m_file.games.empty() && m_file.error.empty())
            m_file.error = m_other_types > 0 ? "no game of draughts on 8x8 under the "
                                               "international rules (GameType 26) in the file"
                                             : "no game in the file";
        return std::move(m_file);
    }

  private:
    void read_tag() {
        ++m_pos; // '['
        while (m_pos < m_text.size() && is_space(m_text[m_pos])) ++m_pos;
        const std::size_t start = m_pos;
        while (m_pos < m_text.size() && !is_space(m_text[m_pos]) && m_text[m_pos] != '"' &&
               m_text[m_pos] != ']')
            ++m_pos;
        const std::string name(m_text.substr(start, m_pos - start));
        while (m_pos < m_text.size() && is_space(m_text[m_pos])) ++m_pos;
        std::string value;
        if (m_pos < m_text.size() && m_text[m_pos] == '"') {
            ++m_pos;
            while (m_pos < m_text.size() && m_text[m_pos] != '"') {
                if (m_text[m_pos] == '\\' && m_pos + 1 < m_text.size()) ++m_pos;
                value += m_text[m_pos++];
            }
            if (m_pos < m_text.size()) ++m_pos; // closing quote
        }
        while (m_pos < m_text.size() && m_text[m_pos] != ']' && m_text[m_pos] != '\n') ++m_pos;
        if (m_pos < m_text.size() && m_text[m_pos] == ']') ++m_pos;
        m_started = true;
        m_game.tags.emplace_back(name, value);
    }

    void read_comment() {
        const std::size_t close = m_text.find('}', m_pos + 1);
        const std::size_t end = close == std::string_view::npos ? m_text.size() : close;
        std::string comment(m_text.substr(m_pos + 1, end - m_pos - 1));
        for (char& ch : comment)
            if (ch == '\n' || ch == '\r' || ch == '\t') ch = ' ';
        const auto first = comment.find_first_not_of(' ');
        const auto last = comment.find_last_not_of(' ');
        comment = first == std::string::npos ? "" : comment.substr(first, last - first + 1);
        m_pos = close == std::string_view::npos ? m_text.size() : close + 1;
        if (comment.empty() || m_game.moves.empty()) return;
        std::string& kept = m_game.moves.back().comment;
        if (!kept.empty()) kept += ' ';
        kept += comment;
    }

    void skip_variation() {
        int depth = 0;
        while (m_pos < m_text.size()) {
            const char c = m_text[m_pos++];
            if (c == '{') {
                // A brace inside a variation may hold a parenthesis.
                const std::size_t close = m_text.find('}', m_pos);
                m_pos = close == std::string_view::npos ? m_text.size() : close + 1;
            } else if (c == '(') {
                ++depth;
            } else if (c == ')' && --depth == 0) {
                return;
            }
        }
    }

    void skip_line() {
        const std::size_t eol = m_text.find('\n', m_pos);
        m_pos = eol == std::string_view::npos ? m_text.size() : eol + 1;
    }

    void read_word() {
        const std::size_t start = m_pos;
        while (m_pos < m_text.size() && !is_space(m_text[m_pos]) &&
               std::string_view("[]{}();").find(m_text[m_pos]) == std::string_view::npos)
            ++m_pos;
        std::string_view word = m_text.substr(start, m_pos - start);
        if (word.empty()) {
            ++m_pos; // a lone ']' or ')'
            return;
        }
        m_started = true;
        if (word == "*") {
            finish();
            return;
        }
        if (const Outcome result = outcome_of_result(word);
            result != Outcome::none || word == "0-0") {
            m_game.result = result;
            finish();
            return;
        }
        // "12." and "12..." number the moves; the move may follow at once.
        drop_move_number(word);
        if (!word.empty() && word.front() == '$') return; // a numeric annotation
        // Move strength marks ("!", "?!") are not part of the move.
        while (!word.empty() && (word.back() == '!' || word.back() == '?' || word.back() == '+'))
            word.remove_suffix(1);
        if (word.empty()) return;
        if (auto move = parse_move_word(word)) {
            m_game.moves.push_back(std::move(*move));
            m_moves_seen = true;
        }
    }

    void finish() {
        if (!m_started) return;
        GameText game = std::move(m_game);
        m_game = GameText{};
        m_started = false;
        m_moves_seen = false;
        std::size_t number = m_file.games.size() + m_other_types + 1;
        for (const auto& [name, value] : game.tags) {
            if (name == "White") game.white = cut_name(value);
            if (name == "Black") game.black = cut_name(value);
            if (name == "Result" && game.result == Outcome::none)
                game.result = outcome_of_result(value);
            if (name == "GameType") {
                const std::string_view type(value);
                if (type.substr(0, type.find(',')) != "26") {
                    ++m_other_types;
                    return;
                }
            }
            if (name == "FEN") {
                const FenResult fen = parse_fen(value);
                if (!fen.position) {
                    m_file.games.clear();
                    m_file.error = "game " + std::to_string(number) + ": bad FEN: " + fen.error;
                    return;
                }
                game.start = fen.position;
            }
        }
        m_file.games.push_back(std::move(game));
    }

    std::string_view m_text;
    std::size_t m_pos = 0;
    GameTextFile m_file;
    GameText m_game;
    bool m_started = false;
    bool m_moves_seen = false;
    std::size_t m_other_types = 0;
};

} // namespace

GameTextFile read_pdn_games(std::string_view text) {
    if (text.size() > PDN_FILE_LIMIT) return GameTextFile{{}, "file too large"};
    return PdnReader(text).read();
}

} // namespace selvako
