#include "engine/repertoire.h"

#include <algorithm>
#include <cctype>
#include <sstream>
#include <string_view>
#include <utility>

#include "engine/file_reading.h"

namespace selvako {

namespace {

int digit(char c) {
    return (c >= '0' && c <= '9') ? c - '0' : -1;
}

// A square written in two characters, a leading space allowed (" 9", "22");
// anything that is not a number reads as 0, which is no square.
int two_char_number(char a, char b) {
    if (a == ' ') return std::max(digit(b), 0);
    if (digit(a) < 0) return 0;
    if (digit(b) < 0) return digit(a);
    return digit(a) * 10 + digit(b);
}

int one_char_number(char a) {
    return std::max(digit(a), 0);
}

bool valid_square(int s) {
    return s >= 1 && s <= NUM_SQUARES;
}

} // namespace

void sort_repertoire(RepertoireLines& lines) {
    std::stable_sort(lines.begin(), lines.end(), [](const std::string& a, const std::string& b) {
        return std::lexicographical_compare(
            a.begin(), a.end(), b.begin(), b.end(),
            [](unsigned char x, unsigned char y) { return std::tolower(x) < std::tolower(y); });
    });
}

std::optional<RepertoireLines> read_repertoire(const std::string& path, FileRefusal* refusal) {
    // A larger file is no repertoire, and sorting it would take the start-up
    // seconds and hundreds of megabytes.
    const FileBytesRead read = read_file_bytes(path, FileSize::at_most(MAX_REPERTOIRE_BYTES));
    if (!read.ok()) {
        if (refusal) *refusal = *read.refusal;
        return std::nullopt;
    }
    std::istringstream in(std::string(read.bytes.begin(), read.bytes.end()));
    RepertoireLines lines;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    if (in.bad()) return std::nullopt;
    sort_repertoire(lines);
    return lines;
}

namespace {

// One move of a line as the lookup reads it, from character i on: the
// from-square takes two characters and a separator unless a "-" or "x"
// follows its first digit; the to-square likewise unless a space follows its
// first digit, and a single last character is a one-digit square. Squares
// that are not numbers read as 0.
std::pair<int, int> read_move(std::string_view line, std::size_t& i) {
    const std::size_t len = line.size();
    // Reads past the end see a NUL, as the fixed buffer did.
    auto at = [&](std::size_t k) { return k < len ? line[k] : '\0'; };
    int from = 0;
    if (at(i + 1) == '-' || at(i + 1) == 'x') {
        from = one_char_number(at(i));
        i += 2;
    } else {
        from = two_char_number(at(i), at(i + 1));
        i += 3;
    }
    int to = 0;
    const std::size_t remaining = i < len ? len - i : 0;
    if (remaining == 1) {
        to = one_char_number(at(i));
        i += 1;
    } else if (remaining > 1) {
        if (at(i + 1) == ' ') {
            to = one_char_number(at(i));
            i += 2;
        } else {
            to = two_char_number(at(i), at(i + 1));
            i += 3;
        }
    }
    return {from, to};
}

std::string_view cut_line(const std::string& whole) {
    return std::string_view(whole).substr(0, std::min(whole.size(), MAX_LINE_CHARS));
}

} // namespace

std::vector<PlayedMove> repertoire_line_moves(const std::string& whole) {
    const std::string_view line = cut_line(whole);
    std::vector<PlayedMove> moves;
    for (std::size_t i = 0; i < line.size();) {
        const auto [from, to] = read_move(line, i);
        if (!valid_square(from) || !valid_square(to)) break;
        moves.push_back({static_cast<Square>(from), static_cast<Square>(to)});
    }
    return moves;
}

Candidates repertoire_lookup(const RepertoireLines& lines, std::span<const PlayedMove> history) {
    Candidates result;
    const std::size_t h = history.size();
    for (const std::string& whole : lines) {
        const std::string_view line = cut_line(whole);
        std::size_t i = 0;
        for (std::size_t n = 1; i < line.size() && n <= h + 1; ++n) {
            const auto [from, to] = read_move(line, i);
            if (n == h + 1 && valid_square(from) && valid_square(to) &&
                result.count < MAX_CANDIDATES) {
                const PlayedMove m{static_cast<Square>(from), static_cast<Square>(to)};
                const bool repeat = result.count > 0 &&
                                    result.moves[result.count - 1].from == m.from &&
                                    result.moves[result.count - 1].to == m.to;
                if (!repeat) result.moves[result.count++] = m;
            }
            if (n > h || history[n - 1].from != from || history[n - 1].to != to) break;
        }
    }
    return result;
}

} // namespace selvako
