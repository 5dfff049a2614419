#include <gtest/gtest.h>

#include "tests/game/game_fixture.h"

namespace selvako {
namespace {

using testing::TwoPlayerGame;

// c3-d4, f6-e5, d4xf6 (forced), g7xe5 (forced), ...
void play_opening(TwoPlayerGame& t, int plies) {
    const Square moves[][2] = {{22, 18}, {11, 15}, {18, 11}, {8, 15}, {21, 17}, {12, 16}, {17, 13}};
    for (int k = 0; k < plies; ++k) t.play(moves[k][0], moves[k][1]);
}

TEST(GameRecord, RecordsAndListsEachPly) {
    TwoPlayerGame t;
    play_opening(t, 3);
    EXPECT_EQ(t.game.num_demi_coup, 3);
    EXPECT_EQ(t.game.longueur_partie, 3);
    EXPECT_EQ(t.game.liste_coups.lines, (std::vector<std::string>{" 1.c3-d4 f6-e5", " 2.d4xf6 "}));
    EXPECT_EQ(t.game.liste_coups.selected, 1);
    const FicheCoup& third = t.game.historique[3];
    EXPECT_EQ(third.from, 18);
    EXPECT_EQ(third.to, 11);
    EXPECT_EQ(third.taken, 1);
    EXPECT_EQ(third.board[15], EMPTY);
    EXPECT_EQ(third.board[0], SENTINEL);
    EXPECT_EQ(name_text(third.nom_noir), "Selvako");
}

TEST(GameRecord, MovePlayedAfterSteppingBackDropsTheRest) {
    TwoPlayerGame t;
    play_opening(t, 3);
    reprise(t.game, t.clocks);
    reprise(t.game, t.clocks);
    EXPECT_EQ(t.game.num_demi_coup, 1);
    EXPECT_EQ(t.game.trait(), BLACK);
    EXPECT_EQ(t.game.damier_affiche, t.game.historique[1].board);
    t.play(9, 13); // b6-a5
    EXPECT_EQ(t.game.longueur_partie, 2);
    EXPECT_EQ(t.game.liste_coups.lines, std::vector<std::string>{" 1.c3-d4 b6-a5"});
    // The dropped ply is gone from the record too, for whatever reads it later.
    EXPECT_EQ(t.game.historique[3].from, 0);
    EXPECT_EQ(t.game.historique[3].to, 0);
    EXPECT_EQ(t.game.historique[3].board[18], EMPTY);
}

TEST(GameRecord, MoveListHighlightFollowsEveryJump) {
    TwoPlayerGame t;
    play_opening(t, 5);
    ASSERT_EQ(t.game.liste_coups.selected, 2);
    revenir_debut(t.game, t.clocks);
    EXPECT_EQ(t.game.liste_coups.selected, -1);
    Aller_fin(t.game, t.clocks);
    EXPECT_EQ(t.game.liste_coups.selected, 2); // ply 5 is White's move of line 2
    reprise(t.game, t.clocks);
    EXPECT_EQ(t.game.liste_coups.selected, 1); // ply 4
    reprise(t.game, t.clocks);
    EXPECT_EQ(t.game.liste_coups.selected, 1); // ply 3, White's move of line 1
    reprise(t.game, t.clocks);
    EXPECT_EQ(t.game.liste_coups.selected, 0);
    avancer(t.game, t.clocks);
    EXPECT_EQ(t.game.liste_coups.selected, 1);
}

TEST(GameRecord, StepsBackAndForthWithinTheRecord) {
    TwoPlayerGame t;
    EXPECT_FALSE(reprise(t.game, t.clocks));
    play_opening(t, 5);
    EXPECT_FALSE(avancer(t.game, t.clocks));

    // A double click on line 0 at ply 5 keeps the parity: ply 1.
    revenir_n(t.game, t.clocks, 0);
    EXPECT_EQ(t.game.num_demi_coup, 1);
    EXPECT_EQ(t.game.trait(), BLACK); // the side to move of the ply on show
    EXPECT_EQ(t.game.longueur_partie, 5);

    ASSERT_TRUE(avancer(t.game, t.clocks));
    EXPECT_EQ(t.game.num_demi_coup, 2);
    EXPECT_EQ(t.game.trait(), WHITE);
    EXPECT_EQ(t.game.damier_affiche, t.game.historique[2].board);

    ASSERT_TRUE(Aller_fin(t.game, t.clocks));
    EXPECT_EQ(t.game.num_demi_coup, 5);
    EXPECT_EQ(t.game.trait(), BLACK);

    t.clocks.restore(65, 0);
    t.game.historique[0].temps_blanc = 12;
    ASSERT_TRUE(revenir_debut(t.game, t.clocks));
    EXPECT_EQ(t.game.num_demi_coup, 0);
    EXPECT_EQ(t.game.trait(), WHITE);
    EXPECT_EQ(t.clocks.temps_blanc(), 0);
    EXPECT_EQ(t.clocks.temps_noir(), 0);
    EXPECT_EQ(t.game.damier_affiche, start_position());
}

// Set up with Black to move: b6-a5, c3-d4, h6-g5. Line 0 holds Black's
// first move only, so a double click on it from White's turn shows ply 0,
// where Black is to move: White's c3-d4 is no move there.
TEST(GameRecord, BlackFirstLineZeroShowsTheStartWithBlackToMove) {
    TwoPlayerGame t("B:W1-12:B21-32");
    t.play(9, 13);
    t.play(22, 18);
    t.play(12, 16);
    ASSERT_EQ(t.game.liste_coups.lines.size(), 2u);
    ASSERT_TRUE(revenir_n(t.game, t.clocks, 0));
    EXPECT_EQ(t.game.num_demi_coup, 0);
    EXPECT_EQ(t.game.trait(), BLACK);
    EXPECT_EQ(t.game.damier_affiche, t.game.historique[0].board);
    EXPECT_NE(t.click(22).outcome, InputOutcome::move_played);
    EXPECT_NE(t.click(18).outcome, InputOutcome::move_played);
    EXPECT_EQ(t.game.num_demi_coup, 0);
    // Black's own first move is there to be played again.
    t.play(10, 14);
    EXPECT_EQ(t.game.longueur_partie, 1);
}

TEST(GameRecord, NavigationKeepsTheNamesNowShown) {
    TwoPlayerGame t;
    play_opening(t, 2);
    t.game.nom_blanc = make_name("Anne-Marie Duchemin-Lefebvre");
    reprise(t.game, t.clocks);
    EXPECT_EQ(name_text(t.game.nom_blanc), "Anne-Marie Duchemin");
    EXPECT_EQ(name_text(t.game.historique[1].nom_blanc), "Anne-Marie Duchemin");
}

TEST(GameRecord, NewGameEmptiesTheRecord) {
    TwoPlayerGame t;
    play_opening(t, 4);
    nouvelle_partie(t.game, t.clocks);
    EXPECT_EQ(t.game.num_demi_coup, 0);
    EXPECT_EQ(t.game.longueur_partie, 0);
    EXPECT_TRUE(t.game.liste_coups.lines.empty());
    EXPECT_EQ(t.game.historique[0].board, start_position());
    EXPECT_EQ(t.game.historique[0].from, 0);
    for (int ply = 1; ply <= 4; ++ply) {
        EXPECT_EQ(t.game.historique[ply].from, 0) << ply;
        EXPECT_EQ(t.game.historique[ply].board[0], SENTINEL) << ply;
    }
}

} // namespace
} // namespace selvako
