#pragma once
// A game played from typed moves, for the tests of the file formats that
// write and read the record.

#include <gtest/gtest.h>

#include <string>

#include "engine/move_generation.h"
#include "game/game_import.h"
#include "game/typed_move.h"
#include "tests/game/game_fixture.h"

namespace selvako::testing {

struct Record : TwoPlayerGame {
    using TwoPlayerGame::TwoPlayerGame;

    void play(const std::string& text) {
        const auto typed = parse_typed_move(text);
        ASSERT_TRUE(typed) << text;
        const TypedMoveResult r =
            match_typed_move(*typed, game.damier_affiche, game.trait(), engine);
        ASSERT_EQ(r.match, TypedMoveMatch::one) << text;
        ASSERT_TRUE(jouer_coup(game, engine, clocks, r.move.move));
    }

    // Each side plays its first legal move, `plies` times.
    void play_first_moves(int plies) {
        for (int ply = 0; ply < plies; ++ply) {
            engine.set_position(game.damier_affiche);
            ASSERT_GT(generate_root_moves(engine, game.trait()), 0);
            ASSERT_TRUE(jouer_coup(game, engine, clocks, engine.list(1)[0]));
        }
    }

    PlayedGame played() const { return played_game(game); }
};

// Every ply's move and position of two records, to the longer one's length.
inline void expect_same_game(const GameState& got, const GameState& want) {
    ASSERT_EQ(got.longueur_partie, want.longueur_partie);
    for (int p = 0; p <= want.longueur_partie; ++p) {
        EXPECT_EQ(got.historique[p].from, want.historique[p].from) << "ply " << p;
        EXPECT_EQ(got.historique[p].to, want.historique[p].to) << "ply " << p;
        EXPECT_EQ(got.historique[p].board, want.historique[p].board) << "ply " << p;
    }
    EXPECT_EQ(got.liste_coups.lines, want.liste_coups.lines);
    EXPECT_EQ(got.damier_affiche, want.damier_affiche);
    EXPECT_EQ(got.trait(), want.trait());
}

} // namespace selvako::testing
