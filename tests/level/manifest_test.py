"""The ladder's manifest has one reader, zembrook-level manifest: the launcher and the build take
the rows it takes and refuse, with its one-line finding, the rows it refuses. ladder --write
replaces the manifest whole or not at all: a full disk, an edit made while it measures, a
read-only file or folder and an endless file leave it as it was, and say so in a line.

Run as: python3 manifest_test.py CASE --tool ZEMBROOK_LEVEL --launcher BUILD_LAUNCHER
            --rows MANIFEST_ROWS --stage-script STAGE_LADDER_CMAKE
Exit status 0 passed, 1 failed, 77 skipped (what the case needs is missing here)."""

import argparse
import os
import pty
import select
import shutil
import subprocess
import sys
import tempfile
import time

SKIP = 77

# A zombie and a human in a walled room: nothing for the checker to warn of.
QUIET = "5\n1 1 1 1 1\n1 2 0 3 1\n1 0 0 0 1\n1 0 1 0 1\n1 1 1 1 1\n"
# Two small levels that are measured in a second or two.
CROWD = "5\n1 1 1 1 1\n1 3 3 3 1\n1 3 2 3 1\n1 3 3 3 1\n1 1 1 1 1\n"
CORRIDOR = "9\n" + "1 " * 8 + "1\n1 2 0 0 0 0 0 3 1\n" + ("1 " * 8 + "1\n") * 7
LADDER = ("# two small levels\r\n"
          "crowd\tcrowd.txt\tThe Crowd\ta zombie among eight humans\t1\t0:01\t0 of 0\r\n"
          "\r\n"
          "# and a corridor\r\n"
          "corridor\tcorridor.txt\tThe Corridor\ta zombie at one end\t2\t0:02\t0 of 0\r\n")


class Failure(Exception):
    pass


class Skip(Exception):
    pass


def expect(condition, message):
    if not condition:
        raise Failure(message)


def write(path, text, mode="w"):
    with open(path, mode, newline="") as out:
        out.write(text)
    return path


def read_bytes(path):
    with open(path, "rb") as source:
        return source.read()


def one_line(result, status, said, what):
    """The result ended with status and said exactly one line, starting with said."""
    expect(result.returncode == status and result.stderr.count("\n") == 1 and
           result.stderr.startswith(said),
           f"{what}: status {result.returncode}, {result.stderr!r}; expected {status} and one "
           f"line starting {said!r}")


def run(command, **options):
    return subprocess.run(command, capture_output=True, text=True, timeout=120, **options)


def ladder_folder(root, text=LADDER):
    folder = os.path.join(root, "levels")
    os.makedirs(folder)
    write(os.path.join(folder, "crowd.txt"), CROWD)
    write(os.path.join(folder, "corridor.txt"), CORRIDOR)
    return write(os.path.join(folder, "levels.tsv"), text)


def shared_rows(path):
    rows = []
    with open(path, encoding="utf-8") as table:
        for line in table:
            fields = line.rstrip("\n").split("\t")
            if not line.startswith("#") and len(fields) == 4:
                rows.append(fields)
    expect(len(rows) >= 10, f"no table of rows in {path}")
    return rows


def shared_manifest(name, file, line_end):
    """As the reader's own test builds it: a comment, the town, the row, on lines 1 to 3."""
    return line_end.join(["# the ladder", "town\tTileMap.txt\tThe Town\tidea\t13\t1:43\t2 of 837",
                          f"{name}\t{file}\tNext\tidea\t20\t1:00\t0 of 9", ""])


def launcher_tree(root, args):
    """The build's launcher beside a stage of its own: the real checker and assets, a stand-in
    game that keeps the level it is given, and levels/ to be filled by the caller."""
    bin_dir, stage = os.path.join(root, "bin"), os.path.join(root, "stage")
    os.makedirs(bin_dir)
    os.makedirs(os.path.join(stage, "levels"))
    launcher = shutil.copy(args.launcher, bin_dir)
    real_stage = os.path.dirname(args.tool)
    os.symlink(args.tool, os.path.join(stage, "zembrook-level"))
    os.symlink(os.path.join(real_stage, "assets"), os.path.join(stage, "assets"))
    played = os.path.join(root, "played.txt")
    game = write(os.path.join(stage, "zembrook"), f"#!/bin/sh\ncp TileMap.txt '{played}'\n")
    os.chmod(game, 0o755)
    return launcher, os.path.join(stage, "levels"), played


