#pragma once
// What a match's wins, draws and losses say about two players: the Elo
// difference with its 95 % interval, and a sequential probability ratio test
// of "elo1 better" against "elo0 better", as engine testers run them.
//
// The model is the logistic Elo curve (a score s means -400 log10(1/s - 1)
// Elo). The interval comes from the trinomial variance of one game's score
// (wins 1, draws 1/2, losses 0) around the mean, the normal approximation.
// The SPRT is the generalised one with the same normal approximation, as
// cutechess-cli and the chess testing frameworks compute it:
//   LLR = (s1 - s0) (2 s - s0 - s1) / (2 var / N)
// with s0, s1 the scores of elo0 and elo1 and var the variance of one game;
// it accepts H1 at log((1 - beta) / alpha) and H0 at log(beta / (1 - alpha)).

#include <optional>
#include <string>

namespace selvako {

struct MatchScore {
    int wins = 0;
    int draws = 0;
    int losses = 0;
    int games() const { return wins + draws + losses; }
};

struct EloEstimate {
    // Nothing where the score is 0 or 1 (the Elo is infinite), or no game.
    std::optional<double> elo;
    std::optional<double> low;  // 95 % interval
    std::optional<double> high;
    double score = 0.5;         // points per game
};

EloEstimate estimate_elo(const MatchScore& score);

// The Elo of a score per game in (0, 1); the score of an Elo difference.
double elo_of_score(double score);
double score_of_elo(double elo);

struct SprtSettings {
    double elo0 = 0.0;
    double elo1 = 5.0;
    double alpha = 0.05;
    double beta = 0.05;
};

enum class SprtVerdict { continue_testing, accept_h0, accept_h1 };

struct SprtResult {
    double llr = 0.0;
    double lower = 0.0; // accept H0 at or below
    double upper = 0.0; // accept H1 at or above
    SprtVerdict verdict = SprtVerdict::continue_testing;
};

// Returns nothing for settings that make no test: alpha or beta outside
// (0, 1/2], or elo1 not above elo0.
std::optional<SprtResult> sprt(const MatchScore& score, const SprtSettings& settings);

// The test run game by game, as a match that stops at the verdict runs it:
// it decides at the first score that crosses a bound, and the games already
// begun then, counted afterwards, cannot take that decision back.
class SequentialTest {
  public:
    explicit SequentialTest(const SprtSettings& settings) : m_settings(settings) {}
    // The decision once made, else the test of `score`; nothing for settings
    // that make no test.
    std::optional<SprtResult> after(const MatchScore& score);
    bool decided() const { return m_decided.has_value(); }

  private:
    SprtSettings m_settings;
    std::optional<SprtResult> m_decided;
};

// "H0 accepted", "H1 accepted", "continue".
std::string verdict_text(SprtVerdict verdict);

} // namespace selvako
