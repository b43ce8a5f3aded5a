"""The launcher and the game without a display: one line that says so, and status 1."""

import os
import subprocess
import sys
import tempfile

sys.dont_write_bytecode = True  # keep the source tree free of __pycache__
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from harness import expect, level, main  # noqa: E402

# A zombie and a human in a walled room: nothing for the checker to warn of.
QUIET = level("11111",
              "12031",
              "10001",
              "10101",
              "11111")


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


if __name__ == "__main__":
    main({"no_display_is_one_line": no_display_is_one_line})
