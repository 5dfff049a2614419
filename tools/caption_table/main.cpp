// caption_table: turns the translators' table (ui/i18n/captions.tsv) into the
// rows the program compiles in, and stops the build on a malformed row.
//
//   caption_table captions.tsv caption_rows.inc

#include <cstdint>
#include <fstream>
#include <iostream>
#include <sstream>

#include "caption_tsv.h"
#include "files/atomic_file.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: caption_table TABLE.tsv OUTPUT.inc\n";
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::cerr << argv[1] << ": cannot read\n";
        return 1;
    }
    std::ostringstream text;
    text << in.rdbuf();
    const auto parsed = selvako::parse_caption_tsv(text.str());
    if (const auto* error = std::get_if<selvako::CaptionTsvError>(&parsed)) {
        std::cerr << argv[1] << ":" << error->line << ": " << error->message << "\n";
        return 1;
    }
    const std::string source =
        "// Written by tools/caption_table from ui/i18n/captions.tsv; edit that file.\n" +
        selvako::caption_rows_source(std::get<std::vector<selvako::CaptionTsvRow>>(parsed));
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(source.data());
    if (!selvako::write_file_atomically(argv[2], {bytes, source.size()})) {
        std::cerr << argv[2] << ": cannot write\n";
        return 1;
    }
    return 0;
}
