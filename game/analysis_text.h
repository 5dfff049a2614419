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

// " 1 Blanc: joué : c3-d4; score :  0; meilleur : c3-d4; score :  0", with
// "*" in front and the expected continuation behind when starred. French,
// Portuguese and Spanish have their own words; the other languages read
// English.
std::string analysis_line_text(const AnalysisLine& line, std::uint8_t langue);

// The legend line and the notice line, in that order (French, Portuguese,
// else English).
std::vector<std::string> analysis_header(std::uint8_t langue);

} // namespace selvako
