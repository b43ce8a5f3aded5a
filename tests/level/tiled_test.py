#!/usr/bin/env python3
"""The Tiled extension in Tiled itself, offscreen: a level read and written back keeps its codes,
a file the game would misread does not open, and a map drawn in Tiled's own TMX form exports to
the codes of its visible tiles or is refused with its reason on stderr.

Usage: tiled_test.py CASE --extension STAGED_FOLDER --level LEVEL_FILE
Exits 77 (skipped) where Tiled is not installed."""

import argparse
import os
import re
import shutil
import struct
import subprocess
import sys
import tempfile

SKIPPED = 77
ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))


def header_number(header_file, name):
    """A number the game's C++ headers declare, "name = 3", for the tests to hold copies to."""
    text = open(os.path.join(ROOT, header_file)).read()
    return int(re.search(name + r"\s*=\s*(\d+)", text)[1])


# The sides a level may have: the checker's smallest, the game's largest. The extension keeps
# its own copies, for where it is used alone, and the cases below hold them to these.
SMALLEST = header_number("tools/level/levelformat/LevelCheck.hpp", "kSmallestSide")
LARGEST = header_number("src/world/TileMap.hpp", "kMaxSize")


def tiled(work, source, target, fmt="zembrook"):
    """Runs Tiled's command-line export with the extension installed in work's private config."""
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    for name in ("XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_RUNTIME_DIR"):
        env[name] = os.path.join(work, name.lower())
        os.makedirs(env[name], mode=0o700, exist_ok=True)
    return subprocess.run(["tiled", "--export-map", fmt, source, target], env=env,
                          capture_output=True, text=True, timeout=90)


def tiled_export(work, source, target, fmt="zembrook"):
    result = tiled(work, source, target, fmt)
    if result.returncode != 0:
        sys.exit(f"tiled --export-map failed ({result.returncode}):\n{result.stderr}")


def install(work, extension, linked=True):
    """Linked, the staged folder finds the checker beside it; copied alone, it has only itself."""
    folder = os.path.join(work, "xdg_config_home", "tiled", "extensions", "zembrook")
    os.makedirs(os.path.dirname(folder))
    if linked:
        os.symlink(extension, folder)
    else:
        shutil.copytree(extension, folder)


def write(path, text):
    with open(path, "wb") as file:
        file.write(text.encode())
    return path


def codes(path):
    with open(path, "rb") as file:
        return file.read().split()


def walled(side, inside="0", after=""):
    rows = [" ".join("1" if 0 in (x, y) or side - 1 in (x, y) else inside for x in range(side))
            for y in range(side)]
    return f"{side}\n" + "\n".join(rows) + "\n" + after


def round_trip(work, args):
    # The default level; one holding codes the game does not know; one with notes after its
    # codes, also through Tiled's own format, where the notes ride in a map property.
    odd = write(os.path.join(work, "odd.txt"), "4\n1 1 1 1\n1 2 9 1\n1 -3 3 1\n1 1 1 1\n")
    notes = write(os.path.join(work, "notes.txt"), walled(4, after="\n# made by hand\n3 3\n"))
    install(work, args.extension)
    for level, through_tmx in ((args.level, False), (odd, False), (notes, False), (notes, True)):
        source = level
        if through_tmx:
            source = os.path.join(work, "saved.tmx")
            tiled_export(work, level, source, "tmx")
        saved = os.path.join(work, "saved.txt")
        tiled_export(work, source, saved)
        if open(saved, "rb").read() != open(level, "rb").read():
            sys.exit(f"{source} came back as:\n{open(saved).read()}")


# Each file with the place of its first error, or None when it opens. The real checker must say
# so, and the extension with it: linked beside the checker in its words, copied alone by its own
# rules at the same place.
LEVELS = {
    "typo.txt": ("5\n1 1 1 1 1\n1 3 0 3 1\n1 0 2x 3 1\n1 3 0 3 1\n1 1 1 1 1\n", "4:6"),
    "nul.txt": ("5\n1 1 1 1 1\n1 3 0 3 1\n1 0 2\0 3 1\n1 3 0 3 1\n1 1 1 1 1\n", "4:6"),
    "byte-order-mark.txt": ("\ufeff" + walled(3), "1:1"),
    "empty.txt": ("", "1:1"),
    "side-below.txt": (walled(SMALLEST - 1), "1:1"),
    "side-smallest.txt": (walled(SMALLEST), None),
    "side-largest.txt": (walled(LARGEST), None),
    "side-above.txt": (walled(LARGEST + 1), "1:1"),
    "too-few.txt": ("4\n1 1 1 1\n1 2 3 1\n1 1 1\n", "4:6"),
    "open-ring.txt": ("4\n1 1 1 1\n1 2 3 1\n0 0 0 1\n1 1 1 1\n", "4:1"),
    "code-too-large.txt": (walled(4, inside="2147483648"), "3:3"),
    "smallest-code.txt": (walled(4, inside="-2147483648"), None),
    "text-after.txt": (walled(4, inside="3", after="made by hand\n"), None),
    "carriage-returns.txt": (walled(4, inside="2").replace("\n", "\r\n"), None),
}


