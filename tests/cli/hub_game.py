"""A whole game of a Hub client against `selvako-cli hub`: the client plays
White with moves drawn at random (seeded) from its own rules, the engine
plays Black at depth 3, and every move the engine gives must be legal by
those rules, both numbering the squares of moves as positions do (1 = b8).
The game runs to a result: no move left, a third repetition,
50 quiet plies of kings, or 300 plies. Usage: hub_game.py SELVAKO_CLI"""

import random
import sys

import brazilian_rules as rules
from hub_session import Engine, check, fields


def main():
    generator = random.Random(18)
    engine = Engine([sys.argv[1], "hub"])
    engine.send("hub")
    engine.expect("wait")
    engine.send("set-param name=notation value=selvako")
    engine.send("set-param name=variant value=brazilian")
    engine.send("init")
    engine.expect("ready")
    engine.send("new-game")

    start_side, start_board = rules.start_position()
    side, board = start_side, start_board
    played = []
    seen = {}
    quiet = 0
    result = None
    while result is None:
        key = rules.position_text(side, board)
        seen[key] = seen.get(key, 0) + 1
        moves = rules.legal_moves(side, board)
        if not moves:
            result = "0-2" if side == "W" else "2-0"
        elif seen[key] >= 3 or quiet >= 50 or len(played) >= 300:
            result = "1-1"
        if result:
            break
        if side == "W":
            move = generator.choice(moves)
        else:
            line = "pos pos=%s" % rules.position_text(start_side, start_board)
            if played:
                line += ' moves="%s"' % " ".join(rules.move_text(m) for m in played)
            engine.send(line)
            engine.send("level depth=3")
            engine.send("go think")
            done = fields(engine.expect("done")[-1])
            move = rules.parse_move(done["move"])
            check(move in moves, "the engine played %r in %s" % (done["move"], key))
        man = board[move[0]].islower()
        quiet = 0 if man or move[2] else quiet + 1
        side, board = rules.play(side, board, move)
        played.append(move)
    engine.send("quit")
    check(engine.process.wait(timeout=20) == 0, "exit status")
    print("game over %s after %d plies" % (result, len(played)))


if __name__ == "__main__":
    main()
