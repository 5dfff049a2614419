#include "tools/tuning/training_games.h"

#include <charconv>

#include "engine/make_move.h"
#include "engine/move_generation.h"
#include "game/engine_player.h"
#include "game/match_game.h"

namespace selvako::tuning {

namespace {

int legal_moves(EngineState& work, const Position& position) {
    work.set_position(position.board);
    return generate_root_moves(work, position.side_to_move);
}

Position played(EngineState& work, const Position& position, const Move& move) {
    work.set_position(position.board);
    make_move(work, move);
    return Position{work.board, 1 - position.side_to_move};
}

} // namespace

bool is_quiet(EngineState& work, const Position& position) {
    for (const int side : {position.side_to_move, 1 - position.side_to_move}) {
        const Position seen{position.board, side};
        const int count = legal_moves(work, seen);
        if (count > 0 && work.list(1)[0].taken > 0) return false;
    }
    return true;
}

std::vector<TrainingPosition> play_training_game(Engine& engine, std::mt19937& random,
                                                 const TrainingGameSettings& settings) {
    EngineState work;
    work.allocate_move_lists();
    const Position start{start_position(), WHITE};
    Position now = start;
    std::vector<Move> opening;
    for (int ply = 0; ply < settings.random_plies; ++ply) {
        const int count = legal_moves(work, now);
        if (count == 0) return {};
        const Move move = work.list(1)[std::uniform_int_distribution<int>(0, count - 1)(random)];
        opening.push_back(move);
        now = played(work, now, move);
    }

    EnginePlayer player(engine, MoveLimit{MoveLimit::Kind::depth, settings.depth}, false);
    const MatchGameResult game = play_match_game(player, player, start, opening);
    if (game.end == GameEnd::illegal_move || game.end == GameEnd::no_answer) return {};
    const double result = game.outcome == Outcome::white_won   ? 1.0
                          : game.outcome == Outcome::black_won ? 0.0
                                                               : 0.5;
    std::vector<TrainingPosition> positions;
    now = start;
    for (std::size_t ply = 0; ply < game.moves.size(); ++ply) {
        now = played(work, now, game.moves[ply]);
        if (static_cast<int>(ply) + 1 >= settings.random_plies && is_quiet(work, now))
            positions.push_back({now, result});
    }
    return positions;
}

std::string training_line(const TrainingPosition& position) {
    const char* result = position.result == 1.0 ? "1" : position.result == 0.0 ? "0" : "0.5";
    return to_fen(position.position) + ' ' + result;
}

std::optional<TrainingPosition> parse_training_line(std::string_view line) {
    const auto space = line.rfind(' ');
    if (space == std::string_view::npos) return std::nullopt;
    const std::string_view result = line.substr(space + 1);
    TrainingPosition out;
    if (result == "1")
        out.result = 1.0;
    else if (result == "0")
        out.result = 0.0;
    else if (result == "0.5")
        out.result = 0.5;
    else
        return std::nullopt;
    FenResult fen = parse_fen(line.substr(0, space));
    if (!fen.position) return std::nullopt;
    out.position = *fen.position;
    return out;
}

} // namespace selvako::tuning
