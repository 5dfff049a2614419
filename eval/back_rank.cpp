// Back-rank and edge formations. Each line is written for White (what gives
// White the better structure); the same formation for Black is its mirror.

#include <algorithm>

#include "eval/formation_index.h"
#include "eval/pattern_terms.h"

namespace selvako {

namespace {

constexpr std::uint8_t PRE_FINAL_ONLY = 0b0100;
constexpr std::uint8_t MIDDLE_AND_PRE_FINAL = 0b0110;

constexpr std::array<FormationText, 42> BACK_RANK_TEXT = {{
    // Outposts on the opponent's left wing in the opening and middle game: a
    // man on c5, the stronger while b8 is gone; a man on a5 pinning b6 and c7.
    {"W14 E1", 15, BEFORE_PRE_FINAL},
    {"W14 O1", 5, BEFORE_PRE_FINAL},
    {"W18", 5, BEFORE_PRE_FINAL},
    {"W13 B6 B9 E2", 15, BEFORE_PRE_FINAL},
    {"W13 B6 B9 O2", 5, BEFORE_PRE_FINAL},
    {"W13 B6 B9 B1", 5, BEFORE_PRE_FINAL},
    {"W13 B6 B9 B5", 5, BEFORE_PRE_FINAL},
    // The opponent's double corner b8-a7 abandoned: worse while b6 is gone
    // too, worst when a man of ours already stands on a5 to go through.
    {"E1 E5 E9", 10},
    {"E1 E5 O9 W13", 35},
    {"E1 E5 O9 w13", 20},
    {"E1 E5", 10, OPENING_ONLY},
    // A man on h6 with f8 open, the more when h8 is held by an enemy man it shuts in.
    {"W12 E3 B4", 25},
    {"W12 E3 b4", 15},
    // Our back-rank guard: c1 and e1 (and the d2 man behind them) keep the
    // opponent's men from crowning, g1-f2-e1 holds the double corner side.
    {"W30 W31", 6, BEFORE_PRE_FINAL},
    {"W26 W30 W31", 4, BEFORE_PRE_FINAL},
    {"W27 W31 W32", 4, BEFORE_PRE_FINAL},
    {"W25 W29 W30", 3, OPENING_ONLY},
    {"W24 W28 W32", 3, BEFORE_PRE_FINAL},
    {"W31", 4, PRE_FINAL_ONLY},
    {"W30", 3, PRE_FINAL_ONLY},
    // The opponent's back rank broken: holes on d8-f8, and on either side.
    {"E2 E3", 6, BEFORE_PRE_FINAL},
    {"E1 E2 E6", 5, BEFORE_PRE_FINAL},
    {"E3 E4 E8", 5, BEFORE_PRE_FINAL},
    {"E4 E8", 4, BEFORE_PRE_FINAL},
    {"E2 E3 E7 W15", 10},
    // Supported outposts in the opponent's half: a man there with its two
    // backers cannot be exchanged off cheaply.
    {"W15 W18 W19", 8, BEFORE_PRE_FINAL},
    {"W14 W17 W18", 6, BEFORE_PRE_FINAL},
    {"W15 W19 W23", 5, BEFORE_PRE_FINAL},
    {"W14 W18 W22", 5, BEFORE_PRE_FINAL},
    {"W16 W19 W20", 4, BEFORE_PRE_FINAL},
    {"W13 W17", 3, BEFORE_PRE_FINAL},
    // An opponent's man run ahead on our edge and shut in: a3 held by b2
    // with c1 behind it, b4 held by a3 and c3 with d2 behind.
    {"B21 W25 O30", 10},
    {"B17 W21 W22 O26", 10},
    // Open files in front of an advanced man of ours once the board thins.
    {"E3 E7 E11 W15", 8, MIDDLE_AND_PRE_FINAL},
    {"E2 E6 E10 W14", 8, MIDDLE_AND_PRE_FINAL},
    {"E4 E8 E12 W16", 8, MIDDLE_AND_PRE_FINAL},
    {"E4 E7 E8 W11", 6, MIDDLE_AND_PRE_FINAL},
    // With the move the side can use a bind at once before it is undone.
    {"W13 B9 B6 E2", 5, BEFORE_PRE_FINAL, ToMove::WHITE_MOVES},
    {"B21 W25 O30 W26", 5, ALL_PHASES, ToMove::WHITE_MOVES},
    {"B17 W21 W22 O26", 5, ALL_PHASES, ToMove::WHITE_MOVES},
    {"W14 E1 E9 E10", 5, BEFORE_PRE_FINAL, ToMove::WHITE_MOVES},
    {"W15 E10 E11 W19", 5, BEFORE_PRE_FINAL, ToMove::WHITE_MOVES},
}};

// White's formations and their mirror images for Black, in one table.
constexpr std::array<Formation, 2 * BACK_RANK_TEXT.size()> both_colours() {
    const auto white = compile_formations(BACK_RANK_TEXT);
    const auto black = mirror_formations(BACK_RANK_TEXT);
    std::array<Formation, 2 * BACK_RANK_TEXT.size()> all{};
    for (std::size_t i = 0; i < BACK_RANK_TEXT.size(); ++i) {
        all[i] = white[i];
        all[BACK_RANK_TEXT.size() + i] = black[i];
    }
    return all;
}

constexpr auto BACK_RANK = both_colours();
constexpr auto BACK_RANK_INDEX = make_formation_index(BACK_RANK);

using Amounts = std::array<std::int32_t, BACK_RANK.size()>;

// The amount of each formation for every root phase and side to move, and
// the formations whose conditions allow them there: the leaf tests only the
// squares, and adds only what can count.
struct PhaseAmounts {
    Amounts amounts{};
    FormationSet counted;
};

constexpr std::array<std::array<PhaseAmounts, 2>, 4> make_amounts() {
    std::array<std::array<PhaseAmounts, 2>, 4> out{};
    for (int phase = 0; phase < 4; ++phase)
        for (int wtm = 0; wtm < 2; ++wtm)
            for (std::size_t i = 0; i < BACK_RANK.size(); ++i)
                if (conditions_match(BACK_RANK[i], phase, wtm == 1) && BACK_RANK[i].amount != 0) {
                    out[phase][wtm].amounts[i] = BACK_RANK[i].amount;
                    out[phase][wtm].counted.add(i);
                }
    return out;
}

constexpr auto AMOUNTS = make_amounts();

} // namespace

int back_rank_structure(const PatternBoard& pb, int side) {
    const bool wtm = white_to_move(pb.ply, side);
    const PhaseAmounts& phase = AMOUNTS[pb.root_phase][wtm ? 1 : 0];
    int sum =
        sum_over(matching_formations(BACK_RANK_INDEX, pb.board) & phase.counted, phase.amounts);
    sum = std::clamp(sum, -45, 45);
    return side != WHITE ? -sum : sum;
}

} // namespace selvako
