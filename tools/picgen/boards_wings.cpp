// The wings board (wings.bmp, sign 244) and tech.dat, the cell of every kin
// on it. The five castles of 52 kins stand side by side as towers of four
// wavespells, in kin order from left to right (red, white, blue, yellow,
// green castle); the middle tower stands highest and the others step down
// outwards, joined by veils, so that the row reads as a pair of wings.
#include "tools/picgen/boardgeometry.h"
#include "tools/picgen/boards.h"
#include "tools/picgen/boardstyle.h"
#include "tools/picgen/picgen.h"

#include "core/kin.h"

#include <QFile>
#include <QLinearGradient>
#include <QPainterPath>

#include <cmath>
#include <stdexcept>

namespace kl::picgen {

using namespace style;

namespace {

constexpr int kCellPitch = 16;     // 14-pixel cells, 2 pixels apart
constexpr int kWingStagger = 6;    // rows a tower's column rises towards the wing tip

// Top-left of each castle's tower in view coordinates, symmetric about the
// view centre line; the space above the side towers holds the view's texts.
constexpr QPoint kCastleOrigin[5] = {{70, 290}, {166, 190}, {268, 70}, {370, 190}, {466, 290}};

// Castle colours: red, white, blue, yellow, green.
QColor castleColour(int castle) {
    return castle == 4 ? QColor(60, 170, 90) : familyColour(castle);
}

// Vertical offset of column j (0..3) of a castle: the outer wing columns rise.
int stagger(int castle, int column) {
    if (castle < 2) return (3 - column) * kWingStagger - 3 * kWingStagger;
    if (castle > 2) return column * kWingStagger - 3 * kWingStagger;
    return 0;
}

}  // namespace

std::array<QPoint, 260> wingsCells() {
    std::array<QPoint, 260> cells{};
    for (int kin = 1; kin <= 260; ++kin) {
        const int castle = (kin - 1) / 52;           // 0..4
        const int column = ((kin - 1) % 52) / 13;    // wavespell within the castle
        const int row = (kin - 1) % 13;              // day within the wavespell
        const QPoint o = kCastleOrigin[castle];
        const int left = o.x() + kCellPitch * column;
        const int top = o.y() + kCellPitch * row + stagger(castle, column) + 3 * kWingStagger;
        cells[kin - 1] = QPoint(left, top + geo::kWingsCell / 2);
    }
    return cells;
}

QImage drawWingsBoard() {
    using namespace geo;
    QImage img = canvas(kWingsBoard.width(), kWingsBoard.height(), kNight);
    QPainter p(&img);
    smooth(p);
    const QPoint origin(kWingsLeft, kWingsTop);
    stars(p, QRectF(0, 0, img.width(), img.height()), 300, 0x5a1e);
    const auto cells = wingsCells();

    auto towerRect = [&](int castle) {
        QRect r;
        for (int k = castle * 52 + 1; k <= castle * 52 + 52; ++k) {
            const QPoint c = cells[k - 1] - origin;
            r = r.united(QRect(c.x(), c.y() - kWingsCell / 2, kWingsCell, kWingsCell));
        }
        return r;
    };
    // A soft glow behind each tower, brightest behind the middle one.
    for (int castle = 0; castle < 5; ++castle) {
        const QRect t = towerRect(castle);
        glow(p, QRectF(t).center(), t.height() * 0.75, castleColour(castle), castle == 2 ? 0.22 : 0.14);
    }
    // Under the middle tower, where the wings meet: a rosette of the five
    // castle colours, in kin order clockwise from the top.
    {
        const QPointF centre = QPointF(geo::kViewCentre + 0.5, 420) - QPointF(origin);
        for (int castle = 0; castle < 5; ++castle) {
            const double a = -M_PI / 2 + castle * 2 * M_PI / 5;
            const QPointF petal = centre + QPointF(std::cos(a), std::sin(a)) * 26;
            QColor c = castleColour(castle);
            c.setAlpha(110);
            p.setPen(QPen(castleColour(castle), 1.2));
            p.setBrush(c);
            p.drawEllipse(petal, 15, 15);
        }
        glow(p, centre, 30, kGold, 0.5);
        p.setPen(QPen(kGold, 1.4));
        p.setBrush(QColor(20, 10, 60));
        p.drawEllipse(centre, 8, 8);
    }

    for (int castle = 0; castle < 5; ++castle) {
        const QRect tower = towerRect(castle).adjusted(-5, -5, 5, 5);
        const QColor cc = castleColour(castle);
        p.setPen(QPen(QColor(cc.red(), cc.green(), cc.blue(), 200), 1.6));
        p.setBrush(QColor(cc.red() / 6 + 8, cc.green() / 6 + 4, cc.blue() / 6 + 30));
        p.drawRoundedRect(QRectF(tower), 6, 6);
    }
    // The count's order: a dotted thread from the last kin of each wavespell
    // to the first of the next, across the castles.
    p.setPen(QPen(QColor(236, 196, 96, 150), 1.2, Qt::DotLine, Qt::RoundCap));
    for (int w = 1; w < 20; ++w) {
        const QPointF from = QPointF(cells[13 * w - 1] - origin) + QPointF(kWingsCell / 2.0, kWingsCell / 2.0);
        const QPointF to = QPointF(cells[13 * w] - origin) + QPointF(kWingsCell / 2.0, -kWingsCell / 2.0);
        QPainterPath thread(from);
        thread.cubicTo(from + QPointF(0, 24), to - QPointF(0, 24), to);
        p.drawPath(thread);
    }
    for (int kin = 1; kin <= 260; ++kin) {
        const QPoint c = cells[kin - 1] - origin;
        const QRectF cell(c.x() + 0.5, c.y() - kWingsCell / 2 + 0.5, kWingsCell - 1, kWingsCell - 1);
        const int seal = (kin - 1) % 20 + 1;
        const QColor sc = familyColour((seal - 1) % 4);
        p.setPen(isPortalKin(kin) ? QPen(QColor(90, 230, 120), 1.6) : QPen(QColor(20, 12, 50), 1));
        p.setBrush(QColor(sc.red() * 2 / 3 + 10, sc.green() * 2 / 3 + 10, sc.blue() * 2 / 3 + 16));
        p.drawRoundedRect(cell, 3, 3);
    }
    return img;
}

namespace {

void writeTechDat(const Output& out) {
    // 520 lines: x then y of each kin's cell, CR LF like every data file.
    QByteArray text;
    for (const QPoint& c : wingsCells()) {
        text += QByteArray::number(c.x()) + "\r\n";
        text += QByteArray::number(c.y()) + "\r\n";
    }
    const QString path = out.run + "/tech.dat";
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(text) != text.size())
        throw std::runtime_error("cannot write " + path.toStdString());
}

void generateBoards(const Output& out) {
    writeBitmap(drawTzolkinBoard(), out.graphic, "zolkin.bmp");
    writeBitmap(drawWavespellBoard(), out.graphic, "wavespell.bmp");
    writeBitmap(drawWaveBoard(), out.graphic, "wave1.bmp");
    writeBitmap(drawWingsBoard(), out.graphic, "wings.bmp");
    writeTechDat(out);
}

}  // namespace

KL_PICTURE_FAMILY("boards", generateBoards);

}  // namespace kl::picgen
