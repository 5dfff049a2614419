#!/bin/sh
# Kills selvako-cli while it writes, ROUNDS times for each writer, and checks
# what a kill may leave: the target either as it was or whole (never torn),
# and no temporary of an earlier killed write left once the next write of the
# same target has run. Prints the figures; fails on a torn target or on a
# temporary that survives a later write.
# kill_during_write.sh SELVAKO_CLI [ROUNDS]
set -u
cli=$1
rounds=${2:-100}
dir=$(mktemp -d) || exit 1
trap 'rm -rf "$dir"' EXIT

# A file of many games makes each write last long enough to be cut.
"$cli" selfplay --level 0 --games 2 --no-book --pdn "$dir/two.pdn" >/dev/null || exit 1
: >"$dir/many.pdn"
i=0
while [ $i -lt 150 ]; do cat "$dir/two.pdn" >>"$dir/many.pdn"; i=$((i + 1)); done
"$cli" convert "$dir/many.pdn" "$dir/reference.txt" >/dev/null 2>&1 || exit 1
"$cli" convert "$dir/two.pdn" "$dir/reference.dam" >/dev/null 2>&1 || exit 1

temporaries() { find "$dir/out" -name "$1.????????" | wc -l; }

status=0
for writer in text games; do
    rm -rf "$dir/out"
    mkdir "$dir/out"
    if [ $writer = text ]; then
        set -- convert "$dir/many.pdn" "$dir/out/games.txt"
        target=games.txt
    else
        set -- convert "$dir/two.pdn" "$dir/out/game.dam"
        target=game-1.dam
    fi
    # The kills fall anywhere in a whole run, the write at its end included.
    start=$(date +%s%N)
    "$cli" "$@" >/dev/null 2>&1
    span=$((($(date +%s%N) - start) / 1000000 + 1))
    rm -f "$dir/out/"*
    left=0
    torn=0
    survived=0
    round=0
    while [ $round -lt "$rounds" ]; do
        "$cli" "$@" >/dev/null 2>&1 &
        pid=$!
        sleep "$(od -An -N2 -tu2 /dev/urandom | awk -v span="$span" '{printf "%.3f", ($1 % span) / 1000}')"
        kill -9 $pid 2>/dev/null
        wait $pid 2>/dev/null
        # A temporary an earlier kill left must be gone once a later write ran.
        found=$(temporaries $target)
        [ "$found" -gt 0 ] && left=$((left + 1))
        if [ -e "$dir/out/$target" ]; then
            if [ $writer = text ]; then
                cmp -s "$dir/out/$target" "$dir/reference.txt" || torn=$((torn + 1))
            else
                cmp -s "$dir/out/$target" "$dir/reference-1.dam" || torn=$((torn + 1))
            fi
        fi
        round=$((round + 1))
    done
    # One write to the end: every temporary of the killed writes goes.
    sleep 0.01
    "$cli" "$@" >/dev/null 2>&1 || { echo "$writer: the last write failed"; status=1; }
    survived=$(temporaries $target)
    echo "$writer: $rounds kills over ${span} ms runs, $left left a temporary, $torn torn" \
        "targets, $survived temporaries after the next write"
    [ "$torn" -eq 0 ] && [ "$survived" -eq 0 ] || status=1
done
exit $status
