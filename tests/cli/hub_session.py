"""A Hub session with `selvako-cli hub` from the greeting to "quit": the
greeting, parameters (moves numbered as positions list the squares, 1 = b8),
a position with moves, a search at depth 4 with its info lines, a "stop"
during "go ponder", and malformed lines and unknown parameters, each answered
with an error while the engine carries on. Usage: hub_session.py SELVAKO_CLI"""

import queue
import subprocess
import sys
import threading

import brazilian_rules as rules


class Engine:
    def __init__(self, command):
        self.process = subprocess.Popen(command, stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                        text=True, bufsize=1)
        self.lines = queue.Queue()
        threading.Thread(target=self._read, daemon=True).start()

    def _read(self):
        for line in self.process.stdout:
            self.lines.put(line.rstrip("\n"))
        self.lines.put(None)

    def send(self, line):
        self.process.stdin.write(line + "\n")
        self.process.stdin.flush()

    def expect(self, command, timeout=30):
        """Every line up to and including the first that starts with `command`."""
        seen = []
        while True:
            line = self.lines.get(timeout=timeout)
            if line is None:
                raise AssertionError("the engine ended; it said %r" % seen)
            seen.append(line)
            if line.split(" ")[0] == command:
                return seen


def fields(line):
    """The name=value fields of a line (values unquoted)."""
    result = {}
    rest = line.split(" ", 1)[1] if " " in line else ""
    while rest:
        rest = rest.lstrip()
        name, _, rest = rest.partition("=")
        if rest.startswith('"'):
            value, _, rest = rest[1:].partition('"')
        else:
            value, _, rest = rest.partition(" ")
        result[name] = value
    return result


def check(condition, message):
    if not condition:
        raise AssertionError(message)


def main():
    engine = Engine([sys.argv[1], "hub"])
    engine.send("hub")
    greeting = engine.expect("wait")
    check(greeting[0].startswith("id name=Selvako"), greeting)
    check(any("name=variant" in l and "brazilian" in l for l in greeting), greeting)
    check(any(l.startswith("param name=notation value=pdn ") for l in greeting), greeting)
    # This session writes its moves as the positions number the squares.
    engine.send("set-param name=notation value=selvako")
    engine.send("set-param name=variant value=brazilian")
    engine.send("set-param name=book value=false")
    engine.send("init")
    engine.expect("ready")
    engine.send("ping")
    engine.expect("pong")

    # Malformed or impossible lines: one error line each, and nothing changes.
    for bad in ['pos moves="22-18', "level depth=0", "pos pos=Wxyz", "go", "go think",
                "set-param name=variant value=normal", "level =1", "frobnicate",
                "set-param name=hash value=64", "set-param name=notation value=fmjd",
                "pos pos=W" + "b" * 12 + "e" * 8 + "w" * 12 + ' moves="22-18 22-18"',
                "level\x01"]:
        engine.send(bad)
        answer = engine.expect("error")
        check(len(answer) == 1, "%r gave %r" % (bad, answer))
    engine.send("ping")
    engine.expect("pong")

    # After 22-18 11-15 White must take: 18x11x15; then Black is to move.
    side, board = rules.start_position()
    for text in ["22-18", "11-15", "18x11x15"]:
        move = rules.parse_move(text)
        check(move in rules.legal_moves(side, board), text)
        side, board = rules.play(side, board, move)
    engine.send("pos pos=%s moves=\"22-18 11-15 18x11x15\"" % rules.position_text(*rules.start_position()))
    engine.send("level depth=4")
    engine.send("go think")
    answer = engine.expect("done")
    infos = [fields(l) for l in answer if l.startswith("info ")]
    check(infos, answer)
    for info in infos:
        for name in ("depth", "score", "nodes", "time", "pv"):
            check(name in info, "info without %s: %r" % (name, info))
    check(max(int(i["depth"]) for i in infos) >= 4, infos)
    done = fields(answer[-1])
    played = rules.parse_move(done["move"])
    check(played in rules.legal_moves(side, board), "done %r is not legal" % done)
    if "ponder" in done:
        reply_side, reply_board = rules.play(side, board, played)
        check(rules.parse_move(done["ponder"]) in rules.legal_moves(reply_side, reply_board), done)

    # Pondering never ends by itself; only the stop can bring the "done".
    engine.send("pos pos=%s" % rules.position_text(*rules.start_position()))
    engine.send("level move-time=5")
    engine.send("go ponder")
    engine.send("ping")
    engine.expect("pong")
    engine.send("stop")
    answer = engine.expect("done", timeout=20)
    check(rules.parse_move(fields(answer[-1])["move"]) in
          rules.legal_moves(*rules.start_position()), answer)

    engine.send("quit")
    status = engine.process.wait(timeout=20)
    check(status == 0, "exit status %d" % status)
    print("hub session ok")


if __name__ == "__main__":
    main()
