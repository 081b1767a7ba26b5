// The twenty solar seals: one symbol per seal name on a rounded tile whose
// rim (or, in the 15-pixel set, whose fill) carries the seal's colour. All
// sizes share the same design square so that a seal looks the same in every set.
#include <QPainterPath>
#include <QtMath>

#include <stdexcept>

#include "tools/picgen/signs.h"
#include "tools/picgen/style.h"

namespace kl::picgen {
namespace {

using Pts = std::initializer_list<QPointF>;

QPainterPath poly(Pts pts) {
    QPainterPath path;
    bool first = true;
    for (const QPointF& pt : pts) {
        if (first) path.moveTo(pt);
        else path.lineTo(pt);
        first = false;
    }
    path.closeSubpath();
    return path;
}

QPainterPath star(QPointF c, int points, double outer, double inner, double turn = -90) {
    QPainterPath path;
    for (int i = 0; i < 2 * points; ++i) {
        const double a = qDegreesToRadians(turn + 180.0 * i / points);
        const double r = i % 2 ? inner : outer;
        const QPointF pt(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
        if (i == 0) path.moveTo(pt);
        else path.lineTo(pt);
    }
    path.closeSubpath();
    return path;
}

struct Brushes {
    QPainter& p;
    QColor ink, hole;
    double stroke;
    void line() { p.setPen(QPen(ink, stroke, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin)); p.setBrush(Qt::NoBrush); }
    void fill() { p.setPen(Qt::NoPen); p.setBrush(ink); }
    void punch() { p.setPen(Qt::NoPen); p.setBrush(hole); }
    void punchLine(double w) { p.setPen(QPen(hole, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin)); p.setBrush(Qt::NoBrush); }
};

void dragon(Brushes& b) {
    b.line();  // horns swept back
    QPainterPath horns;
    horns.moveTo(40, 34);
    horns.quadTo(30, 30, 20, 18);
    horns.moveTo(48, 32);
    horns.quadTo(40, 22, 38, 10);
    b.p.drawPath(horns);
    b.fill();  // head in profile with open jaws, spines down the neck
    b.p.drawPath(poly({{24, 82}, {28, 52}, {42, 32}, {62, 33}, {84, 44}, {82, 53}, {60, 55}, {80, 64},
                       {76, 70}, {56, 68}, {46, 84}}));
    b.p.drawPath(poly({{29, 50}, {16, 46}, {27, 60}}));
    b.p.drawPath(poly({{26, 64}, {14, 64}, {25, 74}}));
    b.p.drawPath(poly({{40, 34}, {38, 24}, {46, 31}}));  // crest between the horns
    b.p.drawPath(poly({{72, 58}, {96, 50}, {88, 58}, {98, 62}, {86, 64}, {94, 72}, {74, 62}}));  // fire
    b.punch();
    b.p.drawEllipse(QPointF(52, 42), 4.5, 4.5);
    b.p.drawPath(poly({{64, 54}, {67, 58}, {70, 54}}));  // teeth
}

void wind(Brushes& b) {
    b.line();
    QPainterPath top;
    top.moveTo(16, 36);
    top.lineTo(60, 36);
    top.cubicTo(80, 36, 80, 14, 64, 16);
    top.cubicTo(56, 17, 56, 28, 63, 28);
    QPainterPath mid;
    mid.moveTo(12, 54);
    mid.lineTo(70, 54);
    mid.cubicTo(90, 54, 90, 78, 74, 76);
    mid.cubicTo(66, 75, 66, 65, 72, 65);
    QPainterPath low;
    low.moveTo(22, 72);
    low.lineTo(50, 72);
    b.p.drawPath(top);
    b.p.drawPath(mid);
    b.p.drawPath(low);
}

void night(Brushes& b) {
    b.line();  // the vault of the sky over the horizon, full of stars
    QPainterPath dome;
    dome.moveTo(14, 78);
    dome.arcTo(QRectF(14, 20, 72, 116), 180, -180);
    b.p.drawPath(dome);
    b.p.drawLine(QPointF(10, 80), QPointF(90, 80));
    b.fill();
    b.p.drawPath(star({50, 46}, 4, 14, 4));
    b.p.drawPath(star({31, 62}, 4, 8, 2.5));
    b.p.drawPath(star({69, 62}, 4, 8, 2.5));
}

void seed(Brushes& b) {
    b.fill();
    b.p.drawEllipse(QRectF(30, 50, 40, 34));
    b.line();
    b.p.drawLine(QPointF(50, 52), QPointF(50, 30));
    b.fill();
    b.p.save();
    b.p.translate(38, 30);
    b.p.rotate(-30);
    b.p.drawEllipse(QRectF(-12, -6, 24, 12));
    b.p.restore();
    b.p.save();
    b.p.translate(62, 24);
    b.p.rotate(30);
    b.p.drawEllipse(QRectF(-12, -6, 24, 12));
    b.p.restore();
    b.punchLine(b.stroke * 0.5);  // the seam of the seed
    b.p.drawLine(QPointF(50, 60), QPointF(50, 78));
}

void serpent(Brushes& b) {
    b.p.setPen(QPen(b.ink, b.stroke * 1.7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    b.p.setBrush(Qt::NoBrush);
    QPainterPath body;
    body.moveTo(16, 74);
    body.cubicTo(28, 44, 44, 92, 56, 60);
    body.cubicTo(63, 42, 70, 40, 74, 38);
    b.p.drawPath(body);
    b.fill();
    b.p.drawEllipse(QRectF(68, 26, 20, 15));
    b.line();
    b.p.setPen(QPen(b.ink, b.stroke * 0.5, Qt::SolidLine, Qt::RoundCap));
    b.p.drawLine(QPointF(86, 36), QPointF(92, 42));
    b.p.drawLine(QPointF(88, 37), QPointF(94, 36));
    b.punch();
    b.p.drawEllipse(QPointF(79, 31), 2.6, 2.6);
    for (const QPointF c : {QPointF(26, 62), QPointF(45, 70), QPointF(60, 52)}) b.p.drawEllipse(c, 2.4, 2.4);
}

void worldbridger(Brushes& b) {
    b.line();
    b.p.drawLine(QPointF(12, 42), QPointF(88, 42));  // the deck
    QPainterPath arch;
    arch.moveTo(22, 82);
    arch.cubicTo(24, 50, 76, 50, 78, 82);
    b.p.drawPath(arch);
    b.p.drawLine(QPointF(22, 42), QPointF(22, 84));
    b.p.drawLine(QPointF(78, 42), QPointF(78, 84));
    b.p.drawLine(QPointF(50, 42), QPointF(50, 58));
    b.p.setPen(QPen(b.ink, b.stroke * 0.55, Qt::SolidLine, Qt::RoundCap));
    for (double y : {70.0, 79.0}) {
        QPainterPath wave;
        wave.moveTo(36, y);
        wave.cubicTo(41, y - 4, 45, y + 4, 50, y);
        wave.cubicTo(55, y - 4, 59, y + 4, 64, y);
        b.p.drawPath(wave);
    }
}

void hand(Brushes& b) {
    b.fill();
    b.p.drawRoundedRect(QRectF(30, 50, 40, 34), 10, 10);
    const double tops[] = {26, 18, 20, 28};
    for (int i = 0; i < 4; ++i) b.p.drawRoundedRect(QRectF(31 + 10 * i, tops[i], 8, 40), 4, 4);
    b.p.save();
    b.p.translate(30, 66);
    b.p.rotate(-40);
    b.p.drawRoundedRect(QRectF(-4, -26, 9, 28), 4.5, 4.5);
    b.p.restore();
}

void starSeal(Brushes& b) {
    b.fill();
    b.p.drawPath(star({50, 51}, 8, 36, 15));
    b.punch();
    b.p.drawEllipse(QPointF(50, 51), 6, 6);
}

void moon(Brushes& b) {
    b.fill();
    QPainterPath disc;
    disc.addEllipse(QPointF(48, 40), 26, 26);
    QPainterPath bite;
    bite.addEllipse(QPointF(60, 32), 22, 22);
    b.p.drawPath(disc.subtracted(bite));
    b.line();
    for (double y : {74.0, 84.0}) {
        QPainterPath wave;
        wave.moveTo(16, y);
        for (int i = 0; i < 4; ++i) {
            const double x = 16 + 17 * i;
            wave.cubicTo(x + 5, y - 6, x + 12, y + 6, x + 17, y);
        }
        b.p.drawPath(wave);
    }
}

void dog(Brushes& b) {
    b.fill();  // a paw print
    b.p.drawPath(poly({{50, 50}, {68, 62}, {70, 76}, {60, 84}, {50, 80}, {40, 84}, {30, 76}, {32, 62}}));
    b.p.drawEllipse(QPointF(50, 66), 18, 14);
    b.p.drawEllipse(QRectF(18, 38, 13, 17));
    b.p.drawEllipse(QRectF(33, 22, 14, 18));
    b.p.drawEllipse(QRectF(53, 22, 14, 18));
    b.p.drawEllipse(QRectF(69, 38, 13, 17));
}

void monkey(Brushes& b) {
    b.fill();
    b.p.drawEllipse(QPointF(22, 46), 10, 11);
    b.p.drawEllipse(QPointF(78, 46), 10, 11);
    b.p.drawEllipse(QPointF(50, 48), 25, 28);
    b.punch();
    b.p.drawEllipse(QPointF(50, 58), 15, 12);  // muzzle
    b.p.drawEllipse(QPointF(40, 38), 6, 7);
    b.p.drawEllipse(QPointF(60, 38), 6, 7);
    b.fill();
    b.p.drawEllipse(QPointF(41, 39), 2.6, 3);
    b.p.drawEllipse(QPointF(59, 39), 2.6, 3);
    b.p.setPen(QPen(b.ink, b.stroke * 0.55, Qt::SolidLine, Qt::RoundCap));
    b.p.setBrush(Qt::NoBrush);
    b.p.drawArc(QRectF(40, 50, 20, 14), 200 * 16, 140 * 16);
    b.line();  // the curled tail
    QPainterPath tail;
    tail.moveTo(66, 72);
    tail.cubicTo(80, 84, 92, 74, 86, 64);
    b.p.drawPath(tail);
}

void human(Brushes& b) {
    b.fill();
    b.p.drawEllipse(QPointF(50, 24), 9, 9);
    b.line();
    b.p.drawLine(QPointF(50, 36), QPointF(50, 62));
    b.p.drawPolyline(QPolygonF({{26, 50}, {50, 42}, {74, 50}}));
    b.p.drawPolyline(QPolygonF({{34, 86}, {50, 62}, {66, 86}}));
}

void skywalker(Brushes& b) {
    // A traveller striding with a staff along the curve of the sky, stars
    // ahead and behind: the explorer of space, awake on the road.
    b.line();
    QPainterPath sky;
    sky.moveTo(8, 90);
    sky.quadTo(50, 72, 92, 90);
    b.p.drawPath(sky);
    b.p.drawLine(QPointF(68, 22), QPointF(74, 80));               // the staff
    b.p.drawPolyline(QPolygonF({{34, 82}, {46, 62}, {60, 80}}));  // striding legs
    b.p.drawPolyline(QPolygonF({{32, 54}, {46, 40}, {70, 44}}));  // arms, one on the staff
    b.fill();
    b.p.drawEllipse(QPointF(48, 24), 8, 8);
    b.p.drawPath(poly({{42, 34}, {54, 34}, {52, 64}, {40, 64}}));  // the cloaked body
    b.p.drawPath(star({18, 26}, 4, 10, 3));
    b.p.drawPath(star({86, 50}, 4, 7, 2.2));
}

void wizard(Brushes& b) {
    b.fill();
    QPainterPath cone;
    cone.moveTo(30, 70);
    cone.lineTo(46, 22);
    cone.cubicTo(52, 10, 62, 10, 70, 16);
    cone.cubicTo(62, 18, 58, 22, 58, 30);
    cone.lineTo(70, 70);
    cone.closeSubpath();
    b.p.drawPath(cone);
    b.p.drawEllipse(QRectF(14, 64, 72, 16));
    b.punch();
    b.p.drawRect(QRectF(33, 58, 35, 5));
    b.p.drawPath(star({51, 42}, 5, 8, 3.4));
}

void eagle(Brushes& b) {
    b.fill();
    for (int side : {1, -1}) {
        b.p.save();
        b.p.translate(50, 0);
        b.p.scale(side, 1);
        QPainterPath wing;
        wing.moveTo(0, 46);
        wing.cubicTo(-10, 32, -28, 22, -42, 26);
        wing.lineTo(-32, 34);
        wing.lineTo(-42, 40);
        wing.lineTo(-30, 44);
        wing.lineTo(-38, 52);
        wing.cubicTo(-22, 54, -8, 56, 0, 64);
        wing.closeSubpath();
        b.p.drawPath(wing);
        b.p.drawPath(poly({{-5, 60}, {0, 60}, {0, 84}, {-12, 82}}));
        b.p.restore();
    }
    b.p.drawEllipse(QPointF(50, 38), 7.5, 8);
    b.p.drawPath(poly({{54, 36}, {63, 41}, {55, 44}}));
    b.punch();
    b.p.drawEllipse(QPointF(51.5, 36), 1.8, 1.8);
}

void warrior(Brushes& b) {
    b.line();  // a spear behind a shield
    b.p.drawLine(QPointF(16, 86), QPointF(78, 18));
    b.fill();
    b.p.drawPath(poly({{84, 10}, {70, 16}, {80, 26}}));
    QPainterPath shield;
    shield.moveTo(28, 30);
    shield.lineTo(72, 30);
    shield.lineTo(72, 52);
    shield.cubicTo(72, 70, 60, 80, 50, 88);
    shield.cubicTo(40, 80, 28, 70, 28, 52);
    shield.closeSubpath();
    b.p.drawPath(shield);
    b.punchLine(b.stroke * 0.7);
    b.p.drawPolyline(QPolygonF({{38, 46}, {50, 58}, {62, 46}}));
    b.p.drawPolyline(QPolygonF({{38, 60}, {50, 72}, {62, 60}}));
}

void earth(Brushes& b) {
    // A hill with a path winding up it and the star that guides the
    // traveller across the land.
    b.fill();
    QPainterPath land;
    land.moveTo(8, 88);
    land.lineTo(8, 74);
    land.cubicTo(30, 66, 44, 40, 62, 40);
    land.cubicTo(76, 40, 86, 58, 92, 64);
    land.lineTo(92, 88);
    land.closeSubpath();
    b.p.drawPath(land);
    b.punchLine(b.stroke * 0.6);
    QPainterPath path;
    path.moveTo(30, 90);
    path.cubicTo(30, 76, 74, 78, 66, 64);
    path.cubicTo(60, 56, 52, 56, 60, 46);
    b.p.drawPath(path);
    b.fill();
    b.p.drawPath(star({30, 26}, 4, 15, 4.2));
}

void mirror(Brushes& b) {
    // A mirror facing a mirror: frames within frames without end, and the
    // glint of the glass across them.
    b.line();
    b.p.drawRoundedRect(QRectF(22, 10, 56, 80), 8, 8);
    b.p.setPen(QPen(b.ink, b.stroke * 0.75, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    b.p.drawRoundedRect(QRectF(33, 24, 34, 52), 5, 5);
    b.fill();
    b.p.drawRoundedRect(QRectF(42, 37, 16, 26), 3, 3);
    b.punchLine(b.stroke * 0.45);
    b.p.drawLine(QPointF(45, 52), QPointF(53, 42));
    b.p.drawLine(QPointF(47, 59), QPointF(55, 49));
}

void storm(Brushes& b) {
    b.fill();
    b.p.drawEllipse(QPointF(32, 38), 13, 12);
    b.p.drawEllipse(QPointF(52, 30), 17, 16);
    b.p.drawEllipse(QPointF(70, 40), 12, 11);
    b.p.drawRoundedRect(QRectF(20, 36, 62, 16), 8, 8);
    b.p.drawPath(poly({{52, 50}, {36, 72}, {48, 72}, {40, 92}, {66, 64}, {54, 64}, {62, 50}}));
}

void sun(Brushes& b) {
    b.fill();
    b.p.drawEllipse(QPointF(50, 50), 17, 17);
    b.line();
    for (int i = 0; i < 12; ++i) {
        const double a = qDegreesToRadians(30.0 * i);
        b.p.drawLine(QPointF(50 + 24 * std::cos(a), 50 + 24 * std::sin(a)),
                     QPointF(50 + 35 * std::cos(a), 50 + 35 * std::sin(a)));
    }
}

using SymbolFn = void (*)(Brushes&);
constexpr SymbolFn kSymbols[20] = {dragon, wind,   night, seed,      serpent, worldbridger, hand,
                                   starSeal, moon, dog,   monkey,    human,   skywalker,    wizard,
                                   eagle,  warrior, earth, mirror,   storm,   sun};

// Tile styles by set. The large sets carry the colour in the rim and the
// symbol on a dark plate; at 15 pixels a rim cannot be seen, so the whole
// tile takes the colour and the symbol is cut out in dark ink.
SealStyle plateStyle(int seal, double rimWidth, double stroke) {
    return {kPlate, sealColor(seal - 1), sealColor(seal - 1), rimWidth, stroke, 18};
}
// The wider corner leaves the corner pixels of the 15-pixel tile wholly
// outside it, so that they take the key colour and the tile reads as rounded.
SealStyle solidStyle(int seal) { return {sealColor(seal - 1), sealColor(seal - 1), kInk, 0, 11, 28}; }

QImage sealArt(int seal, PicSize size, int inset, const SealStyle& style) {
    QImage img = canvas(size);
    QPainter p;
    beginPainter(p, img);
    drawSealTile(p, seal, QRectF(inset, inset, size.w - 2 * inset, size.h - 2 * inset), style);
    p.end();
    return img;
}

// One mask serves every seal of a set, so every seal must have the same outline.
QImage sharedMaskArt(const QImage& first, const QImage& other) {
    if (alphaMask(first) != alphaMask(other)) throw std::runtime_error("seal outlines differ within a set");
    return first;
}

}  // namespace

void drawSealTile(QPainter& p, int seal, const QRectF& box, const SealStyle& style) {
    p.save();
    p.translate(box.topLeft());
    p.scale(box.width() / 100.0, box.height() / 100.0);
    const double half = style.rimWidth / 2;
    p.setPen(style.rimWidth > 0 ? QPen(style.rim, style.rimWidth) : Qt::NoPen);
    p.setBrush(style.tile);
    p.drawRoundedRect(QRectF(half, half, 100 - style.rimWidth, 100 - style.rimWidth), style.corner, style.corner);
    // The symbol keeps clear of the rim.
    const double scale = style.rimWidth > 0 ? 0.84 : 0.92;
    p.translate(50 * (1 - scale), 50 * (1 - scale));
    p.scale(scale, scale);
    Brushes b{p, style.symbol, style.tile, style.stroke};
    kSymbols[(seal + 19) % 20](b);
    p.restore();
}

void generateSeals(const Output& out) {
    // Seal 20 is code 0 (and 20) in the large set, 30 (and 50) in the small
    // set; the 45-, 35- and 15-pixel sets number seals 1..20 from their first code.
    QImage firstLarge, firstSmall;
    for (int seal = 1; seal <= 20; ++seal) {
        const QImage large = sealArt(seal, kSealLarge, kSealLargeInset, plateStyle(seal, 5, 6));
        const QImage small = sealArt(seal, kSealSmall, kSealSmallInset, plateStyle(seal, 5.5, 6.5));
        if (seal == 1) firstLarge = large, firstSmall = small;
        sharedMaskArt(firstLarge, large);
        sharedMaskArt(firstSmall, small);
        writeSign(out, seal % 20, large);
        writeSign(out, 30 + seal % 20, small);
        writeSign(out, 77 + seal, sealArt(seal, kSeal45, 1, plateStyle(seal, 6, 7)));
        writeSign(out, 97 + seal, sealArt(seal, kSeal35, 1, plateStyle(seal, 7, 8)));
        writeSign(out, 154 + seal, sealArt(seal, kSeal15, 0, solidStyle(seal)));
    }
    writeMask(out, "SBalfa.bmp", firstLarge);
    writeMask(out, "Smalfa.bmp", firstSmall);
}

}  // namespace kl::picgen
