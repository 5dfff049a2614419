#pragma once
// The breakthrough formations, written for White to move. Kept apart from the
// matcher so that the tests can replay each formation on a board of its own.

#include "eval/formations.h"

namespace selvako {

inline constexpr std::array<FormationText, 11> BREAKTHROUGH_TEXT = {{
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
}};

} // namespace selvako
