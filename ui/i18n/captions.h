#pragma once
// Every caption of the window comes from one table keyed by the name of the
// component that shows it; texts composed while the program runs pick their
// wording when shown. The language is the index of the checked language item.

#include <QString>

#include <array>
#include <string_view>
#include <vector>

namespace selvako {

inline constexpr int FRANCAIS = 0;
inline constexpr int ENGLISH = 1;
inline constexpr int NEDERLANDS = 2;
inline constexpr int PORTUGUES = 3;
inline constexpr int ESPANOL = 4;
inline constexpr int ITALIANO = 5;
inline constexpr int LANGUAGE_COUNT = 6;

// A text in the six languages, in the order above; empty entries fall back to French.
using Traductions = std::array<std::string_view, LANGUAGE_COUNT>;

// The caption of component `key` (for instance "Fichier1") in language `langue`.
QString caption(std::string_view key, int langue);
QString texte(const Traductions& text, int langue);

// The keys of the translators' table, in its order.
std::vector<std::string_view> caption_keys();

} // namespace selvako
