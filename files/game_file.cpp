#include "files/game_file.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <iterator>

#include "engine/engine_state.h"
#include "engine/make_move.h"
#include "engine/move_generation.h"
#include "engine/promotion_row.h"
#include "engine/transposition_table.h"
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

// The largest values the "Autre" level gives: its minutes times 60 must fit
// in a 32-bit clock, the budget is 55 s and the allowance 60 s less 2 a minute.
constexpr std::int32_t MAX_MINUTES = INT32_MAX / 60;
constexpr std::int32_t MAX_BUDGET = MAX_MINUTES * 55;
constexpr std::int32_t MAX_ALLOWANCE = MAX_MINUTES * 60 - 2;
constexpr int LANGUAGES = 6;
constexpr int PIECES_PER_SIDE = 12;

bool known_level(std::uint8_t niveau) {
    return niveau <= 8 || (niveau >= 11 && niveau <= 18);
}

bool known_table_size(std::int16_t setting) {
    for (const TableSize& size : TABLE_SIZES)
        if (size.setting == setting) return true;
    return false;
}

// Piece codes only on the squares; records past the game's length may hold
// an older game's plies, which were written by the same rules.
bool plausible_record(const std::uint8_t* r, bool has_move) {
    for (int s = 1; s <= NUM_SQUARES; ++s)
        if (r[s] > BLACK_KING) return false;
    return !has_move || (r[34] <= NUM_SQUARES && r[35] <= NUM_SQUARES);
}

// A ply of the game itself: the sentinel in cell 0, pieces as a game can have
// them, a move between two squares and clocks that ran forward.
bool well_formed_ply(const FicheCoup& r, int ply) {
    if (ply > 0 && r.board[0] != SENTINEL) return false;
    const PieceCounts c = count_pieces(r.board);
    const int white = c[WHITE_MAN] + c[WHITE_KING];
    const int black = c[BLACK_MAN] + c[BLACK_KING];
    if (white > PIECES_PER_SIDE || black > PIECES_PER_SIDE) return false;
    if (man_on_promotion_row(r.board) != 0) return false;
    // A ply cannot empty the board; a position set up by hand may start empty.
    if (ply > 0 && white + black == 0) return false;
    if (ply > 0 && (r.from < 1 || r.to < 1 || r.from == r.to)) return false;
    if (r.taken > 2 * PIECES_PER_SIDE) return false;
    return r.couleur_ordinateur <= BLACK;
}

bool clocks_in_range(const FicheCoup& r) {
    return r.temps_blanc >= 0 && r.temps_noir >= 0 && r.temps_blanc <= MAX_CLOCK_SECONDS &&
           r.temps_noir <= MAX_CLOCK_SECONDS;
}

// The side whose piece left the ply's from-square, or -1 when none did.
int mover(const FicheCoup& before, const FicheCoup& ply) {
    const std::uint8_t code = before.board[ply.from];
    if (is_white_piece(code)) return WHITE;
    if (is_black_piece(code)) return BLACK;
    return -1;
}

// Whether one of the mover's legal moves goes between the ply's squares,
// takes as many pieces and leaves exactly the ply's board.
bool legal_ply(EngineState& work, const FicheCoup& before, const FicheCoup& ply, int side) {
    work.set_position(before.board);
    const int count = generate_root_moves(work, side);
    const BoardArray start = work.board;
    for (int i = 0; i < count; ++i) {
        const Move move = work.list(1)[i];
        if (move.from != ply.from || move.to != ply.to || move.taken != ply.taken) continue;
        work.set_position(start);
        make_move(work, move);
        if (std::equal(work.board.begin() + 1, work.board.begin() + 1 + NUM_SQUARES,
                       ply.board.begin() + 1))
            return true;
    }
    return false;
}

struct Inconsistency {
    FileProblem problem;
    int ply;
};

// Each ply must follow from the one before by a legal move of the side
// whose turn it was, and the side to move must follow from the plies.
std::optional<Inconsistency> check_plies(const GameFileImage& image, int last) {
    EngineState work;
    FicheCoup before = image.historique[0];
    before.board[0] = SENTINEL;
    int previous_side = -1;
    for (int k = 1; k <= last; ++k) {
        const FicheCoup& ply = image.historique[k];
        const int side = mover(before, ply);
        if (side < 0) return Inconsistency{FileProblem::move_not_legal, k};
        if (previous_side >= 0 && side == previous_side)
            return Inconsistency{FileProblem::side_to_move, k};
        if (!legal_ply(work, before, ply, side))
            return Inconsistency{FileProblem::move_not_legal, k};
        previous_side = side;
        before = ply;
    }
    // The side to move at the ply on show: the other of the side that made
    // it, or at the start the side that made ply 1.
    const int shown = image.num_demi_coup;
    int expected = -1;
    if (shown > 0)
        expected = 1 - mover(image.historique[shown - 1], image.historique[shown]);
    else if (last > 0)
        expected = mover(image.historique[0], image.historique[1]);
    if (expected >= 0 && image.trait != expected)
        return Inconsistency{FileProblem::side_to_move, shown};
    return std::nullopt;
}

