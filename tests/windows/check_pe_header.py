#!/usr/bin/env python3
"""The shipped programs keep their PE header at offset 256 and nothing at 248-255."""
import struct
import sys

failed = False
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
    print(f"{path}: {'; '.join(problems) or 'PE header at 0x100'}")
    failed |= bool(problems)
print(f"{len(sys.argv) - 1 - failed} passed, {int(failed)} failed")
sys.exit(1 if failed else 0)
