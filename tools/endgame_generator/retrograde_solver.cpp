#include "tools/endgame_generator/retrograde_solver.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "engine/make_move.h"
#include "engine/move_generation.h"

namespace selvako::tables {

namespace {

// A table and the table of the same material with the other side to move: a
// move that neither captures nor promotes leads from one to the other, so they
// are solved together. An ending whose sides have the same pieces is its own mate.
struct Group {
    std::vector<int> tables;
    int pieces = 0;
    int men = 0;
};

// Every capture removes a piece and every promotion removes a man, so a group
// leads only to groups of fewer pieces or, with as many pieces, fewer men.
std::vector<Group> solving_order() {
    std::vector<Group> groups;
    std::array<bool, NUM_ENDGAME_TABLES> placed{};
    for (int t = 0; t < NUM_ENDGAME_TABLES; ++t) {
        if (placed[t]) continue;
        const TableMaterial m = TABLE_LAYOUTS[t].material();
        const int mate = find_table(m.swapped());
        if (mate < 0) {
            std::fprintf(stderr, "endgame_generator: %s has no table for the other side to move\n",
                         TABLE_LAYOUTS[t].file_name.data());
            std::exit(1);
        }
        Group g{{t}, m.pieces(), m.men()};
        if (mate != t) g.tables.push_back(mate);
        placed[t] = placed[mate] = true;
        groups.push_back(g);
    }
    std::stable_sort(groups.begin(), groups.end(), [](const Group& a, const Group& b) {
        return a.pieces != b.pieces ? a.pieces < b.pieces : a.men < b.men;
    });
    return groups;
}

constexpr std::uint16_t NONE = 0xFFFF;

// What is known of a position's moves while its group is solved.
struct Node {
    std::uint16_t exit_win = NONE; // shortest win through a capture or promotion
    std::uint16_t longest = 0;     // longest loss through the moves seen so far
    std::uint8_t remaining = 0;    // moves inside the group not yet known to lose
    bool draw_exit = false;
    bool can_move = false;
    bool valid = false;
};

class GroupSolver {
  public:
    GroupSolver(const Group& group, SolvedTables& solved,
                std::array<bool, NUM_ENDGAME_TABLES>& done)
        : m_group(group), m_solved(solved), m_done(done) {
        std::uint32_t base = 0;
        for (int t : group.tables) {
            m_base.push_back(base);
            base += TABLE_LAYOUTS[t].size;
        }
        m_nodes.resize(base);
        m_state.allocate_move_lists();
        m_state.ordering_enabled = false;
    }

    void run() {
        build_graph();
        spread_results();
        for (int t : m_group.tables) m_done[t] = true;
    }

  private:
    int group_slot(int table) const {
        for (std::size_t k = 0; k < m_group.tables.size(); ++k)
            if (m_group.tables[k] == table) return static_cast<int>(k);
        return -1;
    }

    std::uint16_t& distance(std::uint32_t node) {
        std::size_t k = m_base.size() - 1;
        while (m_base[k] > node) --k;
        return m_solved.distance[m_group.tables[k]][node - m_base[k]];
    }

    // Follows one move of White (the side to move in table orientation) from
    // the position now on the board.
    void follow_move(std::uint32_t node, int index, std::vector<std::uint32_t>& targets) {
        Node& n = m_nodes[node];
        make_move(m_state, index);
        const PieceCounts& c = m_state.counts;
        if (c[BLACK_MAN] + c[BLACK_KING] == 0) {
            n.exit_win = 1;
            return;
        }
        const auto entry = locate_position(m_state.board, c, BLACK);
        if (!entry) {
            std::fprintf(stderr, "endgame_generator: a move leads out of the tables\n");
            std::exit(1);
        }
        const int slot = group_slot(entry->table);
        if (slot >= 0) {
            targets.push_back(m_base[slot] + entry->offset);
            ++n.remaining;
            return;
        }
        if (!m_done[entry->table]) {
            std::fprintf(stderr, "endgame_generator: %s is needed before it is solved\n",
                         TABLE_LAYOUTS[entry->table].file_name.data());
            std::exit(1);
        }
        const std::uint16_t d = m_solved.distance[entry->table][entry->offset];
        if (d == NO_RESULT)
            n.draw_exit = true;
        else if (d % 2 == 0)
            n.exit_win = std::min<std::uint16_t>(n.exit_win, static_cast<std::uint16_t>(d + 1));
        else
            n.longest = std::max<std::uint16_t>(n.longest, static_cast<std::uint16_t>(d + 1));
    }

