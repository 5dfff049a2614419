#include "ui/i18n/file_refusal_text.h"

#include "ui/i18n/languages.h"

namespace selvako {

namespace {

// %1 the file's size in bytes, %2 the size the format takes, %3 a ply.
constexpr Traductions INTROUVABLE = {"fichier introuvable",   "no such file",
                                     "bestand niet gevonden", "arquivo não encontrado",
                                     "archivo no encontrado", "file non trovato"};
constexpr Traductions PAS_ORDINAIRE = {"ce n'est pas un fichier ordinaire",
                                       "not a regular file",
                                       "geen gewoon bestand",
                                       "não é um arquivo comum",
                                       "no es un archivo normal",
                                       "non è un file normale"};
constexpr Traductions ILLISIBLE = {
    "lecture refusée par le système",   "the system refused to read it",
    "het systeem weigert het te lezen", "o sistema recusou a leitura",
    "el sistema rechazó la lectura",    "il sistema ne ha rifiutato la lettura"};
constexpr Traductions TROP_GRAND = {"plus grand que %2 (%1 octets)", "larger than %2 (%1 bytes)",
                                    "groter dan %2 (%1 bytes)",      "maior que %2 (%1 bytes)",
                                    "mayor que %2 (%1 bytes)",       "più grande di %2 (%1 byte)"};
constexpr Traductions MAUVAISE_TAILLE = {"%1 octets au lieu de %2",   "%1 bytes instead of %2",
                                         "%1 bytes in plaats van %2", "%1 bytes em vez de %2",
                                         "%1 bytes en lugar de %2",   "%1 byte invece di %2"};
constexpr Traductions PAS_CE_FORMAT = {
    "ce n'est pas un fichier de ce type", "not a file of this kind",
    "geen bestand van dit soort",         "não é um arquivo deste tipo",
    "no es un archivo de este tipo",      "non è un file di questo tipo"};
constexpr Traductions CORROMPU = {"fichier corrompu (son contenu ne passe pas le contrôle)",
                                  "corrupt (its contents fail their check)",
                                  "beschadigd (de inhoud klopt niet)",
                                  "arquivo corrompido (o conteúdo falha na verificação)",
                                  "archivo dañado (su contenido no pasa la comprobación)",
                                  "file danneggiato (il contenuto non supera il controllo)"};
constexpr Traductions TRAIT_INCOHERENT = {
    "le trait ne correspond pas à la partie au demi-coup %3",
    "side to move does not match the record at ply %3",
    "de speler aan zet klopt niet met de partij bij halve zet %3",
    "a vez de jogar não corresponde à partida no meio-lance %3",
    "el turno no corresponde a la partida en la media jugada %3",
    "il tratto non corrisponde alla partita alla semimossa %3"};
constexpr Traductions COUP_ILLEGAL = {
    "le coup du demi-coup %3 ne mène pas de sa position à la suivante",
    "the move at ply %3 does not lead from its board to the next",
    "de zet bij halve zet %3 leidt niet van zijn stelling naar de volgende",
    "o lance do meio-lance %3 não leva da sua posição à seguinte",
    "la jugada de la media jugada %3 no lleva de su posición a la siguiente",
    "la mossa della semimossa %3 non porta dalla sua posizione alla successiva"};
constexpr Traductions PENDULE_HORS_LIMITES = {
    "pendule hors limites au demi-coup %3",       "clock out of range at ply %3",
    "klok buiten bereik bij halve zet %3",        "relógio fora dos limites no meio-lance %3",
    "reloj fuera de rango en la media jugada %3", "orologio fuori limite alla semimossa %3"};
constexpr Traductions REGLAGES_HORS_LIMITES = {
    "réglages hors limites (niveau, temps, langue ou tables)",
    "settings out of range (level, times, language or tables)",
    "instellingen buiten bereik (niveau, tijden, taal of tabellen)",
    "ajustes fora dos limites (nível, tempos, idioma ou tabelas)",
    "ajustes fuera de rango (nivel, tiempos, idioma o tablas)",
    "impostazioni fuori limite (livello, tempi, lingua o tabelle)"};
constexpr Traductions AUCUNE_PARTIE = {"aucune partie lisible",   "no game in it",
                                       "geen leesbare partij",    "nenhuma partida legível",
                                       "ninguna partida legible", "nessuna partita leggibile"};

const Traductions& reason_text(FileProblem problem) {
    switch (problem) {
    case FileProblem::missing:
        return INTROUVABLE;
    case FileProblem::not_regular:
        return PAS_ORDINAIRE;
    case FileProblem::unreadable:
        return ILLISIBLE;
    case FileProblem::too_large:
        return TROP_GRAND;
    case FileProblem::wrong_size:
    case FileProblem::too_short:
        return MAUVAISE_TAILLE;
    case FileProblem::not_this_format:
        return PAS_CE_FORMAT;
    case FileProblem::corrupt:
        return CORROMPU;
    case FileProblem::side_to_move:
        return TRAIT_INCOHERENT;
    case FileProblem::move_not_legal:
        return COUP_ILLEGAL;
    case FileProblem::clock_out_of_range:
        return PENDULE_HORS_LIMITES;
    case FileProblem::settings_out_of_range:
        return REGLAGES_HORS_LIMITES;
    case FileProblem::no_game:
        return AUCUNE_PARTIE;
    }
    return ILLISIBLE;
}

// 16 MiB rather than 16777216: a cap in whole mebibytes reads better so.
std::string size_words(std::uintmax_t bytes, bool cap) {
    if (cap && bytes >= (1u << 20) && bytes % (1u << 20) == 0)
        return std::to_string(bytes >> 20) + " MiB";
    return std::to_string(bytes) + (cap ? " B" : "");
}

void replace(std::string& text, std::string_view mark, const std::string& value) {
    for (std::size_t at = text.find(mark); at != std::string::npos;
         at = text.find(mark, at + value.size()))
        text.replace(at, mark.size(), value);
}

} // namespace

std::string refusal_reason(const FileRefusal& refusal, int langue) {
    std::string text(in_language(reason_text(refusal.problem), langue));
    replace(text, "%1", std::to_string(refusal.size));
    const bool cap = refusal.problem == FileProblem::too_large;
    replace(text, "%2", cap ? size_words(refusal.limit, true) : std::to_string(refusal.limit));
    replace(text, "%3", std::to_string(refusal.ply));
    return text;
}

std::string refusal_text(const FileRefusal& refusal, int langue) {
    // French sets a space before the colon.
    const char* colon = langue == FRANCAIS ? " : " : ": ";
    return refusal.path.string() + colon + refusal_reason(refusal, langue);
}

} // namespace selvako
