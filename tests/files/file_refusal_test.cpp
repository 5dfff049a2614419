// Every reader opens its file the same way: only a regular file, never
// blocking on a FIFO, never reading more than its format holds, and saying
// which file it refused and why.

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "../engine/temp_folder.h"
#include "engine/endgame_tables.h"
#include "engine/hash_keys.h"
#include "engine/learned_positions.h"
#include "engine/repertoire.h"
#include "eval/parameters.h"
#include "files/game_file.h"
#include "files/game_text.h"
#include "files/player_files.h"

namespace selvako {
namespace {

namespace fs = std::filesystem;

struct Reader {
    const char* name;
    const char* file_name;
    // The size of a file the reader must refuse as too large.
    std::uintmax_t oversize;
    FileProblem oversize_problem;
    std::function<std::optional<FileRefusal>(const fs::path&)> read;
};

std::optional<FileRefusal> read_dam(const fs::path& path, GameFileUse use) {
    const GameFileRead read = read_game_file(path, use);
    if (read) return std::nullopt;
    return read.refusal;
}

std::optional<FileRefusal> read_table(const fs::path& path) {
    EndgameTables tables;
    std::vector<FileRefusal> refused;
    load_databases(tables, path.parent_path(), &refused);
    for (const FileRefusal& r : refused)
        if (r.path == path) return r;
    return std::nullopt;
}

const Reader READERS[] = {
    {"game", "game.dam", GAME_FILE_BYTES + 5000, FileProblem::wrong_size,
     [](const fs::path& p) { return read_dam(p, GameFileUse::game); }},
    {"lesson", "lesson.dam", GAME_FILE_BYTES + 1, FileProblem::wrong_size,
     [](const fs::path& p) { return read_dam(p, GameFileUse::lesson); }},
    {"text", "games.txt", TEXT_FILE_CAP + 1, FileProblem::too_large,
     [](const fs::path& p) { return read_text_file(p).refusal; }},
    {"players", "joueurs.dat", (1u << 20) + 1, FileProblem::too_large,
     [](const fs::path& p) {
         return read_players({p, p.parent_path() / "points.dat"}).refusal;
     }},
    {"repertoire", "ouvert_b.ouv", MAX_REPERTOIRE_BYTES + 1, FileProblem::too_large,
     [](const fs::path& p) -> std::optional<FileRefusal> {
         FileRefusal refusal;
         if (read_repertoire(p.string(), &refusal)) return std::nullopt;
         return refusal;
     }},
    {"learned", LEARNED_FILE_NAME, LEARNED_FILE_BYTES + 5000, FileProblem::wrong_size,
     [](const fs::path& p) {
         LearnedTable table;
         return table.load_learned(p.string()).refusal;
     }},
    {"lessons_table", "lecons.dat", LEARNED_FILE_BYTES + 1, FileProblem::wrong_size,
     [](const fs::path& p) {
         LearnedTable table;
         return table.load_lessons(p.string()).refusal;
     }},
    {"keys", KEY_FILE_NAME, KEY_FILE_BYTES + 5000, FileProblem::wrong_size,
     [](const fs::path& p) { return load_keys(p.string()).refusal; }},
    {"parameters", "defaut.par", PARAMETER_FILE_SIZE + 5000, FileProblem::too_large,
     [](const fs::path& p) {
         EvalParameters params;
         ParameterImage image{};
         return load_parameter_file(params, image, p).refusal;
     }},
    {"endgame_table", "dod.bib", TABLE_LAYOUTS[0].size + 1u, FileProblem::wrong_size, read_table},
};

void PrintTo(const Reader& reader, std::ostream* out) {
    *out << reader.name;
}

class EveryReader : public ::testing::TestWithParam<Reader> {
  protected:
    fs::path target() const { return m_folder.path() / GetParam().file_name; }
    void expect_refused(FileProblem problem) const {
        const auto refusal = GetParam().read(target());
        ASSERT_TRUE(refusal) << GetParam().name;
        EXPECT_EQ(refusal->path, target());
        EXPECT_EQ(refusal->problem, problem);
    }
    testing::TempFolder m_folder;
};

TEST_P(EveryReader, RefusesAFifoWithoutWaitingForAWriter) {
    ASSERT_EQ(::mkfifo(target().c_str(), 0600), 0);
    expect_refused(FileProblem::not_regular);
}

TEST_P(EveryReader, RefusesAFolder) {
    fs::create_directory(target());
    expect_refused(FileProblem::not_regular);
}

TEST_P(EveryReader, RefusesAFileLargerThanItsFormatWithItsSize) {
    std::ofstream(target(), std::ios::binary).put('\n');
    fs::resize_file(target(), GetParam().oversize);
    const auto refusal = GetParam().read(target());
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->problem, GetParam().oversize_problem);
    EXPECT_EQ(refusal->size, GetParam().oversize);
}

INSTANTIATE_TEST_SUITE_P(Files, EveryReader, ::testing::ValuesIn(READERS),
                         [](const auto& param_info) { return std::string(param_info.param.name); });

// Fixed formats take exactly their size: a table one byte short is refused
// and said, not dropped in silence.
TEST(FixedSizeFormats, OneByteShortIsRefusedWithItsSize) {
    testing::TempFolder folder;
    const fs::path table = folder.path() / std::string(TABLE_LAYOUTS[0].file_name);
    std::ofstream(table, std::ios::binary).put('\0');
    fs::resize_file(table, TABLE_LAYOUTS[0].size - 1u);
    const auto refusal = read_table(table);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->problem, FileProblem::too_short);
    EXPECT_EQ(refusal->size, TABLE_LAYOUTS[0].size - 1u);
    EXPECT_EQ(refusal->limit, TABLE_LAYOUTS[0].size);
}

TEST(FixedSizeFormats, AMissingTableIsNoNews) {
    testing::TempFolder folder;
    EXPECT_FALSE(read_table(folder.path() / std::string(TABLE_LAYOUTS[0].file_name)));
}

} // namespace
} // namespace selvako
