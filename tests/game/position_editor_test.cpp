// The position set-up editor driven through the game controller, without a
// window: placing pieces, the set-up buttons, pasted positions, and the game
// that continues from the position set up.

#include <gtest/gtest.h>

#include "engine/fen.h"
#include "engine/move_generation.h"
#include "game/game_controller.h"
#include "game/time_source_search_clock.h"
#include "tests/engine/temp_folder.h"

using namespace selvako;

namespace {

Square sq(std::string_view name) {
    const Square s = parse_square(name);
    EXPECT_NE(s, 0) << name;
    return s;
}

struct CountingObserver : GameObserver {
    std::vector<Move> computer_moves;
    void move_played(const BoardArray&, const Move& move, const std::vector<Square>&,
                     bool by_computer) override {
        if (by_computer) computer_moves.push_back(move);
    }
};

class PositionEditorTest : public ::testing::Test {
  protected:
    PositionEditorTest()
        : search_clock(time), engine(search_clock, 7),
          controller(engine, time, view, {dir.path() / "points.dat"}) {
        engine.load({SELVAKO_TEST_DATA_DIR, {}});
        controller.command(command::StartUp{});
        GameOptions quiet = controller.options();
        quiet.reflexion_sur_temps_adverse = false;
        controller.command(command::SetOptions{quiet});
        controller.command(command::SetLevel{LEVEL_ITEMS[1].parameters});
    }

    const GameState& game() const { return controller.game(); }
    EditorRefusal refusal() const { return controller.editor().refusal; }

    void click(Square s) {
        controller.command(command::SquareClicked{s});
        controller.boucle_jeu();
    }
    void place(std::uint8_t piece, Square s) {
        controller.command(command::ChoosePiece{piece});
        click(s);
    }
    // The human's side plays its first legal move by clicks on its squares.
    void play_first_legal_move() {
        EngineState work;
        work.set_position(game().damier_affiche);
        ASSERT_GT(generate_root_moves(work, game().trait()), 0);
        const Move move = work.list(1)[0];
        const int before = game().num_demi_coup;
        click(move.from);
        if (game().num_demi_coup == before) click(move.to);
        ASSERT_EQ(game().num_demi_coup, before + 1);
    }
    int pieces(bool white) const {
        int n = 0;
        for (Square s = 1; s <= NUM_SQUARES; ++s)
            n += (white ? is_white_piece(game().damier_affiche[s])
                        : is_black_piece(game().damier_affiche[s]))
                     ? 1
                     : 0;
        return n;
    }

