// Writes the shipped opening repertoires, "ouvert_b.ouv" and "ouvert_n.ouv",
// from the readable source tools/data/openings.txt: each line goes into the
// repertoire of the colours it is marked for, in the program's own form. A
// source line that is not a legal game from the start fails the build.
//
//   make_repertoire SOURCE OUTPUT_FOLDER

#include <cstdio>
#include <filesystem>

#include "engine/repertoire_line.h"
#include "files/repertoire_files.h"
#include "tools/repertoire/opening_source.h"

using namespace selvako;

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_repertoire SOURCE OUTPUT_FOLDER\n");
        return 2;
    }
    const OpeningSource source = read_opening_source(argv[1]);
    if (!source.error.empty()) {
        std::fprintf(stderr, "make_repertoire: %s\n", source.error.c_str());
        return 1;
    }
    Repertoires lists;
    for (const SourceLine& line : source.lines) {
        const std::string text = repertoire_line_text(line.moves);
        if (line.white) lists.white.push_back(text);
        if (line.black) lists.black.push_back(text);
    }
    const std::filesystem::path folder = argv[2];
    for (auto [lines, name] :
         {std::pair{&lists.white, "ouvert_b.ouv"}, std::pair{&lists.black, "ouvert_n.ouv"}}) {
        sort_repertoire(*lines);
        if (!write_repertoire(folder / name, *lines)) {
            std::fprintf(stderr, "make_repertoire: cannot write %s\n", (folder / name).c_str());
            return 1;
        }
    }
    std::printf("make_repertoire: %zu white lines, %zu black lines\n", lists.white.size(),
                lists.black.size());
    return 0;
}
