"""`selvako-cli hub` as builds before the parameter `notation` behaved: the
greeting does not declare it and moves are numbered from 1 = b8. A proxy in
front of this build's engine, for `match --hub-b` to meet such a build.
Usage: older_hub_build.py SELVAKO_CLI"""

import subprocess
import sys
import threading


def main():
    engine = subprocess.Popen([sys.argv[1], "hub"], stdin=subprocess.PIPE,
                              stdout=subprocess.PIPE, text=True, bufsize=1)

    def answers():
        for line in engine.stdout:
            if not line.startswith("param name=notation "):
                sys.stdout.write(line)
                sys.stdout.flush()

    reader = threading.Thread(target=answers)
    reader.start()
    engine.stdin.write("set-param name=notation value=selvako\n")
    for line in sys.stdin:
        engine.stdin.write(line)
        engine.stdin.flush()
    engine.stdin.close()
    reader.join()
    sys.exit(engine.wait())


if __name__ == "__main__":
    main()
