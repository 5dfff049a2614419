#include "search/engine.h"

#include <string>
#include <utility>

#include "engine/file_names.h"
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
        search.packed_databases = &tables.packed_databases;
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

bool present(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::exists(path, error);
}

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

// The same, the name compared without regard to case in both folders.
std::filesystem::path find_file_ignoring_case(const EngineFolders& folders, const char* name) {
    if (!folders.user.empty()) {
        const std::filesystem::path user = file_ignoring_case(folders.user, name);
        if (present(user)) return user;
    }
    return file_ignoring_case(folders.data, name);
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
    if (keys.unusable)
        problems.push_back(std::string(KEY_FILE_NAME) +
                           " has zero or repeated keys; the built-in keys are used");
    else if (keys.refusal)
        problems.push_back(refusal_line(*keys.refusal) + "; the built-in keys are used");
    st.keys = keys.keys;
    st.learned_words = keys.keys.index;
    st.reset_keys();
    tables.table.clear_table();

    // Learning sessions write the learned positions into the user folder.
    const auto learned = find_file(folders, LEARNED_FILE_NAME, LEARNED_FILE_NAME);
    if (const FileLoad load = tables.learned.load_learned(learned.string());
        !load && load.refusal->problem != FileProblem::missing)
        problems.push_back(refusal_line(*load.refusal) + "; nothing learned is used");

    // The set the program plays with must be whole: the short-file rule is
    // for the sets a user loads by hand.
    const auto parameters = find_file(folders, "Parametres/defaut.par", "defaut.par");
    std::error_code size_error;
    const auto parameter_bytes = std::filesystem::file_size(parameters, size_error);
    if (const FileLoad load =
            load_parameter_file(tables.eval.parameters, tables.eval.parameter_image, parameters);
        !load)
        problems.push_back(refusal_line(*load.refusal) + "; every parameter is 0");
    else if (!size_error && parameter_bytes < static_cast<std::uintmax_t>(PARAMETER_FILE_SIZE))
        problems.push_back("defaut.par is short (" + std::to_string(parameter_bytes) + " of " +
                           std::to_string(PARAMETER_FILE_SIZE) +
                           " bytes); the parameters past its end are 0");

    tables.repertoires = {};
    for (const auto& [name, lines] :
         {std::pair{WHITE_REPERTOIRE_FILE, &tables.repertoires.white},
          std::pair{BLACK_REPERTOIRE_FILE, &tables.repertoires.black}}) {
        // The message names the file as it is spelt on disk.
        const auto path = find_file_ignoring_case(folders, name);
        FileRefusal refusal;
        if (auto read = read_repertoire(path.string(), &refusal))
            *lines = std::move(*read);
        else if (refusal.problem != FileProblem::missing)
            problems.push_back(refusal_line(refusal) + "; the computer plays without it");
    }

    // The endgame tables are read here, whole, for every caller: a few
    // megabytes read once cost less than a check at every node, and a search
    // never stops to read files. A missing table is a miss at each probe,
    // not a problem worth a line.
    std::vector<FileRefusal> refused;
    load_databases(tables.databases, folders.data, &refused);
    for (const FileRefusal& refusal : refused)
        problems.push_back(refusal_line(refusal) + "; the table is not used");
    std::vector<std::string> packed_refused;
    load_packed_tables(tables.packed_databases, folders.data, &packed_refused);
    for (const std::string& line : packed_refused)
        problems.push_back(line + "; the table is not used");
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
    if (limits.analysis) search.previous_score = limits.previous_score;
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

std::uint64_t Engine::nodes_so_far() const {
    return m->search.total_nodes + (m->search.iteration_counted ? 0 : m->search.nodes);
}

void Engine::resize_table(int size_index) {
    if (m->searching || size_index < 0 || size_index >= static_cast<int>(TABLE_SIZES.size()))
        return;
    m->tables.table.resize_table(size_index, m->st.keys, m->random);
    m->st.reset_keys();
}

PositionKeys Engine::learned_keys(const BoardArray& board) const {
    return {learned_index_key(board, m->st.learned_words), position_keys(board, m->st.keys).check};
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
