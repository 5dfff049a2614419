#include "search/game_repetitions.h"

#include <algorithm>

#include "engine/capture_search.h"

namespace selvako {

namespace {

// Whether the squares strictly between `from` and `to` lie on one diagonal
// and are empty.
bool open_diagonal(const BoardArray& board, Square from, Square to) {
    for (int d = 0; d < 4; ++d) {
        Square s = NEIGHBOUR[d][from];
        while (s != 0 && s != to && board[s] == EMPTY) s = NEIGHBOUR[d][s];
        if (s == to) return true;
    }
    return false;
}

bool can_take(const BoardArray& board, int side) {
    const std::uint8_t enemy_man = own_man(side == WHITE ? BLACK : WHITE);
    for (Square s = 1; s <= NUM_SQUARES; ++s) {
        const std::uint8_t code = board[s];
        if (code != own_man(side) && code != own_king(side)) continue;
        if (detail::has_first_jump(board, s, code == own_king(side), enemy_man)) return true;
    }
    return false;
}

bool on_promotion_row(Square s, int side) {
    return side == WHITE ? s <= 4 : s >= NUM_SQUARES - 3;
}

} // namespace

std::vector<PositionKey> reversible_game_tail(const BoardArray& board,
                                              std::span<const PlayedMove> played,
                                              int side_to_move, const HashKeys& keys) {
    BoardArray before = board;
    const PositionKeys now = position_keys(before, keys);
    std::vector<PositionKey> tail{{now.index, now.check}};
    int mover = side_to_move == WHITE ? BLACK : WHITE;
    for (std::size_t k = played.size(); k-- > 0; mover = mover == WHITE ? BLACK : WHITE) {
        const Square from = played[k].from;
        const Square to = played[k].to;
        const std::uint8_t king = own_king(mover);
        if (from < 1 || from > NUM_SQUARES || to < 1 || to > NUM_SQUARES) break;
        if (before[to] != king || before[from] != EMPTY || on_promotion_row(to, mover)) break;
        if (!open_diagonal(before, from, to)) break;
        before[from] = king;
        before[to] = EMPTY;
        if (can_take(before, mover)) break;
        const PositionKeys k_before = position_keys(before, keys);
        tail.push_back({k_before.index, k_before.check});
    }
    std::reverse(tail.begin(), tail.end());
    return tail;
}

} // namespace selvako