    selvako::testing::TempFolder dir;
    ManualTimeSource time{1'000'000};
    TimeSourceSearchClock search_clock;
    CountingObserver view;
    Engine engine;
    GameController controller;
};

TEST_F(PositionEditorTest, EmptyBoardStaysEmptyAfterLeavingSetUp) {
    controller.command(command::SetUpMode{true});
    ASSERT_EQ(game().mode_edition, 1);
    controller.command(command::EmptyBoard{});
    controller.command(command::SetUpMode{false});
    EXPECT_EQ(game().mode_edition, 0);
    EXPECT_EQ(pieces(true), 0);
    EXPECT_EQ(pieces(false), 0);
    EXPECT_EQ(game().historique[0].board, game().damier_affiche);
    EXPECT_EQ(game().damier_affiche[0], SENTINEL);
}

// A set-up position is no game from the start: the repertoires, which would
// propose their first moves in it, are switched off and stay off.
TEST_F(PositionEditorTest, SettingUpAPositionSwitchesTheRepertoiresOff) {
    ASSERT_TRUE(controller.options().repertoire);
    controller.command(command::SetUpMode{true});
    EXPECT_FALSE(controller.options().repertoire);
    controller.command(command::SetUpMode{false});
    EXPECT_FALSE(controller.options().repertoire);
}

TEST_F(PositionEditorTest, ClicksPlaceTheChosenPieceOnlyOnPlayableSquares) {
    controller.command(command::SetUpMode{true});
    controller.command(command::EmptyBoard{});
    place(WHITE_KING, sq("d4"));
    place(BLACK_MAN, sq("e7"));
    place(WHITE_MAN, sq("c3"));
    EXPECT_EQ(game().damier_affiche[sq("d4")], WHITE_KING);
    EXPECT_EQ(game().damier_affiche[sq("e7")], BLACK_MAN);
    EXPECT_EQ(game().damier_affiche[sq("c3")], WHITE_MAN);
    // The record's ply 0 follows every piece put down.
    EXPECT_EQ(game().historique[0].board[sq("c3")], WHITE_MAN);
    place(EMPTY, sq("c3"));
    EXPECT_EQ(game().damier_affiche[sq("c3")], EMPTY);

    // Off the board (what the view sends for a light square) nothing changes.
    const BoardArray before = game().damier_affiche;
    place(BLACK_KING, 0);
    place(BLACK_KING, NUM_SQUARES + 1);
    EXPECT_EQ(game().damier_affiche, before);

    // Outside set-up mode a click is a move attempt again, not a placement.
    controller.command(command::SetUpMode{false});
    controller.command(command::ChoosePiece{BLACK_KING});
    click(sq("a5"));
    EXPECT_EQ(game().damier_affiche[sq("a5")], EMPTY);
}

TEST_F(PositionEditorTest, ThirteenthPieceOfASideIsRefused) {
    controller.command(command::SetUpMode{true});
    controller.command(command::FillBoard{});
    ASSERT_EQ(pieces(true), 12);
    place(WHITE_MAN, sq("d4"));
    EXPECT_EQ(refusal(), EditorRefusal::too_many_pieces);
    EXPECT_EQ(game().damier_affiche[sq("d4")], EMPTY);
    place(BLACK_KING, sq("e5"));
    EXPECT_EQ(refusal(), EditorRefusal::too_many_pieces);
    EXPECT_EQ(pieces(false), 12);
    // Replacing a piece of a full side keeps the count: allowed, and the
    // refusal notice goes.
    place(WHITE_KING, sq("c3"));
    EXPECT_EQ(refusal(), EditorRefusal::none);
    EXPECT_EQ(game().damier_affiche[sq("c3")], WHITE_KING);
    // Once a white piece is gone a black one still may not come in its place.
    place(EMPTY, sq("c3"));
    place(BLACK_MAN, sq("c3"));
    EXPECT_EQ(refusal(), EditorRefusal::too_many_pieces);
    place(WHITE_MAN, sq("d4"));
    EXPECT_EQ(refusal(), EditorRefusal::none);
    EXPECT_EQ(pieces(true), 12);
}

TEST_F(PositionEditorTest, ManOnItsOwnPromotionRowIsRefusedKingIsNot) {
    controller.command(command::SetUpMode{true});
    controller.command(command::EmptyBoard{});
    place(WHITE_MAN, sq("b8"));
    EXPECT_EQ(refusal(), EditorRefusal::man_on_promotion_row);
    EXPECT_EQ(game().damier_affiche[sq("b8")], EMPTY);
    place(BLACK_MAN, sq("g1"));
    EXPECT_EQ(refusal(), EditorRefusal::man_on_promotion_row);
    EXPECT_EQ(game().damier_affiche[sq("g1")], EMPTY);
    // Its own back row, and a king anywhere, are fine.
    place(WHITE_MAN, sq("a1"));
    place(BLACK_MAN, sq("h8"));
    place(WHITE_KING, sq("d8"));
    place(BLACK_KING, sq("c1"));
    EXPECT_EQ(refusal(), EditorRefusal::none);
    EXPECT_EQ(pieces(true), 2);
    EXPECT_EQ(pieces(false), 2);
}

TEST_F(PositionEditorTest, PlacingCutsOffTheRecordAndStartsAtPlyZero) {
    play_first_legal_move();
    controller.boucle_jeu(); // the computer answers
    ASSERT_EQ(game().num_demi_coup, 2);
    ASSERT_FALSE(game().liste_coups.lines.empty());
    controller.command(command::SetUpMode{true});
    ASSERT_EQ(game().mode_edition, 1);
    // Entering alone keeps the game.
    EXPECT_EQ(game().longueur_partie, 2);
    // White has all 12 pieces: a king takes the place of the man on a1.
    ASSERT_EQ(game().damier_affiche[sq("a1")], WHITE_MAN);
    place(WHITE_KING, sq("a1"));
    ASSERT_EQ(refusal(), EditorRefusal::none);
    EXPECT_EQ(game().num_demi_coup, 0);
    EXPECT_EQ(game().longueur_partie, 0);
    EXPECT_TRUE(game().liste_coups.lines.empty());
    EXPECT_EQ(game().historique[0].board, game().damier_affiche);
    for (int ply = 1; ply <= 2; ++ply) {
        EXPECT_EQ(game().historique[ply].from, 0) << ply;
        EXPECT_EQ(game().historique[ply].board[sq("a1")], EMPTY) << ply;
    }
    // Stepping forward finds nothing left of the old game.
    controller.command(command::SetUpMode{false});
    controller.command(command::ToEnd{});
    EXPECT_EQ(game().num_demi_coup, 0);
    EXPECT_EQ(game().damier_affiche[sq("a1")], WHITE_KING);
}

TEST_F(PositionEditorTest, FillBoardTurnsBackToTheStartPosition) {
    controller.command(command::SetUpMode{true});
    controller.command(command::EmptyBoard{});
    place(WHITE_KING, sq("d4"));
    controller.command(command::ChangeDirection{});
    controller.command(command::ChangeFirstMover{});
    controller.command(command::FillBoard{});
    EXPECT_EQ(game().damier_affiche, start_position());
    EXPECT_EQ(pieces(true), 12);
    EXPECT_EQ(pieces(false), 12);
    EXPECT_EQ(game().trait(), WHITE);
    EXPECT_EQ(game().num_demi_coup, 0);
    EXPECT_FALSE(controller.editor().computer_moves_first);
}

TEST_F(PositionEditorTest, DirectionToggledTwiceRestoresTheBoard) {
    controller.command(command::SetUpMode{true});
    controller.command(command::EmptyBoard{});
    place(WHITE_MAN, sq("c3"));
    place(BLACK_KING, sq("f6"));
    place(BLACK_MAN, sq("b6"));
    const BoardArray before = game().damier_affiche;
    controller.command(command::ChangeDirection{});
    EXPECT_EQ(refusal(), EditorRefusal::none);
    // Square i takes what 33 - i held.
    for (Square s = 1; s <= NUM_SQUARES; ++s)
        EXPECT_EQ(game().damier_affiche[s], before[BOARD_CELLS - s]) << int(s);
    controller.command(command::ChangeDirection{});
    EXPECT_EQ(game().damier_affiche, before);

    // From the start position the mirrored men would stand on their
    // promotion row: refused, the board kept.
    controller.command(command::FillBoard{});
    controller.command(command::ChangeDirection{});
    EXPECT_EQ(refusal(), EditorRefusal::man_on_promotion_row);
    EXPECT_EQ(game().damier_affiche, start_position());
}

TEST_F(PositionEditorTest, ColourAndFirstMoverButtonsToggleBackAndForth) {
    controller.command(command::SetUpMode{true});
    ASSERT_EQ(game().couleur_ordinateur, BLACK);
    controller.command(command::ChangeComputerColour{});
    EXPECT_EQ(game().couleur_ordinateur, WHITE);
    EXPECT_EQ(game().trait(), BLACK); // the human, Black, moves
    controller.command(command::ChangeFirstMover{});
    EXPECT_TRUE(controller.editor().computer_moves_first);
    EXPECT_EQ(game().trait(), WHITE);
    controller.command(command::ChangeComputerColour{});
    EXPECT_EQ(game().couleur_ordinateur, BLACK);
    EXPECT_EQ(game().trait(), BLACK); // still the computer's move
    controller.command(command::ChangeFirstMover{});
    EXPECT_FALSE(controller.editor().computer_moves_first);
    EXPECT_EQ(game().trait(), WHITE);
    EXPECT_EQ(game().couleur_ordinateur, BLACK);
}

TEST_F(PositionEditorTest, ComputerOpensWithBlackAndTheListLeavesWhitesColumnEmpty) {
    controller.command(command::SetUpMode{true});
    controller.command(command::FillBoard{});
    // The computer plays Black and moves first.
    controller.command(command::ChangeFirstMover{});
    ASSERT_EQ(game().trait(), BLACK);
    controller.command(command::SetUpMode{false});
    controller.boucle_jeu();
    ASSERT_EQ(view.computer_moves.size(), 1u);
    ASSERT_EQ(game().num_demi_coup, 1);
    EXPECT_EQ(game().trait(), WHITE);
    ASSERT_EQ(game().liste_coups.lines.size(), 1u);
    EXPECT_EQ(game().liste_coups.lines[0].rfind(" 1. ... ", 0), 0u) << game().liste_coups.lines[0];

    play_first_legal_move();
    controller.boucle_jeu();
    ASSERT_EQ(game().num_demi_coup, 3);
    ASSERT_EQ(game().liste_coups.lines.size(), 2u);
    EXPECT_EQ(game().liste_coups.lines[1].rfind(" 2.", 0), 0u) << game().liste_coups.lines[1];
    EXPECT_EQ(game().liste_coups.selected, 1);

    // Back at the start Black is to move again.
    controller.command(command::ToStart{});
    EXPECT_EQ(game().trait(), BLACK);
    controller.command(command::ToEnd{});
    EXPECT_EQ(game().num_demi_coup, 3);
    EXPECT_EQ(game().liste_coups.selected, 1);
}

TEST_F(PositionEditorTest, PastedFenSetsUpThePositionAndBadTextChangesNothing) {
    controller.command(command::SetUpMode{true});
    controller.command(command::PasteFen{"B:Wc3,Kd4:Bf6,b6"});
    EXPECT_EQ(refusal(), EditorRefusal::none);
    EXPECT_EQ(game().damier_affiche[sq("c3")], WHITE_MAN);
    EXPECT_EQ(game().damier_affiche[sq("d4")], WHITE_KING);
    EXPECT_EQ(game().damier_affiche[sq("f6")], BLACK_MAN);
    EXPECT_EQ(pieces(false), 2);
    EXPECT_EQ(game().trait(), BLACK);
    // Black is the computer's colour: it moves first.
    EXPECT_TRUE(controller.editor().computer_moves_first);
    EXPECT_EQ(game().historique[0].board, game().damier_affiche);

    const BoardArray before = game().damier_affiche;
    for (const char* bad : {"", "hello", "W:Wz9:B1", "W:Wb8:Bc7"}) {
        controller.command(command::PasteFen{bad});
        EXPECT_NE(refusal(), EditorRefusal::none) << bad;
        EXPECT_EQ(game().damier_affiche, before) << bad;
        EXPECT_EQ(game().trait(), BLACK) << bad;
    }
    controller.command(command::PasteFen{"nonsense"});
    EXPECT_EQ(refusal(), EditorRefusal::bad_fen);
    EXPECT_EQ(controller.editor().fen_fault, FenFault::no_colon);
    // What the reader found, and where, for a man that would have been crowned.
    controller.command(command::PasteFen{"W:Wc3,Kb8:Bf6,g1"});
    EXPECT_EQ(controller.editor().fen_fault, FenFault::promotion_row);
    EXPECT_EQ(controller.editor().fen_where, "g1");
    EXPECT_EQ(game().damier_affiche, before);
}

TEST_F(PositionEditorTest, StaticEvaluationsFollowThePosition) {
    controller.command(command::SetUpMode{true});
    controller.command(command::FillBoard{});
    // The start position is the same for both sides.
    EXPECT_EQ(controller.editor().evaluation[WHITE], controller.editor().evaluation[BLACK]);
    controller.command(command::EmptyBoard{});
    place(WHITE_KING, sq("d4"));
    place(BLACK_MAN, sq("b6"));
    place(WHITE_MAN, sq("g3"));
    const auto& eval = controller.editor().evaluation;
    EXPECT_GT(eval[WHITE], 0);
    EXPECT_LT(eval[BLACK], 0);
    // The colour-swapped mirror scores the same for the other side.
    const std::array<int, 2> first = eval;
    controller.command(command::EmptyBoard{});
    place(BLACK_KING, BOARD_CELLS - sq("d4"));
    place(WHITE_MAN, BOARD_CELLS - sq("b6"));
    place(BLACK_MAN, BOARD_CELLS - sq("g3"));
    EXPECT_EQ(eval[BLACK], first[WHITE]);
    EXPECT_EQ(eval[WHITE], first[BLACK]);
}

TEST_F(PositionEditorTest, SetUpIsNotEnteredDuringARatedMatch) {
    controller.command(command::StartMatch{"Anne", 2, 1800, 2050, BLACK});
    ASSERT_EQ(game().mode_match, MatchMode::playing);
    controller.command(command::SetUpMode{true});
    EXPECT_EQ(game().mode_edition, 0);
    controller.command(command::EmptyBoard{});
    EXPECT_EQ(game().damier_affiche, start_position());
}

} // namespace
