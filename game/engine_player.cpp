#include "game/engine_player.h"

#include <algorithm>

#include "files/game_file.h"
#include "game/move_time.h"
#include "search/search.h"
#include "search/time_budget.h"

namespace selvako {

SearchRequest position_request(const Position& now, const std::vector<Move>& moves) {
    SearchRequest request;
    request.board = now.board;
    request.trait = static_cast<std::uint8_t>(now.side_to_move);
    const std::size_t plies = std::min<std::size_t>(moves.size(), LAST_GAME_PLY);
    request.num_demi_coup = static_cast<std::uint8_t>(plies);
    for (std::size_t i = moves.size() - plies; i < moves.size(); ++i)
        request.historique.push_back({moves[i].from, moves[i].to});
    return request;
}

SearchRequest match_request(const MatchPosition& game, const MoveLimit& limit, bool repertoire) {
    SearchRequest request = position_request(game.now, game.moves);
    SearchLimits& limits = request.limits;
    // The repertoire follows games from the opening position only.
    const bool from_start = game.start.side_to_move == WHITE && game.start.board == start_position();
    limits.repertoire = repertoire && from_start;
    limits.budget_recherche = UNLIMITED_BUDGET;
    limits.temps_alloue = UNLIMITED_SECONDS;
    switch (limit.kind) {
    case MoveLimit::Kind::depth:
        limits.depth = static_cast<int>(std::clamp<std::int64_t>(limit.value, 1, MAX_ITERATION));
        break;
    case MoveLimit::Kind::nodes:
        break;
    case MoveLimit::Kind::time: {
        const auto seconds = static_cast<int>(std::max<std::int64_t>(1, (limit.value + 999) / 1000));
        limits.budget_recherche = budget_for_seconds(seconds, request.num_demi_coup);
        break;
    }
    }
    return request;
}

EnginePlayer::EnginePlayer(Engine& engine, MoveLimit limit, bool repertoire, MillisecondClock clock)
    : m_engine(engine), m_limit(limit), m_repertoire(repertoire), m_deadline(std::move(clock)) {}

void EnginePlayer::new_game() {
    m_engine.clear_table();
}

std::optional<Move> EnginePlayer::choose(const MatchPosition& game) {
    const SearchRequest request = match_request(game, m_limit, m_repertoire);
    m_deadline.start(m_limit.kind == MoveLimit::Kind::time ? m_limit.value : 0);
    if (m_limit.kind != MoveLimit::Kind::time) m_deadline.disarm();
    m_engine.on_poll = [this] {
        if (m_deadline.passed() ||
            (m_limit.kind == MoveLimit::Kind::nodes &&
             m_engine.nodes_so_far() >= static_cast<std::uint64_t>(m_limit.value)))
            m_engine.stop();
    };
    const SearchResult result = m_engine.search(request);
    m_engine.on_poll = nullptr;
    m_last_move_ms = m_deadline.elapsed_ms();
    if (result.answer == SearchAnswer::no_move || result.answer == SearchAnswer::discarded)
        return std::nullopt;
    return result.move;
}

} // namespace selvako
