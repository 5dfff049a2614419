#include "game/learning.h"

#include "files/engine_files.h"
#include "game/game_analysis.h"
#include "search/engine_tables.h"

namespace selvako {

LearningMaterial learning_material(const BoardArray& board) {
    LearningMaterial m;
    for (int s = 1; s <= NUM_SQUARES; ++s) {
        switch (board[s]) {
        case WHITE_MAN:
            m.white += 3;
            break;
        case WHITE_KING:
            m.white += 1;
            break;
        case BLACK_MAN:
            m.black += 3;
            break;
        case BLACK_KING:
            m.black += 1;
            break;
        default:
            break;
        }
    }
    return m;
}

bool worth_learning(const BoardArray& final_position, int plies) {
    const LearningMaterial m = learning_material(final_position);
    return m.black < m.white + 3 && m.white - 3 < m.black && plies > 20;
}

LearnOutcome can_learn(const GameAnalysis& analysis) {
    const int last = analysis.length();
    if (!worth_learning(analysis.record(last).board, last)) return LearnOutcome::not_worth_it;
    if (!analysis.scores_analyse(last)) return LearnOutcome::not_analysed;
    return LearnOutcome::learned;
}

LearnOutcome Apprendreposition(Engine& engine, const GameAnalysis& analysis,
                               const std::filesystem::path& lesson_file) {
    if (const LearnOutcome ready = can_learn(analysis); ready != LearnOutcome::learned)
        return ready;
    const int last = analysis.length();
    BoardArray board = analysis.record(last).board;
    board[0] = SENTINEL;
    const PositionKeys keys = engine.learned_keys(board);
    const std::uint8_t side = analysis.side_to_move(last);
    const int score = *analysis.scores_analyse(last);

    LearnedTable taught = engine.tables().learned;
    taught.learn_position(keys.index, keys.check, side, static_cast<std::int16_t>(score));
    if (!save_learned(lesson_file, taught)) return LearnOutcome::write_failed;
    engine.tables().learned = std::move(taught);
    return LearnOutcome::learned;
}

} // namespace selvako
