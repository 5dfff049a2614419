#include "tools/tuning/texel_model.h"

#include <algorithm>
#include <cmath>

#include "eval/evaluate.h"

namespace selvako::tuning {

namespace {

// The evaluation's two clamps (eval/evaluate.cpp keeps them private); the
// model's test compares scores with the evaluation and fails if they part.
constexpr int EARLY_CLAMP = 45;
constexpr int POSITIONAL_CLAMP = 170;
constexpr int HELD_OUT_BLOCK = 256;
constexpr int FIRST_ENTRY = 1;
constexpr int LAST_ENTRY = 28; // entries 29..32 are the crowning row, never read
constexpr int TABLE_HIGH = 127;
constexpr int TEMPO_LOW = -20;
constexpr int TEMPO_HIGH = 60;
constexpr int MAXIMUM_PASSES = 400;

bool held_out_index(std::size_t i) {
    return (i / HELD_OUT_BLOCK) % 10 == 0;
}

// The endings whose score the evaluation reworks after the sum.
bool treated_apart(const PieceCounts& c) {
    const int wm = c[WHITE_MAN], wk = c[WHITE_KING], bm = c[BLACK_MAN], bk = c[BLACK_KING];
    const int pieces = wm + wk + bm + bk;
    if (wk == 3 && wm == 0 && bm == 1 && bk == 1) return true;
    if (bk == 3 && bm == 0 && wm == 1 && wk == 1) return true;
    if (wm == 0 && bm == 0 && ((wk == 4 && bk == 2) || (wk == 2 && bk == 4))) return true;
    return pieces <= 7 && wm >= 1 && bm >= 1 && wk >= 2 && bk >= 2;
}

double predicted(int white_score, double k) {
    return 1.0 / (1.0 + std::exp(-k * white_score));
}

double squared_error(const ModelPosition& m, int side_score, double k) {
    const double e = m.result - predicted(m.view * side_score, k);
    return e * e;
}

int men_sum(const ModelPosition& m, const SquareTable& men) {
    int sum = 0;
    for (int i = 0; i < m.men; ++i)
        sum += m.entries[i] > 0 ? men[m.entries[i]] : -men[-m.entries[i]];
    return sum;
}

int scaled(int value, double scale) {
    return scale == 1 ? value : static_cast<int>(std::lround(value * scale));
}

int clamped_score(const ModelPosition& m, int variable, const CatalogueScales& scales = {}) {
    int positional = m.before_45 + variable;
    if (m.clamp_45) positional = std::clamp(positional, -EARLY_CLAMP, EARLY_CLAMP);
    positional += m.before_170 + scaled(m.back_rank, scales.back_rank) +
                  scaled(m.man_safety, scales.man_safety);
    positional = std::clamp(positional, -POSITIONAL_CLAMP, POSITIONAL_CLAMP);
    return m.after + scaled(m.breakthrough, scales.breakthrough) + positional;
}

int variable_part(const ModelPosition& m, const EvalParameters& p) {
    return m.view * men_sum(m, p.tables[m.table]) + p.tempo_weights[m.table] * m.tempo;
}

} // namespace

int model_score(const ModelPosition& m, const EvalParameters& p, const CatalogueScales& scales) {
    return clamped_score(m, variable_part(m, p), scales);
}

ModelSet build_model(const std::vector<TrainingPosition>& positions, const EvalParameters& p) {
    ModelSet set;
    set.positions.reserve(positions.size());
    EvalState eval;
    eval.parameters = p;
    EngineState st;
    for (const TrainingPosition& t : positions) {
        const int side = t.position.side_to_move;
        st.set_position(t.position.board);
        if (treated_apart(st.counts)) {
            ++set.left_out;
            continue;
        }
        // Twice, as a game that has stayed in this position's variant.
        prepare_evaluation(eval, st, side);
        prepare_evaluation(eval, st, side);
        st.ply = 2;
        const EvalBreakdown b = evaluate_breakdown(eval, st, side, -32000, 32000);

        ModelPosition m;
        m.result = static_cast<float>(t.result);
        m.view = side == WHITE ? 1 : -1;
        m.table = static_cast<std::uint8_t>(men_table_index(eval));
        m.clamp_45 = st.counts[WHITE_MAN] + st.counts[WHITE_KING] + st.counts[BLACK_MAN] +
                         st.counts[BLACK_KING] >
                     p.t3;
        m.tempo = static_cast<std::int8_t>(st.running_terms.tempo_count);
        for (int s = 1; s <= NUM_SQUARES; ++s) {
            if (t.position.board[s] == WHITE_MAN)
                m.entries[m.men++] = static_cast<std::int8_t>(mirror_square(s));
            else if (t.position.board[s] == BLACK_MAN)
                m.entries[m.men++] = static_cast<std::int8_t>(-s);
        }
        const int men = m.view * men_sum(m, p.tables[m.table]);
        m.before_45 =
            static_cast<std::int16_t>(b.long_diagonal + b.centre + b.wing_balance +
                                      b.square_tables - men);
        m.before_170 = static_cast<std::int16_t>(b.opening_wings + b.hanging_piece);
        m.after = static_cast<std::int16_t>(b.material + b.promotion + b.two_kings_ending +
                                            b.root_man_move);
        m.back_rank = static_cast<std::int16_t>(b.back_rank);
        m.man_safety = static_cast<std::int16_t>(b.man_safety);
        m.breakthrough = static_cast<std::int16_t>(b.breakthrough);
        if (model_score(m, p) != b.total) {
            ++set.mismatches;
            continue;
        }
        set.positions.push_back(m);
    }
    return set;
}

double model_loss(const ModelSet& set, const EvalParameters& p, double k, bool held_out,
                  const CatalogueScales& scales) {
    double sum = 0;
    std::size_t count = 0;
    for (std::size_t i = 0; i < set.positions.size(); ++i) {
        if (held_out_index(i) != held_out) continue;
        sum += squared_error(set.positions[i], model_score(set.positions[i], p, scales), k);
        ++count;
    }
    return count == 0 ? 0.0 : sum / static_cast<double>(count);
}

double fit_scale(const ModelSet& set, const EvalParameters& p) {
    // The loss has one minimum in k: golden-section search.
    double low = 0.0001, high = 0.05;
    const double ratio = (std::sqrt(5.0) - 1) / 2;
    for (int i = 0; i < 60; ++i) {
        const double a = high - ratio * (high - low), b = low + ratio * (high - low);
        if (model_loss(set, p, a, false) < model_loss(set, p, b, false))
            high = b;
        else
            low = a;
    }
    return (low + high) / 2;
}

CatalogueScales best_catalogue_scales(const ModelSet& set, const EvalParameters& p, double k) {
    CatalogueScales best;
    for (double CatalogueScales::*term : {&CatalogueScales::back_rank, &CatalogueScales::man_safety,
                                          &CatalogueScales::breakthrough}) {
        double lowest = model_loss(set, p, k, false);
        for (int step = 5; step <= 40; ++step) {
            CatalogueScales trial;
            trial.*term = step * 0.05;
            const double loss = model_loss(set, p, k, false, trial);
            if (loss < lowest) {
                lowest = loss;
                best.*term = trial.*term;
            }
        }
    }
    return best;
}

namespace {

// One tunable value: where it lives and which positions it moves by how much.
struct Parameter {
    int table = 0;
    int entry = 0; // 0: the table's tempo weight
    std::vector<std::pair<std::uint32_t, std::int8_t>> uses;
};

int value_of(const EvalParameters& p, const Parameter& parameter) {
    return parameter.entry == 0 ? p.tempo_weights[parameter.table]
                                : p.tables[parameter.table][parameter.entry];
}

void store(EvalParameters& p, const Parameter& parameter, int value) {
    if (parameter.entry == 0)
        p.tempo_weights[parameter.table] = static_cast<std::int8_t>(value);
    else
        p.tables[parameter.table][parameter.entry] = static_cast<std::uint8_t>(value);
}

std::vector<Parameter> parameters_of(const ModelSet& set) {
    std::vector<Parameter> all;
    for (int t = 0; t < NUM_SQUARE_TABLES; ++t) {
        all.push_back({t, 0, {}});
        for (int e = FIRST_ENTRY; e <= LAST_ENTRY; ++e) all.push_back({t, e, {}});
    }
    const auto at = [](int table, int entry) {
        return static_cast<std::size_t>(table * (LAST_ENTRY + 1) + entry);
    };
    for (std::size_t i = 0; i < set.positions.size(); ++i) {
        if (held_out_index(i)) continue;
        const ModelPosition& m = set.positions[i];
        const auto index = static_cast<std::uint32_t>(i);
        if (m.tempo != 0) all[at(m.table, 0)].uses.emplace_back(index, m.tempo);
        std::array<int, LAST_ENTRY + 1> count{};
        for (int j = 0; j < m.men; ++j) {
            const int e = std::abs(m.entries[j]);
            if (e >= FIRST_ENTRY && e <= LAST_ENTRY) count[e] += m.entries[j] > 0 ? 1 : -1;
        }
        for (int e = FIRST_ENTRY; e <= LAST_ENTRY; ++e)
            if (count[e] != 0)
                all[at(m.table, e)].uses.emplace_back(index,
                                                      static_cast<std::int8_t>(m.view * count[e]));
    }
    return all;
}

} // namespace

FitReport fit_tables(const ModelSet& set, EvalParameters& p, double k, int minimum_positions,
                     double pull) {
    FitReport report;
    report.loss_before = model_loss(set, p, k, false);
    std::vector<Parameter> parameters = parameters_of(set);
    std::erase_if(parameters, [minimum_positions](const Parameter& q) {
        return static_cast<int>(q.uses.size()) < minimum_positions;
    });
    const EvalParameters start = p;

    std::size_t fitted = 0;
    for (std::size_t i = 0; i < set.positions.size(); ++i) fitted += !held_out_index(i);
    std::vector<int> variable(set.positions.size());
    std::vector<double> error(set.positions.size());
    for (std::size_t i = 0; i < set.positions.size(); ++i) {
        variable[i] = variable_part(set.positions[i], p);
        error[i] = squared_error(set.positions[i], clamped_score(set.positions[i], variable[i]), k);
    }

    bool improved = true;
    while (improved && report.passes < MAXIMUM_PASSES) {
        improved = false;
        ++report.passes;
        for (const Parameter& q : parameters) {
            const int old_value = value_of(p, q);
            const int low = q.entry == 0 ? TEMPO_LOW : 0;
            const int high = q.entry == 0 ? TEMPO_HIGH : TABLE_HIGH;
            for (const int step : {1, -1}) {
                const int value = old_value + step;
                if (value < low || value > high) continue;
                double change = 0;
                for (const auto& [i, c] : q.uses)
                    change += squared_error(set.positions[i],
                                            clamped_score(set.positions[i], variable[i] + c * step),
                                            k) -
                              error[i];
                const int from_start = value - value_of(start, q);
                const int was_from_start = old_value - value_of(start, q);
                const double held = pull * (from_start * from_start - was_from_start * was_from_start);
                if (change / static_cast<double>(fitted) + held >= 0) continue;
                store(p, q, value);
                for (const auto& [i, c] : q.uses) {
                    variable[i] += c * step;
                    error[i] = squared_error(set.positions[i],
                                             clamped_score(set.positions[i], variable[i]), k);
                }
                improved = true;
                break;
            }
        }
    }
    for (const Parameter& q : parameters)
        if (value_of(start, q) != value_of(p, q)) ++report.changed_values;
    report.loss_after = model_loss(set, p, k, false);
    return report;
}

} // namespace selvako::tuning

namespace selvako::tuning {

int fit_thresholds(const std::vector<TrainingPosition>& positions, EvalParameters& p, double k) {
    double best = model_loss(build_model(positions, p), p, k, false);
    int steps = 0;
    bool improved = true;
    while (improved) {
        improved = false;
        for (std::int8_t EvalParameters::*t : {&EvalParameters::t1, &EvalParameters::t2,
                                               &EvalParameters::t3}) {
            for (const int step : {1, -1}) {
                EvalParameters trial = p;
                trial.*t = static_cast<std::int8_t>(trial.*t + step);
                if (!(trial.t1 > trial.t2 && trial.t2 > trial.t3 && trial.t3 > 0 && trial.t1 < 24))
                    continue;
                const double loss = model_loss(build_model(positions, trial), trial, k, false);
                if (loss >= best) continue;
                best = loss;
                p = trial;
                ++steps;
                improved = true;
                break;
            }
        }
    }
    return steps;
}

} // namespace selvako::tuning
