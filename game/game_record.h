#pragma once
// The game record and the move list: writing a ply, showing it, and walking
// back and forth through the plies already played.

#include <string>

#include "engine/engine_state.h"
#include "engine/move.h"
#include "game/game_state.h"

namespace selvako {

// Copies the engine board, the move to record, the clocks, the names and the
// computer's colour into the record of ply num_demi_coup.
void noter_coup(GameState& game, const EngineState& engine);
// The reverse, for the record of ply num_demi_coup.
void restaurer_coup(GameState& game, EngineState& engine);
// Updates the move list after the ply num_demi_coup was played.
void afficher_coup(GameState& game);

// The common tail of a human and a computer move: the move is made on the
// engine board, a game that was stepped back loses its old continuation, and
// the ply is recorded and listed.
void jouer_coup(GameState& game, EngineState& engine, const Move& move);

// A new game in the start position: empty record, clocks at zero, White to move.
void nouvelle_partie(GameState& game, EngineState& engine);

// Navigation. Each returns whether the ply on show changed.
bool reprise(GameState& game, EngineState& engine);
bool avancer(GameState& game, EngineState& engine);
bool revenir_debut(GameState& game, EngineState& engine);
bool Aller_fin(GameState& game, EngineState& engine);
bool revenir_n(GameState& game, EngineState& engine, int line);

// After a game file was read into the record: the length out of byte 0 of
// record 0, the ply on show restored and the move list rebuilt.
void apres_lecture(GameState& game, EngineState& engine);

// Move-list lines: " 1.c3-d4 f6-e5" and, while Black has not answered, " 1.c3-d4 ".
std::string ligne_complete(int number, const FicheCoup& white, const FicheCoup& black);
std::string demi_ligne(int number, const FicheCoup& white);

enum class GameEnd { none, white_wins, black_wins, record_full };

// In a game between two humans, after a ply: the side to move loses when it
// has no legal move, and a record that reached its last ply ends the game drawn.
GameEnd fin_entre_humains(GameState& game, EngineState& engine);

} // namespace selvako
