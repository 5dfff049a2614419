#include "engine/repertoire_line.h"

#include <cstdio>

#include "engine/engine_state.h"
#include "engine/make_move.h"
#include "engine/move_generation.h"

namespace selvako {

LineReplay replay_line(std::span<const PlayedMove> moves) {
    LineReplay replay;
    EngineState st;
    st.allocate_move_lists();
    st.set_position(start_position());
    for (const PlayedMove& wanted : moves) {
        st.ply = 1;
        const int n = generate_moves(st, replay.side_to_move);
        const Move* list = st.list(1);
        const Move* found = nullptr;
        for (int i = 0; i < n && !found; ++i)
            if (list[i].from == wanted.from && list[i].to == wanted.to) found = &list[i];
        if (!found) {
            replay.legal = false;
            break;
        }
        const Move played = *found;
        make_move(st, played);
        replay.moves.push_back(played);
        replay.side_to_move = 1 - replay.side_to_move;
    }
    replay.board = st.board;
    return replay;
}

std::string repertoire_line_text(std::span<const PlayedMove> moves) {
    std::string text;
    for (const PlayedMove& m : moves) {
        char token[16];
        std::snprintf(token, sizeof token, "%2d-%2d ", m.from, m.to);
        text += token;
    }
    return text;
}

std::string algebraic_line(std::span<const PlayedMove> moves) {
    const LineReplay replay = replay_line(moves);
    std::string text;
    for (std::size_t i = 0; i < moves.size(); ++i) {
        if (!text.empty()) text += ' ';
        if (i < replay.moves.size()) {
            text += move_text(replay.moves[i]);
        } else {
            text += move_text(moves[i].from, moves[i].to, false) + '?';
            break;
        }
    }
    return text;
}

} // namespace selvako
