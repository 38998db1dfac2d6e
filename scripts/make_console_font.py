#!/usr/bin/python3
"""Makes the console font used under Wine.

Wine's console gives every UTF-16 unit one cell, and in a double-byte code
page (932, the Japanese locale) makes that cell as wide as the font's
bounding box. Debian's Japanese monospace fonts have boxes wider than a
kanji (IPA Gothic 1.46 em, VL Gothic 1.33 em, Ume Gothic 1.09 em, Noto Sans
Mono CJK 3.9 em), so Latin letters are spread out and Japanese has gaps.
This copies IPA Gothic with its box set to one half-width cell, so that
Latin sits as on a Japanese console; Zuvediv.exe gives each double-byte
character a second cell to be drawn across. The copy is renamed so that it
cannot be mistaken for the original.

usage: make_console_font.py SOURCE.ttf TARGET.ttf
"""
import sys

from fontTools.ttLib import TTFont

FAMILY = "Vivevav Console Gothic"
HALF_WIDTH_SAMPLE = ord("0")  # any ASCII character: all share the half-width advance


def main(source, target):
    font = TTFont(source)
    half_width, _ = font["hmtx"][font.getBestCmap()[HALF_WIDTH_SAMPLE]]
    font["head"].xMin, font["head"].xMax = 0, half_width
    new_names = {1: FAMILY, 3: FAMILY + " 1.0", 4: FAMILY, 6: FAMILY.replace(" ", ""), 16: FAMILY}
    for record in font["name"].names:
        record.string = new_names.get(record.nameID, record.string)
    font.recalcBBoxes = False  # keep the box set above
    font.save(target)


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
