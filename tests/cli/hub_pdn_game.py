"""Whole games of `selvako-cli hub` against a client that speaks as
pydraughts' HubEngine does with Board(variant='brazilian'), changing nothing
on the engine's side: the position of `pos pos=` lists the squares from
1 = b8 (Black's men first), while the moves it sends and reads are numbered
as PDN numbers this board, 1 = a1 (a3-b4 is 9-13), a capture written as its
origin, its end and the pieces taken, in any order. The client reads the
engine's lines as that library does (`name=value` fields split on '=',
`done move=M [ponder=P]`) and fails on any line it would not expect, an
`error` line above all.

Two games: the engine moves first (it plays White at depth 3), then the
client moves first (the engine plays Black at 3,000 nodes a move). The
client's moves are drawn at random (seeded) from rules of its own, and
every move of the engine must be legal by them.
Usage: hub_pdn_game.py SELVAKO_CLI"""

import random
import re
import sys

import brazilian_rules as rules
from hub_session import Engine, check

# How the library splits a line's arguments: at spaces outside quotes.
ARGUMENTS = re.compile(r' +(?![^"]*"(?:(?:[^"]*"){2})*[^"]*$)')


def pdn(square):
    """The PDN number of a square numbered from b8, and back (the same sum)."""
    row, column = (square - 1) // 4, (square - 1) % 4
    return (7 - row) * 4 + column + 1


def pdn_text(move, generator):
    origin, end, taken = move
    if not taken:
        return "%d-%d" % (pdn(origin), pdn(end))
    taken = [pdn(s) for s in taken]
    generator.shuffle(taken)
    return "x".join(str(s) for s in [pdn(origin), pdn(end)] + taken)


def read_pdn_move(text):
    move = rules.parse_move(text)
    check(move is not None, "not a move: %r" % text)
    origin, end, taken = move
    return pdn(origin), pdn(end), sorted(pdn(s) for s in taken)


def pairs(arguments):
    """The name=value pairs as the library unpacks them: exactly one '='."""
    result = {}
    for item in ARGUMENTS.split(arguments):
        parts = item.split("=")
        check(len(parts) == 2, "the library cannot unpack %r" % item)
        result[parts[0]] = parts[1]
    return result


def greet(engine):
    engine.send("hub")
    variants = set()
    for line in engine.expect("wait"):
        command, _, arguments = line.partition(" ")
        check(command in ("id", "param", "wait"), "unexpected line %r" % line)
        if command == "param":
            fields = pairs(arguments)
            if fields["name"] == "variant":
                variants.update(fields["values"].strip('"').split())
    check("brazilian" in variants, variants)
    engine.send("set-param name=variant value=brazilian")
    engine.send("init")
    check(engine.expect("ready") == ["ready"], "init")


def engine_move(engine, start, played, level):
    if played:
        engine.send('pos pos=%s moves="%s"' % (start, " ".join(played)))
    else:
        engine.send("pos pos=%s" % start)
    engine.send(level)
    engine.send("go think")
    answer = engine.expect("done", timeout=60)
    for line in answer[:-1]:
        command, _, arguments = line.partition(" ")
        check(command == "info", "unexpected line %r" % line)
        fields = pairs(arguments)
        int(fields["depth"]), int(fields["nodes"]), float(fields["time"]), float(fields["score"])
    done = [item.split("=") for item in answer[-1].split()[1:]]
    check(done[0][0] == "move" and len(done) <= 2, answer[-1])
    return done[0][1]


def play_game(engine, engine_side, level, generator):
    engine.send("new-game")
    side, board = rules.start_position()
    start = rules.position_text(side, board)
    played = []
    seen = {}
    quiet = 0
    while True:
        key = rules.position_text(side, board)
        seen[key] = seen.get(key, 0) + 1
        moves = rules.legal_moves(side, board)
        if not moves:
            return ("0-2" if side == "W" else "2-0"), len(played)
        if seen[key] >= 3 or quiet >= 50 or len(played) >= 300:
            return "1-1", len(played)
        if side == engine_side:
            text = engine_move(engine, start, played, level)
            move = read_pdn_move(text)
            check(move in moves, "the engine played %r in %s" % (text, key))
        else:
            move = generator.choice(moves)
        man = board[move[0]].islower()
        quiet = 0 if man or move[2] else quiet + 1
        played.append(pdn_text(move, generator))
        side, board = rules.play(side, board, move)


def main():
    generator = random.Random(30)
    engine = Engine([sys.argv[1], "hub"])
    greet(engine)
    results = [play_game(engine, "W", "level depth=3", generator),
               play_game(engine, "B", "level nodes=3000", generator)]
    engine.send("quit")
    check(engine.process.wait(timeout=20) == 0, "exit status")
    for who, (result, plies) in zip(("engine first", "client first"), results):
        print("%s: %s after %d plies" % (who, result, plies))


if __name__ == "__main__":
    main()
