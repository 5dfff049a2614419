#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "engine/endgame_tables.h"
#include "engine/fen.h"
#include "engine/make_move.h"
#include "engine/move_generation.h"

namespace selvako {
namespace {

// The files the build generated.
const EndgameTables& generated_tables() {
    static const EndgameTables tables = [] {
        EndgameTables t;
        load_databases(t, SELVAKO_TEST_DATA_DIR);
        return t;
    }();
    return tables;
}

Position position_of(const std::string& fen) {
    const FenResult parsed = parse_fen(fen);
    EXPECT_TRUE(parsed.position) << fen << ": " << parsed.error;
    return parsed.position.value_or(Position{});
}

std::optional<std::int8_t> value_of(const std::string& fen) {
    const Position p = position_of(fen);
    const auto entry = locate_position(p.board, count_pieces(p.board), p.side_to_move);
    if (!entry) return std::nullopt;
    return stored_value(generated_tables(), *entry);
}

TEST(EndgameFiles, AllFilesHaveTheirSizes) {
    const std::pair<const char*, std::uintmax_t> sizes[] = {
        {"dod.bib", 1056},     {"pod.bib", 1056},     {"dop.bib", 1056},     {"pop.bib", 1056},
        {"ddod.bib", 15841},   {"dodd.bib", 15841},   {"ddop.bib", 15841},   {"podd.bib", 15841},
        {"pdod.bib", 33824},   {"dopd.bib", 33824},   {"pdop.bib", 33824},   {"popd.bib", 33824},
        {"ppod.bib", 15841},   {"dopp.bib", 15841},   {"ppop.bib", 15841},   {"popp.bib", 15841},
        {"dddod.bib", 163215}, {"doddd.bib", 163215}, {"pddod.bib", 523683}, {"dopdd.bib", 523683},
        {"ppdod.bib", 523683}, {"doppd.bib", 523683},
    };
    for (const auto& [name, size] : sizes)
        EXPECT_EQ(std::filesystem::file_size(std::filesystem::path(SELVAKO_TEST_DATA_DIR) / name),
                  size)
            << name;
    EndgameTables tables;
    EXPECT_EQ(load_databases(tables, SELVAKO_TEST_DATA_DIR), NUM_ENDGAME_TABLES);
    EXPECT_TRUE(tables.loaded);
}

// Offsets that hold no position store 0, and so does every impossible position.
TEST(EndgameFiles, UnusedOffsetsAreZero) {
    for (int t = 0; t < NUM_ENDGAME_TABLES; ++t) {
        const TableLayout& layout = TABLE_LAYOUTS[t];
        const auto& bytes = generated_tables().tables[t];
        ASSERT_EQ(bytes.size(), layout.size) << layout.file_name;
        for (std::uint32_t offset = 0; offset < layout.size; ++offset) {
            const auto sq = table_squares(layout, offset);
            if (!sq || !position_can_occur(layout, *sq)) {
                ASSERT_EQ(bytes[offset], 0) << layout.file_name << ' ' << offset;
            }
        }
    }
}

// Results known to players of 8x8 draughts with flying kings, and results that
// follow at once from the rules (a side that cannot move has lost; taking the
// last enemy piece wins in one ply).
TEST(EndgameTheory, KingAgainstKing) {
    // Two lone kings draw unless one captures the other at once.
    EXPECT_EQ(value_of("W:WKb8:BKg1"), 0);
    EXPECT_EQ(value_of("B:WKb8:BKg1"), 0);
    EXPECT_EQ(value_of("W:WKa1:BKd4"), 1); // a1 takes d4 along the long diagonal
    // Both kings on the ends of the long diagonal: the king to move has only
    // squares on that diagonal and is taken from the other end.
    EXPECT_EQ(value_of("W:WKa1:BKh8"), -2);
    EXPECT_EQ(value_of("B:WKa1:BKh8"), -2);
}

TEST(EndgameTheory, TwoKingsAgainstOne) {
    // Two kings cannot force a win against a lone king on the long diagonal.
    EXPECT_EQ(value_of("W:WKc1,Ke1:BKh8"), 0);
    EXPECT_EQ(value_of("B:WKc1,Ke1:BKh8"), 0);
    // A king shut in the corner behind two kings that cover each other has no move.
    EXPECT_EQ(value_of("W:WKa1:BKb2,Kc3"), -1);
    // Taking the last piece at once.
    EXPECT_EQ(value_of("W:WKb8,Ka1:BKc3"), 1);
}

TEST(EndgameTheory, ThreeKingsAgainstOne) {
    // A lone king that holds the long diagonal draws against three kings.
    EXPECT_EQ(value_of("W:WKc1,Ke1,Kg1:BKh8"), 0);
    EXPECT_EQ(value_of("B:WKc1,Ke1,Kg1:BKh8"), 0);
    EXPECT_EQ(value_of("W:WKb8,Kd8,Kf8:BKa1"), 0);
    // Off the long diagonal, with the three kings holding it, the lone king is
    // caught (Petrov's triangle) whoever is to move: b8 cannot step onto e5,
    // which the king on a1 takes.
    const auto win = value_of("W:WKa1,Kc1,Ke1:BKb8");
    ASSERT_TRUE(win.has_value());
    EXPECT_GT(*win, 0);
    EXPECT_EQ(*win % 2, 1);
    const auto loss = value_of("B:WKa1,Kc1,Ke1:BKb8");
    ASSERT_TRUE(loss.has_value());
    EXPECT_LT(*loss, 0);
    EXPECT_EQ(-*loss % 2, 0);
}

// Three kings holding the long diagonal build Petrov's triangle and catch the
// lone king within 15 moves; the 15-move limit of the rules of Russian
// draughts for this ending rests on it. No win of the kings may take longer.
TEST(EndgameTheory, ThreeKingsWinWithinFifteenMoves) {
    const auto& kings_to_move = generated_tables().tables[find_table({0, 3, 0, 1})];
    const auto& lone_to_move = generated_tables().tables[find_table({0, 1, 0, 3})];
    ASSERT_FALSE(kings_to_move.empty());
    ASSERT_FALSE(lone_to_move.empty());
    int longest = 0;
    for (std::int8_t v : kings_to_move) longest = std::max<int>(longest, v);
    for (std::int8_t v : lone_to_move) longest = std::max<int>(longest, -v);
    EXPECT_LE(longest, 30);
}

TEST(EndgameTheory, ManAgainstKing) {
    // The man on a1 has only b2, where the king on h8 takes it.
    EXPECT_EQ(value_of("W:Wa1:BKh8"), -2);
    // The man on a7 crowns on b8, an edge square no king can take: king against king.
    EXPECT_EQ(value_of("W:Wa7:BKg1"), 0);
    // The man on a7 blocked by a king on b8 has no move at all.
    EXPECT_EQ(value_of("W:Wa7:BKb8"), -1);
    // The king to move takes the man at once.
    EXPECT_EQ(value_of("B:Wc3:BKh8"), 1);
}

TEST(EndgameTheory, TwoMenAgainstKing) {
    // b2-c3! forces h8xb2, and the man on a1 takes the king: a win in 3 plies.
    EXPECT_EQ(value_of("W:Wa1,b2:BKh8"), 3);
    // The same position turned round with Black to move.
    EXPECT_EQ(value_of("B:WKa1:Bh8,g7"), 3);
    // The king takes both men in one capture along the long diagonal.
    EXPECT_EQ(value_of("W:WKa1:Bc3,e5"), 1);
}

TEST(EndgameProbe, ScoresFollowThePly) {
    const EndgameTables& tables = generated_tables();
    const Position capture = position_of("W:WKa1:BKd4"); // win in 1 for White
    const PieceCounts counts = count_pieces(capture.board);
    EXPECT_EQ(probe_database(tables, capture.board, counts, WHITE, 1), 32000 - 1 - 1);
    // At an even ply the side to move is not the root side: the score is negated.
    EXPECT_EQ(probe_database(tables, capture.board, counts, WHITE, 2), -(32000 - 1 - 2));
    const Position trapped = position_of("W:WKa1:BKh8"); // loss in 2 for the side to move
    EXPECT_EQ(probe_database(tables, trapped.board, count_pieces(trapped.board), WHITE, 3),
              -32000 + 2 + 3);
    const Position draw = position_of("W:WKb8:BKg1");
    for (int ply = 1; ply <= 4; ++ply)
        EXPECT_EQ(probe_database(tables, draw.board, count_pieces(draw.board), BLACK, ply), 0);
    // Four-piece tables give decisive scores and draws.
    const Position petrov = position_of("W:WKa1,Kc1,Ke1:BKb8");
    const auto score = probe_database(tables, petrov.board, count_pieces(petrov.board), WHITE, 5);
    ASSERT_TRUE(score.has_value());
    EXPECT_GT(*score, 30000);
}

TEST(EndgameProbe, MissingOrShortFilesMiss) {
    const auto folder = std::filesystem::temp_directory_path() / "selvako_endgame_short";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    {
        std::ofstream out(folder / "dod.bib", std::ios::binary);
        out << std::string(1000, '\0');
    }
    std::filesystem::copy_file(std::filesystem::path(SELVAKO_TEST_DATA_DIR) / "pod.bib",
                               folder / "pod.bib");
    EndgameTables tables;
    EXPECT_EQ(load_databases(tables, folder), 1);
    EXPECT_TRUE(tables.loaded);
    const Position kings = position_of("W:WKb8:BKg1");
    EXPECT_FALSE(probe_database(tables, kings.board, count_pieces(kings.board), WHITE, 1));
    const Position man = position_of("W:Wa1:BKh8");
    EXPECT_TRUE(probe_database(tables, man.board, count_pieces(man.board), WHITE, 1));
    std::filesystem::remove_all(folder);
}

// The stored value of every position against one step of the engine's own move
// generator: the best reply found over the successors' stored values must
// give back the stored value. Together with distances that shrink toward the
// end of the game this pins down every entry, draws included.
std::int8_t expected_from_moves(EngineState& st, const EndgameTables& tables) {
    st.ply = 1;
    const int count = generate_moves(st, WHITE);
    if (count == 0) return -1;
    const BoardArray board = st.board;
    const PieceCounts counts = st.counts;
    int best_win = 1000;  // shortest win found
    int longest_loss = 0; // longest resistance when every move loses
    bool draw = false;
    for (int i = 0; i < count; ++i) {
        make_move(st, i);
        int reply; // the successor's value for Black, -1 meaning lost at once
        if (st.counts[BLACK_MAN] + st.counts[BLACK_KING] == 0) {
            reply = -1;
        } else {
            const auto entry = locate_position(st.board, st.counts, BLACK);
            reply = entry ? stored_value(tables, *entry).value_or(0) : 0;
            EXPECT_TRUE(entry.has_value());
        }
        st.board = board;
        st.counts = counts;
        const int reply_plies = reply == -1 ? 0 : (reply < 0 ? -reply : reply);
        if (reply < 0)
            best_win = std::min(best_win, reply_plies + 1);
        else if (reply == 0)
            draw = true;
        else
            longest_loss = std::max(longest_loss, reply_plies + 1);
    }
    if (best_win < 1000) return static_cast<std::int8_t>(std::min(best_win, 127));
    if (draw) return 0;
    return static_cast<std::int8_t>(-std::min(longest_loss, 127));
}

void check_tables(int min_pieces, int max_pieces) {
    const EndgameTables& tables = generated_tables();
    EngineState st;
    st.allocate_move_lists();
    st.ordering_enabled = false;
    for (int t = 0; t < NUM_ENDGAME_TABLES; ++t) {
        const TableLayout& layout = TABLE_LAYOUTS[t];
        if (layout.pieces() < min_pieces || layout.pieces() > max_pieces) continue;
        int faults = 0;
        for (std::uint32_t offset = 0; offset < layout.size && faults < 5; ++offset) {
            const auto sq = table_squares(layout, offset);
            if (!sq || !position_can_occur(layout, *sq)) continue;
            st.set_position(table_board(layout, *sq));
            const std::int8_t stored = tables.tables[t][offset];
            const std::int8_t expected = expected_from_moves(st, tables);
            if (stored != expected) ++faults;
            EXPECT_EQ(stored, expected) << layout.file_name << " offset " << offset;
        }
    }
}

TEST(EndgameConsistency, TwoAndThreePieces) {
    check_tables(2, 3);
}

TEST(EndgameConsistency, FourPieces) {
    check_tables(4, 4);
}

} // namespace
} // namespace selvako
