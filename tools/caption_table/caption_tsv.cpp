#include "caption_tsv.h"

#include <set>

namespace selvako {

namespace {

constexpr std::string_view HEADER = "key\tfr\ten\tnl\tpt\tes\tit";
constexpr std::string_view BLANK_ON_PURPOSE = "\"\"";

std::vector<std::string_view> split(std::string_view line, char separator) {
    std::vector<std::string_view> cells;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = line.find(separator, start);
        cells.push_back(line.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos) return cells;
        start = end + 1;
    }
}

bool is_key(std::string_view key) {
    if (key.empty()) return false;
    for (char c : key)
        if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
              c == '_' || c == '.'))
            return false;
    return true;
}

// Strict UTF-8: a caption that does not decode would show as garbage.
bool is_utf8(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        int follow = 0;
        if (c < 0x80)
            follow = 0;
        else if (c >= 0xC2 && c <= 0xDF)
            follow = 1;
        else if (c >= 0xE0 && c <= 0xEF)
            follow = 2;
        else if (c >= 0xF0 && c <= 0xF4)
            follow = 3;
        else
            return false;
        if (i + static_cast<std::size_t>(follow) >= s.size()) return false;
        for (int k = 1; k <= follow; ++k)
            if ((static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]) & 0xC0) != 0x80)
                return false;
        i += static_cast<std::size_t>(follow) + 1;
    }
    return true;
}

bool has_control_character(std::string_view s) {
    for (char c : s)
        if (static_cast<unsigned char>(c) < 0x20) return true;
    return false;
}

void escape_into(std::string& out, std::string_view s) {
    out += '"';
    for (char c : s) {
        if (c == '"' || c == '\\') out += '\\';
        out += c;
    }
    out += '"';
}

} // namespace

std::variant<std::vector<CaptionTsvRow>, CaptionTsvError> parse_caption_tsv(std::string_view text) {
    std::vector<CaptionTsvRow> rows;
    std::set<std::string, std::less<>> keys;
    const std::vector<std::string_view> lines = split(text, '\n');
    for (std::size_t n = 0; n < lines.size(); ++n) {
        const int line_number = static_cast<int>(n) + 1;
        std::string_view line = lines[n];
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (n == 0) {
            if (line != HEADER)
                return CaptionTsvError{line_number, "the first line must be the header \"key, "
                                                    "fr, en, nl, pt, es, it\" separated by tabs"};
            continue;
        }
        // The file ends with a newline, which leaves one empty piece.
        if (line.empty() && n + 1 == lines.size()) break;
        if (line.empty()) return CaptionTsvError{line_number, "empty line"};
        if (!is_utf8(line)) return CaptionTsvError{line_number, "not UTF-8"};
        const std::vector<std::string_view> cells = split(line, '\t');
        if (cells.size() != CAPTION_LANGUAGES + 1)
            return CaptionTsvError{line_number, "expected a key and 6 captions separated by "
                                                "tabs, found " +
                                                    std::to_string(cells.size()) + " cells"};
        if (!is_key(cells[0]))
            return CaptionTsvError{line_number, "the key must be letters, digits, '_' or '.'"};
        if (!keys.insert(std::string(cells[0])).second)
            return CaptionTsvError{line_number,
                                   "the key " + std::string(cells[0]) + " appears twice"};
        CaptionTsvRow row;
        row.key = std::string(cells[0]);
        for (std::size_t k = 0; k < CAPTION_LANGUAGES; ++k) {
            const std::string_view cell = cells[k + 1];
            if (cell.empty())
                return CaptionTsvError{line_number, "caption " + std::to_string(k + 1) + " of " +
                                                        row.key +
                                                        " is empty (write \"\" for a blank)"};
            if (has_control_character(cell))
                return CaptionTsvError{line_number, "control character in a caption"};
            row.text[k] = cell == BLANK_ON_PURPOSE ? std::string() : std::string(cell);
        }
        rows.push_back(std::move(row));
    }
    if (rows.empty()) return CaptionTsvError{1, "no caption rows"};
    return rows;
}

std::string caption_rows_source(const std::vector<CaptionTsvRow>& rows) {
    std::string out;
    for (const CaptionTsvRow& row : rows) {
        out += "{";
        escape_into(out, row.key);
        out += ", {";
        for (std::size_t k = 0; k < CAPTION_LANGUAGES; ++k) {
            if (k > 0) out += ", ";
            escape_into(out, row.text[k]);
        }
        out += "}},\n";
    }
    return out;
}

} // namespace selvako
