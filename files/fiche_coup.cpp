#include "files/fiche_coup.h"

#include <algorithm>

namespace selvako {

PlayerName make_name(std::string_view text) {
    PlayerName name{};
    const std::size_t n = std::min<std::size_t>(text.size(), NAME_BYTES - 1);
    std::copy_n(text.begin(), n, name.begin());
    return name;
}

std::string name_text(const PlayerName& name) {
    const auto end = std::find(name.begin(), name.end(), '\0');
    return std::string(name.begin(), end);
}

} // namespace selvako
