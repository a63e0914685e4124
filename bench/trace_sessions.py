#!/usr/bin/env python3
"""Seeded random sessions of the driver, to show that a change leaves what
the player sees as it was.

A session is a script of murokan-script: a game against a person or the
computer (LEVEL1-5, the searching levels under `set nodes`), with the handicap
ladder, clicks and drags that mostly name a piece of the side to move (from
the board or either hand) and a square near it, promotions by the right
button, 戻 and 進, 最初, 反転, records saved and loaded, the clock moved on.
Half the sessions start with pieces in both hands. A `shot` of the window
ends each session. The script is written while it is played on a reference
driver, so that its
clicks follow the position on the board; it is then played on every driver
given, each in an empty folder of its own, and their outputs and the record
files they wrote must be byte for byte the same.

  trace_sessions.py REFERENCE [OTHER ...] [--seed S] [--sessions N]
                    [--actions M] [--keep DIR]

Exit status 0 when every driver gave the same traces, 1 otherwise.
"""
import argparse
import filecmp
import os
import random
import subprocess
import sys
import tempfile

KINDS = "PLNSGBR"  # hand kinds 1..7, as the stand rows count them


def parse_dump(lines):
    """The board, turn letter, hands and state variables of a dump."""
    sfen = next(l for l in lines if l.startswith("position sfen "))
    state = next(l for l in lines if l.startswith("state "))
    board_text, turn, hands = sfen.split()[2:5]
    board = {}
    for y, rank in enumerate(board_text.split("/"), start=1):
        x, promoted = 1, False
        for c in rank:
            if c.isdigit():
                x += int(c)
            elif c == "+":
                promoted = True
            else:
                board[(x, y)] = c
                x, promoted = x + 1, False
    held = {}
    count = ""
    if hands != "-":
        for c in hands:
            if c.isdigit():
                count += c
            else:
                held[c] = held.get(c, 0) + int(count or "1")
                count = ""
    variables = dict(w.split("=") for w in state.split()[1:])
    return board, turn, held, variables


class Reference:
    """The reference driver, played one command at a time."""

    def __init__(self, binary, folder):
        self.proc = subprocess.Popen([binary], cwd=folder, stdin=subprocess.PIPE,
                                     stdout=subprocess.PIPE, text=True, encoding="utf-8",
                                     errors="replace")

    def dump(self):
        self.proc.stdin.write("dump\n")
        self.proc.stdin.flush()
        lines = []
        while True:
            line = self.proc.stdout.readline()
            if not line:
                raise RuntimeError("the reference driver ended")
            lines.append(line.rstrip("\n"))
            if line.startswith("state "):
                return lines

    def send(self, command):
        self.proc.stdin.write(command + "\n")
        self.proc.stdin.flush()

    def close(self):
        self.proc.stdin.close()
        self.proc.wait()


def move_attempt(rng, board, turn, held):
    """Click or drag commands that try a move of the side to move."""
    bottom = turn == "b"
    own = [sq for sq, c in board.items() if c.isupper() == bottom] if turn != "-" else []
    kinds = [k for k in range(1, 8) if held.get(KINDS[k - 1] if bottom else KINDS[k - 1].lower())]
    if rng.random() < 0.1 or not own:
        # Anywhere: the other side's pieces, the stands, beside the board.
        src = (rng.randint(-2, 12), rng.randint(0, 10))
        dst = (rng.randint(-2, 12), rng.randint(0, 10))
    elif kinds and rng.random() < 0.5:
        k = rng.choice(kinds)
        src = (11, k + 2) if bottom else (-1, 8 - k)
        dst = (rng.randint(1, 9), rng.randint(1, 9))
    else:
        src = rng.choice(own)
        if rng.random() < 0.7:
            forward = -1 if bottom else 1
            dst = (src[0] + rng.randint(-1, 1), src[1] + rng.choice([forward, forward, 0, -forward]))
        else:
            dst = (rng.randint(1, 9), rng.randint(1, 9))
    button = "right" if rng.random() < 0.3 else "left"
    if rng.random() < 0.25:
        return [f"drag {src[0]} {src[1]} {dst[0]} {dst[1]} {button}"]
    return [f"click {src[0]} {src[1]}", f"click {dst[0]} {dst[1]} {button}"]


def other_action(rng, session):
    r = rng.random()
    if r < 0.25:
        return [rng.choice(["key Left", "menu REPLAY"])]
    if r < 0.40:
        return [rng.choice(["key Right", "menu AFTER"])]
    if r < 0.48:
        return [f"clock {rng.randint(1, 90)}", "tick"]
    if r < 0.58:
        return [f"save s{session}.kif"]
    if r < 0.64:
        return [rng.choice(["answer yes", "answer no"]), f"load s{session}.kif"]
    if r < 0.70:
        return ["menu CANCEL"]
    if r < 0.74:
        return ["menu REVERSE"]
    if r < 0.80:
        return [rng.choice(["menu LBEL_UP", "menu LEBEL_DOWN"])]
    if r < 0.84:
        return ["com"]
    if r < 0.92:
        return [f"menu LEVEL{rng.randint(1, 5)}"]
    return [rng.choice(["menu START", "menu SENTE", "menu GOTE"])]


