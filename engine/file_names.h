#pragma once
// The program's file names are compared without regard to case, as they were
// on the system it was written for: "ouvert_b.ouv" is the file a user may
// know as "Ouvert_b.ouv". On a system that tells them apart, the file that is
// there is found under either spelling.

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <string>

namespace selvako {

inline bool same_name_ignoring_case(const std::string& a, const std::string& b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
               return std::tolower(x) == std::tolower(y);
           });
}

// The entry of `folder` named `name` without regard to case (the exact
// spelling first), or folder / name when there is none.
inline std::filesystem::path file_ignoring_case(const std::filesystem::path& folder,
                                                const std::string& name) {
    std::error_code error;
    const std::filesystem::path exact = folder / name;
    if (std::filesystem::exists(exact, error)) return exact;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error))
        if (same_name_ignoring_case(it->path().filename().string(), name)) return it->path();
    return exact;
}

// Whether `path` ends in `suffix`, without regard to case.
inline bool ends_with_ignoring_case(const std::string& text, const std::string& suffix) {
    return text.size() >= suffix.size() &&
           same_name_ignoring_case(text.substr(text.size() - suffix.size()), suffix);
}

} // namespace selvako
