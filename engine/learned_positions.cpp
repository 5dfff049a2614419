#include "engine/learned_positions.h"

#include <algorithm>
#include <optional>

namespace selvako {

namespace {

std::optional<std::vector<LearnedEntry>> decode_table(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < LEARNED_FILE_BYTES) return std::nullopt;
    std::vector<LearnedEntry> entries(LEARNED_ENTRIES);
    for (std::uint32_t i = 0; i < LEARNED_ENTRIES; ++i) {
        const std::uint8_t* p = &bytes[8u * i];
        LearnedEntry& e = entries[i];
        e.check = static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
                  static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
        e.score = static_cast<std::int16_t>(p[4] | p[5] << 8);
        e.unused[0] = p[6];
        e.unused[1] = p[7];
    }
    return entries;
}

} // namespace

LearnedTable::LearnedTable() : m_entries(LEARNED_ENTRIES) {}

void LearnedTable::note_scores() {
    m_any_score = std::any_of(m_entries.begin(), m_entries.end(),
                              [](const LearnedEntry& e) { return e.score != 0; });
}

bool LearnedTable::replace_with(std::span<const std::uint8_t> bytes) {
    auto entries = decode_table(bytes);
    if (!entries) return false;
    m_entries = std::move(*entries);
    note_scores();
    return true;
}

FileLoad LearnedTable::load_learned(const std::string& path) {
    const FileBytesRead read = read_file_bytes(path, FileSize::exactly(LEARNED_FILE_BYTES));
    if (read.ok() && replace_with(read.bytes)) return {};
    m_entries.assign(LEARNED_ENTRIES, LearnedEntry{});
    note_scores();
    return {read.refusal};
}

FileLoad LearnedTable::load_lessons(const std::string& path) {
    const FileBytesRead read = read_file_bytes(path, FileSize::exactly(LEARNED_FILE_BYTES));
    if (read.ok() && !replace_with(read.bytes))
        return {FileRefusal{path, FileProblem::not_this_format, read.bytes.size(),
                            LEARNED_FILE_BYTES, 0}};
    return {read.refusal};
}

void LearnedTable::learn_position(std::uint32_t index_key, std::uint32_t check_key,
                                  int side_to_move, std::int16_t score) {
    LearnedEntry& e = m_entries[slot_of(index_key, side_to_move)];
    // A decisive score stays, whatever position it belongs to.
    if (e.score > -30000 && e.score < 30000) {
        e.check = check_key;
        e.score = score;
        note_scores();
    }
}

const LearnedEntry* LearnedTable::probe_learned(std::uint32_t index_key, std::uint32_t check_key,
                                                int side_to_move) const {
    const LearnedEntry& e = m_entries[slot_of(index_key, side_to_move)];
    return e.check == check_key ? &e : nullptr;
}

std::vector<std::uint8_t> LearnedTable::encode() const {
    std::vector<std::uint8_t> bytes(LEARNED_FILE_BYTES);
    for (std::uint32_t i = 0; i < LEARNED_ENTRIES; ++i) {
        unsigned char* p = &bytes[8u * i];
        const LearnedEntry& e = m_entries[i];
        for (int b = 0; b < 4; ++b) p[b] = static_cast<unsigned char>(e.check >> (8 * b));
        const auto score = static_cast<std::uint16_t>(e.score);
        p[4] = static_cast<unsigned char>(score);
        p[5] = static_cast<unsigned char>(score >> 8);
        p[6] = e.unused[0];
        p[7] = e.unused[1];
    }
    return bytes;
}

} // namespace selvako
