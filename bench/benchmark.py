"""Measures the built quiz on this machine: CPU per turn, start-up time
against a C program that prints one line, and peak resident memory.

    python3 bench/benchmark.py build/quorvane

Each figure is printed beside its target; the exit status is 1 when one
misses.  Not a test: the figures depend on the machine and its load."""

import os
import subprocess
import sys
import tempfile

TURNS = 1_000_000
LONG_TURNS = 10_000_000
STARTS = 500
CPU_PER_TURN_US = 0.25
STARTUP_RATIO = 1.1
PEAK_AT_START_MIB = 1.5
PEAK_AFTER_MIB = 1.6

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "tests", "e2e"))
from resident import run_and_measure  # noqa: E402

HELLO_C = '#include <stdio.h>\nint main(void) { puts("hello"); return 0; }\n'
ENV = {"LANG": "C.UTF-8", "PATH": os.environ.get("PATH", "/usr/bin")}
REPLIES = b"-1\n" * 100_000  # no answer is negative: every reply is wrong


def cpu_seconds(program, replies_path):
    """CPU time, user and system, of one run over a file of replies."""
    with open(replies_path, "rb") as replies:
        start = os.times()
        subprocess.run([program], stdin=replies, stdout=subprocess.DEVNULL,
                       env=ENV, check=True)
        end = os.times()
    return (end.children_user - start.children_user +
            end.children_system - start.children_system)


def reply_chunks(turns):
    return [REPLIES] * (turns // (len(REPLIES) // 3))


def peak_resident_mib(program, turns):
    """The quiz's peak resident memory once it has read `turns` replies."""
    return run_and_measure([program], reply_chunks(turns), ENV, timeout=600)[0]


def report(name, value, unit, target):
    """Prints a figure beside its target; True when it meets it.  Memory
    must stay under its target, the others may reach theirs."""
    ok = value < target if unit == "MiB" else value <= target
    print("%-46s %9.3f %-3s (target %s %g)%s" %
          (name, value, unit, "<" if unit == "MiB" else "<=", target,
           "" if ok else "  MISSED"))
    return ok


def main(program):
    program = os.path.abspath(program)
    ok = True
    with tempfile.TemporaryDirectory() as folder:
        hello = os.path.join(folder, "hello")
        timer = os.path.join(folder, "startup_timer")
        with open(hello + ".c", "w") as f:
            f.write(HELLO_C)
        subprocess.run(["cc", "-O2", "-o", hello, hello + ".c"], check=True)
        subprocess.run(["c++", "-O2", "-o", timer,
                        os.path.join(HERE, "startup_timer.cpp")], check=True)

        replies_path = os.path.join(folder, "replies")
        with open(replies_path, "wb") as f:
            f.writelines(reply_chunks(TURNS))
        # The least of three runs: the others paid for the machine's noise.
        per_turn = min(cpu_seconds(program, replies_path)
                       for _ in range(3)) / TURNS * 1e6
        ok &= report("CPU per turn, %d wrong replies" % TURNS, per_turn, "us",
                     CPU_PER_TURN_US)

        medians = subprocess.run([timer, str(STARTS), program, hello],
                                 check=True, capture_output=True, text=True,
                                 env=ENV).stdout.split()
        quiz_start, hello_start = (float(m) for m in medians)
        print("start-up, median of %d runs each: quiz %.0f us, C program "
              "%.0f us" % (STARTS, quiz_start, hello_start))
        ok &= report("start-up against the C program",
                     quiz_start / hello_start, "x", STARTUP_RATIO)

        at_start = peak_resident_mib(program, 0)
        ok &= report("peak resident memory at start", at_start, "MiB",
                     PEAK_AT_START_MIB)
        after = peak_resident_mib(program, LONG_TURNS)
        ok &= report("peak resident memory after %d turns" % LONG_TURNS,
                     after, "MiB", PEAK_AFTER_MIB)
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main(sys.argv[1] if len(sys.argv) > 1 else "build/quorvane"))
