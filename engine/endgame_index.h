#pragma once
// Where a position of two to four pieces sits in the endgame table files: the
// 22 files, their sizes and index families, and the mapping between a byte
// offset of a file and the squares of its pieces.
//
// A table is seen from the side to move ("own" pieces) against the other side.
// Tables holding a man are stored with White to move: when Black is to move the
// board is turned by 180 degrees (square s becomes 33 - s) and the colours are
// swapped, so that the side to move's men always run toward squares 1-4. Tables
// of kings alone are indexed with the squares as they are.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "engine/board.h"

namespace selvako {

enum class IndexFamily : std::uint8_t {
    TwoSingles,     // 32 * s1 + s2
    PairSingle,     // pair(a, b) + (s - 1) * 496
    ThreeSingles,   // (s1 - 1) * 1024 + (s2 - 1) * 32 + (s3 - 1)
    TripleSingle,   // triple(a, b, c) + (s - 1) * 4960
    PairTwoSingles, // pair(a, b) + (t - 1) * 496 + (u - 1) * 16368
};

enum class PieceRole : std::uint8_t { OwnMan, OwnKing, OtherMan, OtherKing };

struct TableMaterial {
    std::uint8_t own_men = 0;
    std::uint8_t own_kings = 0;
    std::uint8_t other_men = 0;
    std::uint8_t other_kings = 0;

    constexpr int pieces() const { return own_men + own_kings + other_men + other_kings; }
    constexpr int men() const { return own_men + other_men; }
    constexpr TableMaterial swapped() const { return {other_men, other_kings, own_men, own_kings}; }
    constexpr bool operator==(const TableMaterial&) const = default;
};

inline constexpr int MAX_TABLE_PIECES = 4;

struct TableLayout {
    std::string_view file_name;
    std::uint32_t size;
    IndexFamily family;
    // The groups of the family's formula in order: for a pair or a triple one
    // role stands for all its identical pieces.
    std::array<PieceRole, 3> groups;

    // The name spells the material: own pieces, "o", other pieces; d king, p man.
    constexpr TableMaterial material() const {
        TableMaterial m;
        bool own = true;
        for (char c : file_name.substr(0, file_name.find('.'))) {
            if (c == 'o') own = false;
            if (c == 'p') ++(own ? m.own_men : m.other_men);
            if (c == 'd') ++(own ? m.own_kings : m.other_kings);
        }
        return m;
    }
    constexpr bool has_men() const { return material().men() > 0; }
    constexpr int pieces() const { return material().pieces(); }
};

inline constexpr int NUM_ENDGAME_TABLES = 22;

// In the order in which the files are read.
constexpr std::array<TableLayout, NUM_ENDGAME_TABLES> make_table_layouts() {
    using F = IndexFamily;
    using R = PieceRole;
    // clang-format off
    return {{
        {"dod.bib",     1056, F::TwoSingles,     {R::OwnKing, R::OtherKing}},
        {"pod.bib",     1056, F::TwoSingles,     {R::OwnMan, R::OtherKing}},
        {"dop.bib",     1056, F::TwoSingles,     {R::OwnKing, R::OtherMan}},
        {"pop.bib",     1056, F::TwoSingles,     {R::OwnMan, R::OtherMan}},
        {"ddod.bib",   15841, F::PairSingle,     {R::OwnKing, R::OtherKing}},
        {"dodd.bib",   15841, F::PairSingle,     {R::OtherKing, R::OwnKing}},
        {"ddop.bib",   15841, F::PairSingle,     {R::OwnKing, R::OtherMan}},
        {"podd.bib",   15841, F::PairSingle,     {R::OtherKing, R::OwnMan}},
        {"pdod.bib",   33824, F::ThreeSingles,   {R::OwnMan, R::OwnKing, R::OtherKing}},
        {"dopd.bib",   33824, F::ThreeSingles,   {R::OwnKing, R::OtherMan, R::OtherKing}},
        {"pdop.bib",   33824, F::ThreeSingles,   {R::OwnMan, R::OwnKing, R::OtherMan}},
        {"popd.bib",   33824, F::ThreeSingles,   {R::OwnMan, R::OtherMan, R::OtherKing}},
        {"ppod.bib",   15841, F::PairSingle,     {R::OwnMan, R::OtherKing}},
        {"dopp.bib",   15841, F::PairSingle,     {R::OtherMan, R::OwnKing}},
        {"ppop.bib",   15841, F::PairSingle,     {R::OwnMan, R::OtherMan}},
        {"popp.bib",   15841, F::PairSingle,     {R::OtherMan, R::OwnMan}},
        {"dddod.bib", 163215, F::TripleSingle,   {R::OwnKing, R::OtherKing}},
        {"doddd.bib", 163215, F::TripleSingle,   {R::OtherKing, R::OwnKing}},
        {"pddod.bib", 523683, F::PairTwoSingles, {R::OwnKing, R::OwnMan, R::OtherKing}},
        {"dopdd.bib", 523683, F::PairTwoSingles, {R::OtherKing, R::OtherMan, R::OwnKing}},
        {"ppdod.bib", 523683, F::PairTwoSingles, {R::OwnMan, R::OwnKing, R::OtherKing}},
        {"doppd.bib", 523683, F::PairTwoSingles, {R::OtherMan, R::OtherKing, R::OwnKing}},
    }};
    // clang-format on
}

inline constexpr std::array<TableLayout, NUM_ENDGAME_TABLES> TABLE_LAYOUTS = make_table_layouts();

// The squares of a table's pieces in the table's orientation, in the order the
// family's formula reads them: a pair or a triple first and ascending, then the
// singles. Entries past the table's piece count are 0.
using TableSquares = std::array<Square, MAX_TABLE_PIECES>;

// The role of each entry of TableSquares for this layout.
std::array<PieceRole, MAX_TABLE_PIECES> square_roles(const TableLayout& layout);

std::uint32_t table_offset(const TableLayout& layout, const TableSquares& squares);

// The squares stored at `offset`, or nothing for an offset that no square
// combination of the family produces. Squares may coincide or put a man on its
// promotion row: see position_can_occur.
std::optional<TableSquares> table_squares(const TableLayout& layout, std::uint32_t offset);

// No two pieces on one square, no man of the side to move on squares 1-4 and
// no man of the other side on squares 29-32.
bool position_can_occur(const TableLayout& layout, const TableSquares& squares);

// The table of a material, or -1 when there is none.
int find_table(const TableMaterial& material);

struct TableEntry {
    int table = -1;
    std::uint32_t offset = 0;
};

// The table and offset of a position with `side_to_move` to play, or nothing
// when no table holds its material (more than four pieces, a side without
// pieces, or a four-piece ending without a table). `counts` must match `board`.
std::optional<TableEntry> locate_position(const BoardArray& board, const PieceCounts& counts,
                                          int side_to_move);

// The position of a table entry with White as the side to move, in the
// table's orientation.
BoardArray table_board(const TableLayout& layout, const TableSquares& squares);

} // namespace selvako
