"""The launcher and the build take the manifest rows that its one reader takes, and refuse the
others with its finding. ladder --write changes the figures alone, and refuses, at once and in
one line, a manifest it could not replace or read.
Run as: python3 manifest_test.py CASE --tool ZEMBROOK_LEVEL --launcher BUILD_LAUNCHER
            --rows MANIFEST_ROWS --stage-script STAGE_LADDER_CMAKE  (status 77: skipped)"""

import argparse
import os
import shutil
import subprocess
import sys
import tempfile
import time

QUIET = "5\n1 1 1 1 1\n1 2 0 3 1\n1 0 0 0 1\n1 0 1 0 1\n1 1 1 1 1\n"
CROWD = "5\n1 1 1 1 1\n1 3 3 3 1\n1 3 3 3 1\n1 3 2 3 1\n1 1 1 1 1\n"
LADDER = ("# one small level\r\n\r\n"
          "crowd\tcrowd.txt\tThe Crowd\ta zombie among humans\t1\t0:01\t0 of 0\r\n# end\r\n")


def expect(condition, message):
    if not condition:
        raise AssertionError(message)


def run(command, **options):
    return subprocess.run(command, capture_output=True, text=True, timeout=120, **options)


def write(folder, name, text):
    with open(os.path.join(folder, name), "w", newline="") as out:
        out.write(text)
    return os.path.join(folder, name)


def one_line(result, said, what):
    expect(result.returncode == 1 and result.stderr.count("\n") == 1 and
           result.stderr.startswith(said), f"{what}: {result.returncode}, {result.stderr!r}")


def rows_are_taken_alike(args):
    with open(args.rows) as table:
        rows = [line.rstrip("\n").split("\t") for line in table if not line.startswith("#")]
    for verdict, name, file, ends in rows:
        with tempfile.TemporaryDirectory() as root:
            # The build's launcher beside a stage of its own, whose game keeps what it is given.
            stage, levels = os.path.join(root, "stage"), os.path.join(root, "stage", "levels")
            os.makedirs(levels)
            os.mkdir(f"{root}/bin")
            launcher = shutil.copy(args.launcher, f"{root}/bin")
            for entry in ("zembrook-level", "assets"):
                os.symlink(os.path.join(os.path.dirname(args.tool), entry), f"{stage}/{entry}")
            os.chmod(write(stage, "zembrook", f"#!/bin/sh\ncp TileMap.txt {root}/played\n"), 0o755)
            manifest = write(levels, "levels.tsv", ("\r\n" if ends == "CRLF" else "\n").join([
                "# the ladder", "town\tTileMap.txt\tThe Town\tidea\t13\t1:43\t2 of 837",
                f"{name}\t{file}\tNext\tidea\t20\t1:00\t0 of 9", ""]))
            write(levels, "TileMap.txt", QUIET)
            if verdict == "ok":
                write(levels, file, QUIET)
            build = run(["cmake", f"-DTOOL={args.tool}", f"-DMANIFEST={manifest}",
                         f"-DSTAGE={root}/staged", f"-DSTAMP={root}/stamp", "-P",
                         args.stage_script])
            play = run([launcher, name if verdict == "ok" else "town"], cwd=root,
                       env={**os.environ, "TMPDIR": root})
            what = f"{name!r} in {file!r}, {ends}"
            if verdict == "ok":
                expect(build.returncode == 0 and sorted(os.listdir(f"{root}/staged")) ==
                       sorted(["levels.tsv", "TileMap.txt", file]), f"{what}: {build.stderr!r}")
                expect(play.returncode == 0 and open(f"{root}/played").read() == QUIET,
                       f"{what}: zembrook {name}: {play.returncode}, {play.stderr!r}")
                expect(run([launcher, "--list"]).stdout.splitlines()[2].startswith(name + " "),
                       f"{what}: not in --list")
            else:
                finding = f"{manifest}:3: error: {verdict}"
                expect(build.returncode != 0 and finding in build.stderr, f"{what}: {build.stderr}")
                one_line(play, finding, f"{what}: zembrook town")


def as_ordinary_user(command):
    """Root is bound by the files' permission bits only in a user namespace of its own, where it
    holds no capability over them and is their owner alone."""
    if os.geteuid() != 0:
        return command
    if run(["unshare", "--user", "true"]).returncode != 0:
        sys.exit(77)
    return ["unshare", "--user", "--", *command]


def refusals_are_one_line_and_at_once(args):
    with tempfile.TemporaryDirectory() as root:
        os.chmod(root, 0o755)
        levels = shutil.copytree(os.path.dirname(args.stage_script), os.path.join(root, "levels"))
        manifest = os.path.join(levels, "levels.tsv")
        for command, said, folder_mode, file_mode in (
                (["ladder", "--write", "/dev/zero"], "/dev/zero: error: holds more than 64 MiB",
                 0o755, 0o644),
                # Before the minutes of measuring the bundled ladder.
                (["ladder", "--write", manifest], f"{manifest}: error: cannot be written: "
                 "Permission denied", 0o777, 0o444),
                (["ladder", "--write", manifest], f"{manifest}: error: cannot be replaced, since "
                 f"its folder {levels} cannot be written", 0o555, 0o666)):
            os.chmod(manifest, file_mode)
            os.chmod(levels, folder_mode)
            started = time.monotonic()
            one_line(run(as_ordinary_user([args.tool, *command])), said, " ".join(command))
            expect(time.monotonic() - started < 10, f"{command}: refused only after a while")
        os.chmod(levels, 0o755)
        with open(manifest, "r+") as text:
            broken = len(text.read().splitlines()) + 2
            text.write("# a broken line\nx\ty.txt\n")
        for command in (["manifest", manifest, "--names"], ["ladder", "--write", manifest]):
            one_line(run([args.tool, *command]), f"{manifest}:{broken}: error: 2 tab-separated "
                     "columns", " ".join(command))


def write_keeps_every_other_byte(args):
    with tempfile.TemporaryDirectory() as root:
        write(root, "crowd.txt", CROWD)
        manifest = write(root, "levels.tsv", LADDER)
        figures = run([args.tool, "ladder", "--write", manifest]).stdout.split()[4:]
        written = LADDER.replace("1\t0:01\t0 of 0", "\t".join(figures[1:3] + [
            " ".join(figures[3:])]))
        expect(open(manifest, newline="").read() == written and len(os.listdir(root)) == 2,
               f"wrote {open(manifest, newline='').read()!r}, not {written!r}")


if __name__ == "__main__":
    parser = argparse.ArgumentParser()
    parser.add_argument("case")
    for option in ("--tool", "--launcher", "--rows", "--stage-script"):
        parser.add_argument(option, required=True)
    arguments = parser.parse_args()
    globals()[arguments.case](arguments)
    print(f"{arguments.case}: passed")
