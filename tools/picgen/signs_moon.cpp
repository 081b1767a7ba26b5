// Signs of the days of the moon and of the vinals: the 29 day runes, the 28
// day signs in their four weekly colour sets, the 19 vinals in two sizes and
// the 19 vinal counts.
#include <QPainterPath>

#include "tools/picgen/signs.h"
#include "tools/picgen/style.h"

namespace kl::picgen {
namespace {

const QColor kRuneColour(226, 206, 150);
const QColor kVinalColour(84, 212, 200);
const QColor kVayebColour(150, 150, 160);  // the five nameless days

// Rune r (0..28): a stave with branches chosen by the bits of r + 1, so that
// every rune differs: upper right, upper left, lower right, lower left, and a
// ring at the foot.
QImage rune(int r) {
    QImage img = canvas(kRune);
    QPainter p;
    beginPainter(p, img);
    p.setPen(QPen(kRuneColour, 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const int bits = r + 1;
    const double cx = kRune.w / 2.0;
    p.drawLine(QPointF(cx, 4), QPointF(cx, 30));
    if (bits & 1) p.drawLine(QPointF(cx, 13), QPointF(cx + 10, 5));
    if (bits & 2) p.drawLine(QPointF(cx, 13), QPointF(cx - 10, 5));
    if (bits & 4) p.drawLine(QPointF(cx, 20), QPointF(cx + 10, 28));
    if (bits & 8) p.drawLine(QPointF(cx, 20), QPointF(cx - 10, 28));
    if (bits & 16) p.drawEllipse(QPointF(cx, 34), 3.2, 3.2);
    else p.drawLine(QPointF(cx - 4, 34), QPointF(cx + 4, 34));
    p.end();
    return img;
}

// Day sign of the moon: the emblem of its day of the week (the plasma of
// that day) on a plate framed in the week's colour, with one pip per day.
QImage moonDaySign(int q, const QColor& week) {
    QImage img = canvas(kMoonDaySign);
    QPainter p;
    beginPainter(p, img);
    p.setPen(QPen(week, 2));
    p.setBrush(kPlate);
    p.drawRoundedRect(QRectF(1, 1, kMoonDaySign.w - 2, kMoonDaySign.h - 2), 7, 7);
    p.save();
    p.translate(6, 3);
    p.scale(0.28, 0.28);
    drawPlasmaEmblem(p, q + 1, week, kPlate, 9);
    p.restore();
    p.setPen(Qt::NoPen);
    p.setBrush(week);
    const double pitch = 4.4, x0 = kMoonDaySign.w / 2.0 - pitch * q / 2;
    for (int i = 0; i <= q; ++i) p.drawEllipse(QPointF(x0 + pitch * i, 35), 1.6, 1.6);
    p.end();
    return img;
}

// Vinal k (1..19): a cartouche with a motif, one to four marks of one of
// five kinds (so no two vinals share it), over the vinal's number in bars
// and dots.
void motifMark(QPainter& p, int kind, QPointF c, double s) {
    switch (kind) {
        case 0: p.drawEllipse(c, s, s); break;
        case 1: p.drawPolygon(QPolygonF({c + QPointF(0, -s), c + QPointF(s, s * 0.8), c + QPointF(-s, s * 0.8)})); break;
        case 2:
            p.drawLine(c + QPointF(-s, 0), c + QPointF(s, 0));
            p.drawLine(c + QPointF(0, -s), c + QPointF(0, s));
            break;
        case 3: {
            QPainterPath w;
            w.moveTo(c + QPointF(-s, 0));
            w.cubicTo(c + QPointF(-s / 2, -s), c + QPointF(0, -s), c);
            w.cubicTo(c + QPointF(0, s), c + QPointF(s / 2, s), c + QPointF(s, 0));
            p.drawPath(w);
            break;
        }
        default: p.drawRect(QRectF(c - QPointF(s * 0.8, s * 0.8), c + QPointF(s * 0.8, s * 0.8))); break;
    }
}

QImage vinal(int k, PicSize size) {
    QImage img = canvas(size);
    QPainter p;
    beginPainter(p, img);
    const double u = size.w / 50.0;  // drawn in a 50-pixel design square
    p.scale(u, u);
    const QColor c = k == 19 ? kVayebColour : kVinalColour;
    p.setPen(QPen(c, 2.2));
    p.setBrush(kPlate);
    p.drawRoundedRect(QRectF(1.5, 1.5, 47, 47), 12, 12);
    const int kind = (k - 1) % 5, count = (k - 1) / 5 + 1;
    p.setPen(QPen(c, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    const double pitch = 10, x0 = 25 - pitch * (count - 1) / 2;
    for (int i = 0; i < count; ++i) motifMark(p, kind, QPointF(x0 + pitch * i, 17), 3.6);
    drawBarDot(p, k, QRectF(8, 27, 34, 17), 4, 3, 1.6, c, c.darker(160));
    p.end();
    return img;
}

// Vinal count n (1..19): a narrow cartouche beside the vinal, the count in
// bars and dots. Four dots must fit the 16-pixel width, so the dots are
// packed closer than the bars are stacked.
QImage vinalCount(int n) {
    QImage img = canvas(kVinalCount);
    QPainter p;
    beginPainter(p, img);
    p.setPen(QPen(kVinalColour, 1.4));
    p.setBrush(kPlate);
    p.drawRoundedRect(QRectF(0.7, 0.7, kVinalCount.w - 1.4, kVinalCount.h - 1.4), 5, 5);
    constexpr double dot = 2.6, dotPitch = 3.1, bar = 3, gap = 2.4, barW = 11;
    const int bars = n / 5, dots = n % 5;
    double y = kVinalCount.h / 2.0 - ((dots ? dot + gap : 0) + bars * (bar + gap) - gap) / 2;
    p.setPen(Qt::NoPen);
    p.setBrush(kVinalColour);
    const double cx = kVinalCount.w / 2.0;
    for (int i = 0; i < dots; ++i) p.drawEllipse(QRectF(cx - dotPitch * dots / 2 + dotPitch * i + (dotPitch - dot) / 2, y, dot, dot));
    if (dots) y += dot + gap;
    for (int i = 0; i < bars; ++i, y += bar + gap) p.drawRoundedRect(QRectF(cx - barW / 2, y, barW, bar), 1, 1);
    p.end();
    return img;
}

}  // namespace

void generateMoonSigns(const Output& out) {
    for (int r = 0; r <= 28; ++r) writeSign(out, 315 + r, rune(r));
    // Days 1..7 red, 8..14 white, 15..21 blue, 22..28 yellow.
    for (int set = 0; set < 4; ++set)
        for (int q = 0; q < 7; ++q) writeSign(out, 344 + 7 * set + q, moonDaySign(q, sealColor(set)));
}

void generateVinals(const Output& out) {
    for (int k = 1; k <= 19; ++k) {
        writeSign(out, 373 + k, vinal(k, kVinal50));
        writeSign(out, 392 + k, vinal(k, kVinal40));
        // Code 411 + count: file k - 1 shows the count k.
        writeSign(out, 411 + k, vinalCount(k));
    }
}

}  // namespace kl::picgen
