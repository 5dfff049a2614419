#pragma once
// The game record and the move list: writing a ply, showing it, and walking
// back and forth through the plies already played. The position is the
// game's own board; an EngineState passed here is only the move generator's
// workspace, loaded from that board when moves are generated or made.

#include <string>

#include "engine/engine_state.h"
#include "engine/move.h"
#include "game/clocks.h"
#include "game/game_rules.h"
#include "game/game_state.h"

namespace selvako {

// Copies the board, the move to record, the clocks, the names and the
// computer's colour into the record of ply num_demi_coup.
void noter_coup(GameState& game, const GameClocks& clocks);
// The reverse, for the record of ply num_demi_coup: the clocks take the
// recorded values and both turns start now.
void restaurer_coup(GameState& game, GameClocks& clocks);
// Updates the move list after the ply num_demi_coup was played.
void afficher_coup(GameState& game);

// The common tail of a human and a computer move: the move is made on the
// board, a game that was stepped back loses its old continuation, and the ply
// is recorded (with the clocks as they stand) and listed. A full record
// (LAST_GAME_PLY reached) takes no further ply: nothing changes and the
// answer is false.
[[nodiscard]] bool jouer_coup(GameState& game, EngineState& work, const GameClocks& clocks,
                              const Move& move);

// A new game in the start position: empty record, clocks at zero, White to move.
void nouvelle_partie(GameState& game, GameClocks& clocks);

// The position on the board, with the side to move, becomes ply 0 of a new
// record: the plies after it and the move list are cleared.
void nouveau_releve(GameState& game, const GameClocks& clocks);

// The move list's highlight goes to the line of the ply on show.
void select_ply_line(GameState& game);

// Navigation. Each returns whether the ply on show changed.
bool reprise(GameState& game, GameClocks& clocks);
bool avancer(GameState& game, GameClocks& clocks);
bool revenir_debut(GameState& game, GameClocks& clocks);
bool Aller_fin(GameState& game, GameClocks& clocks);
bool revenir_n(GameState& game, GameClocks& clocks, int line);

// After a game file was read into the record: the length out of byte 0 of
// record 0, the ply on show restored and the move list rebuilt.
void apres_lecture(GameState& game, GameClocks& clocks);

// Move-list lines: " 1.c3-d4 f6-e5" and, while Black has not answered, " 1.c3-d4 ".
std::string ligne_complete(int number, const FicheCoup& white, const FicheCoup& black);
std::string demi_ligne(int number, const FicheCoup& white);

// After a ply, the rules every game keeps for the side now to move
// (no_moves, record_full or none); notes its number of legal moves.
GameEnd fin_entre_humains(GameState& game, EngineState& work);

// The legal moves of `side` on the game's board, generated in `work`
// (list 1 of the workspace); their number.
int legal_moves(const GameState& game, EngineState& work, int side);

} // namespace selvako
