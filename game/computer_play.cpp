#include "game/computer_play.h"

namespace selvako {

bool handicap_debutant(std::uint8_t niveau, int computer_pieces, int opponent_pieces,
                       int legal_moves, bool searched) {
    return niveau == NIVEAU_NEOPHYTE && computer_pieces > opponent_pieces && legal_moves >= 2 &&
           searched;
}

bool may_ponder(const PonderingInput& in) {
    return in.option_checked && !in.editor_active && in.sans_reflexion == 0 &&
           !in.analyse_en_cours && !in.already_this_turn;
}

int ponder_depth_limit(std::int32_t budget_recherche) {
    return budget_recherche >= 1 && budget_recherche <= 5 ? budget_recherche + 1 : 0;
}

} // namespace selvako
