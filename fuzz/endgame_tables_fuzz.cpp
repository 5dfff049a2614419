// The endgame tables: a file is taken only at its table's exact size and
// checksum. Should a wrong file ever pass (a checksum collision), the search
// must still only read inside it: here the fuzzer's bytes, repeated to a
// table's size, stand in for its contents and the positions of the table,
// picked by the input, are probed as the search probes them.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "engine/endgame_tables.h"

using namespace selvako;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const int t = data[0] % NUM_ENDGAME_TABLES;
    const TableLayout& layout = TABLE_LAYOUTS[static_cast<std::size_t>(t)];
    const std::span<const std::int8_t> file(reinterpret_cast<const std::int8_t*>(data + 1),
                                            size - 1);
    const TableCheck check = check_table(t, file);
    if ((check == TableCheck::wrong_size) != (file.size() != layout.size)) __builtin_trap();

    EndgameTables tables;
    tables.loaded = true;
    std::vector<std::int8_t>& contents = tables.tables[static_cast<std::size_t>(t)];
    contents.resize(layout.size);
    for (std::size_t k = 0; k < contents.size(); ++k) contents[k] = file[k % file.size()];

    for (std::size_t k = 1; k + 4 <= size && k < 400; k += 4) {
        const std::uint32_t offset = (static_cast<std::uint32_t>(data[k]) |
                                      static_cast<std::uint32_t>(data[k + 1]) << 8 |
                                      static_cast<std::uint32_t>(data[k + 2]) << 16) %
                                     (layout.size + 16);
        const auto squares = table_squares(layout, offset);
        if (!squares || !position_can_occur(layout, *squares)) continue;
        const BoardArray board = table_board(layout, *squares);
        const PieceCounts counts = count_pieces(board);
        const auto entry = locate_position(board, counts, WHITE);
        if (!entry || entry->table != t) __builtin_trap();
        const int ply = 1 + data[k + 3] % 60;
        const auto score = probe_database(tables, board, counts, WHITE, ply);
        if (score && (*score > 32000 || *score < -32000)) __builtin_trap();
        // The other side to move reads another table or none, never past one.
        (void)probe_database(tables, board, counts, BLACK, ply);
    }
    return 0;
}