def checker_error(checker, path):
    """The checker's first error, its control characters spelled out as the extension does."""
    result = subprocess.run([checker, "check", path], capture_output=True)
    lines = result.stdout.decode().splitlines()
    first = next((line for line in lines if " error: " in line), None)
    if (result.returncode == 0) != (first is None):
        sys.exit(f"the checker exited {result.returncode} on {path}:\n{result.stdout}")
    return first and re.sub(r"[\x00-\x08\x0b-\x1f\x7f]", lambda c: f"\\x{ord(c[0]):02x}", first)


def levels_as_the_checker_says(work, args):
    checker = os.path.join(args.extension, "..", "zembrook-level")
    for linked in (True, False):
        home = os.path.join(work, "linked" if linked else "copied")
        install(home, args.extension, linked)
        for name, (text, place) in LEVELS.items():
            level = write(os.path.join(work, name), text)
            error = checker_error(checker, level)
            if (error and error[:error.index(" error: ")]) != (place and f"{level}:{place}:"):
                sys.exit(f"the checker's first error in {name} is not at {place}: {error}")
            saved = os.path.join(home, name)
            result = tiled(home, level, saved)
            where = f"{name} with the extension {'linked' if linked else 'copied'}"
            if error is None and (result.returncode != 0 or codes(saved) != codes(level)):
                sys.exit(f"{where} did not come back:\n{result.stderr}")
            # Beside the checker, its very words; alone, its place.
            expected = error if linked else f"{level}:{place}: error: "
            if error is not None and (result.returncode == 0 or expected not in result.stderr):
                sys.exit(f"{where}: expected '{expected}' on stderr, got:\n{result.stderr}")


TMX = """<?xml version="1.0" encoding="UTF-8"?>
<map version="1.8" orientation="orthogonal" renderorder="right-down" width="5" height="5"
     tilewidth="30" tileheight="30" infinite="0" nextlayerid="2" nextobjectid="1">
 <tileset firstgid="1" name="zembrook" tilewidth="30" tileheight="30" tilecount="7" columns="7">
  <image source="{image}" width="210" height="30"/>
 </tileset>
 <layer id="1" name="cells" width="5" height="5">
  <data encoding="csv">
2,2,2,2,2,
2,3,4,5,2,
2,6,0,7,2,
2,1,2,1,2,
2,2,2,2,2
</data>
 </layer>
</map>
"""


def tmx_export(work, args):
    install(work, args.extension)
    tmx = os.path.join(work, "drawn.tmx")
    with open(tmx, "w") as file:
        file.write(TMX.format(image=os.path.join(args.extension, "zembrook-tiles.png")))
    exported = os.path.join(work, "drawn.txt")
    tiled_export(work, tmx, exported)
    # Tile k is code k; the empty cell is street.
    expected = "5 1 1 1 1 1 1 2 3 4 1 1 5 0 6 1 1 0 1 0 1 1 1 1 1 1".split()
    if codes(exported) != [code.encode() for code in expected]:
        sys.exit(f"the TMX map exported as:\n{open(exported).read()}")


DRAWN = """<?xml version="1.0" encoding="UTF-8"?>
<map version="1.8" orientation="orthogonal" renderorder="right-down" width="{width}"
     height="{height}" tilewidth="30" tileheight="30" infinite="0" nextlayerid="9"
     nextobjectid="1">
 <tileset firstgid="1" name="zembrook" tilewidth="30" tileheight="30" tilecount="7" columns="7">
  <image source="{image}" width="210" height="30"/>
 </tileset>
 <tileset firstgid="8" name="other" tilewidth="30" tileheight="30" tilecount="7" columns="7">
  <image source="{other}" width="210" height="30"/>
 </tileset>
{layers}
</map>
"""


def layer(name, rows, visible=True):
    """Rows of codes 0..6, '.' for an empty cell and 'o' for a tile of the other tileset."""
    gids = [["0" if c == "." else "8" if c == "o" else str(int(c) + 1) for c in row]
            for row in rows.split()]
    return (f'<layer name="{name}" width="{len(gids[0])}" height="{len(gids)}" '
            f'visible="{int(visible)}"><data encoding="csv">'
            + ",".join(",".join(row) for row in gids) + "</data></layer>")


