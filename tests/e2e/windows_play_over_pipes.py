"""The Windows program under Wine, over pipes: its output byte for byte in
GBK with CR LF line ends, a few dozen questions played on the real clock,
and the end of input ending it with status 0."""

import subprocess
import sys

from quiz_driver import BANNER_TITLE, Quiz, play, quiz_env


def check_line_ends(raw):
    """Every line end is CR LF: no LF or CR stands alone."""
    alone = raw.replace(b"\r\n", b"")
    assert b"\n" not in alone and b"\r" not in alone, raw[-200:]


def main(program, *emulator):
    command = [*emulator, program]
    with Quiz(command, encoding="gbk", newline="\r\n", env=quiz_env()) as quiz:
        play(quiz, 30)
    check_line_ends(quiz.raw)
    assert quiz.raw.startswith(BANNER_TITLE.encode().replace(b"\n", b"\r\n"))

    # Empty input: the banner, the first question, and a fresh line.
    empty = subprocess.run(command, stdin=subprocess.DEVNULL,
                           capture_output=True, timeout=120, env=quiz_env())
    assert empty.returncode == 0, empty.returncode
    check_line_ends(empty.stdout)
    text = empty.stdout.decode("gbk").replace("\r\n", "\n")
    assert text.count("\n(1) ") == 1 and text.endswith(("输入: \n", "商: \n"))
    print("the Windows program spoke GBK with CR LF line ends")


if __name__ == "__main__":
    main(*sys.argv[1:])
