"""The tally in a real terminal's title: tmux runs the built quiz, and its
pane title follows the verdicts, then shows the terminal's own title again
when the quiz ends, by the end of input or by Ctrl-C."""

import os
import re
import shutil
import subprocess
import sys
import time

from quiz_driver import solve

SKIP = 77
TIMEOUT = 20.0
BEFORE = "title before the quiz"
QUESTION = re.compile(r"\((\d+)\) (\d+) ([+\-×÷]) (\d+) = \( \)( ······)?")


class Terminal:
    def __init__(self, program):
        self.socket = "quorvane-test-%d" % os.getpid()
        self.env = dict(os.environ, LANG="C.UTF-8", TERM="xterm-256color")
        self.env.pop("TMUX", None)
        # The pane first sets a title of its own, then runs the quiz, then
        # says how the quiz ended and stays, so the title can still be read.
        # The shell traps Ctrl-C (a trap, unlike an ignored signal, is not
        # passed on to the quiz) so that it outlives the quiz.
        script = ('trap : INT; printf "\\033]2;%s\\007"; sleep 0.3; "$0"; '
                  'echo "quiz ended: $?"; sleep 60' % BEFORE)
        self.tmux("new-session", "-d", "-x", "100", "-y", "40", "sh", "-c",
                  script, program)

    def tmux(self, *args):
        return subprocess.run(["tmux", "-u", "-L", self.socket, *args],
                              env=self.env, check=True, capture_output=True,
                              text=True, timeout=TIMEOUT).stdout

    def title(self):
        return self.tmux("display", "-p", "#{pane_title}").rstrip("\n")

    def screen(self):
        return self.tmux("capture-pane", "-p")

    def wait(self, what, test):
        deadline = time.monotonic() + TIMEOUT
        while not test():
            if time.monotonic() > deadline:
                raise AssertionError("waited in vain for %s; title %r, screen:\n%s"
                                     % (what, self.title(), self.screen()))
            time.sleep(0.05)

    def wait_for_title(self, title):
        self.wait("the title %r" % title, lambda: self.title() == title)

    def wait_for_prompt(self, count):
        """Waits until `count` prompts have been shown and one is waiting.
        The screen as tmux gives it has no blanks at the ends of lines."""
        def ready():
            screen = self.screen()
            prompts = re.findall(r"(?:输入|商|余数):", screen)
            return len(prompts) >= count and screen.rstrip().endswith(":")
        self.wait("prompt %d" % count, ready)

    def question(self):
        match = QUESTION.findall(self.screen())[-1]
        return int(match[1]), match[2], int(match[3]), bool(match[4])

    def answer(self, wrong):
        left, sign, right, pair = self.question()
        answer, remainder = solve(sign, left, right)
        reply = str(answer + 1 if wrong else answer)
        self.tmux("send-keys", "-l", reply + (" %d" % remainder if pair else ""))
        self.tmux("send-keys", "Enter")

    def close(self):
        subprocess.run(["tmux", "-L", self.socket, "kill-server"],
                       env=self.env, capture_output=True, timeout=TIMEOUT)


def play_and_stop(program, stop_key, status):
    term = Terminal(program)
    try:
        term.wait_for_prompt(1)
        assert term.title() == "正确 0 错误 0", term.title()
        term.answer(wrong=True)
        term.wait_for_title("正确 0 错误 1")
        term.wait_for_prompt(2)
        term.answer(wrong=False)
        term.wait_for_title("正确 1 错误 1")
        term.wait_for_prompt(3)
        term.tmux("send-keys", stop_key)
        term.wait("the quiz to end",
                  lambda: "quiz ended: %d" % status in term.screen())
        assert term.title() == BEFORE, term.title()
    finally:
        term.close()


def main(program):
    if not shutil.which("tmux"):
        print("tmux is not installed (Debian package tmux)")
        sys.exit(SKIP)
    play_and_stop(program, "C-d", 0)
    play_and_stop(program, "C-c", 130)
    print("the pane title followed the tally and was given back")


if __name__ == "__main__":
    main(sys.argv[1])
