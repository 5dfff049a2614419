#pragma once
// The transposition table. Entries carry their bound type together with the
// side that was at the root when they were written, so that the next search,
// made for the other side, can still use them with the score negated. The
// stamp (ply + game half-move) and the horizon (iteration depth + game
// half-move) decide which entries are still valid as the game moves on.

#include <array>
#include <cstdint>
#include <random>
#include <vector>

#include "engine/fast_modulo.h"
#include "engine/hash_keys.h"

namespace selvako {

using Score = std::int16_t;

struct TranspositionEntry {
    std::uint32_t check = 0;
    Score score = 0;
    Square from = 0;
    Square to = 0;
    std::uint8_t code = 0;
    std::uint8_t stamp = 0;
    std::uint8_t horizon = 0;
};
static_assert(sizeof(TranspositionEntry) == 12, "four-byte check, 16-bit score and five bytes");

// Codes, to be added to the root side (0 White, 1 Black) of the writing search.
inline constexpr int CODE_MAX_EXACT = 1;
inline constexpr int CODE_MAX_LOWER = 3;
inline constexpr int CODE_MAX_UPPER = 5;
inline constexpr int CODE_MAX_DECISIVE = 100;
inline constexpr int CODE_MIN_EXACT = 51;
inline constexpr int CODE_MIN_UPPER = 53;
inline constexpr int CODE_MIN_LOWER = 55;
inline constexpr int CODE_MIN_DECISIVE = 150;

inline constexpr int TABLE_ENTRIES_PER_SETTING = 1310;

// The sizes offered by the menu: the setting multiplies 1,310 entries, the
// offset limits the plies at which the table is used (4 <= ply < offset + 18).
struct TableSize {
    const char* caption;
    std::int16_t setting;
    std::int8_t offset;
};
inline constexpr std::array<TableSize, 8> TABLE_SIZES = {{{"0 Mo", 10, -4},
                                                          {"0,7 Mo", 50, 0},
                                                          {"1,5Mo", 100, 2},
                                                          {"3Mo", 200, 2},
                                                          {"5Mo", 350, 2},
                                                          {"10Mo", 700, 4},
                                                          {"15Mo", 1000, 6},
                                                          {"25Mo", 2000, 8}}};
inline constexpr int DEFAULT_TABLE_SIZE = 2; // "1,5Mo"

// What a probe means to the node that made it, with the score already turned
// to the current root side's point of view.
enum class Bound : std::uint8_t { Exact, Lower, Upper };
struct TableHit {
    Bound bound;
    Score score;
    Square from;
    Square to;
};

class TranspositionTable {
  public:
    // Allocates the table at the given size (an index into TABLE_SIZES).
    explicit TranspositionTable(int size_index = DEFAULT_TABLE_SIZE);

    std::int16_t setting() const { return m_setting; }
    std::int8_t offset() const { return m_offset; }
    std::uint32_t entry_count() const { return static_cast<std::uint32_t>(m_entries.size()); }
    // The table takes part at plies 4 and deeper while ply - offset < 18.
    bool used_at(int ply) const { return ply >= 4 && ply - m_offset < 18; }

    // `game_ply` is the game's half-move number, `depth` the iteration depth,
    // `trait` the side at the root of the probing search and `maximising`
    // whether the node is one where that side moves.
    const TranspositionEntry* find(std::uint32_t index_key, std::uint32_t check_key, int ply,
                                   int game_ply, int depth) const;
    bool probe_table(std::uint32_t index_key, std::uint32_t check_key, int ply, int game_ply,
                     int depth, int trait, bool maximising, TableHit& hit) const;

    // `code` already includes the writer's root side. `pieces` is the number
    // of pieces on the board (positions of three or fewer are never stored).
    void store_table(std::uint32_t index_key, std::uint32_t check_key, Score score, int ply,
                     int code, Square from, Square to, int game_ply, int depth, int pieces);

    void clear_table();

    // Reallocates at another size and draws new index keys in [0, entries),
    // which orphans everything stored under the old ones, learned positions
    // included.
    void resize_table(int size_index, HashKeys& keys, std::mt19937& random);

