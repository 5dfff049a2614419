#include "engine/endgame_index.h"

namespace selvako {

namespace {

constexpr std::uint32_t PAIRS = 496;              // pairs of distinct squares out of 32
constexpr std::uint32_t TRIPLES = 4960;           // triples of distinct squares out of 32
constexpr std::uint32_t PAIR_SINGLE_STEP = 16368; // the (u - 1) step of pair + two singles

// Pairs (a, b) with a < b < high, and triples below high: the ranks at which
// the pairs and triples whose highest square is `high` begin.
constexpr std::uint32_t pairs_below(Square high) {
    return (high - 1u) * (high - 2u) / 2u;
}
constexpr std::uint32_t triples_below(Square high) {
    return (high - 1u) * (high - 2u) * (high - 3u) / 6u;
}

constexpr std::uint32_t pair_rank(Square a, Square b) {
    return (a - 1u) + pairs_below(b);
}

constexpr std::uint32_t triple_rank(Square a, Square b, Square c) {
    return pair_rank(a, b) + triples_below(c);
}

// The inverses for rank < 496 and rank < 4960: the highest square is the last
// one whose group starts at or below the rank.
void unrank_pair(std::uint32_t rank, Square& a, Square& b) {
    Square high = 2;
    while (high < NUM_SQUARES && pairs_below(static_cast<Square>(high + 1)) <= rank) ++high;
    b = high;
    a = static_cast<Square>(rank - pairs_below(high) + 1);
}

void unrank_triple(std::uint32_t rank, Square& a, Square& b, Square& c) {
    Square high = 3;
    while (high < NUM_SQUARES && triples_below(static_cast<Square>(high + 1)) <= rank) ++high;
    c = high;
    unrank_pair(rank - triples_below(high), a, b);
}

Square square_of(std::uint32_t zero_based) {
    return static_cast<Square>(zero_based + 1);
}

constexpr int group_size(IndexFamily family, int group) {
    switch (family) {
    case IndexFamily::PairSingle:
    case IndexFamily::PairTwoSingles:
        return group == 0 ? 2 : 1;
    case IndexFamily::TripleSingle:
        return group == 0 ? 3 : 1;
    default:
        return 1;
    }
}

constexpr int group_count(IndexFamily family) {
    return family == IndexFamily::ThreeSingles || family == IndexFamily::PairTwoSingles ? 3 : 2;
}

using TableLookup = std::array<std::int8_t, 256>;

constexpr int material_key(const TableMaterial& m) {
    return m.own_men * 64 + m.own_kings * 16 + m.other_men * 4 + m.other_kings;
}

constexpr TableLookup make_table_lookup() {
    TableLookup lookup{};
    for (auto& entry : lookup) entry = -1;
    for (int t = 0; t < NUM_ENDGAME_TABLES; ++t)
        lookup[material_key(TABLE_LAYOUTS[t].material())] = static_cast<std::int8_t>(t);
    return lookup;
}

constexpr TableLookup TABLE_LOOKUP = make_table_lookup();

// Every layout's groups must account for exactly the material its name spells.
constexpr bool groups_match_names() {
    for (const TableLayout& layout : TABLE_LAYOUTS) {
        TableMaterial m;
        for (int g = 0; g < group_count(layout.family); ++g) {
            const int n = group_size(layout.family, g);
            switch (layout.groups[g]) {
            case PieceRole::OwnMan:
                m.own_men += n;
                break;
            case PieceRole::OwnKing:
                m.own_kings += n;
                break;
            case PieceRole::OtherMan:
                m.other_men += n;
                break;
            case PieceRole::OtherKing:
                m.other_kings += n;
                break;
            }
        }
        if (!(m == layout.material())) return false;
    }
    return true;
}
static_assert(groups_match_names());

PieceRole role_of(std::uint8_t code, int side_to_move) {
    const bool own = side_to_move == BLACK ? is_black_piece(code) : is_white_piece(code);
    if (own) return is_king(code) ? PieceRole::OwnKing : PieceRole::OwnMan;
    return is_king(code) ? PieceRole::OtherKing : PieceRole::OtherMan;
}

std::uint8_t white_to_move_code(PieceRole role) {
    switch (role) {
    case PieceRole::OwnMan:
        return WHITE_MAN;
    case PieceRole::OwnKing:
        return WHITE_KING;
    case PieceRole::OtherMan:
        return BLACK_MAN;
    case PieceRole::OtherKing:
        return BLACK_KING;
    }
    return EMPTY;
}

} // namespace

std::array<PieceRole, MAX_TABLE_PIECES> square_roles(const TableLayout& layout) {
    std::array<PieceRole, MAX_TABLE_PIECES> roles{};
    int k = 0;
    for (int g = 0; g < group_count(layout.family); ++g)
        for (int i = 0; i < group_size(layout.family, g); ++i) roles[k++] = layout.groups[g];
    return roles;
}

std::uint32_t table_offset(const TableLayout& layout, const TableSquares& sq) {
    switch (layout.family) {
    case IndexFamily::TwoSingles:
        return 32u * sq[0] + sq[1];
    case IndexFamily::PairSingle:
        return pair_rank(sq[0], sq[1]) + (sq[2] - 1u) * PAIRS;
    case IndexFamily::ThreeSingles:
        return (sq[0] - 1u) * 1024u + (sq[1] - 1u) * 32u + (sq[2] - 1u);
    case IndexFamily::TripleSingle:
        return triple_rank(sq[0], sq[1], sq[2]) + (sq[3] - 1u) * TRIPLES;
    case IndexFamily::PairTwoSingles:
        return pair_rank(sq[0], sq[1]) + (sq[2] - 1u) * PAIRS + (sq[3] - 1u) * PAIR_SINGLE_STEP;
    }
    return 0;
}

std::optional<TableSquares> table_squares(const TableLayout& layout, std::uint32_t offset) {
    if (offset >= layout.size) return std::nullopt;
    TableSquares sq{};
    switch (layout.family) {
    case IndexFamily::TwoSingles:
        if (offset <= 32u) return std::nullopt;
        sq[0] = static_cast<Square>((offset - 1u) / 32u);
        sq[1] = square_of((offset - 1u) % 32u);
        break;
    case IndexFamily::PairSingle:
        unrank_pair(offset % PAIRS, sq[0], sq[1]);
        sq[2] = square_of(offset / PAIRS);
        break;
    case IndexFamily::ThreeSingles:
        if (offset >= 32u * 1024u) return std::nullopt;
        sq[0] = square_of(offset / 1024u);
        sq[1] = square_of(offset / 32u % 32u);
        sq[2] = square_of(offset % 32u);
        break;
    case IndexFamily::TripleSingle:
        if (offset / TRIPLES >= 32u) return std::nullopt;
        unrank_triple(offset % TRIPLES, sq[0], sq[1], sq[2]);
        sq[3] = square_of(offset / TRIPLES);
        break;
    case IndexFamily::PairTwoSingles: {
        const std::uint32_t rest = offset % PAIR_SINGLE_STEP;
        if (rest / PAIRS >= 32u) return std::nullopt;
        unrank_pair(rest % PAIRS, sq[0], sq[1]);
        sq[2] = square_of(rest / PAIRS);
        sq[3] = square_of(offset / PAIR_SINGLE_STEP);
        break;
    }
    }
    return sq;
}

bool position_can_occur(const TableLayout& layout, const TableSquares& sq) {
    const auto roles = square_roles(layout);
    const int n = layout.pieces();
    std::uint32_t occupied = 0;
    for (int i = 0; i < n; ++i) {
        if (sq[i] < 1 || sq[i] > NUM_SQUARES) return false;
        const std::uint32_t bit = 1u << (sq[i] - 1);
        if (occupied & bit) return false;
        occupied |= bit;
        // White to move in this orientation: own men promote on 1-4, the other's on 29-32.
        if (roles[i] == PieceRole::OwnMan && sq[i] <= 4) return false;
        if (roles[i] == PieceRole::OtherMan && sq[i] >= 29) return false;
    }
    return true;
}

int find_table(const TableMaterial& m) {
    if (m.own_men > 3 || m.own_kings > 3 || m.other_men > 3 || m.other_kings > 3) return -1;
    return TABLE_LOOKUP[material_key(m)];
}

std::optional<TableEntry> locate_position(const BoardArray& board, const PieceCounts& counts,
                                          int side_to_move) {
    const int own = side_to_move == BLACK ? BLACK : WHITE;
    const TableMaterial material{counts[own_man(own)], counts[own_king(own)],
                                 counts[enemy_man(own)], counts[enemy_king(own)]};
    if (material.pieces() > MAX_TABLE_PIECES) return std::nullopt;
    const int table = find_table(material);
    if (table < 0) return std::nullopt;
    const TableLayout& layout = TABLE_LAYOUTS[table];
    const bool turned = own == BLACK && layout.has_men();
    const auto roles = square_roles(layout);
    const int n = layout.pieces();

    // Scanning in the table's orientation fills pairs and triples in ascending order.
    TableSquares sq{};
    for (int q = 1; q <= NUM_SQUARES; ++q) {
        const std::uint8_t code = board[turned ? NUM_SQUARES + 1 - q : q];
        if (code < WHITE_MAN || code > BLACK_KING) continue;
        const PieceRole role = role_of(code, own);
        int slot = 0;
        while (slot < n && (roles[slot] != role || sq[slot] != 0)) ++slot;
        if (slot == n) return std::nullopt; // the board disagrees with the counts
        sq[slot] = static_cast<Square>(q);
    }
    for (int i = 0; i < n; ++i)
        if (sq[i] == 0) return std::nullopt;
    return TableEntry{table, table_offset(layout, sq)};
}

BoardArray table_board(const TableLayout& layout, const TableSquares& sq) {
    BoardArray board = empty_board();
    const auto roles = square_roles(layout);
    for (int i = 0; i < layout.pieces(); ++i) board[sq[i]] = white_to_move_code(roles[i]);
    return board;
}

} // namespace selvako