    void build_graph() {
        std::vector<std::uint32_t> forward_start(m_nodes.size() + 1, 0);
        std::vector<std::uint32_t> forward;
        for (std::size_t k = 0; k < m_group.tables.size(); ++k) {
            const int table = m_group.tables[k];
            const TableLayout& layout = TABLE_LAYOUTS[table];
            m_solved.distance[table].assign(layout.size, NO_RESULT);
            for (std::uint32_t offset = 0; offset < layout.size; ++offset) {
                const std::uint32_t node = m_base[k] + offset;
                forward_start[node] = static_cast<std::uint32_t>(forward.size());
                const auto squares = table_squares(layout, offset);
                if (!squares || !position_can_occur(layout, *squares)) continue;
                Node& n = m_nodes[node];
                n.valid = true;
                m_state.set_position(table_board(layout, *squares));
                m_state.ply = 1;
                const int count = generate_moves(m_state, WHITE);
                n.can_move = count > 0;
                const BoardArray board = m_state.board;
                const PieceCounts counts = m_state.counts;
                for (int i = 0; i < count; ++i) {
                    follow_move(node, i, forward);
                    m_state.board = board;
                    m_state.counts = counts;
                }
            }
        }
        forward_start[m_nodes.size()] = static_cast<std::uint32_t>(forward.size());

        // Turn the graph around: for each position, the positions that move into it.
        m_back_start.assign(m_nodes.size() + 1, 0);
        for (std::uint32_t target : forward) ++m_back_start[target + 1];
        for (std::size_t i = 0; i < m_nodes.size(); ++i) m_back_start[i + 1] += m_back_start[i];
        m_back.resize(forward.size());
        std::vector<std::uint32_t> fill(m_back_start.begin(), m_back_start.end() - 1);
        for (std::uint32_t node = 0; node < m_nodes.size(); ++node)
            for (std::uint32_t e = forward_start[node]; e < forward_start[node + 1]; ++e)
                m_back[fill[forward[e]]++] = node;
    }

    void schedule(std::uint32_t node, std::uint16_t at) {
        if (m_buckets.size() <= at) m_buckets.resize(at + 1u);
        m_buckets[at].push_back(node);
    }

    // A position none of whose moves wins and none draws is lost at the
    // distance of its longest resistance.
    bool lost_for_sure(const Node& n) const {
        return n.remaining == 0 && n.exit_win == NONE && !n.draw_exit;
    }

    // Ply by ply: a position is won at d + 1 as soon as a move reaches a loss
    // at d, and lost once every move reaches a win, at one more than the
    // longest of them. Taking the plies in order gives the shortest wins and
    // the longest losses.
    void spread_results() {
        for (std::uint32_t node = 0; node < m_nodes.size(); ++node) {
            const Node& n = m_nodes[node];
            if (!n.valid) continue;
            if (!n.can_move)
                schedule(node, 0);
            else if (n.exit_win != NONE)
                schedule(node, n.exit_win);
            else if (lost_for_sure(n))
                schedule(node, n.longest);
        }
        for (std::size_t d = 0; d < m_buckets.size(); ++d) {
            const std::vector<std::uint32_t> bucket = std::move(m_buckets[d]);
            for (std::uint32_t node : bucket) {
                std::uint16_t& result = distance(node);
                if (result != NO_RESULT) continue;
                result = static_cast<std::uint16_t>(d);
                const auto next = static_cast<std::uint16_t>(d + 1);
                for (std::uint32_t e = m_back_start[node]; e < m_back_start[node + 1]; ++e) {
                    const std::uint32_t pred = m_back[e];
                    if (distance(pred) != NO_RESULT) continue;
                    if (d % 2 == 0) {
                        schedule(pred, next);
                        continue;
                    }
                    Node& p = m_nodes[pred];
                    p.longest = std::max(p.longest, next);
                    --p.remaining;
                    if (lost_for_sure(p)) schedule(pred, p.longest);
                }
            }
        }
    }

    const Group& m_group;
    SolvedTables& m_solved;
    std::array<bool, NUM_ENDGAME_TABLES>& m_done;
    std::vector<std::uint32_t> m_base;
    std::vector<Node> m_nodes;
    std::vector<std::uint32_t> m_back_start;
    std::vector<std::uint32_t> m_back;
    std::vector<std::vector<std::uint32_t>> m_buckets;
    EngineState m_state;
};

} // namespace

SolvedTables solve_all_tables() {
    SolvedTables solved;
    std::array<bool, NUM_ENDGAME_TABLES> done{};
    for (const Group& group : solving_order()) GroupSolver(group, solved, done).run();
    return solved;
}

} // namespace selvako::tables
