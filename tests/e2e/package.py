"""What the quiz ships as: the install tree, and the .deb that CPack makes
from it, which Debian's own checker, lintian, must pass without an error or
a warning.  Both are made afresh in a temporary folder."""

import gzip
import os
import shutil
import subprocess
import sys
import tempfile

SKIP = 77
TREE = {"games/quorvane", "share/man/man6/quorvane.6.gz",
        "share/doc/quorvane/copyright", "share/doc/quorvane/changelog.gz"}


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
    with gzip.open(page, "rt", encoding="utf-8") as f:
        text = f.read()
    assert text.startswith(".TH QUORVANE 6 "), text[:40]
    for section in ("NAME", "SYNOPSIS", "DESCRIPTION", "OPTIONS", "REPLIES",
                    "TALLY", "STOPPING", "EXIT STATUS"):
        assert "\n.SH %s\n" % section in text, section
    assert "has no options and ignores any arguments" in text
    if shutil.which("groff"):
        rendered = subprocess.run(
            ["groff", "-k", "-man", "-Tutf8", "-ww", "-z"], input=text,
            capture_output=True, text=True, timeout=30)
        assert rendered.returncode == 0 and not rendered.stderr, rendered.stderr


def check_lintian(deb):
    if not shutil.which("lintian"):
        print("lintian is not installed (Debian package lintian)")
        sys.exit(SKIP)
    done = subprocess.run(["lintian", "--tag-display-limit", "0", deb],
                          capture_output=True, text=True, timeout=240)
    print(done.stdout, end="")
    # One line a finding, its kind first: E error, W warning, I, P, X notes.
    findings = [line for line in done.stdout.splitlines()
                if line.startswith(("E:", "W:"))]
    assert not findings and done.returncode == 0, done.stdout + done.stderr


def main(build):
    with tempfile.TemporaryDirectory() as folder:
        prefix = os.path.join(folder, "prefix")
        subprocess.run(["cmake", "--install", build, "--prefix", prefix],
                       check=True, capture_output=True, timeout=60)
        assert files_below(prefix) == TREE, files_below(prefix)
        check_runs(os.path.join(prefix, "games/quorvane"))
        check_man_page(os.path.join(prefix, "share/man/man6/quorvane.6.gz"))

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
        check_runs(os.path.join(unpacked, "usr/games/quorvane"))
        check_lintian(deb)
    print("the install tree and the .deb hold the program and its page, "
          "and lintian passes the .deb")


if __name__ == "__main__":
    main(sys.argv[1])
