#pragma once
// When a draw is agreed: the computer's answer to the human's offer, and the
// moment the computer offers one itself.

#include <cstdint>
#include <functional>

#include "engine/board.h"

namespace selvako {

// The human offers a draw. The computer accepts, with fewer than 20 pieces on
// the board, when it does not stand better: the last score is the human's
// when that search was pondering, the computer's otherwise.
bool draw_offer_accepted(const PieceCounts& counts, bool pondering, std::int16_t last_score);

struct ComputerDrawOfferInput {
    PieceCounts counts{};
    std::uint8_t num_demi_coup = 0; // plies played before the computer's move
    // Pieces taken by the move of a recorded ply (the record's capture count).
    std::function<std::uint8_t(int ply)> captures_of_ply;
    std::int16_t last_score = 0;
};

// Plies, counting the present one, that must have passed without a capture.
inline constexpr int QUIET_PLIES_FOR_DRAW_OFFER = 20;

// The computer offers a draw in a dead ending: at most 4 pieces with a king
// among them, more than 20 plies played, no capture in the last 20 recorded
// plies, and no forced result in sight.
bool computer_offers_draw(const ComputerDrawOfferInput& input);

} // namespace selvako
