// The rule book every kind of game ends by: the position's own ends, which
// every game keeps, and the adjudications a game between programs asks for.

#include <gtest/gtest.h>

#include <string>

#include "engine/make_move.h"
#include "files/game_file.h"
#include "game/game_rules.h"

namespace selvako {
namespace {

Position position_of(const char* fen) {
    const FenResult parsed = parse_fen(fen);
    EXPECT_TRUE(parsed.position) << fen;
    return parsed.position.value_or(Position{});
}

struct PositionCase {
    const char* fen;
    int plies;
    GameEnd end;
    Outcome outcome; // with the side to move as the loser of a decisive end
};

class PositionEnd : public testing::TestWithParam<PositionCase> {};

TEST_P(PositionEnd, FromTheBoardTheSideToMoveAndThePliesPlayed) {
    const PositionCase& c = GetParam();
    const Position p = position_of(c.fen);
    EngineState work;
    work.allocate_move_lists();
    int legal = -1;
    const GameEnd end = position_end(work, p.board, p.side_to_move, c.plies, &legal);
    EXPECT_EQ(end, c.end);
    EXPECT_EQ(game_end_outcome(end, p.side_to_move), c.outcome);
    EXPECT_EQ(legal == 0, end == GameEnd::no_moves);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, PositionEnd,
    testing::Values(
        // Black's man on a3 can neither step to b2 nor jump it: Black loses.
        PositionCase{"B:Wb2,c1:Ba3", 10, GameEnd::no_moves, Outcome::white_won},
        PositionCase{"W:Wb2,c1:Ba3", 10, GameEnd::none, Outcome::none},
        // White's man on a1 is walled in by b2 and c3.
        PositionCase{"W:Wa1:Bb2,c3", 0, GameEnd::no_moves, Outcome::black_won},
        // A free position on the record's last ply is drawn ...
        PositionCase{"W:Wb2,c1:Ba3", LAST_GAME_PLY, GameEnd::record_full, Outcome::draw},
        PositionCase{"W:Wb2,c1:Ba3", LAST_GAME_PLY - 1, GameEnd::none, Outcome::none},
        // ... but a side left without a move on it has still lost.
        PositionCase{"B:Wb2,c1:Ba3", LAST_GAME_PLY, GameEnd::no_moves, Outcome::white_won}),
    // Stable names: ctest runs each case by its name.
    [](const testing::TestParamInfo<PositionCase>& param) {
        return "case" + std::to_string(param.index);
    });

TEST(GameEndOutcome, DecisiveEndsGoToTheLosersOpponentAndTheRestAreDrawn) {
    for (GameEnd end : {GameEnd::no_moves, GameEnd::time, GameEnd::resignation,
                        GameEnd::illegal_move, GameEnd::no_answer}) {
        EXPECT_EQ(game_end_outcome(end, WHITE), Outcome::black_won) << game_end_text(end);
        EXPECT_EQ(game_end_outcome(end, BLACK), Outcome::white_won) << game_end_text(end);
    }
    for (GameEnd end : {GameEnd::record_full, GameEnd::repetition, GameEnd::quiet_kings,
                        GameEnd::stagnation, GameEnd::draw_agreed})
        EXPECT_EQ(game_end_outcome(end, WHITE), Outcome::draw) << game_end_text(end);
    EXPECT_EQ(game_end_outcome(GameEnd::none, WHITE), Outcome::none);
}

Move step(const char* from, const char* to) {
    Move m;
    m.from = parse_square(from);
    m.to = parse_square(to);
    return m;
}

// Plays `moves` from `fen` through an adjudicator with `rules`; the verdict
// after each ply.
std::vector<GameEnd> verdicts(Adjudications rules, const char* fen, const std::vector<Move>& moves) {
    Position now = position_of(fen);
    EngineState work;
    work.allocate_move_lists();
    Adjudicator adjudicator(rules);
    adjudicator.start(now);
    std::vector<GameEnd> seen;
    for (const Move& m : moves) {
        const BoardArray before = now.board;
        work.set_position(before);
        make_move(work, m);
        now = {work.board, 1 - now.side_to_move};
        adjudicator.played(before, m, now);
        seen.push_back(adjudicator.verdict());
    }
    return seen;
}

TEST(Adjudicator, RepetitionOnlyWhenAskedFor) {
    const std::vector<Move> shuffle{step("h2", "g1"), step("a7", "b8"), step("g1", "h2"),
                                    step("b8", "a7"), step("h2", "g1"), step("a7", "b8"),
                                    step("g1", "h2"), step("b8", "a7")};
    const auto on = verdicts({.repetition = true}, "W:WKh2:BKa7", shuffle);
    // The start comes back after plies 4 and 8: the third time ends the game.
    EXPECT_EQ(on[6], GameEnd::none);
    EXPECT_EQ(on[7], GameEnd::repetition);
    const auto off = verdicts({}, "W:WKh2:BKa7", shuffle);
    EXPECT_EQ(off.back(), GameEnd::none);
}

TEST(Adjudicator, QuietKingsCountFromTheLastManMove) {
    // White's man steps first; then two kings shuffle for as long as it takes.
    std::vector<Move> moves{step("a1", "b2")};
    while (moves.size() <= QUIET_PLIES_FOR_DRAW + 1) {
        const bool out = moves.size() % 4 == 1;
        moves.push_back(out ? step("b8", "a7") : step("a7", "b8"));
        moves.push_back(out ? step("h2", "g1") : step("g1", "h2"));
    }
    const auto v = verdicts({.quiet_kings = true}, "W:WKh2,a1:BKb8", moves);
    EXPECT_EQ(v[QUIET_PLIES_FOR_DRAW - 1], GameEnd::none);
    EXPECT_EQ(v[QUIET_PLIES_FOR_DRAW], GameEnd::quiet_kings);
    EXPECT_EQ(verdicts({}, "W:WKh2,a1:BKb8", moves).back(), GameEnd::none);
}

} // namespace
} // namespace selvako
