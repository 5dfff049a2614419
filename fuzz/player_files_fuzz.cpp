// The player list ("joueurs.dat" and "points.dat"): any two files give a
// list with the computer on line 0 and names a game record can carry, which
// writes out to files that read back as the same list. The input is the two
// files' contents, split at the first zero byte; the first byte also says
// which of the two exist.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "files/player_files.h"

using namespace selvako;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    const std::size_t split = std::min(text.find('\0'), text.size());
    std::optional<std::string> joueurs;
    std::optional<std::string> points;
    if (data[0] & 1) joueurs.emplace(text.substr(0, split));
    if (data[0] & 2) points.emplace(text.substr(std::min(split + 1, text.size())));

    const PlayerFilesRead read = players_from_text(joueurs, points);
    if (!read.list || read.list->players.empty()) __builtin_trap();
    for (const Player& p : read.list->players)
        if (p.nom.size() > MAX_NAME_LENGTH) __builtin_trap();
    const PlayerTexts written = player_texts(*read.list);
    const PlayerFilesRead again = players_from_text(written.joueurs, written.points);
    if (!again.list || again.list->players != read.list->players) __builtin_trap();
    return 0;
}
