#pragma once
// Everything a search needs, set up from the data folder as the program does
// at start-up: keys, learned positions, evaluation parameters, repertoires and
// (read at the first need) the endgame tables.

#include <filesystem>

#include "engine/search.h"
#include "eval/engine_tables.h"

namespace selvako::cli {

struct SearchSetup {
    // Problems with the data files are reported once on standard error; each
    // leaves a defined state (shipped keys, empty tables, empty repertoires).
    explicit SearchSetup(const std::filesystem::path& data);
    SearchSetup(const SearchSetup&) = delete;
    SearchSetup& operator=(const SearchSetup&) = delete;

    EngineState st;
    EngineTables tables;
    SteadySearchClock clock;
    Search search;
};

} // namespace selvako::cli
