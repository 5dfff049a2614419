#pragma once
// "points.dat": one rating per line, line i for the player on line i of
// "joueurs.dat".

#include <cstdint>
#include <filesystem>

namespace selvako {

// Writes `rating` into line `index`, the other lines kept. A file shorter
// than that line is padded with the rating of a new player, 1500.
bool write_rating(const std::filesystem::path& path, std::int32_t index, std::int32_t rating);

} // namespace selvako
