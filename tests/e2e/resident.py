"""Peak resident memory of the running quiz, read from /proc while it waits
for a reply.  VmHWM starts afresh at exec, so unlike a child's rusage it
counts nothing of the process that started the quiz."""

import subprocess
import threading
import time

from quiz_driver import stop

PROMPT_END = b": "  # every prompt ends so


def proc_field(pid, name, field):
    with open("/proc/%d/%s" % (pid, name)) as f:
        for line in f:
            if line.startswith(field + ":"):
                return int(line.split()[1])
    raise KeyError(field)


def run_and_measure(command, chunks, env, timeout=60):
    """Feeds the chunks of bytes to the quiz, waits until it has read them
    all and waits for more, then ends its input.  Returns (peak resident
    MiB while it waited, exit status, the last bytes of its output).  Each
    wait is bounded by `timeout` seconds; on any failure the quiz is
    killed."""
    proc = subprocess.Popen(command, stdin=subprocess.PIPE,
                            stdout=subprocess.PIPE, env=env)
    tail = [b""]

    def drain():
        while chunk := proc.stdout.read1(1 << 16):
            tail[0] = (tail[0] + chunk)[-64:]

    reader = threading.Thread(target=drain, daemon=True)
    reader.start()
    try:
        written = 0
        for chunk in chunks:
            proc.stdin.write(chunk)
            written += len(chunk)
        proc.stdin.flush()
        # The quiz writes out its output only before it waits for input: a
        # prompt at the end with every byte read means it is waiting.
        deadline = time.monotonic() + timeout
        while not (tail[0].endswith(PROMPT_END) and
                   proc_field(proc.pid, "io", "rchar") >= written):
            if proc.poll() is not None:
                raise AssertionError("the quiz ended with status %d before "
                                     "it waited for a reply: %r"
                                     % (proc.returncode, tail[0]))
            if time.monotonic() > deadline:
                raise AssertionError("the quiz did not come to wait for a "
                                     "reply in %ss: %r" % (timeout, tail[0]))
            time.sleep(0.01)
        peak = proc_field(proc.pid, "status", "VmHWM") / 1024
        proc.stdin.close()
        status = proc.wait(timeout)
        reader.join(timeout)
        return peak, status, tail[0]
    finally:
        stop(proc)
