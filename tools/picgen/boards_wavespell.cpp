// The wavespell board (wavespell.bmp, sign 241) and the wave board
// (wave1.bmp, sign 242): thirteen day plates along the wavespell's U-shaped
// path, with the pulsar point of each tone marked.
#include "tools/picgen/boardgeometry.h"
#include "tools/picgen/boards.h"
#include "tools/picgen/boardstyle.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainterPath>

namespace kl::picgen {

using namespace style;

namespace {

// Plates are tinted through the wavespell's four stages: tones 1-4 red
// (initiate), 5-8 white (refine), 9-12 blue (transform), 13 yellow (ripen).
QColor stageColour(int tone) { return familyColour(tone == 13 ? 3 : (tone - 1) / 4); }

void drawWavespellPath(QPainter& p, const QPoint& origin, const QColor& colour, double width) {
    QPainterPath path;
    for (int i = 1; i <= 13; ++i) {
        const QPointF c = QRectF(geo::wavespellCell(i).translated(-origin)).center();
        if (i == 1) path.moveTo(c); else path.lineTo(c);
    }
    QPen pen(colour, width);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

}  // namespace

QImage drawWavespellBoard() {
    using namespace geo;
    QImage img = canvas(kWavespellBoard.width(), kWavespellBoard.height(), kNight);
    QPainter p(&img);
    smooth(p);
    const QPoint origin(kWavespellLeft, kWavespellTop);
    stars(p, QRectF(0, 0, img.width(), img.height()), 220, 0x3a7e);

    // The path first, under the plates: a broad faint band and a fine line.
    drawWavespellPath(p, origin, QColor(60, 44, 130, 150), 26);
    drawWavespellPath(p, origin, QColor(140, 116, 220, 200), 2);

    QFont number("DejaVu Sans");
    number.setPixelSize(10);
    number.setBold(true);
    for (int i = 1; i <= 13; ++i) {
        const QRectF cell = QRectF(wavespellCell(i).translated(-origin)).adjusted(0.5, 0.5, -0.5, -0.5);
        const QColor stage = stageColour(i);
        QLinearGradient g(cell.topLeft(), cell.bottomLeft());
        g.setColorAt(0, QColor(30 + stage.red() / 8, 20 + stage.green() / 10, 70 + stage.blue() / 8));
        g.setColorAt(1, QColor(12, 4, 46));
        p.setPen(QPen(QColor(stage.red() / 2 + 60, stage.green() / 2 + 50, stage.blue() / 2 + 70), 1.4));
        p.setBrush(g);
        p.drawRoundedRect(cell, 8, 8);
        // The day's number in the free corner right of the tone, above the
        // guide (the seal, tone and guide pictures cover the rest).
        p.setFont(number);
        p.setPen(QColor(200, 190, 240, 170));
        p.drawText(QRectF(cell.left() + 52, cell.top() + 3, 36, 30), Qt::AlignCenter, QString::number(i));
        // The pulsar point: a small ring round the stamp's centre.
        const QPointF tp = QPointF(tonePoint(i) - origin) + QPointF(2.5, 2.5);
        p.setPen(QPen(QColor(236, 196, 96, 200), 1.2));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(tp, 4.5, 4.5);
    }
    return img;
}

QImage drawWaveBoard() {
    // The plain wave: the same path and plates, without tone points, as a
    // background for pages that show a wavespell's days.
    using namespace geo;
    QImage img = canvas(kWavespellBoard.width(), kWavespellBoard.height(), kNight);
    QPainter p(&img);
    smooth(p);
    const QPoint origin(kWavespellLeft, kWavespellTop);
    drawWavespellPath(p, origin, QColor(50, 36, 120, 160), 40);
    for (int i = 1; i <= 13; ++i) {
        const QRectF cell = QRectF(wavespellCell(i).translated(-origin)).adjusted(0.5, 0.5, -0.5, -0.5);
        p.setPen(QPen(QColor(90, 76, 170), 1.2));
        p.setBrush(QColor(20, 12, 60));
        p.drawRoundedRect(cell, 8, 8);
    }
    return img;
}

}  // namespace kl::picgen
