#include "ui/i18n/shown_texts.h"

#include "engine/board.h"
#include "ui/board3d/themes_3d.h"
#include "ui/i18n/captions.h"

namespace selvako {

namespace {

constexpr Traductions TITLE = {"Selvako 3D, le jeu",   "Selvako 3D, the game",
                               "Selvako 3D, het spel", "Selvako 3D, o jogo",
                               "Selvako 3D, el juego", "Selvako 3D, il gioco"};
// The flat board is no 3D picture: its title leaves the "3D" out.
constexpr Traductions TITLE_2D = {"Selvako, le jeu",   "Selvako, the game", "Selvako, het spel",
                                  "Selvako, o jogo",   "Selvako, el juego", "Selvako, il gioco"};

} // namespace

QString shown_name(const PlayerName& name, int side, int langue) {
    const QString text = QString::fromLatin1(name_text(name).c_str()).trimmed();
    if (!text.isEmpty()) return text;
    return caption(side == WHITE ? "Nom_blancs" : "Nom_noirs", langue);
}

QString window_title(int langue, int board_shown) {
    if (board_shown < 0 || board_shown > THEME_COUNT) return texte(TITLE, langue);
    if (board_shown == 0)
        return texte(TITLE_2D, langue) + QStringLiteral(" \u2013 ") + caption("Damier2D1", langue);
    return texte(TITLE, langue) + QStringLiteral(" \u2013 ") +
           caption(THEMES_3D[static_cast<std::size_t>(board_shown - 1)].menu_item, langue);
}

} // namespace selvako