def rows_are_taken_alike(args):
    for verdict, name, file, ends in shared_rows(args.rows):
        with tempfile.TemporaryDirectory(prefix="zembrook-manifest-") as root:
            launcher, levels, played = launcher_tree(root, args)
            manifest = write(os.path.join(levels, "levels.tsv"),
                             shared_manifest(name, file, "\r\n" if ends == "CRLF" else "\n"))
            write(os.path.join(levels, "TileMap.txt"), QUIET)
            if verdict == "ok":
                write(os.path.join(levels, file), QUIET)
            staged = os.path.join(root, "staged")
            build = run(["cmake", f"-DTOOL={args.tool}", f"-DMANIFEST={manifest}",
                         f"-DSTAGE={staged}", f"-DSTAMP={os.path.join(root, 'stamp')}",
                         "-P", args.stage_script])
            # Played by its name when taken; the town refused with the manifest when not.
            asked = name if verdict == "ok" else "town"
            play = run([launcher, asked], cwd=root, env={**os.environ, "TMPDIR": root})
            what = f"{name!r} in {file!r}, {ends}"
            if verdict == "ok":
                expect(build.returncode == 0 and sorted(os.listdir(staged)) ==
                       sorted(["levels.tsv", "TileMap.txt", file]),
                       f"{what}: the build said {build.stderr!r}, staged "
                       f"{os.listdir(staged) if os.path.isdir(staged) else None}")
                listed = run([launcher, "--list"])
                expect(listed.returncode == 0 and listed.stdout.splitlines()[2].split()[0] == name,
                       f"{what}: --list gave {listed.returncode}, {listed.stdout!r}")
                expect(play.returncode == 0 and os.path.exists(played) and
                       read_bytes(played).decode() == QUIET,
                       f"{what}: zembrook {name} gave {play.returncode}, {play.stderr!r}")
            else:
                finding = f"{manifest}:3: error: {verdict}"
                expect(build.returncode != 0 and finding in build.stderr,
                       f"{what}: the build gave {build.returncode}, {build.stderr!r}")
                one_line(play, 1, finding, f"{what}: zembrook town")
                expect(not os.path.exists(played), f"{what}: the game was started")


def bad_manifest_is_one_line(args):
    with tempfile.TemporaryDirectory(prefix="zembrook-manifest-") as root:
        manifest = ladder_folder(root, LADDER.replace("\t2\t0:02", "\t2\t0:02\textra"))
        before = read_bytes(manifest)
        finding = f"{manifest}:5: error: 8 tab-separated columns, expected 7"
        for command in (["manifest", manifest], ["manifest", manifest, "--names"],
                        ["manifest", manifest, "--file", "crowd"], ["ladder", manifest],
                        ["ladder", "--write", manifest]):
            one_line(run([args.tool, *command]), 1, finding, " ".join(command))
        expect(read_bytes(manifest) == before, "the broken manifest was changed")
        write(manifest, LADDER)
        one_line(run([args.tool, "manifest", manifest, "--file", "nope"]), 1,
                 f"{manifest}: error: no level is named 'nope'", "--file of no level")


def write_keeps_line_ends_and_comments(args):
    with tempfile.TemporaryDirectory(prefix="zembrook-manifest-") as root:
        manifest = ladder_folder(root)
        os.chmod(manifest, 0o640)
        written = run([args.tool, "ladder", "--write", manifest])
        table = [line.split() for line in written.stdout.splitlines()[1:]]
        expect(len(table) == 2, f"--write gave {written.returncode}, {written.stdout!r}")
        expected = LADDER
        for name, difficulty, falls, held, _, tried in table:
            old = [line for line in LADDER.split("\r\n") if line.startswith(name + "\t")][0]
            new = "\t".join(old.split("\t")[:4] + [difficulty, falls, f"{held} of {tried}"])
            expected = expected.replace(old, new)
        expect(read_bytes(manifest) == expected.encode(),
               f"written {read_bytes(manifest)!r}, expected {expected!r}")
        expect(os.stat(manifest).st_mode & 0o777 == 0o640, "the manifest lost its permissions")
        expect(sorted(os.listdir(os.path.dirname(manifest))) ==
               ["corridor.txt", "crowd.txt", "levels.tsv"], "a file was left beside it")
        again = run([args.tool, "ladder", manifest])
        expect("the manifest says" not in again.stderr,
               f"after --write, the figures still differ: {again.stderr!r}")


def as_ordinary_user(command):
    """The command as a user whom permissions bind: root is one only in a user namespace of
    its own, where the files, owned by the real root, are another user's."""
    if os.geteuid() != 0:
        return command
    if run(["unshare", "--user", "true"]).returncode != 0:
        raise Skip("running as root, and no user namespace can be made")
    return ["unshare", "--user", "--", *command]


def read_only_is_refused_before_measuring(args):
    for what, folder_mode, file_mode, said in (
            ("a read-only manifest", 0o777, 0o444, "cannot be written: Permission denied"),
            ("a read-only folder", 0o555, 0o666, "cannot be replaced, since its folder ")):
        with tempfile.TemporaryDirectory(prefix="zembrook-manifest-") as root:
            os.chmod(root, 0o755)
            # The bundled ladder, whose measuring would take minutes.
            levels = os.path.join(root, "levels")
            shutil.copytree(os.path.join(os.path.dirname(args.rows), "..", "..", "levels"), levels,
                            ignore=shutil.ignore_patterns("*.cmake", "CMakeLists.txt"))
            manifest = os.path.join(levels, "levels.tsv")
            before = read_bytes(manifest)
            os.chmod(manifest, file_mode)
            os.chmod(levels, folder_mode)
            started = time.monotonic()
            refused = run(as_ordinary_user([args.tool, "ladder", "--write", manifest]))
            took = time.monotonic() - started
            os.chmod(levels, 0o755)
            one_line(refused, 1, f"{manifest}: error: {said}", what)
            expect(took < 10, f"{what}: refused only after {took:.0f} s")
            expect(read_bytes(manifest) == before, f"{what}: the manifest was changed")


