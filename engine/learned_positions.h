#pragma once
// Positions whose score the user has taught: looked up at every node below the
// root, where a non-zero stored score replaces the search. The table is the
// file image itself: 131,071 eight-byte entries, no header.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "engine/board.h"
#include "engine/file_reading.h"

namespace selvako {

inline constexpr std::uint32_t LEARNED_ENTRIES = 131071;
inline constexpr std::size_t LEARNED_FILE_BYTES = LEARNED_ENTRIES * 8u;
inline constexpr const char* LEARNED_FILE_NAME = "vako.dat";

struct LearnedEntry {
    std::uint32_t check = 0;
    std::int16_t score = 0;          // for the side to move in that position; 0 = nothing learnt
    std::uint8_t unused[2] = {0, 0}; // kept as the file had them
};
static_assert(sizeof(LearnedEntry) == 8, "the file's entries are eight bytes");

class LearnedTable {
  public:
    LearnedTable();

    // Start-up: a file that is missing, not exactly a table or unreadable
    // leaves the table empty. Says why the file was not taken.
    FileLoad load_learned(const std::string& path);
    // A lesson file replaces the table; on failure the table is unchanged
    // and the caller says why.
    FileLoad load_lessons(const std::string& path);
    // The table in a file's bytes (any beyond a table's are ignored, as the
    // file reader ignores them); false and the table unchanged when they are
    // fewer than a table.
    bool replace_with(std::span<const std::uint8_t> bytes);
    // Teaches the position with these keys and side to move, unless its slot
    // holds a decisive score. The caller then saves the table
    // (files/engine_files.h).
    void learn_position(std::uint32_t index_key, std::uint32_t check_key, int side_to_move,
                        std::int16_t score);
    const LearnedEntry* probe_learned(std::uint32_t index_key, std::uint32_t check_key,
                                      int side_to_move) const;
    // The whole table in the file's layout.
    std::vector<std::uint8_t> encode() const;
    // No slot holds a score: a probe cannot give anything, so the search skips it.
    bool holds_no_score() const { return !m_any_score; }

    static std::uint32_t slot_of(std::uint32_t index_key, int side_to_move) {
        return (index_key + (side_to_move == WHITE ? 1u : 0u)) % LEARNED_ENTRIES;
    }
    const LearnedEntry& entry(std::uint32_t slot) const { return m_entries[slot]; }

  private:
    void note_scores();

    std::vector<LearnedEntry> m_entries;
    bool m_any_score = false;
};

} // namespace selvako
