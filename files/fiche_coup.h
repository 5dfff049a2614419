#pragma once
// One ply of the game record: the position after the ply, the move that led
// to it, both clocks, both names and the computer's colour. Game files are a
// byte image of 255 of these, so the layout is fixed to the byte.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/board.h"

namespace selvako {

inline constexpr int NAME_BYTES = 20;
using PlayerName = std::array<char, NAME_BYTES>;

struct FicheCoup {
    // Cell 0 holds the sentinel in memory; 1..32 the piece codes after the ply.
    BoardArray board{};
    std::uint8_t taken = 0; // pieces captured by the ply (0 for a plain move)
    Square from = 0;        // 0 in record 0
    Square to = 0;
    std::int32_t temps_blanc = 0; // seconds used by White after the ply
    std::int32_t temps_noir = 0;
    PlayerName nom_blanc{};
    PlayerName nom_noir{};
    std::uint8_t couleur_ordinateur = 0;
    std::array<std::uint8_t, 3> unused{};
};
static_assert(sizeof(FicheCoup) == 88, "a ply record is 88 bytes in memory and in game files");
static_assert(offsetof(FicheCoup, taken) == 33 && offsetof(FicheCoup, from) == 34 &&
              offsetof(FicheCoup, to) == 35 && offsetof(FicheCoup, temps_blanc) == 36 &&
              offsetof(FicheCoup, temps_noir) == 40 && offsetof(FicheCoup, nom_blanc) == 44 &&
              offsetof(FicheCoup, nom_noir) == 64 && offsetof(FicheCoup, couleur_ordinateur) == 84);

// Names hold at most 19 characters and are always NUL-terminated.
PlayerName make_name(std::string_view text);
std::string name_text(const PlayerName& name);

} // namespace selvako
