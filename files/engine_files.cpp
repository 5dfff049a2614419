#include "files/engine_files.h"

#include "files/atomic_file.h"

namespace selvako {

bool write_hash_keys(const std::filesystem::path& path, const HashKeys& keys) {
    return write_file_atomically(path, encode_hash_keys(keys));
}

bool save_learned(const std::filesystem::path& path, const LearnedTable& table) {
    return write_file_atomically(path, table.encode());
}

bool save_parameter_file(const EvalParameters& params, ParameterImage& image,
                         const std::filesystem::path& path) {
    parameters_to_image(params, image);
    return write_file_atomically(path, image);
}

} // namespace selvako
