#include "engine/kings_against_men.h"

#include <array>

namespace selvako {

namespace {

// (file + row) / 2 and (file - row + 9) / 2, files a..h and rows 1..8 from 1:
// the two diagonal coordinates of each square.
constexpr std::array<std::uint8_t, BOARD_CELLS> DIAG_A = {0, 5, 6, 7, 8, 4, 5, 6, 7, 4, 5,
                                                          6, 7, 3, 4, 5, 6, 3, 4, 5, 6, 2,
                                                          3, 4, 5, 2, 3, 4, 5, 1, 2, 3, 4};
constexpr std::array<std::uint8_t, BOARD_CELLS> DIAG_B = {0, 1, 2, 3, 4, 1, 2, 3, 4, 2, 3,
                                                          4, 5, 2, 3, 4, 5, 3, 4, 5, 6, 3,
                                                          4, 5, 6, 4, 5, 6, 7, 4, 5, 6, 7};

// The three configurations as seen by White; Black's are the same with every
// square s turned into 33 - s.
enum class Test { A_BELOW, B_ABOVE };
struct Case {
    Square king_square;
    Square other_square;
    int max_men;
    Test men_fail;     // how a man of the kingless side fails
    int men_limit;     // A < limit, or B > limit
    int own_men_limit; // a man of the king's side fails when A > limit, or B < limit
};
constexpr Case CASES[3] = {
    {1, 28, 3, Test::A_BELOW, 6, 4},
    {2, 20, 4, Test::A_BELOW, 7, 5},
    {3, 21, 4, Test::B_ABOVE, 2, 4},
};

} // namespace

bool kings_against_men(const BoardArray& board, int men, int king_side) {
    const bool black = king_side == BLACK;
    auto sq = [black](int s) { return static_cast<Square>(black ? 33 - s : s); };
    const std::uint8_t king = own_king(king_side);
    const std::uint8_t own_m = own_man(king_side);
    const std::uint8_t enemy_m = enemy_man(king_side);
    // Coordinates in White's orientation: turning the board swaps A into 9 - A
    // and B into 8 - B.
    auto a_of = [&](int s) { return black ? 9 - DIAG_A[s] : DIAG_A[s]; };
    auto b_of = [&](int s) { return black ? 8 - DIAG_B[s] : DIAG_B[s]; };
    auto has_neighbour_of_side = [&](int s) {
        for (int d = 0; d < 4; ++d) {
            const std::uint8_t c = board[NEIGHBOUR[d][s]];
            if (black ? is_black_piece(c) : is_white_piece(c)) return true;
        }
        return false;
    };
    for (int k = 0; k < 3; ++k) {
        const Case& c = CASES[k];
        const Square ks = sq(c.king_square);
        const Square os = sq(c.other_square);
        const bool holds =
            (board[ks] == king && board[os] == EMPTY) || (board[ks] == EMPTY && board[os] == king);
        if (!holds || men > c.max_men) continue;
        if (k == 2 && men != 3 && board[sq(2)] != EMPTY) continue;
        for (int s = 1; s <= NUM_SQUARES; ++s) {
            const std::uint8_t code = board[s];
            if (code == enemy_m) {
                const bool fails_line =
                    c.men_fail == Test::A_BELOW ? a_of(s) < c.men_limit : b_of(s) > c.men_limit;
                const bool corner_trap =
                    k == 0 && s == sq(4) && board[sq(8)] == EMPTY && board[sq(11)] != EMPTY;
                if (fails_line || corner_trap || has_neighbour_of_side(s)) return false;
            } else if (code == own_m) {
                const bool fails = c.men_fail == Test::A_BELOW ? a_of(s) > c.own_men_limit
                                                               : b_of(s) < c.own_men_limit;
                if (fails) return false;
            }
        }
        return true;
    }
    return false;
}

} // namespace selvako
