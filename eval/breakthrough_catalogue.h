#pragma once
// The breakthrough formations, written for White to move. Kept apart from the
// matcher so that the tests can replay each formation on a board of its own.
// 180: White crowns in two of its moves; 120: in three.

#include "eval/formations.h"

namespace selvako {

inline constexpr std::array<FormationText, 73> BREAKTHROUGH_TEXT = {{
    // a5 and b6 against d8 and d6 with c7 open: the b6 man goes through unless
    // Black can answer on the other wing.
    {"W13 W9 E6 O1 B2 B10 w14 B11 E8", 120},
    {"W13 W9 E6 O1 B2 B10 w14 B18 E22", 120},
    {"W13 W9 E6 O1 B2 B10 w14 B19 E24", 120},
    {"W13 W9 E6 O1 B2 B10 W18 W17 B11 E8", 120},
    {"W13 W9 E6 O1 B2 B10 W18 W17 B19 E24", 120},
    {"W13 W9 E6 O1 B2 B10 w14 B19 O15", 80},
    {"W13 W9 E6 O1 B2 B10 w14 b19 b11 b18", 80},
    {"W13 W9 E6 O1 B2 B10 w14 b19 O11 O18", 80},
    {"W13 W9 E6 O1 B2 B10 W18 W17 B19 O15", 80},
    {"W13 W9 E6 O1 B2 B10 W18 W17 b19 b11 b18", 80},
    {"W13 W9 E6 O1 B2 B10 W18 W17 b19 O11 O18", 80},
    // The formations below were found by tools/find_breakthroughs: two white
    // men against one to three black men in which White, to move, crowns by
    // force and keeps the king, Black, to move, holds, and every man on the
    // board matters. The empty squares are those the play runs over. The
    // strongest come first, as the first match decides.
    // Crowning in two moves, the left wing (files a-d).
    {"W10 W13 B5 B14 E1 E2 E6 E7 E9 E15 E17 E18", 180},
    // Crowning in two moves, across the centre.
    {"W10 W11 B3 B15 E2 E6 E7 E8 E14 E16 E18 E19", 180},
    {"W10 W12 B3 B7 E2 E4 E6 E8 E11 E14 E15 E16", 180},
    {"W10 W15 B2 B3 E6 E7 E8 E11 E14 E16 E18 E19", 180},
    {"W10 W11 B2 B5 B9 E1 E3 E6 E7 E8 E13 E14 E15 E16", 180},
    {"W9 W11 B2 B6 B7 E1 E3 E5 E8 E10 E13 E14 E15 E16", 180},
    {"W10 W16 B3 B11 B15 E2 E4 E6 E7 E8 E12 E14 E18 E19 E20", 180},
    {"W10 W16 B3 B7 B11 E2 E4 E6 E8 E12 E14 E15 E18 E19 E20", 180},
    {"W11 W14 B2 B7 B10 E1 E3 E6 E8 E9 E15 E16 E17 E18 E19", 180},
    {"W13 W15 B1 B9 B10 E2 E3 E5 E6 E7 E11 E14 E17 E18 E19", 180},
    {"W13 W15 B2 B9 B10 E1 E3 E5 E6 E7 E11 E14 E17 E18 E19", 180},
    {"W9 W15 B2 B6 B10 E1 E3 E5 E7 E11 E13 E14 E17 E18 E19", 180},
    // Crowning in two moves, the right wing (files e-h).
    {"W11 W12 B4 B8 E3 E7 E15 E16", 180},
    {"W11 W12 B3 B16 E4 E7 E8 E15 E19 E20", 180},
    {"W11 W12 B4 B16 E3 E7 E8 E15 E19 E20", 180},
    {"W12 W16 B3 B4 E7 E8 E11 E15 E19 E20", 180},
    {"W11 W12 B2 B3 B10 E4 E6 E7 E8 E14 E15 E16", 180},
    {"W11 W12 B2 B7 E3 E4 E6 E8 E10 E14 E15 E16", 180},
    {"W11 W15 B2 B3 E6 E7 E8 E10 E14 E16 E18 E19", 180},
    {"W12 W16 B3 B8 B15 E2 E4 E7 E10 E11 E18 E19 E20", 180},
    {"W12 W19 B4 B8 E3 E7 E11 E15 E16 E20 E23 E24", 180},
    {"W11 W12 B3 B6 B10 E1 E2 E4 E7 E8 E9 E14 E15 E16", 180},
    {"W12 W15 B3 B11 E2 E4 E7 E8 E10 E16 E18 E19 E20", 180},
    {"W12 W15 B7 B16 E2 E3 E4 E8 E10 E11 E18 E19 E20", 180},
    {"W11 W12 B4 B6 E1 E2 E3 E7 E8 E9 E10 E14 E15 E16", 180},
    {"W12 W16 B4 B10 B15 E2 E3 E6 E7 E8 E11 E14 E18 E19 E20", 180},
    {"W16 W20 B7 B8 B11 E2 E3 E4 E10 E12 E15 E18 E19 E23 E24", 180},
    // Crowning in three moves, the left wing (files a-d).
    {"W9 W13 B2 B6 B10 E1 E5 E7 E14 E15 E17 E18", 120},
    {"W10 W13 B1 B2 E5 E6 E7 E9 E14 E15 E17 E18", 120},
    {"W10 W13 B2 B9 E1 E5 E6 E7 E14 E15 E17 E18", 120},
    {"W10 W14 B1 B2 E5 E6 E7 E9 E13 E15 E17 E18", 120},
    {"W10 W14 B1 B6 E2 E5 E7 E9 E13 E15 E17 E18", 120},
    {"W13 W14 B2 B6 E1 E5 E7 E9 E10 E15 E17 E18", 120},
    {"W13 W17 B5 B6 E1 E2 E9 E10 E14 E18 E21 E22", 120},
    {"W9 W13 B1 B10 E2 E5 E6 E7 E14 E15 E17 E18", 120},
    {"W9 W14 B1 B2 E5 E6 E7 E10 E13 E15 E17 E18", 120},
    {"W9 W14 B2 B6 E1 E5 E7 E10 E13 E15 E17 E18", 120},
    {"W9 W10 B1 B2 B11 E3 E5 E6 E7 E8 E13 E14 E15 E16", 120},
    {"W9 W10 B1 B3 B11 E2 E5 E6 E7 E8 E13 E14 E15 E16", 120},
    {"W13 W18 B1 B9 B10 E2 E5 E6 E7 E14 E15 E17 E21 E22 E23", 120},
    {"W13 W18 B2 B9 B10 E1 E5 E6 E7 E14 E15 E17 E21 E22 E23", 120},
    // Crowning in three moves, across the centre.
    {"W10 W11 B2 B4 B12 E3 E6 E7 E8 E14 E15 E16", 120},
    {"W10 W15 B3 B7 E2 E6 E8 E11 E14 E16 E18 E19", 120},
    {"W10 W11 B1 B3 B9 E2 E5 E6 E7 E8 E13 E14 E15 E16", 120},
    {"W10 W11 B2 B3 B9 E1 E5 E6 E7 E8 E13 E14 E15 E16", 120},
    {"W10 W11 B3 B5 B9 E1 E2 E6 E7 E8 E13 E14 E15 E16", 120},
    {"W10 W12 B3 B4 B16 E2 E6 E7 E8 E11 E14 E15 E18 E19 E20", 120},
    {"W9 W11 B3 B5 E1 E2 E6 E7 E8 E10 E13 E14 E15 E16", 120},
    // Crowning in three moves, the right wing (files e-h).
    {"W12 W16 B3 B11 E4 E7 E8 E15 E19 E20", 120},
    {"W11 W15 B2 B7 E3 E6 E8 E10 E14 E16 E18 E19", 120},
    {"W11 W20 B3 B4 E7 E8 E12 E15 E16 E19 E23 E24", 120},
    {"W12 W19 B3 B8 E4 E7 E11 E15 E16 E20 E23 E24", 120},
    {"W16 W19 B3 B12 E4 E7 E8 E11 E15 E20 E23 E24", 120},
    {"W16 W19 B4 B12 E3 E7 E8 E11 E15 E20 E23 E24", 120},
    {"W11 W12 B3 B15 E2 E4 E7 E8 E10 E16 E18 E19 E20", 120},
    {"W15 W16 B3 B7 E2 E4 E8 E10 E11 E12 E18 E19 E20", 120},
    {"W11 W15 B2 B4 B10 E3 E6 E7 E8 E12 E14 E16 E18 E19 E20", 120},
    {"W11 W16 B2 B7 B10 E3 E4 E6 E8 E12 E14 E15 E18 E19 E20", 120},
    {"W12 W16 B2 B7 B10 E3 E4 E6 E8 E11 E14 E15 E18 E19 E20", 120},
    {"W12 W20 B7 B11 B15 E2 E3 E4 E8 E10 E16 E18 E19 E23 E24", 120},
    {"W15 W19 B8 B11 B12 E2 E3 E4 E7 E10 E16 E18 E20 E23 E24", 120},
    {"W15 W20 B11 B12 B16 E2 E3 E4 E7 E8 E10 E18 E19 E23 E24", 120},
}};

// The formations before this index are the a5-b6 family written by hand.
inline constexpr std::size_t FIRST_FOUND_FORMATION = 11;

} // namespace selvako
