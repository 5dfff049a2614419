#pragma once
// Every caption of the window comes from one table keyed by the name of the
// component that shows it; texts composed while the program runs pick their
// wording when shown. The language is the index of the checked language item.

#include <QString>

#include <string_view>
#include <vector>

#include "ui/i18n/languages.h"

namespace selvako {

// The caption of component `key` (for instance "Fichier1") in language `langue`.
QString caption(std::string_view key, int langue);
QString texte(const Traductions& text, int langue);

// The keys of the translators' table, in its order.
std::vector<std::string_view> caption_keys();

} // namespace selvako
