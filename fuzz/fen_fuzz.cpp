// The FEN reader: any text is refused with a one-line reason or gives a
// position that writes back to a FEN reading as the same position.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "engine/fen.h"

using namespace selvako;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const FenResult read = parse_fen({reinterpret_cast<const char*>(data), size});
    if (!read.position) {
        if (read.error.empty()) __builtin_trap();
        return 0;
    }
    const FenResult again = parse_fen(to_fen(*read.position));
    if (!again.position || again.position->board != read.position->board ||
        again.position->side_to_move != read.position->side_to_move)
        __builtin_trap();
    return 0;
}
