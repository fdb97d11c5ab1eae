"""The Windows .zip that CPack makes: quorvane.exe, a short readme and the
license, both texts with CR LF line ends so that Notepad shows them."""

import os
import subprocess
import sys
import tempfile
import zipfile


def check_crlf(name, text):
    assert text.count(b"\n") > 3, name
    assert text.count(b"\n") == text.count(b"\r\n"), (name, text[:200])


def main(build):
    with tempfile.TemporaryDirectory() as folder:
        subprocess.run(["cpack", "-G", "ZIP", "--config",
                        os.path.join(build, "CPackConfig.cmake"), "-B",
                        folder], check=True, capture_output=True, timeout=120)
        zips = [f for f in os.listdir(folder) if f.endswith(".zip")]
        assert zips == ["quorvane-0.1.0-windows-x86_64.zip"], zips
        with zipfile.ZipFile(os.path.join(folder, zips[0])) as z:
            assert sorted(z.namelist()) == ["LICENSE.txt", "README.txt",
                                            "quorvane.exe"], z.namelist()
            assert z.read("quorvane.exe")[:2] == b"MZ"
            readme = z.read("README.txt")
            check_crlf("README.txt", readme)
            text = readme.decode("utf-8")
            assert text.startswith("Quorvane 0.1.0 for Windows\r\n"), text[:40]
            assert "Ctrl-Z" in text and "chcp" not in text, text
            license_text = z.read("LICENSE.txt")
            check_crlf("LICENSE.txt", license_text)
            assert license_text.startswith(
                b"Copyright (c) 2026 the Quorvane developers\r\n"), license_text
    print("the zip holds quorvane.exe, its readme and the license")


if __name__ == "__main__":
    main(sys.argv[1])
