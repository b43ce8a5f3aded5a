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
from harness import ALL_ASSETS, Failure, Session, expect, level, main, near, note  # noqa: E402

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
# A card's watch button, 84 by 22, stands 6 in from its lower right corner, at x 1000.
WATCH_X, WATCH_FROM_BOTTOM, LIT_WATCH = 1000 - 6 - 42, 6 + 11, (92, 98, 128)
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


def data_folder(root, context, manifest=None, ladder=LADDER):
    """A data folder of the ladder's levels, or of the manifest's bytes; a level's text or a
    manifest that is a function makes the file itself, as a FIFO or a link."""
    data = os.path.join(root, "data")
    os.makedirs(os.path.join(data, "levels"))
    os.symlink(os.path.join(context.stage, "assets"), os.path.join(data, "assets"))
    rows = [f"{name}\t{file}\t{title}\t{idea}\t{10 * n % 101}\t1:00\t1 of 9\n"
            for n, (name, file, title, idea, _) in enumerate(ladder)]
    for file, text in [("levels.tsv", manifest or ("# ladder\n" + "".join(rows)).encode())] + [
            (file, text) for _, file, _, _, text in ladder]:
        path = os.path.join(data, "levels", file)
        if callable(text):
            text(path)
        else:
            with open(path, "wb") as out:
                out.write(text if isinstance(text, bytes) else text.encode())
    return data


class StandIn:
    def __init__(self, root, script=STAND_IN):
        self.path = write(os.path.join(root, "launcher"), script)
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


def chooser_session(context, root, launcher, *extra, data=None):
    command = [os.path.join(context.stage, "zembrook-chooser"), "--launcher", launcher.path,
               "--data", data or data_folder(root, context), *extra]
    return Session(context, None, omit=ALL_ASSETS, command=command, cwd=root)


def card_centre(index):
    return CARD_X, CARD_TOP + index * (CARD_HEIGHT + CARD_GAP) + CARD_HEIGHT // 2


def watch_button_centre(index):
    return WATCH_X, CARD_TOP + index * (CARD_HEIGHT + CARD_GAP) + CARD_HEIGHT - WATCH_FROM_BOTTOM


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


def watch_button_watches_and_comes_back(context):
    with tempfile.TemporaryDirectory(prefix="zembrook-chooser-") as root:
        launcher = StandIn(root)
        with chooser_session(context, root, launcher) as chooser:
            chooser.wait_window()
            x, y = watch_button_centre(1)
            chooser._xdotool("mousemove", "--window", chooser.window_id, str(x), str(y))
            chooser.wait_for("the second card's watch button, lit",
                             lambda s: near(s.pixel(x - 35, y), LIT_WATCH), 10)
            chooser.click(x, y)
            launcher.wait_asked(1)
            launcher.end_game()
            chooser.wait_window()
            # Back as after a game: a click on the first card's body plays it.
            play_card(chooser, launcher, 0, 3)
            chooser.key("Escape")
            status = chooser.wait_exit(5.0)
            expect(status == 0 and launcher.asked() == ["--watch hall", "yard"],
                   f"status {status}, the launcher was asked {launcher.asked()}")


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


# ---------------------------------------------------------------------------------------------
# A ladder the chooser is handed by a careless user or distributor, in a window of any size.

LIT_CARD, SCROLL_BAR = (48, 48, 62), (90, 90, 100)
# Where the ladder is drawn at the window's own size: the cards' band and their column.
BAND_TOP, BAND_BOTTOM, CARDS_LEFT, CARDS_RIGHT = 96, 728, 24, 1000
# A game with escapes, a C1 control, a bidi override and a NUL to say, and them relayed.
NOISY_STAND_IN = """#!/bin/sh
printf '%s\\n' "$*" >>"$0.log"
printf 'x\\033]0;owned\\007 \\302\\233 \\342\\200\\256 \\000 after\\n' >&2
exit 1
"""
NOISE_RELAYED = "x\\x1B]0;owned\\x07 \\xC2\\x9B \\xE2\\x80\\xAE \\x00 after\n"
# The largest side a level may have: a room with a zombie and a human on every row.
BIG = "512\n" + "1 " * 512 + "\n" + ("1 2 3 " + "0 " * 508 + "1\n") * 510 + "1 " * 512 + "\n"


