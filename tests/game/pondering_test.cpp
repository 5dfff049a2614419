// Thinking on the human's time: a level of fixed depth thinks no deeper
// there than on its own time, and unchecking the option stops it at once.

#include <gtest/gtest.h>

#include <functional>

#include "engine/move_generation.h"
#include "game/game_controller.h"
#include "game/time_source_search_clock.h"
#include "tests/engine/temp_folder.h"

using namespace selvako;

namespace {

struct PollingObserver : GameObserver {
    int polls = 0;
    std::function<void()> during_search;
    // A search the code under test fails to bound ends here, so that the
    // test fails instead of running on.
    int give_up_after = 0;
    std::function<void()> give_up;
    void pass_wanted() override {}
    void process_events() override {
        ++polls;
        if (polls == give_up_after && give_up) give_up();
        if (during_search) {
            const auto run = std::move(during_search);
            during_search = nullptr;
            run();
        }
    }
};

class PonderingTest : public ::testing::Test {
  protected:
    PonderingTest()
        : search_clock(time), engine(search_clock, 7), controller(engine, time, view, folders()) {
        engine.load({SELVAKO_TEST_DATA_DIR, {}});
        controller.command(command::StartUp{});
        controller.command(command::SetOptions{options(true)});
        view.give_up = [this] { controller.command(command::StopThinking{}); };
    }

    GameFolders folders() { return {dir.path() / "points.dat"}; }

    GameOptions options(bool reflexion) const {
        GameOptions o = controller.options();
        o.reflexion_sur_temps_adverse = reflexion;
        // From the first move on the computer searches instead of reading its repertoire.
        o.repertoire = false;
        return o;
    }

    // The human plays his first legal move and the computer answers at once;
    // then, at `level`, the next pass thinks on the human's time while
    // `during` runs from its first poll.
    void ponder_once(const LevelParameters& level, std::function<void()> during = {}) {
        controller.command(command::SetLevel{LEVEL_ITEMS[1].parameters});
        EngineState work;
        work.set_position(controller.game().damier_affiche);
        ASSERT_GT(generate_root_moves(work, controller.game().trait()), 0);
        const Move move = work.list(1)[0];
        for (const Square s : {move.from, move.to}) {
            controller.command(command::SquareClicked{s});
            controller.boucle_jeu();
        }
        ASSERT_EQ(controller.game().num_demi_coup, 1);
        controller.boucle_jeu();
        ASSERT_EQ(controller.game().num_demi_coup, 2);
        controller.command(command::SetLevel{level});
        view.during_search = std::move(during);
        view.give_up_after = view.polls + 2000;
        controller.boucle_jeu();
        ASSERT_TRUE(controller.computer().reflexion);
        ASSERT_GT(controller.last_search().depth, 0);
    }

    selvako::testing::TempFolder dir;
    ManualTimeSource time{1'000'000};
    TimeSourceSearchClock search_clock;
    PollingObserver view;
    Engine engine;
    GameController controller;
};

class FixedDepthLevel : public PonderingTest, public ::testing::WithParamInterface<int> {};

TEST_P(FixedDepthLevel, ThinksNoDeeperOnTheHumansTimeThanOnItsOwn) {
    const LevelParameters level = LEVEL_ITEMS[static_cast<std::size_t>(GetParam())].parameters;
    ASSERT_GE(level.budget_recherche, 1);
    ASSERT_LE(level.budget_recherche, 5);
    ponder_once(level);
    EXPECT_EQ(controller.last_search().depth, level.budget_recherche + 1);
}

// "0 : Néophyte", "1 : Débutant" and "2 : Amateur".
INSTANTIATE_TEST_SUITE_P(NamedLevels, FixedDepthLevel, ::testing::Range(0, 3));

TEST_F(PonderingTest, TimedLevelIsBoundOnlyByTheHuman) {
    // Only the human stops it (here after 400 polls); until then it goes
    // deeper than any fixed level.
    std::function<void()> watch = [&] {
        if (view.polls < 400)
            view.during_search = watch;
        else
            controller.command(command::StopThinking{});
    };
    ponder_once(LEVEL_ITEMS[5].parameters, watch); // "5 : Excellence"
    EXPECT_GT(controller.last_search().depth, 6);
}

TEST_F(PonderingTest, UncheckingTheOptionStopsTheThinkingAtOnce) {
    int polls_at_uncheck = 0;
    ponder_once(LEVEL_ITEMS[5].parameters, [&] {
        polls_at_uncheck = view.polls;
        controller.command(command::SetOptions{options(false)});
    });
    ASSERT_GT(polls_at_uncheck, 0);
    EXPECT_LE(view.polls, polls_at_uncheck + 1);
    EXPECT_FALSE(controller.pondering());
}

} // namespace
