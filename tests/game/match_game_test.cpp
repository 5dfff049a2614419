// A match game: the rules that end it, players held to legal moves, engines
// at a fixed depth playing to a result, and the hard stop of a time per move
// with a clock driven by hand.

#include <set>

#include <gtest/gtest.h>

#include "engine/engine_state.h"
#include "engine/make_move.h"
#include "engine/move_generation.h"
#include "game/engine_player.h"
#include "game/match_game.h"
#include "search/time_budget.h"
#include "../search/loaded_engine.h"

namespace selvako {
namespace {

Position position_of(const char* fen) {
    return *parse_fen(fen).position;
}

Move squares(const char* from, const char* to) {
    Move m;
    m.from = parse_square(from);
    m.to = parse_square(to);
    return m;
}

// Plays its moves in turn, then has nothing to say.
class ScriptedPlayer final : public MatchPlayer {
  public:
    explicit ScriptedPlayer(std::vector<Move> moves) : m_moves(std::move(moves)) {}
    std::optional<Move> choose(const MatchPosition&) override {
        ++asked;
        if (m_next >= m_moves.size()) return std::nullopt;
        return m_moves[m_next++];
    }
    int asked = 0;

  private:
    std::vector<Move> m_moves;
    std::size_t m_next = 0;
};

// Never goes back to a position of the game, and never leaves a capture to
// the other side while it has a choice: kings that wander without end.
class WanderingPlayer final : public MatchPlayer {
  public:
    std::optional<Move> choose(const MatchPosition& game) override {
        EngineState st;
        st.allocate_move_lists();
        std::set<BoardArray> seen{game.start.board};
        BoardArray board = game.start.board;
        for (const Move& m : game.moves) {
            st.set_position(board);
            make_move(st, m);
            board = st.board;
            seen.insert(board);
        }
        const int side = game.now.side_to_move;
        st.set_position(game.now.board);
        const int n = generate_root_moves(st, side);
        const std::vector<Move> moves(st.list(1), st.list(1) + n);
        for (const Move& m : moves) {
            st.set_position(game.now.board);
            make_move(st, m);
            const BoardArray after = st.board;
            if (seen.count(after)) continue;
            st.set_position(after);
            const int replies = generate_root_moves(st, 1 - side);
            if (replies > 0 && st.list(1)[0].taken > 0) continue;
            return m;
        }
        return moves.front();
    }
};

TEST(MatchGame, TheThirdTimeAPositionComesBackIsADraw) {
    ScriptedPlayer white({squares("h2", "g1"), squares("g1", "h2"), squares("h2", "g1"),
                          squares("g1", "h2"), squares("h2", "g1")});
    ScriptedPlayer black({squares("a7", "b8"), squares("b8", "a7"), squares("a7", "b8"),
                          squares("b8", "a7"), squares("a7", "b8")});
    const MatchGameResult r = play_match_game(white, black, position_of("W:WKh2:BKa7"), {});
    EXPECT_EQ(r.outcome, Outcome::draw);
    EXPECT_EQ(r.end, GameEnd::repetition);
    // Twice round the circle of four plies brings the start back a third time.
    EXPECT_EQ(r.moves.size(), 8u);
}

TEST(MatchGame, FiftyPliesOfKingsWithoutACaptureAreADraw) {
    WanderingPlayer white;
    WanderingPlayer black;
    const MatchGameResult r = play_match_game(white, black, position_of("W:WKh2:BKa7"), {});
    EXPECT_EQ(r.outcome, Outcome::draw);
    EXPECT_EQ(r.end, GameEnd::quiet_kings);
    EXPECT_EQ(r.moves.size(), static_cast<std::size_t>(QUIET_PLIES_FOR_DRAW));
}

TEST(MatchGame, TheSideThatCannotMoveLoses) {
    ScriptedPlayer white({});
    ScriptedPlayer black({});
    // White's man on a1 is blocked by b2, and c3 closes the capture.
    const MatchGameResult r = play_match_game(white, black, position_of("W:Wa1:Bb2,c3"), {});
    EXPECT_EQ(r.outcome, Outcome::black_won);
    EXPECT_EQ(r.end, GameEnd::no_moves);
    EXPECT_EQ(white.asked, 0);
}

TEST(MatchGame, AnIllegalMoveOrNoAnswerLosesAndTheOpeningIsPlayedFirst) {
    ScriptedPlayer white({squares("a1", "b2")});
    ScriptedPlayer black({});
    const Position start{start_position(), WHITE};
    const MatchGameResult illegal = play_match_game(white, black, start, {});
    EXPECT_EQ(illegal.outcome, Outcome::black_won);
    EXPECT_EQ(illegal.end, GameEnd::illegal_move);

    ScriptedPlayer quiet_white({});
    ScriptedPlayer silent_black({});
    const MatchGameResult silent = play_match_game(
        quiet_white, silent_black, start, {squares("c3", "d4"), squares("b6", "a5"),
                                           squares("g3", "h4")});
    // The opening's three plies were played for them; Black then had to answer.
    EXPECT_EQ(quiet_white.asked, 0);
    EXPECT_EQ(silent_black.asked, 1);
    EXPECT_EQ(silent.moves.size(), 3u);
    EXPECT_EQ(silent.outcome, Outcome::white_won);
    EXPECT_EQ(silent.end, GameEnd::no_answer);
}

using test::FrozenClock;

using test::LoadedEngine;

TEST(MatchGame, EnginesAtDepthTwoPlayAGameToItsEnd) {
    LoadedEngine a;
    LoadedEngine b;
    EnginePlayer white(a.engine, {MoveLimit::Kind::depth, 2}, false);
    EnginePlayer black(b.engine, {MoveLimit::Kind::depth, 2}, false);
    const MatchGameResult r = play_match_game(white, black, {start_position(), WHITE},
                                              {squares("c3", "d4"), squares("f6", "e5")});
    ASSERT_NE(r.outcome, Outcome::none);
    EXPECT_NE(r.end, GameEnd::illegal_move);
    EXPECT_NE(r.end, GameEnd::no_answer);
    EXPECT_GT(r.moves.size(), 2u);
    // The record replays move by move, each legal where it stands.
    EngineState st;
    st.allocate_move_lists();
    BoardArray board = start_position();
    int side = WHITE;
    for (const Move& m : r.moves) {
        st.set_position(board);
        const int n = generate_root_moves(st, side);
        bool legal = false;
        for (int i = 0; i < n; ++i)
            legal = legal || (st.list(1)[i].from == m.from && st.list(1)[i].to == m.to);
        ASSERT_TRUE(legal);
        make_move(st, m);
        board = st.board;
        side = 1 - side;
    }
    if (r.end == GameEnd::no_moves) {
        st.set_position(board);
        EXPECT_EQ(generate_root_moves(st, side), 0);
        EXPECT_EQ(r.outcome, side == WHITE ? Outcome::black_won : Outcome::white_won);
    }
}

// The search's own clock stands still, so only the player's stop can end a
// search that would otherwise go on to depth 30. Each reading of the
// player's clock moves it on by 7 ms; the stop must come at the first poll
// past the limit, less the reserve kept for answering.
TEST(MatchGame, ATimePerMoveStopsTheSearchAtTheFirstPollPastIt) {
    LoadedEngine loaded;
    std::int64_t now = 0;
    int readings = 0;
    EnginePlayer player(loaded.engine, {MoveLimit::Kind::time, 1000}, false, [&] {
        ++readings;
        // A runaway search is stopped far past the limit, and fails below.
        if (readings > 20000) loaded.engine.stop();
        return now += 7;
    });
    MatchPosition game;
    game.start = game.now = {start_position(), WHITE};
    const auto move = player.choose(game);
    ASSERT_TRUE(move);
    const std::int64_t stop_at = 1000 - MoveDeadline::reserve_ms(1000);
    EXPECT_GE(player.last_move_ms(), stop_at);
    // The reading that saw the limit passed, and at most the one of a poll
    // after the iteration it cut short.
    EXPECT_LE(player.last_move_ms(), stop_at + 3 * 7);
}

TEST(MatchGame, ATimePerMoveIsPlannedAsALevelAndDepthOrNodesAreUnlimited) {
    MatchPosition game;
    game.start = game.now = {start_position(), WHITE};
    const SearchRequest timed = match_request(game, {MoveLimit::Kind::time, 1500}, true);
    // The level's own plan aims at two whole seconds; the hard stop cuts it to 1.5.
    EXPECT_GE(plan_time(timed.limits.budget_recherche, timed.limits.temps_alloue, 0, 0, false,
                        false).target,
              2);
    EXPECT_TRUE(timed.limits.repertoire);
    const SearchRequest deep = match_request(game, {MoveLimit::Kind::depth, 7}, false);
    EXPECT_EQ(deep.limits.depth, 7);
    EXPECT_FALSE(deep.limits.repertoire);
    // The repertoire follows games from the opening position only.
    MatchPosition other;
    other.start = other.now = position_of("W:Wa1:Bh8");
    EXPECT_FALSE(match_request(other, {MoveLimit::Kind::depth, 3}, true).limits.repertoire);
}

} // namespace
} // namespace selvako
