"""The layer check run on small source trees made in a temporary folder."""

import pathlib
import subprocess
import sys
import tempfile
import unittest

SCRIPT = pathlib.Path(__file__).resolve().parents[2] / "scripts" / "check-layers"


def run_on(files):
    """Writes the files (path: text) under a fresh root and runs the check on it."""
    with tempfile.TemporaryDirectory() as root:
        for name, text in files.items():
            path = pathlib.Path(root, name)
            path.parent.mkdir(parents=True, exist_ok=True)
            path.write_text(text)
        return subprocess.run([sys.executable, SCRIPT, root], cwd=root, capture_output=True,
                              text=True)


class CheckLayersTest(unittest.TestCase):
    def test_an_upward_include_is_reported_where_it_stands(self):
        result = run_on({
            "src/world/World.hpp": "#pragma once\n",
            "src/entities/Creature.cpp": '#include <cmath>\n\n#include "world/World.hpp"\n',
        })
        self.assertEqual(result.returncode, 1)
        self.assertRegex(result.stdout, r"^src/entities/Creature\.cpp:3:10: error: .*world/World")

    def test_the_level_tools_parts_are_gated_like_the_game(self):
        cases = [
            ({"tools/level/play/SeedRun.cpp": '#include "report/Difficulty.hpp"\n'},
             r"^tools/level/play/SeedRun\.cpp:1:10: error: play includes \"report/Difficulty"),
            ({"tools/level/console/Output.cpp": '\n#include "levelformat/LevelCheck.hpp"\n'},
             r"^tools/level/console/Output\.cpp:2:10: error: console includes"),
            ({"tools/level/Loose.cpp": "\n"},
             r"^tools/level/Loose\.cpp:1:1: error: source file outside the layers"),
            ({"tools/level/extra/Piece.cpp": "\n"},
             r"^tools/level/extra:1:1: error: folder is not a known layer"),
        ]
        for files, finding in cases:
            with self.subTest(files=files):
                result = run_on({"src/app/Game.hpp": "#pragma once\n", **files})
                self.assertEqual(result.returncode, 1)
                self.assertRegex(result.stdout, finding)

    def test_own_and_lower_layers_tools_and_tests_pass(self):
        result = run_on({
            "src/app/Session.cpp": '#include "app/Session.hpp"\n#include "toolkit/Random.hpp"\n',
            "src/ui/Hud.cpp": '#include "world/TimePoint.hpp"\n',
            "tests/toolkit/RandomTest.cpp": '#include "app/Session.hpp"\n',
            "tools/level/cli/LadderCommand.cpp": ('#include "console/Output.hpp"\n'
                                                 '#include "report/Difficulty.hpp"\n'
                                                 '#include "app/HeadlessGame.hpp"\n'),
            "tools/chooser/main.cpp": '#include "cli/Commands.hpp"\n',
        })
        self.assertEqual((result.returncode, result.stdout), (0, ""))


if __name__ == "__main__":
    unittest.main()
