#include "app/cli/headless_engine.h"

#include "app/cli/engine_setup.h"

#include <charconv>

namespace selvako::cli {

HeadlessEngine::HeadlessEngine(const std::filesystem::path& data, std::uint32_t seed, bool report)
    : engine(clock, seed) {
    if (report)
        load_engine(engine, data);
    else
        engine.load(EngineFolders{data, {}});
}

GameOptions headless_options(bool repertoire) {
    GameOptions options;
    options.reflexion_sur_temps_adverse = false;
    options.bip = false;
    options.autres = false;
    options.decomposer_prises = false;
    options.repertoire = repertoire;
    return options;
}

std::optional<int> level_number(std::string_view text) {
    int value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc{} || end != text.data() + text.size() || value < 0 || value > 8)
        return std::nullopt;
    return value;
}

} // namespace selvako::cli
