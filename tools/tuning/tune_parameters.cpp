// Fits the default evaluation parameters to the results of self-play games.
//
//   tune_parameters play DATA_FOLDER GAMES DEPTH POSITIONS.txt [SEED]
//       plays GAMES games of the engine against itself at DEPTH, two at a
//       time, each after six random plies, and writes their quiet positions
//       with the games' results;
//   tune_parameters fit START.par SOURCE.txt POSITIONS.txt OUT.txt [MINIMUM [PULL]]
//       fits the men tables, tempo weights and phase thresholds to those
//       positions, starting from START.par, and writes SOURCE.txt with the
//       fitted values as OUT.txt. Table entries read by fewer than MINIMUM
//       fitted positions (default 2000) keep their values; PULL (default 0)
//       holds the values toward the start (see fit_tables);
//   tune_parameters openings DATA_FOLDER PLIES DEPTH MARGIN OPENINGS.txt
//       writes every opening of PLIES plies from the start whose position a
//       search at DEPTH scores within MARGIN (1/200 of a man) of even, one a
//       line, for `selvako-cli match --openings`: enough different openings
//       that a long match at a fixed depth does not replay the same games.
//
// The fitted set is only worth keeping when it beats the one it started from
// over the board: play them against each other with `selvako-cli match`.

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <mutex>
#include <sstream>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "engine/make_move.h"
#include "engine/move_generation.h"
#include "files/atomic_file.h"
#include "game/engine_player.h"
#include "search/search_clock.h"
#include "tools/parameters/parameter_source.h"
#include "tools/tuning/texel_model.h"

using namespace selvako;
using namespace selvako::tuning;