def long_ladder(count):
    return [(f"l{n}", f"l{n}.txt", f"Level {n} of a long ladder, with a title that runs on",
             "an idea long enough to be cut short on any card of the ladder", ROOM)
            for n in range(count)]


def drawn_cards(shot):
    """(x, top, bottom) of each card on the screenshot, found by its colour in the padding at
    its left, whatever size the window stretches the ladder to."""
    cards, top = [], None
    for y in range(shot.height):
        row = shot.data[3 * y * shot.width:3 * (y * shot.width + shot.width // 6)]
        found = next((x for x in range(len(row) // 3)
                      if tuple(row[3 * x:3 * x + 3]) in (CARD, LIT_CARD)), None)
        if found is not None and top is None:
            top, left = y, found
        elif found is None and top is not None:
            cards.append((left + 2, top, y - 1))
            top = None
    return cards


def play_card(chooser, launcher, index, cards=None):
    """Clicks the middle of the index-th card drawn, and lets the game it starts end."""
    shot = chooser.wait_for(f"{cards or 'some'} cards", lambda s: len(drawn_cards(s)) ==
                            cards if cards else drawn_cards(s), 10)
    x, top, bottom = drawn_cards(shot)[index]
    played = len(launcher.asked())
    chooser.click(x, (top + bottom) // 2)
    launcher.wait_asked(played + 1)
    launcher.end_game()
    chooser.wait_window()


def clicks(index, cards):
    return lambda chooser, launcher: play_card(chooser, launcher, index, cards)


def resized_play(width, height, index):
    def steps(chooser, launcher):
        chooser._xdotool("windowmove", chooser.window_id, "0", "0")
        chooser._xdotool("windowsize", chooser.window_id, str(width), str(height))
        chooser.wait_for(f"a {width} x {height} window", lambda s: (s.width, s.height) ==
                         (width, height) and len(drawn_cards(s)) == 3, 10)
        play_card(chooser, launcher, index, 3)
    return steps


def to_the_end(chooser):
    chooser.key("End")
    chooser.wait_for("the scroll bar at the end", lambda s: near(s.pixel(1011, BAND_BOTTOM - 8),
                                                                 SCROLL_BAR), 10)


def inside_cards_then_end(chooser, launcher):
    """No title, idea or ellipsis is drawn outside its card, and no title vanishes; the last
    card is played after End."""
    chooser._xdotool("mousemove", "--window", chooser.window_id, "500", "30")
    shot = chooser.wait_for("the ladder", drawn_cards, 10)
    cards = drawn_cards(shot)
    for y in range(BAND_TOP, BAND_BOTTOM):
        inside = any(top <= y <= bottom for _, top, bottom in cards)
        for left, right in [(0, CARDS_LEFT), (CARDS_RIGHT, CARDS_RIGHT + 6)] if inside else [
                (0, CARDS_RIGHT + 6)]:
            expect(not any(shot.data[3 * (y * shot.width + left):3 * (y * shot.width + right)]),
                   f"something is drawn outside the cards in row {y}")
    for _, top, bottom in cards:
        lines = shot.data[3 * top * shot.width:3 * (bottom + 1) * shot.width]
        expect(lines.count(b"\xff\xff\xff") > 30, f"no title on the card from row {top}")
    to_the_end(chooser)
    play_card(chooser, launcher, -1)


def wheel_then_end(chooser, launcher):
    chooser._xdotool("mousemove", "--window", chooser.window_id, "500", "300")
    chooser._xdotool("click", "--repeat", "3", "5")
    play_card(chooser, launcher, 0)
    to_the_end(chooser)
    play_card(chooser, launcher, -1)


def left_out(name, why):
    return f"{{levels}}/{name}.txt: warning: {why}; the level '{name}' is left out\n"


def hostile_ladders_are_shown_safely(context):
    odd = [("pipe", "pipe.txt", "A FIFO", "-", os.mkfifo),
           ("zero", "zero.txt", "A device", "-", lambda path: os.symlink("/dev/zero", path)),
           ("room", "room.txt", "A folder", "-", os.mkdir),
           ("loop", "loop.txt", "A loop", "-", lambda path: os.symlink("loop.txt", path))]
    odd_said = [left_out("pipe", "is a FIFO, not a file to read"),
                left_out("zero", "is a character device, not a file to read"),
                left_out("room", "is a folder, not a file to read"),
                left_out("loop", "cannot be read: Too many levels of symbolic links")]
    named = (b"yard\tyard.txt\tThe Yard\tx\t1\t1:00\t1 of 9\n"
             b"\x1b[31mnope\x07\x00sm\ta.txt\tA\tx\t1\t1:00\t1 of 9\n")
    # (what, manifest, levels, launcher, steps or None when refused before any window, status,
    #  the error stream's lines with {levels} for the levels folder, the levels played)
    table = [
        ("a stretched window", None, LADDER, STAND_IN, resized_play(1200, 1000, 2), 0, [],
         ["cellar"]),
        ("a squeezed window", None, LADDER, STAND_IN, resized_play(700, 500, 1), 0, [],
         ["hall"]),
        ("a 512-side level", None, [LADDER[0], ("big", "big.txt", "The Big Town", "-", BIG),
                                    LADDER[2]], STAND_IN, clicks(1, 3), 0, [], ["big"]),
        ("100 levels", None, long_ladder(100), STAND_IN, inside_cards_then_end, 0, [], ["l99"]),
        ("1000 levels", None, long_ladder(1000), STAND_IN, wheel_then_end, 0, [],
         ["l3", "l999"]),
        ("escapes and a NUL in a name", named, LADDER[:1], STAND_IN, None, 1,
         ["{levels}/levels.tsv:2: error: the name '\\x1B[31mnope\\x07\\x00sm' is not a "
          "lowercase letter followed by lowercase letters, digits or '-'\n"], []),
        ("escapes and a NUL from the game", None, LADDER, NOISY_STAND_IN, clicks(0, 3), 0,
         [NOISE_RELAYED], ["yard"]),
        ("a FIFO, a device, a folder and a loop", None, odd[:2] + LADDER[:1] + odd[2:],
         STAND_IN, clicks(0, 1), 0, odd_said, ["yard"]),
        ("a FIFO for a manifest", os.mkfifo, LADDER, STAND_IN, None, 1,
         ["{levels}/levels.tsv: error: is a FIFO, not a file to read\n"], []),
    ]
    for what, manifest, ladder, script, steps, status, said, asked in table:
        begun = time.monotonic()
        with tempfile.TemporaryDirectory(prefix="zembrook-chooser-") as root:
            launcher = StandIn(root, script)
            data = data_folder(root, context, manifest, ladder)
            try:
                got, text = shown(context, root, launcher, data, steps)
            except Failure as failure:
                raise Failure(f"{what}: {failure}") from None
            wanted = "".join(said).format(levels=os.path.join(data, "levels")).encode()
            expect(got == status and text == wanted and launcher.asked() == asked,
                   f"{what}: status {got}, said {text!r}, played {launcher.asked()}; expected "
                   f"{status}, {wanted!r}, {asked}")
        note(f"{what}: {time.monotonic() - begun:.1f} s")


def shown(context, root, launcher, data, steps):
    """The chooser's status and error stream, run on the data until it refuses the ladder, or
    in a window, which must open in seconds, through the steps and then Escape."""
    if steps is None:
        env = {name: value for name, value in os.environ.items() if name != "DISPLAY"}
        result = subprocess.run([os.path.join(context.stage, "zembrook-chooser"), "--launcher",
                                 launcher.path, "--data", data], env=env, capture_output=True,
                                timeout=30)
        return result.returncode, result.stderr
    with chooser_session(context, root, launcher, data=data) as chooser:
        started = time.monotonic()
        chooser.wait_window(30)
        expect(time.monotonic() - started < 15, "the window took more than 15 s")
        steps(chooser, launcher)
        chooser.key("Escape")
        status = chooser.wait_exit(5.0)
        with open(chooser.stderr_path, "rb") as err:
            return status, err.read()

if __name__ == "__main__":
    main({"click_plays_and_comes_back": click_plays_and_comes_back,
          "watch_button_watches_and_comes_back": watch_button_watches_and_comes_back,
          "file_is_played_before_the_ladder": file_is_played_before_the_ladder,
          "broken_ladder_is_one_line": broken_ladder_is_one_line,
          "hostile_ladders_are_shown_safely": hostile_ladders_are_shown_safely})
