// Move lists as a user types them: each word is read and matched against the
// legal moves of the position reached so far, and played when it names one.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "engine/engine_state.h"
#include "engine/make_move.h"
#include "game/typed_move.h"

using namespace selvako;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static EngineState work = [] {
        EngineState st;
        st.allocate_move_lists();
        return st;
    }();
    BoardArray board = start_position();
    int side = WHITE;
    std::string_view text(reinterpret_cast<const char*>(data), size);
    while (!text.empty()) {
        const std::size_t space = text.find(' ');
        const std::string_view word = text.substr(0, space);
        text = space == std::string_view::npos ? std::string_view{} : text.substr(space + 1);
        const auto typed = parse_typed_move(word);
        if (!typed) continue;
        const TypedMoveResult found = match_typed_move(*typed, board, side, work);
        if (found.match != TypedMoveMatch::one) continue;
        work.set_position(board);
        make_move(work, found.move.move);
        board = work.board;
        side ^= 1;
    }
    return 0;
}
