#!/usr/bin/env python3
"""The Tiled extension in Tiled itself, offscreen: a level read and written back keeps its codes,
and a map drawn in Tiled's own TMX form exports to the codes of its tiles.

Usage: tiled_test.py round_trip|tmx_export --extension STAGED_FOLDER --level LEVEL_FILE
Exits 77 (skipped) where Tiled is not installed."""

import argparse
import os
import shutil
import subprocess
import sys
import tempfile

SKIPPED = 77


def tiled_export(work, source, target, fmt="zembrook"):
    """Runs Tiled's command-line export with the extension installed in a private config."""
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    for name in ("XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_RUNTIME_DIR"):
        env[name] = os.path.join(work, name.lower())
        os.makedirs(env[name], mode=0o700, exist_ok=True)
    result = subprocess.run(["tiled", "--export-map", fmt, source, target], env=env,
                            capture_output=True, text=True, timeout=90)
    if result.returncode != 0:
        sys.exit(f"tiled --export-map failed ({result.returncode}):\n{result.stderr}")


def install(work, extension):
    extensions = os.path.join(work, "xdg_config_home", "tiled", "extensions")
    os.makedirs(extensions)
    os.symlink(extension, os.path.join(extensions, "zembrook"))


def codes(path):
    with open(path) as file:
        return file.read().split()


def round_trip(work, args):
    # The default level, and a small one holding a code the game does not know.
    odd = os.path.join(work, "odd.txt")
    with open(odd, "w") as file:
        file.write("4\n1 1 1 1\n1 2 9 1\n1 -3 3 1\n1 1 1 1\n")
    for level in (args.level, odd):
        saved = os.path.join(work, "saved.txt")
        tiled_export(work, level, saved)
        if codes(saved) != codes(level):
            sys.exit(f"{level} came back as:\n{open(saved).read()}")


TMX = """<?xml version="1.0" encoding="UTF-8"?>
<map version="1.8" orientation="orthogonal" renderorder="right-down" width="4" height="4"
     tilewidth="30" tileheight="30" infinite="0" nextlayerid="2" nextobjectid="1">
 <tileset firstgid="1" name="zembrook" tilewidth="30" tileheight="30" tilecount="7" columns="7">
  <image source="{image}" width="210" height="30"/>
 </tileset>
 <layer id="1" name="cells" width="4" height="4">
  <data encoding="csv">
2,2,2,2,
2,3,4,2,
2,5,0,6,
2,2,7,2
</data>
 </layer>
</map>
"""


def tmx_export(work, args):
    tmx = os.path.join(work, "drawn.tmx")
    with open(tmx, "w") as file:
        file.write(TMX.format(image=os.path.join(args.extension, "zembrook-tiles.png")))
    exported = os.path.join(work, "drawn.txt")
    tiled_export(work, tmx, exported)
    # Tile k is code k; the empty cell is street.
    expected = "4 1 1 1 1 1 2 3 1 1 4 0 5 1 1 6 1".split()
    if codes(exported) != expected:
        sys.exit(f"the TMX map exported as:\n{open(exported).read()}")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("case", choices=["round_trip", "tmx_export"])
    parser.add_argument("--extension", required=True)
    parser.add_argument("--level", required=True)
    args = parser.parse_args()
    if shutil.which("tiled") is None:
        print("Tiled is not installed: skipped")
        return SKIPPED
    with tempfile.TemporaryDirectory(prefix="zembrook-tiled-") as work:
        install(work, os.path.abspath(args.extension))
        {"round_trip": round_trip, "tmx_export": tmx_export}[args.case](work, args)
    return 0


if __name__ == "__main__":
    sys.exit(main())
