#pragma once
// Small helpers shared by selvako-cli's commands: argument lists, usage errors
// and reading the --fen option.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/fen.h"

namespace selvako::cli {

inline constexpr int EXIT_USAGE = 2;

struct Arguments {
    std::vector<std::string_view> words;
    // The value after `name`, if the option is present; sets `missing_value`
    // when the option is last on the line.
    std::optional<std::string_view> value_of(std::string_view name, bool& missing_value) const;
    bool has_flag(std::string_view name) const;
};

// Bad input as a message shows it: cut to a few dozen characters, with
// control characters and bytes outside printable ASCII written as \xNN, so
// that a long or hostile argument neither floods nor drives the terminal.
std::string shown_input(std::string_view text, std::size_t shown_length = 40);

// Prints the usage text to standard error and returns EXIT_USAGE.
int usage_error(std::string_view problem);

// The folder of --data, else "data" beside the executable, where the build
// writes the program's data files.
std::filesystem::path data_folder(const std::filesystem::path* chosen);

// The position of --fen, or the start position with White to move. On a
// malformed FEN prints the one-line error and returns nothing.
std::optional<Position> position_option(const Arguments& args);

} // namespace selvako::cli
