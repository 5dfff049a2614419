#include "files/atomic_file.h"

#include <cerrno>
#include <cstdio>
#include <string>

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

} // namespace

bool write_file_atomically(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) {
    // A link would be replaced by a plain file, and a device cannot be renamed
    // over: both mean the caller named the wrong thing.
    struct stat target {};
    const bool exists = ::lstat(path.c_str(), &target) == 0;
    if (exists && !S_ISREG(target.st_mode)) return false;

    std::string temporary = path.string() + ".XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) return false;
    // mkstemp creates the file for its owner only; a replaced file keeps its
    // permissions, a new one gets the usual ones.
    const mode_t mode = exists ? (target.st_mode & 07777) : 0644;
    const bool written = ::fchmod(fd, mode) == 0 && write_all(fd, bytes) && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed || std::rename(temporary.c_str(), path.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    sync_folder(path.parent_path());
    return true;
}

} // namespace selvako
