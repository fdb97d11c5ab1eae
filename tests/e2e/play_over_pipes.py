"""The built quiz played over pipes on the real clock: every question is
read off the screen, some are answered wrongly, and every verdict checked."""

import sys

from quiz_driver import Quiz, play, quiz_env


def main(program):
    # A terminal type is set, but output to a pipe must carry no title.
    env = quiz_env(TERM="xterm-256color")
    quiz = Quiz([program, "--ignored", "arguments"], env=env)
    shown = quiz.wait_for_prompt(0)
    assert shown.startswith("Quorvane V0.1.0\n"), shown
    lines = shown.split("\n")
    assert lines[3] == "" and lines[4].startswith("(1) "), lines
    play(quiz, 40)
    status = quiz.finish()
    assert status == 0, status
    # The end of input closes the open prompt's line.
    assert quiz.text().endswith(("输入: \n", "商: \n")), quiz.text()[-50:]
    assert b"\x1b" not in quiz.raw and b"\a" not in quiz.raw
    print("played 40 questions")


if __name__ == "__main__":
    main(sys.argv[1])
