"""The built quiz with its clock frozen by faketime: within one second every
question repeats the same draws, so the sequence of questions is known."""

import shutil
import sys

from quiz_driver import Quiz, play, quiz_env

SKIP = 77  # CTest's skip code, set as the test's SKIP_RETURN_CODE


def main(program):
    faketime = shutil.which("faketime")
    if not faketime:
        print("faketime is not installed (Debian package faketime)")
        sys.exit(SKIP)
    # 1700000002 seconds after 1970 in UTC.
    env = quiz_env(TZ="UTC", ASAN_OPTIONS="verify_asan_link_order=0")
    with Quiz([faketime, "-f", "2023-11-14 22:13:22", program],
              env=env) as quiz:
        seen = play(quiz, 12)
    expected = ([(n, 9, "-", 3) for n in range(1, 5)] +
                [(n, 6, "-", 1) for n in range(5, 10)] +
                [(n, 11, "-", 5) for n in range(10, 13)])
    assert seen == expected, seen
    print("the frozen clock asked the known questions")


if __name__ == "__main__":
    main(sys.argv[1])
