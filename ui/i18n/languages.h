#pragma once
// The six interface languages and a text in all of them, without Qt: the
// wording shared by the window and selvako-cli builds on this.

#include <array>
#include <string_view>

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

constexpr std::string_view in_language(const Traductions& text, int langue) {
    if (langue > FRANCAIS && langue < LANGUAGE_COUNT && !text[langue].empty()) return text[langue];
    return text[FRANCAIS];
}

} // namespace selvako
