#include "game/typed_move.h"

#include <algorithm>
#include <string>

#include "engine/fen.h"
#include "engine/move_generation.h"

namespace selvako {

std::optional<TypedMove> parse_typed_move(std::string_view text) {
    TypedMove typed;
    char separator = 0;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        const bool end = i == text.size();
        if (!end && text[i] != '-' && text[i] != 'x' && text[i] != 'X') continue;
        const Square s = parse_square(text.substr(start, i - start));
        if (s == 0) return std::nullopt;
        typed.squares.push_back(s);
        if (!end) {
            const char here = text[i] == '-' ? '-' : 'x';
            if (separator != 0 && here != separator) return std::nullopt;
            separator = here;
        }
        start = i + 1;
    }
    if (typed.squares.size() < 2) return std::nullopt;
    typed.capture = separator == 'x';
    // A plain move has no intermediate square.
    if (!typed.capture && typed.squares.size() != 2) return std::nullopt;
    return typed;
}

namespace {

bool fits(const TypedMove& typed, const PieceMove& pm) {
    const Move& m = pm.move;
    if ((m.taken > 0) != typed.capture || m.to != typed.squares.back()) return false;
    const std::size_t named = typed.squares.size() - 1;
    if (named == 1) return true;
    // Every landing square named in order; a path of another length is
    // another move.
    if (named != static_cast<std::size_t>(m.taken)) return false;
    for (std::size_t k = 0; k < named; ++k)
        if (pm.landings[k] != typed.squares[k + 1]) return false;
    return true;
}

} // namespace

TypedMoveResult match_typed_move(const TypedMove& typed, const BoardArray& board, int side,
                                 EngineState& work) {
    TypedMoveResult result;
    if (typed.squares.empty()) return result;
    const Square from = typed.squares.front();
    const std::uint8_t piece = board[from];
    if (side == BLACK ? !is_black_piece(piece) : !is_white_piece(piece)) return result;

    // The piece generator knows only the piece: the whole position decides
    // whether some capture elsewhere is obligatory or longer.
    work.set_position(board);
    const int all = generate_root_moves(work, side);
    int greatest = 0;
    bool from_moves = false;
    for (int i = 0; i < all; ++i) {
        greatest = std::max<int>(greatest, work.list(1)[i].taken);
        from_moves = from_moves || work.list(1)[i].from == from;
    }
    if (!from_moves) return result;

    const int count = generate_piece_moves(work, from, side);
    for (int i = 0; i < count; ++i) {
        PieceMove pm;
        pm.move = work.list(1)[i];
        if (pm.move.taken != greatest) continue;
        for (int k = 0; k < MAX_CAPTURED; ++k) pm.landings[k] = work.piece_rows->landings[i][k];
        if (!fits(typed, pm)) continue;
        if (result.match == TypedMoveMatch::one) {
            result.match = TypedMoveMatch::ambiguous;
            return result;
        }
        result.match = TypedMoveMatch::one;
        result.move = pm;
    }
    return result;
}

Square next_click(const PieceMove& move, const MoveInput& input) {
    if (input.piece_prise == 0) return move.move.from;
    if (move.move.taken == 0) return move.move.to;
    const int entered = std::min<int>(input.nb_clics, move.move.taken - 1);
    return move.landings[static_cast<std::size_t>(entered)];
}

} // namespace selvako
