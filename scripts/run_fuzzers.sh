#!/bin/sh
# Runs each fuzz target of a `make fuzz` build: first over the inputs that
# once crashed it, then for a few seconds from the seeds the program writes.
# Prints one line per target (executions, crashes); fails on any crash.
# run_fuzzers.sh FUZZ_BUILD DATA_FOLDER SECONDS
set -eu
build=$1
data=$2
seconds=$3
work=$build/fuzz-run
rm -rf "$work"
mkdir -p "$work/seeds"
"$build/fuzz/make_seeds" "$work/seeds"
mkdir -p "$work/seeds/parameter_file"
cp "$data/defaut.par" "$work/seeds/parameter_file/"
# The smaller endgame tables as the generator made them, each behind the
# byte that names its place in the list of tables.
mkdir -p "$work/seeds/endgame_tables"
index=0
for table in dod pod dop pop ddod dodd ddop podd pdod dopd pdop popd ppod dopp ppop popp; do
    if [ -f "$data/$table.bib" ] && [ "$(wc -c <"$data/$table.bib")" -lt 30000 ]; then
        { printf "\\$(printf '%03o' "$index")"; cat "$data/$table.bib"; } >"$work/seeds/endgame_tables/$table"
    fi
    index=$((index + 1))
done

status=0
for target in fen moves game_file game_text parameter_file repertoire learned_table \
    endgame_tables packed_table hash_keys player_files clipboard hub_line; do
    corpus=$work/corpus/$target
    mkdir -p "$corpus"
    cp "$work/seeds/$target"/* "$corpus/"
    regressions=fuzz/regressions/$target
    if [ -d "$regressions" ] && [ -n "$(ls -A "$regressions")" ]; then
        "$build/fuzz/${target}_fuzz" "$regressions"/* >"$work/$target.regressions.log" 2>&1 ||
            { echo "$target: a kept crash input fails again (see $work/$target.regressions.log)"; status=1; }
    fi
    if "$build/fuzz/${target}_fuzz" -max_total_time="$seconds" -max_len=30000 \
        -artifact_prefix="$work/$target-" "$corpus" >"$work/$target.log" 2>&1; then
        crashes=0
    else
        crashes=1
        status=1
    fi
    runs=$(grep -o 'Done [0-9]* runs' "$work/$target.log" | grep -o '[0-9]*' || echo "?")
    echo "$target: $runs executions, $crashes crashes"
done
exit $status
