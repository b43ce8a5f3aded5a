"""Each asset file missing in turn: the game must end with that file's loading report, status 0,
and at the moment the file is first needed, neither earlier nor later.

Three moments exist. The particle picture is loaded while the game is built, before the music
starts. Tiles, the font, the build menu and the pictures of what the level holds are loaded for
the first frame, after the music: with the music missing as well, the music's report must win.
Everything else is loaded at its first use in play: the game must show the title screen, take
the clicks that lead up to the use, and fail only then.
"""

import os
import sys
import time

sys.dont_write_bytecode = True  # keep the source tree free of __pycache__
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from harness import (ALL_ASSETS, MENU, X_BUTTON_PRESS, Session, cell_centre,  # noqa: E402
                     centre_of, expect, expect_no_frame, expect_report, level, main)

MUSIC = "music/music1.ogg"
MUSIC_REPORT = "Music music1.ogg could not be loaded."
START = (600, 500)

# One of every kind of thing the level can hold, apart from each other.
EVERYTHING = level("1111111",
                   "1020301",
                   "1000001",
                   "1040501",
                   "1000001",
                   "1060001",
                   "1111111")
# A turret four cells from a zombie shut in a pocket: it fires in the first step of play.
TURRET_AND_POCKET = level("11111111",
                          "10000001",
                          "10001111",
                          "14001211",
                          "10001111",
                          "10000001",
                          "10000001",
                          "11111111")
# A turret two cells from a free zombie: the first shot hits it a few steps after it is fired.
TURRET_AND_ZOMBIE = level("1111111",
                          "1000001",
                          "1000001",
                          "1040201",
                          "1000001",
                          "1000001",
                          "1111111")
# A zombie shut in a pocket, to put a building right on top of it.
POCKET = level("1111111",
               "1000001",
               "1011101",
               "1012101",
               "1011101",
               "1000001",
               "1111111")
# Eight zombies round a barricade: the first strikes come after a few steps, but the tenth,
# which breaks it, needs one of them to strike a second time, a second after its first.
BESIEGED = level("111111111",
                 "100000001",
                 "100000001",
                 "100222001",
                 "100252001",
                 "100222001",
                 "100000001",
                 "100000001",
                 "111111111")
# A zombie beside a human in a large room: it catches the human within a few seconds.
NEIGHBOURS = level("1111111111111",
                   "1000000000001",
                   "1000000000001",
                   "1000000000001",
                   "1000000000001",
                   "1000000000001",
                   "1000002300001",
                   "1000000000001",
                   "1000000000001",
                   "1000000000001",
                   "1000000000001",
                   "1000000000001",
                   "1111111111111")


def report_of(item):
    if item == MUSIC:
        return MUSIC_REPORT
    return f'Failed to load resource "[FromFile] assets/{item}"'


def before_any_frame(item, earlier, later):
    """item fails before any frame; `earlier` (if any) must fail before it, `later` after it."""

    def case(context):
        with Session(context, EVERYTHING, omit={item}) as game:
            expect_report(game, report_of(item))
            expect_no_frame(game)
        for first, second in ((earlier, item), (item, later)):
            if first is None or second is None:
                continue
            with Session(context, EVERYTHING, omit={first, second}) as game:
                expect_report(game, report_of(first))

    return case


def at_first_frame(item):
    # Needed for the first frame, so it fails before that frame is shown, yet after the
    # music has been started.
    return before_any_frame(item, earlier=MUSIC, later=None)


def after_clicks(item, level_text, clicks, least_delay=None, timeout=8.0):
    """The game shows the title screen and takes the clicks; then item fails. Without
    least_delay it must fail in the step that reads the last click, before the next frame;
    with it, frames go on being shown for at least least_delay seconds after that click."""

    def case(context):
        with Session(context, level_text, omit={item}) as game:
            game.wait_window()
            game.wait_frames(10, 10)
            time.sleep(0.3)
            expect(game.alive(), "the game ended on the title screen: " + game.stderr()[-300:])
            for point in clicks:
                game.click(*point)
            game.wait_inputs_read(len(clicks), timeout=3)
            expect_report(game, report_of(item), timeout)
            last_click = game.input_events(X_BUTTON_PRESS)[-1]
            frames = game.frames()
            after = len(frames) - last_click.frames
            if least_delay is None:
                expect(after == 0, f"{after} frame(s) were shown after the click that should "
                       "have needed the file")
            else:
                shown_for = frames[-1].time - last_click.time if after else 0.0
                expect(shown_for >= least_delay, f"the game failed {shown_for:.2f} s after the "
                       f"last click; the file is not needed before {least_delay} s")

    return case


PLACE_MINE = [START, centre_of(MENU["mine"]), cell_centre(3, 3)]
PLACE_BARRICADE = [START, centre_of(MENU["barricade"]), cell_centre(3, 3)]

CASES = {
    "particle.png": before_any_frame("textures/particle.png", earlier=None, later=MUSIC),
    "music1.ogg": before_any_frame(MUSIC, earlier="textures/particle.png",
                                   later="textures/floor.png"),
    "floor.png": at_first_frame("textures/floor.png"),
    "block.png": at_first_frame("textures/block.png"),
    "sansation.ttf": at_first_frame("fonts/sansation.ttf"),
    "build.png": at_first_frame("textures/build.png"),
    "zombie.png": at_first_frame("textures/zombie.png"),
    "human.png": at_first_frame("textures/human.png"),
    "turret.png": at_first_frame("textures/turret.png"),
    "barricade.png": at_first_frame("textures/barricade.png"),
    "mine.png": at_first_frame("textures/mine.png"),
    # The turret fires in the step that starts play; the frame after it fails.
    "projectile.png": after_clicks("textures/projectile.png", TURRET_AND_POCKET, [START]),
    "turret-shoot.wav": after_clicks("sounds/turret-shoot.wav", TURRET_AND_POCKET, [START]),
    # The first shot is heard; its hit comes at least ten steps later (the projectile closes
    # 45 pixels at under 4.4 pixels a step).
    "zombie-hit.wav": after_clicks("sounds/zombie-hit.wav", TURRET_AND_ZOMBIE, [START],
                                   least_delay=0.1),
    # A mine or barricade put on the pocketed zombie goes off or is struck in that same step.
    "mine-destroy.wav": after_clicks("sounds/mine-destroy.wav", POCKET, PLACE_MINE),
    "zombie-turret.wav": after_clicks("sounds/zombie-turret.wav", POCKET, PLACE_BARRICADE),
    # The zombie needs at least 16 steps to close from 30 to 10 pixels.
    "zombie-attack.wav": after_clicks("sounds/zombie-attack.wav", NEIGHBOURS, [START],
                                      least_delay=0.2, timeout=15),
    # Ten strikes need one zombie to strike twice, 61 steps apart, after at least 11 steps of
    # approach.
    "turret-destroy.wav": after_clicks("sounds/turret-destroy.wav", BESIEGED, [START],
                                       least_delay=1.0, timeout=12),
}
assert sorted(CASES) == sorted(os.path.basename(item) for item in ALL_ASSETS)

if __name__ == "__main__":
    main(CASES)
