#pragma once
// What selvako-cli says about itself: the usage lines, one help text per
// command (its options and the lines it prints), and its version.

#include <optional>
#include <string_view>

namespace selvako::cli {

// Every command on one or a few lines each, as a wrong command shows them.
std::string_view usage_text();

// The options and output of one command; nothing for an unknown name.
std::optional<std::string_view> command_help(std::string_view command);

// `selvako-cli --help`, `help [COMMAND]` and `--version`: stdout, status 0
// (2 with the usage on stderr for a command that does not exist).
int run_help(std::string_view command);
int run_version();

} // namespace selvako::cli
