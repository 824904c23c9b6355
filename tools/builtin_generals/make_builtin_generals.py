#!/usr/bin/env python3
"""Writes the demo list of built-in generals, assets/BuiltinGenerals.tsv.

The list has the columns of the related-general picker: name (GBK), face number, 統率, 武勇, 知略,
政治, tab-separated, one general per line, in the order of the General numbers 0 to 2305. The names
are plain placeholders (武将0001 ...); face numbers are spread evenly over the game's faces 0-1291;
abilities come from a seeded generator, so the file is the same on every run.

Usage: make_builtin_generals.py [OUTPUT]   (default: assets/BuiltinGenerals.tsv of the repository)
"""
import pathlib
import random
import sys

GENERAL_COUNT = 2306
GAME_FACE_COUNT = 1292
SEED = 13


def ability(rng):
    # Most generals are middling, a few stand out: the sum of three draws clusters near the middle.
    return max(1, min(120, sum(rng.randint(5, 40) for _ in range(3))))


def main():
    root = pathlib.Path(__file__).resolve().parents[2]
    output = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else root / "assets" / "BuiltinGenerals.tsv"
    rng = random.Random(SEED)
    lines = [
        "# Built-in generals of the related-general picker: General numbers 0 to 2305, in order.",
        "# Columns (tab-separated, GBK): name, face number, leadership, valor, intellect, politics.",
        "# Demo data made by tools/builtin_generals/make_builtin_generals.py; replace it with your own list.",
    ]
    for number in range(GENERAL_COUNT):
        name = "武将%04d" % (number + 1)
        face = number * GAME_FACE_COUNT // GENERAL_COUNT
        abilities = [ability(rng) for _ in range(4)]
        lines.append("\t".join([name, str(face)] + [str(a) for a in abilities]))
    output.write_bytes(("\n".join(lines) + "\n").encode("gbk"))


if __name__ == "__main__":
    main()
