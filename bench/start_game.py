#!/usr/bin/env python3
"""Plays a game against LEVEL4 in the real window, as a player would: through
the menu keys and mouse clicks on the squares, looking at the window between
clicks. The player's moves are random ones among those the move guidance
marks in white; the computer answers each. New games are started until MOVES
moves (both sides') have been played.

    start_game.py PID WINDOW MOVES

Needs xdotool and imagemagick's import; the game's settings must have move
guidance on and the elapsed-time clock off (bench/start.sh writes them)."""

import random
import subprocess
import sys
import time

# The window's geometry, in twips: 10000 x 8000 over 2500 x 2000 canvas pixels;
# the corner of board cell (x, y) lies at (1050 + 495 x, 100 + 615 y).
CANVAS_W, CANVAS_H = 10000, 8000
CELL_W, CELL_H = 495, 615


def run(*args):
    return subprocess.run(args, check=True, capture_output=True).stdout


class Window:
    def __init__(self, pid, wid):
        self.pid, self.wid = pid, wid
        geo = dict(line.split("=") for line in
                   run("xdotool", "getwindowgeometry", "--shell", wid).decode().split())
        self.w, self.h = int(geo["WIDTH"]), int(geo["HEIGHT"])
        self.menu_h = self.find_menu_height()

    def shot(self):
        """The window's pixels: (width, height, bytes of RGB)."""
        data = run("import", "-window", self.wid, "-depth", "8", "ppm:-")
        parts, pos = [], 0
        while len(parts) < 4:  # P6, width, height, maxval
            while data[pos:pos + 1].isspace():
                pos += 1
            end = pos
            while not data[end:end + 1].isspace():
                end += 1
            parts.append(data[pos:end])
            pos = end
        return int(parts[1]), int(parts[2]), data[pos + 1:]

    def find_menu_height(self):
        w, h, px = self.shot()
        x = w - 3  # right of the menu titles: the light bar, then the dark canvas
        for y in range(h):
            if max(px[3 * (y * w + x):3 * (y * w + x) + 3]) < 200:
                return y
        return 0

    def placement(self):
        ww, wh = self.w, self.h - self.menu_h
        scale = min(ww / (CANVAS_W / 4), wh / (CANVAS_H / 4))
        left = (ww - CANVAS_W / 4 * scale) / 2
        top = self.menu_h + (wh - CANVAS_H / 4 * scale) / 2
        return scale, left, top

    def at(self, tx, ty):
        scale, left, top = self.placement()
        return int(round(left + tx / 4 * scale)), int(round(top + ty / 4 * scale))

    def cell_centre(self, x, y):
        return self.at(1050 + CELL_W * x + CELL_W / 2, 100 + CELL_H * y + CELL_H / 2)

    def click(self, x, y, button=1):
        px, py = self.cell_centre(x, y)
        run("xdotool", "mousemove", "--window", self.wid, str(px), str(py), "click", str(button))

    def windows(self):
        out = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(self.pid)],
                             capture_output=True).stdout.split()
        return [w.decode() for w in out]


def outline(win, shot, x, y):
    """The colour of cell (x, y)'s outline, read in the middle of its top edge."""
    w, _, px = shot
    sx, sy = win.at(1050 + CELL_W * x + CELL_W / 2, 100 + CELL_H * y)
    i = 3 * (sy * w + sx)
    return tuple(px[i:i + 3])


def white(c):
    return min(c) > 225


def red(c):
    return c[0] > 200 and c[1] < 140 and c[2] < 140


def settle(win, quiet=1.2, limit=30):
    """Waits until the window has kept still for `quiet` seconds (the computer
    has answered and its animations ended); dismisses any message box."""
    end = time.time() + limit
    last, since = None, time.time()
    while time.time() < end:
        boxes = [w for w in win.windows() if w != win.wid]
        if boxes:
            return boxes
        now = win.shot()[2]
        if now != last:
            last, since = now, time.time()
        elif time.time() - since >= quiet:
            return []
        time.sleep(0.1)
    return []


def new_game(win):
    """対局 > COM対局ﾚﾍﾞﾙ > LEVEL4, then 対局 > 対局(COM) > 先手, through the menu
    bar (its title clicked, the items by the arrow keys), and the message box
    that greets the player closed."""
    for keys in (["Down", "Down", "Down", "Right", "Down", "Down", "Down", "Return"],
                 ["Down", "Down", "Right", "Return"]):
        run("xdotool", "mousemove", "--window", win.wid, "20", str(win.menu_h // 2), "click", "1")
        time.sleep(0.3)
        run("xdotool", "key", *keys)
        time.sleep(0.3)
    close_boxes(win, settle(win))


def close_boxes(win, boxes):
    for b in boxes:
        subprocess.run(["xdotool", "windowfocus", "--sync", b, "key", "--window", b, "Return"],
                       capture_output=True)
    time.sleep(0.2)


def human_move(win, rng):
    """Selects random squares until one holds a piece with somewhere to go, and
    moves it to a random marked square (right button: promoting where it may)."""
    cells = [(x, y) for x in range(1, 10) for y in range(1, 10)]
    rng.shuffle(cells)
    for x, y in cells:
        before = win.shot()
        win.click(x, y)
        after = before
        for _ in range(10):  # a loaded machine may take a moment to show it
            time.sleep(0.05)
            after = win.shot()
            if after != before:
                break
        if not red(outline(win, after, x, y)):
            continue
        targets = [(a, b) for a in range(1, 10) for b in range(1, 10)
                   if white(outline(win, after, a, b)) and not white(outline(win, before, a, b))]
        if targets:
            win.click(*rng.choice(targets), button=3)
            return True
    return False


def main():
    pid, wid, moves = int(sys.argv[1]), sys.argv[2], int(sys.argv[3])
    rng = random.Random(27)
    win = Window(pid, wid)
    new_game(win)
    played, games = 0, 1
    while played < moves:
        tries = 0
        while not human_move(win, rng):
            tries += 1
            if tries == 3:
                print("start_game: no move found", file=sys.stderr)
                return 1
            close_boxes(win, settle(win))  # a message box left open takes the clicks
        played += 1
        boxes = settle(win)
        if boxes:  # a win announced: the game is over
            close_boxes(win, boxes)
            close_boxes(win, settle(win))
            new_game(win)
            games += 1
            continue
        played += 1  # the computer's answer
    print(f"start_game: {played} moves in {games} game(s)", file=sys.stderr)
    return 0


if __name__ == "__main__":
    sys.exit(main())
