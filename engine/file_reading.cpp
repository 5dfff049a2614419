#include "engine/file_reading.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace selvako {

namespace {

class Descriptor {
  public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor() {
        if (m_fd >= 0) ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return m_fd; }

  private:
    int m_fd;
};

FileBytesRead refused(const std::filesystem::path& path, FileProblem problem,
                      std::uintmax_t size = 0, std::uintmax_t limit = 0) {
    FileBytesRead result;
    result.refusal = FileRefusal{path, problem, size, limit, 0};
    return result;
}

} // namespace

FileBytesRead read_file_bytes(const std::filesystem::path& path, FileSize rule) {
    // O_NONBLOCK: opening a FIFO with no writer would otherwise wait for one.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        if (errno == ENOENT || errno == ENOTDIR) return refused(path, FileProblem::missing);
        if (errno == EISDIR) return refused(path, FileProblem::not_regular);
        return refused(path, FileProblem::unreadable);
    }
    const Descriptor file(fd);
    struct stat status {};
    if (::fstat(fd, &status) != 0) return refused(path, FileProblem::unreadable);
    if (!S_ISREG(status.st_mode)) return refused(path, FileProblem::not_regular);
    const auto size = static_cast<std::uintmax_t>(status.st_size);
    if (rule.exact && size > rule.largest)
        return refused(path, FileProblem::wrong_size, size, rule.largest);
    if (rule.exact && size < rule.largest)
        return refused(path, FileProblem::too_short, size, rule.largest);
    if (size > rule.largest) return refused(path, FileProblem::too_large, size, rule.largest);

    // The file may grow or shrink while it is read: read one byte more than
    // the rule allows, and judge by what was read.
    FileBytesRead result;
    result.bytes.resize(static_cast<std::size_t>(rule.largest) + 1);
    std::size_t got = 0;
    while (got < result.bytes.size()) {
        const ssize_t n = ::read(fd, result.bytes.data() + got, result.bytes.size() - got);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return refused(path, FileProblem::unreadable);
        if (n == 0) break;
        got += static_cast<std::size_t>(n);
    }
    if (got > rule.largest)
        return refused(path, rule.exact ? FileProblem::wrong_size : FileProblem::too_large, got,
                       rule.largest);
    if (rule.exact && got < rule.largest)
        return refused(path, FileProblem::too_short, got, rule.largest);
    result.bytes.resize(got);
    return result;
}

std::string refusal_line(const FileRefusal& r) {
    const std::string name = r.path.string();
    switch (r.problem) {
    case FileProblem::missing:
        return name + ": no such file";
    case FileProblem::not_regular:
        return name + ": not a regular file";
    case FileProblem::unreadable:
        return name + ": cannot be read";
    case FileProblem::too_large:
        return name + ": larger than " + std::to_string(r.limit) + " bytes (" +
               std::to_string(r.size) + ")";
    case FileProblem::wrong_size:
        return name + ": " + std::to_string(r.size) + " bytes where " + std::to_string(r.limit) +
               " are expected";
    case FileProblem::too_short:
        return name + ": " + std::to_string(r.size) + " bytes where " + std::to_string(r.limit) +
               " are expected";
    case FileProblem::not_this_format:
        return name + ": not a file of this kind";
    case FileProblem::corrupt:
        return name + ": corrupt (its contents fail their check)";
    case FileProblem::side_to_move:
        return name + ": side to move does not match the record at ply " + std::to_string(r.ply);
    case FileProblem::move_not_legal:
        return name + ": the move at ply " + std::to_string(r.ply) +
               " does not lead from its board to the next";
    case FileProblem::clock_out_of_range:
        return name + ": a clock at ply " + std::to_string(r.ply) + " is out of range";
    case FileProblem::settings_out_of_range:
        return name + ": settings out of range";
    case FileProblem::no_game:
        return name + ": no game in it";
    }
    return name + ": cannot be read";
}

} // namespace selvako
