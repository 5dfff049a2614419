#pragma once
// Games as Portable Draughts Notation text: the seven archival tags, a tag
// naming the rules and the board's numbering, and the moves in numbers 1..32.

#include <array>
#include <string>
#include <vector>

#include "files/fiche_coup.h"
#include "files/outcome.h"

namespace selvako {

struct PdnTags {
    std::string event;
    std::string site = "?";
    std::string date = "????.??.??"; // YYYY.MM.DD
    int round = 1;
    std::string white;
    std::string black;
    Outcome result = Outcome::none;
};

// "2-0", "0-2", "1-1" as draughts records write results, "*" for none.
std::string pdn_result(Outcome outcome);

// Ply `ply` (1..) of the record in numbers: "22-18", "22x13"; a capture whose
// two end squares do not tell it from another legal capture lists every
// landing square ("30x23x14x5").
std::string pdn_move(const FicheCoup* record, int ply);

// One game: tags, then the moves of plies 1..plies of `record` (record[0] the
// start position, White to move) and the result, ending with a blank line.
std::string pdn_game(const PdnTags& tags, const FicheCoup* record, int plies);

} // namespace selvako