def edit_while_measuring_is_kept(args):
    for what, edit in (("emptied", lambda text: ""),
                       ("a comment put first", lambda text: "# first\n" + text)):
        with tempfile.TemporaryDirectory(prefix="zembrook-manifest-") as root:
            manifest = ladder_folder(root)
            # Progress is shown on a terminal only: its first line says the measuring began.
            master, slave = pty.openpty()
            tool = subprocess.Popen([args.tool, "ladder", "--write", manifest],
                                    stdout=subprocess.PIPE, stderr=slave, text=True)
            os.close(slave)
            said = read_until(master, b"measuring the ladder", tool)
            edited = edit(LADDER)
            write(manifest, edited)
            said += read_until(master, None, tool)
            os.close(master)
            expect(tool.wait(timeout=120) == 1 and
                   f"{manifest}: error: changed while it was measured; run again" in said,
                   f"{what}: status {tool.returncode}, {said!r}")
            expect(read_bytes(manifest) == edited.encode(), f"{what}: the edit was not kept")
            expect(len(os.listdir(os.path.dirname(manifest))) == 3, f"{what}: a file left")


def read_until(master, wanted, process):
    """What the terminal shows until it shows wanted, or until the process ends (None)."""
    shown = b""
    deadline = time.monotonic() + 120
    while time.monotonic() < deadline and (wanted is None or wanted not in shown):
        ready, _, _ = select.select([master], [], [], 1)
        if not ready:
            if process.poll() is not None and wanted is not None:
                break
            continue
        try:
            chunk = os.read(master, 4096)
        except OSError:  # the terminal is closed once the process ends
            break
        if not chunk:
            break
        shown += chunk
    expect(wanted is None or wanted in shown, f"the terminal never showed {wanted!r}: {shown!r}")
    return shown.decode(errors="replace")


def full_disk_leaves_the_manifest(args):
    # A file system of two pages, filled by the manifest and one level: the new manifest has
    # no room. Mounted in a namespace of its own, which ends with the command.
    if run(["unshare", "--user", "--map-root-user", "--mount", "true"]).returncode != 0:
        raise Skip("no mount namespace can be made here")
    with tempfile.TemporaryDirectory(prefix="zembrook-manifest-") as root:
        one = "\r\n".join(LADDER.split("\r\n")[:3]) + "\r\n"
        original = write(os.path.join(root, "original.tsv"), one)
        write(os.path.join(root, "crowd.txt"), CROWD)
        disk = os.path.join(root, "disk")
        os.mkdir(disk)
        script = ('mount -t tmpfs -o size=8k tmpfs "$1" && cp "$2" "$1/levels.tsv" && '
                  'cp "$3" "$1/crowd.txt" && "$4" ladder --write "$1/levels.tsv"; status=$?; '
                  'cmp -s "$2" "$1/levels.tsv" && echo unchanged; ls -A "$1"; exit $status')
        result = run(["unshare", "--user", "--map-root-user", "--mount", "sh", "-c", script, "sh",
                      disk, original, os.path.join(root, "crowd.txt"), args.tool])
        # Before it, the ladder's rules, which two small levels break.
        said = f"{os.path.join(disk, 'levels.tsv')}: error: cannot be written: No space left on " \
               "device; it is left as it was\n"
        expect(result.returncode == 1 and result.stderr.endswith(said),
               f"a full disk: status {result.returncode}, {result.stderr!r}")
        expect(result.stdout.splitlines()[-3:] == ["unchanged", "crowd.txt", "levels.tsv"],
               f"a full disk left {result.stdout!r}")


def endless_manifest_is_refused(args):
    for command in (["manifest", "/dev/zero"], ["ladder", "/dev/zero"],
                    ["ladder", "--write", "/dev/zero"]):
        started = time.monotonic()
        result = run([args.tool, *command])
        took = time.monotonic() - started
        one_line(result, 1, "/dev/zero: error: holds more than 64 MiB", " ".join(command))
        expect(took < 10, f"{' '.join(command)}: refused only after {took:.0f} s")


CASES = {case.__name__: case for case in (
    rows_are_taken_alike, bad_manifest_is_one_line, write_keeps_line_ends_and_comments,
    read_only_is_refused_before_measuring, edit_while_measuring_is_kept,
    full_disk_leaves_the_manifest, endless_manifest_is_refused)}


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("case", choices=sorted(CASES))
    parser.add_argument("--tool", required=True)
    parser.add_argument("--launcher", required=True)
    parser.add_argument("--rows", required=True)
    parser.add_argument("--stage-script", required=True)
    args = parser.parse_args()
    try:
        CASES[args.case](args)
    except Skip as reason:
        print(f"{args.case}: skipped: {reason}")
        return SKIP
    except Failure as failure:
        print(f"{args.case}: FAILED: {failure}", file=sys.stderr)
        return 1
    print(f"{args.case}: passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
