#pragma once
// Setting up a position by hand: which piece a click puts down, what the
// board allows, and the refusals the view shows beside the editor.

#include <array>
#include <cstdint>
#include <string>

#include "engine/board.h"
#include "engine/fen.h"

namespace selvako {

// The move record lists at most 15 captured squares, and the endgame tables
// were solved only for men short of their promotion row: a position beyond
// either would be misread, so the editor refuses it.
inline constexpr int MAX_PIECES_PER_SIDE = 12;

enum class EditorRefusal : std::uint8_t {
    none,
    too_many_pieces,      // a 13th piece for one side
    man_on_promotion_row, // a man where it would already have been crowned
    bad_fen,              // pasted text that is not a position
};

struct PositionEditor {
    // The piece a click puts down (EMPTY clears the square).
    std::uint8_t piece = EMPTY;
    // The computer moves first once the set-up ends ("Ordinateur joue").
    bool computer_moves_first = false;
    EditorRefusal refusal = EditorRefusal::none;
    // What the FEN reader found wrong, and where, for EditorRefusal::bad_fen;
    // the window words it in its language.
    FenFault fen_fault = FenFault::none;
    std::string fen_where;
    // The static evaluation of the board for White and Black, halved (about
    // hundredths of a man), as "Eval stat blancs" and "Eval stat noirs" show it.
    std::array<int, 2> evaluation{};
};

// Why `piece` may not go on square `s` of `board`; none when it may.
EditorRefusal placement_refusal(const BoardArray& board, Square s, std::uint8_t piece);

// The same question for a whole position, for a pasted one.
EditorRefusal position_refusal(const BoardArray& board);

// Square i takes what square 33 - i held: with the view turned over, the
// picture stays and the direction of play is reversed.
void mirror_board(BoardArray& board);

} // namespace selvako
