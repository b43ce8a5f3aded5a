"""The editorconfig check run on files in a temporary folder with an .editorconfig of its own."""

import pathlib
import subprocess
import tempfile
import unittest

SCRIPT = pathlib.Path(__file__).resolve().parents[2] / "scripts" / "check-editorconfig"
RULES = "root = true\n[*]\nend_of_line = lf\ninsert_final_newline = true\n" \
        "trim_trailing_whitespace = true\nindent_style = space\n"


class CheckEditorconfigTest(unittest.TestCase):
    def test_each_broken_rule_is_reported_where_it_is_broken(self):
        with tempfile.TemporaryDirectory() as root:
            pathlib.Path(root, ".editorconfig").write_text(RULES)
            pathlib.Path(root, "good.sh").write_text("if true; then\n  echo yes\nfi\n")
            pathlib.Path(root, "bad.sh").write_bytes(b"echo a \n\techo b\r\necho c")
            result = subprocess.run([SCRIPT, "good.sh", "bad.sh"], cwd=root,
                                    capture_output=True, text=True)
        self.assertEqual(result.returncode, 1)
        self.assertEqual([line.split(": error: ")[0] for line in result.stdout.splitlines()],
                         ["bad.sh:1:7", "bad.sh:2:8", "bad.sh:2:1", "bad.sh:3:7"])


if __name__ == "__main__":
    unittest.main()
