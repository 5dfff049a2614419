#include "game/lessons.h"

#include <algorithm>
#include <cctype>
#include <string>
#include <system_error>

namespace selvako {

namespace {

std::string folded(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// Names compare as the file dialogs show them: case aside, then exactly, so
// that two names differing only in case keep a fixed order.
bool name_before(const std::filesystem::path& a, const std::filesystem::path& b) {
    const std::string fa = folded(a.filename().string());
    const std::string fb = folded(b.filename().string());
    if (fa != fb) return fa < fb;
    return a.filename().string() < b.filename().string();
}

} // namespace

std::vector<std::filesystem::path> lesson_files(const std::filesystem::path& folder) {
    std::vector<std::filesystem::path> found;
    std::error_code error;
    std::filesystem::directory_iterator it(folder, error);
    if (error) return found;
    for (const std::filesystem::directory_iterator end; it != end; it.increment(error)) {
        if (error) return {};
        if (!it->is_regular_file(error) || error) continue;
        if (folded(it->path().extension().string()) == ".dam") found.push_back(it->path());
    }
    std::sort(found.begin(), found.end(), name_before);
    return found;
}

std::filesystem::path lesson_text(const std::filesystem::path& lesson) {
    std::filesystem::path text = lesson;
    text += "t";
    return text;
}

std::optional<std::filesystem::path> LessonFolder::next() const {
    if (!m_current) return std::nullopt;
    const std::vector<std::filesystem::path> files = lesson_files(m_current->parent_path());
    if (files.empty()) return std::nullopt;
    const auto after = std::upper_bound(files.begin(), files.end(), *m_current, name_before);
    return after == files.end() ? files.front() : *after;
}

} // namespace selvako
