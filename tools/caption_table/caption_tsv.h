#pragma once
// The caption table as a translator edits it: a UTF-8 text file with a header
// line, then one line per component, its key and its caption in the six
// languages, separated by tabs. A cell holding only "" is a caption left blank
// on purpose; an empty cell is a mistake, as is any row that is not whole.

#include <array>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace selvako {

inline constexpr std::size_t CAPTION_LANGUAGES = 6;

struct CaptionTsvRow {
    std::string key;
    std::array<std::string, CAPTION_LANGUAGES> text;
};

struct CaptionTsvError {
    int line = 0; // 1-based line of the file
    std::string message;
};

// Reads the whole table, or says at which line it stops being trustworthy.
std::variant<std::vector<CaptionTsvRow>, CaptionTsvError> parse_caption_tsv(std::string_view text);

// The rows as C++ initialisers `{"key", {"fr", "en", ...}},`, one per line.
std::string caption_rows_source(const std::vector<CaptionTsvRow>& rows);

} // namespace selvako
