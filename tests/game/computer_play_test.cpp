#include <gtest/gtest.h>

#include "game/computer_play.h"

using namespace selvako;

TEST(BeginnerHandicap, OnlyAtNeophyteAheadWithAChoiceAfterASearch) {
    EXPECT_TRUE(handicap_debutant(0, 8, 7, 2, true));
    EXPECT_FALSE(handicap_debutant(1, 8, 7, 2, true));  // "1 : Débutant" plays its best
    EXPECT_FALSE(handicap_debutant(0, 7, 7, 2, true));  // level material
    EXPECT_FALSE(handicap_debutant(0, 8, 7, 1, true));  // a single move
    EXPECT_FALSE(handicap_debutant(0, 8, 7, 5, false)); // a repertoire or forced answer
}

TEST(Pondering, OncePerTurnWhenNothingForbidsIt) {
    PonderingInput in;
    in.option_checked = true;
    EXPECT_TRUE(may_ponder(in));
    for (auto forbid : {+[](PonderingInput& p) { p.option_checked = false; },
                        +[](PonderingInput& p) { p.editor_active = true; },
                        +[](PonderingInput& p) { p.sans_reflexion = 1; },
                        +[](PonderingInput& p) { p.analyse_en_cours = true; },
                        +[](PonderingInput& p) { p.already_this_turn = true; }}) {
        PonderingInput p = in;
        forbid(p);
        EXPECT_FALSE(may_ponder(p));
    }
}
