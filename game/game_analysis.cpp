#include "game/game_analysis.h"

#include <algorithm>

#include "engine/engine_state.h"
#include "engine/move_generation.h"
#include "game/game_state.h"
#include "search/search.h"

namespace selvako {

std::uint8_t side_to_move_at(const std::array<FicheCoup, HISTORY_PLIES>& record, int length,
                             std::uint8_t premier_trait, int ply) {
    const int last = std::clamp(length, 0, LAST_PLY);
    ply = std::clamp(ply, 0, last);
    if (ply < last) {
        const std::uint8_t mover = record[ply].board[record[ply + 1].from];
        if (is_white_piece(mover)) return WHITE;
        if (is_black_piece(mover)) return BLACK;
    }
    if (ply > 0) {
        const std::uint8_t moved = record[ply].board[record[ply].to];
        if (is_white_piece(moved)) return BLACK;
        if (is_black_piece(moved)) return WHITE;
    }
    return premier_trait;
}

bool GameAnalysis::start(const GameState& game) {
    m_record = game.historique;
    m_length = std::clamp(game.longueur_partie, 0, LAST_PLY);
    m_premier_trait = game.premier_trait;
    int shown = std::min<int>(game.num_demi_coup, m_length);
    m_lines.clear();
    ++m_revision;
    m_scores.fill(std::nullopt);
    m_first = true;
    m_first_score = 0;
    m_previous_score = 0;
    m_last = -1;
    if (shown == 0) {
        m_running = false;
        m_next = -1;
        return false;
    }

    EngineState work;
    work.allocate_move_lists();
    work.set_position(m_record[shown].board);
    if (generate_root_moves(work, side_to_move_at(m_record, m_length, m_premier_trait, shown)) ==
        0) {
        // The game ended here: no search can give this position a move, so
        // the last move played is judged by the result it reached.
        m_scores[static_cast<std::size_t>(shown)] = LOST_POSITION_SCORE;
        m_first_score = LOST_POSITION_SCORE;
        --shown;
    }
    m_start = shown;
    m_next = shown;
    m_running = true;
    return true;
}

void GameAnalysis::step(Engine& engine, const SearchLimits& limits) {
    if (!m_running || m_next < 0) {
        m_running = false;
        return;
    }
    const int k = m_next;
    const std::uint8_t side = side_to_move_at(m_record, m_length, m_premier_trait, k);
    const bool has_played = k < m_length && m_record[k + 1].from != 0;
    const PlayedMove played =
        has_played ? PlayedMove{m_record[k + 1].from, m_record[k + 1].to, m_record[k + 1].taken > 0}
                   : PlayedMove{};

    SearchRequest request;
    request.board = m_record[k].board;
    request.board[0] = SENTINEL;
    request.trait = side;
    request.num_demi_coup = static_cast<std::uint8_t>(k);
    // The played move is handed to the search so that it takes its score
    // from the position after it instead of searching it again.
    for (int p = 1; p <= std::min(k + 1, m_length); ++p)
        request.historique.push_back({m_record[p].from, m_record[p].to});
    request.limits = limits;
    request.limits.analysis = true;
    request.limits.demi_coup_depart = m_start;
    request.limits.previous_score = m_previous_score;
    request.limits.ponder = false;
    request.limits.repertoire = false;
    const SearchResult result = engine.search(request);
    // Thrown away for a command that could not wait: searched again next step.
    if (result.answer == SearchAnswer::discarded) return;

    const int R = m_first ? m_first_score : m_previous_score;
    int S = result.score;
    if (result.answer == SearchAnswer::no_move)
        S = LOST_POSITION_SCORE;
    else if (S == UNSEARCHED_SCORE)
        S = -R;

    PlayedMove best{};
    if (result.answer != SearchAnswer::no_move)
        best = {result.move.from, result.move.to, result.move.taken > 0};
    if (has_played) {
        std::vector<PlayedMove> pv;
        for (const Move& m : result.pv) pv.push_back({m.from, m.to, m.taken > 0});
        m_lines.insert(m_lines.begin(), judge_move(k, played, best, S, R, pv));
        ++m_revision;
    }
    m_scores[static_cast<std::size_t>(k)] = S;
    m_previous_score = S;
    m_first = false;
    m_last = k;
    m_next = k - 1;
    if (m_next < 0) m_running = false;
}

std::optional<int> GameAnalysis::scores_analyse(int ply) const {
    if (ply < 0 || ply >= HISTORY_PLIES) return std::nullopt;
    return m_scores[static_cast<std::size_t>(ply)];
}

} // namespace selvako
