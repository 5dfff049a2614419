#include "tools/parameters/parameter_source.h"

#include <algorithm>
#include <cstdio>
#include <sstream>
#include <vector>

namespace selvako::parameters {

namespace {

constexpr const char* TABLE_NAMES[NUM_SQUARE_TABLES] = {
    "opening_default",  "middle_default",  "pre_final",        "final",
    "variant1_opening", "variant1_middle", "variant2_opening", "variant2_middle"};

std::vector<std::string> words_of(const std::string& line) {
    std::istringstream in(line.substr(0, line.find('#')));
    std::vector<std::string> words;
    for (std::string w; in >> w;) words.push_back(w);
    return words;
}

int table_named(const std::string& name) {
    for (int i = 0; i < NUM_SQUARE_TABLES; ++i)
        if (name == TABLE_NAMES[i]) return i;
    return -1;
}

std::string row_text(const SquareTable& table, int row) {
    // The value of a white man on square s (row 8 first) is entry 33 - s.
    const auto value = [&](int col) { return static_cast<int>(table[33 - (row * 4 + col + 1)]); };
    // The source's own layout, wider only when a value needs three digits.
    const bool wide = std::max({value(0), value(1), value(2), value(3)}) > 99;
    char text[32];
    std::snprintf(text, sizeof text, wide ? "%4d%4d%4d%4d" : "%4d%3d%3d%3d", value(0), value(1),
                  value(2), value(3));
    return text;
}

struct Parser {
    std::vector<std::vector<std::string>> lines; // comment-free, non-empty lines as words
    std::size_t at = 0;
    std::string error;

    bool fail(const std::string& message) {
        if (error.empty())
            error = "entry " + std::to_string(at) + " (comments and blank lines not counted)" +
                    ": " + message;
        return false;
    }
};

bool read_int(const std::string& word, int low, int high, int& out) {
    try {
        std::size_t used = 0;
        out = std::stoi(word, &used);
        return used == word.size() && out >= low && out <= high;
    } catch (...) {
        return false;
    }
}

bool parse_table(Parser& p, const std::vector<std::string>& head, EvalParameters& params,
                 std::vector<bool>& seen) {
    // table NAME tempo N, then 8 rows of 4 values
    int tempo = 0;
    const int index = head.size() == 4 ? table_named(head[1]) : -1;
    if (index < 0 || head[2] != "tempo" || !read_int(head[3], -128, 127, tempo))
        return p.fail("expected 'table NAME tempo N'");
    if (seen[index]) return p.fail("table " + head[1] + " given twice");
    seen[index] = true;
    params.tempo_weights[index] = static_cast<std::int8_t>(tempo);
    for (int row = 0; row < 8; ++row) {
        if (p.at >= p.lines.size() || p.lines[p.at].size() != 4)
            return p.fail("table " + head[1] + " needs 8 rows of 4 values");
        const auto& values = p.lines[p.at++];
        for (int col = 0; col < 4; ++col) {
            int v = 0;
            if (!read_int(values[col], 0, 255, v)) return p.fail("table value out of 0..255");
            // The value of a white man on square s is table entry 33 - s.
            const int square = row * 4 + col + 1;
            params.tables[index][33 - square] = static_cast<std::uint8_t>(v);
        }
    }
    return true;
}

bool parse_variant(Parser& p, const std::vector<std::string>& line, EvalParameters& params) {
    if (line.size() != 9 || (line[0] != "variant1" && line[0] != "variant2") ||
        (line[1] != "white" && line[1] != "black"))
        return p.fail("expected 'variantN white|black' and 7 squares");
    VariantSquares& squares =
        line[0] == "variant1"
            ? (line[1] == "white" ? params.variant1_white : params.variant1_black)
            : (line[1] == "white" ? params.variant2_white : params.variant2_black);
    for (int i = 0; i < 7; ++i) {
        int s = 0;
        if (!read_int(line[2 + i], 0, 32, s)) return p.fail("variant square out of 0..32");
        squares[i] = static_cast<std::int8_t>(s);
    }
    return true;
}

bool parse(Parser& p, EvalParameters& params) {
    std::vector<bool> seen(NUM_SQUARE_TABLES, false);
    bool thresholds = false;
    while (p.at < p.lines.size()) {
        const auto line = p.lines[p.at++];
        if (line[0] == "thresholds") {
            int t[3] = {};
            for (int i = 0; i < 3; ++i)
                if (line.size() != 4 || !read_int(line[1 + i], 0, 24, t[i]))
                    return p.fail("expected 'thresholds T1 T2 T3'");
            params.t1 = static_cast<std::int8_t>(t[0]);
            params.t2 = static_cast<std::int8_t>(t[1]);
            params.t3 = static_cast<std::int8_t>(t[2]);
            thresholds = true;
        } else if (line[0] == "table") {
            if (!parse_table(p, line, params, seen)) return false;
        } else if (!parse_variant(p, line, params)) {
            return false;
        }
    }
    for (int i = 0; i < NUM_SQUARE_TABLES; ++i)
        if (!seen[i]) return p.fail("a table is missing");
    if (!thresholds) return p.fail("the thresholds are missing");
    return true;
}

} // namespace

std::optional<EvalParameters> parse_parameter_source(const std::string& source,
                                                     std::string& error) {
    Parser p;
    std::istringstream in(source);
    for (std::string text; std::getline(in, text);) {
        auto line = words_of(text);
        if (!line.empty()) p.lines.push_back(std::move(line));
    }
    EvalParameters params;
    if (!parse(p, params)) {
        error = p.error;
        return std::nullopt;
    }
    return params;
}

std::optional<std::string> rewrite_parameter_source(const std::string& source,
                                                    const EvalParameters& p) {
    std::istringstream in(source);
    std::string out;
    int table = -1;
    int row = 0;
    int tables_seen = 0;
    bool thresholds_seen = false;
    for (std::string line; std::getline(in, line);) {
        const auto words = words_of(line);
        if (table >= 0 && !words.empty()) {
            int ignored = 0;
            for (const std::string& w : words)
                if (words.size() != 4 || !read_int(w, 0, 255, ignored)) return std::nullopt;
            out += row_text(p.tables[table], row) + '\n';
            if (++row == 8) table = -1;
            continue;
        }
        if (!words.empty() && words[0] == "thresholds") {
            out += "thresholds " + std::to_string(p.t1) + ' ' + std::to_string(p.t2) + ' ' +
                   std::to_string(p.t3) + '\n';
            thresholds_seen = true;
            continue;
        }
        if (!words.empty() && words[0] == "table") {
            if (words.size() != 4 || words[2] != "tempo") return std::nullopt;
            table = table_named(words[1]);
            if (table < 0) return std::nullopt;
            row = 0;
            ++tables_seen;
            out += "table " + words[1] + " tempo " + std::to_string(p.tempo_weights[table]) + '\n';
            continue;
        }
        out += line + '\n';
    }
    if (table >= 0 || tables_seen != NUM_SQUARE_TABLES || !thresholds_seen) return std::nullopt;
    return out;
}

} // namespace selvako::parameters
