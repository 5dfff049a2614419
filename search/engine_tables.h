#pragma once
// The engine's data besides its state: the transposition table, the learned
// positions, the endgame tables, the opening repertoires and the evaluation
// with its parameters. The program and selvako-cli each own one set, loaded
// from the data files at start-up.

#include "engine/endgame_tables.h"
#include "engine/packed_endgame_tables.h"
#include "engine/learned_positions.h"
#include "engine/repertoire.h"
#include "engine/transposition_table.h"
#include "eval/eval_state.h"
#include "search/search_evaluation.h"

namespace selvako {

struct EngineTables {
    TranspositionTable table;
    LearnedTable learned;
    EndgameTables databases;
    PackedEndgameTables packed_databases;
    Repertoires repertoires;
    EvalState eval;
    SearchEvaluation evaluation{eval};
};

} // namespace selvako
