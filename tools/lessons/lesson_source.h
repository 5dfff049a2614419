#pragma once
// The lessons, exercises and problems shipped in "Problemes", as one readable
// source: for each, its position (FEN), the moves of its record in algebraic
// notation, what its first move must achieve when it is a problem, and its
// text in French and English. make_lessons turns each into a game file and
// its ".damt" text; the collection's test replays the same source.
//
//   [name]                 the file's name without ".dam"
//   kind: lesson|problem
//   goal: wins|holds       problems: the first move wins, or alone holds
//   depth: N               problems: the search depth that shows it
//   fen: W:W...:B...       White to move
//   moves: c3-d4 f6xd4 ... may be repeated; the words follow on
//   fr: text               one line of the French text (the first: its title)
//   en: text               one line of the English text
// Lines starting with "#" and blank lines between entries are ignored.

#include <string>
#include <string_view>
#include <vector>

#include "engine/fen.h"
#include "files/game_file.h"
#include "files/game_text.h"

namespace selvako {

enum class LessonGoal { none, wins, holds };

struct LessonSource {
    std::string name;
    bool problem = false;
    LessonGoal goal = LessonGoal::none;
    int depth = 0;
    Position start;
    std::vector<GameMoveText> moves;
    std::vector<std::string> french;
    std::vector<std::string> english;
    int line = 0; // of its "[name]", for messages
};

struct LessonSourceFile {
    std::vector<LessonSource> lessons;
    std::string error; // "line N: what is wrong"; no lessons then
};

LessonSourceFile parse_lesson_source(std::string_view text);

struct BuiltLesson {
    GameFileImage image; // on show at its start, the record holding every move
    int played = 0;      // moves of the source that were legal where they stood
    std::string error;   // the first move that was not, when there is one
};

// Replays the moves from the start position by the game's own rules.
BuiltLesson build_lesson(const LessonSource& lesson);

// The ".damt" text: the French text, a rule, the English text.
std::string lesson_text_file(const LessonSource& lesson);

} // namespace selvako
