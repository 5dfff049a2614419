#pragma once
// The texts the main window composes at run time: its title, its messages,
// the hints of its buttons and who is to move beside the clocks. The texts
// about files are in ui/i18n/file_texts.h.

#include "ui/i18n/captions.h"

namespace selvako {

inline constexpr Traductions ERREUR = {"Erreur", "Error", "Fout", "Erro", "Error", "Errore"};
inline constexpr Traductions ENTRAINEMENT = {"Entraînement", "Training",      "Training",
                                             "Treino",       "Entrenamiento", "Allenamento"};
inline constexpr Traductions JOUEURS_REPARES = {
    "Les fichiers joueurs.dat et points.dat ne concordent pas : un classement manquant ou "
    "illisible compte pour 1500 jusqu'à la prochaine écriture, qui les remet en accord.",
    "The files joueurs.dat and points.dat do not agree: a missing or unreadable rating counts "
    "as 1500 until they are next written, which puts them back in step.",
    "De bestanden joueurs.dat en points.dat komen niet overeen: een ontbrekende of onleesbare "
    "rating telt als 1500 tot ze opnieuw worden geschreven en weer kloppen.",
    "Os arquivos joueurs.dat e points.dat não concordam: uma pontuação ausente ou ilegível "
    "conta como 1500 até a próxima gravação, que os põe de acordo.",
    "Los archivos joueurs.dat y points.dat no concuerdan: una puntuación ausente o ilegible "
    "cuenta como 1500 hasta la próxima escritura, que los vuelve a poner de acuerdo.",
    "I file joueurs.dat e points.dat non concordano: un punteggio mancante o illeggibile "
    "vale 1500 fino alla prossima scrittura, che li rimette d'accordo."};
inline constexpr Traductions RELEVE_PLEIN = {
    "Le relevé de la partie est plein : la partie s'arrête nulle au 252e demi-coup.",
    "The score sheet is full: the game ends in a draw at ply 252.",
    "Het notatieformulier is vol: de partij eindigt in remise na halve zet 252.",
    "A súmula da partida está cheia: a partida termina empatada no 252º meio-lance.",
    "La planilla de la partida está llena: la partida termina en tablas en la media jugada 252.",
    "Il formulario della partita è pieno: la partita finisce patta alla semimossa 252."};
// Who plays the side to move, on its panel beside the clocks.
inline constexpr Traductions A_VOUS = {"À vous de jouer", "Your move",     "U bent aan zet",
                                       "Sua vez",         "Le toca jugar", "Tocca a te"};
inline constexpr Traductions AU_TRAIT = {"Au trait",  "To move", "Aan zet",
                                         "Com a vez", "Juega",   "Al tratto"};
inline constexpr Traductions SELVAKO_ATTEND = {
    "À vous ; Selvako attend", "Your move; Selvako waits", "Aan zet; Selvako wacht",
    "Sua vez; Selvako espera", "Le toca; Selvako espera",  "Tocca a te; Selvako aspetta"};
inline constexpr Traductions SELVAKO_JOUE = {"Selvako joue", "Selvako plays", "Selvako speelt",
                                             "Selvako joga", "Selvako juega", "Selvako gioca"};
inline constexpr Traductions PARTIE_TERMINEE = {"Partie terminée",   "Game over",
                                                "Partij afgelopen",  "Partida terminada",
                                                "Partida terminada", "Partita finita"};
inline constexpr Traductions NAVIGATION_HINTS[] = {
    {"Revenir au début", "Back to the start", "Terug naar het begin", "Voltar ao início",
     "Volver al inicio", "Torna all'inizio"},
    {"Reculer d'un coup", "One move back", "Eén zet terug", "Voltar um lance", "Una jugada atrás",
     "Indietro di una mossa"},
    {"Avancer d'un coup", "One move forward", "Eén zet vooruit", "Avançar um lance",
     "Una jugada adelante", "Avanti di una mossa"},
    {"Aller à la fin", "Go to the end", "Naar het einde", "Ir para o fim", "Ir al final",
     "Vai alla fine"}};
inline constexpr Traductions INVERSER_HINT = {"Inverser le damier", "Turn the board round",
                                              "Bord omdraaien",     "Inverter o tabuleiro",
                                              "Girar el tablero",   "Capovolgi la damiera"};
inline constexpr Traductions PRESSE_PAPIERS_ILLISIBLE = {
    "Le presse-papiers ne contient ni position FEN ni partie PDN lisible",
    "The clipboard holds no readable FEN position or PDN game",
    "Het klembord bevat geen leesbare FEN-stelling of PDN-partij",
    "A área de transferência não contém posição FEN nem partida PDN legível",
    "El portapapeles no contiene ninguna posición FEN ni partida PDN legible",
    "Gli appunti non contengono una posizione FEN né una partita PDN leggibile"};
inline constexpr Traductions IMPRESSION_IMPOSSIBLE = {
    "Impression impossible", "Printing failed",     "Afdrukken mislukt",
    "Falha na impressão",    "Impresión imposible", "Stampa non riuscita"};

} // namespace selvako
