// Formations of advanced men, with no king on the board, in which the side to
// move breaks through. White's are tried when White is to move, their mirror
// images when Black is; the first that matches gives the amount.

#include "eval/breakthrough_catalogue.h"
#include "eval/pattern_terms.h"

namespace selvako {

namespace {

constexpr auto WHITE_BREAKTHROUGHS = compile_formations(BREAKTHROUGH_TEXT);
constexpr auto BLACK_BREAKTHROUGHS = mirror_formations(BREAKTHROUGH_TEXT);

int first_match(const std::array<Formation, BREAKTHROUGH_TEXT.size()>& catalogue,
                const BoardMasks& m) {
    for (const Formation& f : catalogue)
        if (squares_match(f, m)) return f.amount;
    return 0;
}

} // namespace

int breakthrough_patterns(const PatternBoard& pb, int side) {
    const BoardMasks& m = pb.masks;
    const int value = white_to_move(pb.ply, side) ? first_match(WHITE_BREAKTHROUGHS, m)
                                                  : first_match(BLACK_BREAKTHROUGHS, m);
    return side != WHITE ? -value : value;
}

} // namespace selvako
