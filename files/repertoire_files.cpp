#include "files/repertoire_files.h"

#include <cstdint>
#include <span>

#include "engine/file_names.h"
#include "files/atomic_file.h"

namespace selvako {

namespace {

constexpr const char* MARKER_SUFFIX = ".ovv";

std::span<const std::uint8_t> bytes_of(const std::string& text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

} // namespace

std::string repertoire_file_text(const RepertoireLines& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

bool write_repertoire(const std::filesystem::path& path, const RepertoireLines& lines) {
    return write_file_atomically(path, bytes_of(repertoire_file_text(lines)));
}

std::filesystem::path active_repertoire_file(const std::filesystem::path& folder, int side) {
    return file_ignoring_case(folder,
                              side == BLACK ? BLACK_REPERTOIRE_FILE : WHITE_REPERTOIRE_FILE);
}

std::filesystem::path library_marker(const std::filesystem::path& chosen) {
    if (ends_with_ignoring_case(chosen.filename().string(), MARKER_SUFFIX)) return chosen;
    std::filesystem::path marker = chosen;
    marker += MARKER_SUFFIX;
    return marker;
}

std::filesystem::path library_file(const std::filesystem::path& marker, int side) {
    std::string name = library_marker(marker).filename().string();
    name.resize(name.size() - std::string(MARKER_SUFFIX).size());
    name += side == BLACK ? "_n.ouv" : "_b.ouv";
    return marker.parent_path() / name;
}

bool save_library(const std::filesystem::path& marker, int edited_side, const Repertoires& lists,
                  const std::vector<std::string>& marker_lines,
                  const std::filesystem::path& active_folder) {
    const std::filesystem::path ovv = library_marker(marker);
    const std::string marker_text = repertoire_file_text(marker_lines);
    const std::string white = repertoire_file_text(lists.white);
    const std::string black = repertoire_file_text(lists.black);
    const std::string& edited = edited_side == BLACK ? black : white;
    const FileBytes files[] = {
        {ovv, bytes_of(marker_text)},
        {library_file(ovv, WHITE), bytes_of(white)},
        {library_file(ovv, BLACK), bytes_of(black)},
        {active_repertoire_file(active_folder, edited_side), bytes_of(edited)},
    };
    return write_files_atomically(files);
}

std::optional<Repertoires> change_library(const std::filesystem::path& marker,
                                          const std::filesystem::path& active_folder) {
    auto white = read_repertoire(library_file(marker, WHITE).string());
    auto black = read_repertoire(library_file(marker, BLACK).string());
    if (!white || !black) return std::nullopt;
    const std::string white_text = repertoire_file_text(*white);
    const std::string black_text = repertoire_file_text(*black);
    const FileBytes files[] = {
        {active_repertoire_file(active_folder, WHITE), bytes_of(white_text)},
        {active_repertoire_file(active_folder, BLACK), bytes_of(black_text)},
    };
    if (!write_files_atomically(files)) return std::nullopt;
    return Repertoires{std::move(*white), std::move(*black)};
}

} // namespace selvako
