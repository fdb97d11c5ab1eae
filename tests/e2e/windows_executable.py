"""The Windows executable itself: a 64-bit console program that needs no
DLL beyond Windows' own, talks to the console through its UTF-16 interface
and leaves the console's code pages alone."""

import re
import subprocess
import sys


def main(objdump, program):
    headers = subprocess.run([objdump, "-p", program], capture_output=True,
                             text=True, check=True, timeout=60).stdout
    assert re.search(r"^Magic\s+020b\s+\(PE32\+\)", headers, re.M), "not PE32+"
    assert re.search(r"^Subsystem\s+00000003\s", headers, re.M), "not console"
    dlls = sorted(set(re.findall(r"DLL Name: (\S+)", headers)))
    assert dlls == ["KERNEL32.dll", "msvcrt.dll"], dlls
    imports = set(re.findall(r"^\s+[0-9a-f]+\s+\d+\s+(\w+)$", headers, re.M))
    # The console's own UTF-16 interface, for the title and the text.
    for name in ("SetConsoleTitleW", "WriteConsoleW", "ReadConsoleW"):
        assert name in imports, (name, sorted(imports))
    changed = imports & {"SetConsoleOutputCP", "SetConsoleCP"}
    assert not changed, changed
    print("a static 64-bit console program that keeps the code pages")


if __name__ == "__main__":
    main(*sys.argv[1:])
