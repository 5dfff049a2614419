#pragma once
// The one way this program reads a file. Only a regular file is read: a FIFO
// in its place would block the reader for ever and a device would feed it
// without end. Each format gives the size it accepts, so a huge file is
// refused before it is read. A refusal names the file and says why, as values
// that the interface words in the user's language.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace selvako {

enum class FileProblem : std::uint8_t {
    missing,               // no such file
    not_regular,           // a folder, a FIFO, a device
    unreadable,            // the system refused to open or read it
    too_large,             // larger than `limit`
    wrong_size,            // not exactly `limit` bytes; `size` says how many
    too_short,             // fewer than `limit` bytes
    not_this_format,       // bytes that this format cannot hold
    corrupt,               // right size, wrong contents (a checksum)
    side_to_move,          // the side to move does not follow from the record at `ply`
    move_not_legal,        // the move recorded at `ply` does not lead from its board to the next
    clock_out_of_range,    // a clock at `ply` that no game reaches
    settings_out_of_range, // the stored level, times, language or table size
    no_game,               // a text with no game in it
};

struct FileRefusal {
    std::filesystem::path path;
    FileProblem problem = FileProblem::unreadable;
    std::uintmax_t size = 0;  // the file's size where it matters
    std::uintmax_t limit = 0; // the size the format accepts
    int ply = 0;
    bool operator==(const FileRefusal&) const = default;
};

// The sizes a format accepts: at most `largest`, or exactly `exact` bytes.
struct FileSize {
    std::uintmax_t largest = 0;
    bool exact = false;
    static constexpr FileSize at_most(std::uintmax_t bytes) { return {bytes, false}; }
    static constexpr FileSize exactly(std::uintmax_t bytes) { return {bytes, true}; }
};

// The cap every text format shares (PDN, score sheets, repertoires' texts).
inline constexpr std::uintmax_t TEXT_FILE_CAP = 16u << 20;

struct FileBytesRead {
    std::vector<std::uint8_t> bytes;
    std::optional<FileRefusal> refusal; // set when nothing was read
    bool ok() const { return !refusal.has_value(); }
};

// What a loader that fills a table in place answers: tests as true when the
// file was taken.
struct FileLoad {
    std::optional<FileRefusal> refusal;
    explicit operator bool() const { return !refusal.has_value(); }
};

// The whole file, or the reason it was not read. Never blocks on a FIFO.
FileBytesRead read_file_bytes(const std::filesystem::path& path, FileSize size);

// An English line for logs and for callers with no language at hand:
// "FILE: not a regular file".
std::string refusal_line(const FileRefusal& refusal);

} // namespace selvako
