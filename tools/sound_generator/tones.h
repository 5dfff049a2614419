#pragma once
// The game's three sounds, synthesised: a soft wooden click for a move, a
// rising major arpeggio of bell tones for a win, a falling minor one for a loss.

#include <cstdint>
#include <vector>

namespace selvako::sound {

inline constexpr std::uint32_t SAMPLE_RATE = 44100;

std::vector<std::int16_t> move_click();
std::vector<std::int16_t> win_chime();
std::vector<std::int16_t> loss_chime();

} // namespace selvako::sound
