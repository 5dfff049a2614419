#pragma once
// The man and king capture searches shared by the engine generator and the
// piece generator. A sink decides what happens when a capture is complete and
// whether landing squares are recorded, so the engine generator pays nothing
// for the piece generator's bookkeeping.

#include "engine/engine_state.h"

namespace selvako::detail {

// The enemy's king code is its man code + 1, so one subtraction tells both.
inline bool is_enemy_code(std::uint8_t code, std::uint8_t enemy_man_code) {
    return static_cast<std::uint8_t>(code - enemy_man_code) <= 1;
}

// Whether the piece on s has a first jump at all: most pieces have none, and
// this spares them the recursive search, which would find nothing.
inline bool has_first_jump(const BoardArray& board, Square s, bool king_piece,
                           std::uint8_t enemy_man_code) {
    for (int d = 0; d < 4; ++d) {
        Square n = NEIGHBOUR[d][s];
        if (king_piece)
            while (board[n] == EMPTY) n = NEIGHBOUR[d][n];
        if (is_enemy_code(board[n], enemy_man_code) && board[NEIGHBOUR[d][n]] == EMPTY) return true;
    }
    return false;
}

// Sink interface:
//   std::uint8_t& greatest();            greatest number taken so far
//   void landing(int k, Square square);  the piece lands on `square` after jump k
//   void store(Square to);               store a capture of greatest() pieces
template <class Sink> struct CaptureSearch {
    EngineState& st;
    Sink& sink;
    std::uint8_t enemy1; // the enemy's man code; its king's is one more

    bool is_enemy(std::uint8_t code) const { return is_enemy_code(code, enemy1); }

    // A capture of k pieces ending on `to` is kept unless a longer one is known;
    // a longer one than any before throws the shorter ones away.
    void offer(int k, Square to) {
        std::uint8_t& greatest = sink.greatest();
        if (k < greatest) return;
        if (k > greatest) sink.clear();
        greatest = static_cast<std::uint8_t>(k);
        sink.store(to);
    }

    void man(Square s, int k) {
        auto& board = st.board;
        for (int d = 0; d < 4; ++d) {
            const Square n = NEIGHBOUR[d][s];
            const std::uint8_t code = board[n];
            if (!is_enemy(code)) continue;
            const Square t = NEIGHBOUR[d][n];
            if (board[t] != EMPTY) continue;
            board[n] = CAPTURE_MARK;
            board[s] = EMPTY;
            st.capture_scratch[k] = n;
            sink.landing(k, t);
            man(t, k + 1);
            board[n] = code;
            offer(k, t);
        }
    }

    void king(Square s, int arrival, int k) {
        auto& board = st.board;
        auto& scratch = st.capture_scratch;
        scratch[k + 1] = 0;
        for (int d = 0; d < 4; ++d) {
            if (d == 3 - arrival) continue;
            board[s] = EMPTY;
            Square n = NEIGHBOUR[d][s];
            // Squares further along the line of arrival are landing squares
            // that the caller visits itself.
            const bool continues_line = (arrival == d && board[n] == EMPTY);
            if (!continues_line) {
                while (board[n] == EMPTY) n = NEIGHBOUR[d][n];
                const std::uint8_t code = board[n];
                if (is_enemy(code) && board[NEIGHBOUR[d][n]] == EMPTY) {
                    board[n] = CAPTURE_MARK;
                    scratch[k] = n;
                    for (Square l = NEIGHBOUR[d][n]; board[l] == EMPTY; l = NEIGHBOUR[d][l]) {
                        scratch[k + 1] = l;
                        sink.landing(k, l);
                        king(l, d, k + 1);
                        board[l] = EMPTY;
                    }
                    board[n] = code;
                }
            }
            // The king arrived here by a jump: stopping here is a capture of
            // k - 1 pieces, stored at most once.
            if (k - 1 >= sink.greatest() && scratch[k] != 0) {
                offer(k - 1, scratch[k]);
                scratch[k] = 0;
            }
        }
    }
};

} // namespace selvako::detail
