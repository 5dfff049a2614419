#include "game/match_statistics.h"

#include <cmath>

namespace selvako {

double elo_of_score(double score) {
    return -400.0 * std::log10(1.0 / score - 1.0);
}

double score_of_elo(double elo) {
    return 1.0 / (1.0 + std::pow(10.0, -elo / 400.0));
}

namespace {

struct Moments {
    double mean = 0.5;
    double variance = 0.0; // of one game's score
};

Moments moments(const MatchScore& score) {
    Moments m;
    const double n = score.games();
    if (n <= 0) return m;
    const double w = score.wins / n;
    const double d = score.draws / n;
    const double l = score.losses / n;
    m.mean = w + d / 2.0;
    m.variance = w * (1.0 - m.mean) * (1.0 - m.mean) + d * (0.5 - m.mean) * (0.5 - m.mean) +
                 l * m.mean * m.mean;
    return m;
}

std::optional<double> finite_elo(double score) {
    if (!(score > 0.0 && score < 1.0)) return std::nullopt;
    return elo_of_score(score);
}

} // namespace

EloEstimate estimate_elo(const MatchScore& score) {
    EloEstimate estimate;
    if (score.games() <= 0) return estimate;
    const Moments m = moments(score);
    estimate.score = m.mean;
    estimate.elo = finite_elo(m.mean);
    if (!estimate.elo) return estimate;
    constexpr double Z95 = 1.959963984540054;
    const double margin = Z95 * std::sqrt(m.variance / score.games());
    estimate.low = finite_elo(m.mean - margin);
    estimate.high = finite_elo(m.mean + margin);
    return estimate;
}

std::optional<SprtResult> sprt(const MatchScore& score, const SprtSettings& settings) {
    if (!(settings.alpha > 0.0 && settings.alpha <= 0.5 && settings.beta > 0.0 &&
          settings.beta <= 0.5 && settings.elo1 > settings.elo0))
        return std::nullopt;
    SprtResult result;
    result.lower = std::log(settings.beta / (1.0 - settings.alpha));
    result.upper = std::log((1.0 - settings.beta) / settings.alpha);
    const Moments m = moments(score);
    // Until both a result other than a draw and some spread exist, nothing is known.
    if (score.games() > 0 && m.variance > 0.0) {
        const double s0 = score_of_elo(settings.elo0);
        const double s1 = score_of_elo(settings.elo1);
        result.llr = (s1 - s0) * (2.0 * m.mean - s0 - s1) / (2.0 * m.variance / score.games());
    }
    if (result.llr >= result.upper)
        result.verdict = SprtVerdict::accept_h1;
    else if (result.llr <= result.lower)
        result.verdict = SprtVerdict::accept_h0;
    return result;
}

std::optional<SprtResult> SequentialTest::after(const MatchScore& score) {
    if (m_decided) return m_decided;
    const auto now = sprt(score, m_settings);
    if (now && now->verdict != SprtVerdict::continue_testing) m_decided = now;
    return now;
}

std::string verdict_text(SprtVerdict verdict) {
    switch (verdict) {
    case SprtVerdict::accept_h0: return "H0 accepted";
    case SprtVerdict::accept_h1: return "H1 accepted";
    case SprtVerdict::continue_testing: break;
    }
    return "continue";
}

} // namespace selvako
