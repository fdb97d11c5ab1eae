"""The Windows executable's resources, read as Windows reads them: version
information naming the product and the project's version, and a manifest
that runs it as the invoker on every Windows from 7 to 11 without changing
its code page."""

import re
import sys

SKIP = 77
SUPPORTED_OS = {
    "35138b9a-5d96-4fbd-8e2d-a2440225f93a",  # Windows 7
    "4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38",  # Windows 8
    "1f676c76-80e1-4239-95bb-83d0f6d0da78",  # Windows 8.1
    "8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a",  # Windows 10 and 11
}
RT_MANIFEST = 24


def version_strings(pe):
    strings = {}
    for info in pe.FileInfo[0]:
        if info.Key == b"StringFileInfo":
            for table in info.StringTable:
                strings.update({k.decode(): v.decode()
                                for k, v in table.entries.items()})
    return strings


def manifest(pe):
    for kind in pe.DIRECTORY_ENTRY_RESOURCE.entries:
        if kind.id == RT_MANIFEST:
            (named,) = kind.directory.entries
            assert named.id == 1, named.id
            data = named.directory.entries[0].data.struct
            return pe.get_data(data.OffsetToData, data.Size).decode("utf-8")
    raise AssertionError("no manifest")


def main(program, version):
    try:
        import pefile
    except ImportError:
        print("pefile is missing (Debian package python3-pefile, for "
              "/usr/bin/python3)")
        sys.exit(SKIP)
    pe = pefile.PE(program)
    strings = version_strings(pe)
    for key in ("FileDescription", "LegalCopyright"):
        assert strings.get(key), (key, strings)
    assert strings["ProductName"] == "Quorvane", strings
    assert strings["FileVersion"] == version, strings
    assert strings["ProductVersion"] == version, strings
    fixed = pe.VS_FIXEDFILEINFO[0]
    numbers = [int(n) for n in version.split(".")]
    assert fixed.FileVersionMS == numbers[0] << 16 | numbers[1], fixed
    assert fixed.FileVersionLS == numbers[2] << 16, fixed
    assert fixed.ProductVersionMS == fixed.FileVersionMS, fixed

    text = manifest(pe)
    ids = set(re.findall(r'<supportedOS Id="\{([0-9a-f-]+)\}"', text))
    assert ids == SUPPORTED_OS, ids
    assert re.search(r'<requestedExecutionLevel level="asInvoker"', text), text
    assert "activeCodePage" not in text, text
    print("version %s, supported on Windows 7 to 11, run as the invoker"
          % version)


if __name__ == "__main__":
    main(*sys.argv[1:])
