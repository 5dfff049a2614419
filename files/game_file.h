#pragma once
// Game files ("*.dam" and the automatic "last32.dam"): a byte image of the
// 255 ply records followed by the ply on show and the side to move, 22442
// bytes, little-endian, with the persistent settings stored inside records
// 253 and 254.

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <vector>

#include "engine/board.h"
#include "engine/file_reading.h"
#include "files/fiche_coup.h"

namespace selvako {

// Plies 0..254 fit in the record; ply 0 is the start position.
inline constexpr int HISTORY_PLIES = 255;
inline constexpr int LAST_PLY = HISTORY_PLIES - 1;
// The settings overwrite the clocks of ply 253 and the move of ply 254, so a
// game ends with a full record at the last ply that a saved game keeps whole.
inline constexpr int LAST_GAME_PLY = LAST_PLY - 2;
// Lessons written by hand may claim any length up to 255; they are shown up to
// this ply, which every step through the record can reach and none passes.
inline constexpr int LAST_LESSON_PLY = 250;

// A lesson, exercise or problem is an ordinary game file read with a lower
// cap on its length and on the ply on show.
enum class GameFileUse : std::uint8_t { game, lesson };

// The settings that travel from one run to the next inside the automatic game file.
struct PersistentSettings {
    std::int32_t budget_recherche = 160;
    std::int32_t temps_alloue = 178;
    std::int32_t minutes_autre = 3;
    std::uint8_t niveau = 5;
    std::uint8_t langue = 0;
    std::int16_t taille_tables = 100;
};

inline constexpr std::size_t GAME_FILE_BYTES = 22442;
inline constexpr std::size_t RECORD_AREA_BYTES = 22440;
static_assert(RECORD_AREA_BYTES == HISTORY_PLIES * sizeof(FicheCoup));

inline constexpr std::size_t OFFSET_MINUTES_AUTRE = 22300;
inline constexpr std::size_t OFFSET_TAILLE_TABLES = 22304;
inline constexpr std::size_t OFFSET_LANGUE = 22386;
inline constexpr std::size_t OFFSET_NIVEAU = 22387;
inline constexpr std::size_t OFFSET_BUDGET = 22388;
inline constexpr std::size_t OFFSET_TEMPS_ALLOUE = 22392;

struct GameFileImage {
    // Byte 0 of record 0 carries longueur_partie.
    std::array<FicheCoup, HISTORY_PLIES> historique{};
    std::uint8_t num_demi_coup = 0;
    std::uint8_t trait = WHITE;
    PersistentSettings settings;
};

std::vector<std::uint8_t> encode_game_file(const GameFileImage& image);

// A game file read, or the reason it was refused. Tests as an optional.
struct GameFileRead {
    std::optional<GameFileImage> image;
    FileRefusal refusal; // why, when there is no image
    explicit operator bool() const { return image.has_value(); }
    const GameFileImage& operator*() const { return *image; }
    const GameFileImage* operator->() const { return &*image; }
};

// The longest a clock may read: no game is played for a year.
inline constexpr std::int32_t MAX_CLOCK_SECONDS = 365 * 24 * 3600 - 1;

// Refuses anything that is not exactly a game this program could have
// written: another size, board bytes that are not piece codes, a ply or a
// side out of range, a ply whose move does not lead by a legal move from the
// board before it to its own board, plies that do not alternate between the
// sides, a side to move that does not follow from them, a clock of a year or
// more, settings no level gives. Settings read as zero get the defaults. A
// refused file is never mended: the user sees why.
GameFileRead decode_game_file(std::span<const std::uint8_t> bytes,
                              GameFileUse use = GameFileUse::game,
                              const std::filesystem::path& path = {});

// Written through a temporary file renamed over the target, so a failed write
// leaves the previous file whole.
bool write_game_file(const std::filesystem::path& path, const GameFileImage& image);
GameFileRead read_game_file(const std::filesystem::path& path, GameFileUse use = GameFileUse::game);

} // namespace selvako
