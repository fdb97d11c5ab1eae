"""Plays the built quiz over pipes, as a person at the keyboard would.

The driver reads what the quiz shows until it waits at a prompt, works out
the question from the screen, and types a reply.  Every read has a time
limit, so a quiz that stops answering fails the test instead of hanging it.
"""

import os
import re
import select
import subprocess
import time

PROMPTS = ("输入: ", "商: ", "余数: ")
QUESTION = re.compile(
    r"\n\((\d+)\) (\d+) ([+\-×÷]) (\d+) = \( \)( ······ \( \))?\n(?:输入|商): ")
TIMEOUT = 20.0


class Quiz:
    def __init__(self, command, encoding="utf-8", newline="\n", env=None):
        self.encoding = encoding
        self.newline = newline
        self.proc = subprocess.Popen(
            command, stdin=subprocess.PIPE, stdout=subprocess.PIPE,
            env=env if env is not None else quiz_env())
        self.raw = b""  # every byte the quiz wrote

    def _read_some(self, deadline):
        left = deadline - time.monotonic()
        if left <= 0:
            raise AssertionError("the quiz said nothing for %ss; so far: %r"
                                 % (TIMEOUT, self.raw[-200:]))
        ready, _, _ = select.select([self.proc.stdout], [], [], left)
        if not ready:
            return True
        chunk = os.read(self.proc.stdout.fileno(), 65536)
        if not chunk:
            return False
        self.raw += chunk
        return True

    def text(self):
        """All the quiz has shown, with its line ends made plain."""
        return self.raw.decode(self.encoding).replace(self.newline, "\n")

    def wait_for_prompt(self, since):
        """Reads until the text after offset `since` ends in a prompt."""
        deadline = time.monotonic() + TIMEOUT
        while True:
            shown = self.text()[since:]
            if shown.endswith(PROMPTS):
                return shown
            if not self._read_some(deadline):
                raise AssertionError("the quiz ended while a prompt was due: %r"
                                     % shown[-200:])

    def type(self, line):
        self.proc.stdin.write((line + "\n").encode("ascii"))
        self.proc.stdin.flush()

    def finish(self):
        """Closes the quiz's input and returns its exit status."""
        self.proc.stdin.close()
        deadline = time.monotonic() + TIMEOUT
        while self._read_some(deadline):
            pass
        return self.proc.wait(timeout=TIMEOUT)

    # Used in a with statement, the quiz is killed if a check fails first.
    def __enter__(self):
        return self

    def __exit__(self, *exc):
        stop(self.proc)
        for pipe in (self.proc.stdin, self.proc.stdout):
            if not pipe.closed:
                pipe.close()


def stop(proc):
    """Kills `proc` if it is still running, and reaps it."""
    if proc.poll() is None:
        proc.kill()
    proc.wait()


def quiz_env(**extra):
    env = {k: v for k, v in os.environ.items() if not k.startswith("LC_")}
    env["LANG"] = "C.UTF-8"
    env.update(extra)
    return env


def solve(sign, left, right):
    if sign == "+":
        return left + right, None
    if sign == "-":
        return left - right, None
    if sign == "×":
        return left * right, None
    return left // right, left % right


def question_text(number, left, sign, right, pair):
    """A question as the catalogue words it, with its first prompt."""
    if pair:
        return "\n(%d) %d ÷ %d = ( ) ······ ( )\n商: " % (number, left, right)
    return "\n(%d) %d %s %d = ( )\n输入: " % (number, left, sign, right)


def verdict_text(wrong, answer, remainder):
    if not wrong:
        return "判定: 正确\n"
    if remainder:
        return "判定: 错误\n正确答案是: %d %d\n" % (answer, remainder)
    return "判定: 错误\n正确答案是: %d\n" % answer


BANNER_TITLE = "Quorvane V0.1.0\n"


def play(quiz, turns, wrong_every=3):
    """Plays `turns` questions, answering every `wrong_every`-th wrongly,
    then ends the input.  Checks every question and verdict, and that the
    whole output is exactly the banner, the turns and the closing line end.
    Returns the questions seen as (number, left, sign, right)."""
    seen = []
    shown = quiz.wait_for_prompt(0)
    banner = "".join(shown.splitlines(keepends=True)[:3])
    assert banner.startswith(BANNER_TITLE) and banner.count("\n") == 3, shown
    expected = banner
    for turn in range(1, turns + 2):
        shown = quiz.wait_for_prompt(len(expected))
        assert quiz.text().startswith(expected), (quiz.text()[-300:],
                                                  expected[-300:])
        match = QUESTION.fullmatch(shown)
        assert match, "not a question: %r" % shown
        number, left, sign, right = (int(match[1]), int(match[2]), match[3],
                                     int(match[4]))
        pair = match[5] is not None
        expected += question_text(number, left, sign, right, pair)
        assert shown == expected[-len(shown):], shown
        if turn > turns:
            break
        assert number == turn, (number, turn)
        bound = 10 + number // 5
        assert 0 <= left < bound and 0 <= right < bound, (left, right, bound)
        # Only two zero draws put a smaller number first: 0 ÷ 1.
        assert (left >= right or sign in "+×" or
                (sign, left, right) == ("÷", 0, 1)), (left, sign, right)
        assert sign != "÷" or right >= 1
        answer, remainder = solve(sign, left, right)
        assert pair == bool(remainder), shown
        wrong = turn % wrong_every == 0
        quiz.type(str(answer + 1 if wrong else answer))
        if pair:
            prompt = "余数: "
            assert quiz.wait_for_prompt(len(expected)) == prompt
            expected += prompt
            quiz.type(str(remainder))
        expected += verdict_text(wrong, answer, remainder)
        seen.append((number, left, sign, right))
    assert quiz.finish() == 0, "the end of input must end the quiz with 0"
    assert quiz.text() == expected + "\n", (quiz.text()[-300:], expected[-300:])
    return seen
