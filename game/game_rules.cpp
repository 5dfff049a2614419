#include "game/game_rules.h"

#include "engine/move_generation.h"
#include "files/game_file.h"

namespace selvako {

namespace {

constexpr int FIRST_STAGNATION_PLY = 251;
constexpr int STAGNATION_SPAN = 60;
constexpr std::int16_t LAST_UNDECIDED_SCORE = 19999;

bool has_pieces(const BoardArray& board, int side) {
    const PieceCounts counts = count_pieces(board);
    return side == WHITE ? counts[WHITE_MAN] + counts[WHITE_KING] > 0
                         : counts[BLACK_MAN] + counts[BLACK_KING] > 0;
}

} // namespace

std::string_view game_end_text(GameEnd end) {
    switch (end) {
    case GameEnd::none: return "unfinished";
    case GameEnd::no_moves: return "no-moves";
    case GameEnd::record_full: return "record-full";
    case GameEnd::repetition: return "repetition";
    case GameEnd::quiet_kings: return "quiet-kings";
    case GameEnd::stagnation: return "stagnation";
    case GameEnd::draw_agreed: return "draw-agreed";
    case GameEnd::time: return "time";
    case GameEnd::resignation: return "resignation";
    case GameEnd::illegal_move: return "illegal-move";
    case GameEnd::no_answer: return "no-answer";
    }
    return "?";
}

Outcome game_end_outcome(GameEnd end, int loser) {
    switch (end) {
    case GameEnd::none:
        return Outcome::none;
    case GameEnd::no_moves:
    case GameEnd::time:
    case GameEnd::resignation:
    case GameEnd::illegal_move:
    case GameEnd::no_answer:
        return loser == WHITE ? Outcome::black_won : Outcome::white_won;
    case GameEnd::record_full:
    case GameEnd::repetition:
    case GameEnd::quiet_kings:
    case GameEnd::stagnation:
    case GameEnd::draw_agreed:
        break;
    }
    return Outcome::draw;
}

GameEnd position_end(EngineState& work, const BoardArray& board, int side, int plies,
                     int* legal_count) {
    int count = 0;
    if (has_pieces(board, side)) {
        work.set_position(board);
        count = generate_root_moves(work, side);
    }
    if (legal_count) *legal_count = count;
    if (count == 0) return GameEnd::no_moves;
    if (plies >= LAST_GAME_PLY) return GameEnd::record_full;
    return GameEnd::none;
}

void Adjudicator::start(const Position& position) {
    m_seen.clear();
    m_quiet_plies = 0;
    note(position);
}

void Adjudicator::played(const BoardArray& before, const Move& move, const Position& now) {
    const bool man_moved = !is_king(before[move.from]);
    m_quiet_plies = move.taken > 0 || man_moved ? 0 : m_quiet_plies + 1;
    note(now);
}

void Adjudicator::note(const Position& position) {
    m_last_seen_count = ++m_seen[{position.board, position.side_to_move}];
}

GameEnd Adjudicator::verdict() const {
    if (m_rules.repetition && m_last_seen_count >= 3) return GameEnd::repetition;
    if (m_rules.quiet_kings && m_quiet_plies >= QUIET_PLIES_FOR_DRAW) return GameEnd::quiet_kings;
    return GameEnd::none;
}

bool stagnation_draw(std::uint8_t num_demi_coup, std::span<const std::int32_t> material_by_ply,
                     std::int16_t last_score) {
    const int ply = num_demi_coup;
    if (ply < FIRST_STAGNATION_PLY || static_cast<std::size_t>(ply) >= material_by_ply.size())
        return false;
    if (last_score < -LAST_UNDECIDED_SCORE || last_score > LAST_UNDECIDED_SCORE) return false;
    return material_by_ply[ply] == material_by_ply[ply - STAGNATION_SPAN];
}

} // namespace selvako
