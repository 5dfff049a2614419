#pragma once
// The engine's whole changing state: the board that is searched in place, the
// piece counts, the per-ply move lists and the tables that order the moves.
// The application owns one instance; tests build their own.

#include <array>
#include <cstdint>
#include <memory>

#include "engine/board.h"
#include "engine/hash_keys.h"
#include "engine/move.h"
#include "engine/running_terms.h"

namespace selvako {

// Plies 1..34 have a move list each; list 0 is not used.
inline constexpr int NUM_PLY_LISTS = 35;
// The search looks at no more than this many moves of a node: past it the node
// is scored statically.
inline constexpr int SEARCHED_MOVES_LIMIT = 70;
// Room for every move a position can produce. Several free kings, or a king
// with many capture sequences, can give well over 70 moves; tools/find_move_maximum
// searches for the largest lists and the tests replay what it found.
inline constexpr int MOVE_LIST_CAPACITY = 256;

using MoveCount = std::uint16_t;

// One root move of the previous iteration, read by the root ordering.
struct RootEntry {
    Square from = 0;
    Square to = 0;
    std::int16_t score = 0;
};

// The piece generator's rows: landing squares after each jump (or the end
// square of a plain move) and captured squares, per move found.
struct PieceMoveRows {
    std::array<std::array<Square, MAX_CAPTURED>, MOVE_LIST_CAPACITY> landings{};
    std::array<std::array<Square, MAX_CAPTURED>, MOVE_LIST_CAPACITY> captured{};
};

// Cut-off counts of quiet moves by side, from-square and to-square.
using HistoryTable =
    std::array<std::array<std::array<std::uint32_t, NUM_SQUARES + 1>, NUM_SQUARES + 1>, 2>;

struct EngineState {
    BoardArray board = start_position();
    PieceCounts counts = count_pieces(start_position());

    // 35 lists of MOVE_LIST_CAPACITY moves, allocated once on first use.
    std::unique_ptr<Move[]> move_lists;
    std::array<MoveCount, NUM_PLY_LISTS> move_count{};
    std::int8_t ply = 1;
    std::array<Square, MAX_CAPTURED> capture_scratch{};

    // Working state of the engine generator, reset at each call.
    Square capture_origin = 0;
    std::uint8_t enemy_man_code = 0;
    std::uint8_t enemy_king_code = 0;
    std::uint8_t greatest_taken = 0;

    // Working state of the piece generator.
    MoveCount piece_move_count = 0;
    std::uint8_t piece_greatest_taken = 0;
    std::array<Square, MAX_CAPTURED> piece_landing_scratch{};
    std::unique_ptr<PieceMoveRows> piece_rows = std::make_unique<PieceMoveRows>();

    // Move ordering: filled by the search, read by the generator.
    bool ordering_enabled = true;
    std::int32_t iteration_depth = 0;
    std::uint8_t follow_pv = 0;
    std::array<std::array<Move, 2>, NUM_PLY_LISTS> killers{};
    std::array<Move, NUM_PLY_LISTS> alternatives{};
    std::array<std::array<Move, NUM_PLY_LISTS>, NUM_PLY_LISTS> pv{};
    std::array<RootEntry, MOVE_LIST_CAPACITY> previous_root{};
    MoveCount previous_root_count = 0;
    Square hint_from = 0;
    Square hint_to = 0;
    // How often, and how deep, a quiet move of each side caused a cut-off in
    // this search, by from- and to-square; it orders the moves that neither a
    // killer nor the table names.
    std::unique_ptr<HistoryTable> history = std::make_unique<HistoryTable>();
    bool history_ordering = false;

    // Kept by make_move for the search.
    int root_side = WHITE;
    std::int32_t material_balance = 0;
    Square last_destination = 0;
    // The evaluation's running terms, kept by make_move once prepare_evaluation
    // has chosen their tables; without tables (perft, tools) nothing is kept.
    RunningTerms running_terms{};
    const TermTables* term_tables = nullptr;

    // The key tables and the two keys of the position on the board, which
    // make_move keeps up to date.
    HashKeys keys = default_hash_keys();
    std::uint32_t index_key = 0;
    std::uint32_t check_key = 0;
    // The learned positions' slots come from the index words as loaded, kept
    // here apart: a new table size draws new index words for the
    // transposition table, and learned positions must still be found.
    std::array<std::uint32_t, KEY_TABLE_WORDS> learned_words = default_hash_keys().index;
    std::uint32_t learned_key = 0;

    Move* list(int at_ply) { return move_lists.get() + at_ply * MOVE_LIST_CAPACITY; }
    const Move* list(int at_ply) const { return move_lists.get() + at_ply * MOVE_LIST_CAPACITY; }
    Move* current_list() { return list(ply); }

    void allocate_move_lists();
    void set_position(const BoardArray& new_board);
    // Recomputes both position keys from the board.
    void reset_keys();
    void reset_killers_and_alternatives();
};

} // namespace selvako
