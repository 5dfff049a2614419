#include "game/match_game.h"

#include <algorithm>
#include <map>
#include <utility>

#include "engine/engine_state.h"
#include "engine/make_move.h"
#include "engine/move_generation.h"

namespace selvako {

std::string game_end_text(GameEnd end) {
    switch (end) {
    case GameEnd::no_moves: return "no-moves";
    case GameEnd::repetition: return "repetition";
    case GameEnd::quiet_kings: return "quiet-kings";
    case GameEnd::length: return "length";
    case GameEnd::illegal_move: return "illegal-move";
    case GameEnd::no_answer: return "no-answer";
    }
    return "?";
}

namespace {

std::vector<Square> captured_set(const Move& move) {
    std::vector<Square> set(move.captured, move.captured + std::min<int>(move.taken, MAX_CAPTURED));
    std::sort(set.begin(), set.end());
    return set;
}

// The legal move the player's answer names: the same squares and the same
// pieces taken (the path between does not change the game).
std::optional<Move> legal_answer(const Move& answer, const Move* moves, int count) {
    for (int i = 0; i < count; ++i)
        if (moves[i].from == answer.from && moves[i].to == answer.to &&
            moves[i].taken == answer.taken && captured_set(moves[i]) == captured_set(answer))
            return moves[i];
    return std::nullopt;
}

Outcome win_for(int side) {
    return side == WHITE ? Outcome::white_won : Outcome::black_won;
}

} // namespace

MatchGameResult play_match_game(MatchPlayer& white, MatchPlayer& black, const Position& start,
                                const std::vector<Move>& opening) {
    MatchGameResult result;
    white.new_game();
    black.new_game();
    EngineState work;
    work.allocate_move_lists();
    MatchPosition game;
    game.start = start;
    game.now = start;
    std::map<std::pair<BoardArray, int>, int> seen;
    int quiet_plies = 0;
    std::size_t next_opening_ply = 0;

    auto finish = [&](Outcome outcome, GameEnd end) {
        result.outcome = outcome;
        result.end = end;
        result.moves = game.moves;
        return result;
    };

    while (true) {
        const int side = game.now.side_to_move;
        if (++seen[{game.now.board, side}] >= 3) return finish(Outcome::draw, GameEnd::repetition);
        if (quiet_plies >= QUIET_PLIES_FOR_DRAW) return finish(Outcome::draw, GameEnd::quiet_kings);

        work.set_position(game.now.board);
        const PieceCounts counts = count_pieces(game.now.board);
        const bool has_pieces = side == WHITE ? counts[WHITE_MAN] + counts[WHITE_KING] > 0
                                              : counts[BLACK_MAN] + counts[BLACK_KING] > 0;
        const int count = has_pieces ? generate_root_moves(work, side) : 0;
        if (count == 0) return finish(win_for(1 - side), GameEnd::no_moves);
        if (static_cast<int>(game.moves.size()) >= MATCH_GAME_PLIES)
            return finish(Outcome::draw, GameEnd::length);
        const std::vector<Move> legal(work.list(1), work.list(1) + count);

        std::optional<Move> answer;
        if (next_opening_ply < opening.size()) {
            answer = opening[next_opening_ply++];
        } else {
            answer = (side == WHITE ? white : black).choose(game);
            if (!answer) return finish(win_for(1 - side), GameEnd::no_answer);
        }
        const std::optional<Move> move = legal_answer(*answer, legal.data(), count);
        if (!move) return finish(win_for(1 - side), GameEnd::illegal_move);

        const bool man_moved = !is_king(game.now.board[move->from]);
        quiet_plies = move->taken > 0 || man_moved ? 0 : quiet_plies + 1;
        work.set_position(game.now.board);
        make_move(work, *move);
        game.now.board = work.board;
        game.now.side_to_move = 1 - side;
        game.moves.push_back(*move);
    }
}

} // namespace selvako
