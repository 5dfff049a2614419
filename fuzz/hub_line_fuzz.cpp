// Lines of the Hub protocol as a GUI, or anything else, may send them: each
// line is parsed, and a position and its moves are read as the engine reads
// them, in both numberings of the moves. What is read must write back the
// same: a position letter for letter, and each move found again from the text
// written for it.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "engine/engine_state.h"
#include "engine/make_move.h"
#include "game/hub_line.h"
#include "game/hub_notation.h"

using namespace selvako;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static EngineState work = [] {
        EngineState st;
        st.allocate_move_lists();
        return st;
    }();
    std::string_view text(reinterpret_cast<const char*>(data), size);
    while (!text.empty()) {
        const std::size_t newline = text.find('\n');
        const std::string_view row = text.substr(0, newline);
        text = newline == std::string_view::npos ? std::string_view{} : text.substr(newline + 1);
        const HubLineResult parsed = parse_hub_line(row);
        if (!parsed.line) continue;
        for (const HubArgument& argument : parsed.line->arguments) {
            // What is written back reads as the same value.
            const HubLineResult again = parse_hub_line("x a=" + hub_value(argument.value));
            if (argument.value.find('"') == std::string::npos &&
                (!again.line || again.line->value("a") != argument.value))
                __builtin_trap();
        }
        const auto pos = parsed.line->value("pos");
        if (!pos) continue;
        const HubPositionResult read = parse_hub_position(*pos);
        if (!read.position) continue;
        if (hub_position(*read.position) != *pos) __builtin_trap();
        for (const HubNumbering numbering : {HubNumbering::pdn, HubNumbering::selvako}) {
            Position now = *read.position;
            std::string_view moves = parsed.line->value("moves").value_or("");
            while (!moves.empty()) {
                const std::size_t space = moves.find(' ');
                const std::string_view word = moves.substr(0, space);
                moves =
                    space == std::string_view::npos ? std::string_view{} : moves.substr(space + 1);
                const HubMoveResult found =
                    find_hub_move(now.board, now.side_to_move, word, numbering, work);
                if (!found.move) break;
                const HubMoveResult back = find_hub_move(
                    now.board, now.side_to_move, hub_move(*found.move, numbering), numbering, work);
                if (!back.move || back.move->from != found.move->from ||
                    back.move->to != found.move->to || back.move->taken != found.move->taken)
                    __builtin_trap();
                work.set_position(now.board);
                make_move(work, *found.move);
                now.board = work.board;
                now.side_to_move ^= 1;
            }
        }
    }
    return 0;
}
