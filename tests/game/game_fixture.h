#pragma once
// A game between two humans set up from a position string, as the window
// would hold it, for the record, input and file tests.

#include <gtest/gtest.h>

#include <string>

#include "engine/fen.h"
#include "game/game_record.h"
#include "game/move_input.h"
#include "game/time_source.h"

namespace selvako::testing {

struct TwoPlayerGame {
    EngineState engine; // the move generator's workspace
    ManualTimeSource time;
    GameClocks clocks{time};
    GameState game;
    MoveInput input;

    explicit TwoPlayerGame(const std::string& fen = "") {
        engine.allocate_move_lists();
        nouvelle_partie(game, clocks);
        if (fen.empty()) return;
        const FenResult parsed = parse_fen(fen);
        EXPECT_TRUE(parsed.position) << parsed.error;
        game.damier_affiche = parsed.position->board;
        game.set_trait(static_cast<std::uint8_t>(parsed.position->side_to_move));
        nouveau_releve(game, clocks);
    }

    InputResult click(Square s) { return clic_case(input, game, engine, clocks, s); }

    // Plays a legal move given by its two squares through clicks on them.
    void play(Square from, Square to) {
        InputResult r = click(from);
        if (r.outcome != InputOutcome::move_played) r = click(to);
        ASSERT_EQ(r.outcome, InputOutcome::move_played) << int(from) << '-' << int(to);
        ASSERT_EQ(r.played.move.to, to);
    }
};

} // namespace selvako::testing
