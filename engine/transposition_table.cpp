#include "engine/transposition_table.h"

namespace selvako {

TranspositionTable::TranspositionTable(int size_index) {
    const TableSize& size = TABLE_SIZES[size_index];
    m_setting = size.setting;
    m_offset = size.offset;
    m_entries.assign(static_cast<std::size_t>(m_setting) * TABLE_ENTRIES_PER_SETTING,
                     TranspositionEntry{});
    m_slot = FastModulo(entry_count());
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
