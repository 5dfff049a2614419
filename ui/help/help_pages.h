#pragma once
// Which help page the Aide menu opens: the page of the checked language when
// the program carries one, else the English page.

#include <QString>

namespace selvako {

enum class HelpBook { guide, rules };

// The two-letter code of a language index (fr, en, nl, pt, es, it), "fr" when out of range.
QString language_code(int langue);

// The page's file in `help_folder`, or an empty string when neither the
// language's page nor the English one is there.
QString help_page(const QString& help_folder, HelpBook book, int langue);

} // namespace selvako
