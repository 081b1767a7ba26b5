// Signs of the days of the moon and of the vinals: the 29 day runes, the 28
// day signs in their four weekly colour sets, the 19 vinals in two sizes and
// the 19 vinal counts.
#include <QPainterPath>
#include <QtMath>

#include <cmath>

#include "tools/picgen/signs.h"
#include "tools/picgen/style.h"

namespace kl::picgen {
namespace {

const QColor kRuneColour(226, 206, 150);
const QColor kVinalColour(84, 212, 200);
const QColor kVayebColour(150, 150, 160);  // the five nameless days
// The numeral under a vinal's motifs, in its 34 x 17 strip.
constexpr BarDotMetrics kVinalNumeral{4.8, 1.1, 3.8, 0.8, 0.88};

QImage rune(int r) {
    QImage img = canvas(kRune);
    QPainter p;
    beginPainter(p, img);
    drawRune(p, r, kRuneColour, true, true);
    p.end();
    return img;
}

// The week's colour frames every day sign. (The glyph form draws the fourth
// day's frame blue in every week; the pictures keep the weeks apart.)
QColor moonDayFrameColour(int set, int) { return sealColor(set); }

QImage moonDaySign(int set, int q) {
    QImage img = canvas(kMoonDaySign);
    QPainter p;
    beginPainter(p, img);
    p.setPen(Qt::NoPen);
    p.setBrush(kPlate);
    p.drawRoundedRect(QRectF(1, 1, kMoonDaySign.w - 2, kMoonDaySign.h - 2), 7, 7);
    for (const auto& [layer, colour] : moonDayLayers(set, q)) drawMoonDayLayer(p, q, layer, colour, kPlate);
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
    p.scale(size.w / 50.0, size.w / 50.0);  // drawn in a 50-pixel design square
    const QColor c = k == 19 ? kVayebColour : kVinalColour;
    drawVinal(p, k, c, c.darker(160), kPlate);
    p.end();
    return img;
}

QImage vinalCount(int n) {
    QImage img = canvas(kVinalCount);
    QPainter p;
    beginPainter(p, img);
    drawVinalCount(p, n, kVinalColour, kPlate);
    p.end();
    return img;
}

}  // namespace

// Rune r (0..28): a stave with branches chosen by the bits of r + 1, so that
// every rune differs: upper right, upper left, lower right, lower left, and a
// ring at the foot. Every rune stands on an underline but those of the last
// day of each week (days 7, 14 and 21), and the rune of day 28 is the frame
// that the glyph form also draws round a line figure: the week closes.
bool runeHasUnderline(int r) { return r % 7 != 6; }

void drawRune(QPainter& p, int r, const QColor& c, bool stave, bool underline) {
    p.setPen(QPen(c, 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    if (stave && r == 27) {
        p.save();
        p.setTransform(figureToRunePicture(), true);
        drawFigureFrame(p, c);
        p.restore();
        return;
    }
    const double cx = kRune.w / 2.0;
    if (stave) {
        const int bits = r + 1;
        p.drawLine(QPointF(cx, 4), QPointF(cx, 28));
        if (bits & 1) p.drawLine(QPointF(cx, 12), QPointF(cx + 10, 4));
        if (bits & 2) p.drawLine(QPointF(cx, 12), QPointF(cx - 10, 4));
        if (bits & 4) p.drawLine(QPointF(cx, 19), QPointF(cx + 10, 27));
        if (bits & 8) p.drawLine(QPointF(cx, 19), QPointF(cx - 10, 27));
        if (bits & 16) p.drawEllipse(QPointF(cx, 31.4), 3, 3);
    }
    if (underline && runeHasUnderline(r)) p.drawLine(QPointF(cx - 9, 37), QPointF(cx + 9, 37));
}

// Day sign of the moon, day q + 1 of its week (0..6): a frame with one pip
// per day, a disc in the colour of the day's plasma with the plasma's emblem
// on it, and for some days small stars and diamonds at the top corners.
// Layered as the glyph form composes it.
std::vector<std::pair<MoonDayLayer, QColor>> moonDayLayers(int set, int q) {
    const QColor red = sealColor(0), yellow = sealColor(3);
    std::vector<std::pair<MoonDayLayer, QColor>> layers = {
        {MoonDayLayer::Frame, moonDayFrameColour(set, q)},
        {MoonDayLayer::Disc, sealColor(q + 3)},
        {MoonDayLayer::Emblem, kInk},
    };
    switch (q) {
        case 1: layers.push_back({MoonDayLayer::StarLeft, yellow}); break;
        case 2: layers.push_back({MoonDayLayer::DiamondRight, red}), layers.push_back({MoonDayLayer::StarLeft, yellow}); break;
        case 3: layers.push_back({MoonDayLayer::DiamondLeft, red}); break;
        case 5: layers.push_back({MoonDayLayer::StarRight, yellow}); break;
        case 6: layers.push_back({MoonDayLayer::DiamondLeftLow, red}), layers.push_back({MoonDayLayer::StarRight, yellow}); break;
        default: break;
    }
    return layers;
}

void drawMoonDayLayer(QPainter& p, int q, MoonDayLayer layer, const QColor& c, const QColor& hole) {
    const QPointF centre(kMoonDaySign.w / 2.0, 17);
    constexpr double kDisc = 12.5;
    auto diamond = [&](QPointF at, double r) {
        p.setPen(Qt::NoPen);
        p.setBrush(c);
        p.drawPolygon(QPolygonF({at + QPointF(0, -r), at + QPointF(r * 0.75, 0), at + QPointF(0, r), at + QPointF(-r * 0.75, 0)}));
    };
    auto star = [&](QPointF at, double r) {
        p.setPen(Qt::NoPen);
        p.setBrush(c);
        QPolygonF s;
        for (int i = 0; i < 8; ++i) {
            const double a = M_PI / 4 * i - M_PI / 2, d = i % 2 ? r * 0.38 : r;
            s << at + QPointF(d * std::cos(a), d * std::sin(a));
        }
        p.drawPolygon(s);
    };
    switch (layer) {
        case MoonDayLayer::Frame: {
            p.setPen(QPen(c, 2));
            p.setBrush(Qt::NoBrush);
            p.drawRoundedRect(QRectF(1, 1, kMoonDaySign.w - 2, kMoonDaySign.h - 2), 7, 7);
            p.setPen(Qt::NoPen);
            p.setBrush(c);
            const double pitch = 4.4, x0 = kMoonDaySign.w / 2.0 - pitch * q / 2;
            for (int i = 0; i <= q; ++i) p.drawEllipse(QPointF(x0 + pitch * i, 35.5), 1.6, 1.6);
            break;
        }
        case MoonDayLayer::Disc:
            p.setPen(Qt::NoPen);
            p.setBrush(c);
            p.drawEllipse(centre, kDisc, kDisc);
            break;
        case MoonDayLayer::Emblem:
            p.save();
            p.translate(centre - QPointF(kDisc, kDisc));
            p.scale(2 * kDisc / 100, 2 * kDisc / 100);
            p.translate(8, 8);
            p.scale(0.84, 0.84);
            drawPlasmaEmblem(p, q + 1, c, hole, 9);
            p.restore();
            break;
        case MoonDayLayer::StarLeft: star(QPointF(6.5, 6.5), 3.6); break;
        case MoonDayLayer::StarRight: star(QPointF(kMoonDaySign.w - 6.5, 6.5), 3.6); break;
        case MoonDayLayer::DiamondLeft: diamond(QPointF(6.5, 6.5), 3.4); break;
        case MoonDayLayer::DiamondRight: diamond(QPointF(kMoonDaySign.w - 6.5, 6.5), 3.4); break;
        case MoonDayLayer::DiamondLeftLow: diamond(QPointF(6.5, 8), 3.4); break;
    }
}

// Vinal k (1..19) in a 50-pixel design square: a cartouche with a motif,
// one to four marks of one of five kinds (so no two vinals share it), over
// the vinal's number in bars and dots.
void drawVinal(QPainter& p, int k, const QColor& c, const QColor& edge, const QColor& plate) {
    p.setPen(QPen(c, 2.2));
    p.setBrush(plate);
    p.drawRoundedRect(QRectF(1.5, 1.5, 47, 47), 12, 12);
    const int kind = (k - 1) % 5, count = (k - 1) / 5 + 1;
    p.setPen(QPen(c, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    const double pitch = 10, x0 = 25 - pitch * (count - 1) / 2;
    for (int i = 0; i < count; ++i) motifMark(p, kind, QPointF(x0 + pitch * i, 17), 3.6);
    drawBarDot(p, k, QRectF(8, 27, 34, 17), kVinalNumeral, c, edge);
}

// Vinal count n (1..19): a narrow cartouche beside the vinal, the count in
// bars and dots. Four dots must fit the 16-pixel width, so the dots are
// packed closer than the bars are stacked.
void drawVinalCount(QPainter& p, int n, const QColor& c, const QColor& plate) {
    p.setPen(QPen(c, 1.4));
    p.setBrush(plate);
    p.drawRoundedRect(QRectF(0.7, 0.7, kVinalCount.w - 1.4, kVinalCount.h - 1.4), 5, 5);
    constexpr double dot = 2.6, dotPitch = 3.1, bar = 3, gap = 2.4, barW = 11;
    const int bars = n / 5, dots = n % 5;
    double y = kVinalCount.h / 2.0 - ((dots ? dot + gap : 0) + bars * (bar + gap) - gap) / 2;
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    const double cx = kVinalCount.w / 2.0;
    for (int i = 0; i < dots; ++i)
        p.drawEllipse(QRectF(cx - dotPitch * dots / 2 + dotPitch * i + (dotPitch - dot) / 2, y, dot, dot));
    if (dots) y += dot + gap;
    for (int i = 0; i < bars; ++i, y += bar + gap) p.drawRoundedRect(QRectF(cx - barW / 2, y, barW, bar), 1, 1);
}

void generateMoonSigns(const Output& out) {
    for (int r = 0; r <= 28; ++r) writeSign(out, 315 + r, rune(r));
    // Days 1..7 red, 8..14 white, 15..21 blue, 22..28 yellow.
    for (int set = 0; set < 4; ++set)
        for (int q = 0; q < 7; ++q) writeSign(out, 344 + 7 * set + q, moonDaySign(set, q));
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
