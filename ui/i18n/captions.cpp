#include "ui/i18n/captions.h"

#include <algorithm>
#include <array>

namespace selvako {

namespace {

struct CaptionRow {
    std::string_view key;
    Traductions text;
};

// The translators' table (captions.tsv), checked and compiled in at build
// time: every row has its six captions, and a blank one is blank on purpose.
constexpr CaptionRow TRANSLATED_CAPTIONS[] = {
#include "ui/i18n/caption_rows.inc"
};

// Rows added here by windows still being written, until they are carried into
// captions.tsv; a column left empty falls back to French. Add new rows at the
// end. The first row only keeps the table from being empty.
constexpr CaptionRow CAPTIONS[] = {
    {"", {}},
};

template <std::size_t N>
const CaptionRow* find_row(const CaptionRow (&table)[N], std::string_view key) {
    const auto* row = std::find_if(std::begin(table), std::end(table),
                                   [key](const CaptionRow& r) { return r.key == key; });
    return row == std::end(table) ? nullptr : row;
}

QString from_utf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

QString caption(std::string_view key, int langue) {
    if (key.empty()) return {};
    if (const CaptionRow* row = find_row(TRANSLATED_CAPTIONS, key)) {
        const int column = langue >= FRANCAIS && langue < LANGUAGE_COUNT ? langue : FRANCAIS;
        return from_utf8(row->text[static_cast<std::size_t>(column)]);
    }
    if (const CaptionRow* row = find_row(CAPTIONS, key)) return texte(row->text, langue);
    return from_utf8(key);
}

std::vector<std::string_view> caption_keys() {
    std::vector<std::string_view> keys;
    for (const CaptionRow& row : TRANSLATED_CAPTIONS) keys.push_back(row.key);
    return keys;
}

QString texte(const Traductions& text, int langue) {
    return from_utf8(in_language(text, langue));
}

} // namespace selvako
