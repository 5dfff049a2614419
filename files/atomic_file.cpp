#include "files/atomic_file.h"

#include <cerrno>
#include <cstdio>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace selvako {

namespace {

bool write_all(int fd, std::span<const std::uint8_t> bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// The rename is only durable once the folder's entry is on disk as well. A
// folder that cannot be opened or synced does not undo a file already in place.
void sync_folder(const std::filesystem::path& folder) {
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

// Writes the bytes beside the target under a unique name and syncs them;
// the name of the temporary file, or an empty one when it could not be made.
std::string prepare(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) {
    // A link would be replaced by a plain file, and a device cannot be renamed
    // over: both mean the caller named the wrong thing.
    struct stat target {};
    const bool exists = ::lstat(path.c_str(), &target) == 0;
    if (exists && !S_ISREG(target.st_mode)) return {};

    std::string temporary = path.string() + ".XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) return {};
    // mkstemp creates the file for its owner only; a replaced file keeps its
    // permissions, a new one gets the usual ones.
    const mode_t mode = exists ? (target.st_mode & 07777) : 0644;
    const bool written = ::fchmod(fd, mode) == 0 && write_all(fd, bytes) && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed) {
        ::unlink(temporary.c_str());
        return {};
    }
    return temporary;
}

} // namespace

bool write_file_atomically(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) {
    const FileBytes file{path, bytes};
    return write_files_atomically(std::span(&file, 1));
}

bool write_files_atomically(std::span<const FileBytes> files) {
    std::vector<std::string> temporaries;
    for (const FileBytes& file : files) {
        std::string temporary = prepare(file.path, file.bytes);
        if (temporary.empty()) {
            for (const std::string& t : temporaries) ::unlink(t.c_str());
            return false;
        }
        temporaries.push_back(std::move(temporary));
    }
    bool renamed = true;
    for (std::size_t k = 0; k < files.size(); ++k) {
        if (!renamed || std::rename(temporaries[k].c_str(), files[k].path.c_str()) != 0) {
            ::unlink(temporaries[k].c_str());
            renamed = false;
        }
    }
    for (const FileBytes& file : files) sync_folder(file.path.parent_path());
    return renamed;
}

} // namespace selvako
