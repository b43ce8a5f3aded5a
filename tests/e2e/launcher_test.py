"""The launcher reads a level once, so it plays exactly what was checked, from a pipe too; it
lists the levels that come with the game and plays one by its name, and hands the level chooser
what it needs; and without a display, without a file the game needs, or on arguments it cannot
take, it says why in a line and starts nothing."""

import gzip
import os
import shutil
import subprocess
import sys
import tempfile
import threading

sys.dont_write_bytecode = True  # keep the source tree free of __pycache__
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from harness import ALL_ASSETS, Session, expect, expect_clean_exit, level, main  # noqa: E402
from install_test import BREACHED, START, Installation, map_side, mean_colour  # noqa: E402

# A zombie and a human in a walled room: nothing for the checker to warn of.
QUIET = level("11111",
              "12031",
              "10001",
              "10101",
              "11111")
# A larger room, so that the map in play tells which of the two levels the game was given.
HALL = level("1111111",
             "1200031",
             "1000001",
             "1000001",
             "1000001",
             "1000001",
             "1111111")
# Bytes from outside, and the launcher's message showing them as Printable does in the C++
# tools (as zembrook-level check shows a file of that name): controls, C1 controls, marks that
# reverse or hide, and broken UTF-8 escaped, the rest kept.
SHOWN = ((b"\x1b[31mnope\x07", r"\x1B[31mnope\x07"),
         (b"tab\tline\ndel\x7f", r"tab\x09line\x0Adel\x7F"),
         (b"c1 \xc2\x80\xc2\x9b raw \x9b", r"c1 \xC2\x80\xC2\x9B raw \x9B"),
         (b"\xe2\x80\xaeleft\xe2\x80\x8b\xe2\x80\xa8\xe2\x81\xaf\xef\xbb\xbf",
          r"\xE2\x80\xAEleft\xE2\x80\x8B\xE2\x80\xA8\xE2\x81\xAF\xEF\xBB\xBF"),
         (b"caf\xc3\xa9\xc2\xa0\xc2\xa0\xe2\x80\x90\xe2\x81\xb0\xe0\xa0\x80\xf4\x8f\xbf\xbf",
          "caf\u00e9\u00a0\u00a0\u2010\u2070\u0800\U0010ffff"),
         (b"\xc0\xaf\xed\xa0\x80\xf4\x90\x80\x80\xe0\x9f\xbf\xff",
          r"\xC0\xAF\xED\xA0\x80\xF4\x90\x80\x80\xE0\x9F\xBF\xFF"),
         (b"cut \xe2\x82x \xf0\x9f\x98", r"cut \xE2\x82x \xF0\x9F\x98"))


def write(folder, name, text):
    path = os.path.join(folder, name)
    with open(path, "w") as out:
        out.write(text)
    return path


def build_launcher(context):
    return os.path.join(os.path.dirname(context.stage), "bin", "zembrook")


def without_display(tmp):
    env = {name: value for name, value in os.environ.items() if name != "DISPLAY"}
    return {**env, "TMPDIR": tmp}


def shot_in_play(context, command, cwd, tmp):
    """The game's window once play starts; the launcher leaves nothing behind."""
    with Session(context, None, omit=ALL_ASSETS, command=command, cwd=cwd,
                 env={"TMPDIR": tmp}) as game:
        game.wait_window()
        game.wait_for("the title screen", lambda s: map_side(s) is None, 10)
        game.click(*START)
        shot = game.wait_for("a map in play", lambda s: map_side(s) is not None, 10)
        game.key("Escape")
        expect_clean_exit(game)
    expect(not os.listdir(tmp), f"the launcher left {os.listdir(tmp)} in its temporary folder")
    return shot


def side_in_play(context, command, cwd, tmp):
    return map_side(shot_in_play(context, command, cwd, tmp))


def ladder(stage):
    """The manifest's rows, each its seven columns."""
    with open(os.path.join(stage, "levels", "levels.tsv"), encoding="utf-8") as manifest:
        return [line.rstrip("\n").split("\t") for line in manifest
                if line.strip() and not line.startswith("#")]


