// Men that can be taken at once, holes left behind men, and free steps.
//
// Every man is scored from the squares around it. The same questions are
// asked of all men of a colour at once: each is a set of squares (the men
// whose square behind on the left is empty, ...), and a term is its amount
// times the number of men in the set.

#include <algorithm>
#include <bit>
#include <initializer_list>

#include "engine/square_sets.h"
#include "eval/pattern_terms.h"

namespace selvako {

namespace {

constexpr SquareSet squares_mask(std::initializer_list<int> squares) {
    SquareSet m = 0;
    for (int s : squares) m |= SquareSet{1} << (s - 1);
    return m;
}
constexpr SquareSet squares_from(int first, int last) {
    SquareSet m = 0;
    for (int s = first; s <= last; ++s) m |= SquareSet{1} << (s - 1);
    return m;
}

// Squares off the edges and the two outer rows. White men are scored there
// from their fourth row up (9 and above), black men down to theirs (24 and below).
constexpr SquareSet INTERIOR =
    squares_mask({6, 7, 8, 9, 10, 11, 14, 15, 16, 17, 18, 19, 22, 23, 24, 25, 26, 27});
constexpr SquareSet WHITE_SCORED = INTERIOR & ~squares_from(1, 8);
constexpr SquareSet BLACK_SCORED = INTERIOR & ~squares_from(25, 32);

// One colour's men as its own side sees them: the directions it moves in, the
// two behind it, the squares where its pushed pairs, blocked men and free
// steps count (a black man on s is bounded as a white man on 33 - s). Known
// at compile time, so that every step below is two shifts.
template <bool WHITE_MEN> struct ColourView;

template <> struct ColourView<true> {
    static constexpr int forward_left = UP_LEFT;
    static constexpr int forward_right = UP_RIGHT;
    static constexpr int back_left = DOWN_LEFT;   // behind, opposite forward_right
    static constexpr int back_right = DOWN_RIGHT; // behind, opposite forward_left
    static constexpr SquareSet pair_check = WHITE_SCORED & squares_from(13, 32);
    static constexpr SquareSet blocked_ok = WHITE_SCORED & squares_from(1, 19);
    static constexpr SquareSet free_ok = WHITE_SCORED & squares_from(1, 23);
};

// UL <-> DR and UR <-> DL: the mirror image of the white man.
template <> struct ColourView<false> {
    static constexpr int forward_left = DOWN_RIGHT;
    static constexpr int forward_right = DOWN_LEFT;
    static constexpr int back_left = UP_RIGHT;
    static constexpr int back_right = UP_LEFT;
    static constexpr SquareSet pair_check = BLACK_SCORED & squares_from(1, 20);
    static constexpr SquareSet blocked_ok = BLACK_SCORED & squares_from(14, 32);
    static constexpr SquareSet free_ok = BLACK_SCORED & squares_from(10, 32);
};

// The squares whose neighbour in direction D lies in `set`.
template <int D> constexpr SquareSet facing(SquareSet set) {
    return step(set, 3 - D);
}

// The squares whose square two steps away in direction D lies in `set`.
template <int D> constexpr SquareSet facing_two_away(SquareSet set) {
    return two_steps(set, 3 - D);
}

// The squares whose square two rows ahead, on the same file, lies in `set`.
template <bool WHITE_MEN> constexpr SquareSet two_rows_behind(SquareSet set) {
    return WHITE_MEN ? set << 8 : set >> 8;
}

int count(SquareSet set) {
    return std::popcount(set);
}

// count(a) + count(b) in one count.
int count(SquareSet a, SquareSet b) {
    return std::popcount(std::uint64_t{a} | std::uint64_t{b} << 32);
}

// The sum of the terms over the men of one colour, from that colour's side.
template <bool WHITE_MEN>
int score_men(SquareSet men, SquareSet own, SquareSet enemy, SquareSet empty, int root_phase) {
    using v = ColourView<WHITE_MEN>;
    const SquareSet bl_empty = facing<v::back_left>(empty);
    const SquareSet br_empty = facing<v::back_right>(empty);
    const SquareSet fl_empty = facing<v::forward_left>(empty);
    const SquareSet fr_empty = facing<v::forward_right>(empty);
    const SquareSet fl_enemy = facing<v::forward_left>(enemy);
    const SquareSet fr_enemy = facing<v::forward_right>(enemy);
    const SquareSet bl_enemy = facing<v::back_left>(enemy);
    const SquareSet br_enemy = facing<v::back_right>(enemy);
    const SquareSet both_behind_empty = bl_empty & br_empty;

    int s = 0;

    // Holes behind: an empty square behind is a landing square for a capture.
    s -= 2 * count(men & bl_empty, men & br_empty);
    s -= 3 * count(men & bl_empty & facing_two_away<v::back_left>(empty),
                   men & br_empty & facing_two_away<v::back_right>(empty));
    s -= 4 * count(men & both_behind_empty);

    // A man pushed in front of two of its own with nothing behind it; the
    // squares beyond those two are open when empty or off the board. Rare,
    // so the rest is looked at only when there is such a man.
    if (SquareSet pushed = men & v::pair_check & facing<v::forward_left>(own) &
                           facing<v::forward_right>(own) & both_behind_empty;
        pushed != 0) {
        const SquareSet occupied = ~empty;
        pushed &= ~facing_two_away<v::forward_left>(occupied) &
                  ~facing_two_away<v::forward_right>(occupied) & two_rows_behind<WHITE_MEN>(empty);
        const SquareSet enemy_ahead = two_rows_behind<WHITE_MEN>(enemy);
        s -= (root_phase == 3 ? 24 : 12) * count(pushed);
        s -= 15 * count(pushed & facing<v::forward_left>(enemy_ahead) &
                        facing<v::forward_right>(enemy_ahead));
    }

    // Capture threats and free steps.
    const SquareSet free_left = men & fl_empty & ~br_enemy;
    const SquareSet free_right = men & fr_empty & ~bl_enemy;
    const SquareSet threatened = (men & fl_empty & br_enemy) | (men & fl_enemy & br_empty);
    const SquareSet threatened_too = (men & fr_empty & bl_enemy) | (men & fr_enemy & bl_empty);
    const SquareSet blocked =
        men & v::blocked_ok & ~fr_empty & ~fr_enemy & ~free_left & both_behind_empty;
    s -= 50 * count(threatened, threatened_too);
    s -= 10 * count(blocked);
    s += 2 * count(free_left, free_right);

    if (const SquareSet free_both = free_left & free_right & v::free_ok; free_both != 0) {
        const SquareSet fl2_enemy = facing_two_away<v::forward_left>(enemy);
        const SquareSet fr2_enemy = facing_two_away<v::forward_right>(enemy);
        s += 5 * count(free_both & ~fl2_enemy, free_both & ~fr2_enemy);
        const SquareSet met = free_both & two_rows_behind<WHITE_MEN>(enemy) & both_behind_empty;
        s -= 5 * count(met & (fl2_enemy | fr2_enemy));
        s -= 15 * count(met & fl2_enemy & fr2_enemy);
    }
    return s;
}

} // namespace

int man_safety(const PatternBoard& pb, int side) {
    const BoardMasks& m = pb.masks;
    const SquareSet empty = ~m.occupied;
    int total =
        score_men<true>(m.white_men & WHITE_SCORED, m.white_men, m.black_men, empty, pb.root_phase);
    total -= score_men<false>(m.black_men & BLACK_SCORED, m.black_men, m.white_men, empty,
                              pb.root_phase);
    total = std::clamp(total, -60, 60);
    return side != WHITE ? -total : total;
}

} // namespace selvako
