#pragma once
// The three generators of legal moves. All follow the same rules: capture is
// compulsory, only the captures of the greatest number of pieces are legal
// (kings and men weigh alike), jumped pieces stay on the board until the
// capture ends and block the way, and a man is promoted only when its move
// ends on the far row.

#include "engine/engine_state.h"

namespace selvako {

// Fills the move list of the current ply (st.ply) with the legal moves of
// `side`, ordered, and returns their number; 0 means the side cannot move.
int generate_moves(EngineState& st, int side);

// The number of moves generate_moves would store, without storing plain moves
// (positions with a capture are generated in full). For counting leaves.
int count_moves(EngineState& st, int side);

// As generate_moves when `side` has a capture, so must take; -1 without
// generating anything when it has none. A node at the horizon is scored
// statically unless it must take, and needs no list then.
int generate_moves_if_capture(EngineState& st, int side);

// The entry at the root: ply 1, lists allocated, killers and alternatives reset.
int generate_root_moves(EngineState& st, int side);

// The legal moves of the one piece on `square` (its longest captures, else its
// plain moves) into the ply-1 list, with the landing and captured squares of
// each in st.piece_rows. `side` only chooses the direction of a man's steps.
int generate_piece_moves(EngineState& st, Square square, int side);

// The landing squares, in order, of the first capture of the piece on `from`
// whose captured squares equal `captured` (first `taken` entries). Returns the
// number of landing squares written to `landings`, 0 when no capture matches.
int find_capture_path(EngineState& st, Square from, const Square* captured, int taken,
                      Square* landings);

} // namespace selvako
