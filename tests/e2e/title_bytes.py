"""The exact bytes a terminal gets for the title.  The quiz runs on a
pseudo-terminal: in a UTF-8 locale and in a GBK one (made with localedef
under a temporary LOCPATH) the title sequences stand where they belong, in
the locale's character set; a terminal type that takes no sequences gets
none; and a stopping signal gives the terminal its own title back once,
as the quiz's last output, unless the quiz was started with it ignored."""

import os
import pty
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import time

from quiz_driver import Quiz, play, quiz_env, stop

SKIP = 77
TIMEOUT = 20.0
PUSH, POP = b"\x1b[22;0t", b"\x1b[23;0t"


def title(text, encoding="utf-8"):
    return b"\x1b]2;" + text.encode(encoding) + b"\x07"


class PtyQuiz:
    """The quiz on a pseudo-terminal, with `ignored` signals ignored from
    its start; every byte it writes is kept.  Used in a with statement, it
    is killed if a check fails first."""

    def __init__(self, program, env, ignored=()):
        self.leader, follower = pty.openpty()

        def set_signals():
            for number in (signal.SIGINT, signal.SIGTERM, signal.SIGHUP):
                handler = signal.SIG_IGN if number in ignored else signal.SIG_DFL
                signal.signal(number, handler)

        self.proc = subprocess.Popen([program], stdin=follower, stdout=follower,
                                     stderr=subprocess.DEVNULL, env=env,
                                     preexec_fn=set_signals)
        os.close(follower)
        self.output = b""

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        stop(self.proc)
        os.close(self.leader)

    def read_until(self, what, test):
        deadline = time.monotonic() + TIMEOUT
        while not test(self.output):
            left = deadline - time.monotonic()
            if left <= 0:
                raise AssertionError("waited %ss in vain for %s; the last "
                                     "output: %r" % (TIMEOUT, what,
                                                     self.output[-200:]))
            if select.select([self.leader], [], [], min(left, 0.5))[0]:
                try:
                    chunk = os.read(self.leader, 4096)
                except OSError:  # the quiz has gone and closed the terminal
                    chunk = b""
                if not chunk:
                    raise AssertionError("the quiz ended before %s: %r"
                                         % (what, self.output[-200:]))
                self.output += chunk

    def wait_for_prompt(self):
        """Waits until the quiz waits at a fresh prompt: its output is
        written out before it waits, and ends in a prompt only then."""
        since = len(self.output)
        self.read_until("a prompt",
                        lambda out: len(out) > since and out.endswith(b": "))

    def type(self, line):
        os.write(self.leader, line)

    def end(self):
        """Ctrl-D: the end of input.  Returns the exit status and all the
        output."""
        self.type(b"\x04")
        return self.wait()

    def wait(self):
        status = self.proc.wait(timeout=TIMEOUT)
        try:
            while select.select([self.leader], [], [], 0.2)[0]:
                chunk = os.read(self.leader, 4096)
                if not chunk:
                    break
                self.output += chunk
        except OSError:
            pass
        return status


def answer_wrongly_once(quiz):
    """Answers -1 at each prompt, the first of which is showing, until a
    verdict has been given: a remainder question asks twice."""
    while "判定".encode("utf-8") not in quiz.output and \
            "判定".encode("gbk") not in quiz.output:
        quiz.type(b"-1\n")
        quiz.wait_for_prompt()


def check_titles(program, env, encoding):
    with PtyQuiz(program, env) as quiz:
        quiz.wait_for_prompt()
        answer_wrongly_once(quiz)
        assert quiz.end() == 0
        output = quiz.output
    assert output.startswith(PUSH + title("正确 0 错误 0", encoding)
                             + b"Quorvane V0.1.0"), output[:80]
    # The wrong answer's verdict, then the new title, then the next question.
    wrong = output.index(title("正确 0 错误 1", encoding))
    assert output[:wrong].endswith(b"\r\n"), output[wrong - 20:wrong]
    assert output[wrong:].split(b"\x07", 1)[1].startswith(b"\r\n("), output
    assert output.endswith(POP), output[-40:]
    assert output.count(b"\x1b") == 4, output


def check_no_sequences(program):
    for name, term in (("unset", None), ("empty", ""), ("dumb", "dumb")):
        env = quiz_env()
        env.pop("TERM", None)
        if term is not None:
            env["TERM"] = term
        with PtyQuiz(program, env) as quiz:
            quiz.wait_for_prompt()
            answer_wrongly_once(quiz)
            assert quiz.end() == 0, name
            output = quiz.output
        assert b"\x1b" not in output and b"\x07" not in output, (name, output)
        assert output.endswith(b": \r\n"), (name, output[-40:])


def check_signals(program):
    env = quiz_env(TERM="xterm")
    for number in (signal.SIGINT, signal.SIGTERM, signal.SIGHUP):
        # At its default, the signal ends the quiz, which gives the title
        # back first, once.
        with PtyQuiz(program, env) as quiz:
            quiz.wait_for_prompt()
            quiz.proc.send_signal(number)
            status = quiz.wait()
            output = quiz.output
        assert status == -number, (number.name, status)
        assert output.count(POP) == 1 and output.endswith(POP), \
            (number.name, output[-60:])

        # Ignored from the start (nohup), it stays ignored: the quiz goes on
        # and judges the next reply.
        with PtyQuiz(program, env, ignored=(number,)) as quiz:
            quiz.wait_for_prompt()
            quiz.proc.send_signal(number)
            answer_wrongly_once(quiz)
            assert title("正确 0 错误 1") in quiz.output, number.name
            assert quiz.end() == 0, number.name
            output = quiz.output
        assert output.count(POP) == 1 and output.endswith(POP), \
            (number.name, output[-60:])


def make_gbk_locale(folder):
    if not (shutil.which("localedef") and
            os.path.exists("/usr/share/i18n/charmaps/GBK.gz")):
        return None
    subprocess.run(["localedef", "-i", "zh_CN", "-f", "GBK",
                    os.path.join(folder, "zh_CN.GBK")], check=True,
                   capture_output=True, timeout=120)
    return dict(quiz_env(TERM="xterm"), LOCPATH=folder, LC_ALL="zh_CN.GBK")


def main(program):
    check_titles(program, quiz_env(TERM="xterm"), "utf-8")
    check_no_sequences(program)
    check_signals(program)

    with tempfile.TemporaryDirectory() as folder:
        env = make_gbk_locale(folder)
        if env is None:
            print("no GBK locale can be made (Debian package locales)")
            sys.exit(SKIP)
        check_titles(program, env, "gbk")
        # The whole dialogue comes out in GBK bytes.
        env.pop("TERM")
        with Quiz([program], encoding="gbk", env=env) as quiz:
            play(quiz, 10)
        # A locale's name without a codeset: the locale itself says GB2312.
        subprocess.run(["localedef", "-i", "zh_CN", "-f", "GB2312",
                        os.path.join(folder, "zh_CN")], check=True,
                       capture_output=True, timeout=120)
        env = dict(quiz_env(LANG="zh_CN"), LOCPATH=folder)
        done = subprocess.run([program], input=b"", capture_output=True,
                              env=env, timeout=TIMEOUT)
        assert done.returncode == 0, done.returncode
        assert done.stdout.endswith(("输入: \n".encode("gbk"),
                                     "商: \n".encode("gbk"))), done.stdout
    print("titles and text in UTF-8 and in GBK, where they belong; none "
          "without a terminal type; the title given back on a signal")


if __name__ == "__main__":
    main(sys.argv[1])
