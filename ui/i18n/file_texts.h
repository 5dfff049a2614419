#pragma once
// The texts every window shows about files, one wording for all of them.

#include "ui/i18n/captions.h"

namespace selvako {

inline constexpr Traductions IMPOSSIBLE_OUVRIR = {
    "Impossible d'ouvrir ce fichier", "Cannot open this file",
    "Kan dit bestand niet openen",    "Não é possível abrir este arquivo",
    "No se puede abrir este archivo", "Impossibile aprire questo file"};
inline constexpr Traductions IMAGES_INTROUVABLES = {
    "Images du damier introuvables :",      "Board pictures not found:",
    "Afbeeldingen van het bord ontbreken:", "Imagens do tabuleiro não encontradas:",
    "Imágenes del tablero no encontradas:", "Immagini della damiera non trovate:"};
inline constexpr Traductions FILTRE_PARTIES = {
    "Fichiers Selvako (*.dam *.DAM)",  "Selvako files (*.dam *.DAM)",
    "Selvako-bestanden (*.dam *.DAM)", "Arquivos Selvako (*.dam *.DAM)",
    "Archivos Selvako (*.dam *.DAM)",  "File Selvako (*.dam *.DAM)"};
inline constexpr Traductions IMPOSSIBLE_ECRIRE = {
    "Impossible d'écrire ce fichier",    "Cannot write this file",
    "Kan dit bestand niet schrijven",    "Não é possível gravar este arquivo",
    "No se puede escribir este archivo", "Impossibile scrivere questo file"};
inline constexpr Traductions LECONS_FILTRE = {"parameters (*.dal)", "lessons (*.dal)",
                                              "lessen (*.dal)",     "lições (*.dal)",
                                              "lecciones (*.dal)",  "lezioni (*.dal)"};
inline constexpr Traductions FILTRE_OUVERTURES = {
    "Fichiers d'ouvertures (*.ovv)", "Opening files (*.ovv)",         "Openingsbestanden (*.ovv)",
    "Arquivos de aberturas (*.ovv)", "Archivos de aperturas (*.ovv)", "File di aperture (*.ovv)"};
inline constexpr Traductions FILTRE_PARAMETRES = {"paramètres (*.par)", "parameters (*.par)",
                                                  "parameters (*.par)", "parâmetros (*.par)",
                                                  "parámetros (*.par)", "parametri (*.par)"};
inline constexpr Traductions FILTRE_ECRITURE = {
    "Fichiers texte (*.txt *.TXT);;Fichiers PDN (*.pdn *.PDN)",
    "Text files (*.txt *.TXT);;PDN files (*.pdn *.PDN)",
    "Tekstbestanden (*.txt *.TXT);;PDN-bestanden (*.pdn *.PDN)",
    "Arquivos de texto (*.txt *.TXT);;Arquivos PDN (*.pdn *.PDN)",
    "Archivos de texto (*.txt *.TXT);;Archivos PDN (*.pdn *.PDN)",
    "File di testo (*.txt *.TXT);;File PDN (*.pdn *.PDN)"};
inline constexpr Traductions FILTRE_LECTURE = {
    "Fichiers texte (*.txt *.TXT);;Fichiers doc (*.doc *.DOC);;Fichiers PDN (*.pdn *.PDN)",
    "Text files (*.txt *.TXT);;Doc files (*.doc *.DOC);;PDN files (*.pdn *.PDN)",
    "Tekstbestanden (*.txt *.TXT);;Doc-bestanden (*.doc *.DOC);;PDN-bestanden (*.pdn *.PDN)",
    "Arquivos de texto (*.txt *.TXT);;Arquivos doc (*.doc *.DOC);;Arquivos PDN (*.pdn *.PDN)",
    "Archivos de texto (*.txt *.TXT);;Archivos doc (*.doc *.DOC);;Archivos PDN (*.pdn *.PDN)",
    "File di testo (*.txt *.TXT);;File doc (*.doc *.DOC);;File PDN (*.pdn *.PDN)"};

} // namespace selvako
