#pragma once
// The words of the analysis: one line per analysed ply, comparing the move
// played with the engine's choice, and the two header lines. Scores are in
// hundredths of a man, as the user reads them.

#include <cstdint>
#include <string>
#include <vector>

#include "engine/board.h"
#include "engine/repertoire.h"

namespace selvako {

struct AnalysisLine {
    int ply = 0; // the position analysed; the move played from it is ply + 1
    PlayedMove played;
    PlayedMove best;
    int played_score = 0; // hundredths of a man, for the side that played
    int best_score = 0;
    // The played move was more than half a man worse than the best one.
    bool starred = false;
    // When starred: the reply the engine expects and its own next move (as
    // many as its principal variation holds).
    std::vector<PlayedMove> expected;
};

// The line of the position at `ply`: `S` the engine's root score there,
// `R` the root score of the position after the played move (for its own
// side to move). A best move equal to the played one gives both the same
// score; the played move is starred when it is more than half a man (100 in
// the engine's units, where a man is 200) worse, and then `pv` (the
// engine's line from this position) gives the expected continuation.
AnalysisLine judge_move(int ply, PlayedMove played, PlayedMove best, int S, int R,
                        const std::vector<PlayedMove>& pv);

// " 1 Blanc: joué : c3-d4; score :  0; meilleur : c3-d4; score :  0", with
// "*" in front and the expected continuation behind when starred. French,
// Portuguese and Spanish have their own words; the other languages read
// English.
std::string analysis_line_text(const AnalysisLine& line, std::uint8_t langue);

// The legend line and the notice line, in that order (French, Portuguese,
// else English).
std::vector<std::string> analysis_header(std::uint8_t langue);

} // namespace selvako
