// endgame_checker BIB_FOLDER PACKED_FOLDER [STRIDE]: checks every packed table
// against the tables its moves lead to, one ply deep: the value of each
// position must follow from the values after its moves (captures and
// promotions lead into the ".bib" files or other packed tables, quiet moves
// into the table of the same material with the other side to move). With a
// STRIDE above 1 only every STRIDE-th index is checked. Prints per file the
// counts of wins, draws and losses, the positions checked and the file's
// CRC-32; exits with 1 on any disagreement or a table that cannot be read.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "engine/endgame_tables.h"
#include "engine/engine_state.h"
#include "engine/move_generation.h"
#include "engine/packed_endgame_tables.h"
#include "tools/endgame_generator/after_white_move.h"

using namespace selvako;
using selvako::tables::after_white_move;

namespace {

constexpr int CLAMPED = 127;

struct Tables {
    EndgameTables bib;
    PackedEndgameTables packed;
};

// The stored value of the position after a move of White, seen by Black.
std::optional<std::int8_t> value_after(const Tables& tables, const BoardArray& board) {
    const PieceCounts c = count_pieces(board);
    if (c[BLACK_MAN] + c[BLACK_KING] == 0) return std::int8_t{-1};
    if (const auto entry = locate_position(board, c, BLACK))
        return stored_value(tables.bib, *entry);
    if (const auto entry = locate_packed(board, c, BLACK))
        return packed_value(tables.packed, *entry);
    return std::nullopt;
}

int sign(int v) {
    return (v > 0) - (v < 0);
}

// The value the position must hold, from the values after its moves; a
// distance clamped at 127 on the way leaves only the result to compare.
struct Expected {
    std::int8_t value = 0;
    bool exact = true;
};

std::optional<Expected> expected_value(const Tables& tables, EngineState& st,
                                       const BoardArray& board) {
    st.board = board;
    st.counts = count_pieces(board);
    st.ply = 1;
    const int count = generate_moves(st, WHITE);
    if (count == 0) return Expected{-1, true};
    int shortest_win = 1000;
    int longest_loss = 0;
    bool draw = false;
    bool exact = true;
    for (int i = 0; i < count; ++i) {
        const auto v = value_after(tables, after_white_move(board, st.list(1)[i]));
        if (!v) return std::nullopt;
        if (*v == CLAMPED || *v == -CLAMPED) exact = false;
        if (*v < 0)
            shortest_win = std::min(shortest_win, (*v == -1 ? 0 : -*v) + 1);
        else if (*v == 0)
            draw = true;
        else
            longest_loss = std::max(longest_loss, *v + 1);
    }
    if (shortest_win < 1000)
        return Expected{static_cast<std::int8_t>(std::min(shortest_win, CLAMPED)), exact};
    if (draw) return Expected{0, true};
    return Expected{static_cast<std::int8_t>(-std::min(longest_loss, CLAMPED)), exact};
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3 || argc > 4) {
        std::fprintf(stderr, "usage: endgame_checker BIB_FOLDER PACKED_FOLDER [STRIDE]\n");
        return 2;
    }
    const std::uint32_t stride = argc == 4 ? static_cast<std::uint32_t>(std::atoi(argv[3])) : 1u;
    if (stride < 1) {
        std::fprintf(stderr, "endgame_checker: STRIDE is 1 or more\n");
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    Tables tables;
    if (load_databases(tables.bib, argv[1]) != NUM_ENDGAME_TABLES) {
        std::fprintf(stderr, "endgame_checker: the 22 .bib files are not all in %s\n", argv[1]);
        return 1;
    }
    std::vector<std::string> refused;
    load_packed_tables(tables.packed, argv[2], &refused);
    for (const std::string& line : refused)
        std::fprintf(stderr, "endgame_checker: %s\n", line.c_str());

    EngineState st;
    st.allocate_move_lists();
    st.ordering_enabled = false;
    std::uint64_t wrong = 0;
    int missing = 0;
    std::printf("%-11s %9s %9s %9s %9s  %s\n", "file", "wins", "draws", "losses", "checked",
                "crc32");
    for (int t = 0; t < NUM_PACKED_TABLES; ++t) {
        const TableMaterial& m = packed_materials()[static_cast<std::size_t>(t)];
        const auto& table = tables.packed.tables[static_cast<std::size_t>(t)];
        if (!table) {
            std::printf("%-11s missing\n", packed_file_name(m).c_str());
            ++missing;
            continue;
        }
        std::uint64_t wins = 0, draws = 0, losses = 0, checked = 0;
        for (std::uint32_t index = 0; index < table->entries(); ++index) {
            const auto squares = packed_squares(m, index);
            if (!squares) continue;
            const std::int8_t v = table->value(index);
            (v > 0 ? wins : v < 0 ? losses : draws) += 1;
            if (index % stride != 0) continue;
            ++checked;
            const BoardArray board = packed_board(m, *squares);
            const auto expected = expected_value(tables, st, board);
            if (!expected) {
                std::printf("%-11s a move leads to a table that is not loaded\n",
                            packed_file_name(m).c_str());
                return 1;
            }
            const bool agrees =
                expected->exact ? expected->value == v : sign(expected->value) == sign(v);
            if (!agrees && ++wrong <= 10)
                std::printf("%s index %u holds %d, its moves give %d\n",
                            packed_file_name(m).c_str(), index, v, expected->value);
        }
        std::printf("%-11s %9llu %9llu %9llu %9llu  %08x\n", packed_file_name(m).c_str(),
                    static_cast<unsigned long long>(wins), static_cast<unsigned long long>(draws),
                    static_cast<unsigned long long>(losses),
                    static_cast<unsigned long long>(checked), table->crc());
        std::fflush(stdout);
    }
    const auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start);
    std::printf("%llu disagreements, %d tables missing, %.1f s\n",
                static_cast<unsigned long long>(wrong), missing, seconds.count());
    return wrong == 0 ? 0 : 1;
}
