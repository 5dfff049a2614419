#!/bin/sh
# Two games go from PDN to the text score sheet and back, and out to numbered
# game files and back: the moves must come through unchanged.
cli=$1
dir=$(mktemp -d) || exit 1
trap 'rm -r "$dir"' EXIT
"$cli" selfplay --level 0 --games 2 --no-book --pdn "$dir/games.pdn" >/dev/null || exit 1
"$cli" convert "$dir/games.pdn" "$dir/games.txt" || exit 1
"$cli" convert "$dir/games.txt" "$dir/again.pdn" || exit 1
"$cli" convert "$dir/games.pdn" "$dir/one.dam" || exit 1
"$cli" convert "$dir/one-2.dam" "$dir/second.pdn" || exit 1
moves() { grep -v '^\[' "$1" | sed -E 's/(^| )(2-0|0-2|1-1|\*)$//'; }
[ "$(moves "$dir/games.pdn")" = "$(moves "$dir/again.pdn")" ] && echo "text round trip agrees"
second=$(moves "$dir/games.pdn" | awk 'BEGIN{RS=""} NR==2')
[ -n "$second" ] && [ "$second" = "$(moves "$dir/second.pdn" | awk 'BEGIN{RS=""} NR==1')" ] &&
  echo "game file round trip agrees"
"$cli" convert "$dir/missing.pdn" "$dir/x.txt" 2>&1
