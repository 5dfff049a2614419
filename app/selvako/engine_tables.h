#pragma once
// The engine's data, allocated and loaded once by the start-up sequence: the
// transposition table and its hash keys, the learned positions, the
// evaluation parameters, the endgame tables and the opening repertoires.
// This is the one place that loads them, from the user folder where the user
// may have changed a file, else from the data folder.

#include <QStringList>

#include "app/selvako/app_config.h"
#include "engine/engine_state.h"
#include "search/engine_tables.h"

namespace selvako {

// Returns the files that could not be read; each leaves a defined state
// (the built-in keys, no learned position, parameters at 0, no repertoire
// or endgame table), so the computer still plays.
QStringList charger_tables_moteur(EngineState& engine, EngineTables& tables,
                                  const AppConfig& config);

} // namespace selvako
