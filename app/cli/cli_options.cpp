#include "app/cli/cli_options.h"

#include <iostream>
#include <system_error>

#include "files/data_folder.h"

namespace selvako::cli {

std::optional<std::string_view> Arguments::value_of(std::string_view name,
                                                    bool& missing_value) const {
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (words[i] != name) continue;
        if (i + 1 >= words.size()) {
            missing_value = true;
            return std::nullopt;
        }
        return words[i + 1];
    }
    return std::nullopt;
}

bool Arguments::has_flag(std::string_view name) const {
    for (auto w : words)
        if (w == name) return true;
    return false;
}

std::string shown_input(std::string_view text, std::size_t shown_length) {
    const std::size_t SHOWN = shown_length;
    std::string shown;
    for (std::size_t i = 0; i < text.size() && i < SHOWN; ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c >= 0x20 && c < 0x7F && c != '\\') {
            shown += static_cast<char>(c);
        } else {
            constexpr char HEX[] = "0123456789abcdef";
            shown += "\\x";
            shown += HEX[c >> 4];
            shown += HEX[c & 15];
        }
    }
    if (text.size() > SHOWN) shown += "...";
    return shown;
}

int usage_error(std::string_view problem) {
    if (!problem.empty()) std::cerr << "selvako-cli: " << problem << '\n';
    std::cerr
        << "usage:\n"
           "  selvako-cli perft DEPTH [--fen FEN] [--divide] [--unique]\n"
           "  selvako-cli moves --fen FEN\n"
           "  selvako-cli probe --fen FEN [--data FOLDER]\n"
           "  selvako-cli eval --fen FEN [--terms]\n"
           "  selvako-cli go [--fen FEN] [--moves \"c3-d4 f6-e5 ...\"]\n"
           "                 [--depth D | --level N | --movetime S] [--no-book] [--data FOLDER]\n"
           "  selvako-cli bench [DEPTH]\n"
           "  selvako-cli play [--level N] [--white | --black] [--no-book] [--data FOLDER]\n"
           "  selvako-cli selfplay --level N --games K [--pdn OUT] [--no-book] [--data FOLDER]\n"
           "  selvako-cli convert IN OUT\n"
           "  selvako-cli hub [--data FOLDER]\n"
           "  selvako-cli match [--depth D | --nodes N | --movetime S] [--games N]\n"
           "                    [--openings FILE] [--params-a FILE] [--params-b FILE]\n"
           "                    [--table-a I] [--table-b I] [--hub-a CMD] [--hub-b CMD]\n"
           "                    [--threads 1|2] [--book] [--elo0 E] [--elo1 E]\n"
           "                    [--alpha A] [--beta B] [--until-verdict] [--data FOLDER]\n"
           "  selvako-cli analyse FILE [--depth D | --level N] [--pdn OUT] [--data FOLDER]\n";
    return EXIT_USAGE;
}

std::filesystem::path data_folder(const std::filesystem::path* chosen) {
    if (chosen) return *chosen;
    std::error_code error;
    const auto executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return "data";
    return find_data_folder(executable.parent_path());
}

std::optional<Position> position_option(const Arguments& args) {
    bool missing = false;
    const auto fen = args.value_of("--fen", missing);
    if (missing) {
        std::cerr << "selvako-cli: --fen needs a position\n";
        return std::nullopt;
    }
    if (!fen) return Position{start_position(), WHITE};
    FenResult parsed = parse_fen(*fen);
    if (!parsed.position) {
        // The reason quotes parts of the FEN.
        std::cerr << "selvako-cli: bad FEN: " << shown_input(parsed.error, 100) << '\n';
        return std::nullopt;
    }
    return parsed.position;
}

} // namespace selvako::cli
