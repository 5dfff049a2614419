#include "game/draw_offer.h"

namespace selvako {

namespace {

constexpr int MAX_PIECES_FOR_ACCEPTANCE = 19;
constexpr int MAX_PIECES_FOR_COMPUTER_OFFER = 4;
// Beyond this the search has seen a forced result; a draw would throw it away.
constexpr std::int16_t LAST_UNFORCED_SCORE = 29999;

} // namespace

bool draw_offer_accepted(const PieceCounts& counts, bool pondering, std::int16_t last_score) {
    if (total_pieces(counts) > MAX_PIECES_FOR_ACCEPTANCE) return false;
    return pondering ? last_score >= 0 : last_score <= 0;
}

bool computer_offers_draw(const ComputerDrawOfferInput& input) {
    const PieceCounts& c = input.counts;
    if (total_pieces(c) > MAX_PIECES_FOR_COMPUTER_OFFER) return false;
    if (c[WHITE_KING] + c[BLACK_KING] == 0) return false;
    if (input.num_demi_coup <= QUIET_PLIES_FOR_DRAW_OFFER) return false;
    if (input.last_score < -LAST_UNFORCED_SCORE || input.last_score > LAST_UNFORCED_SCORE)
        return false;
    const int present = input.num_demi_coup;
    for (int ply = present; ply > present - QUIET_PLIES_FOR_DRAW_OFFER; --ply)
        if (input.captures_of_ply(ply) != 0) return false;
    return true;
}

} // namespace selvako
