"""Bash completion, as bash runs it: zembrook completes its options, the names of the levels that
come with the tree whose launcher is completed, and files; zembrook-level completes every command
and option its help names. No terminal: the completion function is called as bash calls it."""

import os
import re
import subprocess
import sys
import tempfile

sys.dont_write_bytecode = True  # keep the source tree free of __pycache__
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from harness import expect, main, note  # noqa: E402
from install_test import Installation  # noqa: E402
from launcher_test import build_launcher, ladder  # noqa: E402

SOURCES = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools",
                       "completion")
# Sources the file, finds the function it registers for the command, and calls it with the
# words typed so far, the last one being completed.
CALL = r"""
source "$1" || exit 1
function=$(complete -p "$2" | sed -n 's/.* -F \([^ ]*\) .*/\1/p')
shift 2
COMP_WORDS=("$@")
COMP_CWORD=$(($# - 1))
"$function" "$1" "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}" || exit 1
printf '%s\n' "${COMPREPLY[@]}"
"""


def offered(completion, command, words, cwd):
    result = subprocess.run(["bash", "--norc", "--noprofile", "-c", CALL, "bash", completion,
                             command, *words], cwd=cwd, capture_output=True, text=True,
                            timeout=30)
    expect(result.returncode == 0 and not result.stderr,
           f"completing {words}: status {result.returncode}, {result.stderr!r}")
    return [line for line in result.stdout.splitlines() if line]


def level_names_are_offered(context):
    installation = Installation(context)
    try:
        names = [row[0] for row in ladder(context.stage)]
        last = names[-1]
        completions = os.path.join(installation.prefix, "share", "bash-completion",
                                   "completions")
        player = installation.player  # holds pillar.txt and breached.txt
        for completion, launcher in ((os.path.join(SOURCES, "zembrook"), build_launcher(context)),
                                     (os.path.join(completions, "zembrook"),
                                      installation.launcher)):
            for words, wanted in (([""], set(names) | {"pillar.txt", "breached.txt"}),
                                  ([last[:2]], {n for n in names if n.startswith(last[:2])}),
                                  (["--", ""], {"pillar.txt", "breached.txt"}),
                                  (["--l"], {"--list"}),
                                  (["--list", ""], set()),
                                  ([last, ""], set())):
                got = offered(completion, "zembrook", [launcher, *words], player)
                expect(set(got) == wanted, f"{completion}: {words} offers {got}, not {wanted}")
        # A listing that would show escape bytes, raw C1 controls or a reversing mark: only
        # the name that is a plain word is offered.
        hostile = os.path.join(installation.root, "hostile")
        with open(hostile, "w") as out:
            out.write("#!/bin/sh\nprintf 'name title\\n\\033[31mred x\\nc1\\302\\233 x\\n"
                      "\\342\\200\\256left x\\nplain x\\n'\n")
        os.chmod(hostile, 0o755)
        got = offered(os.path.join(SOURCES, "zembrook"), "zembrook", [hostile, ""],
                      installation.tmp)
        expect(got == ["plain"], f"a hostile listing offers {got}, not only 'plain'")
        note(f"names {', '.join(names)} offered from the staged and the installed tree")
    finally:
        installation.remove()


def level_commands_are_offered(context):
    # The completion asks the program being completed, here the staged one.
    program = os.path.join(context.stage, "zembrook-level")
    usage = subprocess.run([program, "--help"], capture_output=True, text=True).stdout
    # The synopsis ends at the first blank line; a command's options may go on over more lines.
    commands = {}
    for line in usage.split("\n\n")[0].splitlines():
        found = re.search(r"zembrook-level (\w+)(.*)", line)
        if found:
            command = found.group(1)
        commands[command] = commands.get(command, "") + (found.group(2) if found else line)
    expect(commands, f"no command in the usage text {usage!r}")
    completion = os.path.join(SOURCES, "zembrook-level")
    with tempfile.TemporaryDirectory(prefix="zembrook-completion-") as root:
        open(os.path.join(root, "level.txt"), "w").close()
        os.mkdir(os.path.join(root, "pictures"))
        got = offered(completion, "zembrook-level", [program, ""], root)
        expect(set(commands) <= set(got), f"commands {sorted(commands)} but {got} offered")
        for command, rest in commands.items():
            options = set(re.findall(r"\[(--[a-z-]+)", rest))
            got = offered(completion, "zembrook-level", [program, command, "--"], root)
            expect(options <= set(got), f"{command}: options {sorted(options)} but {got}")
            got = offered(completion, "zembrook-level", [program, command, "l"], root)
            expect(got == ["level.txt"], f"{command}: a file offered as {got}")
        # A value is completed by what stands for it: a folder, or nothing for a number.
        for option, wanted in (("--assets", ["pictures"]), ("--seeds", [])):
            got = offered(completion, "zembrook-level", [program, "openings", option, ""], root)
            expect(got == wanted, f"{option}: {got} offered, not {wanted}")
    note(f"commands and options of {', '.join(commands)} offered")


if __name__ == "__main__":
    main({"level_names_are_offered": level_names_are_offered,
          "level_commands_are_offered": level_commands_are_offered})
