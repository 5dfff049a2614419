// The running terms computed from the whole board, and the choice of the
// tables they are measured with.

#include "eval/evaluate.h"

#include "eval/eval_tables.h"

namespace selvako {

namespace {

void set_king_table(SquareTable& kings, const PieceCounts& c) {
    kings.fill(1);
    kings[0] = 0;
    // The double corners are where a defending king is safest: no extra credit there.
    kings[1] = kings[5] = kings[28] = kings[32] = 0;
    const bool no_men = c[WHITE_MAN] == 0 && c[BLACK_MAN] == 0;
    if (no_men && (c[WHITE_KING] == 4 && c[BLACK_KING] == 1)) {
        // Drive the lone king out of the 1-5 double corner.
        kings[1] = kings[5] = 40;
        kings[10] = kings[14] = 10;
    } else if (no_men && (c[WHITE_KING] == 1 && c[BLACK_KING] == 4)) {
        // The same for Black's four kings, on the mirrored squares.
        kings[32] = kings[28] = 40;
        kings[23] = kings[19] = 10;
    }
    auto ahead_with_kings = [&c](int side) {
        const int men = c[own_man(side)], other_men = c[own_man(1 - side)];
        return men >= 2 && men <= 4 && c[own_king(side)] >= 2 && other_men < 5 &&
               c[own_king(1 - side)] >= 1;
    };
    if (ahead_with_kings(WHITE) || ahead_with_kings(BLACK)) kings = KING_OVERRIDE;
}

} // namespace

std::int32_t square_table_sum(TermTables& tables, const BoardArray& board,
                              const PieceCounts& counts, int side) {
    set_king_table(tables.kings, counts);
    std::int32_t white_minus_black = 0;
    for (int s = 1; s <= NUM_SQUARES; ++s) {
        switch (board[s]) {
        case WHITE_MAN:
            white_minus_black += tables.men[mirror_square(s)];
            break;
        case WHITE_KING:
            white_minus_black += tables.kings[s];
            break;
        case BLACK_MAN:
            white_minus_black -= tables.men[s];
            break;
        case BLACK_KING:
            white_minus_black -= tables.kings[s];
            break;
        default:
            break;
        }
    }
    return side != WHITE ? -white_minus_black : white_minus_black;
}

std::int32_t tempo_count(const BoardArray& board, int side) {
    std::int32_t white_minus_black = 0;
    for (int s = 1; s <= NUM_SQUARES; ++s) {
        if (board[s] == WHITE_MAN) white_minus_black += ROW_TABLE[mirror_square(s)];
        if (board[s] == BLACK_MAN) white_minus_black -= ROW_TABLE[s];
    }
    return side != WHITE ? -white_minus_black : white_minus_black;
}

void count_regions(RunningTerms& terms, const BoardArray& board, int side) {
    terms.own_regions.fill(0);
    terms.opponent_regions.fill(0);
    terms.own_centre = 0;
    terms.opponent_centre = 0;
    const std::uint8_t own = side != WHITE ? BLACK_MAN : WHITE_MAN;
    for (int s = 1; s <= NUM_SQUARES; ++s) {
        if (board[s] != WHITE_MAN && board[s] != BLACK_MAN) continue;
        const Square seen = board[s] == BLACK_MAN ? static_cast<Square>(s) : mirror_square(s);
        const bool is_own = board[s] == own;
        auto& regions = is_own ? terms.own_regions : terms.opponent_regions;
        auto& centre = is_own ? terms.own_centre : terms.opponent_centre;
        ++regions[REGION_TABLE[seen]];
        centre = static_cast<std::uint8_t>(centre + FILE_WEIGHT[seen]);
    }
}

RunningTerms running_terms_from_scratch(const TermTables& tables, const BoardArray& board) {
    RunningTerms terms;
    for (int s = 1; s <= NUM_SQUARES; ++s)
        if (board[s] >= WHITE_MAN && board[s] <= BLACK_KING)
            running_terms_place(terms, tables, static_cast<Square>(s), board[s]);
    return terms;
}

} // namespace selvako
