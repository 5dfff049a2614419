#pragma once
// The engine as the rest of the program sees it: one object that loads every
// table and data file once, runs a search on a position it is handed (it
// copies it; the caller keeps the game), and reports what it finds as numbers.
// The window, selvako-cli, the tests and the benchmarks all go through it.
// Everything runs on the caller's thread: the search calls `on_poll` every
// 5,000 nodes, and a stop is asked for from inside that call.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/board.h"
#include "engine/hash_keys.h"
#include "engine/move.h"
#include "engine/repertoire.h"
#include "search/search_clock.h"
#include "search/search_progress.h"

namespace selvako {

struct EngineTables;

// Read-only data (tables, keys, default parameters, repertoires) and the
// user's folder, whose copy of a file is preferred when there is one.
struct EngineFolders {
    std::filesystem::path data;
    std::filesystem::path user; // may be empty
};

// How long or how deep to search, as the levels give it.
struct SearchLimits {
    std::int32_t budget_recherche = 160;
    std::int32_t temps_alloue = 178;
    int depth = 0; // stop after this depth; 0: the level decides
    bool ponder = false;
    bool analysis = false;
    std::int32_t demi_coup_depart = 0; // analysis: the ply the analysis started from
    // Analysis: the root score of the position after the played move, for
    // its side to move; the played move is given its negation unsearched.
    int previous_score = 0;
    bool repertoire = true;
};

// The position to search and the game that led to it.
struct SearchRequest {
    BoardArray board = start_position();
    std::uint8_t trait = WHITE;
    std::uint8_t num_demi_coup = 0;
    std::int32_t temps_blanc = 0;
    std::int32_t temps_noir = 0;
    // Plies 1..num_demi_coup, first first: the repertoire and the repetition
    // rule read the whole game.
    std::vector<PlayedMove> historique;
    SearchLimits limits;
};

enum class SearchAnswer {
    no_move,     // the side has no piece or no legal move
    single_move, // one legal move, returned without a search
    repertoire,  // taken from the opening repertoire
    searched,
    discarded, // stopped with the result thrown away (stop_and_discard)
};

struct SearchResult {
    SearchAnswer answer = SearchAnswer::no_move;
    // Index of the chosen move in root_moves (0 for a single move).
    int index = 0;
    Move move{};
    // The root list as generated for the side to move: every legal move,
    // all taking the same number of pieces.
    std::vector<Move> root_moves;
    // The root score (the driver's previous_score). An answer without a
    // search leaves what the last search gave, or UNSEARCHED_SCORE for a
    // forced move in analysis; nodes is then 0.
    int score = 0;
    int depth = 0;
    std::uint64_t nodes = 0; // of the whole search
    // The seconds the side to move has used in all, as the search last read
    // its clock (what on_clock last reported).
    std::int32_t seconds = 0;
    std::vector<Move> pv;
};

class Engine {
  public:
    // The clock outlives the engine; tests inject one they drive by hand.
    Engine(SearchClock& clock, std::uint32_t seed);
    ~Engine();
    Engine(const Engine&) = delete;
    Engine& operator=(const Engine&) = delete;

    // Loads keys, learned positions, parameters, repertoires and endgame
    // tables (all of them, here: no search reads a file). Returns one line per
    // file that could not be read; each leaves a
    // defined state (built-in keys, no learned position, parameters at 0, no
    // repertoire or endgame table), so the engine still plays.
    std::vector<std::string> load(const EngineFolders& folders);

    SearchResult search(const SearchRequest& request);
    // From inside on_poll: stop and answer with the best move so far.
    void stop();
    // From inside on_poll: stop and throw the result away.
    void stop_and_discard();
    bool searching() const;
    // The nodes the running search has visited so far (from inside on_poll
    // or on_progress), for a caller that limits a search by nodes.
    std::uint64_t nodes_so_far() const;

    // Every 5,000 nodes and after each iteration.
    std::function<void()> on_poll;
    // The seconds used in all by the side to move, for its clock (not while pondering).
    std::function<void(std::int32_t)> on_clock;
    std::function<void(const SearchProgress&)> on_progress;

    // The keys a position is learned under: index words as loaded (a new
    // table size does not change them) and the check words.
    PositionKeys learned_keys(const BoardArray& board) const;

    void clear_table();
    // "Taille des tables de transposition": reallocates the table at one of
    // TABLE_SIZES and draws new index keys for it. Not during a search.
    void resize_table(int size_index);
    EngineTables& tables();
    const EngineTables& tables() const;

  private:
    struct Impl;
    std::unique_ptr<Impl> m;
};

} // namespace selvako