namespace {

bool write_text(const std::string& path, const std::string& text) {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    if (write_file_atomically(path, {bytes, text.size()})) return true;
    std::fprintf(stderr, "tune_parameters: %s: %s\n", std::string(FILE_OPEN_ERROR).c_str(),
                 path.c_str());
    return false;
}

int play(const std::filesystem::path& data, int games, int depth, const std::string& out,
         unsigned seed) {
    constexpr int THREADS = 2;
    std::mutex lock;
    std::string lines;
    int played = 0;
    long positions = 0;
    auto worker = [&](int thread) {
        SteadySearchClock clock;
        Engine engine(clock, seed + static_cast<unsigned>(thread));
        {
            const std::lock_guard guard(lock);
            for (const std::string& problem : engine.load({data, {}}))
                std::fprintf(stderr, "tune_parameters: %s\n", problem.c_str());
        }
        std::mt19937 random(seed * 2 + static_cast<unsigned>(thread));
        const TrainingGameSettings settings{depth, 6};
        for (int g = thread; g < games; g += THREADS) {
            const auto found = play_training_game(engine, random, settings);
            std::string text;
            for (const TrainingPosition& t : found) text += training_line(t) + '\n';
            const std::lock_guard guard(lock);
            lines += text;
            positions += static_cast<long>(found.size());
            if (++played % 500 == 0)
                std::fprintf(stderr, "%d games, %ld positions\n", played, positions);
        }
    };
    std::vector<std::thread> threads;
    for (int t = 0; t < THREADS; ++t) threads.emplace_back(worker, t);
    for (auto& t : threads) t.join();
    std::printf("games %d positions %ld\n", played, positions);
    return write_text(out, lines) ? 0 : 1;
}

// Every line of `plies` moves from `now`, depth first.
void all_lines(EngineState& work, const Position& now, int plies, std::vector<Move>& line,
               std::vector<std::vector<Move>>& out) {
    if (plies == 0) {
        out.push_back(line);
        return;
    }
    work.set_position(now.board);
    const int count = generate_root_moves(work, now.side_to_move);
    const std::vector<Move> moves(work.list(1), work.list(1) + count);
    for (const Move& move : moves) {
        work.set_position(now.board);
        make_move(work, move);
        line.push_back(move);
        all_lines(work, Position{work.board, 1 - now.side_to_move}, plies - 1, line, out);
        line.pop_back();
    }
}

int openings(const std::filesystem::path& data, int plies, int depth, int margin,
             const std::string& out) {
    SteadySearchClock clock;
    Engine engine(clock, 1);
    for (const std::string& problem : engine.load({data, {}}))
        std::fprintf(stderr, "tune_parameters: %s\n", problem.c_str());
    EngineState work;
    work.allocate_move_lists();
    std::vector<std::vector<Move>> lines;
    std::vector<Move> line;
    const Position start{start_position(), WHITE};
    all_lines(work, start, plies, line, lines);

    std::string text;
    int kept = 0;
    for (const auto& moves : lines) {
        MatchPosition game{start, moves, start};
        for (const Move& move : moves) {
            work.set_position(game.now.board);
            make_move(work, move);
            game.now = Position{work.board, 1 - game.now.side_to_move};
        }
        engine.clear_table();
        const SearchResult result =
            engine.search(match_request(game, MoveLimit{MoveLimit::Kind::depth, depth}, false));
        if (result.answer == SearchAnswer::no_move) continue;
        const int white_score = game.now.side_to_move == WHITE ? result.score : -result.score;
        if (std::abs(white_score) > margin) continue;
        for (std::size_t i = 0; i < moves.size(); ++i) {
            if (i > 0) text += ' ';
            text += move_text(moves[i]);
        }
        text += '\n';
        ++kept;
    }
    std::printf("lines %zu kept %d\n", lines.size(), kept);
    return write_text(out, text) ? 0 : 1;
}

std::optional<std::vector<TrainingPosition>> read_positions(const std::string& path) {
    std::ifstream in(path);
    if (!in) return std::nullopt;
    std::vector<TrainingPosition> positions;
    long line_number = 0;
    for (std::string line; std::getline(in, line);) {
        ++line_number;
        const auto position = parse_training_line(line);
        if (!position) {
            std::fprintf(stderr, "tune_parameters: %s:%ld: not a position and a result\n",
                         path.c_str(), line_number);
            return std::nullopt;
        }
        positions.push_back(*position);
    }
    return positions;
}

void print_losses(const char* when, const ModelSet& set, const EvalParameters& p, double k) {
    std::printf("%s: loss %.6f fitted, %.6f held out\n", when, model_loss(set, p, k, false),
                model_loss(set, p, k, true));
}

int fit(const std::string& start, const std::string& source_path, const std::string& positions_path,
        const std::string& out, int minimum, double pull) {
    EvalParameters p;
    ParameterImage image{};
    if (!load_parameter_file(p, image, start)) {
        std::fprintf(stderr, "tune_parameters: %s: %s\n", std::string(FILE_OPEN_ERROR).c_str(),
                     start.c_str());
        return 1;
    }
    std::ifstream source_file(source_path);
    std::stringstream source;
    source << source_file.rdbuf();
    if (!source_file || !parameters::rewrite_parameter_source(source.str(), p)) {
        std::fprintf(stderr, "tune_parameters: %s is not a parameter source\n",
                     source_path.c_str());
        return 1;
    }
    const auto positions = read_positions(positions_path);
    if (!positions) return 1;

    ModelSet model = build_model(*positions, p);
    std::printf("positions %zu modelled %zu left out %d mismatches %d\n", positions->size(),
                model.positions.size(), model.left_out, model.mismatches);
    if (model.mismatches > 0) {
        std::fprintf(stderr, "tune_parameters: the model does not score as the evaluation does\n");
        return 1;
    }
    const double k = fit_scale(model, p);
    std::printf("scale k %.6f (a man is worth %.3f in the logistic)\n", k, 200 * k);
    print_losses("start", model, p, k);

    const CatalogueScales scales = best_catalogue_scales(model, p, k);
    std::printf("catalogue factors: back rank %.2f, man safety %.2f, breakthrough %.2f "
                "(loss %.6f with all three)\n",
                scales.back_rank, scales.man_safety, scales.breakthrough,
                model_loss(model, p, k, false, scales));
    FitReport report = fit_tables(model, p, k, minimum, pull);
    std::printf("tables: %d passes, %d values changed\n", report.passes, report.changed_values);
    const int steps = fit_thresholds(*positions, p, k);
    std::printf("thresholds: %d steps, now %d %d %d\n", steps, p.t1, p.t2, p.t3);
    if (steps > 0) {
        model = build_model(*positions, p);
        report = fit_tables(model, p, k, minimum, pull);
        std::printf("tables again: %d passes, %d values changed\n", report.passes,
                    report.changed_values);
    }
    // The model holds what the tables do not decide, so it serves the fitted
    // tables as long as the thresholds it was built with stand.
    print_losses("end", model, p, k);
    return write_text(out, *parameters::rewrite_parameter_source(source.str(), p)) ? 0 : 1;
}

int run(const std::vector<std::string>& args) {
    // A depth of 0 would hand the move to a level's clock: never a quick game.
    const auto depth_ok = [](const std::string& word) {
        const int depth = std::stoi(word);
        return depth >= 1 && depth <= 30;
    };
    if ((args.size() == 5 || args.size() == 6) && args[0] == "play" && std::stoi(args[2]) >= 1 &&
        depth_ok(args[3]))
        return play(args[1], std::stoi(args[2]), std::stoi(args[3]), args[4],
                    args.size() == 6 ? static_cast<unsigned>(std::stoul(args[5])) : 1U);
    if (args.size() >= 5 && args.size() <= 7 && args[0] == "fit")
        return fit(args[1], args[2], args[3], args[4], args.size() >= 6 ? std::stoi(args[5]) : 2000,
                   args.size() == 7 ? std::stod(args[6]) : 0.0);
    if (args.size() == 6 && args[0] == "openings" && std::stoi(args[2]) >= 1 &&
        std::stoi(args[2]) <= 8 && depth_ok(args[3]) && std::stoi(args[4]) >= 0)
        return openings(args[1], std::stoi(args[2]), std::stoi(args[3]), std::stoi(args[4]),
                        args[5]);
    std::fprintf(stderr, "usage: tune_parameters play DATA_FOLDER GAMES DEPTH POSITIONS.txt [SEED]\n"
                         "       tune_parameters fit START.par SOURCE.txt POSITIONS.txt OUT.txt "
                         "[MINIMUM [PULL]]\n"
                         "       tune_parameters openings DATA_FOLDER PLIES DEPTH MARGIN "
                         "OPENINGS.txt\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    try {
        return run(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const std::logic_error&) {
        // std::stoi and its kin: a number that is not one, or out of range.
        std::fprintf(stderr, "tune_parameters: a number is expected where a word was given\n");
        return 2;
    }
}
