"""The Windows program's console title under Wine: Wine's console, inside
tmux, hands the title that SetConsoleTitleW sets to the terminal, so the
pane title follows the tally.  (Wine's terminal console does not hand
Ctrl-Z over as the end of input, so the pipe test checks that end.)"""

import shutil
import sys

from terminal import Terminal, follow_the_tally

SKIP = 77
SCRIPT = '"$@"'


def gbk_seen_as_latin(screen):
    # Wine's console shows the GBK bytes in its own code page, 1252 in the
    # C locale; taking them back gives the quiz's text.
    return screen.encode("cp1252", errors="replace").decode("gbk",
                                                            errors="replace")


def main(program, *emulator):
    if not shutil.which("tmux"):
        print("tmux is not installed (Debian package tmux)")
        sys.exit(SKIP)
    term = Terminal(SCRIPT, ["sh", *emulator, program], gbk_seen_as_latin)
    try:
        follow_the_tally(term)
    finally:
        term.close()
    print("the console title followed the tally")


if __name__ == "__main__":
    main(*sys.argv[1:])
