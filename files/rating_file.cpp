#include "files/rating_file.h"

#include <fstream>
#include <string>
#include <vector>

#include "files/atomic_file.h"

namespace selvako {

bool write_rating(const std::filesystem::path& path, std::int32_t index, std::int32_t rating) {
    if (index < 0) return false;
    std::vector<std::string> lines;
    if (std::ifstream in(path); in) {
        for (std::string line; std::getline(in, line);) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            lines.push_back(line);
        }
    }
    while (lines.size() <= static_cast<std::size_t>(index)) lines.emplace_back("1500");
    lines[static_cast<std::size_t>(index)] = std::to_string(rating);
    std::string text;
    for (const std::string& line : lines) text += line + '\n';
    return write_file_atomically(
        path, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

} // namespace selvako
