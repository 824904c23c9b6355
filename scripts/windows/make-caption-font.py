#!/usr/bin/python3
"""Makes the caption typeface the Windows release brings: Noto Serif CJK SC Bold (SIL Open Font
Licence 1.1, from Debian's fonts-noto-cjk) cut down to the characters captions are drawn in —
GB2312, the frequent Big5 characters (the Traditional interface), kana, ASCII, CJK punctuation and
full-width forms — and renamed "Tavlor Caption Serif", as the licence asks of a modified font.
A character outside the subset is drawn by the next face of the program's fallback chain.

usage: make-caption-font.py SOURCE.ttc OUTPUT.otf"""
import sys

from fontTools import subset
from fontTools.ttLib import TTCollection

FAMILY = "Tavlor Caption Serif"
SC_FACE = "Noto Serif CJK SC"


def two_byte_characters(codec, leads, trails):
    characters = set()
    for lead in leads:
        for trail in trails:
            try:
                characters.update(bytes((lead, trail)).decode(codec))
            except UnicodeDecodeError:
                pass
    return characters


def caption_characters():
    characters = {chr(c) for c in range(0x20, 0x7F)}
    characters |= {chr(c) for c in range(0x3000, 0x3100)}  # CJK punctuation, kana
    characters |= {chr(c) for c in range(0xFF00, 0xFFF0)}  # full-width forms
    characters |= two_byte_characters("gb2312", range(0xA1, 0xF8), range(0xA1, 0xFF))
    big5_trails = list(range(0x40, 0x7F)) + list(range(0xA1, 0xFF))
    characters |= two_byte_characters("big5", range(0xA1, 0xC7), big5_trails)  # symbols, level 1
    return characters


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    source, output = sys.argv[1:]
    collection = TTCollection(source)
    faces = [face for face in collection.fonts if face["name"].getDebugName(1) == SC_FACE]
    if not faces:
        sys.exit(f"{source} holds no {SC_FACE} face")
    font = faces[0]
    options = subset.Options()
    options.name_IDs = ["*"]
    options.name_languages = ["*"]
    options.layout_features = ["kern", "palt"]  # no vertical or regional variants: captions are horizontal SC
    options.notdef_outline = True
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=[ord(c) for c in caption_characters()])
    subsetter.subset(font)
    names = font["name"]
    postscript = FAMILY.replace(" ", "") + "-Bold"
    for record in list(names.names):
        if record.nameID in (1, 16):
            record.string = FAMILY
        elif record.nameID in (4,):
            record.string = FAMILY + " Bold"
        elif record.nameID in (3, 6, 20):
            record.string = postscript
        elif record.nameID in (17,):
            record.string = "Bold"
    if "CFF " in font:
        cff = font["CFF "].cff
        cff.fontNames = [postscript]
        top = cff.topDictIndex[0]
        top.FullName = FAMILY + " Bold"
        top.FamilyName = FAMILY
    font.save(output)


if __name__ == "__main__":
    main()
