#!/usr/bin/env python3
"""Writes the seed corpora of the edit-data, Set.ini and help.ini fuzz targets (small files of our own).

Run from anywhere: python3 tools/fuzz_seeds/make_fuzz_seeds.py
"""
import pathlib
import struct

ROOT = pathlib.Path(__file__).resolve().parents[2] / "fuzz" / "corpus"
BLANK = (ROOT.parents[1] / "assets" / "Bk.N13").read_bytes()


def record(birth_year: int, family: bytes = b"\x90\x44\x93\x63") -> bytes:
    r = bytearray(317)
    r[0:16] = b"NOBU13EDITB_V6  "
    struct.pack_into("<5i", r, 16, 6, 0, 1, 0, 0)
    r[36:36 + len(family)] = family
    r[96:132] = b"\x82\xa0" * 18  # a full biography line, so a break byte follows
    r[132] = 10
    struct.pack_into("<4i", r, 249, 1, 500, birth_year, birth_year + 50)
    struct.pack_into("<2i", r, 273, -1, 10001)
    return bytes(r)


def links(hidden: int, favoured: int, disliked: int) -> bytes:
    out = b""
    for flag, value in ((hidden, 5), (favoured, 10000), (disliked, 42)):
        out += struct.pack("<i", flag)
        if flag == 1:
            out += struct.pack("<i", value)
    return out


def appendix(slot: int) -> bytes:
    return struct.pack("<6ih", 50, 36, 7, 10000 + slot, 1, 4, 12) + b"\xff" * 8


def entry(slot: int, flags) -> bytes:
    return record(1530 + slot) + links(*flags) + appendix(slot)


def main() -> None:
    header = bytes(range(20))
    edit = ROOT / "fuzz_edit_data"
    edit.mkdir(parents=True, exist_ok=True)
    (edit / "terminated.13S").write_bytes(
        header + entry(0, (0, 1, 1)) + entry(1, (2, 0, -1)) + entry(2, (1, 0, 0)) + BLANK + BLANK)
    (edit / "no_terminator.13S").write_bytes(header + entry(0, (1, 1, 1)) + entry(1, (0, 0, 0)))
    (edit / "cut_in_entry.13S").write_bytes((header + entry(0, (0, 1, 0)) + entry(1, (1, 1, 0)))[:-20])
    (edit / "empty_table.13S").write_bytes(header + BLANK * 4)

    ini = ROOT / "fuzz_ini"
    ini.mkdir(parents=True, exist_ok=True)
    (ini / "manual.ini").write_bytes(
        b"[Nobunaga13]\r\nAUTOREADPATH=0\r\nGAMEPATH=C:\\KOEI\\Nobunaga13\\\r\n"
        b"CUSTOMIZEFILE=C:\\Users\\me\\Documents\\KOEI\\Nobunaga13\\EDIT\\SETDATA\\EDATA000.13S\r\n"
        b"EDITKAOPATH=C:\\KOEI\\Nobunaga13\\\r\n")
    (ini / "automatic.ini").write_bytes(b"; settings\nautoreadpath= 1.0e0\n")
    (ini / "odd.ini").write_bytes(b"AUTOREADPATH=1\nGAMEPATHX=first\nGAMEPATH =/x/\nEDITKAOPATH\n-2.5e3\n")

    write_help_seeds()


def write_help_seeds() -> None:
    """help.ini: a clean guide in GBK, a faulty topic, and the odd corners of the format."""
    def topic(header: str, cgpic: str, name: str, content: str, maxpic: str, eol: str = "\r\n") -> bytes:
        lines = [header, "CGPIC=" + cgpic, "NAME=" + name, "CONTENT=" + content, "MAXPIC=" + maxpic]
        return (eol.join(lines) + eol).encode("gbk")

    help_dir = ROOT / "fuzz_help_ini"
    help_dir.mkdir(parents=True, exist_ok=True)
    (help_dir / "guide.ini").write_bytes(
        "; 如何建立新武将\r\n".encode("gbk")
        + topic("[第一步]", "KAO_12", "打开武将数据", "启动编辑器后，左边的列表列出所有登录武将。", "\\help\\list.png")
        + topic("[第二步]", "EKAO_3", "新增", "按下右下角的“新增”按钮。", ""))
    (help_dir / "faulty.ini").write_bytes(
        topic("[1]", "kao_", "one", "first", "") + b"[2]\r\nCGPIC=\r\nNAME=two\r\nMAXPIC=\r\n")
    (help_dir / "odd.ini").write_bytes(
        b"   ; comment\r[\xb0\x5d\rcgpic =KAO_7\rname\xa3\xbd\xb0\xef\xd6\xfa\rCONTENT\rMAXPICTURE=x\r"
        + topic("[]", "  EKAO_ 1099.5 ", "", "", "=KAO_1", "\n") + b"[\n[x]")


if __name__ == "__main__":
    main()
