#!/bin/sh
# Runs two games with a record file and checks that the file's results are
# the ones printed, in order; then shows the file.
cli=$1
dir=$(mktemp -d) || exit 1
trap 'rm -r "$dir"' EXIT
out=$("$cli" selfplay --level 0 --games 2 --no-book --pdn "$dir/games.pdn") || exit 1
printed=$(printf '%s\n' "$out" | awk '$1 == "game" { print $3 }')
written=$(sed -n 's/^\[Result "\(.*\)"\]$/\1/p' "$dir/games.pdn")
if [ -n "$printed" ] && [ "$printed" = "$written" ]; then echo "results agree"; fi
cat "$dir/games.pdn"
