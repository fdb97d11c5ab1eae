"""What the quiz ships as: the install tree, and the .deb that CPack makes
from it.  Both are made afresh in a temporary folder."""

import os
import shutil
import subprocess
import sys
import tempfile

SKIP = 77
TREE = {"bin/quorvane", "share/man/man6/quorvane.6"}


def files_below(folder):
    return {os.path.relpath(os.path.join(d, f), folder)
            for d, _, files in os.walk(folder) for f in files}


def check_runs(program):
    done = subprocess.run([program], stdin=subprocess.DEVNULL,
                          capture_output=True, timeout=10,
                          env={"LANG": "C.UTF-8"})
    assert done.returncode == 0, done.returncode
    assert done.stdout.startswith(b"Quorvane V0.1.0\n"), done.stdout[:40]


def check_man_page(page):
    with open(page, encoding="utf-8") as f:
        text = f.read()
    assert text.startswith(".TH QUORVANE 6 "), text[:40]
    for section in ("NAME", "SYNOPSIS", "DESCRIPTION", "OPTIONS", "REPLIES",
                    "TALLY", "STOPPING"):
        assert "\n.SH %s\n" % section in text, section
    assert "has no options and ignores any arguments" in text
    if shutil.which("groff"):
        rendered = subprocess.run(
            ["groff", "-k", "-man", "-Tutf8", "-ww", "-z", page],
            capture_output=True, text=True, timeout=30)
        assert rendered.returncode == 0 and not rendered.stderr, rendered.stderr


def main(build):
    with tempfile.TemporaryDirectory() as folder:
        prefix = os.path.join(folder, "prefix")
        subprocess.run(["cmake", "--install", build, "--prefix", prefix],
                       check=True, capture_output=True, timeout=60)
        assert files_below(prefix) == TREE, files_below(prefix)
        check_runs(os.path.join(prefix, "bin/quorvane"))
        check_man_page(os.path.join(prefix, "share/man/man6/quorvane.6"))

        if not shutil.which("dpkg-deb"):
            print("dpkg-deb is not installed (Debian package dpkg)")
            sys.exit(SKIP)
        packages = os.path.join(folder, "packages")
        subprocess.run(["cpack", "-G", "DEB", "--config",
                        os.path.join(build, "CPackConfig.cmake"),
                        "-B", packages], check=True, capture_output=True,
                       timeout=120)
        debs = [f for f in os.listdir(packages) if f.endswith(".deb")]
        assert len(debs) == 1, os.listdir(packages)
        deb = os.path.join(packages, debs[0])
        listing = subprocess.run(["dpkg-deb", "-c", deb], check=True,
                                 capture_output=True, text=True).stdout
        shipped = {line.split()[-1] for line in listing.splitlines()
                   if not line.startswith("d")}
        assert shipped == {"./usr/" + f for f in TREE}, shipped
        fields = subprocess.run(["dpkg-deb", "-f", deb, "Package", "Section"],
                                check=True, capture_output=True,
                                text=True).stdout
        assert fields == "Package: quorvane\nSection: games\n", fields
        unpacked = os.path.join(folder, "unpacked")
        subprocess.run(["dpkg-deb", "-x", deb, unpacked], check=True)
        check_runs(os.path.join(unpacked, "usr/bin/quorvane"))
    print("the install tree and the .deb hold the program and its page")


if __name__ == "__main__":
    main(sys.argv[1])
