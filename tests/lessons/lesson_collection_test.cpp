// The lessons and problems shipped in "Problemes": every one replays by the
// rules, the files the build wrote are the ones its source gives, and every
// problem's stated first move does what its text claims when the engine
// looks at each move of the position to the problem's depth.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/engine_state.h"
#include "engine/make_move.h"
#include "engine/move_generation.h"
#include "files/game_file.h"
#include "game/lessons.h"
#include "search/engine.h"
#include "search/time_budget.h"
#include "tools/lessons/lesson_source.h"
#include "../search/frozen_clock.h"

namespace selvako {
namespace {

using test::FrozenClock;

const std::filesystem::path SHIPPED = std::filesystem::path(SELVAKO_TEST_DATA_DIR) / "Problemes";

LessonSourceFile shipped_source() {
    const TextFileRead read = read_text_file(LESSON_SOURCE_FILE, 1 << 20);
    EXPECT_TRUE(read.ok());
    return parse_lesson_source(read.text);
}

// A man ahead with nothing to pay back; beyond FORCED the tables or the
// search saw the game to its end.
constexpr int WINNING = 200;
constexpr int FORCED = 30000;

class Judge {
  public:
    Judge() { EXPECT_TRUE(m_engine.load({SELVAKO_TEST_DATA_DIR, {}}).empty()); }

    // The score of `board` for `side` to move, searched `depth` plies. A
    // single legal move is played out rather than taken unsearched.
    int value(const BoardArray& board, int side, int depth) {
        SearchRequest request;
        request.board = board;
        request.trait = static_cast<std::uint8_t>(side);
        request.limits.budget_recherche = UNLIMITED_BUDGET;
        request.limits.temps_alloue = UNLIMITED_SECONDS;
        request.limits.repertoire = false;
        request.limits.depth = std::max(depth, 1);
        const SearchResult result = m_engine.search(request);
        if (result.answer == SearchAnswer::no_move) return -32000;
        if (result.answer == SearchAnswer::single_move)
            return -value(after(board, side, 0), side ^ 1, depth - 1);
        return result.score;
    }

    // The position after root move `index` of `side`.
    static BoardArray after(const BoardArray& board, int side, int index) {
        EngineState work;
        work.allocate_move_lists();
        work.set_position(board);
        generate_root_moves(work, side);
        make_move(work, work.list(1)[index]);
        return work.board;
    }

    static int root_moves(const BoardArray& board, int side) {
        EngineState work;
        work.allocate_move_lists();
        work.set_position(board);
        return generate_root_moves(work, side);
    }

  private:
    FrozenClock m_clock;
    Engine m_engine{m_clock, 1};
};

bool same_position(BoardArray a, BoardArray b) {
    a[0] = b[0] = 0;
    return a == b;
}

TEST(LessonCollection, EveryEntryReplaysAndTheBuildWroteItAsTheSourceSays) {
    const LessonSourceFile source = shipped_source();
    ASSERT_TRUE(source.error.empty()) << source.error;
    int problems = 0;
    for (const LessonSource& lesson : source.lessons) {
        problems += lesson.problem;
        const BuiltLesson built = build_lesson(lesson);
        ASSERT_TRUE(built.error.empty()) << lesson.name << ": " << built.error;
        EXPECT_EQ(built.played, static_cast<int>(lesson.moves.size())) << lesson.name;

        const auto path = SHIPPED / (lesson.name + ".dam");
        const auto read = read_game_file(path, GameFileUse::lesson);
        ASSERT_TRUE(read) << path;
        EXPECT_EQ(encode_game_file(*read), encode_game_file(built.image)) << lesson.name;
        EXPECT_EQ(read->historique[0].board[0], lesson.moves.size()) << lesson.name;
        EXPECT_EQ(read->num_demi_coup, 0) << lesson.name;

        const TextFileRead text = read_text_file(lesson_text(path), 1 << 20);
        ASSERT_TRUE(text.ok()) << lesson_text(path);
        EXPECT_EQ(text.text, lesson_text_file(lesson));
        EXPECT_NE(text.text.find(lesson.french.front()), std::string::npos);
        EXPECT_NE(text.text.find(lesson.english.front()), std::string::npos);
    }
    EXPECT_GE(source.lessons.size(), 20u);
    EXPECT_GE(problems, 5);
    EXPECT_EQ(lesson_files(SHIPPED).size(), source.lessons.size());
}

TEST(LessonCollection, EveryProblemsSolutionDoesWhatItsTextClaims) {
    const LessonSourceFile source = shipped_source();
    ASSERT_TRUE(source.error.empty()) << source.error;
    Judge judge;
    for (const LessonSource& problem : source.lessons) {
        if (!problem.problem) continue;
        LessonSource first_move = problem;
        first_move.moves.resize(1);
        const BoardArray solution = build_lesson(first_move).image.historique[1].board;
        const BoardArray& start = problem.start.board;

        int solution_value = 0;
        std::vector<int> others;
        const int count = Judge::root_moves(start, WHITE);
        ASSERT_GT(count, 1) << problem.name << ": a problem offers a choice";
        for (int i = 0; i < count; ++i) {
            const BoardArray child = Judge::after(start, WHITE, i);
            const int value = -judge.value(child, BLACK, problem.depth - 1);
            if (same_position(child, solution))
                solution_value = value;
            else
                others.push_back(value);
        }
        ASSERT_EQ(others.size(), static_cast<std::size_t>(count - 1)) << problem.name;
        if (problem.goal == LessonGoal::wins) {
            EXPECT_GE(solution_value, WINNING) << problem.name;
            for (int other : others) EXPECT_GE(solution_value, other) << problem.name;
        } else {
            EXPECT_GT(solution_value, -WINNING) << problem.name << " holds";
            for (int other : others) EXPECT_LE(other, -FORCED) << problem.name << " loses";
        }
    }
}

} // namespace
} // namespace selvako
