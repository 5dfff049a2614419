// Formations of advanced men, with no king on the board, in which the side to
// move breaks through. White's are tried when White is to move, their mirror
// images when Black is; the first that matches gives the amount.

#include "eval/breakthrough_catalogue.h"
#include <bit>

#include "eval/formation_index.h"
#include "eval/pattern_terms.h"

namespace selvako {

namespace {

constexpr auto WHITE_BREAKTHROUGHS = compile_formations(BREAKTHROUGH_TEXT);
constexpr auto BLACK_BREAKTHROUGHS = mirror_formations(BREAKTHROUGH_TEXT);
constexpr auto WHITE_INDEX = make_formation_index(WHITE_BREAKTHROUGHS);
constexpr auto BLACK_INDEX = make_formation_index(BLACK_BREAKTHROUGHS);

template <std::size_t N>
int first_amount(const std::array<Formation, N>& catalogue, const FormationIndex<N>& index,
                 const PatternBoard& pb) {
    // Most boards lack the men any formation needs, which a count tells.
    if (!may_match(index, pb.masks)) return 0;
    const FormationSet found = matching_formations(index, pb.board);
    if (found.low != 0) return catalogue[std::countr_zero(found.low)].amount;
    if (found.high != 0) return catalogue[64 + std::countr_zero(found.high)].amount;
    return 0;
}

} // namespace

int breakthrough_patterns(const PatternBoard& pb, int side) {
    const int value = white_to_move(pb.ply, side)
                          ? first_amount(WHITE_BREAKTHROUGHS, WHITE_INDEX, pb)
                          : first_amount(BLACK_BREAKTHROUGHS, BLACK_INDEX, pb);
    return side != WHITE ? -value : value;
}

} // namespace selvako
