#pragma once
// Writers of the engine's data files. The engine and the evaluation encode
// and decode the bytes in memory; every write goes through the atomic writer.

#include <filesystem>

#include "engine/hash_keys.h"
#include "engine/learned_positions.h"
#include "eval/parameters.h"

namespace selvako {

// "hashkey33.dat": the index words then the check words, little-endian.
bool write_hash_keys(const std::filesystem::path& path, const HashKeys& keys);

// The whole table of learned positions, as load_learned reads it.
bool save_learned(const std::filesystem::path& path, const LearnedTable& table);

// Copies the parameters into `image` and writes the whole image (the bytes
// past the parameters are kept as last read). The previous file stays whole
// when the save fails.
bool save_parameter_file(const EvalParameters& params, ParameterImage& image,
                         const std::filesystem::path& path);

} // namespace selvako
