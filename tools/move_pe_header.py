#!/usr/bin/env python3
"""Moves a PE file's headers so that the "PE" signature starts at offset 256.

The package format keeps PackageEnd at offsets 248-255 of the DOS stub area and
recognises a PE file by "PE" at offset 256; the mingw linker puts the header at
128. The headers (signature, file header, optional header, section table) are
moved up as one block; they must still end below SizeOfHeaders and the first
section's raw data, which the linker pads to 0x200 or more.
"""
import struct
import sys

TARGET = 0x100


def move(path):
    data = bytearray(open(path, "rb").read())
    if data[:2] != b"MZ":
        sys.exit(f"{path}: not an MZ file")
    start = struct.unpack_from("<I", data, 0x3C)[0]
    if start == TARGET:
        return
    if data[start:start + 4] != b"PE\0\0":
        sys.exit(f"{path}: no PE signature at {start:#x}")
    sections = struct.unpack_from("<H", data, start + 6)[0]
    optional_size = struct.unpack_from("<H", data, start + 20)[0]
    size_of_headers = struct.unpack_from("<I", data, start + 24 + 60)[0]
    table = start + 24 + optional_size
    first_raw = min((struct.unpack_from("<I", data, table + 40 * i + 20)[0]
                     for i in range(sections)
                     if struct.unpack_from("<I", data, table + 40 * i + 20)[0]), default=size_of_headers)
    end = table + 40 * sections
    new_end = end - start + TARGET
    if new_end > min(size_of_headers, first_raw):
        sys.exit(f"{path}: headers would end at {new_end:#x}, past {min(size_of_headers, first_raw):#x}")
    block = bytes(data[start:end])
    data[start:end] = bytes(end - start)
    data[TARGET:new_end] = block
    struct.pack_into("<I", data, 0x3C, TARGET)
    open(path, "wb").write(data)


if __name__ == "__main__":
    for p in sys.argv[1:]:
        move(p)
