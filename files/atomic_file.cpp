#include "files/atomic_file.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

namespace selvako {

namespace {

// When this program started, on the coarse clock the system stamps files
// with (a file made just after the start may carry a time a little before
// the precise clock's): a temporary older than that belongs to no write of
// this run.
std::filesystem::file_time_type coarse_now() {
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME_COARSE, &now);
    const auto since_epoch =
        std::chrono::seconds(now.tv_sec) + std::chrono::nanoseconds(now.tv_nsec);
    return std::chrono::file_clock::from_sys(std::chrono::system_clock::time_point(
        std::chrono::duration_cast<std::chrono::system_clock::duration>(since_epoch)));
}
const std::filesystem::file_time_type PROGRAM_START = coarse_now();

bool temporary_name_of(const std::string& name, const std::string& target) {
    if (name.size() != target.size() + 9 || name.compare(0, target.size(), target) != 0 ||
        name[target.size()] != '.')
        return false;
    for (std::size_t k = target.size() + 1; k < name.size(); ++k) {
        const char c = name[k];
        if (!((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))) return false;
    }
    return true;
}

// The temporaries of earlier writes of `target` that were killed before
// their rename. Only plain files of the writer's own pattern go.
void remove_stale_temporaries(const std::filesystem::path& target) {
    std::error_code error;
    const std::filesystem::path folder =
        target.parent_path().empty() ? std::filesystem::path(".") : target.parent_path();
    const std::string name = target.filename().string();
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        const std::filesystem::path found = it->path();
        if (!temporary_name_of(found.filename().string(), name)) continue;
        struct stat status {};
        if (::lstat(found.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) continue;
        std::error_code time_error;
        const auto written = std::filesystem::last_write_time(found, time_error);
        if (!time_error && written < PROGRAM_START) ::unlink(found.c_str());
    }
}

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
// the name of the temporary file, or an empty one (and errno in `failure`)
// when it could not be made.
std::string prepare(const Target& t, std::span<const std::uint8_t> bytes, int& failure) {
    std::string temporary;
    const int fd = create_unique(t.path, temporary);
    if (fd < 0) {
        failure = errno;
        return {};
    }
    bool written = (!t.exists || keep_owner_and_mode(fd, t.status)) && write_all(fd, bytes) &&
                   ::fsync(fd) == 0;
    if (!written) failure = errno;
    if (::close(fd) != 0 && written) {
        failure = errno;
        written = false;
    }
    if (!written) {
        ::unlink(temporary.c_str());
        return {};
    }
    return temporary;
}

} // namespace

bool write_file_atomically(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) {
    return write_file_reporting(path, bytes).ok;
}

bool write_files_atomically(std::span<const FileBytes> files) {
    return write_files_reporting(files).ok;
}

WriteResult write_file_reporting(const std::filesystem::path& path,
                                 std::span<const std::uint8_t> bytes) {
    const FileBytes file{path, bytes};
    return write_files_reporting(std::span(&file, 1));
}

WriteResult write_files_reporting(std::span<const FileBytes> files) {
    // Every target is checked before any is written.
    std::vector<Target> targets;
    for (const FileBytes& file : files) {
        const auto target = resolve(file.path);
        if (!target) return WriteResult{false, file.path, 0};
        targets.push_back(*target);
    }
    for (const Target& t : targets) remove_stale_temporaries(t.path);
    std::vector<std::string> temporaries;
    for (std::size_t k = 0; k < files.size(); ++k) {
        int failure = 0;
        std::string temporary = prepare(targets[k], files[k].bytes, failure);
        if (temporary.empty()) {
            for (const std::string& t : temporaries) ::unlink(t.c_str());
            return WriteResult{false, files[k].path, failure};
        }
        temporaries.push_back(std::move(temporary));
    }
    WriteResult result;
    for (std::size_t k = 0; k < files.size(); ++k) {
        if (!result.ok || std::rename(temporaries[k].c_str(), targets[k].path.c_str()) != 0) {
            if (result.ok) result = WriteResult{false, files[k].path, errno};
            ::unlink(temporaries[k].c_str());
        }
    }
    for (const Target& t : targets) sync_folder(t.path.parent_path());
    return result;
}

std::string WriteResult::reason() const {
    if (ok) return {};
    if (error == 0) return "not a regular file, or read-only";
    return std::strerror(error);
}

} // namespace selvako
