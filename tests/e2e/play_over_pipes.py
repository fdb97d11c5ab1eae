"""The built quiz played over pipes on the real clock: every question is
read off the screen, some are answered wrongly, every verdict is checked,
and the whole output must be exactly what the catalogue says."""

import sys

from quiz_driver import Quiz, play, quiz_env


def main(program):
    # A terminal type is set, but output to a pipe must carry no title.
    env = quiz_env(TERM="xterm-256color")
    with Quiz([program, "--ignored", "arguments"], env=env) as quiz:
        play(quiz, 40)
    assert b"\x1b" not in quiz.raw and b"\a" not in quiz.raw
    print("played 40 questions")


if __name__ == "__main__":
    main(sys.argv[1])
