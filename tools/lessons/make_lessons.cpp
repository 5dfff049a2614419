// Writes the shipped lessons, exercises and problems: one game file and one
// ".damt" text per entry of the source, into the given folder.
//
//   make_lessons SOURCE FOLDER

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "files/atomic_file.h"
#include "files/game_file.h"
#include "files/game_text.h"
#include "game/lessons.h"
#include "tools/lessons/lesson_source.h"

int main(int argc, char** argv) {
    using namespace selvako;
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_lessons SOURCE FOLDER\n");
        return 2;
    }
    const TextFileRead read = read_text_file(argv[1], 1 << 20);
    if (!read.ok()) {
        std::fprintf(stderr, "make_lessons: %s\n", refusal_line(*read.refusal).c_str());
        return 1;
    }
    const LessonSourceFile source = parse_lesson_source(read.text);
    if (!source.error.empty()) {
        std::fprintf(stderr, "%s: %s\n", argv[1], source.error.c_str());
        return 1;
    }
    const std::filesystem::path folder = argv[2];
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    for (const LessonSource& lesson : source.lessons) {
        const BuiltLesson built = build_lesson(lesson);
        if (!built.error.empty()) {
            std::fprintf(stderr, "%s:%d: [%s] %s\n", argv[1], lesson.line, lesson.name.c_str(),
                         built.error.c_str());
            return 1;
        }
        const std::filesystem::path game = folder / (lesson.name + ".dam");
        const std::string damt = lesson_text_file(lesson);
        if (!write_game_file(game, built.image) ||
            !write_file_atomically(lesson_text(game),
                                   std::vector<std::uint8_t>(damt.begin(), damt.end()))) {
            std::fprintf(stderr, "make_lessons: cannot write %s\n", game.string().c_str());
            return 1;
        }
    }
    std::printf("%zu lessons and problems written\n", source.lessons.size());
    return 0;
}
