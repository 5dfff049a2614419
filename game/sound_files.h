#pragma once
// The three sounds the game plays, written by tools/sound_generator beside the
// program and played by name.

#include <string_view>

namespace selvako {

inline constexpr std::string_view MOVE_SOUND_FILE = "son.wav";
inline constexpr std::string_view WIN_SOUND_FILE = "gagne.wav";
inline constexpr std::string_view LOSS_SOUND_FILE = "Perdu.wav";

} // namespace selvako
