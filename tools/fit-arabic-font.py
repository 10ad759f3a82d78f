#!/usr/bin/env python3
"""Makes the program's copy of the Arabic font: the packaged Amiri Quran with its line
metrics fitted to the ink of the Qur'an text, under a family name of its own.

Amiri Quran gives Windows (OS/2 usWinAscent/usWinDescent) a line of 4.175 em, room for marks
stacked higher and deeper than any verse has them; every Arabic line of the view was that
tall. The ink of the whole text, as the view draws it, lies within 1815 units above and 1039
below the baseline (1000 to the em). This copy gives every vertical metric that a renderer
may take the line from (OS/2 win and typo, hhea) the ascent and descent named here, and no
line gap. Without --ascent and --descent the source's metrics stay (the Windows tests draw
with such a copy to compare against the source's tall lines).

One glyph is added, for Wine: an empty mark of no width at U+065F, a code point that the text
never holds and that Amiri Quran has no glyph for. Wine draws a run of text whose last glyph
is a mark set off vertically with every glyph of the run moved by that offset once more (see
reader/ArabicDrawing.h); the form the view draws for Wine ends every word that ends in a mark
with this one, which is never set off. Every glyph of the source keeps its number, outline,
advance and positioning, so the copy draws every text exactly as the source does.

The family name differs, so that the copy never stands in for an Amiri Quran that the user
has installed, nor the other way round. The copyright and licence records stay, and the
description says what was changed and from what (the font's licence, the SIL Open Font
License 1.1, allows modified copies under the same licence; the font declares no Reserved
Font Name).

    fit-arabic-font.py SOURCE.ttf OUTPUT.ttf --family NAME [--ascent N --descent N]

The output is the same for the same input: the modification time stays the source's.
"""
import argparse
import os
import sys

try:
    from fontTools.ttLib import TTFont
    from fontTools.ttLib.tables._g_l_y_f import Glyph
except ImportError:
    sys.exit("fit-arabic-font: Python's fontTools is missing; scripts/setup.sh installs it "
             "(Debian package python3-fonttools)")

EXPECTED_FAMILY = "Amiri Quran"
# Name records that carry the family: family, unique identifier, full name, PostScript name,
# typographic family, WWS family. Every platform and language of each is replaced.
FAMILY_RECORDS = (1, 3, 4, 6, 16, 21)
# The empty mark that ends a word for Wine, and its glyph's name.
RUN_END = 0x065F
RUN_END_GLYPH = "runend"
MARK_CLASS = 3  # GDEF glyph class of a mark


def fail(message):
    sys.exit("fit-arabic-font: " + message)


def postscript_name(family):
    return "".join(c for c in family if c.isalnum()) + "-Regular"


def fit_line(font, ascent, descent):
    """Every set of line metrics to ascent and descent, with no gap. Returns the source's
    Windows pair."""
    os2 = font["OS/2"]
    hhea = font["hhea"]
    before = (os2.usWinAscent, os2.usWinDescent)
    os2.usWinAscent = ascent
    os2.usWinDescent = descent
    os2.sTypoAscender = ascent
    os2.sTypoDescender = -descent
    os2.sTypoLineGap = 0
    hhea.ascent = ascent
    hhea.descent = -descent
    hhea.lineGap = 0
    return before


def add_run_end(font):
    """The empty mark of no width at RUN_END, after every glyph of the source."""
    order = font.getGlyphOrder()
    if RUN_END_GLYPH in order:
        fail("the source already has a glyph named " + RUN_END_GLYPH)
    if RUN_END in font.getBestCmap():
        fail("the source already maps U+%04X" % RUN_END)
    new_order = list(order) + [RUN_END_GLYPH]
    font.setGlyphOrder(new_order)
    glyf = font["glyf"]
    glyf.glyphs[RUN_END_GLYPH] = Glyph()
    glyf.glyphOrder = new_order
    font["hmtx"][RUN_END_GLYPH] = (0, 0)
    unicode_tables = [t for t in font["cmap"].tables if t.isUnicode()]
    if not unicode_tables:
        fail("the source has no Unicode cmap")
    for table in unicode_tables:
        table.cmap[RUN_END] = RUN_END_GLYPH
    font["GDEF"].table.GlyphClassDef.classDefs[RUN_END_GLYPH] = MARK_CLASS


def name_family(font, family, what):
    names = font["name"]
    version = names.getDebugName(5) or "Version ?"
    style = names.getDebugName(2) or "Regular"
    texts = {
        1: family,
        3: "%s;%s" % (version.replace("Version ", ""), postscript_name(family)),
        4: "%s %s" % (family, style),
        6: postscript_name(family),
        16: family,
        21: family,
    }
    for record in names.names:
        if record.nameID in texts:
            record.string = texts[record.nameID]
    description = names.getDebugName(10) or ""
    names.setName("%s This copy, %s, is %s %s %s." %
                  (description, family, EXPECTED_FAMILY, version.replace("Version ", ""), what),
                  10, 3, 1, 0x409)
    # A record left with the old family would still let the copy answer to it.
    for record in names.names:
        if record.nameID in (1, 16, 21) and record.toUnicode() != family:
            fail("name record %d is still %r" % (record.nameID, record.toUnicode()))


def make(source, output, family, ascent, descent):
    font = TTFont(source, recalcTimestamp=False)
    found = font["name"].getDebugName(1)
    if found != EXPECTED_FAMILY:
        fail("%s is %r, not %s" % (source, found, EXPECTED_FAMILY))
    what = ("with an empty mark at U+%04X for Wine, its glyphs otherwise unchanged" % RUN_END)
    if ascent is not None:
        before = fit_line(font, ascent, descent)
        what = ("with the line metrics (ascent %d, descent %d, no line gap; the source has "
                "%d and %d for Windows) fitted to the ink of the Qur'an text that Nurvela draws "
                "with it, and %s" % (ascent, descent, before[0], before[1], what))
    add_run_end(font)
    name_family(font, family, what)
    temporary = output + ".tmp"
    font.save(temporary)
    os.replace(temporary, output)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("source")
    parser.add_argument("output")
    parser.add_argument("--family", required=True)
    parser.add_argument("--ascent", type=int)
    parser.add_argument("--descent", type=int)
    args = parser.parse_args()
    if (args.ascent is None) != (args.descent is None):
        fail("--ascent and --descent go together")
    if args.ascent is not None and (args.ascent <= 0 or args.descent <= 0):
        fail("ascent and descent are positive numbers of font units")
    if args.family == EXPECTED_FAMILY:
        fail("the copy needs a family name of its own")
    make(args.source, args.output, args.family, args.ascent, args.descent)


if __name__ == "__main__":
    main()
