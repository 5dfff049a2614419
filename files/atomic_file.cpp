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

bool write_file_atomically(const std::filesystem::path& named,
                           std::span<const std::uint8_t> bytes) {
    // Renaming over a link would turn it into a plain file and leave the file
    // it names stale: the new bytes go to that file, beside it.
    std::filesystem::path path = named;
    struct stat target {};
    bool exists = ::lstat(path.c_str(), &target) == 0;
    if (exists && S_ISLNK(target.st_mode)) {
        std::error_code error;
        path = std::filesystem::canonical(named, error);
        if (error) return false;
        exists = ::lstat(path.c_str(), &target) == 0;
    }
    // A device cannot be renamed over, and a file made read-only was meant
    // to stay as it is, even for the superuser, whom access() lets through.
    const bool read_only = (target.st_mode & 0222) == 0 || ::access(path.c_str(), W_OK) != 0;
    if (exists && (!S_ISREG(target.st_mode) || read_only)) return false;

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
