#!/usr/bin/env python3
"""Writes assets/Bk.N13: the 363-byte entry written for every unused slot of the edit-data file.

Its BirthYear is 0, so a reader stops at the first unused entry. The rest follows what the editor
writes into a record it creates: the tag, two blanks, HeadA 6 and HeadC 1, no links, and an
appendix ending in eight bytes of 255. Run from anywhere: python3 tools/blank_entry/make_blank_entry.py
"""
import pathlib
import struct

RECORD_SIZE = 317
APPENDIX_SIZE = 34
BIRTH_YEAR_OFFSET = 257


def blank_entry() -> bytes:
    record = bytearray(RECORD_SIZE)
    record[0:14] = b"NOBU13EDITB_V6"
    record[14:16] = b"  "
    struct.pack_into("<5i", record, 16, 6, 0, 1, 0, 0)  # HeadA .. HeadE
    struct.pack_into("<i", record, BIRTH_YEAR_OFFSET, 0)
    links = struct.pack("<3i", 0, 0, 0)  # hidden, favoured, disliked flags: no values follow
    appendix = bytearray(APPENDIX_SIZE)
    appendix[26:34] = b"\xff" * 8
    entry = bytes(record) + links + bytes(appendix)
    assert len(entry) == 363
    return entry


def main() -> None:
    target = pathlib.Path(__file__).resolve().parents[2] / "assets" / "Bk.N13"
    target.write_bytes(blank_entry())
    print(f"wrote {target} ({target.stat().st_size} bytes)")


if __name__ == "__main__":
    main()
