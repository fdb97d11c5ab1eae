"""Runs the built quiz in a real terminal, tmux, and reads its screen and
its pane title, which is where a terminal shows the window title."""

import os
import re
import subprocess
import time

from quiz_driver import solve

TIMEOUT = 30.0
QUESTION = re.compile(r"\((\d+)\) (\d+) ([+\-×÷]) (\d+) = \( \)( ······)?")


class Terminal:
    started = 0

    def __init__(self, script, args, decode=lambda screen: screen):
        """Starts `sh -c script args...` in a new tmux pane.  `decode` turns
        the screen as tmux shows it into the quiz's text."""
        Terminal.started += 1
        self.socket = "quorvane-test-%d-%d" % (os.getpid(), Terminal.started)
        self.decode = decode
        self.env = dict(os.environ, LANG="C.UTF-8", TERM="xterm-256color")
        self.env.pop("TMUX", None)
        self.tmux("new-session", "-d", "-x", "100", "-y", "40", "sh", "-c",
                  script, *args)

    def tmux(self, *args):
        return subprocess.run(["tmux", "-u", "-L", self.socket, *args],
                              env=self.env, check=True, capture_output=True,
                              text=True, timeout=TIMEOUT).stdout

    def title(self):
        return self.tmux("display", "-p", "#{pane_title}").rstrip("\n")

    def screen(self):
        return self.decode(self.tmux("capture-pane", "-p"))

    def wait(self, what, test):
        deadline = time.monotonic() + TIMEOUT
        while not test():
            if time.monotonic() > deadline:
                raise AssertionError("waited in vain for %s; title %r, screen:"
                                     "\n%s" % (what, self.title(), self.screen()))
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

    def answer(self, wrong):
        """Answers the last question shown, both replies on one line."""
        match = QUESTION.findall(self.screen())[-1]
        left, sign, right, pair = int(match[1]), match[2], int(match[3]), match[4]
        answer, remainder = solve(sign, left, right)
        reply = str(answer + 1 if wrong else answer)
        self.tmux("send-keys", "-l", reply + (" %d" % remainder if pair else ""))
        self.tmux("send-keys", "Enter")

    def keys(self, *keys):
        self.tmux("send-keys", *keys)

    def close(self):
        subprocess.run(["tmux", "-L", self.socket, "kill-server"],
                       env=self.env, capture_output=True, timeout=TIMEOUT)


def follow_the_tally(term, shown_prompts=1):
    """Answers wrongly, then rightly, checking the title at each prompt;
    `shown_prompts` prompts are on the screen already."""
    term.wait_for_prompt(shown_prompts)
    assert term.title() == "正确 0 错误 0", term.title()
    term.answer(wrong=True)
    term.wait_for_title("正确 0 错误 1")
    term.wait_for_prompt(shown_prompts + 1)
    term.answer(wrong=False)
    term.wait_for_title("正确 1 错误 1")
    term.wait_for_prompt(shown_prompts + 2)
