#!/bin/sh
# Every command that `selvako-cli --help` lists has its own help text
# (`help COMMAND` and `COMMAND --help`, the same on standard output) and its
# entry in the manual page.
# Usage: help_pages.sh SELVAKO_CLI MANUAL_PAGE
set -eu
cli=$1
page=$2
fail() { echo "help_pages: $*" >&2; exit 1; }

commands=$("$cli" --help | sed -n 's/^  selvako-cli \([a-z][a-z]*\)\( .*\)\{0,1\}$/\1/p' | sort -u | grep -vx help)
count=0
for c in $commands; do
    help=$("$cli" help "$c") || fail "help $c: status $?"
    echo "$help" | head -1 | grep -q "^usage: selvako-cli $c" || fail "help $c: $help"
    test "$("$cli" "$c" --help)" = "$help" || fail "$c --help differs from help $c"
    grep -A1 '^\.TP' "$page" | grep -Eq "^\.BI? \"?$c( |\"|$)" || fail "no entry for $c in $page"
    count=$((count + 1))
done
echo "$count commands with help and a manual entry"
