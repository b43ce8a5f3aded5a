"""Play on a machine where no audio device opens: the game must play on, silently, without
flooding standard error, and still refuse a broken sound or music file as it does with sound."""

import os
import sys
import time

sys.dont_write_bytecode = True  # keep the source tree free of __pycache__
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from harness import (Session, expect, expect_clean_exit, expect_report, main,  # noqa: E402
                     note)
from sound_test import TURRET_AND_POCKET  # noqa: E402

START = (600, 500)
PLAY_SECONDS = 8.0
STDERR_LIMIT = 4096


def turret_fires_silently(context):
    # The turret fires at the pocketed zombie from the first step of play to the end, so a
    # sound is asked for every half second while the music would stream all along.
    with Session(context, TURRET_AND_POCKET, audio_device=False) as game:
        game.wait_window()
        game.wait_frames(5, 10)
        game.click(*START)
        game.wait_inputs_read(1)
        time.sleep(PLAY_SECONDS)
        last_second = [f for f in game.frames() if f.time >= time.monotonic() - 1.0]
        game.key("Escape")
        expect_clean_exit(game)
        size = len(game.stderr().encode())
        note(f"{len(last_second)} frames in the last second of play; {size} bytes on stderr")
        expect(len(last_second) >= 10, f"only {len(last_second)} frames in the last second")
        expect(size < STDERR_LIMIT, f"{size} bytes on stderr: {game.stderr()[:300]!r}")


def broken_file_reported(item, report, clicks):
    def case(context):
        def garbage(path):
            with open(path, "wb") as out:
                out.write(b"RIFF\x10\x00\x00\x00WAVEnot a sound at all")

        with Session(context, TURRET_AND_POCKET, replace={item: garbage},
                     audio_device=False) as game:
            if clicks:
                game.wait_window()
                game.wait_frames(5, 10)
                game.click(*START)
            expect_report(game, report)

    return case


if __name__ == "__main__":
    main({"turret_fires_silently": turret_fires_silently,
          "broken_sound_reported": broken_file_reported(
              "sounds/turret-shoot.wav",
              'Failed to load resource "[FromFile] assets/sounds/turret-shoot.wav"', True),
          "broken_music_reported": broken_file_reported(
              "music/music1.ogg", "Music music1.ogg could not be loaded.", False)})
