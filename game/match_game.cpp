#include "game/match_game.h"

#include <algorithm>

#include "engine/engine_state.h"
#include "engine/make_move.h"
#include "engine/move_generation.h"

namespace selvako {

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
    Adjudicator adjudicator({.repetition = true, .quiet_kings = true});
    adjudicator.start(start);
    std::size_t next_opening_ply = 0;

    auto finish = [&](GameEnd end, int loser) {
        result.outcome = game_end_outcome(end, loser);
        result.end = end;
        result.moves = game.moves;
        return result;
    };

    while (true) {
        const int side = game.now.side_to_move;
        if (const GameEnd end = adjudicator.verdict(); end != GameEnd::none)
            return finish(end, side);
        int count = 0;
        const GameEnd end = position_end(work, game.now.board, side,
                                         static_cast<int>(game.moves.size()), &count);
        if (end != GameEnd::none) return finish(end, side);
        const std::vector<Move> legal(work.list(1), work.list(1) + count);

        std::optional<Move> answer;
        if (next_opening_ply < opening.size()) {
            answer = opening[next_opening_ply++];
        } else {
            answer = (side == WHITE ? white : black).choose(game);
            if (!answer) return finish(GameEnd::no_answer, side);
        }
        const std::optional<Move> move = legal_answer(*answer, legal.data(), count);
        if (!move) return finish(GameEnd::illegal_move, side);

        const BoardArray before = game.now.board;
        work.set_position(before);
        make_move(work, *move);
        game.now.board = work.board;
        game.now.side_to_move = 1 - side;
        game.moves.push_back(*move);
        adjudicator.played(before, *move, game.now);
    }
}

} // namespace selvako
