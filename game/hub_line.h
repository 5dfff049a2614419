#pragma once
// One line of the Hub text protocol that draughts programs and their GUIs
// speak: a command, then arguments `name=value` or bare flags, values quoted
// with double quotes when they hold a space or '=' or are empty.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace selvako {

struct HubArgument {
    std::string name;
    std::string value; // empty for a flag
    bool has_value = false;
};

struct HubLine {
    std::string command;
    std::vector<HubArgument> arguments;

    // The value of the first argument so named (a flag gives "").
    std::optional<std::string_view> value(std::string_view name) const;
    bool has(std::string_view name) const { return value(name).has_value(); }
};

// Longer lines are refused: the longest a GUI writes is a game's moves.
inline constexpr std::size_t MAX_HUB_LINE = 16384;

struct HubLineResult {
    std::optional<HubLine> line; // nothing for a blank line or an error
    std::string error;           // one line naming what is wrong
};

// A trailing carriage return is dropped. Refused: control characters, an
// unclosed quote, an argument with no name ("=x"), text glued to a closing
// quote, and lines longer than MAX_HUB_LINE.
HubLineResult parse_hub_line(std::string_view text);

// The value as an argument writes it: quoted when it must be. A value never
// holds a double quote (the protocol has no escape), so one is dropped.
std::string hub_value(std::string_view value);

} // namespace selvako
