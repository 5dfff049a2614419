// Writes the search's data files into the folder given on the command line:
// "hashkey33.dat", the program's hash keys, and "vako.dat", an empty table of
// learned positions.

#include <cstdio>
#include <string>

#include "files/engine_files.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_search_data FOLDER\n");
        return 2;
    }
    const std::string folder = argv[1];
    const std::string keys_path = folder + "/" + selvako::KEY_FILE_NAME;
    const std::string learned_path = folder + "/" + selvako::LEARNED_FILE_NAME;
    if (!selvako::write_hash_keys(keys_path, selvako::default_hash_keys())) {
        std::fprintf(stderr, "make_search_data: cannot write %s\n", keys_path.c_str());
        return 1;
    }
    if (!selvako::save_learned(learned_path, selvako::LearnedTable())) {
        std::fprintf(stderr, "make_search_data: cannot write %s\n", learned_path.c_str());
        return 1;
    }
    return 0;
}
