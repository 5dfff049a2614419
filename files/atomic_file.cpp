#include "files/atomic_file.h"

#include <cerrno>
#include <cstdio>
#include <optional>
#include <random>
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

// The file a write replaces, the target's status and whether it exists; none
// when the target must not be replaced.
struct Target {
    std::filesystem::path path;
    struct stat status {};
    bool exists = false;
};

std::optional<Target> resolve(const std::filesystem::path& named) {
    // Renaming over a link would turn it into a plain file and leave the file
    // it names stale: the new bytes go to that file, beside it.
    Target t{named, {}, false};
    t.exists = ::lstat(t.path.c_str(), &t.status) == 0;
    if (t.exists && S_ISLNK(t.status.st_mode)) {
        std::error_code error;
        t.path = std::filesystem::canonical(named, error);
        if (error) return std::nullopt;
        t.exists = ::lstat(t.path.c_str(), &t.status) == 0;
    }
    // A device cannot be renamed over, and a file made read-only was meant
    // to stay as it is, even for the superuser, whom access() lets through.
    if (!t.exists) return t;
    const bool read_only =
        (t.status.st_mode & 0222) == 0 || ::access(t.path.c_str(), W_OK) != 0;
    if (!S_ISREG(t.status.st_mode) || read_only) return std::nullopt;
    return t;
}

// A new file beside the target under a unique name, created as any new file
// of the user's is: mode 0666 less the umask (and a folder's default ACL),
// which mkstemp's fixed 0600 would not give. The descriptor, or -1.
int create_unique(const std::filesystem::path& path, std::string& name) {
    static constexpr char LETTERS[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = path.string() + '.';
        for (int k = 0; k < 8; ++k) name += LETTERS[random() % (sizeof LETTERS - 1)];
        const int fd =
            ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

// A replaced file keeps its owner and group when the process may give them
// (an ordinary user may not hand a file to someone else: the new file is
// then the writer's, which is no reason to refuse the write), and its mode.
bool keep_owner_and_mode(int fd, const struct stat& target) {
    if (::fchown(fd, target.st_uid, target.st_gid) != 0) {
        if (errno != EPERM) return false;
        if (::fchown(fd, static_cast<uid_t>(-1), target.st_gid) != 0 && errno != EPERM)
            return false;
    }
    // After the owner: a change of owner clears the set-id bits.
    return ::fchmod(fd, target.st_mode & 07777) == 0;
}

// Writes the bytes beside the target under a unique name and syncs them;
// the name of the temporary file, or an empty one when it could not be made.
std::string prepare(const Target& t, std::span<const std::uint8_t> bytes) {
    std::string temporary;
    const int fd = create_unique(t.path, temporary);
    if (fd < 0) return {};
    const bool written = (!t.exists || keep_owner_and_mode(fd, t.status)) &&
                         write_all(fd, bytes) && ::fsync(fd) == 0;
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
    std::vector<Target> targets;
    for (const FileBytes& file : files) {
        const auto target = resolve(file.path);
        if (!target) return false;
        targets.push_back(*target);
    }
    std::vector<std::string> temporaries;
    for (std::size_t k = 0; k < files.size(); ++k) {
        std::string temporary = prepare(targets[k], files[k].bytes);
        if (temporary.empty()) {
            for (const std::string& t : temporaries) ::unlink(t.c_str());
            return false;
        }
        temporaries.push_back(std::move(temporary));
    }
    bool renamed = true;
    for (std::size_t k = 0; k < files.size(); ++k) {
        if (!renamed || std::rename(temporaries[k].c_str(), targets[k].path.c_str()) != 0) {
            ::unlink(temporaries[k].c_str());
            renamed = false;
        }
    }
    for (const Target& t : targets) sync_folder(t.path.parent_path());
    return renamed;
}

} // namespace selvako
