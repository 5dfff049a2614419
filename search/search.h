#pragma once
// The engine's thinking: the driver that plans the time, answers trivial
// positions, consults the repertoire and deepens the alpha-beta search, and
// the search itself. Scores are always from the point of view of the side at
// the root: search_max moves for it (odd plies), search_min for the other
// side (even plies).

#include <array>
#include <cstdint>
#include <functional>
#include <random>
#include <vector>

#include "engine/endgame_tables.h"
#include "engine/packed_endgame_tables.h"
#include "engine/engine_state.h"
#include "engine/learned_positions.h"
#include "engine/repertoire.h"
#include "engine/transposition_table.h"
#include "search/game_repetitions.h"
#include "search/leaf_evaluation.h"
#include "search/search_clock.h"
#include "search/search_progress.h"
#include "search/time_budget.h"

namespace selvako {

// The driver's answers besides a move index.
inline constexpr int NO_MOVE = 100;     // a side has no piece, or no legal move
inline constexpr int SINGLE_MOVE = 254; // one legal move, played without a search
// The root score left for an analysed position whose only move was not searched.
inline constexpr int UNSEARCHED_SCORE = 32001;

inline constexpr int WIN_SCORE = 32000;
inline constexpr int POLL_INTERVAL = 5000;
inline constexpr int MAX_ITERATION = 30;

// What game control tells the driver about the game.
struct GameContext {
    std::int32_t budget_recherche = 160;
    std::int32_t temps_alloue = 178;
    std::uint8_t num_demi_coup = 0;
    std::int32_t temps_blanc = 0;
    std::int32_t temps_noir = 0;
    std::uint8_t trait = WHITE;
    std::int32_t ponder = 0;
    std::uint8_t analysis = 0;
    std::int32_t demi_coup_depart = 0;
    bool repertoire_enabled = true;
    // The plies played so far, first first (at least num_demi_coup of them
    // for the repertoire and the repetition rule to see the whole game).
    std::vector<PlayedMove> historique;
};

struct SearchHooks {
    // Lets the window process its events; may set arret_demande.
    std::function<void()> poll;
    // The seconds used in all by the side to move, for its clock.
    std::function<void(std::int32_t)> show_clock;
    // The figures of the "Calcul" page; the caller words them.
    std::function<void(const SearchProgress&)> show_progress;
};

class Search {
  public:
    Search(EngineState& st, TranspositionTable& table, LearnedTable& learned,
           LeafEvaluation& evaluation, SearchClock& clock, std::uint32_t seed);
    Search(const Search&) = delete;
    Search& operator=(const Search&) = delete;

    // Chooses a move for game.trait on st.board: an index into the ply-1
    // list, or NO_MOVE, or SINGLE_MOVE.
    int choose_move();

    int search_max(int alpha, int beta, int ply);
    int search_min(int alpha, int beta, int ply);

    GameContext game;
    SearchHooks hooks;
    const Repertoires* repertoires = nullptr;
    // The endgame tables, loaded beforehand (Engine::load reads them once);
    // none when null.
    const EndgameTables* databases = nullptr;
    // The packed tables of the other endings of four and five pieces; none when null.
    const PackedEndgameTables* packed_databases = nullptr;
    // Stops after this iteration depth (0: the level decides).
    int depth_limit = 0;

    // Raised from outside while the search polls: stop and play the best move
    // so far; with `discard` as well, the result is not wanted.
    std::uint8_t arret_demande = 0;
    std::uint8_t discard = 0;

    // Results and figures of the last search.
    int previous_score = 0;        // the root score, from the root side's view
    int best_root = 0;             // into the ply-1 list as the search last generated it
    std::uint32_t nodes = 0;       // of the current iteration
    std::uint64_t total_nodes = 0; // of the whole search, for the bench
    // Whether `nodes` has already been added to `total_nodes`: between two
    // iterations the finished one must not be counted twice.
    bool iteration_counted = false;
    int depth_reached = 0;
    std::int32_t seconds_used = 0; // the side's clock at the last check
    bool from_repertoire = false;  // the last answer came from the repertoire
    // Every root move with the value it was last given, in the order of the
    // ply-1 list as the search last generated it.
    std::vector<RootMoveValue> root_values;
    // The principal variation from the root side's move on.
    std::vector<Move> principal_variation() const;

    const TimeBudget& budget() const { return m_budget; }

  private:
    struct Snapshot;
    template <bool MAX> int search(int alpha, int beta, int ply);
    int evaluate_here(int alpha, int beta);
    void poll();
    bool repeats_game(const Move& move) const;
    std::int32_t spent_on_move(std::int32_t now) const;
    void keep_best_root(int index, const Move& move);
    static int find_root_move(const Move* moves, int n, const Move& wanted);
    void note_root_value(int index, const Move& move, int value, bool being_searched);
    void report_progress(int score);
    void store(int score, int ply, int code, const Move* move);
    int prepare_and_answer();
    int repertoire_move();
    int deepen();
    // Whether the position at ply p was already on the board in the game or
    // on the line that leads to it, with the same side to move.
    bool brings_back(int p) const;
    // The reductions of the line: the root move's and the late moves'.
    int reduction() const { return m_root_reduction + m_late_reduction; }

    EngineState& m_st;
    TranspositionTable& m_table;
    LearnedTable& m_learned;
    LeafEvaluation& m_evaluation;
    SearchClock& m_clock;
    std::mt19937 m_random;

    TimeBudget m_budget;
    // 64 bits: a clock read from a file may be anywhere in the 32-bit range.
    std::int64_t m_move_start = 0;
    std::int32_t m_used_before = 0;
    int m_root_side = WHITE;
    int m_other_side = BLACK;
    int m_root_eval = 0;
    int m_fail_count = 0;
    int m_prepared_score = 0;
    int m_seed_bound = 0;
    int m_last_root_value = 0;
    // The move best_root names, to find it again in the next iteration's list.
    Move m_best_root_move;
    std::uint32_t m_poll_counter = 0;

    int m_quiet_plies = 0;
    int m_root_reduction = 0;
    // Plies taken off the line by late quiet moves (0 or below).
    int m_late_reduction = 0;
    // The score of a position brought back, from the root side's view: a draw,
    // or less when the root side is clearly ahead and should play on.
    int m_draw_score = 0;
    // The game's positions since its last irreversible ply, the root last,
    // followed by the positions of the line being searched (ply p at
    // m_game_plies + p - 1), and how many plain king moves lead to each
    // ply's position.
    std::vector<PositionKey> m_line_keys;
    int m_game_plies = 0;
    std::array<int, NUM_PLY_LISTS + 2> m_reversible{};
    int m_promotion_extension = 0;
    bool m_advanced_max = false;
    bool m_advanced_min = false;
    std::array<std::uint8_t, NUM_PLY_LISTS + 2> m_extension{};
};

} // namespace selvako
