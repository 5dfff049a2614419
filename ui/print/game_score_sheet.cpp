#include "ui/print/game_score_sheet.h"

#include "files/pdn_file.h"
#include "files/print_layout.h"
#include "game/game_import.h"
#include "ui/i18n/shown_texts.h"

namespace selvako {

ScoreSheet game_score_sheet(const GameState& game, int langue) {
    ScoreSheet sheet;
    sheet.title = shown_name(game.nom_blanc, WHITE, langue) + QStringLiteral(" - ") +
                  shown_name(game.nom_noir, BLACK, langue);
    for (const std::string& line : score_sheet_lines(game.liste_coups.lines))
        sheet.lines << QString::fromStdString(line);
    // The result closes the sheet as it closes a game record.
    if (game.dernier_resultat != Outcome::none)
        sheet.lines << QString::fromStdString(pdn_result(game.dernier_resultat));
    // The game's last position, whichever ply is on show.
    const PlayedGame played = played_game(game);
    sheet.final_position = played.record[played.plies].board;
    return sheet;
}

} // namespace selvako
