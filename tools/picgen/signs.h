// The sign-picture families of the generator. Each function draws one family
// and writes its files (and masks); signs_sheet.cpp runs them in order and
// then lays out the contact sheet.
#pragma once

#include <QColor>
#include <QPainter>
#include <QRectF>
#include <QTransform>

#include <utility>
#include <vector>

#include "tools/picgen/picgen.h"

namespace kl::picgen {

// A seal: its cartouche filled with `tile` and edged with `rim` (drawn
// inside the 100 x 100 design square), the emblem in `symbol`, holes in
// the emblem cut back to `tile`.
struct SealStyle {
    QColor tile;
    QColor rim;
    QColor symbol;
    double rimWidth;  // design units; 0 for none
};
void drawSealTile(QPainter& p, int seal, const QRectF& box, const SealStyle& style);
// Plasma emblems 1..7 in a 100 x 100 design square (a disc).
void drawPlasmaEmblem(QPainter& p, int plasma, const QColor& colour, const QColor& hole, double stroke);

// Plasma emblem on its disc plate, the disc filling `disc` (design units
// scaled to it): rim and plate colours, the emblem in `emblem`.
void drawPlasmaDisc(QPainter& p, int plasma, const QRectF& disc, double rim, double stroke, const QColor& rimColour,
                    const QColor& plate, const QColor& emblem);
// Tone 1..13 in bars and dots, in the large tone's 70 x 34 box.
void drawLargeTone(QPainter& p, int tone, const QColor& fill, const QColor& edge);
// Moon-month frame (76 x 86), or the week view's column frame.
void drawCellFrame(QPainter& p, const QColor& c, bool week);
// A dot filling its `w` x `h` box (the year view's dot and the day out of
// time's), with the current pen and brush.
void drawDot(QPainter& p, int w, int h);
// The core of the day out of time's dot: a disc half as wide, in the box's middle.
void drawDotCore(QPainter& p, int w, int h);
// Marker of the special kins (a star) or of kin 78 (a diamond with a hole), 12 x 12.
void drawMarker(QPainter& p, const QColor& c, const QColor& hole, bool star);
// Line figures in their 36 x 48 box, with the current brush: one line (or a
// piece) at row `top`, the piece that fills a broken line's gap, and a whole
// figure of two trigrams with its mark.
void drawFigureLine(QPainter& p, double top, bool solid);
void drawFigureGap(QPainter& p, double top);
void drawFigure(QPainter& p, int lower, int upper, const QColor& line, const QColor& mark);
// The frame that the glyph form puts round a line figure, in the figure's
// box, and where a figure box point lands in a rune picture when the frame
// glyph is drawn at rune size (day 28's rune is that frame).
void drawFigureFrame(QPainter& p, const QColor& c);
QTransform figureToRunePicture();
// Day rune r (0..28) in its 30 x 40 box: the stave with its branches, and
// the underline (which the last days of the weeks have not).
bool runeHasUnderline(int r);
void drawRune(QPainter& p, int r, const QColor& c, bool stave, bool underline);
// Day sign of the moon, day q + 1 (0..6) of week `set` (0 red .. 3 yellow),
// in its 40 x 42 box, layer by layer as the glyph form draws it.
enum class MoonDayLayer { Frame, Disc, Emblem, StarLeft, StarRight, DiamondLeft, DiamondRight, DiamondLeftLow };
std::vector<std::pair<MoonDayLayer, QColor>> moonDayLayers(int set, int q);
void drawMoonDayLayer(QPainter& p, int q, MoonDayLayer layer, const QColor& c, const QColor& hole);
// Vinal k (1..19) in a 50 x 50 design square, and vinal count n (1..19) in 16 x 40.
void drawVinal(QPainter& p, int k, const QColor& c, const QColor& edge, const QColor& plate);
void drawVinalCount(QPainter& p, int n, const QColor& c, const QColor& plate);

void generateSeals(const Output& out);
void generateTones(const Output& out);
void generatePlasmas(const Output& out);
void generateFramesAndMarks(const Output& out);
void generateLineFigures(const Output& out);
void generateMoonSigns(const Output& out);
void generateVinals(const Output& out);
void generateSignSheet(const Output& out);

}  // namespace kl::picgen
