#include "files/game_file.h"

#include <cstring>
#include <fstream>
#include <iterator>

#include "files/atomic_file.h"

namespace selvako {

namespace {

void put32(std::uint8_t* at, std::int32_t value) {
    const auto v = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i) at[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

void put16(std::uint8_t* at, std::int16_t value) {
    const auto v = static_cast<std::uint16_t>(value);
    at[0] = static_cast<std::uint8_t>(v);
    at[1] = static_cast<std::uint8_t>(v >> 8);
}

std::int32_t get32(const std::uint8_t* at) {
    std::uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v |= static_cast<std::uint32_t>(at[i]) << (8 * i);
    return static_cast<std::int32_t>(v);
}

std::int16_t get16(const std::uint8_t* at) {
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(at[0] | (at[1] << 8)));
}

void encode_record(const FicheCoup& r, std::uint8_t* at) {
    std::memcpy(at, r.board.data(), BOARD_CELLS);
    at[33] = r.taken;
    at[34] = r.from;
    at[35] = r.to;
    put32(at + 36, r.temps_blanc);
    put32(at + 40, r.temps_noir);
    std::memcpy(at + 44, r.nom_blanc.data(), NAME_BYTES);
    std::memcpy(at + 64, r.nom_noir.data(), NAME_BYTES);
    at[84] = r.couleur_ordinateur;
    std::memcpy(at + 85, r.unused.data(), 3);
}

FicheCoup decode_record(const std::uint8_t* at) {
    FicheCoup r;
    std::memcpy(r.board.data(), at, BOARD_CELLS);
    r.taken = at[33];
    r.from = at[34];
    r.to = at[35];
    r.temps_blanc = get32(at + 36);
    r.temps_noir = get32(at + 40);
    std::memcpy(r.nom_blanc.data(), at + 44, NAME_BYTES);
    std::memcpy(r.nom_noir.data(), at + 64, NAME_BYTES);
    r.nom_blanc.back() = '\0';
    r.nom_noir.back() = '\0';
    r.couleur_ordinateur = at[84];
    std::memcpy(r.unused.data(), at + 85, 3);
    return r;
}

constexpr std::size_t record_offset(int k) {
    return static_cast<std::size_t>(k) * sizeof(FicheCoup);
}

bool plausible(std::span<const std::uint8_t> bytes) {
    if (bytes.size() != GAME_FILE_BYTES) return false;
    if (bytes[RECORD_AREA_BYTES] > LAST_PLY || bytes[RECORD_AREA_BYTES + 1] > BLACK) return false;
    if (bytes[0] > LAST_PLY) return false;
    for (int k = 0; k < HISTORY_PLIES; ++k) {
        const std::uint8_t* r = bytes.data() + record_offset(k);
        for (int s = 1; s <= NUM_SQUARES; ++s)
            if (r[s] > BLACK_KING) return false;
        // Record 254 keeps the language and the level where its move would be.
        if (k < LAST_PLY && (r[34] > NUM_SQUARES || r[35] > NUM_SQUARES)) return false;
    }
    return true;
}

} // namespace

std::vector<std::uint8_t> encode_game_file(const GameFileImage& image) {
    std::vector<std::uint8_t> bytes(GAME_FILE_BYTES, 0);
    for (int k = 0; k < HISTORY_PLIES; ++k)
        encode_record(image.historique[k], bytes.data() + record_offset(k));
    const PersistentSettings& s = image.settings;
    put32(&bytes[OFFSET_BUDGET], s.budget_recherche);
    put32(&bytes[OFFSET_TEMPS_ALLOUE], s.temps_alloue);
    put32(&bytes[OFFSET_MINUTES_AUTRE], s.minutes_autre);
    bytes[OFFSET_NIVEAU] = s.niveau;
    bytes[OFFSET_LANGUE] = s.langue;
    put16(&bytes[OFFSET_TAILLE_TABLES], s.taille_tables);
    bytes[RECORD_AREA_BYTES] = image.num_demi_coup;
    bytes[RECORD_AREA_BYTES + 1] = image.trait;
    return bytes;
}

std::optional<GameFileImage> decode_game_file(std::span<const std::uint8_t> bytes) {
    if (!plausible(bytes)) return std::nullopt;
    GameFileImage image;
    for (int k = 0; k < HISTORY_PLIES; ++k)
        image.historique[k] = decode_record(bytes.data() + record_offset(k));
    image.num_demi_coup = bytes[RECORD_AREA_BYTES];
    image.trait = bytes[RECORD_AREA_BYTES + 1];
    PersistentSettings& s = image.settings;
    s.budget_recherche = get32(&bytes[OFFSET_BUDGET]);
    s.temps_alloue = get32(&bytes[OFFSET_TEMPS_ALLOUE]);
    s.minutes_autre = get32(&bytes[OFFSET_MINUTES_AUTRE]);
    s.niveau = bytes[OFFSET_NIVEAU];
    s.langue = bytes[OFFSET_LANGUE];
    s.taille_tables = get16(&bytes[OFFSET_TAILLE_TABLES]);
    if (s.budget_recherche == 0 || s.temps_alloue == 0) {
        s.budget_recherche = 160;
        s.temps_alloue = 178;
        s.minutes_autre = 3;
        s.niveau = 5;
        // French, the language the program starts in: a file without
        // settings must not switch the interface to a language nobody chose.
        s.langue = 0;
    }
    return image;
}

bool write_game_file(const std::filesystem::path& path, const GameFileImage& image) {
    const std::vector<std::uint8_t> bytes = encode_game_file(image);
    return write_file_atomically(path, bytes);
}

std::optional<GameFileImage> read_game_file(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    // One byte more than a game file is enough to tell a longer file apart.
    std::vector<std::uint8_t> bytes(GAME_FILE_BYTES + 1);
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return decode_game_file(bytes);
}

} // namespace selvako
