// The common visual language of the generated pictures: palette and drawing
// helpers. Every picture is drawn antialiased on a transparent canvas and then
// flattened for the way the program draws it (a key colour, or a mask).
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QString>

#include <string>

#include "platform/picture.h"
#include "tools/picgen/picgen.h"
#include "layout/signpalette.h"
#include "layout/signtable.h"
#include "layout/viewgeometry.h"

namespace kl::picgen {

// The sign table (codes, file names, key colours, sizes) is the program's own.
using namespace kl::layout;

// Background of every view and of the compact face.
inline const QColor kViewBackground(layout::kViewBackground.r, layout::kViewBackground.g, layout::kViewBackground.b);
// Plates behind the symbols: a little lighter than the background so that a
// sign reads as a tile.
inline const QColor kPlate(palette::kPlate.r, palette::kPlate.g, palette::kPlate.b);
inline const QColor kPlateEdge(52, 44, 104);
// Dark ink for symbols drawn on a coloured tile (15-pixel seals).
inline const QColor kInk(palette::kInk.r, palette::kInk.g, palette::kInk.b);
// Neutral light colour of the tones, pieces and dots.
inline const QColor kBone(palette::kBone.r, palette::kBone.g, palette::kBone.b);
inline const QColor kGold(236, 196, 96);

// The four colours of the count, red, white, blue, yellow, cycling from seal 1.
QColor sealColor(int colourIndex);  // 0 red, 1 white, 2 blue, 3 yellow
// Light variants for frames and the year view's chromatic sets (1..4).
QColor chromaticColor(int cromatic);

// A transparent ARGB canvas and an antialiased painter on it.
QImage canvas(int w, int h);
inline QImage canvas(PicSize s) { return canvas(s.w, s.h); }
void beginPainter(QPainter& p, QImage& img);

// Flattens art for key-colour drawing: fully transparent pixels become the
// key; partly covered pixels are mixed over the view background, and any
// visible pixel that would equal the key is moved one step off it.
QImage flattenOnKey(const QImage& art, platform::Rgb key);
// The opacity mask of art: white opaque, black transparent, grey between.
QImage alphaMask(const QImage& art);

// Writes the picture of a sign code under the name and key colour the
// renderer uses for it; throws when the art is not the promised size.
void writeSign(const Output& out, int code, const QImage& art);
// Writes a compact-face mask (`name` without directory, e.g. "SBalfa.bmp").
void writeMask(const Output& out, const QString& name, const QImage& art);

// Proportions of a bar-and-dot numeral, in pixels of the box it is drawn
// in; every size is the painted extent, edge included.
struct BarDotMetrics {
    double dot;       // dot diameter
    double dotGap;    // between neighbouring dots
    double bar;       // bar thickness
    double gap;       // between the row of dots and a bar, and between bars
    double barShare;  // bar length, as a share of the box's width
};
// Bar-and-dot numeral of n (1..19): dots in a row above up to three bars,
// centred on `box`, filled in `fill` and edged in `edge`.
void drawBarDot(QPainter& p, int n, const QRectF& box, const BarDotMetrics& m, const QColor& fill,
                const QColor& edge);
// The rotated form for very small cells: a row of dots, then upright
// bars, pixel-exact (no antialiasing) so that a 7-pixel strip stays legible.
void drawBarDotUpright(QImage& img, int n, const QColor& fill);

QString fileOf(int code);  // "zc450000.bmp" for 78

}  // namespace kl::picgen
