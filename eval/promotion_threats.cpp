// Men one to three rows from promotion and whether their way is free. The
// rules are written once, for White, on squares as White sees them; Black's
// are the same rules read through the mirror s <-> 33 - s with the colours
// exchanged, so that a position and its mirror score alike.

#include <algorithm>
#include <initializer_list>

#include "eval/pattern_terms.h"

namespace selvako {

namespace {

// The board as one colour sees it: its men promote on its squares 1 to 4.
template <int COLOUR> struct View {
    const BoardArray& b;
    const BoardMasks& masks;
    static constexpr int at(int s) { return COLOUR == WHITE ? s : NUM_SQUARES + 1 - s; }
    // The board squares of the colour's squares listed.
    static constexpr std::uint32_t squares(std::initializer_list<int> list) {
        std::uint32_t m = 0;
        for (int s : list) m |= std::uint32_t{1} << (at(s) - 1);
        return m;
    }
    std::uint32_t own_men() const { return COLOUR == WHITE ? masks.white_men : masks.black_men; }
    std::uint8_t code(int s) const { return b[at(s)]; }
    bool empty(int s) const { return code(s) == EMPTY; }
    bool occupied(int s) const { return code(s) != EMPTY; }
    bool own_man(int s) const { return code(s) == (COLOUR == WHITE ? WHITE_MAN : BLACK_MAN); }
    bool enemy_man(int s) const { return code(s) == (COLOUR == WHITE ? BLACK_MAN : WHITE_MAN); }
    bool enemy_piece(int s) const {
        const std::uint8_t c = code(s);
        return COLOUR == WHITE ? (c == BLACK_MAN || c == BLACK_KING)
                               : (c == WHITE_MAN || c == WHITE_KING);
    }
    template <typename... T> bool all_empty(T... s) const { return (empty(s) && ...); }
};

template <int COLOUR> int threats_of(const View<COLOUR>& q, const PieceCounts& c, bool own_moves) {
    constexpr int ENEMY = COLOUR == WHITE ? BLACK : WHITE;
    const bool no_enemy_king = c[own_king(ENEMY)] == 0;
    const bool enemy_has_men = c[own_man(ENEMY)] > 0;
    // Every rule but one asks for a man of the colour on one of these
    // squares; the one that does not (15) only asks for four empty squares.
    constexpr std::uint32_t ANY_RULE_MAN =
        View<COLOUR>::squares({5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 19, 20});
    constexpr std::uint32_t RULE_15_EMPTY = View<COLOUR>::squares({3, 4, 8, 12});
    if ((q.own_men() & ANY_RULE_MAN) == 0) return (q.masks.occupied & RULE_15_EMPTY) == 0 ? 5 : 0;
    int e = 0;
    // 1
    if (q.own_man(5) && q.empty(1)) e += 75;
    // 2
    if (q.own_man(6)) {
        if (q.empty(1) && q.empty(2)) {
            if (own_moves || (!q.enemy_man(9) && !q.enemy_man(10))) e += 75;
        } else if (q.empty(2) && q.occupied(1) && q.occupied(10) && !q.enemy_man(9)) {
            if (q.occupied(15)) e += 35;
            if (own_moves) e += 40;
        } else if (q.empty(1) && q.occupied(2) && q.occupied(9) && !q.enemy_man(10)) {
            if (q.occupied(14)) e += 35;
            if (own_moves) e += 40;
        }
    }
    // 3
    if (q.own_man(7)) {
        if (q.empty(2) && q.empty(3)) {
            if (own_moves || (!q.enemy_man(10) && !q.enemy_man(11))) e += 75;
        } else if (q.empty(3) && q.occupied(2) && q.occupied(11) && !q.enemy_man(10)) {
            if (q.occupied(16)) e += 35;
            if (own_moves) e += 40;
        } else if (q.empty(2) && q.occupied(3) && q.occupied(10) && !q.enemy_man(11)) {
            if (q.occupied(14)) e += 35;
            if (own_moves) e += 40;
        }
    }
    // 4
    if (q.own_man(8)) {
        if (q.empty(3) && q.empty(4)) {
            if (own_moves || (!q.enemy_man(11) && !q.enemy_man(12))) e += 75;
        } else if (q.empty(4) && q.occupied(3) && q.occupied(12) && !q.enemy_man(11)) {
            e += own_moves ? 75 : 35;
        } else if (q.empty(3) && q.occupied(4) && q.occupied(11) && !q.enemy_man(12)) {
            if (q.occupied(15)) e += 35;
            if (own_moves) e += 40;
        }
    }
    // 5
    if (q.own_man(9)) {
        if (q.occupied(5) || q.occupied(6) || q.occupied(1) ||
            ((q.enemy_piece(13) || q.enemy_piece(14)) && !own_moves)) {
            if (q.empty(5) && q.occupied(6) && q.occupied(13)) {
                if (own_moves)
                    e += 25;
                else if (!q.enemy_piece(14))
                    e += 30;
            } else if (q.empty(6) && q.occupied(5) && q.occupied(14) && q.occupied(18)) {
                const bool escapes = q.all_empty(1, 2, 10) && (own_moves || !q.enemy_piece(7));
                e += escapes ? 25 : -25;
            }
        } else {
            e += (own_moves || !q.enemy_piece(10)) ? 60 : 35;
        }
    }
    // 6
    if (q.own_man(10)) {
        if (q.occupied(6) || q.occupied(7) || q.occupied(2) ||
            ((q.enemy_piece(14) || q.enemy_piece(15)) && !own_moves)) {
            if (q.empty(6) && q.occupied(7) && q.occupied(14) && q.occupied(17)) {
                if (q.occupied(1) || q.occupied(2) || q.occupied(9))
                    e -= 25;
                else if (own_moves)
                    e += 25;
                else if (q.enemy_piece(5) || q.enemy_piece(15))
                    e -= 25;
                else
                    e += 25;
            } else if (q.empty(7) && q.occupied(6) && q.occupied(15) && q.occupied(19)) {
                if (q.occupied(2) || q.occupied(3) || q.occupied(11))
                    e -= 25;
                else if (own_moves)
                    e += 25;
                else if (q.enemy_piece(8) || q.enemy_piece(14))
                    e -= 25;
                else
                    e += 25;
            }
        } else {
            const int old = e;
            if (q.occupied(9) || q.occupied(1)) {
                e += 20;
                if (q.empty(11) && q.empty(3))
                    e = old + ((q.occupied(8) || q.occupied(14) || q.occupied(15)) && !own_moves
                                   ? 40
                                   : 60);
            } else {
                e = old +
                    ((q.occupied(5) || q.occupied(14) || q.occupied(15)) && !own_moves ? 40 : 60);
            }
        }
    }
    // 7
    if (q.own_man(11)) {
        if (q.occupied(7) || q.occupied(8) || q.occupied(3)) {
            if (q.empty(7) && q.occupied(8) && q.occupied(15) && q.occupied(18)) {
                if (q.occupied(2) || q.occupied(3) || q.occupied(10))
                    e -= 25;
                else if (own_moves)
                    e += 25;
                else if (q.occupied(6))
                    e -= 25;
                else
                    e += 25;
            } else if (q.empty(8) && q.occupied(7) && q.occupied(16) && q.occupied(20)) {
                e += (q.occupied(3) || q.occupied(4) || q.occupied(12)) ? -25 : 25;
            } else if (q.enemy_man(12) && q.enemy_man(3)) {
                if (q.all_empty(15, 16, 2, 20) || own_moves) {
                    e += 40;
                    if (q.empty(4) && own_moves) e += 55;
                }
            }
        } else if (q.occupied(12) || q.occupied(2) ||
                   ((q.enemy_piece(15) || q.enemy_piece(16)) && !own_moves)) {
            const bool held = q.occupied(12) || q.occupied(4) ||
                              ((q.occupied(15) || q.occupied(16)) && !own_moves);
            e += held ? 20 : 70;
        } else {
            e += ((q.occupied(6) || q.occupied(15) || q.occupied(16)) && !own_moves) ? 40 : 60;
        }
    }
    // 8
    if (q.own_man(12)) {
        if (q.occupied(3) || q.occupied(4)) {
            if (q.empty(3) && q.empty(8) && q.occupied(4) && q.occupied(11) && own_moves) e += 10;
        } else {
            int g = e + 20;
            if (q.enemy_piece(8) && (own_moves || q.occupied(11))) g = e + 40;
            if (q.enemy_piece(11) || (q.enemy_piece(7) && !own_moves))
                e = g;
            else
                e = g + (enemy_has_men ? 10 : 40);
        }
    }
    // 9
    if (q.own_man(13) && q.all_empty(1, 5, 6, 9)) {
        e += (q.empty(2) || own_moves) ? 20 : 10;
        if (!q.enemy_piece(14))
            e += ((!q.enemy_piece(10) && !q.enemy_piece(2)) || own_moves) ? 40 : 25;
    }
    // 10
    if (q.own_man(14) && q.all_empty(1, 2, 6, 9, 10) && no_enemy_king) {
        if (q.enemy_man(5) && q.enemy_man(13))
            e += 20;
        else if (q.occupied(5) || q.enemy_man(13))
            e += (q.occupied(7) || q.enemy_man(15)) ? 15 : q.occupied(5) ? 40 : 55;
        else
            e += 65;
    }
    // 11
    if (q.own_man(15) && q.all_empty(10, 11, 6, 7, 8, 3, 4) && no_enemy_king) {
        const int i = e + (q.occupied(2) ? 15 : 30);
        e = (q.occupied(14) && q.occupied(16)) ? i : i + 10;
    }
    // 12
    if (q.own_man(16) && q.all_empty(11, 8, 7, 4, 3) && no_enemy_king) e += q.occupied(2) ? 25 : 60;
    // 13
    if (q.own_man(19) && q.all_empty(7, 8, 11, 15, 16) && no_enemy_king) {
        if (q.enemy_man(12))
            e += q.enemy_man(20) ? 13 : 8;
        else
            e += (q.enemy_man(20) || q.occupied(12) || q.occupied(2) || q.occupied(3) ||
                  q.occupied(4))
                     ? 8
                     : 43;
    }
    // 14
    if (q.own_man(20) && q.all_empty(7, 8, 11, 15, 16, 12, 4, 3) && !q.enemy_man(19) &&
        no_enemy_king)
        e += q.occupied(2) ? 10 : 45;
    // 15
    if (q.all_empty(3, 4, 8, 12)) {
        if (q.own_man(16)) {
            const int i = e + ((q.empty(11) || q.occupied(20) || own_moves) ? 15 : 5);
            if (q.occupied(11))
                e = i;
            else
                e = (!q.enemy_piece(7) || !q.enemy_piece(2) || own_moves) ? i + 27 : i + 12;
        } else {
            e += 5;
        }
    }
    // 16
    if (((q.enemy_man(3) && q.empty(4)) || (q.enemy_man(4) && q.empty(3))) && q.empty(8) &&
        q.empty(7) && !q.enemy_man(15)) {
        if (q.own_man(11) && q.own_man(12))
            e += 60;
        else if ((q.own_man(11) && q.own_man(16) && q.empty(12)) ||
                 (q.own_man(12) && q.own_man(16) && q.empty(11)))
            e += 30;
        else if (q.own_man(16) && q.own_man(20) && q.empty(11) && q.empty(12))
            e += 20;
    }
    // 17
    if (q.all_empty(3, 4, 8, 15) && q.own_man(16) && q.own_man(20)) e += q.occupied(12) ? 10 : 30;
    return e;
}

} // namespace

int promotion_threats(const PatternBoard& pb, int side) {
    const bool wtm = white_to_move(pb.ply, side);
    int e = threats_of(View<WHITE>{pb.board, pb.masks}, pb.counts, wtm) -
            threats_of(View<BLACK>{pb.board, pb.masks}, pb.counts, !wtm);
    e = std::clamp(2 * e, -125, 125);
    // The side to move gets there first: its threats count half again.
    if (wtm && e > 0) e += e / 2;
    if (!wtm && e < 0) e += e / 2;
    return side != WHITE ? -e : e;
}

} // namespace selvako
