// The tuner's model of the evaluation must score as the evaluation does, for
// the parameters it was built with and for any others, or the values it fits
// would be fitted to something the program never computes.

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "eval/evaluate.h"
#include "search/search_clock.h"
#include "tests/engine/random_games.h"
#include "tools/tuning/texel_model.h"

namespace selvako::tuning {
namespace {

EvalParameters default_parameters() {
    EvalParameters p;
    ParameterImage image{};
    EXPECT_TRUE(load_parameter_file(p, image, std::filesystem::path(SELVAKO_DATA_DIR) / "defaut.par"));
    return p;
}

// Positions of random games, every one of them (captures pending or not).
std::vector<TrainingPosition> random_positions(int games, int plies, unsigned seed) {
    std::vector<TrainingPosition> out;
    testing::play_random_games(
        games, seed,
        [&out](EngineState& st, int side) { out.push_back({Position{st.board, side}, 0.5}); },
        plies);
    return out;
}

EvalParameters other_parameters(const EvalParameters& base, std::mt19937& random) {
    EvalParameters p = base;
    std::uniform_int_distribution<int> value(0, 127), tempo(-20, 60);
    for (auto& table : p.tables)
        for (int e = 1; e <= 28; ++e) table[e] = static_cast<std::uint8_t>(value(random));
    for (auto& w : p.tempo_weights) w = static_cast<std::int8_t>(tempo(random));
    return p;
}

TEST(TuningModel, ScoresAsTheEvaluationForAnyTablesAndTempoWeights) {
    const EvalParameters p = default_parameters();
    const auto positions = random_positions(200, 120, 11);
    const ModelSet built = build_model(positions, p);
    EXPECT_EQ(built.mismatches, 0);
    EXPECT_EQ(built.positions.size() + static_cast<std::size_t>(built.left_out), positions.size());
    EXPECT_GT(built.positions.size(), positions.size() / 2);

    std::mt19937 random(5);
    for (int trial = 0; trial < 4; ++trial) {
        const EvalParameters q = other_parameters(p, random);
        // Built with q, the model is checked against the evaluation under q;
        // the one built with the default values must then give the same scores.
        const ModelSet reference = build_model(positions, q);
        ASSERT_EQ(reference.mismatches, 0);
        ASSERT_EQ(reference.positions.size(), built.positions.size());
        int differences = 0;
        for (std::size_t i = 0; i < built.positions.size(); ++i)
            differences += model_score(built.positions[i], q) !=
                           model_score(reference.positions[i], q);
        EXPECT_EQ(differences, 0) << "trial " << trial;
    }
}

TEST(TuningModel, LeavesOutTheEndingsScoredApart) {
    const EvalParameters p = default_parameters();
    const auto ending = [](const char* fen) {
        return TrainingPosition{*parse_fen(fen).position, 1.0};
    };
    const ModelSet set = build_model({ending("W:WKa1,Kc1,Ke1:BKh8,b6"), ending("W:WKa1,Kc1:BKh8,Kb8,Kd8,Kf8"),
                                      ending("W:WKa1,Kc1,c3:BKh8,Kf8,d6"), ending("W:WKa1,c3:Bd6")},
                                     p);
    EXPECT_EQ(set.left_out, 3);
    EXPECT_EQ(set.positions.size(), 1U);
}

// Results made from known tables: the fit, started elsewhere, must come
// closer to them, and the loss must fall.
TEST(TuningFit, MovesTheTablesTowardTheValuesThatMadeTheResults) {
    const EvalParameters start = default_parameters();
    EvalParameters truth = start;
    std::mt19937 random(3);
    std::uniform_int_distribution<int> shift(-25, 25);
    for (int e = 1; e <= 28; ++e)
        truth.tables[OPENING_DEFAULT][e] = static_cast<std::uint8_t>(
            std::clamp(start.tables[OPENING_DEFAULT][e] + shift(random), 0, 127));
    truth.tempo_weights[OPENING_DEFAULT] = 6;

    // Balanced openings only: material does not drown the tables there.
    auto positions = random_positions(3000, 14, 17);
    std::erase_if(positions, [](const TrainingPosition& t) {
        const PieceCounts c = count_pieces(t.position.board);
        return c[WHITE_MAN] != c[BLACK_MAN] || c[WHITE_KING] + c[BLACK_KING] > 0;
    });
    const double k = 0.01;
    const ModelSet truth_model = build_model(positions, truth);
    ASSERT_EQ(truth_model.mismatches, 0);
    for (std::size_t i = 0; i < positions.size(); ++i) {
        const ModelPosition& m = truth_model.positions[i];
        positions[i].result = 1.0 / (1.0 + std::exp(-k * m.view * model_score(m, truth)));
    }

    EvalParameters fitted = start;
    const ModelSet set = build_model(positions, start);
    const FitReport report = fit_tables(set, fitted, k, 50);
    EXPECT_LT(report.loss_after, report.loss_before / 4);
    EXPECT_GT(report.changed_values, 10);
    auto distance = [&truth](const EvalParameters& p) {
        int sum = std::abs(p.tempo_weights[OPENING_DEFAULT] - truth.tempo_weights[OPENING_DEFAULT]);
        for (int e = 1; e <= 28; ++e)
            sum += std::abs(p.tables[OPENING_DEFAULT][e] - truth.tables[OPENING_DEFAULT][e]);
        return sum;
    };
    EXPECT_LT(distance(fitted) * 2, distance(start));
    // The held-out positions, never fitted, gain too.
    EXPECT_LT(model_loss(set, fitted, k, true), model_loss(set, start, k, true));
}

// Results made with the back-rank amounts half as large again: the factor
// measured for that catalogue must say so, and leave the others at 1.
TEST(TuningFit, FindsTheFactorThatMadeACatalogueWeigh) {
    const EvalParameters p = default_parameters();
    const auto positions = random_positions(3000, 30, 23);
    const double k = 0.01;
    CatalogueScales truth;
    truth.back_rank = 1.5;
    ModelSet set = build_model(positions, p);
    for (ModelPosition& m : set.positions)
        m.result = static_cast<float>(1.0 / (1.0 + std::exp(-k * m.view * model_score(m, p, truth))));
    ASSERT_GT(set.positions.size(), 10000U);
    const CatalogueScales found = best_catalogue_scales(set, p, k);
    EXPECT_NEAR(found.back_rank, 1.5, 0.051);
    EXPECT_EQ(found.man_safety, 1.0);
    EXPECT_EQ(found.breakthrough, 1.0);
}

TEST(TrainingGames, QuietMeansNoCaptureForEitherSide) {
    EngineState work;
    work.allocate_move_lists();
    const auto quiet = [&work](const char* fen) {
        return is_quiet(work, *parse_fen(fen).position);
    };
    EXPECT_TRUE(quiet("W:Wc3,e3:Bd8,f8"));
    EXPECT_FALSE(quiet("W:Wc3:Bd4"));        // White to move takes
    EXPECT_FALSE(quiet("W:Wa1,c3:Bd4,h8"));  // White takes; Black would too
    EXPECT_FALSE(quiet("W:Wc3:Bd4,e5"));     // only Black, not to move, could take
}

TEST(TrainingGames, LinesRoundTripAndRefuseWhatTheyCannotRead) {
    const TrainingPosition position{*parse_fen("B:WKa1,c3,e3:Bd6,Kh8").position, 0.5};
    const auto back = parse_training_line(training_line(position));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->position.board, position.position.board);
    EXPECT_EQ(back->position.side_to_move, BLACK);
    EXPECT_EQ(back->result, 0.5);
    for (const char* bad : {"", "W:Wc3:Bd6", "W:Wc3:Bd6 2", "W:Wc3:Bd6 1.0", "X:Wc3:Bd6 1",
                            "W:Wc3:Bd6 0.5 1"})
        EXPECT_FALSE(parse_training_line(bad)) << bad;
}

TEST(TrainingGames, AGameGivesQuietPositionsWithItsResult) {
    SteadySearchClock clock;
    Engine engine(clock, 1);
    engine.load({SELVAKO_DATA_DIR, {}});
    std::mt19937 random(9);
    const auto positions = play_training_game(engine, random, TrainingGameSettings{2, 6});
    ASSERT_FALSE(positions.empty());
    EngineState work;
    work.allocate_move_lists();
    for (const TrainingPosition& t : positions) {
        EXPECT_TRUE(is_quiet(work, t.position));
        EXPECT_EQ(t.result, positions.front().result);
    }
    // Six random plies and a game at depth 2 do not end in a start position.
    EXPECT_NE(positions.front().position.board, start_position());
}

} // namespace
} // namespace selvako::tuning
