"""The installed game: `cmake --install` into a temporary prefix, then the installed launcher,
run from an unrelated folder, plays the bundled town or a level file, ends with status 0 on
Escape, and leaves the player's folder, the installed tree and the temporary folder as they
were; a level file that cannot be read, or that the installed level checker finds errors in, is
refused before any window opens. The installed checker paints a level with the installed
pictures."""

import os
import shutil
import struct
import subprocess
import sys
import tempfile

sys.dont_write_bytecode = True  # keep the source tree free of __pycache__
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from harness import (ALL_ASSETS, TILE, Session, expect, expect_clean_exit, level,  # noqa: E402
                     main, note)

START = (600, 500)
# A wall in the middle of a walled room, so the level is told apart by more than its size.
PILLAR = level("11111",
               "10001",
               "10101",
               "10001",
               "11111")
# A street cell in the outer ring, on line 4 of the file: an error for the level checker.
BREACHED = level("11111",
                 "12031",
                 "00001",
                 "10001",
                 "11111")


def snapshot(root):
    """Every entry under root with its kind, size, time and link target."""
    entries = {}
    for folder, names, files in os.walk(root):
        for name in names + files:
            path = os.path.join(folder, name)
            info = os.lstat(path)
            link = os.readlink(path) if os.path.islink(path) else None
            entries[os.path.relpath(path, root)] = (info.st_mode, info.st_size, info.st_mtime_ns,
                                                    link)
    return entries


def cell_box(column, row, inset=3):
    return (column * TILE + inset, row * TILE + inset, (column + 1) * TILE - inset,
            (row + 1) * TILE - inset)


def mean_colour(shot, column, row):
    pixels = shot.pixels(cell_box(column, row))
    return tuple(sum(p[channel] for p in pixels) / len(pixels) for channel in range(3))


def map_side(shot):
    """Cells down the diagonal until the first one left black: the side of the map in play.
    On the title screen its translucent sheet leaves no cell black. A map fills at most 23
    cells; the 24th on the diagonal lies above the timeline bar, black beside any map."""
    for index in range(24):
        if all(p == (0, 0, 0) for p in shot.pixels(cell_box(index, index))):
            return index
    return None


class Installation:
    """A temporary prefix holding the installed game, a player's folder holding a level file,
    and a temporary folder for the launcher; all removed at the end."""

    def __init__(self, context):
        self.root = tempfile.mkdtemp(prefix="zembrook-install-")
        self.prefix = os.path.join(self.root, "prefix")
        self.player = os.path.join(self.root, "player")
        self.tmp = os.path.join(self.root, "tmp")
        os.makedirs(self.player)
        os.makedirs(self.tmp)
        for name, text in (("pillar.txt", PILLAR), ("breached.txt", BREACHED)):
            with open(os.path.join(self.player, name), "w") as out:
                out.write(text)
        build = os.path.dirname(context.stage)  # the stage is the build tree's stage/
        result = subprocess.run(["cmake", "--install", build, "--prefix", self.prefix],
                                capture_output=True, text=True)
        if result.returncode != 0:
            self.remove()  # the caller's cleanup only starts once the installation exists
        expect(result.returncode == 0, f"cmake --install failed: {result.stderr.strip()}")
        self.launcher = os.path.join(self.prefix, "games", "zembrook")
        self.before = (snapshot(self.prefix), snapshot(self.player))

    def play(self, context, arguments, side, check_cells=None, warning=""):
        command = [self.launcher, *arguments]
        with Session(context, None, omit=ALL_ASSETS, command=command, cwd=self.player,
                     env={"TMPDIR": self.tmp}) as game:
            game.wait_window()
            game.wait_for("the title screen", lambda s: map_side(s) is None, 10)
            game.click(*START)
            shot = game.wait_for(f"a map {side} cells wide in play",
                                 lambda s: map_side(s) == side, 10)
            if check_cells:
                check_cells(shot)
            game.key("Escape")
            expect_clean_exit(game)
            expect(warning in game.stderr(), f"no {warning!r} on standard error")
        expect(snapshot(self.prefix) == self.before[0], "the installed tree was changed")
        expect(snapshot(self.player) == self.before[1], "the player's folder was changed")
        left = os.listdir(self.tmp)
        expect(not left, f"the launcher left {left} in its temporary folder")
        note(f"{' '.join(command[1:]) or 'no level'}: a {side}-cell map, clean exit")

    def remove(self):
        shutil.rmtree(self.root, ignore_errors=True)


def installed_launcher_plays(context):
    installation = Installation(context)
    try:
        with open(os.path.join(installation.prefix, "share", "games", "zembrook",
                               "TileMap.txt")) as town:
            bundled_side = int(town.read().split()[0])
        installation.play(context, [], bundled_side)

        def pillar_shown(shot):
            wall, floor, pillar = (mean_colour(shot, *cell) for cell in ((0, 0), (1, 1), (2, 2)))
            differs = sum(abs(a - b) for a, b in zip(wall, floor))
            same = sum(abs(a - b) for a, b in zip(wall, pillar))
            expect(differs > 30 and same < 10, f"cells (0, 0), (1, 1), (2, 2) look like {wall}, "
                   f"{floor}, {pillar}: not wall, street, wall")

        # Warned of, by the installed checker, and played all the same.
        installation.play(context, ["pillar.txt"], 5, pillar_shown,
                          "pillar.txt:1:1: warning: no zombie")

        # No display at all: a level that cannot be read, or that has errors, must be refused
        # before any window, and with the checker's diagnostic for the latter.
        for name, said in (("missing.txt", "missing.txt: no such file"),
                           ("breached.txt", "breached.txt:4:1: error: code 0 on the outer ring")):
            refused = subprocess.run([installation.launcher, name], cwd=installation.player,
                                     env={"PATH": os.environ["PATH"], "TMPDIR": installation.tmp},
                                     capture_output=True, text=True)
            expect(refused.returncode == 1 and said in refused.stderr,
                   f"{name} gave status {refused.returncode}, {refused.stderr!r}")
            expect(not os.listdir(installation.tmp), f"{name} left a temporary folder")

        # The installed checker finds the installed pictures from where it lies.
        picture = os.path.join(installation.root, "pillar.png")
        painted = subprocess.run([os.path.join(installation.prefix, "games", "zembrook-level"),
                                  "render", "pillar.txt", picture], cwd=installation.player,
                                 env={"PATH": os.environ["PATH"]}, capture_output=True, text=True)
        expect(painted.returncode == 0, f"render gave status {painted.returncode}, "
               f"{painted.stderr!r}")
        with open(picture, "rb") as png:
            size = struct.unpack(">II", png.read(24)[16:24])
        expect(size == (5 * TILE, 5 * TILE), f"the rendered 5 x 5 level is {size} pixels")
        note("refused missing.txt and breached.txt; rendered pillar.txt")
    finally:
        installation.remove()


if __name__ == "__main__":
    main({"installed_launcher_plays": installed_launcher_plays})