    const TranspositionEntry& slot(std::uint32_t index_key) const {
        return m_entries[m_slot.of(index_key)];
    }
    // Asks for a position's slot ahead of its probe: the table does not fit
    // in a core's cache.
    void prefetch(std::uint32_t index_key) const { __builtin_prefetch(&slot(index_key)); }

  private:
    std::int16_t m_setting = 0;
    std::int8_t m_offset = 0;
    std::vector<TranspositionEntry> m_entries;
    FastModulo m_slot; // index key -> slot
};

// The probe and the store are inline: the search makes one or the other at
// most of its nodes.

inline const TranspositionEntry* TranspositionTable::find(std::uint32_t index_key,
                                                          std::uint32_t check_key, int ply,
                                                          int game_ply, int depth) const {
    const TranspositionEntry& e = slot(index_key);
    if (e.code == 0 || e.check != check_key) return nullptr;
    if (e.stamp != static_cast<std::uint8_t>(ply + game_ply)) return nullptr;
    if (e.horizon < game_ply + depth) return nullptr;
    return &e;
}

inline bool TranspositionTable::probe_table(std::uint32_t index_key, std::uint32_t check_key,
                                            int ply, int game_ply, int depth, int trait,
                                            bool maximising, TableHit& hit) const {
    const TranspositionEntry* e = find(index_key, check_key, ply, game_ply, depth);
    if (!e) return false;
    const int g = trait;
    const int c = e->code;
    const Score negated = static_cast<Score>(-e->score);
    hit.from = e->from;
    hit.to = e->to;
    // An entry written by a maximising node of the other root side was, for
    // that search, a minimising node of ours, and the reverse.
    const int own = maximising ? 0 : 50;
    const int other = maximising ? 50 : 0;
    const Bound own_cut = maximising ? Bound::Lower : Bound::Upper;
    const Bound own_all = maximising ? Bound::Upper : Bound::Lower;
    if (c == g + own + 1 || c == g + own + 100) {
        hit = {Bound::Exact, e->score, e->from, e->to};
    } else if (c == 1 - g + other + 1 || c == 1 - g + other + 100) {
        hit = {Bound::Exact, negated, e->from, e->to};
    } else if (c == g + own + 3) {
        hit = {own_cut, e->score, e->from, e->to};
    } else if (c == 1 - g + other + 3) {
        hit = {own_cut, negated, e->from, e->to};
    } else if (c == g + own + 5) {
        hit = {own_all, e->score, e->from, e->to};
    } else if (c == 1 - g + other + 5) {
        hit = {own_all, negated, e->from, e->to};
    } else {
        return false;
    }
    return true;
}

namespace detail {

inline bool is_exact_code(int code) {
    return code == 1 || code == 2 || code == 51 || code == 52;
}

inline bool should_replace(const TranspositionEntry& e, int code, int stamp, int horizon) {
    if (e.code == 0) return true;
    if (code >= 100 && e.code < 100) return true;
    if (code == e.code && stamp < e.stamp) return true;
    if (e.code < 100 && horizon > e.horizon) return true;
    if (e.code < 100 && !is_exact_code(e.code)) {
        if (horizon == e.horizon) return true;
        if (horizon == e.horizon - 1) return is_exact_code(code);
    }
    // Entries from a search far older (or newer) than this one are stale.
    return horizon > e.horizon + 16 || horizon < e.horizon - 16;
}

} // namespace detail

inline void TranspositionTable::store_table(std::uint32_t index_key, std::uint32_t check_key,
                                            Score score, int ply, int code, Square from, Square to,
                                            int game_ply, int depth, int pieces) {
    const int horizon = game_ply + depth;
    const int stamp = ply + game_ply;
    if (horizon >= 255 || pieces <= 3) return;
    TranspositionEntry& e = m_entries[m_slot.of(index_key)];
    if (!detail::should_replace(e, code, stamp, horizon)) return;
    e.check = check_key;
    e.score = score;
    e.from = from;
    e.to = to;
    e.stamp = static_cast<std::uint8_t>(stamp);
    e.code = static_cast<std::uint8_t>(code);
    e.horizon = static_cast<std::uint8_t>(horizon);
}

} // namespace selvako
