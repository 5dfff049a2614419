#include "app/cli/engine_setup.h"

#include <iostream>

namespace selvako::cli {

void load_engine(Engine& engine, const std::filesystem::path& data) {
    for (const std::string& problem : engine.load({data, {}}))
        std::cerr << "selvako-cli: " << problem << '\n';
}

} // namespace selvako::cli
