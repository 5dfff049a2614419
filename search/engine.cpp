#include "search/engine.h"

#include "engine/hash_keys.h"
#include "eval/parameters.h"
#include "search/engine_tables.h"
#include "search/search.h"

namespace selvako {

struct Engine::Impl {
    // The engine's hooks are read at each call, so the caller may set or
    // change them at any time, even during a search.
    Impl(Engine& engine, SearchClock& clock, std::uint32_t seed)
        : random(seed), search(st, tables.table, tables.learned, tables.evaluation, clock, seed) {
        search.repertoires = &tables.repertoires;
        search.databases = &tables.databases;
        search.hooks.poll = [&engine] {
            if (engine.on_poll) engine.on_poll();
        };
        search.hooks.show_clock = [&engine](std::int32_t total) {
            if (engine.on_clock) engine.on_clock(total);
        };
        search.hooks.show_progress = [&engine](const SearchProgress& progress) {
            if (engine.on_progress) engine.on_progress(progress);
        };
    }

    // The index keys a resized table draws.
    std::mt19937 random;
    EngineState st;
    EngineTables tables;
    Search search;
    bool searching = false;
};

namespace {

// The user's copy of a file when there is one, else the program's.
std::filesystem::path find_file(const EngineFolders& folders,
                                const std::filesystem::path& user_name, const char* data_name) {
    if (!folders.user.empty()) {
        std::error_code error;
        const std::filesystem::path user = folders.user / user_name;
        if (std::filesystem::exists(user, error)) return user;
    }
    return folders.data / data_name;
}

} // namespace

Engine::Engine(SearchClock& clock, std::uint32_t seed)
    : m(std::make_unique<Impl>(*this, clock, seed)) {}

Engine::~Engine() = default;

std::vector<std::string> Engine::load(const EngineFolders& folders) {
    std::vector<std::string> problems;
    EngineState& st = m->st;
    EngineTables& tables = m->tables;
    // A failed allocation ends the program with "Allocation mémoire".
    st.allocate_move_lists();

    const KeysLoad keys = load_keys((folders.data / KEY_FILE_NAME).string());
    if (!keys.from_file)
        problems.push_back(std::string(KEY_FILE_NAME) +
                           " is missing or short; the built-in keys are used");
    st.keys = keys.keys;
    st.reset_keys();
    tables.table.clear_table();

    // Learning sessions write the learned positions into the user folder.
    tables.learned.load_learned(find_file(folders, LEARNED_FILE_NAME, LEARNED_FILE_NAME).string());

    if (!load_parameter_file(tables.eval.parameters, tables.eval.parameter_image,
                             find_file(folders, "Parametres/defaut.par", "defaut.par")))
        problems.push_back("defaut.par cannot be read; every parameter is 0");

    tables.repertoires = {};
    if (auto white = read_repertoire(
            find_file(folders, WHITE_REPERTOIRE_FILE, WHITE_REPERTOIRE_FILE).string()))
        tables.repertoires.white = std::move(*white);
    if (auto black = read_repertoire(
            find_file(folders, BLACK_REPERTOIRE_FILE, BLACK_REPERTOIRE_FILE).string()))
        tables.repertoires.black = std::move(*black);

    // The endgame tables are read here, whole, for every caller: a few
    // megabytes read once cost less than a check at every node, and a search
    // never stops to read files. A missing table is a miss at each probe,
    // not a problem worth a line.
    load_databases(tables.databases, folders.data);
    return problems;
}

SearchResult Engine::search(const SearchRequest& request) {
    Search& search = m->search;
    EngineState& st = m->st;
    st.allocate_move_lists();
    st.set_position(request.board);

    GameContext& game = search.game;
    const SearchLimits& limits = request.limits;
    game.budget_recherche = limits.budget_recherche;
    game.temps_alloue = limits.temps_alloue;
    game.num_demi_coup = request.num_demi_coup;
    game.temps_blanc = request.temps_blanc;
    game.temps_noir = request.temps_noir;
    game.trait = request.trait;
    game.ponder = limits.ponder ? 1 : 0;
    game.analysis = limits.analysis ? 1 : 0;
    game.demi_coup_depart = limits.demi_coup_depart;
    game.repertoire_enabled = limits.repertoire;
    game.historique = request.historique;
    search.depth_limit = limits.depth;
    search.discard = 0;

    m->searching = true;
    const int chosen = search.choose_move();
    m->searching = false;

    SearchResult result;
    result.score = search.previous_score;
    result.depth = search.depth_reached;
    result.nodes = search.total_nodes;
    result.seconds = search.seconds_used;
    if (chosen == NO_MOVE) {
        result.answer = SearchAnswer::no_move;
        return result;
    }
    const Move* moves = st.list(1);
    result.root_moves.assign(moves, moves + st.move_count[1]);
    result.index = chosen == SINGLE_MOVE ? 0 : chosen;
    result.move = result.root_moves[static_cast<std::size_t>(result.index)];
    result.pv = search.principal_variation();
    if (chosen == SINGLE_MOVE)
        result.answer = SearchAnswer::single_move;
    else if (search.discard)
        result.answer = SearchAnswer::discarded;
    else if (search.from_repertoire)
        result.answer = SearchAnswer::repertoire;
    else
        result.answer = SearchAnswer::searched;
    return result;
}

void Engine::stop() {
    m->search.arret_demande = 1;
}

void Engine::stop_and_discard() {
    m->search.arret_demande = 1;
    m->search.discard = 1;
}

bool Engine::searching() const {
    return m->searching;
}

void Engine::resize_table(int size_index) {
    if (m->searching || size_index < 0 || size_index >= static_cast<int>(TABLE_SIZES.size()))
        return;
    m->tables.table.resize_table(size_index, m->st.keys, m->random);
    m->st.reset_keys();
}

void Engine::clear_table() {
    m->tables.table.clear_table();
}

EngineTables& Engine::tables() {
    return m->tables;
}

const EngineTables& Engine::tables() const {
    return m->tables;
}

} // namespace selvako
