#include "tools/endgame_generator/ending_solver.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "engine/engine_state.h"
#include "engine/move_generation.h"
#include "engine/packed_endgame_index.h"
#include "tools/endgame_generator/after_white_move.h"

namespace selvako::tables {

namespace {

constexpr int material_key(const TableMaterial& m) {
    return m.own_men * 216 + m.own_kings * 36 + m.other_men * 6 + m.other_kings;
}
constexpr int MATERIAL_KEYS = 6 * 216;

// Every capture removes a piece and every promotion a man, so solving by
// pieces and then by men finds each ending's exits already solved.
std::vector<TableMaterial> solving_order(int max_pieces) {
    std::vector<TableMaterial> list;
    for (int pieces = 2; pieces <= max_pieces; ++pieces)
        for (int men = 0; men <= pieces; ++men)
            for (int om = 0; om <= men; ++om)
                for (int ok = 0; om + ok <= pieces - (men - om); ++ok) {
                    const TableMaterial m{static_cast<std::uint8_t>(om),
                                          static_cast<std::uint8_t>(ok),
                                          static_cast<std::uint8_t>(men - om),
                                          static_cast<std::uint8_t>(pieces - men - ok)};
                    if (m.own_men + m.own_kings > 0 && m.other_men + m.other_kings > 0)
                        list.push_back(m);
                }
    return list;
}

constexpr std::uint16_t NONE = 0xFFFF;
constexpr std::uint8_t VALID = 1;
constexpr std::uint8_t QUIET = 2;     // no capture: quiet moves lead inside the group
constexpr std::uint8_t DRAW_EXIT = 4; // a capture or promotion reaches a draw

// What is known of a position's moves while its group is solved.
struct Node {
    std::uint16_t win = NONE;   // shortest win found so far
    std::uint16_t longest = 0;  // longest loss through the moves known to lose
    std::uint8_t remaining = 0; // quiet moves not yet known to lose
    std::uint8_t flags = 0;
};

class GroupSolver {
  public:
    GroupSolver(std::vector<TableMaterial> group, std::vector<std::vector<std::uint16_t>>& tables)
        : m_group(std::move(group)), m_tables(tables) {
        std::uint32_t base = 0;
        for (const TableMaterial& m : m_group) {
            m_base.push_back(base);
            const std::uint32_t size = packed_table_size(m);
            base += size;
            m_tables[material_key(m)].assign(size, NO_DISTANCE);
        }
        m_nodes.resize(base);
        m_state.allocate_move_lists();
        m_state.ordering_enabled = false;
    }

    void run() {
        for (std::size_t k = 0; k < m_group.size(); ++k) look_forward(static_cast<int>(k));
        spread_results();
    }

  private:
    std::uint16_t& distance(int slot, std::uint32_t index) {
        return m_tables[material_key(m_group[static_cast<std::size_t>(slot)])][index];
    }

    int slot_of(std::uint32_t node) const { return m_base.size() > 1 && node >= m_base[1] ? 1 : 0; }

    // The distance of an already solved ending, as the side to move there sees it.
    std::uint16_t solved_distance(const BoardArray& board) {
        const auto position = packed_position(board, BLACK);
        if (!position) {
            std::fprintf(stderr, "endgame_generator: a move leads out of the tables\n");
            std::exit(1);
        }
        const auto& table = m_tables[material_key(position->material)];
        if (table.empty()) {
            std::fprintf(stderr, "endgame_generator: an ending is needed before it is solved\n");
            std::exit(1);
        }
        return table[packed_index(position->material, position->squares)];
    }

    void look_forward(int slot) {
        const TableMaterial& m = m_group[static_cast<std::size_t>(slot)];
        const std::uint32_t size = packed_table_size(m);
        for (std::uint32_t index = 0; index < size; ++index) {
            const auto squares = packed_squares(m, index);
            if (!squares) continue;
            const std::uint32_t id = m_base[static_cast<std::size_t>(slot)] + index;
            Node& n = m_nodes[id];
            n.flags = VALID;
            const BoardArray board = packed_board(m, *squares);
            m_state.board = board;
            m_state.counts = count_pieces(board);
            m_state.ply = 1;
            const int count = generate_moves(m_state, WHITE);
            if (count == 0) {
                schedule(id, 0);
                continue;
            }
            const Move* moves = m_state.list(1);
            const bool captures = moves[0].taken > 0;
            if (!captures) n.flags |= QUIET;
            for (int i = 0; i < count; ++i) {
                const Move& move = moves[i];
                const bool promotes = board[move.from] == WHITE_MAN && move.to <= 4;
                if (!captures && !promotes) {
                    ++n.remaining;
                    continue;
                }
                const BoardArray child = after_white_move(board, move);
                const PieceCounts c = count_pieces(child);
                if (c[BLACK_MAN] + c[BLACK_KING] == 0) {
                    n.win = 1;
                    continue;
                }
                const std::uint16_t d = solved_distance(child);
                if (d == NO_DISTANCE)
                    n.flags |= DRAW_EXIT;
                else if (d % 2 == 0)
                    n.win = std::min<std::uint16_t>(n.win, static_cast<std::uint16_t>(d + 1));
                else
                    n.longest =
                        std::max<std::uint16_t>(n.longest, static_cast<std::uint16_t>(d + 1));
            }
            if (n.win != NONE)
                schedule(id, n.win);
            else if (lost_for_sure(n))
                schedule(id, n.longest);
        }
    }

