#!/bin/sh
# A saved game analysed at a fixed depth: one line per ply in game order, the
# winning last move scored as the win, and the PDN written with the scores
# as comments reads back as the same game.
cli=$1
dir=$(mktemp -d) || exit 1
trap 'rm -r "$dir"' EXIT
cat >"$dir/game.pdn" <<'PDN'
[White "Blanc"]
[Black "Noir"]
[Result "0-2"]
[GameType "26"]
1. a3-b4 b6-c5 2. b4-a5 a7-b6 3. c3-d4 h6-g5 4. g3-f4 g7-h6 5. b2-c3 h8-g7
6. a1-b2 g5-h4 7. h2-g3 f6-g5 8. d4-e5 c5-b4 9. c3-d4 b4-a3 10. d2-c3 b8-a7
11. e1-d2 e7-f6 12. d4-c5 b6xd4 13. e3xe7 f6xd4 14. c3xe5 d8xd4 15. b2-c3 d4xb2
16. f4-e5 b2-a1 17. e5-d6 c7xe5 18. d2-c3 a1xd4 19. f2-e3 h4xf2 20. e3xc5 f2-e1
21. g1-h2 g5-f4 22. a5-b6 e1-b4 23. c1-d2 b4xd6 24. d2-c3 a7xc5 25. h2-g3 f4xh2
26. c3-b4 d6-b8 27. b4xf4 b8xg3 0-2
PDN
"$cli" convert "$dir/game.pdn" "$dir/game.dam" >/dev/null || exit 1
"$cli" analyse "$dir/game.dam" --depth 3 --pdn "$dir/scored.pdn" >"$dir/lines" || exit 1
[ "$(wc -l <"$dir/lines")" -eq 54 ] && echo "54 lines"
awk '$1 != NR' "$dir/lines" | head -1
grep -Evc '^[0-9]+ [a-h][1-8][-x][a-h][1-8] -?[0-9]+ best [a-h][1-8][-x][a-h][1-8] -?[0-9]+( \* [a-h1-8 x-]*)?$' "$dir/lines"
tail -1 "$dir/lines"
grep -c '^[0-9]* [^ ]* [^ ]* best [^ ]* [^ ]* \*' "$dir/lines" | awk '$1 > 0 { print "starred moves" }'
grep -q '{\* ' "$dir/scored.pdn" && echo "comments written"
# The comments aside, the written game is the game read.
moves() { grep -v '^\[' "$1" | sed -E 's/\{[^}]*\}//g' | tr -s ' \n' '\n\n' | grep -Ev '^(2-0|0-2|1-1|\*|)$'; }
"$cli" convert "$dir/scored.pdn" "$dir/again.pdn" >/dev/null &&
  [ "$(moves "$dir/scored.pdn")" = "$(moves "$dir/game.pdn")" ] &&
  [ "$(moves "$dir/again.pdn")" = "$(moves "$dir/game.pdn")" ] && echo "same game"
