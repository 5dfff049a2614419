#pragma once
// Everything the evaluation keeps between calls: the parameter set with the
// image of the last parameter file, and what a search chooses at its root.
// The application owns one; tests make their own.

#include <cstdint>

#include "engine/running_terms.h"
#include "eval/parameters.h"

namespace selvako {

enum GamePhase : std::uint8_t {
    PHASE_OPENING = 0,
    PHASE_MIDDLE = 1,
    PHASE_PRE_FINAL = 2,
    PHASE_FINAL = 3
};

struct EvalState {
    EvalParameters parameters;
    // The last file read or written; its reserved tail is written back as read.
    ParameterImage parameter_image{};

    // Chosen by prepare_evaluation and kept from one search to the next.
    std::uint8_t root_phase = PHASE_OPENING;
    bool variant1 = false;
    bool variant2 = false;
    // The men table of this search, the king table and the side the running
    // terms are kept for. make_move reads them through EngineState::term_tables.
    TermTables term_tables;

    // Written by the search: the code of the piece that the root move being
    // searched moves (in the final phase a root man move earns a bonus).
    std::uint8_t root_piece = 0;
    // Set by the search when it evaluates at its horizon rather than for a
    // move it cuts; the static score does not depend on it.
    bool called_at_leaf = false;
};

} // namespace selvako
