// The learned-position table ("vako.dat" and lesson files): fewer bytes than
// a table are refused and leave the table as it was; a whole table, here the
// fuzzer's bytes repeated to a table's size, is taken entry for entry (it
// writes back to the same bytes) and answers probes and lessons anywhere.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "engine/learned_positions.h"

using namespace selvako;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    LearnedTable table;
    const std::span<const std::uint8_t> bytes(data, size);
    if (size < LEARNED_FILE_BYTES) {
        if (table.replace_with(bytes) || !table.holds_no_score()) __builtin_trap();
        if (size == 0) return 0;
    }
    std::vector<std::uint8_t> image(LEARNED_FILE_BYTES);
    for (std::size_t k = 0; k < image.size(); ++k) image[k] = data[k % size];
    if (!table.replace_with(image)) __builtin_trap();
    if (table.encode() != image) __builtin_trap();

    // Keys taken from the input, as the search would hand them over.
    for (std::size_t k = 0; k + 8 <= std::min<std::size_t>(size, 800); k += 8) {
        std::uint32_t index = 0;
        std::uint32_t check = 0;
        for (int b = 0; b < 4; ++b) {
            index |= static_cast<std::uint32_t>(data[k + b]) << (8 * b);
            check |= static_cast<std::uint32_t>(data[k + 4 + b]) << (8 * b);
        }
        const int side = data[k] & 1;
        const LearnedEntry* found = table.probe_learned(index, check, side);
        if (found && found->check != check) __builtin_trap();
        const std::int16_t score = static_cast<std::int16_t>(index >> 16);
        const LearnedEntry before = table.entry(LearnedTable::slot_of(index, side));
        table.learn_position(index, check, side, score);
        // A decisive score already there stays; anything else is taught.
        const bool decisive = before.score <= -30000 || before.score >= 30000;
        const LearnedEntry* taught = table.probe_learned(index, check, side);
        if (!decisive && (!taught || taught->score != score)) __builtin_trap();
    }
    return 0;
}
