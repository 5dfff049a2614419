#include "files/pdn_file.h"

#include <algorithm>

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

std::string pdn_move(const FicheCoup* record, int ply) {
    const FicheCoup& played = record[ply];
    const BoardArray& before = record[ply - 1].board;
    const bool capture = played.taken > 0;
    std::string text =
        std::to_string(played.from) + (capture ? "x" : "-") + std::to_string(played.to);
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
    text = std::to_string(played.from);
    for (int k = 0; k < played.taken; ++k)
        text += 'x' + std::to_string(work.piece_rows->landings[chosen][k]);
    return text;
}

std::string pdn_game(const PdnTags& tags, const FicheCoup* record, int plies) {
    std::string out;
    tag(out, "Event", tags.event);
    tag(out, "Site", tags.site);
    tag(out, "Date", tags.date);
    tag(out, "Round", std::to_string(tags.round));
    tag(out, "White", tags.white);
    tag(out, "Black", tags.black);
    tag(out, "Result", pdn_result(tags.result));
    // Type 26 (Brazilian draughts) is the international rules on 64 squares,
    // this program's rules. Its registered notation is algebraic; the
    // attributes say the moves are numbers laid out as in English draughts
    // (N1: 1 at b8 and 32 at g1 with White at the bottom, a1 a playing square).
    tag(out, "GameType", "26,W,8,8,N1,0");

    std::string line;
    const auto put = [&out, &line](const std::string& word) {
        if (!line.empty() && line.size() + 1 + word.size() > 79) {
            out += line + '\n';
            line.clear();
        }
        if (!line.empty()) line += ' ';
        line += word;
    };
    for (int ply = 1; ply <= plies; ++ply) {
        std::string word = pdn_move(record, ply);
        if (ply % 2 == 1) word = std::to_string((ply + 1) / 2) + ". " + word;
        put(word);
    }
    put(pdn_result(tags.result));
    out += line + "\n\n";
    return out;
}

} // namespace selvako
