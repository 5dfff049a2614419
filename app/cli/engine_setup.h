#pragma once
// The engine as selvako-cli loads it: every table from the data folder, with
// each problem reported once on standard error.

#include <filesystem>

#include "search/engine.h"

namespace selvako::cli {

void load_engine(Engine& engine, const std::filesystem::path& data);

} // namespace selvako::cli
