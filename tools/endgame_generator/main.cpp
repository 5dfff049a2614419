// endgame_generator OUTPUT_FOLDER: solves the endgame tables and writes the 22
// ".bib" files, with a line per file that lets a later change of the tables
// be noticed (counts of results, longest win, CRC-32).
//
// endgame_generator --packed OUTPUT_FOLDER [MAX_PIECES]: solves every ending
// of up to five pieces (or MAX_PIECES) and writes the packed tables of the
// endings that no ".bib" file holds, after checking that the endings the
// ".bib" files hold came out the same from both solvers.

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <span>
#include <string>
#include <system_error>
#include <vector>

#include "engine/crc32.h"
#include "files/atomic_file.h"
#include "tools/endgame_generator/packed_writer.h"
#include "tools/endgame_generator/retrograde_solver.h"
#include "tools/endgame_generator/stored_distance.h"

namespace {

using namespace selvako;
using namespace selvako::tables;

struct FileReport {
    std::uint32_t wins = 0;
    std::uint32_t losses = 0;
    std::uint32_t draws = 0;
    std::uint32_t clamped = 0;
    int longest_win = 0;
    int longest_loss = 0;
};

std::vector<std::int8_t> encode_table(int table, const std::vector<std::uint16_t>& distance,
                                      FileReport& report) {
    const TableLayout& layout = TABLE_LAYOUTS[table];
    std::vector<std::int8_t> bytes(layout.size, 0);
    for (std::uint32_t offset = 0; offset < layout.size; ++offset) {
        const auto squares = table_squares(layout, offset);
        if (!squares || !position_can_occur(layout, *squares)) continue;
        const std::uint16_t d = distance[offset];
        bytes[offset] = stored_distance(d, NO_RESULT);
        if (d == NO_RESULT) {
            ++report.draws;
            continue;
        }
        if (d > LONGEST_STORED) ++report.clamped;
        if (d % 2 == 1) {
            ++report.wins;
            if (d > report.longest_win) report.longest_win = d;
        } else {
            ++report.losses;
            if (d > report.longest_loss) report.longest_loss = d;
        }
    }
    return bytes;
}

// An interrupted run never leaves a partial table with the right name.
bool write_file(const std::filesystem::path& path, const std::vector<std::int8_t>& bytes) {
    return write_file_atomically(
        path, std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
}

} // namespace

int main(int argc, char** argv) {
    if (argc >= 3 && argc <= 4 && std::string(argv[1]) == "--packed") {
        const int max_pieces = argc == 4 ? std::atoi(argv[3]) : MAX_PACKED_PIECES;
        if (max_pieces < 4 || max_pieces > MAX_PACKED_PIECES) {
            std::fprintf(stderr, "endgame_generator: MAX_PIECES is 4 or 5\n");
            return 2;
        }
        return write_packed_tables(argv[2], max_pieces);
    }
    if (argc != 2) {
        std::fprintf(stderr, "usage: endgame_generator OUTPUT_FOLDER\n"
                             "       endgame_generator --packed OUTPUT_FOLDER [MAX_PIECES]\n");
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::error_code error;
    std::filesystem::create_directories(folder, error);

    const auto start = std::chrono::steady_clock::now();
    const SolvedTables solved = solve_all_tables();

    std::printf("%-10s %7s %7s %7s %7s %8s %8s %8s  %s\n", "file", "size", "wins", "losses",
                "draws", "max win", "max loss", "over 127", "crc32");
    for (int t = 0; t < NUM_ENDGAME_TABLES; ++t) {
        const TableLayout& layout = TABLE_LAYOUTS[t];
        FileReport r;
        const auto bytes = encode_table(t, solved.distance[t], r);
        if (!write_file(folder / layout.file_name, bytes)) {
            std::fprintf(stderr, "endgame_generator: cannot write %s\n",
                         (folder / layout.file_name).string().c_str());
            return 1;
        }
        std::printf("%-10s %7u %7u %7u %7u %8d %8d %8u  %08x\n", layout.file_name.data(),
                    layout.size, r.wins, r.losses, r.draws, r.longest_win, r.longest_loss,
                    r.clamped, crc32(bytes.data(), bytes.size()));
    }
    const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - start);
    std::printf("endgame tables generated in %.1f s\n",
                static_cast<double>(elapsed.count()) / 1000.0);
    return 0;
}
