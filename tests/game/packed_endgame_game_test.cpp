// Endings of five pieces played out by the engine against itself with the
// packed tables of `make tables5`: each game ends as the table says. Skipped
// where the data folder holds no packed tables (a build without them).

#include <filesystem>

#include <gtest/gtest.h>

#include "engine/packed_endgame_tables.h"
#include "game/engine_player.h"
#include "game/match_game.h"
#include "../search/loaded_engine.h"

namespace selvako {
namespace {

using test::FrozenClock;

using test::LoadedEngine;

class FivePieceGame : public ::testing::TestWithParam<const char*> {};

TEST_P(FivePieceGame, EndsAsTheTableSays) {
    const Position start = *parse_fen(GetParam()).position;
    const auto entry = locate_packed(start.board, count_pieces(start.board), start.side_to_move);
    ASSERT_TRUE(entry);
    const std::string name =
        packed_file_name(packed_materials()[static_cast<std::size_t>(entry->table)]);
    std::string error;
    const auto table =
        read_packed_table(std::filesystem::path(SELVAKO_TEST_DATA_DIR) / name, entry->table, error);
    if (!table) GTEST_SKIP() << name << ": " << error << " (make tables5 writes it)";
    const std::int8_t value = table->value(entry->index);

    LoadedEngine a;
    LoadedEngine b;
    EnginePlayer white(a.engine, {MoveLimit::Kind::depth, 8}, false);
    EnginePlayer black(b.engine, {MoveLimit::Kind::depth, 8}, false);
    const MatchGameResult r = play_match_game(white, black, start, {});
    const Outcome mover_wins =
        start.side_to_move == WHITE ? Outcome::white_won : Outcome::black_won;
    const Outcome mover_loses =
        start.side_to_move == WHITE ? Outcome::black_won : Outcome::white_won;
    EXPECT_EQ(r.outcome, value > 0   ? mover_wins
                         : value < 0 ? mover_loses
                                     : Outcome::draw)
        << GetParam() << " value " << int{value} << ", " << game_end_text(r.end) << " after "
        << r.moves.size() << " plies";
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Positions, FivePieceGame,
                         ::testing::Values("W:WKa1,Kc1,Ke1:BKh8,Kf8",  // drawn
                                           "W:WKb2,c3:BKh8,d8,f8",     // won in 23 plies
                                           "W:Wa3,c3,e3:Bf6,h6",       // won in 49 plies
                                           "B:WKa1,Kc1,e3:BKh8,g7"));  // drawn
// clang-format on

} // namespace
} // namespace selvako