def opening(rng):
    """How a session starts: a budget for the searching levels, a level,
    handicap steps and a kind of game."""
    lines = [f"set nodes {rng.choice([300, 800, 2000])}", f"menu LEVEL{rng.randint(1, 5)}"]
    if rng.random() < 0.5:
        # Pieces in both hands from the start, so that drops come early.
        hands = "".join(f"{rng.randint(1, 2)}{k}" for k in "RBGSNLP" if rng.random() < 0.5)
        hands += "".join(f"{rng.randint(1, 2)}{k.lower()}" for k in "RBGSNLP" if rng.random() < 0.5)
        lines.append("position sfen lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL "
                     f"b {hands or '-'} 1")
    for _ in range(rng.choice([0, 0, 1, 2])):
        lines.append(rng.choice(["menu LBEL_UP", "menu LEBEL_DOWN"]))
    lines.append(rng.choice(["menu START", "menu START", "menu SENTE", "menu GOTE"]))
    return lines


def write_session(binary, rng, session, actions, folder):
    """Plays a session on the reference driver, returning its script."""
    ref = Reference(binary, folder)
    script = []
    try:
        for line in opening(rng):
            ref.send(line)
            script.append(line)
        for _ in range(actions):
            board, turn, held, _ = parse_dump(ref.dump())
            script.append("dump")
            step = (move_attempt(rng, board, turn, held) if rng.random() < 0.8
                    else other_action(rng, session))
            for line in step:
                ref.send(line)
                script.append(line)
        script.append("dump")
        script.append(f"shot s{session}_end.png")
    finally:
        ref.close()
    return script


def drops(trace):
    """The drops of each hand that a trace shows: between two dumps the move
    count went up and the hand of one side holds one piece fewer."""
    seen = {"bottom": 0, "top": 0}
    last = None
    for line in trace.decode("utf-8", "replace").splitlines():
        if line.startswith("position sfen "):
            hands = line.split()[4]
        elif line.startswith("state ") and "tesuu=" in line:
            tesuu = int(line.split("tesuu=")[1].split()[0])
            held = {"bottom": 0, "top": 0}
            count = ""
            for c in hands if hands != "-" else "":
                if c.isdigit():
                    count += c
                else:
                    held["bottom" if c.isupper() else "top"] += int(count or "1")
                    count = ""
            if last and tesuu > last[0]:
                for side in seen:
                    if held[side] < last[1][side]:
                        seen[side] += 1
            last = (tesuu, held)
    return seen


def play(binary, script_path, folder):
    """The output and exit status of one driver on one script."""
    r = subprocess.run([binary, script_path], cwd=folder, capture_output=True)
    return r.stdout + b"exit %d\n" % r.returncode


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    ap.add_argument("drivers", nargs="+", help="murokan-script binaries; the first writes the scripts")
    ap.add_argument("--seed", type=int, default=1)
    ap.add_argument("--sessions", type=int, default=20)
    ap.add_argument("--actions", type=int, default=80)
    ap.add_argument("--keep", help="a folder to keep the scripts and traces in")
    a = ap.parse_args()
    drivers = [os.path.abspath(d) for d in a.drivers]

    root = a.keep or tempfile.mkdtemp(prefix="traces.")
    os.makedirs(root, exist_ok=True)
    rng = random.Random(a.seed)
    commands = moves = differ = 0
    dropped = {"bottom": 0, "top": 0}
    for s in range(a.sessions):
        gen = os.path.join(root, f"gen{s}")
        os.makedirs(gen, exist_ok=True)
        script = write_session(drivers[0], rng, s, a.actions, gen)
        commands += len(script)
        script_path = os.path.join(root, f"session{s}.script")
        with open(script_path, "w", encoding="utf-8") as f:
            f.write("\n".join(script) + "\n")
        outputs = []
        for i, d in enumerate(drivers):
            folder = os.path.join(root, f"run{s}_{i}")
            os.makedirs(folder, exist_ok=True)
            out = play(d, script_path, folder)
            with open(os.path.join(root, f"session{s}_{i}.trace"), "wb") as f:
                f.write(out)
            outputs.append((out, folder))
        moves += outputs[0][0].count("sound play 駒打音.wav".encode())
        for side, n in drops(outputs[0][0]).items():
            dropped[side] += n
        for out, folder in outputs[1:]:
            files = sorted(os.listdir(outputs[0][1]))
            same_files = files == sorted(os.listdir(folder)) and all(
                filecmp.cmp(os.path.join(outputs[0][1], n), os.path.join(folder, n), shallow=False)
                for n in files)
            if out != outputs[0][0] or not same_files:
                differ += 1
                print(f"session {s}: differs ({script_path})")
    print(f"{a.sessions} sessions, {commands} commands, {moves} pieces placed, "
          f"at least {dropped['bottom']} + {dropped['top']} turns with a drop from the "
          f"bottom + top hand; {differ} sessions differ; traces in {root}")
    return 1 if differ else 0


if __name__ == "__main__":
    sys.exit(main())
