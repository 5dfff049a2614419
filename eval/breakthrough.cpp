// Formations of advanced men, with no king on the board, in which the side to
// move breaks through. White's are tried when White is to move, their mirror
// images when Black is; the first that matches gives the amount.

#include "eval/breakthrough_catalogue.h"
#include "eval/formation_table.h"
#include "eval/pattern_terms.h"

namespace selvako {

namespace {

constexpr auto WHITE_BREAKTHROUGHS = compile_formations(BREAKTHROUGH_TEXT);
constexpr auto BLACK_BREAKTHROUGHS = mirror_formations(BREAKTHROUGH_TEXT);
constexpr auto WHITE_TABLE = make_formation_table(WHITE_BREAKTHROUGHS);
constexpr auto BLACK_TABLE = make_formation_table(BLACK_BREAKTHROUGHS);

template <std::size_t N>
int first_amount(const std::array<Formation, N>& catalogue, const FormationTable<N>& table,
                 const BoardMasks& m) {
    const std::size_t i = first_match(table, m);
    return i < N ? catalogue[i].amount : 0;
}

} // namespace

int breakthrough_patterns(const PatternBoard& pb, int side) {
    const BoardMasks& m = pb.masks;
    const int value = white_to_move(pb.ply, side)
                          ? first_amount(WHITE_BREAKTHROUGHS, WHITE_TABLE, m)
                          : first_amount(BLACK_BREAKTHROUGHS, BLACK_TABLE, m);
    return side != WHITE ? -value : value;
}

} // namespace selvako
