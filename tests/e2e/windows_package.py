"""The Windows .zip that CPack makes: quorvane.exe and a short readme."""

import os
import subprocess
import sys
import tempfile
import zipfile


def main(build):
    with tempfile.TemporaryDirectory() as folder:
        subprocess.run(["cpack", "-G", "ZIP", "--config",
                        os.path.join(build, "CPackConfig.cmake"), "-B",
                        folder], check=True, capture_output=True, timeout=120)
        zips = [f for f in os.listdir(folder) if f.endswith(".zip")]
        assert zips == ["quorvane-0.1.0-windows-x86_64.zip"], zips
        with zipfile.ZipFile(os.path.join(folder, zips[0])) as z:
            assert sorted(z.namelist()) == ["README.txt", "quorvane.exe"], \
                z.namelist()
            assert z.read("quorvane.exe")[:2] == b"MZ"
            readme = z.read("README.txt").decode("utf-8")
            assert "chcp 936" in readme and "Ctrl-Z" in readme
    print("the zip holds quorvane.exe and its readme")


if __name__ == "__main__":
    main(sys.argv[1])
