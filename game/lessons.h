#pragma once
// Lessons, exercises and problems: game files kept in a folder, each with a
// text beside it named like it plus "t" (".damt"). Once one is opened, "next"
// steps to the following file of its folder in name order and back to the
// first after the last, so that a press always ends: it lists the folder once,
// and a folder that is gone, unreadable or empty gives no file at all.

#include <filesystem>
#include <optional>
#include <vector>

namespace selvako {

// The game files of `folder` ("*.dam" in any case, never their ".damt"
// texts), sorted by name without regard to case. Empty when the folder cannot
// be listed.
std::vector<std::filesystem::path> lesson_files(const std::filesystem::path& folder);

// "lecon.dam" -> "lecon.damt".
std::filesystem::path lesson_text(const std::filesystem::path& lesson);

class LessonFolder {
  public:
    // The lesson on show; its folder is the one stepped through.
    void open(const std::filesystem::path& lesson) { m_current = lesson; }
    // "Nouveau": no lesson any more.
    void close() { m_current.reset(); }
    bool is_open() const { return m_current.has_value(); }
    const std::optional<std::filesystem::path>& current() const { return m_current; }

    // The file after the present one. When the present file has gone, the
    // first that sorts after its name; after the last, the first of the
    // folder. Nothing without a lesson open or without any file left; a
    // folder whose only file is the present one gives it again.
    std::optional<std::filesystem::path> next() const;

  private:
    std::optional<std::filesystem::path> m_current;
};

} // namespace selvako
