#include <gtest/gtest.h>

#include "game/clocks.h"

namespace selvako {
namespace {

constexpr int W = 0;
constexpr int B = 1;

TEST(ClockLabels, MinutesAndTwoDigitSeconds) {
    EXPECT_EQ(clock_labels(0), (ClockLabels{"0", "00"}));
    EXPECT_EQ(clock_labels(5), (ClockLabels{"0", "05"}));
    EXPECT_EQ(clock_labels(59), (ClockLabels{"0", "59"}));
    EXPECT_EQ(clock_labels(65), (ClockLabels{"1", "05"}));
    EXPECT_EQ(clock_labels(7210), (ClockLabels{"120", "10"}));
}

TEST(GameClocks, TimerRunsTheSideToMoveOnly) {
    ManualTimeSource time(5'000'000);
    GameClocks clocks(time);
    time.advance_seconds(3);
    EXPECT_EQ(clocks.ajouter_temps(W, false), 3);
    EXPECT_EQ(clocks.running(W), 3);
    EXPECT_EQ(clocks.temps_blanc(), 0); // fixed only when the move is made
    // The computer's search keeps its own clock.
    time.advance_seconds(4);
    EXPECT_FALSE(clocks.ajouter_temps(B, true));
    EXPECT_EQ(clocks.running(B), 0);
}

TEST(GameClocks, HumanAgainstHumanTurns) {
    ManualTimeSource time;
    GameClocks clocks(time);
    time.advance_ms(7'400);
    clocks.ajouter_temps(W, false);
    // The move lands before the next tick: the last tick's value is what counts.
    time.advance_ms(700);
    clocks.fix_running(W);
    clocks.start_turn(B);
    EXPECT_EQ(clocks.temps_blanc(), 7);
    time.advance_seconds(4);
    EXPECT_EQ(clocks.ajouter_temps(B, false), 4);
    clocks.fix_running(B);
    clocks.start_turn(W);
    time.advance_seconds(2);
    EXPECT_EQ(clocks.ajouter_temps(W, false), 9);
    EXPECT_EQ(clocks.temps_noir(), 4);
}

TEST(GameClocks, PauseDropsTheSecondsOfTheTurnBeforeIt) {
    ManualTimeSource time;
    GameClocks clocks(time);
    clocks.restore(30, 40);
    time.advance_seconds(5);
    EXPECT_EQ(clocks.ajouter_temps(W, false), 35);
    EXPECT_TRUE(clocks.toggle_pause());
    time.advance_seconds(100);
    EXPECT_FALSE(clocks.ajouter_temps(W, false));
    EXPECT_FALSE(clocks.toggle_pause());
    time.advance_seconds(2);
    EXPECT_EQ(clocks.ajouter_temps(W, false), 32);
    // A board click restarts paused clocks, and does nothing otherwise.
    EXPECT_FALSE(clocks.resume());
    clocks.toggle_pause();
    time.advance_seconds(10);
    EXPECT_TRUE(clocks.resume());
    time.advance_seconds(1);
    EXPECT_EQ(clocks.ajouter_temps(B, false), 41);
}

TEST(GameClocks, SearchTotalAndReset) {
    ManualTimeSource time;
    GameClocks clocks(time);
    clocks.store_search_total(B, 17, true); // pondering: the human's turn
    EXPECT_EQ(clocks.temps_noir(), 0);
    clocks.store_search_total(B, 17, false);
    clocks.fix_running(B); // the computer's move keeps what its search counted
    EXPECT_EQ(clocks.temps_noir(), 17);
    clocks.reset();
    time.advance_seconds(1);
    EXPECT_EQ(clocks.temps_noir(), 0);
    EXPECT_EQ(clocks.running(B), 0);
    EXPECT_EQ(clocks.ajouter_temps(B, false), 1);
}

TimeControlInput rated(std::int32_t computer_clock, std::int32_t human_clock,
                       std::int32_t human_rating) {
    // "1 : 30 coups en 3 mn", computer Black.
    return {.mode_match = MatchMode::playing,
            .num_demi_coup = 40,
            .temps_alloue = 178,
            .temps_blanc = human_clock,
            .temps_noir = computer_clock,
            .couleur_ordinateur = 1,
            .human_rating = human_rating};
}

TEST(GameClocks, ClockAtTheEndOfItsRangeStopsThere) {
    ManualTimeSource time(5'000'000);
    GameClocks clocks(time);
    clocks.restore(INT32_MAX - 1, 0);
    time.advance_seconds(1);
    EXPECT_EQ(clocks.ajouter_temps(W, false), INT32_MAX);
    time.advance_seconds(5);
    EXPECT_EQ(clocks.ajouter_temps(W, false), INT32_MAX);
}

TEST(ControleTemps, ComputerLosesPast180Seconds) {
    EXPECT_EQ(controle_temps(rated(180, 0, 1800)), TimeControlResult::in_time);
    EXPECT_EQ(controle_temps(rated(181, 0, 1800)), TimeControlResult::computer_over_time);
    // Tested first: when both are over, the human wins.
    EXPECT_EQ(controle_temps(rated(181, 500, 1800)), TimeControlResult::computer_over_time);
}

TEST(ControleTemps, PlayersBelow1800HaveDoubleTime) {
    EXPECT_EQ(controle_temps(rated(0, 181, 1800)), TimeControlResult::human_over_time);
    EXPECT_EQ(controle_temps(rated(0, 361, 1600)), TimeControlResult::in_time);
    EXPECT_EQ(controle_temps(rated(0, 362, 1600)), TimeControlResult::human_over_time);
    EXPECT_EQ(controle_temps(rated(0, 361, 1700)), TimeControlResult::in_time);
    EXPECT_EQ(controle_temps(rated(0, 362, 1700)), TimeControlResult::human_over_time);
}

TEST(ControleTemps, ComputerWhiteReadsTheOtherClocks) {
    TimeControlInput in = rated(0, 0, 1800);
    in.couleur_ordinateur = 0;
    in.temps_blanc = 181;
    EXPECT_EQ(controle_temps(in), TimeControlResult::computer_over_time);
    in.temps_blanc = 0;
    in.temps_noir = 181;
    EXPECT_EQ(controle_temps(in), TimeControlResult::human_over_time);
}

TEST(ControleTemps, AllowanceByPly) {
    EXPECT_EQ(time_allowance(0, 178), 180);
    EXPECT_EQ(time_allowance(99, 178), 180);
    EXPECT_EQ(time_allowance(100, 178), 17800);
    EXPECT_EQ(time_allowance(199, 178), 17800);
    EXPECT_EQ(time_allowance(200, 178), 35600);
    EXPECT_EQ(time_allowance(254, 319998), 63999600);
    TimeControlInput in = rated(17800, 0, 1800);
    in.num_demi_coup = 150;
    EXPECT_EQ(controle_temps(in), TimeControlResult::in_time);
    in.temps_noir = 17801;
    EXPECT_EQ(controle_temps(in), TimeControlResult::computer_over_time);
}

TEST(ControleTemps, OnlyInARatedMatchInProgress) {
    TimeControlInput in = rated(5000, 5000, 1600);
    in.mode_match = MatchMode::none;
    EXPECT_EQ(controle_temps(in), TimeControlResult::in_time);
    in.mode_match = MatchMode::scored;
    EXPECT_EQ(controle_temps(in), TimeControlResult::in_time);
}

} // namespace
} // namespace selvako
