#include "app/selvako/engine_tables.h"

namespace selvako {

void charger_tables_moteur(EngineState& engine, const AppConfig&) {
    // A failed allocation ends the program with "Allocation mémoire".
    engine.allocate_move_lists();
}

} // namespace selvako
