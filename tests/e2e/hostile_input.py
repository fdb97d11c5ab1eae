"""The built quiz fed what no person would type: each input ends with the
end of input, which must end the quiz with status 0, its peak memory flat
whatever the input.  Also: input that cannot be read, output that goes
away, and no CPU used while the quiz waits."""

import os
import random
import subprocess
import sys
import tempfile
import time

from quiz_driver import quiz_env, stop
from resident import proc_field, run_and_measure

MIB = 1 << 20
PEAK_LIMIT_MIB = 4.0  # a few MiB, whatever the input

rng = random.Random(20261211)

# Each input as chunks of bytes written to the quiz's standard input.
INPUTS = {
    "empty": [],
    "random bytes": [rng.randbytes(MIB) for _ in range(4)],
    "a long line without digits": [b"x" * MIB for _ in range(24)] + [b"\n"],
    "NUL bytes": [b"\0" * 1000 + b"\n5\0\n" * 1000],
    "carriage returns only": [b"1\r2\rx\r" * 10000],
    "numbers of a thousand digits": [(b"9" * 1000 + b"\n") * 1000,
                                     (b"-" + b"1" * 1000 + b" 3\n") * 1000],
    "stray signs": [b"+ - +- -+ ++1 --2 +\n-\n" * 1000],
    "GBK and UTF-8 text": ["输入 商 余数 正确 ÷×·\n".encode("gbk") * 1000,
                           "输入 商 余数 正确 ÷×·\n".encode() * 1000],
    "no final line feed": [b"1 2 3"],
}


def check_inputs(program, measure_memory):
    for name, chunks in INPUTS.items():
        peak, status, tail = run_and_measure([program], chunks, quiz_env())
        assert status == 0, (name, status)
        assert tail.endswith(b": \n"), (name, tail)
        assert peak < PEAK_LIMIT_MIB or not measure_memory, (name, peak)
        print("%-30s peak %.2f MiB" % (name, peak))


def check_unreadable_input(program):
    with tempfile.TemporaryDirectory() as folder:
        fd = os.open(folder, os.O_RDONLY | os.O_DIRECTORY)
        try:
            done = subprocess.run([program], stdin=fd, capture_output=True,
                                  timeout=10, env=quiz_env())
        finally:
            os.close(fd)
    assert done.returncode == 0, done.returncode
    assert done.stdout.endswith(b": \n") and done.stdout.count(b"\n(") == 1


def check_lost_output(program):
    # The reader goes away early while the replies never end.  With
    # SIGPIPE at its default the quiz dies of it; with SIGPIPE ignored it
    # sees the failed write and ends by itself, with status 1.
    for restore_signals, expected in ((True, -13), (False, 1)):
        yes = subprocess.Popen(["yes", "1"], stdout=subprocess.PIPE)
        quiz = subprocess.Popen([program], stdin=yes.stdout,
                                stdout=subprocess.PIPE, env=quiz_env(),
                                restore_signals=restore_signals)
        try:
            yes.stdout.close()
            assert len(quiz.stdout.read(100)) == 100
            quiz.stdout.close()
            assert quiz.wait(timeout=10) == expected, quiz.returncode
        finally:
            stop(quiz)
            stop(yes)


def waiting_state(pid):
    with open("/proc/%d/stat" % pid) as f:
        fields = f.read().rsplit(")", 1)[1].split()
    # The state, then user and system clock ticks (fields 3, 14 and 15).
    return (fields[0], fields[11], fields[12],
            proc_field(pid, "status", "voluntary_ctxt_switches"),
            proc_field(pid, "status", "nonvoluntary_ctxt_switches"))


def check_no_cpu_while_waiting(program):
    quiz = subprocess.Popen([program], stdin=subprocess.PIPE,
                            stdout=subprocess.PIPE, env=quiz_env())
    try:
        assert quiz.stdout.read1(4096)  # the banner and the first prompt
        time.sleep(0.2)
        before = waiting_state(quiz.pid)
        time.sleep(1.0)
        after = waiting_state(quiz.pid)
        # Asleep, and never woken: no CPU ticks, no context switches.
        assert after[0] == "S", after
        assert after == before, (before, after)
        quiz.stdin.close()
        assert quiz.wait(timeout=10) == 0
    finally:
        stop(quiz)


def main(program, *flags):
    check_inputs(program, measure_memory="--sanitized" not in flags)
    check_unreadable_input(program)
    check_lost_output(program)
    check_no_cpu_while_waiting(program)
    print("hostile input, lost output and waiting all handled")


if __name__ == "__main__":
    main(*sys.argv[1:])
