#include "tools/lessons/lesson_source.h"

#include <charconv>
#include <set>
#include <sstream>

#include "engine/engine_state.h"
#include "game/clocks.h"
#include "game/game_import.h"
#include "game/game_record.h"
#include "game/game_state.h"
#include "game/saved_game.h"
#include "game/time_source.h"

namespace selvako {

namespace {

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

bool valid_name(std::string_view name) {
    if (name.empty()) return false;
    for (char c : name)
        if (!((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_')) return false;
    return true;
}

std::string at_line(int line, const std::string& what) {
    return "line " + std::to_string(line) + ": " + what;
}

// What an entry must have once it is read whole.
std::string incomplete(const LessonSource& l) {
    if (l.french.empty() || l.english.empty()) return "a text in French and English";
    if (l.problem) {
        if (l.goal == LessonGoal::none) return "a goal (wins or holds)";
        if (l.depth < 1 || l.depth > 30) return "a depth from 1 to 30";
        if (l.moves.empty()) return "the solution's moves";
    }
    return {};
}

} // namespace

LessonSourceFile parse_lesson_source(std::string_view text) {
    LessonSourceFile file;
    std::set<std::string, std::less<>> names;
    bool has_fen = false;
    auto fail = [&file](int line, const std::string& what) {
        file.lessons.clear();
        file.error = at_line(line, what);
        return file;
    };
    auto finish = [&]() -> std::string {
        if (file.lessons.empty()) return {};
        if (!has_fen) return "no fen";
        return incomplete(file.lessons.back());
    };

    int number = 0;
    std::size_t pos = 0;
    while (pos <= text.size()) {
        const std::size_t end = std::min(text.find('\n', pos), text.size());
        const std::string_view line = trimmed(text.substr(pos, end - pos));
        pos = end + 1;
        ++number;
        if (line.empty() || line.front() == '#') continue;
        if (line.front() == '[') {
            if (line.back() != ']') return fail(number, "an entry's name ends with ]");
            if (const std::string missing = finish(); !missing.empty())
                return fail(file.lessons.back().line, "the entry lacks " + missing);
            const std::string name(line.substr(1, line.size() - 2));
            if (!valid_name(name)) return fail(number, "names use a-z, 0-9 and _ only");
            if (!names.insert(name).second)
                return fail(number, "the name " + name + " is used twice");
            file.lessons.push_back({});
            file.lessons.back().name = name;
            file.lessons.back().line = number;
            has_fen = false;
            continue;
        }
        if (file.lessons.empty()) return fail(number, "text before the first [name]");
        LessonSource& l = file.lessons.back();
        const std::size_t colon = line.find(':');
        if (colon == std::string_view::npos) return fail(number, "expected key: value");
        const std::string_view key = line.substr(0, colon);
        const std::string_view value = trimmed(line.substr(colon + 1));
        if (key == "kind") {
            if (value != "lesson" && value != "problem")
                return fail(number, "kind is lesson or problem");
            l.problem = value == "problem";
        } else if (key == "goal") {
            if (value != "wins" && value != "holds") return fail(number, "goal is wins or holds");
            l.goal = value == "wins" ? LessonGoal::wins : LessonGoal::holds;
        } else if (key == "depth") {
            const auto [ptr, ec] =
                std::from_chars(value.data(), value.data() + value.size(), l.depth);
            if (ec != std::errc() || ptr != value.data() + value.size())
                return fail(number, "depth is a number");
        } else if (key == "fen") {
            const FenResult fen = parse_fen(value);
            if (!fen.position) return fail(number, fen.error);
            // A game file does not say who moved first: its plies are
            // listed from White, so every lesson starts with White to move.
            if (fen.position->side_to_move != WHITE) return fail(number, "White moves first");
            l.start = *fen.position;
            has_fen = true;
        } else if (key == "moves") {
            std::istringstream words{std::string(value)};
            for (std::string word; words >> word;) {
                const auto move = parse_move_word(word);
                if (!move) return fail(number, "not a move: " + word);
                l.moves.push_back(*move);
            }
        } else if (key == "fr") {
            l.french.emplace_back(value);
        } else if (key == "en") {
            l.english.emplace_back(value);
        } else {
            return fail(number, "unknown key " + std::string(key));
        }
    }
    if (const std::string missing = finish(); !missing.empty())
        return fail(file.lessons.back().line, "the entry lacks " + missing);
    if (file.lessons.empty()) return fail(number, "no lesson");
    return file;
}

namespace {

GameText lesson_game(const LessonSource& lesson, std::size_t moves) {
    // No names: the window shows each side's name in the language in use.
    GameText text;
    text.start = lesson.start;
    text.moves.assign(lesson.moves.begin(), lesson.moves.begin() + static_cast<long>(moves));
    return text;
}

} // namespace

BuiltLesson build_lesson(const LessonSource& lesson) {
    // The clocks stand: a lesson's record carries no time.
    const ManualTimeSource time;
    GameClocks clocks(time);
    GameState game;
    EngineState work;
    work.allocate_move_lists();
    BuiltLesson built;
    const ReplayReport report =
        rejouer_partie(game, clocks, work, lesson_game(lesson, lesson.moves.size()));
    built.played = report.played;
    if (report.skipped != 0) {
        // The replay passes over what it cannot play; name the first such move.
        for (std::size_t n = 1; n <= lesson.moves.size(); ++n) {
            GameState again;
            if (rejouer_partie(again, clocks, work, lesson_game(lesson, n)).skipped != 0) {
                built.error = "move " + std::to_string(n) + " is not legal where it stands";
                break;
            }
        }
        return built;
    }
    built.image = game_file_image(game);
    // Opened at its start, so that the reader tries the position before
    // stepping through the record.
    built.image.num_demi_coup = 0;
    built.image.trait = WHITE;
    return built;
}

std::string lesson_text_file(const LessonSource& lesson) {
    std::string out;
    for (const std::string& line : lesson.french) out += line + "\n";
    out += "\n----------------------------------------\n\n";
    for (const std::string& line : lesson.english) out += line + "\n";
    return out;
}

} // namespace selvako