    void schedule(std::uint32_t node, std::uint16_t at) {
        if (m_buckets.size() <= at) m_buckets.resize(at + 1u);
        m_buckets[at].push_back(node);
    }

    static bool lost_for_sure(const Node& n) {
        return n.remaining == 0 && n.win == NONE && (n.flags & DRAW_EXIT) == 0;
    }

    // A position of the other slot from which Black's last move came: a quiet
    // position, since a side that can take must take.
    void reach_predecessor(const BoardArray& before, int mate, std::uint16_t d) {
        const auto position = packed_position(before, BLACK);
        const std::uint32_t index = packed_index(position->material, position->squares);
        const std::uint32_t id = m_base[static_cast<std::size_t>(mate)] + index;
        Node& p = m_nodes[id];
        if ((p.flags & QUIET) == 0 || distance(mate, index) != NO_DISTANCE) return;
        const auto next = static_cast<std::uint16_t>(d + 1);
        if (d % 2 == 0) {
            if (next < p.win) {
                p.win = next;
                schedule(id, next);
            }
            return;
        }
        p.longest = std::max(p.longest, next);
        --p.remaining;
        if (lost_for_sure(p)) schedule(id, p.longest);
    }

    // Black's quiet moves played backward: a king slides back along any
    // diagonal, a man steps back toward row 8.
    void walk_back(int slot, std::uint32_t index, std::uint16_t d) {
        const TableMaterial& m = m_group[static_cast<std::size_t>(slot)];
        const int mate = m_group.size() > 1 ? 1 - slot : slot;
        const BoardArray board = packed_board(m, *packed_squares(m, index));
        for (int s = 1; s <= NUM_SQUARES; ++s) {
            const std::uint8_t piece = board[s];
            if (piece != BLACK_MAN && piece != BLACK_KING) continue;
            for (int dir = 0; dir < 4; ++dir) {
                if (piece == BLACK_MAN && dir != UP_LEFT && dir != UP_RIGHT) continue;
                for (Square t = NEIGHBOUR[dir][s]; t != 0 && board[t] == EMPTY;
                     t = NEIGHBOUR[dir][t]) {
                    BoardArray before = board;
                    before[s] = EMPTY;
                    before[t] = piece;
                    reach_predecessor(before, mate, d);
                    if (piece == BLACK_MAN) break;
                }
            }
        }
    }

    // Ply by ply: a position is won at d + 1 as soon as a move reaches a loss
    // at d, and lost once every move reaches a win, at one more than the
    // longest of them: the shortest wins and the longest losses.
    void spread_results() {
        for (std::size_t d = 0; d < m_buckets.size(); ++d) {
            const std::vector<std::uint32_t> bucket = std::move(m_buckets[d]);
            for (std::uint32_t id : bucket) {
                const int slot = slot_of(id);
                const std::uint32_t index = id - m_base[static_cast<std::size_t>(slot)];
                std::uint16_t& result = distance(slot, index);
                if (result != NO_DISTANCE) continue;
                result = static_cast<std::uint16_t>(d);
                walk_back(slot, index, static_cast<std::uint16_t>(d));
            }
        }
    }

    std::vector<TableMaterial> m_group;
    std::vector<std::vector<std::uint16_t>>& m_tables;
    std::vector<std::uint32_t> m_base;
    std::vector<Node> m_nodes;
    std::vector<std::vector<std::uint32_t>> m_buckets;
    EngineState m_state;
};

} // namespace

SolvedEndings SolvedEndings::solve(int max_pieces, bool verbose) {
    SolvedEndings solved;
    solved.m_tables.resize(MATERIAL_KEYS);
    const auto start = std::chrono::steady_clock::now();
    for (const TableMaterial& m : solving_order(max_pieces)) {
        if (!solved.m_tables[material_key(m)].empty()) continue;
        std::vector<TableMaterial> group{m};
        if (!(m.swapped() == m)) group.push_back(m.swapped());
        GroupSolver(group, solved.m_tables).run();
        if (verbose) {
            const auto seconds =
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start);
            const std::string mate = group.size() > 1 ? packed_file_name(group[1]) : "";
            std::printf("solved %-12s %-12s %7.1f s\n", packed_file_name(m).c_str(), mate.c_str(),
                        seconds.count());
            std::fflush(stdout);
        }
    }
    return solved;
}

const std::vector<std::uint16_t>& SolvedEndings::distances(const TableMaterial& material) const {
    return m_tables[static_cast<std::size_t>(material_key(material))];
}

} // namespace selvako::tables
