// Frames, dots, markers, the line figures and their pieces, and the frame
// lines of the week view.
#include <QPainterPath>

#include "tools/picgen/picgen.h"
#include "tools/picgen/signs.h"
#include "tools/picgen/style.h"
#include "tools/textgen/figures.h"

namespace kl::picgen {
namespace {

const QColor kMagenta(250, 50, 250);  // special kins, as the glyph export colours them
const QColor kGreen(50, 250, 150);    // kin 78

QImage cellFrame(int cromatic, bool week) {
    QImage img = canvas(kCellFrame);
    QPainter p;
    beginPainter(p, img);
    drawCellFrame(p, chromaticColor(cromatic), week);
    p.end();
    return img;
}

// Year-view frames are pixel-exact: a plate with a one-pixel border.
QImage yearFrame(int cromatic) {
    QImage img = canvas(kYearFrame);
    img.fill(kPlate);
    const QRgb c = chromaticColor(cromatic).rgba();
    const int border = drawScale();  // one pixel of the 1x picture
    for (int i = 0; i < border; ++i) {
        for (int x = 0; x < img.width(); ++x) img.setPixel(x, i, c), img.setPixel(x, img.height() - 1 - i, c);
        for (int y = 0; y < img.height(); ++y) img.setPixel(i, y, c), img.setPixel(img.width() - 1 - i, y, c);
    }
    return img;
}

}  // namespace

void drawDot(QPainter& p, int w, int h) { p.drawEllipse(QRectF(0.5, 0.5, w - 1, h - 1)); }
void drawDotCore(QPainter& p, int w, int h) { p.drawEllipse(QPointF(w / 2.0, h / 2.0), w / 4.0, h / 4.0); }

namespace {

QImage disc(PicSize size, const QColor& fill, const QColor& core) {
    QImage img = canvas(size);
    QPainter p;
    beginPainter(p, img);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    drawDot(p, size.w, size.h);
    if (core.isValid()) {
        p.setBrush(core);
        drawDotCore(p, size.w, size.h);
    }
    p.end();
    return img;
}

QImage marker(const QColor& c, bool star) {
    QImage img = canvas(kMarker);
    QPainter p;
    beginPainter(p, img);
    drawMarker(p, c, kPlate, star);
    p.end();
    return img;
}

QImage figurePiece(bool solid) {
    QImage img = canvas(kFigurePiece);
    QPainter p;
    beginPainter(p, img);
    p.setPen(Qt::NoPen);
    p.setBrush(kGold);
    drawFigureLine(p, 0, solid);
    p.end();
    return img;
}

// Picture m (1..64) shows the lower trigram of member (m - 1) mod 8 and the
// upper trigram (m - 1) div 8; line i counts from the bottom, bit 0 of a
// trigram is its bottom line, a set bit a solid line.
QImage figure(int m) {
    QImage img = canvas(kFigure);
    QPainter p;
    beginPainter(p, img);
    drawFigure(p, textgen::lowerTrigramOfMember((m - 1) % 8), (m - 1) / 8, kGold, kBone);
    p.end();
    return img;
}

// Week frame lines, 3 pixels wide, centred 6 pixels in from the picture's
// edge so that the top, side and bottom pictures meet.
constexpr double kLineCentre = 6, kLineWidth = 3;

QImage frameLine(PicSize size, const QColor& c, int part) {
    QImage img = canvas(size);
    QPainter p;
    beginPainter(p, img);
    p.setPen(QPen(c, kLineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    const double right = size.w - kLineCentre;
    QPainterPath path;
    if (part == 1) {  // top: across, dropping at both ends to the side lines
        path.moveTo(kLineCentre, size.h);
        path.lineTo(kLineCentre, kLineCentre + 6);
        path.quadTo(kLineCentre, kLineCentre, kLineCentre + 6, kLineCentre);
        path.lineTo(right - 6, kLineCentre);
        path.quadTo(right, kLineCentre, right, kLineCentre + 6);
        path.lineTo(right, size.h);
    } else if (part == 2) {  // bottom: the side lines end in it
        path.moveTo(kLineCentre, 0);
        path.lineTo(kLineCentre, kLineCentre);
        path.lineTo(right, kLineCentre);
        path.lineTo(right, 0);
    } else {  // side
        path.moveTo(kLineCentre, 0);
        path.lineTo(kLineCentre, size.h);
    }
    p.drawPath(path);
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    const QPointF centre = part == 3 ? QPointF(kLineCentre, size.h / 2.0) : QPointF(size.w / 2.0, kLineCentre);
    p.drawPolygon(QPolygonF({centre + QPointF(0, -5), centre + QPointF(5, 0), centre + QPointF(0, 5),
                             centre + QPointF(-5, 0)}));
    p.end();
    return img;
}

}  // namespace

// Cell frames leave 2 pixels free on every side so that neighbouring cells
// of the 76-pixel grid stay apart.
void drawCellFrame(QPainter& p, const QColor& c, bool week) {
    const QRectF r(2.5, 2.5, kCellFrame.w - 5, kCellFrame.h - 5);
    p.setPen(QPen(c, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(r, 7, 7);
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    if (week) {
        // Week columns: a band across the top marks the column heading.
        p.drawRoundedRect(QRectF(12, 1.5, kCellFrame.w - 24, 4), 2, 2);
    } else {
        for (const QPointF pt : {r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight()})
            p.drawEllipse(QPointF(pt.x() + (pt.x() < 38 ? 4 : -4), pt.y() + (pt.y() < 43 ? 4 : -4)), 1.6, 1.6);
    }
}

void drawMarker(QPainter& p, const QColor& c, const QColor& hole, bool star) {
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    const double m = kMarker.w / 2.0;
    if (star) {
        p.drawPolygon(QPolygonF({{m, 0}, {m + 1.8, m - 1.8}, {2 * m, m}, {m + 1.8, m + 1.8},
                                 {m, 2 * m}, {m - 1.8, m + 1.8}, {0, m}, {m - 1.8, m - 1.8}}));
    } else {
        p.drawPolygon(QPolygonF({{m, 0.5}, {2 * m - 0.5, m}, {m, 2 * m - 0.5}, {0.5, m}}));
        p.setBrush(hole);
        p.drawEllipse(QPointF(m, m), 1.8, 1.8);
    }
}

// One line of a figure at row `top`: solid, or broken in two with a gap.
// A one-pixel margin at both ends keeps the rounded ends clear of the
// picture's edge (and the edge columns in the key colour).
namespace {
constexpr double kFigureLineLength = kFigurePiece.w - 2, kFigureLineGap = 6;
constexpr double kFigureLineHalf = (kFigureLineLength - kFigureLineGap) / 2, kFigureLineRadius = 1.5;
}  // namespace

void drawFigureLine(QPainter& p, double top, bool solid) {
    const double h = kFigurePiece.h;
    if (solid) {
        p.drawRoundedRect(QRectF(1, top + 0.5, kFigureLineLength, h - 1), kFigureLineRadius, kFigureLineRadius);
    } else {
        p.drawRoundedRect(QRectF(1, top + 0.5, kFigureLineHalf, h - 1), kFigureLineRadius, kFigureLineRadius);
        p.drawRoundedRect(QRectF(1 + kFigureLineHalf + kFigureLineGap, top + 0.5, kFigureLineHalf, h - 1), kFigureLineRadius, kFigureLineRadius);
    }
}

void drawFigureGap(QPainter& p, double top) {
    // Square-ended over the halves' rounded inner ends: with them it makes
    // exactly the solid line.
    p.drawRect(QRectF(1 + kFigureLineHalf - kFigureLineRadius, top + 0.5, kFigureLineGap + 2 * kFigureLineRadius, kFigurePiece.h - 1));
}

void drawFigure(QPainter& p, int lower, int upper, const QColor& line, const QColor& mark) {
    p.setPen(Qt::NoPen);
    p.setBrush(line);
    for (int i = 0; i < 6; ++i) {
        const bool solid = i < 3 ? (lower >> i) & 1 : (upper >> (i - 3)) & 1;
        drawFigureLine(p, kFigureBottomRow - kFigurePitch * i, solid);
    }
    // The whole figure carries a small mark above it, where a stack of
    // pieces has none.
    p.setBrush(mark);
    p.drawEllipse(QPointF(kFigure.w / 2.0, 3.5), 2.2, 2.2);
}

void generateFramesAndMarks(const Output& out) {
    for (int c = 1; c <= 4; ++c) {
        writeSign(out, 137 + c, cellFrame(c, false));
        writeSign(out, 234 + c, cellFrame(c, true));
        writeSign(out, 174 + c, yearFrame(c));
    }
    writeSign(out, 232, disc(kDot, kGold, QColor()));
    writeSign(out, 372, disc(kDot1, kBone, kGold));
    writeSign(out, 239, marker(kMagenta, true));
    writeSign(out, 243, marker(kGreen, false));
}

void generateLineFigures(const Output& out) {
    writeSign(out, 233, figurePiece(false));
    writeSign(out, 234, figurePiece(true));
    for (int m = 1; m <= 64; ++m) writeSign(out, 250 + m, figure(m));
    // Yellow, red, white and blue sets of top, bottom and side lines.
    const int colourOfSet[4] = {3, 0, 1, 2};
    for (int set = 0; set < 4; ++set) {
        const QColor c = sealColor(colourOfSet[set]);
        writeSign(out, 431 + 3 * set, frameLine(kLineTop, c, 1));
        writeSign(out, 432 + 3 * set, frameLine(kLineBottom, c, 2));
        writeSign(out, 433 + 3 * set, frameLine(kLineSide, c, 3));
    }
}

}  // namespace kl::picgen
