#pragma once
// The evaluation taken apart so that the men tables, the tempo weights and
// the phase thresholds can be fitted to game results (the method chess
// programs call Texel tuning): each position's score is split into what these
// parameters decide and what they do not, so that a changed value is scored
// over hundreds of thousands of positions in a fraction of a second.
//
// What the parameters decide enters the score linearly but before the
// evaluation's clamps, so the clamps are applied again rather than assumed
// away; the model is built with the evaluation itself and checked against it
// position by position.

#include <array>
#include <cstdint>
#include <vector>

#include "eval/parameters.h"
#include "tools/tuning/training_games.h"

namespace selvako::tuning {

struct ModelPosition {
    float result = 0.5F;      // White's points
    std::int8_t view = 1;     // +1: scored for White (White to move), -1: for Black
    std::uint8_t table = 0;   // the men table and tempo weight in use
    bool clamp_45 = false;    // the early clamp applies
    std::int8_t tempo = 0;    // tempo count from the scored side's view
    std::int16_t before_45 = 0; // long diagonal, centre, wings and the kings' squares
    std::int16_t before_170 = 0; // opening wings, hanging piece
    std::int16_t after = 0;   // material, promotion and the endings' terms
    // The formation catalogues' terms, kept apart to measure their weights.
    std::int16_t back_rank = 0;
    std::int16_t man_safety = 0;
    std::int16_t breakthrough = 0;
    std::uint8_t men = 0;
    // +s: a white man reading table entry s; -s: a black man reading entry s.
    std::array<std::int8_t, 24> entries{};
};

// Factors on the terms of the formation catalogues; all 1 is the evaluation
// as it stands.
struct CatalogueScales {
    double back_rank = 1;
    double man_safety = 1;
    double breakthrough = 1;
};

// The score of a model position for the side it is scored for.
int model_score(const ModelPosition& m, const EvalParameters& p, const CatalogueScales& scales = {});

struct ModelSet {
    std::vector<ModelPosition> positions;
    int left_out = 0;   // endings the evaluation treats apart
    int mismatches = 0; // positions the model scored unlike the evaluation
};

// The positions that the model can score: king endings with their own
// adjustments (three kings against one, kings against kings, the quartered
// men-and-kings endings) are left out.
ModelSet build_model(const std::vector<TrainingPosition>& positions, const EvalParameters& p);

// Mean squared error between the results and 1 / (1 + exp(-k * score)),
// scores from White's side, over the fitted positions or, with `held_out`,
// over the tenth kept aside to see whether the fit carries over (blocks of
// consecutive positions, so that a game seldom falls on both sides).
double model_loss(const ModelSet& set, const EvalParameters& p, double k, bool held_out,
                  const CatalogueScales& scales = {});

// The k that best turns the current scores into results.
double fit_scale(const ModelSet& set, const EvalParameters& p);

// For each catalogue on its own (the others at 1), the factor from 0.25 to 2
// in steps of 0.05 that gives the lowest loss: how far the hand-set amounts
// of the back-rank, man-safety and breakthrough formations are from what the
// games say, as a whole.
CatalogueScales best_catalogue_scales(const ModelSet& set, const EvalParameters& p, double k);

struct FitReport {
    int passes = 0;
    int changed_values = 0;
    double loss_before = 0;
    double loss_after = 0;
};

// Local search (fitted positions only) on the men tables and tempo weights, one step at a time, a
// value kept only where it lowers the loss. Entries read by fewer than
// `minimum_positions` positions keep their value: too few games to judge.
// With `pull` above 0 each value is held toward the one it started from: a
// step is kept only when it lowers the mean loss by more than `pull` times
// the growth of its squared distance from the start.
FitReport fit_tables(const ModelSet& set, EvalParameters& p, double k, int minimum_positions,
                     double pull = 0);

} // namespace selvako::tuning

namespace selvako::tuning {

// Moves each phase threshold one step at a time while the loss falls,
// keeping t1 > t2 > t3 > 0. The model is rebuilt for every candidate, since a
// threshold changes which table and which terms apply. Returns the number of
// steps taken.
int fit_thresholds(const std::vector<TrainingPosition>& positions, EvalParameters& p, double k);

} // namespace selvako::tuning
