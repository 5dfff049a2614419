#include "ui/i18n/fen_fault_text.h"

#include "ui/i18n/languages.h"

namespace selvako {

namespace {

// %1 the text, square or side at fault.
constexpr Traductions NO_COLON = {
    "il manque « : » après le camp au trait", "missing ':' after the side to move",
    "':' ontbreekt na de kleur aan zet",      "falta ':' depois do lado que joga",
    "falta ':' tras el bando que juega",      "manca ':' dopo la parte al tratto"};
constexpr Traductions BAD_SIDE = {
    "camp au trait « %1 » inconnu (W ou B)",    "bad side letter '%1' (W or B)",
    "onbekende kleur aan zet '%1' (W of B)",    "lado que joga '%1' desconhecido (W ou B)",
    "bando que juega '%1' desconocido (W o B)", "parte al tratto '%1' sconosciuta (W o B)"};
constexpr Traductions EMPTY_SECTION = {"liste vide (W<cases> ou B<cases> attendu)",
                                       "empty section (expected W<squares> or B<squares>)",
                                       "lege lijst (W<velden> of B<velden> verwacht)",
                                       "lista vazia (esperado W<casas> ou B<casas>)",
                                       "lista vacía (se espera W<casillas> o B<casillas>)",
                                       "lista vuota (atteso W<case> o B<case>)"};
constexpr Traductions BAD_LIST_SIDE = {
    "la liste « %1 » ne commence ni par W ni par B", "the list '%1' starts with neither W nor B",
    "de lijst '%1' begint niet met W of B",          "a lista '%1' não começa por W nem por B",
    "la lista '%1' no empieza por W ni por B",       "la lista '%1' non inizia né con W né con B"};
constexpr Traductions SIDE_TWICE = {"les %1 sont donnés deux fois", "%1 listed twice",
                                    "%1 staat er twee keer",        "as %1 aparecem duas vezes",
                                    "las %1 aparecen dos veces",    "il %1 compare due volte"};
constexpr Traductions EMPTY_SQUARE = {
    "case vide dans la liste des %1",      "empty square in the list of %1",
    "leeg veld in de lijst van %1",        "casa vazia na lista das %1",
    "casilla vacía en la lista de las %1", "casa vuota nella lista del %1"};
constexpr Traductions BAD_RANGE = {
    "suite de cases « %1 » incorrecte",  "bad square range '%1'",
    "ongeldige reeks velden '%1'",       "intervalo de casas '%1' inválido",
    "rango de casillas '%1' incorrecto", "intervallo di case '%1' errato"};
constexpr Traductions UNKNOWN_SQUARE = {"case « %1 » inconnue",     "unknown square '%1'",
                                        "onbekend veld '%1'",       "casa '%1' desconhecida",
                                        "casilla '%1' desconocida", "casa '%1' sconosciuta"};
constexpr Traductions SQUARE_TWICE = {
    "la case %1 est donnée deux fois", "square %1 listed twice",
    "veld %1 staat er twee keer",      "a casa %1 aparece duas vezes",
    "la casilla %1 aparece dos veces", "la casa %1 compare due volte"};
constexpr Traductions TRAILING_COMMA = {"virgule en fin de liste dans « %1 »",
                                        "trailing ',' in '%1'",
                                        "komma aan het eind van '%1'",
                                        "vírgula no fim de '%1'",
                                        "coma al final de '%1'",
                                        "virgola in fondo a '%1'"};
constexpr Traductions SIDE_MISSING = {
    "il faut une liste W et une liste B",    "both W and B lists are needed",
    "een lijst W en een lijst B zijn nodig", "são precisas uma lista W e uma lista B",
    "hacen falta una lista W y una lista B", "servono una lista W e una lista B"};
constexpr Traductions TOO_MANY = {"les %1 ont plus de 12 pièces",   "%1 has more than 12 pieces",
                                  "%1 heeft meer dan 12 stukken",   "as %1 têm mais de 12 pedras",
                                  "las %1 tienen más de 12 fichas", "il %1 ha più di 12 pedine"};
constexpr Traductions PROMOTION_ROW = {
    "pion sur sa ligne de promotion en %1", "man on its promotion row at %1",
    "schijf op zijn promotierij op %1",     "pedra na sua linha de promoção em %1",
    "peón en su fila de coronación en %1",  "pedina sulla sua riga di promozione in %1"};
constexpr Traductions WHITE_SIDE = {"Blancs", "White", "Wit", "brancas", "blancas", "Bianco"};
constexpr Traductions BLACK_SIDE = {"Noirs", "Black", "Zwart", "pretas", "negras", "Nero"};

const Traductions& wording(FenFault fault) {
    switch (fault) {
    case FenFault::none:
    case FenFault::no_colon:
        return NO_COLON;
    case FenFault::bad_side:
        return BAD_SIDE;
    case FenFault::empty_section:
        return EMPTY_SECTION;
    case FenFault::bad_list_side:
        return BAD_LIST_SIDE;
    case FenFault::side_twice:
        return SIDE_TWICE;
    case FenFault::empty_square:
        return EMPTY_SQUARE;
    case FenFault::bad_range:
        return BAD_RANGE;
    case FenFault::unknown_square:
        return UNKNOWN_SQUARE;
    case FenFault::square_twice:
        return SQUARE_TWICE;
    case FenFault::trailing_comma:
        return TRAILING_COMMA;
    case FenFault::side_missing:
        return SIDE_MISSING;
    case FenFault::too_many_pieces:
        return TOO_MANY;
    case FenFault::promotion_row:
        return PROMOTION_ROW;
    }
    return NO_COLON;
}

bool names_a_side(FenFault fault) {
    return fault == FenFault::side_twice || fault == FenFault::empty_square ||
           fault == FenFault::too_many_pieces;
}

} // namespace

std::string fen_fault_text(FenFault fault, const std::string& where, int langue) {
    std::string text(in_language(wording(fault), langue));
    const std::string value =
        names_a_side(fault)
            ? std::string(in_language(where == "B" ? BLACK_SIDE : WHITE_SIDE, langue))
            : where;
    const auto at = text.find("%1");
    if (at != std::string::npos) text.replace(at, 2, value);
    return text;
}

} // namespace selvako
