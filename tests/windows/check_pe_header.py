#!/usr/bin/env python3
"""The shipped programs keep their PE header at offset 256 and nothing at
248-255, and need no DLL but the system's own."""
import re
import struct
import subprocess
import sys

SYSTEM_DLLS = {"kernel32.dll", "user32.dll", "gdi32.dll", "advapi32.dll", "shell32.dll", "comctl32.dll",
               "msvcrt.dll"}


def imported_dlls(path):
    dump = subprocess.run(["x86_64-w64-mingw32-objdump", "-p", path], capture_output=True, text=True).stdout
    return {name.lower() for name in re.findall(r"DLL Name: (\S+)", dump)}

failed = 0
for path in sys.argv[1:]:
    data = open(path, "rb").read()
    start = struct.unpack_from("<I", data, 0x3C)[0]
    problems = []
    if data[:2] != b"MZ":
        problems.append("no MZ")
    if start != 0x100 or data[0x100:0x104] != b"PE\0\0":
        problems.append(f"PE header at {start:#x}")
    if data[248:256] != bytes(8):
        problems.append("bytes 248-255 are not zero")
    extra = imported_dlls(path) - SYSTEM_DLLS
    if extra:
        problems.append("needs " + ", ".join(sorted(extra)))
    print(f"{path}: {'; '.join(problems) or 'PE header at 0x100, system DLLs only'}")
    failed += bool(problems)
print(f"{len(sys.argv) - 1 - failed} passed, {failed} failed")
sys.exit(1 if failed else 0)
