"""Watching a reference player: zembrook --watch plays the game unseen first, then again in the
game's window, naming each move on standard output as it is made; the building a move names
appears where it says, a click on the map builds nothing, and Escape ends it with status 0."""

import os
import re
import sys
import time

sys.dont_write_bytecode = True  # keep the source tree free of __pycache__
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from harness import (ALL_ASSETS, FIXTURE_TEXTURES, MENU, Session, cell_centre,  # noqa: E402
                     centre_of, expect, expect_clean_exit, level, main, note)

# A zombie in a pen that opens on a wide room, twelve humans in its far corner: the steady
# player saves for a turret where the zombie comes out.
YARD = level("111111111111",
             "120100000001",
             "100100000001",
             "110100000001",
             "100000000001",
             "100000000001",
             "100000000001",
             "100000003331",
             "100000003331",
             "100000003331",
             "100000003331",
             "111111111111")
# The test's own pictures, flat enough to be told by colour: (inside colour, picture file).
BUILDINGS = {"turret": ((60, 100, 180), "turret.png"), "barricade": ((140, 90, 40),
                                                                       "barricade.png"),
             "mine": ((200, 40, 40), "mine.png")}
MOVE = re.compile(r"^\d+:\d\d (turret|barricade|mine) on column (\d+), row (\d+): \S.*$")
JUMP = re.compile(r"^\d+:\d\d (back|ahead) to \d+:\d\d(: \S.*)?$")
FREE_CELL = (9, 2)  # a street cell no move of the steady player comes near


def fixture_pictures():
    def writer(name):
        return lambda path: open(path, "wb").write(FIXTURE_TEXTURES[name]())
    return {f"textures/{file}": writer(file) for _, file in BUILDINGS.values()}


def watcher_session(context, *options):
    command = [os.path.join(context.stage, "zembrook-watch"), "--player", "steady", *options]
    return Session(context, YARD, replace=fixture_pictures(), command=command)


def wait_line(game, timeout=60.0):
    deadline = time.monotonic() + timeout
    while not game.stdout_lines():
        expect(game.alive(), "the watch ended before naming a move; stderr:\n" +
               game.stderr()[-800:])
        expect(time.monotonic() < deadline, f"no move named within {timeout:.0f} s")
        time.sleep(0.05)
    return game.stdout_lines()[0]


def cell_box(column, row):
    return (column * 30, row * 30, column * 30 + 30, row * 30 + 30)


def launcher_names_the_first_move(context):
    launcher = os.path.join(os.path.dirname(context.stage), "bin", "zembrook")
    command = [launcher, "--watch", "TileMap.txt", "--seed", "2"]
    with Session(context, YARD, omit=ALL_ASSETS, command=command) as game:
        game.wait_window(60)
        first = wait_line(game)
        note(f"first move: {first}")
        expect(MOVE.match(first) or JUMP.match(first), f"the first line names no move: {first!r}")
        game.key("Escape")
        expect_clean_exit(game)


def named_building_is_drawn_there(context):
    with watcher_session(context, "--seed", "1") as game:
        game.wait_window()
        first = wait_line(game)
        note(f"first move: {first}")
        move = MOVE.match(first)
        expect(move, f"the steady player's first move builds nothing: {first!r}")
        colour, _ = BUILDINGS[move.group(1)]
        box = cell_box(int(move.group(2)), int(move.group(3)))
        game.wait_for(f"a {move.group(1)} at {box}",
                      lambda shot: shot.count(colour, box, tolerance=3) >= 80, 5)
        game.key("Escape")
        expect_clean_exit(game)


def map_click_builds_nothing(context):
    with watcher_session(context, "--seed", "1") as game:
        game.wait_window()
        # Once a frame is shown, play has begun and a click no longer leaves a title screen.
        game.wait_frames(3, 10)
        barricade, _ = BUILDINGS["barricade"]
        # At the start the gold pays for a barricade, which a player's clicks would build.
        game.click(*centre_of(MENU["barricade"]))
        game.click(*cell_centre(*FREE_CELL))
        game.wait_inputs_read(2)
        time.sleep(1.0)
        shot = game.screenshot()
        expect(shot.count(barricade, cell_box(*FREE_CELL), tolerance=3) == 0,
               f"a barricade stands where the map was clicked, at {FREE_CELL}")
        game.key("Escape")
        expect_clean_exit(game)


if __name__ == "__main__":
    main({"launcher_names_the_first_move": launcher_names_the_first_move,
          "named_building_is_drawn_there": named_building_is_drawn_there,
          "map_click_builds_nothing": map_click_builds_nothing})
