#pragma once
// Where a position of up to five pieces sits in the packed endgame tables: one
// table for every material of four or five pieces that no ".bib" file holds.
//
// Every table is seen with White to move: when Black is to move the board is
// turned by 180 degrees (square s becomes 33 - s) and the colours swapped, so
// that the side to move's men run toward squares 1-4 in every table. A
// position's index combines the ranks of four groups, each group's squares
// ranked as a combination (colex order): the side to move's men over squares
// 5-32, its kings over 1-32, the other side's men over 1-28 and its kings over
// 1-32. Indexes whose groups share a square hold no position.

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "engine/board.h"
#include "engine/endgame_index.h"

namespace selvako {

inline constexpr int MAX_PACKED_PIECES = 5;

// The groups in index order: own men, own kings, other men, other kings.
inline constexpr int PACKED_GROUPS = 4;

// The squares of a position in table orientation, group after group, each
// group ascending; entries past the material's piece count are 0.
using PackedSquares = std::array<Square, MAX_PACKED_PIECES>;

// The 19 four-piece and 44 five-piece materials, four pieces first.
inline constexpr int NUM_PACKED_TABLES = 63;

const std::array<TableMaterial, NUM_PACKED_TABLES>& packed_materials();

// Number of indexes of a material's table (some hold no position).
std::uint32_t packed_table_size(const TableMaterial& material);

// The file name, spelled as the ".bib" names are: the side to move's men ("p")
// and kings ("d"), "o", the other side's; extension ".egt".
std::string packed_file_name(const TableMaterial& material);

// The packed table of a material, or -1.
int find_packed_table(const TableMaterial& material);

// A material of up to five pieces in which each side has a piece: any such
// material, with or without a packed table (the generator solves them all).
std::uint32_t packed_index(const TableMaterial& material, const PackedSquares& squares);

// The squares at `index`, or nothing when two groups share a square or the
// index is past the table.
std::optional<PackedSquares> packed_squares(const TableMaterial& material, std::uint32_t index);

struct PackedPosition {
    TableMaterial material;
    PackedSquares squares{};
};

// The position on `board` with `side_to_move` to play, in table orientation;
// nothing when it has more than five pieces or a side without pieces.
std::optional<PackedPosition> packed_position(const BoardArray& board, int side_to_move);

// The board of a position in table orientation, White to move.
BoardArray packed_board(const TableMaterial& material, const PackedSquares& squares);

struct PackedEntry {
    int table = -1;
    std::uint32_t index = 0;
};

// The packed table and index of the position, or nothing when no packed table
// holds its material.
std::optional<PackedEntry> locate_packed(const BoardArray& board, const PieceCounts& counts,
                                         int side_to_move);

} // namespace selvako
