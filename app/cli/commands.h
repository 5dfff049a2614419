#pragma once

#include "app/cli/cli_options.h"

namespace selvako::cli {

int run_perft(const Arguments& args);
int run_moves(const Arguments& args);
int run_probe(const Arguments& args);
int run_eval(const Arguments& args);
int run_go(const Arguments& args);
int run_bench(const Arguments& args);
int run_play(const Arguments& args);
int run_selfplay(const Arguments& args);
int run_convert(const Arguments& args);
int run_hub(const Arguments& args);
int run_match(const Arguments& args);
int run_analyse(const Arguments& args);

} // namespace selvako::cli
