#pragma once
// Plays reproducible random games on an engine state, calling a check at
// every position; the generators and make_move are exercised on thousands of
// positions with captures, kings and promotions.

#include <functional>
#include <random>

#include "engine/make_move.h"
#include "engine/move_generation.h"

namespace selvako::testing {

inline void play_random_games(int games, unsigned seed,
                              const std::function<void(EngineState&, int side)>& check,
                              int plies = 200) {
    std::mt19937 rng(seed);
    EngineState st;
    st.allocate_move_lists();
    st.ordering_enabled = false;
    for (int g = 0; g < games; ++g) {
        st.set_position(start_position());
        int side = WHITE;
        for (int ply = 0; ply < plies; ++ply) {
            st.ply = 1;
            check(st, side);
            st.ply = 1;
            const int count = generate_moves(st, side);
            if (count == 0) break;
            make_move(st, static_cast<int>(rng() % static_cast<unsigned>(count)));
            side = 1 - side;
        }
    }
}

} // namespace selvako::testing