bool plausible_settings(const PersistentSettings& s) {
    // All zero: a file written without settings, which gets the defaults.
    if (s.budget_recherche == 0 || s.temps_alloue == 0) return true;
    return s.budget_recherche > 0 && s.budget_recherche <= MAX_BUDGET && s.temps_alloue > 0 &&
           s.temps_alloue <= MAX_ALLOWANCE && s.minutes_autre >= 0 &&
           s.minutes_autre <= MAX_MINUTES && known_level(s.niveau) && s.langue < LANGUAGES &&
           known_table_size(s.taille_tables);
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

GameFileRead decode_game_file(std::span<const std::uint8_t> bytes, GameFileUse use,
                              const std::filesystem::path& path) {
    GameFileRead result;
    result.refusal.path = path;
    const auto refuse = [&](FileProblem problem, int ply = 0) {
        result.refusal.problem = problem;
        result.refusal.ply = ply;
        result.image.reset();
        return result;
    };
    if (bytes.size() != GAME_FILE_BYTES) {
        result.refusal.size = bytes.size();
        result.refusal.limit = GAME_FILE_BYTES;
        return refuse(bytes.size() > GAME_FILE_BYTES ? FileProblem::wrong_size
                                                     : FileProblem::too_short);
    }
    if (bytes[RECORD_AREA_BYTES] > LAST_PLY) return refuse(FileProblem::not_this_format);
    if (bytes[RECORD_AREA_BYTES + 1] > BLACK) return refuse(FileProblem::not_this_format);
    // Records 253 and 254 hold the settings where their clocks and move would be.
    for (int k = 0; k <= LAST_GAME_PLY; ++k)
        if (!plausible_record(bytes.data() + record_offset(k), k > 0))
            return refuse(FileProblem::not_this_format, k);

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
    if (!plausible_settings(s)) return refuse(FileProblem::settings_out_of_range);
    if (s.budget_recherche == 0 || s.temps_alloue == 0) {
        s.budget_recherche = 160;
        s.temps_alloue = 178;
        s.minutes_autre = 3;
        s.niveau = 5;
        // French, the language the program starts in: a file without
        // settings must not switch the interface to a language nobody chose.
        s.langue = 0;
        // Those bytes were the clocks of ply 253, not a size: left as they
        // are, the game would save a file that no reader accepts.
        s.taille_tables = TABLE_SIZES[DEFAULT_TABLE_SIZE].setting;
    }

    // Plies 253 and 254 of an older program's file lost their clocks and
    // move to the settings: the game is read up to the last ply kept whole,
    // the side on show following the plies dropped.
    const int cap = use == GameFileUse::lesson ? LAST_LESSON_PLY : LAST_GAME_PLY;
    std::uint8_t& length = image.historique[0].board[0];
    length = static_cast<std::uint8_t>(std::min<int>(length, cap));
    if (image.num_demi_coup > cap) {
        image.trait ^= static_cast<std::uint8_t>((image.num_demi_coup - cap) & 1);
        image.num_demi_coup = static_cast<std::uint8_t>(cap);
    }
    // The ply on show stretches the game (the reader's own rule), so every
    // ply up to either must be a real one.
    const int last = std::max<int>(length, image.num_demi_coup);
    for (int k = 0; k <= last; ++k) {
        if (!well_formed_ply(image.historique[k], k))
            return refuse(FileProblem::not_this_format, k);
        if (!clocks_in_range(image.historique[k]))
            return refuse(FileProblem::clock_out_of_range, k);
    }
    if (const auto wrong = check_plies(image, last)) return refuse(wrong->problem, wrong->ply);
    result.image = image;
    return result;
}

bool write_game_file(const std::filesystem::path& path, const GameFileImage& image) {
    const std::vector<std::uint8_t> bytes = encode_game_file(image);
    return write_file_atomically(path, bytes);
}

GameFileRead read_game_file(const std::filesystem::path& path, GameFileUse use) {
    const FileBytesRead read = read_file_bytes(path, FileSize::exactly(GAME_FILE_BYTES));
    if (!read.ok()) {
        GameFileRead refused;
        refused.refusal = *read.refusal;
        return refused;
    }
    return decode_game_file(read.bytes, use, path);
}

} // namespace selvako
