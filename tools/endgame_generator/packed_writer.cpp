#include "tools/endgame_generator/packed_writer.h"

#include <chrono>
#include <cstdio>
#include <system_error>
#include <vector>

#include "engine/crc32.h"
#include "engine/packed_endgame_format.h"
#include "files/atomic_file.h"
#include "tools/endgame_generator/ending_solver.h"
#include "tools/endgame_generator/retrograde_solver.h"
#include "tools/endgame_generator/stored_distance.h"

namespace selvako::tables {

namespace {

struct Counts {
    std::uint64_t wins = 0;
    std::uint64_t losses = 0;
    std::uint64_t draws = 0;
    std::uint64_t clamped = 0;
    int longest_win = 0;
    int longest_loss = 0;
};

// Both solvers must give every ".bib" position the same distance: they share
// only the move generator.
std::uint64_t disagreements_with_bib(const SolvedEndings& endings) {
    const SolvedTables bib = solve_all_tables();
    std::uint64_t wrong = 0;
    for (int t = 0; t < NUM_ENDGAME_TABLES; ++t) {
        const TableLayout& layout = TABLE_LAYOUTS[t];
        const auto& distances = endings.distances(layout.material());
        for (std::uint32_t offset = 0; offset < layout.size; ++offset) {
            const auto squares = table_squares(layout, offset);
            if (!squares || !position_can_occur(layout, *squares)) continue;
            const auto position = packed_position(table_board(layout, *squares), WHITE);
            if (bib.distance[t][offset] !=
                distances[packed_index(position->material, position->squares)])
                ++wrong;
        }
    }
    return wrong;
}

} // namespace

int write_packed_tables(const std::filesystem::path& folder, int max_pieces) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    const auto start = std::chrono::steady_clock::now();
    const SolvedEndings endings = SolvedEndings::solve(max_pieces, true);

    if (const std::uint64_t wrong = disagreements_with_bib(endings); wrong != 0) {
        std::fprintf(stderr, "endgame_generator: %llu positions of the .bib endings differ\n",
                     static_cast<unsigned long long>(wrong));
        return 1;
    }
    std::printf("the .bib endings agree position by position\n");

    std::printf("%-11s %9s %9s %9s %9s %7s %8s %8s %9s  %s\n", "file", "entries", "wins", "losses",
                "draws", "max win", "max loss", "over 127", "bytes", "crc32");
    std::uint64_t total_bytes = 0;
    for (const TableMaterial& m : packed_materials()) {
        if (m.pieces() > max_pieces) continue;
        const auto& distances = endings.distances(m);
        std::vector<std::int8_t> values(distances.size(), 0);
        Counts c;
        for (std::uint32_t index = 0; index < distances.size(); ++index) {
            if (!packed_squares(m, index)) continue;
            const std::uint16_t d = distances[index];
            values[index] = stored_distance(d, NO_DISTANCE);
            if (d == NO_DISTANCE) {
                ++c.draws;
                continue;
            }
            if (d > LONGEST_STORED) ++c.clamped;
            if (d % 2 == 1) {
                ++c.wins;
                c.longest_win = std::max<int>(c.longest_win, d);
            } else {
                ++c.losses;
                c.longest_loss = std::max<int>(c.longest_loss, d);
            }
        }
        const std::vector<std::uint8_t> file = pack_table(m, values);
        const std::string name = packed_file_name(m);
        if (!write_file_atomically(folder / name, file)) {
            std::fprintf(stderr, "endgame_generator: cannot write %s\n",
                         (folder / name).string().c_str());
            return 1;
        }
        total_bytes += file.size();
        std::printf("%-11s %9zu %9llu %9llu %9llu %7d %8d %8llu %9zu  %08x\n", name.c_str(),
                    values.size(), static_cast<unsigned long long>(c.wins),
                    static_cast<unsigned long long>(c.losses),
                    static_cast<unsigned long long>(c.draws), c.longest_win, c.longest_loss,
                    static_cast<unsigned long long>(c.clamped), file.size(),
                    crc32(file.data(), file.size() - 4));
    }
    const auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start);
    std::printf("packed endgame tables: %llu bytes, generated in %.1f s\n",
                static_cast<unsigned long long>(total_bytes), seconds.count());
    return 0;
}

} // namespace selvako::tables
