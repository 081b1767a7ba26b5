// Pieces drawn over the boards through masks: the shines that mark the
// current day's cell, the pulse stamp of the pulsar lines, and the
// telektonon's turtles, pyramid markers, seal-cell marker and stars.
// Every mask is grey: white shows the piece, black keeps the board.
#include "tools/picgen/boardgeometry.h"
#include "tools/picgen/boardstyle.h"
#include "tools/picgen/picgen.h"
#include "tools/picgen/pieces.h"

#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace kl::picgen {

using namespace style;

namespace {

// A ring glow round a cell of `cell` size centred in `size`: clear in the
// middle so the cell's content stays readable, brightest just outside the
// cell's edge and fading outwards; with a `band`, a solid frame that many
// pixels wide round the cell before the fade. Returns the opacity (0..1) at
// (x, y).
double ringOpacity(QSizeF size, QSizeF cell, double x, double y, double band) {
    const double cx = size.width() / 2, cy = size.height() / 2;
    // Distance outside the cell's rounded rectangle, in pixels (negative inside).
    const double hx = cell.width() / 2, hy = cell.height() / 2;
    const double dx = std::max(std::abs(x - cx) - hx, 0.0), dy = std::max(std::abs(y - cy) - hy, 0.0);
    const double outside = std::hypot(dx, dy);
    const double inside = std::min(hx - std::abs(x - cx), hy - std::abs(y - cy));
    const double reach = std::min(size.width() - cell.width(), size.height() - cell.height()) / 2 - band;
    if (band > 0 && outside > 0 && outside <= band) return 1.0;
    if (band > 0 && outside > band) {
        const double t = (outside - band) / std::max(reach, 1.0);
        return t >= 1 ? 0.0 : 0.8 * std::pow(1 - t, 1.6);
    }
    if (outside <= 0) {
        // Inside the cell: a thin bright rim fading to nothing 4 pixels in.
        return inside < 4 ? 0.85 * (1 - inside / 4) : 0.0;
    }
    const double t = outside / std::max(reach, 1.0);
    return t >= 1 ? 0.0 : 0.9 * std::pow(1 - t, 1.6);
}

}  // namespace

Piece shinePiece(QSize size, QSize cell, const QColor& colour, double band) {
    Piece piece{canvas(size.width(), size.height(), Qt::black), canvas(size.width(), size.height(), Qt::black)};
    const int s = drawScale();
    for (int y = 0; y < size.height() * s; ++y)
        for (int x = 0; x < size.width() * s; ++x) {
            const double a = ringOpacity(size, cell, (x + 0.5) / s, (y + 0.5) / s, band);
            const int m = int(std::lround(255 * a));
            piece.mask.setPixel(x, y, qRgb(m, m, m));
            // Brighter towards the cell, the colour towards the outside.
            // The solid frame keeps the colour itself.
            const double hot = band > 0 ? 0.0 : std::min(1.0, a * 1.1);
            piece.picture.setPixel(x, y, qRgb(int(colour.red() + (255 - colour.red()) * hot * 0.5),
                                              int(colour.green() + (255 - colour.green()) * hot * 0.5),
                                              int(colour.blue() + (255 - colour.blue()) * hot * 0.5)));
        }
    return piece;
}

Piece pulseStamp(const QColor& colour) {
    // 5 x 5: the stamp is laid at every pixel step, so its round soft edge
    // makes a smooth line 5 pixels wide whose core is the colour.
    constexpr int n = 5;
    Piece piece{canvas(n, n, colour), canvas(n, n, Qt::black)};
    const int s = drawScale();
    for (int y = 0; y < n * s; ++y)
        for (int x = 0; x < n * s; ++x) {
            const double d = std::hypot((x + 0.5) / s - 2.5, (y + 0.5) / s - 2.5);
            const int m = d <= 1.0 ? 255 : d <= 2.0 ? 150 : 40;
            piece.mask.setPixel(x, y, qRgb(m, m, m));
        }
    return piece;
}

namespace {

// The turtle seen from above, heading right; turned for the other facings.
QPainterPath turtleShape() {
    QPainterPath t;
    t.addEllipse(QPointF(15, 16.5), 9.5, 7.5);    // shell
    t.addEllipse(QPointF(27, 16.5), 3.6, 3.0);    // head
    for (auto [x, y] : {std::pair{9.0, 8.5}, {21.0, 8.5}, {9.0, 24.5}, {21.0, 24.5}})
        t.addEllipse(QPointF(x, y), 3.0, 2.3);     // flippers
    t.addEllipse(QPointF(4.5, 16.5), 2.2, 1.4);   // tail
    t.setFillRule(Qt::WindingFill);
    return t.simplified();
}

QTransform facingTransform(int facing) {
    // 0 right, 1 up, 2 left, 3 down, about the piece's centre.
    QTransform t;
    t.translate(16.5, 16.5);
    t.rotate(-90.0 * facing);
    t.translate(-16.5, -16.5);
    return t;
}

QImage maskOf(const QPainterPath& path) {
    QImage m = canvas(geo::kPiece.width(), geo::kPiece.height(), Qt::black);
    QPainter p(&m);
    smooth(p);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(path);
    return m;
}

}  // namespace

