// Fits the default evaluation parameters to the results of self-play games.
//
//   tune_parameters play DATA_FOLDER GAMES DEPTH POSITIONS.txt [SEED]
//       plays GAMES games of the engine against itself at DEPTH, two at a
//       time, each after six random plies, and writes their quiet positions
//       with the games' results;
//   tune_parameters fit START.par SOURCE.txt POSITIONS.txt OUT.txt [MINIMUM]
//       fits the men tables, tempo weights and phase thresholds to those
//       positions, starting from START.par, and writes SOURCE.txt with the
//       fitted values as OUT.txt. Table entries read by fewer than MINIMUM
//       fitted positions (default 2000) keep their values.
//
// The fitted set is only worth keeping when it beats the one it started from
// over the board: play them against each other with `selvako-cli match`.

#include <cstdio>
#include <fstream>
#include <iostream>
#include <mutex>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "files/atomic_file.h"
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

void print_losses(const char* when, const std::vector<TrainingPosition>& positions,
                  const EvalParameters& p, double k) {
    const ModelSet set = build_model(positions, p);
    std::printf("%s: loss %.6f fitted, %.6f held out\n", when, model_loss(set, p, k, false),
                model_loss(set, p, k, true));
}

int fit(const std::string& start, const std::string& source_path, const std::string& positions_path,
        const std::string& out, int minimum) {
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

    const ModelSet first = build_model(*positions, p);
    std::printf("positions %zu modelled %zu left out %d mismatches %d\n", positions->size(),
                first.positions.size(), first.left_out, first.mismatches);
    if (first.mismatches > 0) {
        std::fprintf(stderr, "tune_parameters: the model does not score as the evaluation does\n");
        return 1;
    }
    const double k = fit_scale(first, p);
    std::printf("scale k %.6f (a man is worth %.3f in the logistic)\n", k, 200 * k);
    print_losses("start", *positions, p, k);

    FitReport report = fit_tables(first, p, k, minimum);
    std::printf("tables: %d passes, %d values changed\n", report.passes, report.changed_values);
    const int steps = fit_thresholds(*positions, p, k);
    std::printf("thresholds: %d steps, now %d %d %d\n", steps, p.t1, p.t2, p.t3);
    if (steps > 0) {
        report = fit_tables(build_model(*positions, p), p, k, minimum);
        std::printf("tables again: %d passes, %d values changed\n", report.passes,
                    report.changed_values);
    }
    print_losses("end", *positions, p, k);
    return write_text(out, *parameters::rewrite_parameter_source(source.str(), p)) ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if ((args.size() == 5 || args.size() == 6) && args[0] == "play")
        return play(args[1], std::stoi(args[2]), std::stoi(args[3]), args[4],
                    args.size() == 6 ? static_cast<unsigned>(std::stoul(args[5])) : 1U);
    if ((args.size() == 5 || args.size() == 6) && args[0] == "fit")
        return fit(args[1], args[2], args[3], args[4], args.size() == 6 ? std::stoi(args[5]) : 2000);
    std::fprintf(stderr, "usage: tune_parameters play DATA_FOLDER GAMES DEPTH POSITIONS.txt [SEED]\n"
                         "       tune_parameters fit START.par SOURCE.txt POSITIONS.txt OUT.txt "
                         "[MINIMUM]\n");
    return 2;
}
