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

} // namespace selvako
