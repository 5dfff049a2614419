// Writes the evaluation's default parameter file from its commented text
// table: make_default_parameters SOURCE.txt OUTPUT.par

#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "eval/parameters.h"
#include "files/engine_files.h"

namespace {

using namespace selvako;

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

int table_index(const std::string& name) {
    static const char* NAMES[NUM_SQUARE_TABLES] = {
        "opening_default",  "middle_default",  "pre_final",        "final",
        "variant1_opening", "variant1_middle", "variant2_opening", "variant2_middle"};
    for (int i = 0; i < NUM_SQUARE_TABLES; ++i)
        if (name == NAMES[i]) return i;
    return -1;
}

bool parse_table(Parser& p, const std::vector<std::string>& head, EvalParameters& params,
                 std::vector<bool>& seen) {
    // table NAME tempo N, then 8 rows of 4 values
    int tempo = 0;
    const int index = head.size() == 4 ? table_index(head[1]) : -1;
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

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: make_default_parameters SOURCE.txt OUTPUT.par\n";
        return 2;
    }
    std::ifstream in(argv[1]);
    if (!in) {
        std::cerr << "make_default_parameters: cannot read " << argv[1] << '\n';
        return 1;
    }
    Parser p;
    for (std::string text; std::getline(in, text);) {
        text = text.substr(0, text.find('#'));
        std::istringstream words(text);
        std::vector<std::string> line;
        for (std::string w; words >> w;) line.push_back(w);
        if (!line.empty()) p.lines.push_back(std::move(line));
    }
    EvalParameters params;
    if (!parse(p, params)) {
        std::cerr << "make_default_parameters: " << argv[1] << ": " << p.error << '\n';
        return 1;
    }
    ParameterImage image{};
    if (!save_parameter_file(params, image, argv[2])) {
        std::cerr << "make_default_parameters: " << FILE_OPEN_ERROR << ": " << argv[2] << '\n';
        return 1;
    }
    return 0;
}
