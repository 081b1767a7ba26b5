// The seven plasmas: one emblem each on a round plate, in the colour the
// glyph export gives them (colour index plasma + 2: yellow, red, white, blue,
// yellow, red, white).
#include <QPainterPath>
#include <QtMath>

#include "tools/picgen/signs.h"
#include "tools/picgen/style.h"

namespace kl::picgen {

void drawPlasmaEmblem(QPainter& p, int plasma, const QColor& c, const QColor& hole, double stroke) {
    const QPen pen(c, stroke, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    const QPointF o(50, 50);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    switch (plasma) {
        case 1:  // a point in its circle
            p.drawEllipse(o, 24, 24);
            p.setPen(Qt::NoPen);
            p.setBrush(c);
            p.drawEllipse(o, 9, 9);
            break;
        case 2: {  // a falling drop and the rings it spreads where it lands
            QPainterPath drop;
            drop.moveTo(50, 14);
            drop.cubicTo(56, 26, 64, 34, 64, 44);
            drop.cubicTo(64, 52, 58, 58, 50, 58);
            drop.cubicTo(42, 58, 36, 52, 36, 44);
            drop.cubicTo(36, 34, 44, 26, 50, 14);
            p.setPen(Qt::NoPen);
            p.setBrush(c);
            p.drawPath(drop);
            p.setPen(pen);
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(QPointF(50, 74), 13, 4);
            p.drawArc(QRectF(20, 64, 60, 22), 190 * 16, 160 * 16);
            break;
        }
        case 3: {  // a triangle round a point
            QPolygonF tri;
            for (int i = 0; i < 3; ++i) {
                const double a = qDegreesToRadians(-90 + 120.0 * i);
                tri << QPointF(50 + 28 * std::cos(a), 54 + 28 * std::sin(a));
            }
            p.drawPolygon(tri);
            p.setPen(Qt::NoPen);
            p.setBrush(c);
            p.drawEllipse(QPointF(50, 54), 6, 6);
            break;
        }
        case 4:  // a diamond with a cross
            p.drawPolygon(QPolygonF({{50, 20}, {80, 50}, {50, 80}, {20, 50}}));
            p.drawLine(QPointF(50, 34), QPointF(50, 66));
            p.drawLine(QPointF(34, 50), QPointF(66, 50));
            break;
        case 5:  // five petals
            p.setPen(Qt::NoPen);
            p.setBrush(c);
            for (int i = 0; i < 5; ++i) {
                p.save();
                p.translate(o);
                p.rotate(72.0 * i);
                p.drawEllipse(QRectF(-7, -31, 14, 24));
                p.restore();
            }
            p.setBrush(hole);
            p.drawEllipse(o, 5, 5);
            break;
        case 6: {  // rough water settling to a still line under a clear light
            for (int row = 0; row < 3; ++row) {
                const double y = 48 + 14 * row, swell = 8 - 4 * row;
                QPainterPath wave;
                wave.moveTo(20, y);
                wave.cubicTo(30, y - swell, 40, y - swell, 50, y);
                wave.cubicTo(60, y + swell, 70, y + swell, 80, y);
                p.drawPath(wave);
            }
            p.setPen(Qt::NoPen);
            p.setBrush(c);
            p.drawEllipse(QPointF(50, 26), 8, 8);
            break;
        }
        default: {  // seven rays round a hub
            for (int i = 0; i < 7; ++i) {
                const double a = qDegreesToRadians(-90 + 360.0 * i / 7);
                p.drawLine(QPointF(50 + 16 * std::cos(a), 50 + 16 * std::sin(a)),
                           QPointF(50 + 31 * std::cos(a), 50 + 31 * std::sin(a)));
            }
            p.setPen(Qt::NoPen);
            p.setBrush(c);
            p.drawEllipse(o, 9, 9);
            break;
        }
    }
}

void drawPlasmaDisc(QPainter& p, int plasma, const QRectF& disc, double rim, double stroke, const QColor& rimColour,
                    const QColor& plate, const QColor& emblem) {
    p.save();
    p.translate(disc.topLeft());
    p.scale(disc.width() / 100.0, disc.height() / 100.0);
    p.setPen(QPen(rimColour, rim));
    p.setBrush(plate);
    p.drawEllipse(QRectF(rim / 2, rim / 2, 100 - rim, 100 - rim));
    p.translate(8, 8);
    p.scale(0.84, 0.84);
    drawPlasmaEmblem(p, plasma, emblem, plate, stroke);
    p.restore();
}

namespace {

QImage plasmaArt(int plasma, PicSize size, QRectF disc, double rim, double stroke) {
    QImage img = canvas(size);
    QPainter p;
    beginPainter(p, img);
    const QColor colour = sealColor(plasma + 2);
    drawPlasmaDisc(p, plasma, disc, rim, stroke, colour, kPlate, colour);
    p.end();
    return img;
}

}  // namespace

void generatePlasmas(const Output& out) {
    QImage first;
    for (int plasma = 1; plasma <= 7; ++plasma) {
        const QImage large = plasmaArt(plasma, kPlasmaLarge,
                                       QRectF(kPlasmaDiscX, kPlasmaDiscY, kPlasmaDisc, kPlasmaDisc), 5, 7);
        if (plasma == 1) first = large;
        writeSign(out, 70 + plasma, large);
        writeSign(out, 130 + plasma, plasmaArt(plasma, kPlasma35, QRectF(0.5, 0.5, 34, 34), 7, 9));
    }
    writeMask(out, "plalfa.bmp", first);  // every plasma has the same disc outline
}

}  // namespace kl::picgen
