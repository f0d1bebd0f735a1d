#!/usr/bin/env python3
"""Writes a reproducible mixed set of files for the extraction benchmark.

    mixed_files.py FOLDER [TOTAL_MB]

Same seed, same bytes: text (words and lines), structured binary (records
with counters and low-entropy fields, as in data files and programs) and
already-compressed data (random bytes and zlib output), a few hundred files
of varied sizes in nested folders, plus a few large ones; the largest is 32 MiB.
"""
import math
import os
import random
import sys
import zlib

MIB = 1 << 20
SEED = 20240611
# A fixed date, so packed records (which carry each file's date) are the same.
MTIME = 1_600_000_000

rng = random.Random(SEED)

SYLLABLES = ["ka", "lo", "mir", "ten", "vas", "qu", "ri", "don", "el", "sha", "po", "ny", "tra", "gen", "ux",
             "ber", "ol", "fi", "ma", "zet"]
WORDS = ["".join(rng.choice(SYLLABLES) for _ in range(rng.randint(1, 4))) for _ in range(5000)]
# Zipf-like weights: a few words are common, most are rare, as in real text.
WEIGHTS = [1.0 / (i + 1) for i in range(len(WORDS))]


def text_bytes(size):
    out = []
    total = 0
    while total < size:
        words = rng.choices(WORDS, WEIGHTS, k=4096)
        # Lines of 4 to 16 words, CR LF, as Windows text files have.
        pos = 0
        lines = []
        while pos < len(words):
            n = rng.randint(4, 16)
            lines.append(" ".join(words[pos:pos + n]))
            pos += n
        chunk = ("\r\n".join(lines) + "\r\n").encode()
        out.append(chunk)
        total += len(chunk)
    return b"".join(out)[:size]


def counter_byte(shift, count):
    # Byte shift/8 of a little-endian counter 0, 1, 2, ... over count records.
    run = 1 << shift
    period = b"".join(bytes([b]) * run for b in range(256))
    return (period * (count // len(period) + 1))[:count]


def binary_bytes(size):
    # 16-byte records: a 3-byte counter, a type byte from a few values, four
    # low-entropy bytes, four zero bytes, four random bytes.
    size -= size % 16
    count = size // 16
    buf = bytearray(size)
    buf[0::16] = counter_byte(0, count)
    buf[1::16] = counter_byte(8, count)
    buf[2::16] = counter_byte(16, count)
    buf[3::16] = (bytes(rng.choices(b"\x01\x02\x04\x08\x10", k=4096)) * (count // 4096 + 1))[:count]
    low = rng.randbytes(4 * count).translate(bytes(i & 0x0F for i in range(256)))
    for k in range(4):
        buf[4 + k::16] = low[k::4]
    noise = rng.randbytes(4 * count)
    for k in range(4):
        buf[12 + k::16] = noise[k::4]
    return bytes(buf)


def compressed_bytes(size):
    # Mostly random bytes; small ones are real zlib output of text.
    if size < 256 * 1024 and rng.random() < 0.5:
        data = zlib.compress(text_bytes(size * 4), 9)
        while len(data) < size:
            data += zlib.compress(text_bytes(size * 4), 9)
        return data[:size]
    return rng.randbytes(size)


MAKERS = {"txt": text_bytes, "bin": binary_bytes, "dat": compressed_bytes}


def write(folder, name, data):
    path = os.path.join(folder, name)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)
    os.utime(path, (MTIME, MTIME))
    return len(data)


def main():
    folder = sys.argv[1]
    total_target = int(float(sys.argv[2] if len(sys.argv) > 2 else 200) * MIB)
    big = [("data/largest.bin", "bin", 32 * MIB), ("media/archive.dat", "dat", 24 * MIB),
           ("docs/manual.txt", "txt", 16 * MIB)]
    rest = total_target - sum(s for _, _, s in big)
    # Log-uniform sizes from 1 KiB to 4 MiB, scaled to fill the rest.
    sizes = [int(math.exp(rng.uniform(math.log(1024), math.log(4 * MIB)))) for _ in range(300)]
    scale = rest / sum(sizes)
    sizes = [max(16, int(s * scale)) for s in sizes]
    folders = ["", "bin", "lib", "lib/plugins", "res", "res/icons", "res/lang", "docs/help", "data/sets/a",
               "data/sets/b"]
    plan = list(big)
    for i, size in enumerate(sizes):
        kind = rng.choices(["txt", "bin", "dat"], [0.4, 0.35, 0.25])[0]
        sub = rng.choice(folders)
        plan.append(((sub + "/" if sub else "") + f"file_{i:03d}.{kind}", kind, size))
    total = 0
    for name, kind, size in plan:
        total += write(folder, name, MAKERS[kind](size))
    print(f"{len(plan)} files, {total} bytes, largest {max(s for _, _, s in plan)} bytes")


if __name__ == "__main__":
    main()
