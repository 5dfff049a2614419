#include "engine/transposition_table.h"

namespace selvako {

namespace {

bool is_exact_code(int code) {
    return code == 1 || code == 2 || code == 51 || code == 52;
}

bool should_replace(const TranspositionEntry& e, int code, int stamp, int horizon) {
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

} // namespace

TranspositionTable::TranspositionTable(int size_index) {
    const TableSize& size = TABLE_SIZES[size_index];
    m_setting = size.setting;
    m_offset = size.offset;
    m_entries.assign(static_cast<std::size_t>(m_setting) * TABLE_ENTRIES_PER_SETTING,
                     TranspositionEntry{});
    m_slot = FastModulo(entry_count());
}

const TranspositionEntry* TranspositionTable::find(std::uint32_t index_key, std::uint32_t check_key,
                                                   int ply, int game_ply, int depth) const {
    const TranspositionEntry& e = slot(index_key);
    if (e.code == 0 || e.check != check_key) return nullptr;
    if (e.stamp != static_cast<std::uint8_t>(ply + game_ply)) return nullptr;
    if (e.horizon < game_ply + depth) return nullptr;
    return &e;
}

bool TranspositionTable::probe_table(std::uint32_t index_key, std::uint32_t check_key, int ply,
                                     int game_ply, int depth, int trait, bool maximising,
                                     TableHit& hit) const {
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

void TranspositionTable::store_table(std::uint32_t index_key, std::uint32_t check_key, Score score,
                                     int ply, int code, Square from, Square to, int game_ply,
                                     int depth, int pieces) {
    const int horizon = game_ply + depth;
    const int stamp = ply + game_ply;
    if (horizon >= 255 || pieces <= 3) return;
    TranspositionEntry& e = m_entries[m_slot.of(index_key)];
    if (!should_replace(e, code, stamp, horizon)) return;
    e.check = check_key;
    e.score = score;
    e.from = from;
    e.to = to;
    e.stamp = static_cast<std::uint8_t>(stamp);
    e.code = static_cast<std::uint8_t>(code);
    e.horizon = static_cast<std::uint8_t>(horizon);
}

void TranspositionTable::clear_table() {
    for (TranspositionEntry& e : m_entries) e.code = 0;
}

void TranspositionTable::resize_table(int size_index, HashKeys& keys, std::mt19937& random) {
    *this = TranspositionTable(size_index);
    std::uniform_int_distribution<std::uint32_t> draw(0, entry_count() - 1);
    for (int code = WHITE_MAN; code <= BLACK_KING; ++code)
        for (int square = 0; square <= NUM_SQUARES; ++square)
            keys.index[key_slot(static_cast<std::uint8_t>(code), static_cast<Square>(square))] =
                draw(random);
}

} // namespace selvako
