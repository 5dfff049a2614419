#include "game/hub_notation.h"

#include <algorithm>
#include <charconv>

#include "engine/make_move.h"
#include "engine/move_generation.h"

namespace selvako {

HubPositionResult parse_hub_position(std::string_view text) {
    HubPositionResult result;
    if (text.size() != HUB_POSITION_LENGTH) {
        result.error = "a position has " + std::to_string(HUB_POSITION_LENGTH) + " letters";
        return result;
    }
    Position position;
    if (text[0] == 'W')
        position.side_to_move = WHITE;
    else if (text[0] == 'B')
        position.side_to_move = BLACK;
    else {
        result.error = "the side to move is W or B";
        return result;
    }
    for (int s = 1; s <= NUM_SQUARES; ++s) {
        std::uint8_t code = EMPTY;
        switch (text[static_cast<std::size_t>(s)]) {
        case 'w':
            code = WHITE_MAN;
            break;
        case 'W':
            code = WHITE_KING;
            break;
        case 'b':
            code = BLACK_MAN;
            break;
        case 'B':
            code = BLACK_KING;
            break;
        case 'e':
            break;
        default:
            result.error = "square " + std::to_string(s) + " is not one of w, b, W, B, e";
            return result;
        }
        if ((code == WHITE_MAN && s <= 4) || (code == BLACK_MAN && s > NUM_SQUARES - 4)) {
            result.error = "a man on square " + std::to_string(s) + " would have been crowned";
            return result;
        }
        position.board[static_cast<std::size_t>(s)] = code;
    }
    const PieceCounts counts = count_pieces(position.board);
    if (counts[WHITE_MAN] + counts[WHITE_KING] > 12 ||
        counts[BLACK_MAN] + counts[BLACK_KING] > 12) {
        result.error = "more than 12 pieces of one side";
        return result;
    }
    result.position = position;
    return result;
}

std::string hub_position(const Position& position) {
    std::string text(1, position.side_to_move == BLACK ? 'B' : 'W');
    for (int s = 1; s <= NUM_SQUARES; ++s) {
        switch (position.board[static_cast<std::size_t>(s)]) {
        case WHITE_MAN:
            text += 'w';
            break;
        case WHITE_KING:
            text += 'W';
            break;
        case BLACK_MAN:
            text += 'b';
            break;
        case BLACK_KING:
            text += 'B';
            break;
        default:
            text += 'e';
            break;
        }
    }
    return text;
}

namespace {

int number_of(Square s, HubNumbering numbering) {
    return numbering == HubNumbering::pdn ? pdn_number(s) : s;
}

Square square_of(int number, HubNumbering numbering) {
    return numbering == HubNumbering::pdn ? square_of_pdn_number(number)
                                          : static_cast<Square>(number);
}

// The origin and the end only: "22-18", or "22x8" for a capture.
std::string ends_text(const Move& move, HubNumbering numbering) {
    return std::to_string(number_of(move.from, numbering)) + (move.taken == 0 ? '-' : 'x') +
           std::to_string(number_of(move.to, numbering));
}

} // namespace

std::string hub_move(const Move& move, HubNumbering numbering) {
    std::vector<int> taken;
    for (int i = 0; i < move.taken && i < MAX_CAPTURED; ++i)
        taken.push_back(number_of(move.captured[i], numbering));
    if (numbering == HubNumbering::pdn) std::sort(taken.begin(), taken.end());
    std::string text = ends_text(move, numbering);
    for (const int number : taken) text += 'x' + std::to_string(number);
    return text;
}

namespace {

// The squares of a move's text and its separator; nothing when the text is
// not numbers joined by one kind of separator.
struct HubMoveText {
    std::vector<Square> squares;
    bool capture = false;
};

std::optional<HubMoveText> read_move_text(std::string_view text, HubNumbering numbering) {
    HubMoveText read;
    char separator = 0;
    while (true) {
        int number = 0;
        const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), number);
        if (ec != std::errc{} || end == text.data() || number < 1 || number > NUM_SQUARES)
            return std::nullopt;
        read.squares.push_back(square_of(number, numbering));
        text.remove_prefix(static_cast<std::size_t>(end - text.data()));
        if (text.empty()) break;
        if ((text[0] != '-' && text[0] != 'x') || (separator && text[0] != separator))
            return std::nullopt;
        separator = text[0];
        text.remove_prefix(1);
        if (read.squares.size() > 2 + MAX_CAPTURED) return std::nullopt;
    }
    read.capture = separator == 'x';
    if (read.squares.size() < 2 || (!read.capture && read.squares.size() != 2)) return std::nullopt;
    return read;
}

std::vector<Square> sorted(const Square* squares, int count) {
    std::vector<Square> list(squares, squares + count);
    std::sort(list.begin(), list.end());
    return list;
}

} // namespace

HubMoveResult find_hub_move(const BoardArray& board, int side, std::string_view text,
                            HubNumbering numbering, EngineState& work) {
    HubMoveResult result;
    const auto read = read_move_text(text, numbering);
    if (!read) {
        result.error = "not a move";
        return result;
    }
    work.allocate_move_lists();
    work.set_position(board);
    const int count = generate_root_moves(work, side);
    const Move* moves = work.list(1);
    const bool captured_listed = read->squares.size() > 2;
    const std::vector<Square> wanted =
        sorted(read->squares.data() + 2, static_cast<int>(read->squares.size()) - 2);
    int found = 0;
    for (int i = 0; i < count; ++i) {
        const Move& m = moves[i];
        if (m.from != read->squares[0] || m.to != read->squares[1]) continue;
        if ((m.taken > 0) != read->capture) continue;
        if (captured_listed && sorted(m.captured, m.taken) != wanted) continue;
        // Two paths taking the same pieces are the same move to the game.
        if (found &&
            sorted(result.move->captured, result.move->taken) == sorted(m.captured, m.taken))
            continue;
        ++found;
        if (!result.move) result.move = m;
    }
    if (found == 0) {
        result.error = "not a legal move";
        result.move.reset();
    } else if (found > 1) {
        result.error = "several captures fit; name the pieces taken";
        result.move.reset();
    }
    return result;
}

std::string hub_line_of_moves(const Position& position, const std::vector<Move>& moves,
                              HubNumbering numbering, EngineState& work) {
    std::string line;
    BoardArray board = position.board;
    int side = position.side_to_move;
    for (const Move& move : moves) {
        HubMoveResult legal =
            find_hub_move(board, side, hub_move(move, numbering), numbering, work);
        // A line's move may carry its squares only: its origin and end then.
        if (!legal.move)
            legal = find_hub_move(board, side, ends_text(move, numbering), numbering, work);
        if (!legal.move) break;
        if (!line.empty()) line += ' ';
        line += hub_move(*legal.move, numbering);
        work.set_position(board);
        make_move(work, *legal.move);
        board = work.board;
        side = 1 - side;
    }
    return line;
}

} // namespace selvako
