#include "engine/packed_endgame_index.h"

namespace selvako {

namespace {

using Binomials = std::array<std::array<std::uint32_t, MAX_PACKED_PIECES + 1>, NUM_SQUARES + 1>;

constexpr Binomials make_binomials() {
    Binomials c{};
    for (int n = 0; n <= NUM_SQUARES; ++n) {
        c[n][0] = 1;
        for (int k = 1; k <= MAX_PACKED_PIECES; ++k)
            c[n][k] = n == 0 ? 0 : c[n - 1][k - 1] + c[n - 1][k];
    }
    return c;
}

constexpr Binomials BINOMIAL = make_binomials();

// Men never stand on their own promotion row, so their groups rank 28 squares:
// the side to move's from square 5, the other side's from square 1.
constexpr std::array<int, PACKED_GROUPS> GROUP_SQUARES = {28, 32, 28, 32};
constexpr std::array<int, PACKED_GROUPS> GROUP_FIRST = {5, 1, 1, 1};

constexpr std::array<int, PACKED_GROUPS> group_counts(const TableMaterial& m) {
    return {m.own_men, m.own_kings, m.other_men, m.other_kings};
}

constexpr bool has_bib_table(const TableMaterial& m) {
    for (const TableLayout& layout : TABLE_LAYOUTS)
        if (layout.material() == m) return true;
    return false;
}

constexpr std::array<TableMaterial, NUM_PACKED_TABLES> make_materials() {
    std::array<TableMaterial, NUM_PACKED_TABLES> list{};
    int n = 0;
    for (int pieces = 4; pieces <= MAX_PACKED_PIECES; ++pieces)
        for (int om = 0; om <= pieces; ++om)
            for (int ok = 0; om + ok <= pieces; ++ok)
                for (int xm = 0; om + ok + xm <= pieces; ++xm) {
                    const int xk = pieces - om - ok - xm;
                    const TableMaterial m{
                        static_cast<std::uint8_t>(om), static_cast<std::uint8_t>(ok),
                        static_cast<std::uint8_t>(xm), static_cast<std::uint8_t>(xk)};
                    if (om + ok == 0 || xm + xk == 0 || has_bib_table(m)) continue;
                    if (n < NUM_PACKED_TABLES) list[n] = m;
                    ++n;
                }
    return n == NUM_PACKED_TABLES ? list : std::array<TableMaterial, NUM_PACKED_TABLES>{};
}

constexpr std::array<TableMaterial, NUM_PACKED_TABLES> PACKED_MATERIALS = make_materials();
static_assert(PACKED_MATERIALS[0].pieces() == 4, "every material of four or five pieces is listed");

constexpr int material_key(const TableMaterial& m) {
    return m.own_men * 216 + m.own_kings * 36 + m.other_men * 6 + m.other_kings;
}

using PackedLookup = std::array<std::int8_t, 6 * 216>;

constexpr PackedLookup make_lookup() {
    PackedLookup lookup{};
    for (auto& entry : lookup) entry = -1;
    for (int t = 0; t < NUM_PACKED_TABLES; ++t)
        lookup[material_key(PACKED_MATERIALS[t])] = static_cast<std::int8_t>(t);
    return lookup;
}

constexpr PackedLookup PACKED_LOOKUP = make_lookup();

bool material_fits(const TableMaterial& m) {
    return m.pieces() <= MAX_PACKED_PIECES && m.own_men + m.own_kings > 0 &&
           m.other_men + m.other_kings > 0;
}

} // namespace

const std::array<TableMaterial, NUM_PACKED_TABLES>& packed_materials() {
    return PACKED_MATERIALS;
}

std::uint32_t packed_table_size(const TableMaterial& material) {
    const auto counts = group_counts(material);
    std::uint32_t size = 1;
    for (int g = 0; g < PACKED_GROUPS; ++g) size *= BINOMIAL[GROUP_SQUARES[g]][counts[g]];
    return size;
}

std::string packed_file_name(const TableMaterial& m) {
    std::string name(m.own_men, 'p');
    name.append(m.own_kings, 'd');
    name += 'o';
    name.append(m.other_men, 'p');
    name.append(m.other_kings, 'd');
    return name + ".egt";
}

int find_packed_table(const TableMaterial& material) {
    if (!material_fits(material)) return -1;
    return PACKED_LOOKUP[material_key(material)];
}

std::uint32_t packed_index(const TableMaterial& material, const PackedSquares& squares) {
    const auto counts = group_counts(material);
    std::uint32_t index = 0;
    std::uint32_t stride = 1;
    int k = 0;
    for (int g = 0; g < PACKED_GROUPS; ++g) {
        std::uint32_t rank = 0;
        for (int i = 0; i < counts[g]; ++i, ++k)
            rank += BINOMIAL[squares[k] - GROUP_FIRST[g]][i + 1];
        index += rank * stride;
        stride *= BINOMIAL[GROUP_SQUARES[g]][counts[g]];
    }
    return index;
}

std::optional<PackedSquares> packed_squares(const TableMaterial& material, std::uint32_t index) {
    if (!material_fits(material) || index >= packed_table_size(material)) return std::nullopt;
    const auto counts = group_counts(material);
    PackedSquares squares{};
    std::uint32_t occupied = 0;
    int k = 0;
    for (int g = 0; g < PACKED_GROUPS; ++g) {
        const std::uint32_t size = BINOMIAL[GROUP_SQUARES[g]][counts[g]];
        std::uint32_t rank = index % size;
        index /= size;
        // The highest square first: the largest x whose binomial fits in the rank.
        for (int i = counts[g] - 1; i >= 0; --i) {
            int x = GROUP_SQUARES[g] - 1;
            while (BINOMIAL[x][i + 1] > rank) --x;
            rank -= BINOMIAL[x][i + 1];
            const auto s = static_cast<Square>(x + GROUP_FIRST[g]);
            squares[k + i] = s;
            const std::uint32_t bit = 1u << (s - 1);
            if (occupied & bit) return std::nullopt;
            occupied |= bit;
        }
        k += counts[g];
    }
    return squares;
}

std::optional<PackedPosition> packed_position(const BoardArray& board, int side_to_move) {
    const bool turned = side_to_move == BLACK;
    std::array<std::array<Square, MAX_PACKED_PIECES>, PACKED_GROUPS> groups{};
    std::array<int, PACKED_GROUPS> counts{};
    int pieces = 0;
    // Scanning in table orientation fills each group in ascending order.
    for (int q = 1; q <= NUM_SQUARES; ++q) {
        const std::uint8_t code = board[turned ? NUM_SQUARES + 1 - q : q];
        if (code < WHITE_MAN || code > BLACK_KING) continue;
        if (++pieces > MAX_PACKED_PIECES) return std::nullopt;
        const bool own = turned ? is_black_piece(code) : is_white_piece(code);
        const int g = (own ? 0 : 2) + (is_king(code) ? 1 : 0);
        groups[g][counts[g]++] = static_cast<Square>(q);
    }
    PackedPosition position;
    position.material = {static_cast<std::uint8_t>(counts[0]), static_cast<std::uint8_t>(counts[1]),
                         static_cast<std::uint8_t>(counts[2]),
                         static_cast<std::uint8_t>(counts[3])};
    if (!material_fits(position.material)) return std::nullopt;
    int k = 0;
    for (int g = 0; g < PACKED_GROUPS; ++g)
        for (int i = 0; i < counts[g]; ++i) {
            const Square s = groups[g][i];
            // A man on its own promotion row has no place in any table.
            if (s < GROUP_FIRST[g] || s >= GROUP_FIRST[g] + GROUP_SQUARES[g]) return std::nullopt;
            position.squares[k++] = s;
        }
    return position;
}

BoardArray packed_board(const TableMaterial& material, const PackedSquares& squares) {
    constexpr std::array<std::uint8_t, PACKED_GROUPS> CODES = {WHITE_MAN, WHITE_KING, BLACK_MAN,
                                                               BLACK_KING};
    BoardArray board = empty_board();
    const auto counts = group_counts(material);
    int k = 0;
    for (int g = 0; g < PACKED_GROUPS; ++g)
        for (int i = 0; i < counts[g]; ++i) board[squares[k++]] = CODES[g];
    return board;
}

std::optional<PackedEntry> locate_packed(const BoardArray& board, const PieceCounts& counts,
                                         int side_to_move) {
    if (total_pieces(counts) > MAX_PACKED_PIECES) return std::nullopt;
    const auto position = packed_position(board, side_to_move);
    if (!position) return std::nullopt;
    const int table = find_packed_table(position->material);
    if (table < 0) return std::nullopt;
    return PackedEntry{table, packed_index(position->material, position->squares)};
}

} // namespace selvako
