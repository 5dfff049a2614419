#!/usr/bin/env python3
"""Positions of kings against men from PDN games, for `selvako-cli match
--openings`: in each game, the first position where one side has a king and
the other only men, six pieces or more stand and the side to move has
nothing to take. One FEN a line, each position once.

    kings_against_men.py GAMES.pdn... > endings.txt

The moves are replayed with the rules written apart from the engine for the
Hub tests, so a position comes from the games as written, not from the
engine's reading of them."""

import os
import re
import sys

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "cli"))
import brazilian_rules as rules  # noqa: E402

MOVE = re.compile(r"\b([a-h][1-8](?:[-x][a-h][1-8])+)\b")


def square(name):
    return rules.square_at(8 - int(name[1:]), ord(name[0]) - ord("a"))


def square_name(s):
    row, col = rules.coords(s)
    return "%s%d" % (chr(ord("a") + col), 8 - row)


def fen(side, board):
    lists = {"W": [], "B": []}
    for s in range(1, 33):
        if board[s] != "e":
            king = "K" if board[s].isupper() else ""
            lists[board[s].upper()].append(king + square_name(s))
    return "%s:W%s:B%s" % (side, ",".join(lists["W"]), ",".join(lists["B"]))


def first_ending(moves):
    side, board = rules.start_position()
    for text in moves:
        squares = [square(s) for s in re.split("[-x]", text)]
        legal = [m for m in rules.legal_moves(side, board)
                 if m[0] == squares[0] and m[1] == squares[-1]]
        if not legal:
            return None
        side, board = rules.play(side, board, legal[0])
        count = {p: board[1:].count(p) for p in "wWbB"}
        one_side_kings = (count["W"] > 0) != (count["B"] > 0)
        men_against = count["b"] if count["W"] else count["w"]
        if one_side_kings and men_against > 0 and sum(count.values()) >= 6:
            if not any(m[2] for m in rules.legal_moves(side, board)):
                return fen(side, board)
    return None


def main():
    seen = set()
    for path in sys.argv[1:]:
        with open(path, encoding="utf-8") as f:
            games = f.read().split("[Event")[1:]
        for game in games:
            found = first_ending(MOVE.findall(game))
            if found and found not in seen:
                seen.add(found)
                print(found)


if __name__ == "__main__":
    main()
