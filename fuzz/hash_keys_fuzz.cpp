// The key file ("hashkey33.dat"): keys taken from a file tell every piece on
// every square apart and write back to the file's bytes; anything short or
// unusable gives the built-in keys, saying which.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>

#include "engine/hash_keys.h"

using namespace selvako;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const KeysLoad load = decode_keys(std::span<const std::uint8_t>(data, size));
    if (load.from_file) {
        if (load.unusable || !keys_usable(load.keys)) __builtin_trap();
        const auto bytes = encode_hash_keys(load.keys);
        if (!std::equal(bytes.begin(), bytes.end(), data)) __builtin_trap();
    } else {
        const HashKeys shipped = default_hash_keys();
        if (load.keys.index != shipped.index || load.keys.check != shipped.check)
            __builtin_trap();
        if (load.unusable && size < static_cast<std::size_t>(KEY_FILE_BYTES)) __builtin_trap();
    }
    // Two boards one piece apart never share both keys.
    BoardArray board = empty_board();
    for (std::size_t k = 0; k < std::min<std::size_t>(size, NUM_SQUARES); ++k)
        board[k + 1] = static_cast<std::uint8_t>(data[k] % 5);
    const PositionKeys a = position_keys(board, load.keys);
    const Square s = static_cast<Square>(size % NUM_SQUARES + 1);
    board[s] = board[s] == EMPTY ? WHITE_KING : EMPTY;
    const PositionKeys b = position_keys(board, load.keys);
    if (a.index == b.index && a.check == b.check) __builtin_trap();
    return 0;
}
