#include "game/hub_line.h"

namespace selvako {

std::optional<std::string_view> HubLine::value(std::string_view name) const {
    for (const HubArgument& argument : arguments)
        if (argument.name == name) return std::string_view(argument.value);
    return std::nullopt;
}

namespace {

bool blank(char c) {
    return c == ' ' || c == '\t';
}

// A word of the line: up to a blank, an '=' (for names) or the end.
std::string_view take_word(std::string_view text, std::size_t& at, bool stop_at_equals) {
    const std::size_t start = at;
    while (at < text.size() && !blank(text[at]) && !(stop_at_equals && text[at] == '='))
        ++at;
    return text.substr(start, at - start);
}

} // namespace

HubLineResult parse_hub_line(std::string_view text) {
    HubLineResult result;
    if (text.size() > MAX_HUB_LINE) {
        result.error = "line too long";
        return result;
    }
    if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if ((u < 0x20 && c != '\t') || u == 0x7F) {
            result.error = "control character in the line";
            return result;
        }
    }
    std::size_t at = 0;
    while (at < text.size() && blank(text[at])) ++at;
    if (at == text.size()) return result;

    HubLine line;
    line.command = std::string(take_word(text, at, false));
    if (line.command.find('"') != std::string::npos) {
        result.error = "stray quote in the command";
        return result;
    }
    while (true) {
        while (at < text.size() && blank(text[at])) ++at;
        if (at == text.size()) break;
        HubArgument argument;
        argument.name = std::string(take_word(text, at, true));
        if (argument.name.empty()) {
            result.error = "argument without a name";
            return result;
        }
        if (argument.name.find('"') != std::string::npos) {
            result.error = "stray quote in an argument's name";
            return result;
        }
        if (at < text.size() && text[at] == '=') {
            ++at;
            argument.has_value = true;
            if (at < text.size() && text[at] == '"') {
                const std::size_t close = text.find('"', at + 1);
                if (close == std::string_view::npos) {
                    result.error = "unclosed quote in " + argument.name;
                    return result;
                }
                argument.value = std::string(text.substr(at + 1, close - at - 1));
                at = close + 1;
                if (at < text.size() && !blank(text[at])) {
                    result.error = "text after the closing quote of " + argument.name;
                    return result;
                }
            } else {
                const std::string_view value = take_word(text, at, false);
                if (value.find('"') != std::string_view::npos) {
                    result.error = "stray quote in " + argument.name;
                    return result;
                }
                argument.value = std::string(value);
            }
        }
        line.arguments.push_back(std::move(argument));
    }
    result.line = std::move(line);
    return result;
}

std::string hub_value(std::string_view value) {
    std::string kept;
    bool quote = value.empty();
    for (const char c : value) {
        if (c == '"') continue;
        if (blank(c) || c == '=') quote = true;
        kept += c;
    }
    return quote ? '"' + kept + '"' : kept;
}

} // namespace selvako
