#pragma once
// The engine's data, allocated and loaded once by the start-up sequence. This
// is the one place that grows as the engine's tables arrive (transposition
// tables and hash keys, learned positions, evaluation parameters, endgame
// tables): each is loaded here from the data folder or the user folder.

#include "app/selvako/app_config.h"
#include "engine/engine_state.h"

namespace selvako {

void charger_tables_moteur(EngineState& engine, const AppConfig& config);

} // namespace selvako
