"""The exact bytes a terminal gets for the title: the quiz runs on a
pseudo-terminal, in a UTF-8 locale and in a GBK one (made with localedef
where the locale sources are installed), and the title sequences must
stand where they belong, in the locale's character set."""

import os
import pty
import select
import shutil
import subprocess
import sys
import tempfile
import time

from quiz_driver import Quiz, play, quiz_env

SKIP = 77
PUSH, POP = b"\x1b[22;0t", b"\x1b[23;0t"


def title(text, encoding):
    return b"\x1b]2;" + text.encode(encoding) + b"\x07"


def run_on_terminal(program, env, first_verdict=b""):
    """Runs the quiz on a pseudo-terminal and answers wrongly at each prompt
    until `first_verdict` has come, then ends the input at the next prompt;
    returns every byte the quiz wrote."""
    leader, follower = pty.openpty()
    proc = subprocess.Popen([program], stdin=follower, stdout=follower,
                            stderr=subprocess.DEVNULL, env=env)
    os.close(follower)
    output = b""

    def read_until(test):
        nonlocal output
        deadline = time.monotonic() + 20
        while not test(output):
            assert time.monotonic() < deadline, output[-200:]
            if select.select([leader], [], [], 0.5)[0]:
                try:
                    output += os.read(leader, 4096)
                except OSError:  # the quiz has gone and closed the terminal
                    return

    # The quiz writes its output out before it waits, so output that ends
    # in a prompt means it is waiting; the echo of a reply ends otherwise.
    def waiting_again(since):
        return lambda out: len(out) > since and out.endswith(b": ")

    read_until(waiting_again(0))
    while first_verdict not in output:
        os.write(leader, b"-1\n")
        read_until(waiting_again(len(output)))
    os.write(leader, b"\x04")  # Ctrl-D: the end of input
    assert proc.wait(timeout=20) == 0
    read_until(lambda out: False)
    os.close(leader)
    return output


def first_title(encoding):
    return title("正确 0 错误 1", encoding)


def check_titles(output, encoding):
    assert output.startswith(PUSH + title("正确 0 错误 0", encoding)
                             + b"Quorvane V0.1.0"), output[:80]
    # The wrong answer's verdict, then the new title, then the next question.
    wrong = output.index(title("正确 0 错误 1", encoding))
    assert output[:wrong].endswith(b"\r\n"), output[wrong - 20:wrong]
    assert output[wrong:].split(b"\x07", 1)[1].startswith(b"\r\n("), output
    assert output.endswith(POP), output[-40:]
    assert output.count(b"\x1b") == 4, output


def make_gbk_locale(folder):
    if not (shutil.which("localedef") and
            os.path.exists("/usr/share/i18n/charmaps/GBK.gz")):
        return None
    subprocess.run(["localedef", "-i", "zh_CN", "-f", "GBK",
                    os.path.join(folder, "zh_CN.GBK")], check=True,
                   capture_output=True, timeout=120)
    return dict(quiz_env(TERM="xterm"), LOCPATH=folder, LC_ALL="zh_CN.GBK")


def main(program):
    utf8 = quiz_env(TERM="xterm")
    check_titles(run_on_terminal(program, utf8, first_title("utf-8")), "utf-8")
    dumb = run_on_terminal(program, quiz_env(TERM="dumb"))
    assert b"\x1b" not in dumb and dumb.endswith(b": \r\n"), dumb

    with tempfile.TemporaryDirectory() as folder:
        env = make_gbk_locale(folder)
        if env is None:
            print("no GBK locale can be made (Debian package locales)")
            sys.exit(SKIP)
        check_titles(run_on_terminal(program, env, first_title("gbk")), "gbk")
        # The whole dialogue comes out in GBK bytes.
        env.pop("TERM")
        play(Quiz([program], encoding="gbk", env=env), 10)
    print("titles and text in UTF-8 and in GBK, where they belong")


if __name__ == "__main__":
    main(sys.argv[1])
