#include "files/data_folder.h"

namespace selvako {

std::filesystem::path find_data_folder(const std::filesystem::path& executable_folder) {
    const std::filesystem::path beside = executable_folder / "data";
    const std::filesystem::path installed = executable_folder / ".." / "share" / "selvako";
    std::error_code error;
    if (std::filesystem::is_directory(beside, error)) return beside;
    if (std::filesystem::is_directory(installed, error)) return installed.lexically_normal();
    return beside;
}

} // namespace selvako
