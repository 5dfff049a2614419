#pragma once
// The engine's data, allocated and loaded once by the start-up sequence: the
// transposition table and its hash keys, the learned positions, the
// evaluation parameters, the endgame tables and the opening repertoires.
// This is the one place that loads them, from the user folder where the user
// may have changed a file, else from the data folder.

#include <QStringList>

#include "app/selvako/app_config.h"
#include "engine/endgame_tables.h"
#include "engine/engine_state.h"
#include "engine/learned_positions.h"
#include "engine/repertoire.h"
#include "engine/transposition_table.h"
#include "eval/eval_state.h"
#include "eval/search_evaluation.h"

namespace selvako {

struct EngineTables {
    TranspositionTable table;
    LearnedTable learned;
    EndgameTables databases;
    Repertoires repertoires;
    EvalState eval;
    SearchEvaluation evaluation{eval};
};

// Returns the files that could not be read; each leaves a defined state
// (the built-in keys, no learned position, parameters at 0, no repertoire
// or endgame table), so the computer still plays.
QStringList charger_tables_moteur(EngineState& engine, EngineTables& tables,
                                  const AppConfig& config);

} // namespace selvako
