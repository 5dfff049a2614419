#pragma once
// What a refused FEN text gets wrong, worded in the interface's language,
// without Qt.

#include <string>

#include "engine/fen.h"

namespace selvako {

// `where` as the reader gave it: the item, square or list at fault, or the
// side's letter ("W", "B"), which is worded as the side's name.
std::string fen_fault_text(FenFault fault, const std::string& where, int langue);

} // namespace selvako
