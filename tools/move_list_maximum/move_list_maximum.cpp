// Searches for positions whose side to move has as many legal moves as
// possible, by hill climbing from random boards. The move lists must have room
// for the largest; the tests replay the positions it reports.
//
// usage: move_list_maximum [SECONDS] [SEED] [plain|captures]
// "captures" scores only positions where the side must capture, since the
// climb from plain positions rarely crosses into them.

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string_view>

#include "engine/fen.h"
#include "engine/move_generation.h"

using namespace selvako;

namespace {

int moves_for_white(EngineState& st, const BoardArray& board, bool captures_only) {
    st.set_position(board);
    st.ply = 1;
    const int count = generate_moves(st, WHITE);
    if (captures_only && st.greatest_taken == 0) return 0;
    return count;
}

// Up to 12 pieces a side, as on any board the program can hold.
bool within_piece_limits(const BoardArray& board) {
    const PieceCounts c = count_pieces(board);
    return c[WHITE_MAN] + c[WHITE_KING] <= 12 && c[BLACK_MAN] + c[BLACK_KING] <= 12;
}

} // namespace

int main(int argc, char** argv) {
    const double seconds = argc > 1 ? std::atof(argv[1]) : 20.0;
    const unsigned seed = argc > 2 ? static_cast<unsigned>(std::atoi(argv[2])) : 1;
    const bool captures_only = argc > 3 && std::string_view(argv[3]) == "captures";
    std::mt19937 rng(seed);
    EngineState st;
    st.allocate_move_lists();
    st.ordering_enabled = false;

    int best_count = 0;
    BoardArray best = empty_board();
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (std::chrono::steady_clock::now() < deadline) {
        BoardArray board = empty_board();
        for (int s = 1; s <= NUM_SQUARES; ++s) board[s] = static_cast<std::uint8_t>(rng() % 5);
        if (!within_piece_limits(board)) continue;
        int score = moves_for_white(st, board, captures_only);
        for (int step = 0; step < 20000; ++step) {
            BoardArray candidate = board;
            const int changes = 1 + static_cast<int>(rng() % 2);
            for (int c = 0; c < changes; ++c)
                candidate[1 + rng() % NUM_SQUARES] = static_cast<std::uint8_t>(rng() % 5);
            if (!within_piece_limits(candidate)) continue;
            const int count = moves_for_white(st, candidate, captures_only);
            // Accept sideways steps too, so plateaus are crossed.
            if (count >= score) {
                board = candidate;
                score = count;
            }
        }
        if (score > best_count) {
            best_count = score;
            best = board;
            std::printf("%d %s\n", best_count, to_fen(Position{best, WHITE}).c_str());
            std::fflush(stdout);
        }
    }
    return 0;
}