def drawn(work, args, layers):
    image = os.path.join(args.extension, "zembrook-tiles.png")
    other = os.path.join(work, "other.png")
    shutil.copyfile(image, other)
    first = re.search(r'width="(\d+)" height="(\d+)"', layers[0])
    path = os.path.join(work, "drawn.tmx")
    with open(path, "w") as file:
        file.write(DRAWN.format(width=first[1], height=first[2], image=image, other=other,
                                layers="\n".join(layers)))
    return path


GROUND = "1111 1001 1001 1111"
THINGS = ".... .23. ..4. ...."
MERGES = [
    # Layers from the bottom up, and the rows they make: the top visible tile wins.
    ([layer("ground", GROUND), layer("things", THINGS)], "1111 1231 1041 1111"),
    ([layer("things", THINGS), layer("ground", GROUND)], GROUND),
    ([layer("ground", GROUND), layer("zombies", "2222 " * 4, visible=False)], GROUND),
    ([layer("ground", GROUND),
      '<group name="plans" visible="0">' + layer("things", THINGS) + "</group>",
      '<group name="built">' + layer("mines", ".... .6.. .... ....") + "</group>"],
     "1111 1601 1001 1111"),
    # Codes kept for street cells go back only where the game reads them as street.
    ([layer("cells", GROUND),
      '<properties><property name="otherCodes" value="1,1=9 2,1=x 1,2=1 2,2=7"/></properties>'],
     "1111 1901 1071 1111"),
]


def merged_layers(work, args):
    install(work, args.extension)
    for layers, rows in MERGES:
        exported = os.path.join(work, "drawn.txt")
        tiled_export(work, drawn(work, args, layers), exported)
        expected = [str(len(rows.split()))] + list(rows.replace(" ", ""))
        if codes(exported) != [code.encode() for code in expected]:
            sys.exit(f"{layers} exported as:\n{open(exported).read()}")


REFUSALS = [
    # Layers from the bottom up, and what the reason names.
    ([layer("ground", GROUND), layer("things", ".... .o.. .... ....")],
     'layer "things", cell (1, 1): a tile of another tileset'),
    ([layer("ground", GROUND), layer("things", ".... .... 3... ....")],
     'layer "things", cell (0, 2): code 3, but the outer ring must be all walls'),
    ([layer("ground", "1111 1001 .001 1111")], "cell (0, 2) is empty in every visible layer"),
    ([layer("ground", GROUND), layer("cut", "0... .... .... ...."),
      layer("walls", "1... .... .... ....", visible=False)], 'layer "cut", cell (0, 0): code 0'),
    ([layer("ground", "1111 1001 1111")], "the map is 4 x 3 cells; a level is square"),
    ([layer("ground", " ".join(["1" * (SMALLEST - 1)] * (SMALLEST - 1)))],
     f"the map is {SMALLEST - 1} x {SMALLEST - 1} cells; a level's side is from {SMALLEST} to "
     f"{LARGEST}"),
]


def refused_maps(work, args):
    install(work, args.extension)
    for layers, reason in REFUSALS:
        target = os.path.join(work, "refused.txt")
        result = tiled(work, drawn(work, args, layers), target)
        if result.returncode == 0 or f"{target}: error: {reason}" not in result.stderr:
            sys.exit(f"expected '{reason}' on stderr, got ({result.returncode}):\n{result.stderr}")
        if os.path.exists(target):
            sys.exit(f"a refused map still wrote {target}")


def tileset_numbers(work, args):
    # The extension takes the tile size and the number of codes from the tileset's picture.
    header = open(os.path.join(args.extension, "zembrook-tiles.png"), "rb").read(24)
    width, height = struct.unpack(">II", header[16:24])
    numbers = {name: header_number(header_file, name)
               for header_file, name in (("src/entities/GameNumbers.hpp", "kTileSize"),
                                         ("src/entities/ObjectCode.hpp", "BuildMine"))}
    if (width, height) != ((numbers["BuildMine"] + 1) * numbers["kTileSize"], numbers["kTileSize"]):
        sys.exit(f"the tileset is {width} x {height} for the game's {numbers}")


CASES = {case.__name__: case for case in (round_trip, tmx_export, levels_as_the_checker_says,
                                           merged_layers, refused_maps, tileset_numbers)}


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("case", choices=CASES)
    parser.add_argument("--extension", required=True)
    parser.add_argument("--level", required=True)
    args = parser.parse_args()
    if shutil.which("tiled") is None:
        print("Tiled is not installed: skipped")
        return SKIPPED
    args.extension = os.path.abspath(args.extension)
    with tempfile.TemporaryDirectory(prefix="zembrook-tiled-") as work:
        CASES[args.case](work, args)
    return 0


if __name__ == "__main__":
    sys.exit(main())
