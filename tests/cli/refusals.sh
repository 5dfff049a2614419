#!/bin/sh
# Files selvako-cli must refuse, each on one line naming the file and the
# reason, without ever waiting on a FIFO (a `timeout` guards every run).
cli=$1
dir=$(mktemp -d) || exit 1
trap 'rm -r "$dir"' EXIT
run() { timeout 20 "$cli" "$@" 2>&1; echo "status $?"; }

mkfifo "$dir/fifo.pdn" "$dir/fifo.dam" "$dir/fifo.txt"
run convert "$dir/fifo.pdn" "$dir/x.txt"
run convert "$dir/fifo.dam" "$dir/x.pdn"
run analyse "$dir/fifo.txt" --depth 1

# A genuine game with its side-to-move byte flipped (the last of the file).
"$cli" selfplay --level 0 --games 2 --no-book --pdn "$dir/games.pdn" >/dev/null || exit 1
"$cli" convert "$dir/games.pdn" "$dir/one.dam" >/dev/null || exit 1
size=$(wc -c <"$dir/one-1.dam")
head -c $((size - 1)) "$dir/one-1.dam" >"$dir/flipped.dam"
last=$(tail -c 1 "$dir/one-1.dam" | od -An -tu1 | tr -d ' ')
printf "\\$(printf '%03o' $((1 - last)))" >>"$dir/flipped.dam"
run convert "$dir/flipped.dam" "$dir/x.pdn"

# Several game files are written as a set: one refused target, none written.
mkdir "$dir/set-2.dam"
run convert "$dir/games.pdn" "$dir/set.dam"
[ -e "$dir/set-1.dam" ] && echo "set-1.dam written" || echo "set-1.dam not written"