QImage turtleMask(int facing) { return maskOf(facingTransform(facing).map(turtleShape())); }

QImage turtlePicture(int facing, const QColor& shell) {
    QImage img = canvas(geo::kPiece.width(), geo::kPiece.height(), shell.darker(200));
    QPainter p(&img);
    smooth(p);
    p.setTransform(facingTransform(facing));
    p.setPen(QPen(shell.darker(250), 1));
    p.setBrush(shell.darker(140));
    p.drawPath(turtleShape());
    QRadialGradient g(QPointF(13.5, 14.5), 10);
    g.setColorAt(0, shell.lighter(130));
    g.setColorAt(1, shell);
    p.setBrush(g);
    p.drawEllipse(QPointF(15, 16.5), 8.0, 6.2);
    // Shell plates.
    p.setPen(QPen(shell.darker(180), 0.9));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(15, 16.5), 3.2, 2.6);
    for (double a : {30.0, 90.0, 150.0, 210.0, 270.0, 330.0}) {
        const double r = a * M_PI / 180;
        p.drawLine(QPointF(15 + 3.2 * std::cos(r), 16.5 + 2.6 * std::sin(r)),
                   QPointF(15 + 7.6 * std::cos(r), 16.5 + 5.9 * std::sin(r)));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 10, 30));
    p.drawEllipse(QPointF(28.3, 15.2), 0.8, 0.8);
    p.drawEllipse(QPointF(28.3, 17.8), 0.8, 0.8);
    return img;
}

namespace {

QPainterPath pyramidShape() {
    QPainterPath t;
    t.moveTo(16.5, 4);
    t.lineTo(29, 28);
    t.lineTo(4, 28);
    t.closeSubpath();
    return t;
}

}  // namespace

QImage pyramidMask() { return maskOf(pyramidShape()); }

QImage pyramidPicture(const QColor& colour) {
    QImage img = canvas(geo::kPiece.width(), geo::kPiece.height(), colour);
    QPainter p(&img);
    smooth(p);
    // Lit face on the left, shaded face on the right, steps across.
    QPainterPath left, right;
    left.moveTo(16.5, 4); left.lineTo(16.5, 28); left.lineTo(4, 28); left.closeSubpath();
    right.moveTo(16.5, 4); right.lineTo(29, 28); right.lineTo(16.5, 28); right.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(colour.lighter(125));
    p.drawPath(left);
    p.setBrush(colour.darker(135));
    p.drawPath(right);
    p.setPen(QPen(colour.darker(220), 1));
    for (double y : {12.0, 20.0}) {
        const double half = (y - 4) * 12.5 / 24;
        p.drawLine(QPointF(16.5 - half, y), QPointF(16.5 + half, y));
    }
    p.setBrush(Qt::NoBrush);
    p.drawPath(pyramidShape());
    return img;
}

