// `play`: a human plays the computer on the terminal, through the same game
// controller as the window.

#include <charconv>
#include <cstdio>
#include <iostream>
#include <string>

#include "app/cli/commands.h"
#include "app/cli/headless_engine.h"
#include "app/cli/headless_game.h"
#include "game/typed_move.h"

namespace selvako::cli {

namespace {

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
        text.remove_suffix(1);
    return text;
}

// Hands a resolved move to the controller square by square, as a mouse
// would click: the origin, then each landing the move input still waits for.
// True once the controller has played it.
bool click_move(GameController& controller, HeadlessObserver& observer, HeadlessLoop& loop,
                const PieceMove& move) {
    const int before = observer.human_moves();
    loop.send(command::SquareClicked{move.move.from});
    for (int guard = 0; guard <= MAX_CAPTURED && observer.human_moves() == before &&
                        controller.input().piece_prise != 0;
         ++guard)
        loop.send(command::SquareClicked{next_click(move, controller.input())});
    if (observer.human_moves() != before) return true;
    // Not expected for a legal move: leave the board as it was.
    if (controller.input().piece_prise != 0) loop.send(command::SquareClicked{move.move.from});
    return false;
}

} // namespace

int run_play(const Arguments& args) {
    for (std::size_t i = 1; i < args.words.size(); ++i) {
        const auto w = args.words[i];
        if (w == "--level" || w == "--data")
            ++i;
        else if (w != "--white" && w != "--black" && w != "--no-book")
            return usage_error("unknown option '" + shown_input(w) + "'");
    }
    if (args.has_flag("--white") && args.has_flag("--black"))
        return usage_error("give one of --white and --black");
    bool missing = false;
    const auto level_text = args.value_of("--level", missing);
    const auto data = args.value_of("--data", missing);
    if (missing) return usage_error("an option needs a value");
    int level = 5;
    if (level_text) {
        const auto n = level_number(*level_text);
        if (!n) return usage_error("--level takes 0 to 8");
        level = *n;
    }
    const int human = args.has_flag("--black") ? BLACK : WHITE;

    const std::filesystem::path chosen = data ? std::filesystem::path(*data) : "";
    HeadlessEngine headless(data_folder(data ? &chosen : nullptr), 1);
    HeadlessObserver observer;
    GameController controller(headless.engine, headless.time, observer);
    HeadlessLoop loop(controller, observer, headless.time);
    observer.on_move = [&controller](const Move& move, bool by_computer) {
        if (by_computer) std::printf("computer plays %s\n", move_text(move).c_str());
        std::printf("%s", board_text(controller.game().damier_affiche).c_str());
        std::fflush(stdout);
    };

    loop.send(command::NewGame{});
    loop.send(command::SetOptions{headless_options(!args.has_flag("--no-book"))});
    loop.send(command::SetLevel{LEVEL_ITEMS[static_cast<std::size_t>(level)].parameters});
    std::printf("%s", board_text(controller.game().damier_affiche).c_str());
    // The computer takes White and moves at once.
    if (human == BLACK) loop.send(command::SwapPlayers{});

    EngineState work;
    std::string line;
    int offer_shown_at = -1;
    while (!observer.ended()) {
        const int ply = controller.game().num_demi_coup;
        if (controller.notices().draw_offered && offer_shown_at != ply) {
            std::printf("computer offers a draw (type draw to accept)\n");
            offer_shown_at = ply;
        }
        std::printf("> ");
        std::fflush(stdout);
        if (!std::getline(std::cin, line)) break;
        const std::string_view text = trimmed(line);
        if (text.empty()) continue;
        if (text == "quit") break;
        if (text == "resign") {
            loop.send(command::Resign{});
            continue;
        }
        if (text == "draw") {
            // Accepting the computer's offer, or offering one.
            if (controller.notices().draw_offered)
                loop.send(command::AcceptDraw{});
            else
                loop.send(command::OfferDraw{});
            if (controller.notices().draw_refused) std::printf("draw refused\n");
            continue;
        }
        const auto typed = parse_typed_move(text);
        const GameState& game = controller.game();
        const TypedMoveResult match =
            typed ? match_typed_move(*typed, game.damier_affiche, game.trait(), work)
                  : TypedMoveResult{};
        if (match.match == TypedMoveMatch::ambiguous) {
            std::printf("ambiguous move: give every landing square, as a1xc3xe5\n");
            continue;
        }
        if (match.match == TypedMoveMatch::none ||
            !click_move(controller, observer, loop, match.move))
            std::printf("illegal move\n");
    }
    std::printf("result %s %d %s\n", result_text(observer).c_str(), controller.game().num_demi_coup,
                std::string(observer.end_reason()).c_str());
    return 0;
}

} // namespace selvako::cli
