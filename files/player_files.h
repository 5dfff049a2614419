#pragma once
// The players and their ratings: "joueurs.dat" holds one name a line,
// "points.dat" the rating of the player on the same line. Line 0 is the
// computer. The two files are read and written as one list, so that a line
// of one always belongs to the same line of the other.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/file_reading.h"

namespace selvako {

// The longest name a game record can carry.
inline constexpr std::size_t MAX_NAME_LENGTH = 19;
inline constexpr std::int32_t COMPUTER_START_RATING = 2050;
inline constexpr std::int32_t NEW_PLAYER_RATING = 1500;
inline constexpr const char* COMPUTER_NAME = "Selvako";

struct PlayerFiles {
    std::filesystem::path joueurs; // "joueurs.dat"
    std::filesystem::path points;  // "points.dat"
};

struct Player {
    std::string nom;
    std::int32_t points = NEW_PLAYER_RATING;

    friend bool operator==(const Player&, const Player&) = default;
};

// What the files held that the list had to make good.
struct PlayerFileNotes {
    bool created = false;       // neither file existed: the computer alone
    bool counts_differ = false; // the files had different numbers of lines
    // Lines of "points.dat" that were not a number, read as 1500.
    std::vector<int> bad_ratings;
    // Names longer than a game record holds, cut to 19 characters.
    std::vector<int> long_names;

    bool any() const { return counts_differ || !bad_ratings.empty() || !long_names.empty(); }
};

struct PlayerList {
    std::vector<Player> players; // players[0] is the computer

    // The line of a name, or nullopt.
    std::optional<std::int32_t> find(std::string_view nom) const;
};

struct PlayerFilesRead {
    std::optional<PlayerList> list; // nullopt: a file exists but cannot be trusted
    PlayerFileNotes notes;
    std::optional<FileRefusal> refusal; // which file and why, when there is no list
};

// A missing pair gives the computer alone, rated 2050. A name without a
// rating line gets 1500 (2050 on line 0), ratings without a name are
// dropped; the next write makes the files agree. A file that cannot be read,
// is not a regular file or is too large to be a player list is refused.
PlayerFilesRead read_players(const PlayerFiles& files);
// The same from the contents of "joueurs.dat" and "points.dat"; nullopt for
// a file that does not exist.
PlayerFilesRead players_from_text(const std::optional<std::string>& joueurs,
                                  const std::optional<std::string>& points);
// The contents write_players gives the two files.
struct PlayerTexts {
    std::string joueurs;
    std::string points;
};
PlayerTexts player_texts(const PlayerList& list);

// Writes both files, or neither when either cannot be written.
bool write_players(const PlayerFiles& files, const PlayerList& list);

// Whether a name can stand in the list and in a game record: not empty, at
// most 19 characters, on one line.
bool valid_player_name(std::string_view nom);

} // namespace selvako
