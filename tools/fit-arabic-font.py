#!/usr/bin/env python3
"""Makes the program's copy of the Arabic font: the packaged Amiri Quran with its line
metrics fitted to the ink of the Qur'an text, under a family name of its own.

Amiri Quran gives Windows (OS/2 usWinAscent/usWinDescent) a line of 4.175 em, room for marks
stacked higher and deeper than any verse has them; every Arabic line of the view was that
tall. The ink of the whole text, as the view draws it, lies within 1815 units above and 1039
below the baseline (1000 to the em). This copy gives every vertical metric that a renderer
may take the line from (OS/2 win and typo, hhea) the ascent and descent named here, and no
line gap; the glyphs, their positions and every other table stay as they are, byte for byte.

The family name differs, so that the copy never stands in for an Amiri Quran that the user
has installed, nor the other way round. The copyright and licence records stay, and the
description says what was changed and from what (the font's licence, the SIL Open Font
License 1.1, allows modified copies under the same licence; the font declares no Reserved
Font Name).

    fit-arabic-font.py SOURCE.ttf OUTPUT.ttf --ascent N --descent N --family NAME

The output is the same for the same input: the modification time stays the source's.
"""
import argparse
import os
import sys

try:
    from fontTools.ttLib import TTFont
except ImportError:
    sys.exit("fit-arabic-font: Python's fontTools is missing; scripts/setup.sh installs it "
             "(Debian package python3-fonttools)")

EXPECTED_FAMILY = "Amiri Quran"
# Name records that carry the family: family, unique identifier, full name, PostScript name,
# typographic family, WWS family. Every platform and language of each is replaced.
FAMILY_RECORDS = (1, 3, 4, 6, 16, 21)


def postscript_name(family):
    return "".join(c for c in family if c.isalnum()) + "-Regular"


def fit(source, output, ascent, descent, family):
    font = TTFont(source, recalcTimestamp=False)
    names = font["name"]
    found = names.getDebugName(1)
    if found != EXPECTED_FAMILY:
        sys.exit("fit-arabic-font: %s is %r, not %s" % (source, found, EXPECTED_FAMILY))
    version = names.getDebugName(5) or "Version ?"

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
    names.setName(
        "%s This copy, %s, is %s %s with the line metrics (ascent %d, descent %d, no line "
        "gap; the source has %d and %d for Windows) fitted to the ink of the Qur'an text that "
        "Nurvela draws with it; its glyphs are unchanged." %
        (description, family, EXPECTED_FAMILY, version, ascent, descent, before[0], before[1]),
        10, 3, 1, 0x409)
    # A font that names a record the copy left alone would still answer to the old family
    # through it: every family record must be the new one now.
    for record in names.names:
        if record.nameID in (1, 16, 21) and record.toUnicode() != family:
            sys.exit("fit-arabic-font: name record %d is still %r" %
                     (record.nameID, record.toUnicode()))

    temporary = output + ".tmp"
    font.save(temporary)
    os.replace(temporary, output)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("source")
    parser.add_argument("output")
    parser.add_argument("--ascent", type=int, required=True)
    parser.add_argument("--descent", type=int, required=True)
    parser.add_argument("--family", required=True)
    args = parser.parse_args()
    if args.ascent <= 0 or args.descent <= 0:
        sys.exit("fit-arabic-font: ascent and descent are positive numbers of font units")
    if args.family == EXPECTED_FAMILY:
        sys.exit("fit-arabic-font: the copy needs a family name of its own")
    fit(args.source, args.output, args.ascent, args.descent, args.family)


if __name__ == "__main__":
    main()
