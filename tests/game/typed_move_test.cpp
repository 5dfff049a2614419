#include <gtest/gtest.h>

#include <string>

#include "game/typed_move.h"
#include "tests/game/game_fixture.h"

namespace selvako {
namespace {

struct Typed : testing::TwoPlayerGame {
    using TwoPlayerGame::TwoPlayerGame;
    EngineState& work = engine;

    TypedMoveResult match(const std::string& text) {
        const auto typed = parse_typed_move(text);
        if (!typed) return {};
        return match_typed_move(*typed, game.damier_affiche, game.trait(), work);
    }

    // Enters the move through the move input as the command line does.
    InputResult enter(const PieceMove& move) {
        InputResult r;
        for (int guard = 0; guard <= MAX_CAPTURED + 1; ++guard) {
            r = clic_case(input, game, work, clocks, next_click(move, input));
            if (r.outcome == InputOutcome::move_played || input.piece_prise == 0) break;
        }
        return r;
    }
};

TEST(TypedMove, ReadsNamesNumbersAndPaths) {
    const auto plain = parse_typed_move("c3-d4");
    ASSERT_TRUE(plain);
    EXPECT_EQ(plain->squares, (std::vector<Square>{22, 18}));
    EXPECT_FALSE(plain->capture);
    const auto numbers = parse_typed_move("10-14"); // PDN numbers, 1 = a1
    ASSERT_TRUE(numbers);
    EXPECT_EQ(numbers->squares, plain->squares);
    const auto path = parse_typed_move("A1xC3xE5");
    ASSERT_TRUE(path);
    EXPECT_EQ(path->squares, (std::vector<Square>{29, 22, 15}));
    EXPECT_TRUE(path->capture);

    for (const char* bad : {"", "c3", "c3-", "c3-d4-e5", "c3-d4xe5", "c3xd4-e5", "c3--d4", "i3-d4",
                            "d3-e4", "33-18", "c3 d4", "quit"})
        EXPECT_FALSE(parse_typed_move(bad)) << bad;
}

TEST(TypedMove, OnlyLegalMovesOfTheSideToMoveFit) {
    Typed t;
    const TypedMoveResult r = t.match("c3-d4");
    ASSERT_EQ(r.match, TypedMoveMatch::one);
    EXPECT_EQ(r.move.move.from, 22);
    EXPECT_EQ(r.move.move.to, 18);
    for (const char* bad : {"c3xd4", "c3-e5", "a1-b2", "f6-e5", "d4-e5"})
        EXPECT_EQ(t.match(bad).match, TypedMoveMatch::none) << bad;
}

TEST(TypedMove, OnlyTheLongestCaptureIsLegal) {
    // e1xg3 takes one man, c3xe5xc7 two: the plain moves and the shorter
    // capture are refused.
    Typed t("W:Wc3,e1:Bd4,d6,f2");
    EXPECT_EQ(t.match("e1xg3").match, TypedMoveMatch::none);
    EXPECT_EQ(t.match("e1-d2").match, TypedMoveMatch::none);
    EXPECT_EQ(t.match("c3-b4").match, TypedMoveMatch::none);
    EXPECT_EQ(t.match("c3xe5").match, TypedMoveMatch::none); // stops half way
    const TypedMoveResult r = t.match("c3xc7");
    ASSERT_EQ(r.match, TypedMoveMatch::one);
    EXPECT_EQ(r.move.move.taken, 2);
    EXPECT_EQ(t.match("10x19x26").move.move.to, 6);
}

TEST(TypedMove, PathsWithTheSameEndsNeedEveryLanding) {
    // e3 takes the four men round it either way and comes back to e3.
    Typed t("W:We3:Bd4,d6,f4,f6");
    EXPECT_EQ(t.match("e3xe3").match, TypedMoveMatch::ambiguous);
    EXPECT_EQ(t.match("e3xc5xe3").match, TypedMoveMatch::none);
    const TypedMoveResult left = t.match("e3xc5xe7xg5xe3");
    const TypedMoveResult right = t.match("e3xg5xe7xc5xe3");
    ASSERT_EQ(left.match, TypedMoveMatch::one);
    ASSERT_EQ(right.match, TypedMoveMatch::one);
    EXPECT_EQ(left.move.landings[0], 14);
    EXPECT_EQ(right.move.landings[0], 16);
}

TEST(TypedMove, ClicksEnterExactlyTheMoveTyped) {
    // A path that parts after a forced landing, and one that ends where it
    // began: the clicks must neither stop short nor put the piece back.
    const struct {
        const char* fen;
        const char* text;
    } cases[] = {
        {"W:Wc1:Bd2,f4,f6,d4,b6", "c1xa7"},
        {"W:Wc1:Bd2,f4,f6,d4,b6", "c1xe7"},
        {"W:We3:Bd4,d6,f4,f6", "e3xg5xe7xc5xe3"},
        {"W:We3:Bd4,d6,f4,f6", "e3xc5xe7xg5xe3"},
        {"", "c3-d4"},
        {"", "a3-b4"},
    };
    for (const auto& c : cases) {
        Typed t(c.fen);
        const TypedMoveResult r = t.match(c.text);
        ASSERT_EQ(r.match, TypedMoveMatch::one) << c.text;
        const InputResult played = t.enter(r.move);
        ASSERT_EQ(played.outcome, InputOutcome::move_played) << c.text;
        EXPECT_EQ(played.played.move.from, r.move.move.from) << c.text;
        EXPECT_EQ(played.played.move.to, r.move.move.to) << c.text;
        EXPECT_EQ(played.played.landings, r.move.landings) << c.text;
        EXPECT_EQ(t.game.num_demi_coup, 1) << c.text;
    }
}

} // namespace
} // namespace selvako
