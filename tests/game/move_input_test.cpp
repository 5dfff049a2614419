#include <gtest/gtest.h>

#include "tests/game/game_fixture.h"

namespace selvako {
namespace {

using testing::TwoPlayerGame;

TEST(MoveInput, ManWithOneMoveMovesWithOneClick) {
    TwoPlayerGame t;
    const InputResult r = t.click(21); // a3 can only go to b4
    ASSERT_EQ(r.outcome, InputOutcome::move_played);
    EXPECT_EQ(t.game.damier_affiche[21], EMPTY);
    EXPECT_EQ(t.game.damier_affiche[17], WHITE_MAN);
    EXPECT_EQ(t.game.trait(), BLACK);
    EXPECT_EQ(t.game.liste_coups.lines, std::vector<std::string>{" 1.a3-b4 "});
    EXPECT_EQ(t.input.piece_prise, 0);
}

// A click that may not play at once (made before the opponent's move was
// shown) only picks the piece up, for a single move and a forced capture alike.
TEST(MoveInput, HeldClickPicksUpAndWaitsForTheFinalSquare) {
    TwoPlayerGame t;
    ASSERT_EQ(clic_case(t.input, t.game, t.engine, t.clocks, 21, false).outcome,
              InputOutcome::picked_up);
    EXPECT_EQ(t.game.num_demi_coup, 0);
    EXPECT_EQ(t.input.frames[17], FRAME_MAGENTA);
    ASSERT_EQ(t.click(17).outcome, InputOutcome::move_played);
    EXPECT_EQ(t.game.damier_affiche[17], WHITE_MAN);

    TwoPlayerGame c("W:Wc3:Bd4,d6"); // c3xe5xc7, one path
    ASSERT_EQ(clic_case(c.input, c.game, c.engine, c.clocks, 22, false).outcome,
              InputOutcome::picked_up);
    EXPECT_EQ(c.game.num_demi_coup, 0);
    EXPECT_EQ(c.input.frames[6], FRAME_MAGENTA);
    // Neither the landing on the way nor another square completes it.
    EXPECT_EQ(c.click(15).outcome, InputOutcome::waiting);
    EXPECT_EQ(c.click(9).outcome, InputOutcome::waiting);
    EXPECT_EQ(c.game.num_demi_coup, 0);
    const InputResult r = c.click(6);
    ASSERT_EQ(r.outcome, InputOutcome::move_played);
    EXPECT_EQ(r.played.move.taken, 2);
    EXPECT_EQ(c.game.damier_affiche[6], WHITE_MAN);

    TwoPlayerGame back("W:Wc3:Bd4");
    clic_case(back.input, back.game, back.engine, back.clocks, 22, false);
    EXPECT_EQ(back.click(22).outcome, InputOutcome::put_back);
    for (int s = 1; s <= 32; ++s) EXPECT_EQ(back.input.frames[s], FRAME_NONE) << s;
}

TEST(MoveInput, PickUpFramesChoicesAndSecondClickPutsBack) {
    TwoPlayerGame t;
    ASSERT_EQ(t.click(22).outcome, InputOutcome::picked_up); // c3: b4 or d4
    EXPECT_EQ(t.input.frames[22], FRAME_RED);
    EXPECT_EQ(t.input.frames[17], FRAME_MAGENTA);
    EXPECT_EQ(t.input.frames[18], FRAME_MAGENTA);
    EXPECT_EQ(t.click(14).outcome, InputOutcome::ignored); // not offered

    EXPECT_EQ(t.click(22).outcome, InputOutcome::put_back);
    EXPECT_EQ(t.input.piece_prise, 0);
    for (int s = 1; s <= 32; ++s) EXPECT_EQ(t.input.frames[s], FRAME_NONE) << s;
    EXPECT_EQ(t.game.num_demi_coup, 0);

    t.click(22);
    ASSERT_EQ(t.click(18).outcome, InputOutcome::move_played);
    EXPECT_EQ(t.game.damier_affiche[18], WHITE_MAN);
}

TEST(MoveInput, EnemyEmptyAndBlockedPiecesAreIgnored) {
    TwoPlayerGame t;
    EXPECT_EQ(t.click(9).outcome, InputOutcome::ignored);  // a black man, White to move
    EXPECT_EQ(t.click(17).outcome, InputOutcome::ignored); // empty
    EXPECT_EQ(t.click(29).outcome, InputOutcome::ignored); // a1 has no move
    // A capture elsewhere is obligatory: the other men cannot be picked up.
    TwoPlayerGame c("W:Wc3,e1:Bd4");
    EXPECT_EQ(c.click(31).outcome, InputOutcome::ignored);
    EXPECT_TRUE(c.input.capture_notice);
}

TEST(MoveInput, SinglePathCaptureCompletesOnTheFirstClick) {
    TwoPlayerGame t("W:Wc3:Bd4,d6");
    const InputResult r = t.click(22); // c3xe5xc7
    ASSERT_EQ(r.outcome, InputOutcome::move_played);
    EXPECT_EQ(r.played.move.taken, 2);
    EXPECT_EQ(t.game.damier_affiche[18], EMPTY);
    EXPECT_EQ(t.game.damier_affiche[10], EMPTY);
    EXPECT_EQ(t.game.damier_affiche[6], WHITE_MAN);
    EXPECT_EQ(t.game.liste_coups.lines[0], " 1.c3xc7 ");
}

// c1xe3 is forced; then the paths part: over f4 to g5 and f6 to e7, or over
// d4 to c5 and b6 to a7.
constexpr const char* PARTING = "W:Wc1:Bd2,f4,f6,d4,b6";

TEST(MoveInput, PartingPathsFrameNextLandingsBlueAndFinalsMagenta) {
    TwoPlayerGame t(PARTING);
    ASSERT_EQ(t.click(30).outcome, InputOutcome::picked_up);
    EXPECT_EQ(t.input.nb_clics, 1);
    EXPECT_EQ(t.input.chemin_clics[1], 23);
    EXPECT_EQ(t.input.frames[16], FRAME_BLUE);
    EXPECT_EQ(t.input.frames[14], FRAME_BLUE);
    EXPECT_EQ(t.input.frames[7], FRAME_MAGENTA);
    EXPECT_EQ(t.input.frames[5], FRAME_MAGENTA);
    EXPECT_EQ(t.input.marques[7], MARK_FINAL);

    const InputResult r = t.click(5); // the final square, clicked directly
    ASSERT_EQ(r.outcome, InputOutcome::move_played);
    EXPECT_EQ(t.game.damier_affiche[5], WHITE_MAN);
    for (Square s : {26, 18, 9}) EXPECT_EQ(t.game.damier_affiche[s], EMPTY) << int(s);
    for (Square s : {19, 11}) EXPECT_EQ(t.game.damier_affiche[s], BLACK_MAN) << int(s);
}

TEST(MoveInput, ClickingWhereThePathsPartFinishesTheForcedRest) {
    TwoPlayerGame t(PARTING);
    t.click(30);
    const InputResult r = t.click(16); // g5: the rest over f6 is forced
    ASSERT_EQ(r.outcome, InputOutcome::move_played);
    EXPECT_EQ(r.played.move.to, 7);
    for (Square s : {26, 19, 11}) EXPECT_EQ(t.game.damier_affiche[s], EMPTY) << int(s);
}

TEST(MoveInput, EqualFinalSquaresAreNotOfferedDirectly) {
    // e3 takes the four men round it either way and comes back to e3.
    TwoPlayerGame t("W:We3:Bd4,d6,f4,f6");
    ASSERT_EQ(t.click(23).outcome, InputOutcome::picked_up);
    EXPECT_EQ(t.input.obligatory, 4);
    EXPECT_EQ(t.input.frames[14], FRAME_BLUE);
    EXPECT_EQ(t.input.frames[16], FRAME_BLUE);
    EXPECT_NE(t.input.marques[23], MARK_FINAL);
    for (int s = 1; s <= 32; ++s) EXPECT_NE(t.input.frames[s], FRAME_MAGENTA) << s;
    const InputResult r = t.click(14); // where the paths part; the rest is forced
    ASSERT_EQ(r.outcome, InputOutcome::move_played);
    EXPECT_EQ(r.played.landings[1], 7);
    EXPECT_EQ(t.game.damier_affiche[23], WHITE_MAN);
    for (Square s : {18, 10, 11, 19}) EXPECT_EQ(t.game.damier_affiche[s], EMPTY) << int(s);
}

TEST(MoveInput, PromotionOnlyWhereTheMoveEnds) {
    // f6xd8xb6 passes through d8 (square 2) and ends on b6: still a man.
    TwoPlayerGame through("W:Wf6:Be7,c7");
    ASSERT_EQ(through.click(11).outcome, InputOutcome::move_played);
    EXPECT_EQ(through.game.damier_affiche[9], WHITE_MAN);

    TwoPlayerGame ends("W:Wd6:Be7"); // d6xf8
    ASSERT_EQ(ends.click(10).outcome, InputOutcome::move_played);
    EXPECT_EQ(ends.game.damier_affiche[3], WHITE_KING);
}

TEST(MoveInput, GameBetweenHumansEndsWhenTheSideToMoveIsStuck) {
    TwoPlayerGame t("W:Wc3:Bd4");
    t.click(22);
    EXPECT_EQ(fin_entre_humains(t.game, t.engine), GameEnd::no_moves);
    EXPECT_EQ(game_end_outcome(GameEnd::no_moves, t.game.trait()), Outcome::white_won);
}

TEST(MoveInput, RecordEndsDrawnAtTheLastPlyAGameFileKeepsWhole) {
    // Two kings walk to and fro until the record is full.
    TwoPlayerGame t("W:WKa1:BKh6");
    auto shuffle = [](int ply) {
        const bool white = ply % 2 == 0;
        const bool out = ply % 4 < 2;
        Move m;
        m.from = white ? (out ? 29 : 25) : (out ? 12 : 16);
        m.to = white ? (out ? 25 : 29) : (out ? 16 : 12);
        return m;
    };
    for (int ply = 0; ply < LAST_GAME_PLY - 1; ++ply)
        ASSERT_TRUE(jouer_coup(t.game, t.engine, t.clocks, shuffle(ply)));
    ASSERT_EQ(t.game.num_demi_coup, LAST_GAME_PLY - 1);
    EXPECT_EQ(fin_entre_humains(t.game, t.engine), GameEnd::none);
    t.play(16, 12);
    EXPECT_EQ(t.game.num_demi_coup, LAST_GAME_PLY);
    EXPECT_EQ(fin_entre_humains(t.game, t.engine), GameEnd::record_full);
    EXPECT_EQ(t.click(25).outcome, InputOutcome::ignored);
    EXPECT_EQ(t.game.liste_coups.lines.size(), 126u);

    // No other path writes past it either: the record and the list stay as they are.
    const FicheCoup last = t.game.historique[LAST_GAME_PLY];
    const FicheCoup after = t.game.historique[LAST_GAME_PLY + 1];
    EXPECT_FALSE(jouer_coup(t.game, t.engine, t.clocks, shuffle(LAST_GAME_PLY)));
    EXPECT_EQ(t.game.num_demi_coup, LAST_GAME_PLY);
    EXPECT_EQ(t.game.longueur_partie, LAST_GAME_PLY);
    EXPECT_EQ(t.game.historique[LAST_GAME_PLY].board, last.board);
    EXPECT_EQ(t.game.historique[LAST_GAME_PLY + 1].board, after.board);
    EXPECT_EQ(t.game.liste_coups.lines.size(), 126u);
}

} // namespace
} // namespace selvako
