"""The tally in a real terminal's title: tmux runs the built quiz, and its
pane title follows the verdicts, then shows the terminal's own title again
when the quiz ends, by the end of input or by Ctrl-C, and while Ctrl-Z has
it suspended in a shell with job control; fg shows the tally again."""

import shutil
import sys

from terminal import Terminal, follow_the_tally

SKIP = 77
BEFORE = "title before the quiz"

# The pane sets a title of its own, runs the quiz, says how the quiz ended
# and stays, so that the title can still be read.  The shell traps Ctrl-C
# (a trap, unlike an ignored signal, is not passed on to the quiz) so that
# it outlives the quiz.
SCRIPT = ('trap : INT; printf "\\033]2;%s\\007"; sleep 0.3; "$0"; '
          'echo "quiz ended: $?"; sleep 60' % BEFORE)


def play_and_stop(program, stop_key, status):
    term = Terminal(SCRIPT, [program])
    try:
        follow_the_tally(term)
        term.keys(stop_key)
        term.wait("the quiz to end",
                  lambda: "quiz ended: %d" % status in term.screen())
        assert term.title() == BEFORE, term.title()
    finally:
        term.close()


# A shell with job control, with no start-up files to set a title of its own.
SHELL_SCRIPT = ('printf "\\033]2;%s\\007"; PS1="shell> " exec bash --norc '
                '--noprofile -i' % BEFORE)


def suspend_and_resume(program):
    term = Terminal(SHELL_SCRIPT, ["sh"])
    try:
        term.wait("the shell's prompt", lambda: "shell>" in term.screen())
        term.keys("-l", program)
        term.keys("Enter")
        follow_the_tally(term)
        term.keys("C-z")
        term.wait("the quiz to be suspended",
                  lambda: "Stopped" in term.screen())
        term.wait_for_title(BEFORE)
        term.keys("-l", "fg")
        term.keys("Enter")
        # The tally at once, before any verdict.
        term.wait_for_title("正确 1 错误 1")
        term.answer(wrong=True)
        term.wait_for_title("正确 1 错误 2")
        term.keys("C-d")
        term.wait_for_title(BEFORE)
    finally:
        term.close()


def main(program):
    if not shutil.which("tmux"):
        print("tmux is not installed (Debian package tmux)")
        sys.exit(SKIP)
    play_and_stop(program, "C-d", 0)
    play_and_stop(program, "C-c", 130)
    if shutil.which("bash"):
        suspend_and_resume(program)
    else:
        print("bash is not installed (Debian package bash): Ctrl-Z and fg "
              "not checked")
    print("the pane title followed the tally and was given back")


if __name__ == "__main__":
    main(sys.argv[1])
