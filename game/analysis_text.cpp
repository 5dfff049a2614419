#include "game/analysis_text.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>

namespace selvako {

namespace {

enum Langue : std::uint8_t {
    FRANCAIS = 0,
    ENGLISH = 1,
    NEDERLANDS = 2,
    PORTUGUES = 3,
    ESPANOL = 4
};

struct LineWords {
    const char* white;
    const char* black;
};

// printf formats of a line: move number, played from, to, score, best from,
// to, score.
LineWords line_formats(std::uint8_t langue) {
    switch (langue) {
    case FRANCAIS:
        return {"%2d Blanc: joué : %s-%s; score : %2d; meilleur : %s-%s; score : %2d",
                "%2d Noir : joué : %s-%s; score : %2d; meilleur : %s-%s; score : %2d"};
    case PORTUGUES:
        return {"%2d Brancas: jogou : %s-%s; valor : %2d; melhor : %s-%s; valor : %2d",
                "%2d Pretas : jogou : %s-%s; valor : %2d; melhor : %s-%s; valor : %2d"};
    case ESPANOL:
        return {"%2d Blancas: jogou : %s-%s; Puntuación : %2d; melhor : %s-%s; valor : %2d",
                "%2d Negras : jogou : %s-%s; Puntuación : %2d; melhor : %s-%s; valor : %2d"};
    default:
        return {"%2d White : played : %s-%s; score : %2d; best : %s-%s; score : %2d",
                "%2d Black : played : %s-%s; score : %2d; best : %s-%s; score : %2d"};
    }
}

const char* name(Square s) {
    return SQUARE_NAMES[s < BOARD_CELLS ? s : 0].data();
}

} // namespace

AnalysisLine judge_move(int ply, PlayedMove played, PlayedMove best, int S, int R,
                        const std::vector<PlayedMove>& pv) {
    if (best.from == 0) best.from = played.from;
    if (best.to == 0) best.to = played.to;
    if (best.from == played.from && best.to == played.to) R = -S;
    AnalysisLine line;
    line.ply = ply;
    line.played = played;
    line.best = best;
    line.played_score = -R / 2;
    line.best_score = S / 2;
    if (std::abs(S + R) > 100 && std::abs(S - R) < 60000) {
        line.starred = true;
        for (std::size_t p = 1; p < std::min<std::size_t>(3, pv.size()); ++p)
            line.expected.push_back(pv[p]);
    }
    return line;
}

std::string analysis_line_text(const AnalysisLine& line, std::uint8_t langue) {
    const LineWords words = line_formats(langue);
    const char* format = line.ply % 2 == 0 ? words.white : words.black;
    std::array<char, 256> buffer{};
    std::snprintf(buffer.data(), buffer.size(), format, line.ply / 2 + 1, name(line.played.from),
                  name(line.played.to), line.played_score, name(line.best.from), name(line.best.to),
                  line.best_score);
    std::string text = buffer.data();
    if (!line.starred) return text;
    text = "*" + text + " ->(";
    for (const PlayedMove& m : line.expected)
        text += std::string(" ") + name(m.from) + "-" + name(m.to);
    text += " ....)";
    return text;
}

std::vector<std::string> analysis_header(std::uint8_t langue) {
    switch (langue) {
    case FRANCAIS:
        return {"+100 gagne un pion ; -100 perd un pion ; * en début de ligne indique qu'il y "
                "avait un bien meilleur coup",
                "(ne pas prendre en compte le dernier coup et les premiers). Attendre quelques "
                "secondes - Analyse en cours"};
    case PORTUGUES:
        return {"+100 ganha uma peça ; -100 perde uma peça ; * no começo significa que existia "
                "um lance melhor",
                "(nao considerar a primeira nem a ultima linha). Espere alguns segundos- "
                "Analisando"};
    default:
        return {"+100 wins a man ; -100 loses a man ; * at the beginning means that there was a "
                "much better move",
                "(don't consider the last and the first moves). Wait a few seconds - Analysing"};
    }
}

} // namespace selvako
