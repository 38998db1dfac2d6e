#!/usr/bin/python3
"""Makes the Japanese dialog font used under Wine.

The dialog templates were laid out for a UI font whose kana and kanji are
narrower, relative to its Latin letters, than in any Japanese font Debian
ships. Debian's IPA P Gothic is the closest; this narrows only its CJK
glyphs (kana, kanji, full-width forms) so that the captions fit their
controls, and renames the result so that it cannot be mistaken for the
original.

usage: make_ui_font.py SOURCE.ttf TARGET.ttf
"""
import sys

from fontTools.pens.transformPen import TransformPen
from fontTools.pens.ttGlyphPen import TTGlyphPen
from fontTools.ttLib import TTFont

FAMILY = "Vivevav UI Gothic"
SCALE = 0.86
CJK_RANGES = [
    (0x3000, 0x30FF),  # punctuation, hiragana, katakana
    (0x3400, 0x4DBF),
    (0x4E00, 0x9FFF),
    (0xF900, 0xFAFF),
    (0xFF01, 0xFF60),  # full-width forms
]


def is_cjk(code):
    return any(low <= code <= high for low, high in CJK_RANGES)


def main(source, target):
    font = TTFont(source)
    glyf = font["glyf"]
    hmtx = font["hmtx"]
    names = {name for code, name in font.getBestCmap().items() if is_cjk(code)}
    glyph_set = font.getGlyphSet()
    for name in names:
        glyph = glyf[name]
        if glyph.isComposite() or glyph.numberOfContours == 0:
            width, lsb = hmtx[name]
            hmtx[name] = (round(width * SCALE), round(lsb * SCALE))
            continue
        pen = TTGlyphPen(glyph_set)
        glyph_set[name].draw(TransformPen(pen, (SCALE, 0, 0, 1, 0, 0)))
        glyf[name] = pen.glyph()
        glyf[name].recalcBounds(glyf)
        width, _ = hmtx[name]
        hmtx[name] = (round(width * SCALE), glyf[name].xMin if hasattr(glyf[name], "xMin") else 0)
    for record in font["name"].names:
        if record.nameID in (1, 4, 16):
            record.string = FAMILY
        elif record.nameID == 6:
            record.string = FAMILY.replace(" ", "")
        elif record.nameID == 3:
            record.string = FAMILY + " 1.0"
    font.save(target)


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