def misplaced_walls(shot, text):
    """The cells where the shot shows a wall and the level has a street, or the reverse. The
    corner cell is a wall in every level; creatures and buildings stand on street."""
    numbers = text.split()
    side = int(numbers[0])
    corner = mean_colour(shot, 0, 0)
    misplaced = []
    for index, code in enumerate(numbers[1:1 + side * side]):
        cell = (index % side, index // side)
        wall = sum(abs(a - b) for a, b in zip(mean_colour(shot, *cell), corner)) < 10
        if code in ("0", "1") and wall != (code == "1"):
            misplaced.append(cell)
    return misplaced


def piped_level_is_played(context):
    with tempfile.TemporaryDirectory(prefix="zembrook-launcher-") as root:
        tmp = os.path.join(root, "tmp")
        os.mkdir(tmp)
        source = write(root, "hall.txt", HALL)
        fifo = os.path.join(root, "fifo")
        os.mkfifo(fifo)
        launcher = build_launcher(context)
        for how, command, feed in (
                ("process substitution", ["bash", "-c", 'exec "$0" <(cat "$1")', launcher,
                                          source], None),
                ("named pipe", [launcher, fifo], lambda: write(root, "fifo", HALL))):
            if feed:
                threading.Thread(target=feed, daemon=True).start()
            side = side_in_play(context, command, root, tmp)
            expect(side == 7, f"{how}: a map {side} cells wide in play, not the level's 7")


def stand_in_stage(context, root, checker):
    """The build tree's launcher copied beside a stage of its own, which links the game and its
    pictures and whose level checker is the shell text `checker`: the launcher and the stage."""
    bin_dir, stage = os.path.join(root, "bin"), os.path.join(root, "stage")
    os.mkdir(bin_dir)
    os.mkdir(stage)
    launcher = shutil.copy(build_launcher(context), bin_dir)
    for name in ("zembrook", "assets"):
        os.symlink(os.path.join(context.stage, name), os.path.join(stage, name))
    os.chmod(write(stage, "zembrook-level", "#!/bin/sh\n" + checker), 0o755)
    return launcher, stage


def checked_level_is_played(context):
    with tempfile.TemporaryDirectory(prefix="zembrook-launcher-") as root:
        # The checker is a stand-in: it replaces the player's file while the check runs, and
        # keeps what it was given to check.
        tmp = os.path.join(root, "tmp")
        os.mkdir(tmp)
        player, later = write(root, "quiet.txt", QUIET), write(root, "hall.txt", HALL)
        checked = os.path.join(root, "checked.txt")
        launcher, _ = stand_in_stage(
            context, root, f"cp -- '{later}' '{player}'\ncp -- \"$2\" '{checked}'\n"
            f"exec '{os.path.join(context.stage, 'zembrook-level')}' \"$@\"\n")
        side = side_in_play(context, [launcher, player], root, tmp)
        with open(checked) as text:
            expect(text.read() == QUIET, "the checker was not given the level as it was started")
        expect(side == 5, f"a map {side} cells wide in play, not the checked level's 5")


def expect_one_line(result, status, said, what):
    expect(result.returncode == status and result.stderr.count("\n") == 1 and
           said in result.stderr, f"{what}: status {result.returncode}, {result.stderr!r}; "
           f"expected {status} and one line with {said!r}")


def no_display_is_one_line(context):
    dead = next(f":{n}" for n in range(4242, 4342)
                if not os.path.exists(f"/tmp/.X11-unix/X{n}") and
                not os.path.exists(f"/tmp/.X{n}-lock"))
    with tempfile.TemporaryDirectory(prefix="zembrook-launcher-") as root:
        tmp = os.path.join(root, "tmp")
        os.mkdir(tmp)
        quiet = write(root, "quiet.txt", QUIET)
        launcher = build_launcher(context)
        for command, display, said in (
                ([launcher], None, "DISPLAY is not set"),
                ([launcher, quiet], None, "DISPLAY is not set"),
                ([launcher, quiet], dead, f"cannot open the display '{dead}'"),
                ([context.binary], None, "DISPLAY is not set"),
                ([context.binary], dead, f"cannot open the display '{dead}'")):
            env = without_display(tmp)
            if display:
                env["DISPLAY"] = display
            result = subprocess.run(command, cwd=context.stage, env=env, capture_output=True,
                                    text=True, timeout=30)
            expect_one_line(result, 1, said, f"{' '.join(command)} on {display or 'no display'}")
            expect(not os.listdir(tmp), f"{command} left {os.listdir(tmp)} behind")


def missing_game_file_is_named(context):
    installation = Installation(context)
    try:
        data = os.path.join("share", "games", "zembrook")
        font = os.path.join(data, "assets", "fonts", "sansation.ttf")
        owned = ([os.path.join("lib", "games", "zembrook", "zembrook"),
                  os.path.join(data, "TileMap.txt")] +
                 [os.path.join(data, "assets", item) for item in ALL_ASSETS])
        rows = [(name, ["the package zembrook"]) for name in owned if name != font]
        # The font is a link to Debian's file, relative in the package, left dangling as when
        # its package is removed; the message says where it points in full.
        gone = os.path.join(installation.root, "gone", "DejaVuSans.ttf")
        rows.append((font, [f"it links to {os.path.realpath(gone)}",
                            "the package fonts-dejavu-core"]))
        for name, said in rows:
            path = os.path.join(installation.prefix, name)
            os.rename(path, path + ".aside")
            if name == font:
                os.symlink(os.path.relpath(gone, os.path.dirname(path)), path)
            try:
                result = subprocess.run([installation.launcher], cwd=installation.player,
                                        env=without_display(installation.tmp),
                                        capture_output=True, text=True, timeout=30)
            finally:
                if os.path.lexists(path):
                    os.remove(path)
                os.rename(path + ".aside", path)
            expect_one_line(result, 1, f"{path} is missing", name)
            expect(all(words in result.stderr for words in said),
                   f"{name}: {said} not all in {result.stderr!r}")
    finally:
        installation.remove()


def wrong_arguments_are_explained(context):
    with tempfile.TemporaryDirectory(prefix="zembrook-launcher-") as root:
        tmp = os.path.join(root, "tmp")
        os.mkdir(tmp)
        write(root, "-quiet.txt", QUIET)
        for arguments, status, said in (
                (["a.txt", "b.txt"], 2, "zembrook: one level at most, but both 'a.txt' and "
                                        "'b.txt' were given\n"),
                ([""], 2, "zembrook: the level name or file name is empty\n"),
                (["--list", "a.txt"], 2, "zembrook: --list takes no level, but 'a.txt' was given"),
                (["--choose", "--list"], 2, "zembrook: --choose and --list cannot be combined"),
                (["-quiet.txt"], 2, "zembrook: unknown option '-quiet.txt'\n"),
                # Played after --, so refused only for want of a display.
                (["--", "-quiet.txt"], 1, "zembrook: no display"),
                (["/dev/zero"], 1, "zembrook: /dev/zero: larger than 64 MiB")):
            result = subprocess.run([build_launcher(context), *arguments], cwd=root,
                                    env=without_display(tmp), capture_output=True, text=True,
                                    timeout=30)
            expect(result.returncode == status and result.stderr.startswith(said),
                   f"{arguments}: status {result.returncode}, {result.stderr!r}")
            expect(not os.listdir(tmp), f"{arguments} left {os.listdir(tmp)} behind")


def outside_input_is_named_in_one_line(context):
    """Bytes from outside are shown escaped in every message, the checker's relayed findings
    too; a bundled level that is not a regular file, a symlink loop and a path too long are
    named as such; and with a relative TMPDIR, no game leaves its folder behind."""
    with tempfile.TemporaryDirectory(prefix="zembrook-launcher-") as root:
        os.mkdir(os.path.join(root, "tmp"))
        launcher = build_launcher(context)
        # Its checker finds a NUL and an escape sequence in every level, and answers questions
        # about the ladder as the real one does; its first two levels are a FIFO and a device.
        relaying, stage = stand_in_stage(
            context, root, f"[ \"$1\" != manifest ] || exec '{context.stage}/zembrook-level' \"$@\"\n"
            r"printf 'TileMap.txt:1:1: error: a\000b\033[2J\n'; exit 1" "\n")
        os.mkdir(os.path.join(stage, "levels"))
        shutil.copy(os.path.join(context.stage, "levels", "levels.tsv"), stage + "/levels")
        (fifo_name, fifo), (device_name, device) = ((name, os.path.join(stage, "levels", file))
                                                    for name, file, *_ in ladder(stage)[:2])
        os.mkfifo(fifo)
        os.symlink("/dev/zero", device)
        os.symlink("loop", os.path.join(root, "loop"))
        write(root, "quiet.txt", QUIET)
        cases = []
        for raw, shown in SHOWN:
            with open(os.path.join(os.fsencode(root), raw), "w") as out:
                out.write(BREACHED)
            cases += [(launcher, [b"-" + raw], 2, [f"zembrook: unknown option '-{shown}'",
                                                   "Try 'zembrook --help'"]),
                      (launcher, [b"gone/" + raw], 1, [f"zembrook: gone/{shown}: no such file"]),
                      (launcher, [raw], 1, [f"{shown}:4:1: error: ", f"{shown}: 5 x 5",
                                            f"zembrook: {shown} has errors, so the game"])]
        not_regular = "not a regular file, so it is not read as a level"
        raw, shown = SHOWN[0]
        cases += [(relaying, [raw], 1, [f"{shown}:1:1: error: a\\x00b\\x1B[2J",
                                        f"zembrook: {shown} has errors"]),
                  (launcher, ["quiet.txt"], 1, ["zembrook: no display"]),
                  (relaying, [fifo_name], 1, [f"zembrook: {fifo}: {not_regular}"]),
                  (relaying, [device_name], 1, [f"zembrook: {device}: {not_regular}"]),
                  (relaying, [fifo], 1, [f"zembrook: {fifo}: {not_regular}"]),
                  (launcher, ["./loop/quiet.txt"], 1, ["zembrook: ./loop/quiet.txt: a loop of "]),
                  (launcher, ["d/" * 2100 + "x"], 1, [f"zembrook: {'d/' * 2100}x: the path is "])]
        for command, arguments, status, said in cases:
            # Relative: the game's folder is made in root/tmp and must be gone afterwards.
            result = subprocess.run([command, *arguments], cwd=root, env=without_display("tmp"),
                                    capture_output=True, timeout=30)
            lines = result.stderr.decode().splitlines()
            expect(result.returncode == status and len(lines) == len(said) and
                   all(line.startswith(start) for line, start in zip(lines, said)) and
                   not os.listdir(os.path.join(root, "tmp")), f"{arguments}: status "
                   f"{result.returncode}, {result.stderr!r}, {os.listdir(root + '/tmp')} left")


def expect_listed(launcher, rows):
    """--list shows every level in order, its columns aligned under the header's words."""
    listing = subprocess.run([launcher, "--list"], capture_output=True, text=True, timeout=30)
    lines = listing.stdout.splitlines()
    expect(listing.returncode == 0 and len(lines) == len(rows) + 1,
           f"{launcher} --list: status {listing.returncode}, {listing.stdout!r}")
    title_at = lines[0].find("title")
    difficulty_end = lines[0].find("difficulty") + len("difficulty")
    for line, (name, _, title, _, difficulty, falls, _) in zip(lines[1:], rows):
        expect(line[:title_at].rstrip() == name and line[title_at:].startswith(title) and
               line[:difficulty_end].endswith(" " + difficulty) and
               line[difficulty_end:].strip() == falls, f"{name} is listed as {line!r} under "
               f"{lines[0]!r}")


def levels_are_played_by_name(context):
    installation = Installation(context)
    try:
        rows = ladder(context.stage)
        name, file = rows[-1][:2]
        with open(os.path.join(context.stage, "levels", file)) as bundled:
            text = bundled.read()
        installed = os.path.join(installation.prefix, "share", "games", "zembrook", "levels")
        expect(sorted(os.listdir(installed)) == sorted(["levels.tsv"] + [r[1] for r in rows]),
               f"installed levels: {sorted(os.listdir(installed))}")
        with gzip.open(os.path.join(installation.prefix, "share", "man", "man6",
                                    "zembrook.6.gz"), "rt", encoding="utf-8") as manual:
            page = manual.read()
        unlisted = [row[0] for row in rows
                    if f".B {row[0]}\n{row[2]}, difficulty {row[4]}.\n{row[3]}" not in page]
        expect(not unlisted, f"the manual does not list {unlisted}")
        # A file of the level's name in the player's folder: the name wins, -- plays the file.
        write(installation.player, name, HALL)
        for launcher in (build_launcher(context), installation.launcher):
            expect_listed(launcher, rows)
            unknown = subprocess.run([launcher, "no-such-level"], cwd=installation.player,
                                     capture_output=True, text=True, timeout=30)
            expect_one_line(unknown, 1, "no-such-level: neither a level of the game nor a file; "
                            f"the levels are {', '.join(row[0] for row in rows)}\n", launcher)
            shot = shot_in_play(context, [launcher, name], installation.player, installation.tmp)
            expect(map_side(shot) == int(text.split()[0]) and not misplaced_walls(shot, text),
                   f"{launcher} {name}: walls misplaced at {misplaced_walls(shot, text)}")
        side = side_in_play(context, [installation.launcher, "--", name], installation.player,
                            installation.tmp)
        expect(side == 7, f"-- {name}: a map {side} cells wide in play, not the file's 7")
    finally:
        installation.remove()


def chooser_is_given_the_level(context):
    with tempfile.TemporaryDirectory(prefix="zembrook-launcher-") as root:
        root = os.path.realpath(root)
        bin_dir, stage = os.path.join(root, "bin"), os.path.join(root, "stage")
        os.mkdir(bin_dir)
        os.mkdir(stage)
        launcher = shutil.copy(build_launcher(context), bin_dir)
        for name in ("zembrook", "zembrook-level", "assets", "levels"):
            os.symlink(os.path.join(context.stage, name), os.path.join(stage, name))
        asked = os.path.join(root, "asked")
        chooser = write(stage, "zembrook-chooser", f"#!/bin/sh\nprintf '%s\\n' \"$@\" >{asked}\n"
                        "exit 3\n")
        os.chmod(chooser, 0o755)
        write(root, "-quiet.txt", QUIET)
        name, file = ladder(context.stage)[-1][:2]
        for arguments, level_given in (([], []),
                                       ([name], [os.path.join(stage, "levels", file)]),
                                       (["--", "-quiet.txt"], ["./-quiet.txt"])):
            if os.path.exists(asked):
                os.remove(asked)
            result = subprocess.run([launcher, "--choose", *arguments], cwd=root, timeout=30)
            given = open(asked).read().splitlines() if os.path.exists(asked) else None
            expect(result.returncode == 3 and
                   given == ["--launcher", launcher, "--data", stage, *level_given],
                   f"--choose {arguments}: status {result.returncode}, chooser given {given}")
        os.remove(chooser)
        missing = subprocess.run([launcher, "--choose"], capture_output=True, text=True,
                                 timeout=30)
        expect_one_line(missing, 1, f"{chooser} is missing", "--choose without a chooser")


if __name__ == "__main__":
    main({"piped_level_is_played": piped_level_is_played,
          "checked_level_is_played": checked_level_is_played,
          "no_display_is_one_line": no_display_is_one_line,
          "missing_game_file_is_named": missing_game_file_is_named,
          "wrong_arguments_are_explained": wrong_arguments_are_explained,
          "outside_input_is_named_in_one_line": outside_input_is_named_in_one_line,
          "levels_are_played_by_name": levels_are_played_by_name,
          "chooser_is_given_the_level": chooser_is_given_the_level})
