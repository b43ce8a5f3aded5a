"""The level chooser: a window of the ladder whose click plays a level through the launcher and
comes back after it, whose Escape or close button ends it with status 0, and which refuses a
broken ladder or a missing display in one line before any window opens. The launcher is a
stand-in that records what it was asked to play, so these cases test the chooser alone."""

import os
import subprocess
import sys
import tempfile
import time

sys.dont_write_bytecode = True  # keep the source tree free of __pycache__
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from harness import ALL_ASSETS, Session, expect, level, main  # noqa: E402

ROOM = level("11111", "12031", "10001", "10101", "11111")
HALL = level("1111111", "1200031", "1000001", "1000001", "1000001", "1000001", "1111111")
# A street cell in the outer ring, on line 5 of the file: an error for the level checker.
BREACHED = level("1111111", "1200031", "1000001", "0000001", "1000001", "1000001", "1111111")
LADDER = [("yard", "yard.txt", "The Yard", "A zombie and a human in a room", ROOM),
          ("hall", "hall.txt", "The Hall", "A larger room", HALL),
          ("cellar", "cellar.txt", "The Cellar", "The room again, harder", ROOM)]
# Three cards stand in one column from y 96, each 110 tall with 12 between them.
CARD_TOP, CARD_HEIGHT, CARD_GAP, CARD_X = 96, 110, 12, 512
CARD, TROUBLE = (28, 28, 34), (235, 120, 100)
# Waits until it may end, so that a case can look at the screen while a level "plays"; a file
# given after -- is refused the way the launcher refuses a level with errors.
STAND_IN = """#!/bin/sh
printf '%s\\n' "$*" >>"$0.log"
while [ ! -e "$0.done" ]; do sleep 0.05; done
rm -f -- "$0.done"
if [ "$1" = -- ]; then
    printf '%s\\n' "zembrook: $2 has errors, so the game was not started" >&2
    exit 1
fi
"""


def write(path, text):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w") as out:
        out.write(text)
    return path


def data_folder(root, context, manifest=None):
    data = os.path.join(root, "data")
    os.makedirs(data)
    os.symlink(os.path.join(context.stage, "assets"), os.path.join(data, "assets"))
    rows = [f"{name}\t{file}\t{title}\t{idea}\t{10 * n}\t1:00\t1 of 9\n"
            for n, (name, file, title, idea, _) in enumerate(LADDER)]
    write(os.path.join(data, "levels", "levels.tsv"), manifest or "# ladder\n" + "".join(rows))
    for _, file, _, _, text in LADDER:
        write(os.path.join(data, "levels", file), text)
    return data


class StandIn:
    def __init__(self, root):
        self.path = write(os.path.join(root, "launcher"), STAND_IN)
        os.chmod(self.path, 0o755)

    def asked(self):
        if not os.path.exists(self.path + ".log"):
            return []
        with open(self.path + ".log") as log:
            return log.read().splitlines()

    def wait_asked(self, count, timeout=10.0):
        deadline = time.monotonic() + timeout
        while len(self.asked()) < count:
            expect(time.monotonic() < deadline, f"the launcher was asked {self.asked()}, "
                   f"not {count} times, within {timeout:.0f} s")
            time.sleep(0.05)

    def end_game(self):
        write(self.path + ".done", "")


def chooser_session(context, root, launcher, *extra):
    command = [os.path.join(context.stage, "zembrook-chooser"), "--launcher", launcher.path,
               "--data", data_folder(root, context), *extra]
    return Session(context, None, omit=ALL_ASSETS, command=command, cwd=root)


def card_centre(index):
    return CARD_X, CARD_TOP + index * (CARD_HEIGHT + CARD_GAP) + CARD_HEIGHT // 2


def windows(chooser):
    return chooser._xdotool("search", "--name", "^Zembrook$", check=False).split()


def click_plays_and_comes_back(context):
    with tempfile.TemporaryDirectory(prefix="zembrook-chooser-") as root:
        launcher = StandIn(root)
        with chooser_session(context, root, launcher) as chooser:
            chooser.wait_window()
            # Cards, lit or not, where the layout puts the three levels, and none below them.
            shot = chooser.wait_for("the ladder", lambda s: s.count(CARD, (800, 130, 900, 140)) >
                                    0, 10)
            expect(shot.count(CARD, (800, 470, 900, 480)) == 0, "a fourth card was drawn")
            chooser.click(*card_centre(1))
            launcher.wait_asked(1)
            expect(launcher.asked() == ["hall"], f"the launcher was asked {launcher.asked()}")
            time.sleep(0.3)
            expect(not windows(chooser), "the chooser's window stayed open during the game")
            launcher.end_game()
            chooser.wait_window()
            chooser.key("Escape")
            status = chooser.wait_exit(5.0)
            expect(status == 0, f"Escape ended the chooser with status {status}")
            expect(launcher.asked() == ["hall"], f"the launcher was asked {launcher.asked()}")


def file_is_played_before_the_ladder(context):
    with tempfile.TemporaryDirectory(prefix="zembrook-chooser-") as root:
        launcher = StandIn(root)
        with chooser_session(context, root, launcher, "--", "-own.txt") as chooser:
            launcher.wait_asked(1)
            expect(launcher.asked() == ["-- -own.txt"], f"asked {launcher.asked()}")
            expect(not windows(chooser), "the ladder was shown before the file was played")
            launcher.end_game()
            chooser.wait_window()
            # The launcher's last words are shown under the ladder, in the trouble colour.
            chooser.wait_for("the launcher's complaint", lambda s: s.count(
                TROUBLE, (24, 735, 700, 760), tolerance=8) > 20, 10)
            chooser.request_close()
            status = chooser.wait_exit(5.0)
            expect(status == 0, f"the close button ended the chooser with status {status}")
            text = chooser.stderr()
            expect(text.endswith("-own.txt has errors, so the game was not started\n"),
                   f"the launcher's complaint did not reach the error stream: {text!r}")


def broken_ladder_is_one_line(context):
    chooser = os.path.join(context.stage, "zembrook-chooser")
    with tempfile.TemporaryDirectory(prefix="zembrook-chooser-") as root:
        launcher = StandIn(root)
        data = data_folder(root, context)
        levels = os.path.join(data, "levels")
        manifest = os.path.join(levels, "levels.tsv")
        env = {name: value for name, value in os.environ.items() if name != "DISPLAY"}
        # Each row breaks the ladder further, so that each refusal comes before the next one's.
        for what, change, said in (
                ("no display", lambda: None, "DISPLAY is not set"),
                ("a level with errors", lambda: write(os.path.join(levels, "hall.txt"), BREACHED),
                 f"{levels}/hall.txt:5:1: error: "),
                ("a broken manifest line", lambda: write(manifest, "# x\nyard\tyard.txt\n"),
                 f"{manifest}:2: error: 2 tab-separated columns"),
                ("no manifest", lambda: os.remove(manifest), f"{manifest}: error: cannot be read")):
            change()
            result = subprocess.run([chooser, "--launcher", launcher.path, "--data", data],
                                    env=env, capture_output=True, text=True, timeout=30)
            expect(result.returncode == 1 and result.stderr.count("\n") == 1 and
                   said in result.stderr, f"{what}: status {result.returncode}, "
                   f"{result.stderr!r}; expected 1 and one line with {said!r}")
        expect(not launcher.asked(), f"the launcher was asked {launcher.asked()}")


if __name__ == "__main__":
    main({"click_plays_and_comes_back": click_plays_and_comes_back,
          "file_is_played_before_the_ladder": file_is_played_before_the_ladder,
          "broken_ladder_is_one_line": broken_ladder_is_one_line})