namespace {

QPainterPath frameShape() {
    // A frame round the whole cell, 4 pixels wide, rounded.
    QPainterPath outer, inner;
    outer.addRoundedRect(QRectF(0.5, 0.5, 32, 32), 6, 6);
    inner.addRoundedRect(QRectF(4.5, 4.5, 24, 24), 4, 4);
    return outer.subtracted(inner);
}

QPainterPath starShape() {
    QPainterPath s;
    const QPointF c(10, 10);
    for (int i = 0; i < 10; ++i) {
        const double r = i % 2 ? 3.8 : 9.5;
        const double a = -M_PI / 2 + i * M_PI / 5;
        const QPointF v(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
        if (i == 0) s.moveTo(v); else s.lineTo(v);
    }
    s.closeSubpath();
    return s;
}

}  // namespace

QImage cellMarkerMask() { return maskOf(frameShape()); }

QImage cellMarkerPicture() {
    QImage img = canvas(geo::kPiece.width(), geo::kPiece.height(), kGold);
    QPainter p(&img);
    smooth(p);
    QLinearGradient g(0, 0, 33, 33);
    g.setColorAt(0, QColor(255, 240, 170));
    g.setColorAt(1, QColor(200, 140, 40));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(frameShape());
    return img;
}

QImage starMask() {
    QImage m = canvas(geo::kStar.width(), geo::kStar.height(), Qt::black);
    QPainter p(&m);
    smooth(p);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(starShape());
    return m;
}

QImage starPicture(const QColor& colour) {
    QImage img = canvas(geo::kStar.width(), geo::kStar.height(), colour);
    QPainter p(&img);
    smooth(p);
    QRadialGradient g(QPointF(10, 10), 9.5);
    g.setColorAt(0, Qt::white);
    g.setColorAt(1, colour);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(starShape());
    return img;
}

namespace {

void put(const Output& out, const Piece& piece, const QString& picture, const QString& mask) {
    writeBitmap(piece.picture, out.graphic, picture);
    if (!mask.isEmpty()) writeBitmap(piece.mask, out.graphic, mask);
}

void generatePieces(const Output& out) {
    using namespace geo;
    // Shines, as the renderers pair them: shine2, 7, 8, 9 share shine2t.
    put(out, shinePiece(kShineWavespell, QSize(92, 86), kGold), "shine1.bmp", "shine1t.bmp");
    put(out, shinePiece(kShineMoonCell, QSize(76, 86), familyColour(0).lighter(130)), "shine2.bmp", "shine2t.bmp");
    put(out, shinePiece(kShineMoonCell, QSize(76, 86), familyColour(1)), "shine7.bmp", "");
    put(out, shinePiece(kShineMoonCell, QSize(76, 86), familyColour(2).lighter(140)), "shine8.bmp", "");
    put(out, shinePiece(kShineMoonCell, QSize(76, 86), familyColour(3)), "shine9.bmp", "");
    put(out, shinePiece(kShineTzolkin, QSize(23, 22), kGold), "shine3.bmp", "shine3t.bmp");
    put(out, shinePiece(kShineWings, QSize(kWingsCell, kWingsCell), kGold, kWingsShineBand), "shine4.bmp", "shine4t.bmp");
    put(out, shinePiece(kShineYear, QSize(17, 23), kGold), "shine5.bmp", "shine5t.bmp");
    put(out, shinePiece(kShineWeek, QSize(76, 296), kGold), "shine6.bmp", "shine6t.bmp");

    // Pulse stamps by picture number 0..5, all through Puls1.
    const std::pair<const char*, QColor> pulses[] = {
        {"PulsV.bmp", QColor(190, 120, 255)}, {"PulsW.bmp", QColor(240, 240, 250)},
        {"PulsB.bmp", QColor(90, 150, 255)},  {"PulsY.bmp", QColor(255, 220, 60)},
        {"PulsL.bmp", QColor(120, 240, 200)}, {"PulsR.bmp", QColor(255, 80, 80)},
    };
    for (const auto& [name, colour] : pulses) writeBitmap(pulseStamp(colour).picture, out.graphic, name);
    writeBitmap(pulseStamp(Qt::white).mask, out.graphic, "Puls1.bmp");

    // Turtles: yellow, white and green, four facings, shared masks.
    for (int f = 0; f < 4; ++f) {
        const QString d = QString::number(f);
        writeBitmap(turtlePicture(f, QColor(226, 190, 50)), out.graphic, "trY" + d + ".bmp");
        writeBitmap(turtlePicture(f, QColor(226, 226, 236)), out.graphic, "trW" + d + ".bmp");
        writeBitmap(turtlePicture(f, QColor(70, 190, 100)), out.graphic, "trG" + d + ".bmp");
        writeBitmap(turtleMask(f), out.graphic, "trA" + d + ".bmp");
    }
    // Pyramid markers: green for the day's own seal, the four colours for its
    // oracle partners.
    writeBitmap(pyramidPicture(QColor(60, 200, 100)), out.graphic, "tlpyrG.bmp");
    writeBitmap(pyramidPicture(familyColour(0).lighter(120)), out.graphic, "tlpyrR.bmp");
    writeBitmap(pyramidPicture(familyColour(1)), out.graphic, "tlpyrW.bmp");
    writeBitmap(pyramidPicture(familyColour(2).lighter(130)), out.graphic, "tlpyrB.bmp");
    writeBitmap(pyramidPicture(familyColour(3)), out.graphic, "tlpyrY.bmp");
    writeBitmap(pyramidMask(), out.graphic, "tlpyrA.bmp");
    writeBitmap(cellMarkerPicture(), out.graphic, "tlcr.bmp");
    writeBitmap(cellMarkerMask(), out.graphic, "tlcrA.bmp");
    writeBitmap(starPicture(QColor(80, 140, 255)), out.graphic, "tlstB.bmp");
    writeBitmap(starPicture(QColor(235, 235, 245)), out.graphic, "tlstW.bmp");
    writeBitmap(starMask(), out.graphic, "tlstA.bmp");
}

}  // namespace

KL_PICTURE_FAMILY("pieces", generatePieces);

}  // namespace kl::picgen
