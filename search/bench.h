#pragma once
// The search's signature: a fixed set of positions searched to a fixed depth,
// each with a cleared table. The total node count changes only when the
// search's behaviour does, and must be the same however often it is run.

#include <array>
#include <cstdint>
#include <functional>

#include "search/engine.h"

namespace selvako {

// Openings, middle games, endings with kings and positions that the endgame
// tables hold, with either side to move.
inline constexpr std::array<const char*, 34> BENCH_POSITIONS = {
    "W:W1-12:B21-32",
    "B:Wd4,a3,e3,g3,b2,d2,f2,h2,a1,c1,e1,g1:B21-32",
    "W:Wd4,h4,a3,e3,b2,d2,f2,h2,a1,c1,e1,g1:Bb8,d8,f8,h8,a7,c7,e7,g7,d6,h6,c5,e5",
    "W:Wh4,c3,e3,g3,b2,d2,f2,a1,c1,e1,g1:Bb8,d8,f8,h8,a7,c7,e7,g7,f6,h6,c5,a3",
    "B:Wb4,a3,c3,e3,g3,b2,d2,f2,h2,a1,c1,g1:Bb8,d8,f8,h8,a7,g7,b6,d6,f6,h6",
    "W:Wa5,g5,h4,a3,e3,b2,d2,h2,a1,c1,e1,g1:Bb8,d8,f8,h8,c7,e7,g7,b6,f6,c5,e5",
    "B:Wb4,a3,c3,e3,b2,d2,f2,a1,c1,e1,g1:Bb8,d8,f8,h8,a7,c7,e7,g7,d6,f6,e5",
    "W:Wd4,f4,c3,g3,b2,d2,f2,h2,a1,e1:Bd8,f8,a7,c7,e7,b6,d6,f6,h6,g5",
    "W:Wh4,c3,b2,d2,f2,h2,a1,c1,e1:Bb8,d8,f8,h8,a7,c7,e7,g7,f4,a3",
    "B:Wa3,c3,e3,g3,b2,f2,a1,c1,g1:Bb8,d8,a7,c7,e7,g7,d6,h6,a5,c5,g5",
    "W:Wb4,d4,f4,h4,e3,b2,d2,h2,a1,c1,g1:Bb8,f8,h8,a7,g7,b6,d6,f6",
    "B:Wb4,d4,a3,c3,b2,d2,a1,c1:Ba7,c7,b6,d6,a5,c5,b8,d8",
    "W:We5,d4,f4,e3,g3,f2,h2,g1:Bb8,f8,c7,e7,b6,f6,h6,g5",
    "W:Wa3,g3,b2,d2,h2,a1,e1,g1:Bb8,d8,f8,h8,a7,c7,h6,d4",
    "B:Wc5,b2,f2,h2,a1,c1,g1:Bb8,d8,h8,a7,c7,f6,h6,a3",
    "W:Wb2,a1,c1,e1,g1:Bb8,f8,h8,a7,e7,g7,b6,d6,h6,c5",
    "W:Wc3,e3,b2,h2,a1,c1:Bb8,d8,a7,e7,g7",
    "B:Wa3,c3,g3,b2,d2,a1:Bh8,e7,g7,f6,h6",
    "W:Wf4,c3,h2,a1:Bh8,a7,c7,e7,f6",
    "W:We3,d2,f2:Bb8,d8,h8,a7,e7,Kd6,h6,a5,g5",
    "B:Wb2,c1,Kf2:Bd8,h8,a7,h6,a5,f4,Kh4",
    "W:WKb8,a3,c3,e3,b2,f2,h2,c1,g1:Ba7,g7,b6,Kg3",
    "W:WKa1,Kc1,a3:BKh8,h6,g7",
    "B:WKd4,c3,b2:BKc5,a7,b6",
    "W:WKc3,Kd2:BKf8,Ke7",
    "B:WKb8,Kd8,d2:BKg1,Ke1,e7",
    "W:We3,g3,h2,c1:Bh8,a7,c7,g7,h4",
    "W:Wb4,b2:Bh8,a5,d4,f4",
    "W:WKa1:Bh8,e7,g7,b6",
    "W:WKb8,Kd8,Kf8:BKg1",
    "B:WKa7,c3:BKh2",
    "W:WKh4:Ba7,Kg3,f2",
    "W:WKg1:Bf6,Kd4",
    "B:WKh6:Be3",
};

inline constexpr int BENCH_DEPTH = 10;

struct BenchResult {
    std::uint64_t nodes = 0;
    double seconds = 0;
};

// Searches every position with `engine`, clearing its table before each, to
// `depth` and without any limit of time. `on_position` sees each result.
BenchResult run_bench(Engine& engine, int depth,
                      const std::function<void(int index, std::uint64_t nodes)>& on_position = {});

} // namespace selvako
