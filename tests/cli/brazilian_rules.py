"""Brazilian draughts as a Hub client needs it, written apart from the engine
so that the tests check the engine's moves against rules of their own.

Squares 1..32 run row by row from the top left (1 = b8); Black's men start
on 1-12 and move down, White's on 21-32 and move up. Men capture backwards,
kings fly, the capture of the most pieces is compulsory, and a man is
crowned only when its move ends on the far row."""

DIRECTIONS = ((-1, -1), (-1, 1), (1, -1), (1, 1))


def coords(square):
    row = (square - 1) // 4
    return row, 2 * ((square - 1) % 4) + (1 if row % 2 == 0 else 0)


def square_at(row, col):
    if 0 <= row < 8 and 0 <= col < 8 and (row + col) % 2 == 1:
        return row * 4 + col // 2 + 1
    return 0


def start_position():
    """The side to move and a list of 33 letters (index 0 unused)."""
    return "W", ["-"] + ["b"] * 12 + ["e"] * 8 + ["w"] * 12


def position_text(side, board):
    return side + "".join(board[1:])


def own(letter, side):
    return letter.lower() == side.lower()


def enemy(letter, side):
    return letter != "e" and not own(letter, side)


def _captures(board, origin, side):
    piece = board[origin]
    king = piece.isupper()
    found = []

    def extend(at, taken):
        row, col = coords(at)
        more = False
        for dr, dc in DIRECTIONS:
            r, c = row + dr, col + dc
            if king:
                while square_at(r, c) and (board[square_at(r, c)] == "e" or square_at(r, c) == origin):
                    r, c = r + dr, c + dc
            target = square_at(r, c)
            if not target or target in taken or not enemy(board[target], side):
                continue
            r, c = r + dr, c + dc
            while square_at(r, c) and (board[square_at(r, c)] == "e" or square_at(r, c) == origin):
                more = True
                extend(square_at(r, c), taken + [target])
                if not king:
                    break
                r, c = r + dr, c + dc
        if not more and taken:
            found.append((origin, at, sorted(taken)))

    extend(origin, [])
    return found


def legal_moves(side, board):
    """Moves as (from, to, sorted captured squares)."""
    captures = []
    for s in range(1, 33):
        if own(board[s], side):
            captures += _captures(board, s, side)
    if captures:
        most = max(len(m[2]) for m in captures)
        unique = []
        for m in captures:
            if len(m[2]) == most and m not in unique:
                unique.append(m)
        return unique
    moves = []
    forward = (-1,) if side == "W" else (1,)
    for s in range(1, 33):
        if not own(board[s], side):
            continue
        row, col = coords(s)
        king = board[s].isupper()
        for dr, dc in DIRECTIONS:
            if not king and dr not in forward:
                continue
            r, c = row + dr, col + dc
            while square_at(r, c) and board[square_at(r, c)] == "e":
                moves.append((s, square_at(r, c), []))
                if not king:
                    break
                r, c = r + dr, c + dc
    return moves


def move_text(move):
    origin, end, taken = move
    if not taken:
        return "%d-%d" % (origin, end)
    return "x".join(str(s) for s in [origin, end] + taken)


def parse_move(text):
    """(from, to, sorted captured) of a Hub move; None when not one."""
    separator = "x" if "x" in text else "-"
    parts = text.split(separator)
    if not all(p.isdigit() for p in parts) or len(parts) < 2:
        return None
    numbers = [int(p) for p in parts]
    return numbers[0], numbers[1], sorted(numbers[2:])


def play(side, board, move):
    origin, end, taken = move
    board = list(board)
    piece = board[origin]
    board[origin] = "e"
    for s in taken:
        board[s] = "e"
    if piece == "w" and coords(end)[0] == 0:
        piece = "W"
    if piece == "b" and coords(end)[0] == 7:
        piece = "B"
    board[end] = piece
    return ("B" if side == "W" else "W"), board
