// Men one to three rows from promotion and whether their way is free. The
// Black rules follow the White ones square for square (s <-> 33 - s) except
// where a rule is written differently on purpose; those are kept as written.

#include <algorithm>

#include "eval/pattern_terms.h"

namespace selvako {

namespace {

struct Squares {
    const BoardArray& b;
    bool empty(int s) const { return b[s] == EMPTY; }
    bool occupied(int s) const { return b[s] != EMPTY; }
    bool wm(int s) const { return b[s] == WHITE_MAN; }
    bool bm(int s) const { return b[s] == BLACK_MAN; }
    bool black_piece(int s) const { return b[s] > WHITE_KING; }
    template <typename... T> bool all_empty(T... s) const { return (empty(s) && ...); }
};

int white_rules(const Squares& q, const PieceCounts& c, bool wtm) {
    int e = 0;
    const bool no_black_king = c[BLACK_KING] == 0;
    // 1
    if (q.wm(5) && q.empty(1)) e += 75;
    // 2
    if (q.wm(6)) {
        if (q.empty(1) && q.empty(2)) {
            if (wtm || (!q.bm(9) && !q.bm(10))) e += 75;
        } else if (q.empty(2) && q.occupied(1) && q.occupied(10) && !q.bm(9)) {
            if (q.occupied(15)) e += 35;
            if (wtm) e += 40;
        } else if (q.empty(1) && q.occupied(2) && q.occupied(9) && !q.bm(10)) {
            if (q.occupied(14)) e += 35;
            if (wtm) e += 40;
        }
    }
    // 3
    if (q.wm(7)) {
        if (q.empty(2) && q.empty(3)) {
            if (wtm || (!q.bm(10) && !q.bm(11))) e += 75;
        } else if (q.empty(3) && q.occupied(2) && q.occupied(11) && !q.bm(10)) {
            if (q.occupied(16)) e += 35;
            if (wtm) e += 40;
        } else if (q.empty(2) && q.occupied(3) && q.occupied(10) && !q.bm(11)) {
            if (q.occupied(14)) e += 35;
            if (wtm) e += 40;
        }
    }
    // 4
    if (q.wm(8)) {
        if (q.empty(3) && q.empty(4)) {
            if (wtm || (!q.bm(11) && !q.bm(12))) e += 75;
        } else if (q.empty(4) && q.occupied(3) && q.occupied(12) && !q.bm(11)) {
            e += wtm ? 75 : 35;
        } else if (q.empty(3) && q.occupied(4) && q.occupied(11) && !q.bm(12)) {
            if (q.occupied(15)) e += 35;
            if (wtm) e += 40;
        }
    }
    // 5
    if (q.wm(9)) {
        if (q.occupied(5) || q.occupied(6) || q.occupied(1) ||
            ((q.black_piece(13) || q.black_piece(14)) && !wtm)) {
            if (q.empty(5) && q.occupied(6) && q.occupied(13)) {
                if (wtm)
                    e += 25;
                else if (!q.black_piece(14))
                    e += 30;
            } else if (q.empty(6) && q.occupied(5) && q.occupied(14) && q.occupied(18)) {
                const bool escapes = q.all_empty(1, 2, 10) && (wtm || !q.black_piece(7));
                e += escapes ? 25 : -25;
            }
        } else {
            e += (wtm || !q.black_piece(10)) ? 60 : 35;
        }
    }
    // 6
    if (q.wm(10)) {
        if (q.occupied(6) || q.occupied(7) || q.occupied(2) ||
            ((q.black_piece(14) || q.black_piece(15)) && !wtm)) {
            if (q.empty(6) && q.occupied(7) && q.occupied(14) && q.occupied(17)) {
                if (q.occupied(1) || q.occupied(2) || q.occupied(9))
                    e -= 25;
                else if (wtm)
                    e += 25;
                else if (q.black_piece(5) || q.black_piece(15))
                    e -= 25;
                else
                    e += 25;
            } else if (q.empty(7) && q.occupied(6) && q.occupied(15) && q.occupied(19)) {
                if (q.occupied(2) || q.occupied(3) || q.occupied(11))
                    e -= 25;
                else if (wtm)
                    e += 25;
                else if (q.black_piece(8) || q.black_piece(14))
                    e -= 25;
                else
                    e += 25;
            }
        } else {
            const int old = e;
            if (q.occupied(9) || q.occupied(1)) {
                e += 20;
                if (q.empty(11) && q.empty(3))
                    e = old +
                        ((q.occupied(8) || q.occupied(14) || q.occupied(15)) && !wtm ? 40 : 60);
            } else {
                e = old + ((q.occupied(5) || q.occupied(14) || q.occupied(15)) && !wtm ? 40 : 60);
            }
        }
    }
    // 7
    if (q.wm(11)) {
        if (q.occupied(7) || q.occupied(8) || q.occupied(3)) {
            if (q.empty(7) && q.occupied(8) && q.occupied(15) && q.occupied(18)) {
                if (q.occupied(2) || q.occupied(3) || q.occupied(10))
                    e -= 25;
                else if (wtm)
                    e += 25;
                else if (q.occupied(6))
                    e -= 25;
                else
                    e += 25;
            } else if (q.empty(8) && q.occupied(7) && q.occupied(16) && q.occupied(20)) {
                e += (q.occupied(3) || q.occupied(4) || q.occupied(12)) ? -25 : 25;
            } else if (q.bm(12) && q.bm(3)) {
                if (q.all_empty(15, 16, 2, 20) || wtm) {
                    e += 40;
                    if (q.empty(4) && wtm) e += 55;
                }
            }
        } else if (q.occupied(12) || q.occupied(2) ||
                   ((q.black_piece(15) || q.black_piece(16)) && !wtm)) {
            const bool held =
                q.occupied(12) || q.occupied(4) || ((q.occupied(15) || q.occupied(16)) && !wtm);
            e += held ? 20 : 70;
        } else {
            e += ((q.occupied(6) || q.occupied(15) || q.occupied(16)) && !wtm) ? 40 : 60;
        }
    }
    // 8
    if (q.wm(12)) {
        if (q.occupied(3) || q.occupied(4)) {
            if (q.empty(3) && q.empty(8) && q.occupied(4) && q.occupied(11) && wtm) e += 10;
        } else {
            int g = e + 20;
            if (q.black_piece(8) && (wtm || q.occupied(11))) g = e + 40;
            if (q.black_piece(11) || (q.black_piece(7) && !wtm))
                e = g;
            else
                e = g + (c[BLACK_MAN] > 0 ? 10 : 40);
        }
    }
    // 9
    if (q.wm(13) && q.all_empty(1, 5, 6, 9)) {
        e += (q.empty(2) || wtm) ? 20 : 10;
        if (!q.black_piece(14)) e += ((!q.black_piece(10) && !q.black_piece(2)) || wtm) ? 40 : 25;
    }
    // 10
    if (q.wm(14) && q.all_empty(1, 2, 6, 9, 10) && no_black_king) {
        if (q.bm(5) && q.bm(13))
            e += 20;
        else if (q.occupied(5) || q.bm(13))
            e += (q.occupied(7) || q.bm(15)) ? 15 : q.occupied(5) ? 40 : 55;
        else
            e += 65;
    }
    // 11
    if (q.wm(15) && q.all_empty(10, 11, 6, 7, 8, 3, 4) && no_black_king) {
        const int i = e + (q.occupied(2) ? 15 : 30);
        e = (q.occupied(14) && q.occupied(16)) ? i : i + 10;
    }
    // 12
    if (q.wm(16) && q.all_empty(11, 8, 7, 4, 3) && no_black_king) e += q.occupied(2) ? 25 : 60;
    // 13
    if (q.wm(19) && q.all_empty(7, 8, 11, 15, 16) && no_black_king) {
        if (q.bm(12))
            e += q.bm(20) ? 13 : 8;
        else
            e += (q.bm(20) || q.occupied(12) || q.occupied(2) || q.occupied(3) || q.occupied(4))
                     ? 8
                     : 43;
    }
    // 14
    if (q.wm(20) && q.all_empty(7, 8, 11, 15, 16, 12, 4, 3) && !q.bm(19) && no_black_king)
        e += q.occupied(2) ? 10 : 45;
    // 15
    if (q.all_empty(3, 4, 8, 12)) {
        if (q.wm(16)) {
            const int i = e + ((q.empty(11) || q.occupied(20) || wtm) ? 15 : 5);
            if (q.occupied(11))
                e = i;
            else
                e = (!q.black_piece(7) || !q.black_piece(2) || wtm) ? i + 27 : i + 12;
        } else {
            e += 5;
        }
    }
    // 16
    if (((q.bm(3) && q.empty(4)) || (q.bm(4) && q.empty(3))) && q.empty(8) && q.empty(7) &&
        !q.bm(15)) {
        if (q.wm(11) && q.wm(12))
            e += 60;
        else if ((q.wm(11) && q.wm(16) && q.empty(12)) || (q.wm(12) && q.wm(16) && q.empty(11)))
            e += 30;
        else if (q.wm(16) && q.wm(20) && q.empty(11) && q.empty(12))
            e += 20;
    }
    // 17
    if (q.all_empty(3, 4, 8, 15) && q.wm(16) && q.wm(20)) e += q.occupied(12) ? 10 : 30;
    return e;
}

int black_rules(const Squares& q, const PieceCounts& c, bool wtm, int e) {
    const bool btm = !wtm;
    const bool no_white_king = c[WHITE_KING] == 0;
    // 1
    if (q.bm(28) && q.empty(32)) e -= 75;
    // 2
    if (q.bm(27)) {
        if (q.empty(32) && q.empty(31)) {
            if (btm || (!q.wm(24) && !q.wm(23))) e -= 75;
        } else if (q.empty(31) && q.occupied(32) && q.occupied(23) && !q.wm(24)) {
            if (q.occupied(18)) e -= 35;
            if (btm) e -= 40;
        } else if (q.empty(32) && q.occupied(31) && q.occupied(24) && !q.wm(23)) {
            if (q.occupied(19)) e -= 35;
            if (btm) e -= 40;
        }
    }
    // 3
    if (q.bm(26)) {
        if (q.empty(31) && q.empty(30)) {
            if (btm || (!q.wm(23) && !q.wm(22))) e -= 75;
        } else if (q.empty(30) && q.occupied(31) && q.occupied(22) && !q.wm(23)) {
            if (q.occupied(17)) e -= 35;
            if (btm) e -= 40;
        } else if (q.empty(31) && q.occupied(30) && q.occupied(23) && !q.wm(22)) {
            if (q.occupied(19)) e -= 35;
            if (btm) e -= 40;
        }
    }
    // 4
    if (q.bm(25)) {
        if (q.empty(30) && q.empty(29)) {
            if (btm || (!q.wm(22) && !q.wm(21))) e -= 75;
        } else if (q.empty(29) && q.occupied(30) && q.occupied(21) && !q.wm(22)) {
            e -= wtm ? 35 : 75;
        } else if (q.empty(30) && q.occupied(29) && q.occupied(22) && !q.wm(21)) {
            if (q.occupied(16)) e -= 35;
            if (btm) e -= 40;
        }
    }
    // 5
    if (q.bm(24)) {
        if (q.occupied(28) || q.occupied(27) || q.occupied(32) ||
            ((!q.black_piece(20) || !q.black_piece(19)) && wtm)) {
            if (q.empty(28) && q.occupied(27) && q.occupied(20)) {
                if (btm)
                    e -= 25;
                else if (q.black_piece(19))
                    e -= 30;
            } else if (q.empty(27) && q.occupied(28) && q.occupied(19) && q.occupied(15)) {
                e += (q.all_empty(32, 31, 23) && btm) ? -25 : 25;
            }
        } else {
            e -= (wtm && !q.black_piece(23)) ? 35 : 60;
        }
    }
    // 6
    if (q.bm(23)) {
        if (q.occupied(27) || q.occupied(26) || q.occupied(31) ||
            ((!q.black_piece(19) || !q.black_piece(18)) && wtm)) {
            if (q.empty(27) && q.occupied(26) && q.occupied(19) && q.occupied(16)) {
                if (q.occupied(32) || q.occupied(31) || q.occupied(24))
                    e += 25;
                else if (btm)
                    e -= 25;
                else if (!q.black_piece(28) || !q.black_piece(18))
                    e += 25;
                else
                    e -= 25;
            } else if (q.empty(26) && q.occupied(27) && q.occupied(18) && q.occupied(14)) {
                if (q.occupied(31) || q.occupied(30) || q.occupied(22))
                    e += 25;
                else if (btm)
                    e -= 25;
                else if (!q.black_piece(25) || !q.black_piece(19))
                    e += 25;
                else
                    e -= 25;
            }
        } else {
            const int old = e;
            if (q.occupied(24) || q.occupied(32)) {
                e -= 20;
                if (q.empty(22) && q.empty(30))
                    e = old -
                        ((q.occupied(25) || q.occupied(19) || q.occupied(18)) && wtm ? 40 : 60);
            } else {
                e = old - ((q.occupied(28) || q.occupied(19) || q.occupied(18)) && wtm ? 40 : 60);
            }
        }
    }
    // 7
    if (q.bm(22)) {
        if (q.occupied(26) || q.occupied(25) || q.occupied(30)) {
            if (q.empty(26) && q.occupied(25) && q.occupied(18) && q.occupied(15)) {
                if (q.occupied(31) || q.occupied(30) || q.occupied(23))
                    e += 25;
                else if (wtm)
                    e += q.occupied(27) ? 25 : -25;
                else
                    e -= 25;
            } else if (q.empty(25) && q.occupied(26) && q.occupied(17) && q.occupied(13)) {
                e += (q.occupied(30) || q.occupied(29) || q.occupied(21)) ? 25 : -25;
            } else if (q.wm(21) && q.wm(30)) {
                if (q.all_empty(18, 17, 31, 13) || btm) {
                    e -= 40;
                    if (q.empty(29) && btm) e -= 55;
                }
            }
        } else if (q.occupied(21) || q.occupied(31) ||
                   ((!q.black_piece(18) || !q.black_piece(17)) && wtm)) {
            const bool held =
                q.occupied(21) || q.occupied(29) || ((q.occupied(18) || q.occupied(17)) && wtm);
            e -= held ? 20 : 70;
        } else {
            e -= ((q.occupied(27) || q.occupied(18) || q.occupied(17)) && wtm) ? 40 : 60;
        }
    }
    // 8
    if (q.bm(21)) {
        if (q.occupied(30) || q.occupied(29)) {
            if (q.empty(30) && q.empty(25) && q.occupied(29) && q.occupied(22) && btm) e -= 10;
        } else {
            int g = e - 20;
            if (!q.black_piece(25) && (btm || q.occupied(22))) g = e - 40;
            if (!q.black_piece(22) || (!q.black_piece(25) && wtm))
                e = g;
            else
                e = g - (c[WHITE_MAN] > 0 ? 10 : 40);
        }
    }
    // 9
    if (q.bm(20) && q.all_empty(32, 28, 27, 24)) {
        e -= (q.occupied(31) && wtm) ? 10 : 20;
        if (q.black_piece(19)) e -= ((q.black_piece(23) && q.black_piece(31)) || btm) ? 40 : 25;
    }
    // 10
    if (q.bm(19) && q.all_empty(32, 31, 27, 24, 23) && no_white_king) {
        if (q.wm(28) && q.wm(20))
            e -= 20;
        else if (q.occupied(28) || q.wm(20))
            e -= (q.occupied(26) || q.wm(18)) ? 15 : q.occupied(28) ? 40 : 55;
        else
            e -= 65;
    }
    // 11
    if (q.bm(18) && q.all_empty(23, 22, 27, 26, 25, 30, 29) && no_white_king) {
        const int i = e - (q.occupied(31) ? 15 : 30);
        e = (q.occupied(19) && q.occupied(17)) ? i : i - 10;
    }
    // 12: unlike White's rule, the man on 17 needs 21 occupied
    if (q.bm(17) && q.occupied(21) && q.all_empty(22, 25, 26, 29, 30) && no_white_king)
        e -= q.occupied(31) ? 25 : 60;
    // 13
    if (q.bm(14) && q.all_empty(26, 25, 22, 18, 17) && no_white_king) {
        if (q.wm(21))
            e -= q.wm(13) ? 13 : 8;
        else
            e -= (q.wm(13) || q.occupied(21) || q.occupied(31) || q.occupied(30) || q.occupied(29))
                     ? 8
                     : 43;
    }
    // 14
    if (q.bm(13) && q.all_empty(26, 25, 22, 18, 17, 21, 29, 30) && !q.wm(14) && no_white_king)
        e -= q.occupied(31) ? 10 : 45;
    // 15
    if (q.all_empty(30, 29, 25, 21)) {
        if (q.bm(17)) {
            const int i = e - ((q.empty(22) || q.occupied(13) || btm) ? 15 : 5);
            if (q.occupied(22))
                e = i;
            else
                e = (!q.black_piece(26) && wtm && !q.black_piece(31)) ? i - 12 : i - 27;
        } else {
            e -= 5;
        }
    }
    // 16
    if (((q.wm(29) && q.empty(30)) || (q.wm(30) && q.empty(29))) && q.empty(25) && q.empty(26) &&
        !q.bm(18)) {
        if (q.bm(22) && q.bm(21))
            e -= 60;
        else if ((q.bm(22) && q.bm(17) && q.empty(21)) || (q.bm(21) && q.bm(17) && q.empty(22)))
            e -= 30;
        else if (q.bm(17) && q.bm(13) && q.empty(22) && q.empty(21))
            e -= 20;
    }
    // 17
    if (q.all_empty(30, 29, 25, 18) && q.bm(17) && q.bm(13)) e -= q.occupied(21) ? 10 : 30;
    return e;
}

} // namespace

int promotion_threats(const PatternBoard& pb, int side) {
    const Squares q{pb.board};
    const bool wtm = white_to_move(pb.ply, side);
    int e = black_rules(q, pb.counts, wtm, white_rules(q, pb.counts, wtm));
    e = std::clamp(2 * e, -125, 125);
    // The side to move gets there first: its threats count half again.
    if (wtm && e > 0) e += e / 2;
    if (!wtm && e < 0) e += e / 2;
    return side != WHITE ? -e : e;
}

} // namespace selvako
