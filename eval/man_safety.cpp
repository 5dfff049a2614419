// Men that can be taken at once, holes left behind men, and free steps.

#include <algorithm>
#include <bit>
#include <initializer_list>

#include "eval/pattern_terms.h"

namespace selvako {

namespace {

// Squares off the edges and the two outer rows. White men are scored there
// from their fourth row up (9 and above), black men down to theirs (24 and below).
constexpr std::uint32_t squares_mask(std::initializer_list<int> squares) {
    std::uint32_t m = 0;
    for (int s : squares) m |= 1u << (s - 1);
    return m;
}
constexpr std::uint32_t INTERIOR =
    squares_mask({6, 7, 8, 9, 10, 11, 14, 15, 16, 17, 18, 19, 22, 23, 24, 25, 26, 27});
constexpr std::uint32_t WHITE_SCORED = INTERIOR & ~squares_mask({1, 2, 3, 4, 5, 6, 7, 8});
constexpr std::uint32_t BLACK_SCORED = INTERIOR & ~squares_mask({25, 26, 27, 28, 29, 30, 31, 32});

Square step(int d, int s) {
    return NEIGHBOUR[d][s];
}

// Scored for a man of one colour; `forward_left` and `forward_right` are the
// directions it moves in, `ahead` the square two rows in front (+-8). The
// Black man reuses this with mirrored directions and the opposite sign.
struct ManView {
    int forward_left;
    int forward_right;
    int back_left;  // the square behind on the side of forward_right's opposite
    int back_right; // the square behind on the side of forward_left's opposite
    int ahead;
    std::uint8_t own_man;
    std::uint8_t enemy_man;
    bool pair_check; // the man is far enough up for a pushed-pair to matter
    bool blocked_ok; // the man is low enough for a blocked, unbacked man to matter
    bool free_ok;    // the man has room for its free steps to count
};

// The square bounds, written for White's squares; a black man on s is
// bounded as a white man on 33 - s, so the two colours are mirror images.
ManView view_of(int colour, int i) {
    if (colour == WHITE)
        return {UP_LEFT,   UP_RIGHT,  DOWN_LEFT, DOWN_RIGHT, -8,
                WHITE_MAN, BLACK_MAN, i > 12,    i < 20,     i < 24};
    const int w = NUM_SQUARES + 1 - i;
    // UL <-> DR and UR <-> DL: the mirror image of the White man.
    return {DOWN_RIGHT, DOWN_LEFT, UP_RIGHT, UP_LEFT, 8,
            BLACK_MAN,  WHITE_MAN, w > 12,   w < 20,  w < 24};
}

int score_man(const BoardArray& b, int i, const ManView& v, int root_phase) {
    int s = 0;
    const Square fl = step(v.forward_left, i), fr = step(v.forward_right, i);
    const Square bl = step(v.back_left, i), br = step(v.back_right, i);

    // Holes behind: an empty square behind is a landing square for a capture.
    if (b[bl] == EMPTY) {
        s -= 2;
        if (b[step(v.back_left, bl)] == EMPTY) s -= 3;
        if (b[br] == EMPTY) s -= 2;
    }
    if (b[br] == EMPTY) {
        s -= 2;
        if (b[step(v.back_right, br)] == EMPTY) s -= 3;
        if (b[bl] == EMPTY) s -= 2;
    }

    // A man pushed in front of two of its own with nothing behind it.
    if (v.pair_check && b[fl] == v.own_man && b[fr] == v.own_man && b[bl] == EMPTY &&
        b[br] == EMPTY) {
        const Square fl2 = step(v.forward_left, fl), fr2 = step(v.forward_right, fr);
        const bool open_fl2 = fl2 == 0 || b[fl2] == EMPTY;
        const bool open_fr2 = fr2 == 0 || b[fr2] == EMPTY;
        if (open_fl2 && open_fr2 && b[i + v.ahead] == EMPTY) {
            s -= 12;
            if (root_phase == 3) s -= 12;
            if (b[fl + v.ahead] == v.enemy_man && b[fr + v.ahead] == v.enemy_man) s -= 15;
        }
    }

    // Capture threats and free steps.
    int j = 0;
    if (b[fl] == EMPTY) {
        if (b[br] == v.enemy_man)
            s -= 50;
        else
            j += 2;
    } else if (b[fl] == v.enemy_man && b[br] == EMPTY) {
        s -= 50;
    }
    if (b[fr] == EMPTY) {
        if (b[bl] == v.enemy_man)
            s -= 50;
        else
            j += 2;
    } else if (b[fr] == v.enemy_man) {
        if (b[bl] == EMPTY) s -= 50;
    } else if (v.blocked_ok && j == 0 && b[bl] == EMPTY && b[br] == EMPTY) {
        s -= 10;
    }
    s += j;

    if (j == 4 && v.free_ok) {
        int k = 0;
        if (b[step(v.forward_left, fl)] != v.enemy_man)
            s += 5;
        else
            ++k;
        if (b[step(v.forward_right, fr)] != v.enemy_man)
            s += 5;
        else
            ++k;
        if (k > 0 && b[i + v.ahead] == v.enemy_man && b[bl] == EMPTY && b[br] == EMPTY) {
            s -= 5;
            if (k == 2) s -= 15;
        }
    }
    return s;
}

} // namespace

int man_safety(const PatternBoard& pb, int side) {
    const BoardArray& b = pb.board;
    int total = 0;
    for (std::uint32_t men = pb.masks.white_men & WHITE_SCORED; men != 0; men &= men - 1) {
        const int i = std::countr_zero(men) + 1;
        total += score_man(b, i, view_of(WHITE, i), pb.root_phase);
    }
    for (std::uint32_t men = pb.masks.black_men & BLACK_SCORED; men != 0; men &= men - 1) {
        const int i = std::countr_zero(men) + 1;
        total -= score_man(b, i, view_of(BLACK, i), pb.root_phase);
    }
    total = std::clamp(total, -60, 60);
    return side != WHITE ? -total : total;
}

} // namespace selvako
