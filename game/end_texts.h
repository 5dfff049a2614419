#pragma once
// The sentences of the end of a game in the six interface languages
// (Français, English, Nederlands, Portugues, Español, Italiano), chosen by the
// language in force when the game ends.

#include <array>
#include <cstdint>
#include <string_view>

namespace selvako {

using EndText = std::array<std::string_view, 6>;

inline constexpr EndText MATCH_NUL = {"Match nul !", "Draw!",    "Remise!",
                                      "Empate!",     "¡Tablas!", "Patta!"};
inline constexpr EndText TEMPS_DEPASSE_SELVAKO = {
    "Temps dépassé, gain Selvako",  "Time over, Selvako wins",
    "Tijd voorbij, Selvako wint",   "Tempo esgotado, Selvako ganha",
    "Tiempo agotado, gana Selvako", "Tempo scaduto, vince Selvako"};
inline constexpr EndText TEMPS_DEPASSE_VOUS = {
    "Temps dépassé, vous gagnez", "Time over, you win",         "Tijd voorbij, u wint",
    "Tempo esgotado, você ganha", "Tiempo agotado, usted gana", "Tempo scaduto, hai vinto"};
inline constexpr EndText ABANDON = {"Vous abandonnez, gain Selvako", "You resign, Selvako wins",
                                    "U geeft op, Selvako wint",      "Você desiste, Selvako ganha",
                                    "Usted abandona, gana Selvako",  "Abbandoni, vince Selvako"};
// Follows the winner's name.
inline constexpr EndText GAGNE = {" gagne", " wins", " wint", " ganha", " gana", " vince"};
inline constexpr EndText GAIN_BLANCS = {"Gain des blancs",   "White wins",
                                        "Wit wint",          "As brancas ganham",
                                        "Ganan las blancas", "Vince il bianco"};
inline constexpr EndText GAIN_NOIRS = {"Gain des noirs",   "Black wins",       "Zwart wint",
                                       "As pretas ganham", "Ganan las negras", "Vince il nero"};
inline constexpr EndText SELVAKO_GAGNE = {
    "Désolé, Selvako a gagné",     "Sorry, Selvako has won",       "Helaas, Selvako heeft gewonnen",
    "Sinto muito, Selvako ganhou", "Lo siento, Selvako ha ganado", "Spiacente, Selvako ha vinto"};
inline constexpr EndText VOUS_GAGNEZ = {"Bravo, vous avez gagné", "Well done, you have won",
                                        "Bravo, u hebt gewonnen", "Parabéns, você ganhou",
                                        "Enhorabuena, ha ganado", "Bravo, hai vinto"};
// A rating before and after, printf-style, after the player's name.
inline constexpr EndText RATING_CHANGE = {" passe de %4d à %4d",    " goes from %4d to %4d",
                                          " gaat van %4d naar %4d", " passa de %4d a %4d",
                                          " pasa de %4d a %4d",     " passa da %4d a %4d"};

inline constexpr std::array<const EndText*, 10> ALL_END_TEXTS = {
    &MATCH_NUL,  &TEMPS_DEPASSE_SELVAKO, &TEMPS_DEPASSE_VOUS, &ABANDON,      &GAGNE, &GAIN_BLANCS,
    &GAIN_NOIRS, &SELVAKO_GAGNE,         &VOUS_GAGNEZ,        &RATING_CHANGE};

// The text in language `langue`, French for an index out of range.
inline std::string_view end_text(const EndText& text, std::uint8_t langue) {
    return text[langue < text.size() ? langue : 0];
}

} // namespace selvako
