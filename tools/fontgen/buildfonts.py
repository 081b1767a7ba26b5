#!/usr/bin/python3
"""Builds the program's TrueType fonts from the glyph outlines that the
picture generator writes (one JSON file per face: family, metrics, and per
glyph its character, advance and closed polygonal contours in font units,
y up, outer contours clockwise).

usage: buildfonts.py OUTLINE_DIR FONT_DIR
"""
import json
import os
import sys

from fontTools.fontBuilder import FontBuilder
from fontTools.pens.ttGlyphPen import TTGlyphPen

# Fixed dates keep the files the same from build to build (2024-01-01,
# seconds since 1904-01-01 as the head table counts them).
FIXED_TIME = 3786825600


def glyph_name(char):
    return "uni%04X" % ord(char)


def build(source, target_dir):
    with open(source, encoding="utf-8") as f:
        face = json.load(f)
    family = face["family"]
    upm = face["unitsPerEm"]
    ascender, descender = face["ascender"], face["descender"]

    order = [".notdef", "space"]
    cmap = {0x20: "space"}
    outlines = {}
    advances = {".notdef": upm // 2, "space": upm // 4}
    for g in face["glyphs"]:
        char = g["char"]
        if len(char) != 1:
            raise ValueError("%s: glyph %r is not one character" % (family, char))
        name = glyph_name(char)
        if name in outlines:
            raise ValueError("%s: glyph %r twice" % (family, char))
        if not g["contours"]:
            raise ValueError("%s: glyph %r has no outline" % (family, char))
        order.append(name)
        cmap[ord(char)] = name
        outlines[name] = g["contours"]
        advances[name] = g["advance"]

    glyphs = {}
    # .notdef: an empty box, the usual sign of a missing glyph.
    pen = TTGlyphPen(None)
    for (x0, y0, x1, y1) in ((50, 0, 450, 700), (100, 50, 400, 650)):
        pts = [(x0, y0), (x0, y1), (x1, y1), (x1, y0)]
        if x0 == 100:
            pts.reverse()
        pen.moveTo(pts[0])
        for p in pts[1:]:
            pen.lineTo(p)
        pen.closePath()
    glyphs[".notdef"] = pen.glyph()
    glyphs["space"] = TTGlyphPen(None).glyph()
    for name, contours in outlines.items():
        pen = TTGlyphPen(None)
        for flat in contours:
            pts = list(zip(flat[0::2], flat[1::2]))
            if len(pts) < 3:
                raise ValueError("%s: contour of %s with %d points" % (family, name, len(pts)))
            pen.moveTo(pts[0])
            for p in pts[1:]:
                pen.lineTo(p)
            pen.closePath()
        glyphs[name] = pen.glyph()

    fb = FontBuilder(upm, isTTF=True)
    fb.font.recalcTimestamp = False
    fb.setupGlyphOrder(order)
    fb.setupCharacterMap(cmap)
    fb.setupGlyf(glyphs)
    glyf = fb.font["glyf"]
    metrics = {}
    for name in order:
        g = glyf[name]
        g.recalcBounds(glyf)
        metrics[name] = (advances[name], getattr(g, "xMin", 0))
    fb.setupHorizontalMetrics(metrics)
    fb.setupHorizontalHeader(ascent=ascender, descent=descender, lineGap=0)
    ps = family.replace(" ", "") + "-Regular"
    fb.setupNameTable({
        "familyName": family,
        "styleName": "Regular",
        "uniqueFontIdentifier": "Kestralune: " + ps,
        "fullName": family,
        "psName": ps,
        "version": "Version 1.000",
    })
    fb.setupOS2(
        version=4,
        achVendID="KSTR",
        usWeightClass=400,
        sTypoAscender=ascender,
        sTypoDescender=descender,
        sTypoLineGap=0,
        usWinAscent=ascender,
        usWinDescent=-descender,
        # Regular, and the typographic metrics are the ones to use.
        fsSelection=0x40 | 0x80,
        # Our own faces: installable, so a PDF may embed them and a user may
        # install them like any other font.
        fsType=0,
        # A symbol face: no Latin text, so no code-page claims beyond Latin 1.
        ulCodePageRange1=1,
        ulCodePageRange2=0,
    )
    fb.setupPost()
    fb.updateHead(created=FIXED_TIME, modified=FIXED_TIME)
    target = os.path.join(target_dir, face["file"])
    fb.save(target)
    return target


def main(argv):
    if len(argv) != 3:
        sys.stderr.write(__doc__)
        return 2
    source_dir, target_dir = argv[1], argv[2]
    os.makedirs(target_dir, exist_ok=True)
    sources = sorted(n for n in os.listdir(source_dir) if n.endswith(".json"))
    if not sources:
        sys.stderr.write("buildfonts: no outlines in %s\n" % source_dir)
        return 1
    for name in sources:
        build(os.path.join(source_dir, name), target_dir)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
