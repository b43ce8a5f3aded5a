"""Start-up and shutdown of the game: failures before the first frame, and the two ways to quit."""

import os
import sys

sys.dont_write_bytecode = True  # keep the source tree free of __pycache__
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from harness import (ALL_ASSETS, WINDOW_SIZE, X_BUTTON_PRESS, X_CLIENT_MESSAGE,  # noqa: E402
                     X_KEY_PRESS, Session, expect, expect_clean_exit, expect_no_frame,
                     expect_report, level, main)

ROOM = level("1111111",
             "1000001",
             "1020301",
             "1000001",
             "1040501",
             "1000601",
             "1111111")


def expect_proper_window(game):
    game.wait_window()
    expect(game.title() == "Zembrook", f"window title {game.title()!r}")
    size = game.geometry()
    expect(size == WINDOW_SIZE, f"window size {size}, expected {WINDOW_SIZE}")
    hints = game.size_hints()
    expect(hints == (WINDOW_SIZE, WINDOW_SIZE),
           f"the window should not be resizable: min and max size hints {hints}")


def no_asset_folder(context):
    with Session(context, ROOM, omit=ALL_ASSETS) as game:
        expect_report(game, 'Failed to load resource "[FromFile] assets/textures/particle.png"')
        expect_no_frame(game)


def missing_music(context):
    with Session(context, ROOM, omit={"music/music1.ogg"}) as game:
        expect_report(game, "Music music1.ogg could not be loaded.")
        expect_no_frame(game)


def escape_closes(context):
    # The level the game ships with, when it is staged: it must load and show without a fault.
    with Session(context, context.staged_level() or ROOM) as game:
        expect_proper_window(game)
        game.wait_frames(5, 10)
        game.key("Escape")
        expect_clean_exit(game)
        expect(len(game.input_events(X_KEY_PRESS)) == 1, "the Escape press was not read once")


def close_request_closes(context):
    # Asked during play rather than on the title screen, so both states are covered between
    # this case and the Escape one.
    with Session(context, ROOM) as game:
        expect_proper_window(game)
        game.wait_frames(5, 10)
        game.click(600, 500)
        game.wait_inputs_read(1)
        game.request_close()
        expect_clean_exit(game)
        expect(len(game.input_events(X_BUTTON_PRESS)) == 1, "the click was not read once")
        expect(len(game.input_events(X_CLIENT_MESSAGE)) == 1, "the close request was not read")


if __name__ == "__main__":
    main({"no_asset_folder": no_asset_folder, "missing_music": missing_music,
          "escape_closes": escape_closes, "close_request_closes": close_request_closes})
