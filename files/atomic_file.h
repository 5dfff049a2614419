#pragma once
// The one way this program replaces a file: a crash, a full disk or a power
// cut never leaves it half written. The bytes go to a temporary file of a
// unique name beside the target, reach the disk, and only then take the
// target's name.

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

namespace selvako {

// A temporary file left beside its target by a write that was killed
// before its rename ("target.XXXXXXXX") is removed by the next write of
// the same target, once it is older than this program's start: a write of
// this run, or of another program still writing, is never touched.
//
// False when the file cannot be written; the target is then as it was. A
// symbolic link is followed: the file it names is replaced and the link
// stays. A target that is not a regular file (a device, a folder, a link
// to nothing) or that the user may not write is refused rather than replaced.
bool write_file_atomically(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);

struct FileBytes {
    std::filesystem::path path;
    std::span<const std::uint8_t> bytes;
};

// Files that are read together (a list and its companion): every one is
// written out and synced before any takes its target's name, so a failure
// to write any of them (a full disk, a refused target) leaves all as they
// were.
bool write_files_atomically(std::span<const FileBytes> files);

// The same writes, saying why one failed.
struct WriteResult {
    bool ok = true;
    std::filesystem::path path; // the file that could not be written
    int error = 0;              // the system's errno, 0 for a refused target
    // "not a regular file or read-only", or the system's own wording.
    std::string reason() const;
};
WriteResult write_files_reporting(std::span<const FileBytes> files);
WriteResult write_file_reporting(const std::filesystem::path& path,
                                 std::span<const std::uint8_t> bytes);

} // namespace selvako
