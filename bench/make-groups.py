#!/usr/bin/env python3
"""Writes COUNT group files of 200 ten-lamp circuits each into FOLDER, the same every time.

Rows are drawn at random, and some are sums of earlier rows, so ranks run from 4 to 10 and a
circuit has up to 64 solving switch sets: a load like a class's worth of prepared groups.
usage: make-groups.py FOLDER COUNT
"""
import os
import random
import sys


def circuit(rng):
    rows = []
    dependent = rng.randrange(7)  # rows that are sums of others
    for s in range(10):
        if s >= 10 - dependent and rows:
            row = 0
            for r in rng.sample(rows, rng.randrange(1, min(3, len(rows)) + 1)):
                row ^= r
        else:
            row = rng.randrange(1, 1 << 10)
        rows.append(row)
    rng.shuffle(rows)
    return "9*" + "".join("".join("1" if (r >> l) & 1 else "0" for l in range(10)) + "*"
                          for r in rows)


def main():
    folder, count = sys.argv[1], int(sys.argv[2])
    rng = random.Random(4711)
    os.makedirs(folder, exist_ok=True)
    for i in range(count):
        lines = [circuit(rng) for _ in range(200)]
        with open(os.path.join(folder, "gruppe-%04d.lmp" % i), "wb") as f:
            f.write("".join(line + "\r\n" for line in lines).encode("ascii"))


if __name__ == "__main__":
    main()
