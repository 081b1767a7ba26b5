// The telektonon board (telectonon.bmp, 670 x 550 at (0, 0)) with its field
// rectangles (HRCT.dat) and field hints (Fieldhlp.drs).
//
// Cells (c, r) start at (Round(133 + 33.5 c), Round(133 + 33.5 r)). On them:
// the turtles' walk, a ring of 28 cells (row 6 from column 2 to 13, column
// 13 up to row 1, row 1 back to column 2); the green turtle's spiral inside
// columns 3..6, rows 2..5; the pyramid columns 2 and 7, rows -1..8; the
// seal block, columns 8..12, rows 2..5. Left of the cells stand the two
// dials; the bands the captions are drawn in are left plain.
#include "tools/picgen/boardgeometry.h"
#include "tools/picgen/boards.h"
#include "tools/picgen/boardstyle.h"
#include "tools/picgen/picgen.h"

#include "platform/codec.h"

#include <QDir>
#include <QFile>
#include <QFont>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <stdexcept>

namespace kl::picgen {

using namespace style;
using geo::boardCell;

QPoint turtleYCell(int day) {
    // Start (1, 6): days 1..12 right along row 6, 13..17 up column 13,
    // 18..28 left along row 1.
    if (day <= 12) return {1 + day, 6};
    if (day <= 17) return {13, 6 - (day - 12)};
    return {13 - (day - 17), 1};
}

QPoint turtleGCell(int day) {
    // The green turtle's walk from (4, 3): day 7 to (6, 5), then round the
    // square inwards; day 23 it joins the others on (7, 1).
    QPoint g(4, 3);
    for (int k = 1; k <= day; ++k) {
        if (k == 7) g = {6, 5};
        else if (k >= 8 && k <= 10) g.ry() -= 1;
        else if (k >= 11 && k <= 13) g.rx() -= 1;
        else if (k >= 14 && k <= 16) g.ry() += 1;
        else if (k == 17 || k == 18) g.rx() += 1;
        else if (k == 19 || k == 20) g.ry() -= 1;
        else if (k == 21) g.rx() -= 1;
        else if (k == 22) g.ry() += 1;
        else if (k == 23) g = {7, 1};
    }
    return g;
}

namespace {

QColor sealFamily(int seal) { return familyColour((seal - 1) % 4); }  // seal 1 red, 2 white, 3 blue, 4 yellow, ...

const QPoint kSealDialCentre = geo::kSealDialStars + QPoint(geo::kStar.width() / 2, geo::kStar.height() / 2);
const QPoint kDayDialCentre = geo::kDayDialStars + QPoint(geo::kStar.width() / 2, geo::kStar.height() / 2);

void tile(QPainter& p, const QRect& cell, const QColor& fill, const QColor& edge, double radius = 4) {
    p.setPen(QPen(edge, 1.2));
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(cell).adjusted(1.5, 1.5, -1.5, -1.5), radius, radius);
}

void smallText(QPainter& p, const QRect& r, const QString& text, const QColor& c, int px = 9,
               Qt::Alignment align = Qt::AlignCenter) {
    QFont f("DejaVu Sans");
    f.setPixelSize(px);
    p.setFont(f);
    p.setPen(c);
    p.drawText(r, align, text);
}

void drawDial(QPainter& p, QPoint centre, int outerMarks, bool days) {
    // Two rings on which the stars' centres run: the outer one for the seal
    // (or day), the inner one for the tone (or moon), with the three values
    // 11..13 on a short bar through the centre.
    QRadialGradient g(centre, 66);
    g.setColorAt(0, QColor(36, 24, 96));
    g.setColorAt(1, QColor(12, 4, 44));
    p.setPen(QPen(kGoldDim, 1.5));
    p.setBrush(g);
    p.drawEllipse(QPointF(centre), 64, 64);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(90, 74, 170), 9));
    p.drawEllipse(QPointF(centre), geo::kOuterRing, geo::kOuterRing);
    p.setPen(QPen(QColor(70, 56, 150), 7));
    p.drawEllipse(QPointF(centre), geo::kInnerRing, geo::kInnerRing);
    p.setPen(QPen(QColor(70, 56, 150), 7, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre + QPoint(0, -13), centre + QPoint(0, 13));
    // A mark at every place a star can stand.
    auto mark = [&](QPoint starTopLeft, const QColor& c) {
        const QPointF at = QPointF(starTopLeft) + QPointF(geo::kStar.width() / 2.0, geo::kStar.height() / 2.0);
        p.setPen(Qt::NoPen);
        p.setBrush(c);
        p.drawEllipse(at, 2.2, 2.2);
    };
    const QPoint origin = centre - QPoint(geo::kStar.width() / 2, geo::kStar.height() / 2);
    for (int n = 1; n <= outerMarks; ++n) {
        if (days) mark(geo::dayStar(n), kGold);
        else mark(geo::sealStar(n), sealFamily(n).lighter(130));
    }
    for (int n = 1; n <= 13; ++n) mark(geo::innerStar(n, days ? 90 : 89, origin), QColor(220, 220, 240));
}

QImage drawBoard() {
    using namespace geo;
    QImage img = canvas(kTelektononBoard.width(), kTelektononBoard.height(), kNight);
    QPainter p(&img);
    smooth(p);
    stars(p, QRectF(0, 0, img.width(), img.height()), 320, 0x7e1e);

    // The walk ring: a band under the 28 cells, then the cells with their
    // day numbers (the yellow turtle's day on each).
    QPainterPath ring;
    for (int d = 1; d <= 28; ++d) {
        const QPointF c = QRectF(boardCell(turtleYCell(d).x(), turtleYCell(d).y())).center();
        if (d == 1) ring.moveTo(c); else ring.lineTo(c);
    }
    ring.closeSubpath();
    p.setPen(QPen(QColor(60, 44, 130, 170), 30, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(ring);
    for (int d = 1; d <= 28; ++d) {
        const QPoint c = turtleYCell(d);
        const QRect cell = boardCell(c.x(), c.y());
        const bool turn = d == 1 || d == 12 || d == 17 || d == 23 || d == 28;
        tile(p, cell, turn ? QColor(58, 40, 120) : QColor(34, 24, 90), turn ? kGold : kViolet);
        smallText(p, cell.adjusted(2, 1, -3, -2), QString::number(d), QColor(210, 200, 240, 200), 8,
                  Qt::AlignRight | Qt::AlignBottom);
    }

    // The green turtle's square, and its spiral from the start cell.
    for (int c = 3; c <= 6; ++c)
        for (int r = 2; r <= 5; ++r) tile(p, boardCell(c, r), QColor(16, 40, 40), QColor(40, 110, 80));
    QPainterPath spiral;
    spiral.moveTo(QRectF(boardCell(4, 3)).center());
    for (int d = 7; d <= 22; ++d) spiral.lineTo(QRectF(boardCell(turtleGCell(d).x(), turtleGCell(d).y())).center());
    p.setPen(QPen(QColor(90, 220, 130, 170), 2, Qt::DashLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(spiral);

    // Pyramid columns: one seal per step, tinted by the seal's colour.
    for (int seal = 1; seal <= 20; ++seal) {
        const QPoint c = pyramidCell(seal);
        const QRect cell = boardCell(c.x(), c.y());
        const QColor f = sealFamily(seal);
        tile(p, cell, QColor(f.red() / 3 + 10, f.green() / 3 + 6, f.blue() / 3 + 30), f, 2);
        smallText(p, cell.adjusted(2, 1, -2, -2), QString::number(seal), QColor(240, 236, 250, 210), 8,
                  Qt::AlignLeft | Qt::AlignTop);
    }
    for (int col : {2, 7}) {
        // Only a frame: the space above the columns carries arc captions.
        const QRect top = boardCell(col, -1), bottom = boardCell(col, 8);
        p.setPen(QPen(kGold, 1.2));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(QPointF(top.left() - 1.0, top.top() - 1.0), QPointF(bottom.right() + 2.0, bottom.bottom() + 2.0)));
    }

    // The seal block: 20 cells in the seals' colours.
    const QRect block(boardCell(8, 2).topLeft(), boardCell(12, 5).bottomRight());
    p.setPen(QPen(kGold, 1.6));
    p.setBrush(QColor(20, 10, 60));
    p.drawRoundedRect(QRectF(block).adjusted(-3, -3, 3, 3), 6, 6);
    for (int seal = 1; seal <= 20; ++seal) {
        const QPoint c = sealCell(seal);
        const QRect cell = boardCell(c.x(), c.y());
        const QColor f = sealFamily(seal);
        tile(p, cell, QColor(f.red() / 2 + 6, f.green() / 2 + 4, f.blue() / 2 + 24), f.lighter(120));
        smallText(p, cell, QString::number(seal), QColor(250, 246, 255, 230), 11);
    }

    drawDial(p, kSealDialCentre, 20, false);
    drawDial(p, kDayDialCentre, 28, true);

    // The hint box: the hint painter clears it to the background colour, so
    // it is plain here too, with a frame just outside it.
    p.fillRect(kHintBox, kNight);
    p.setPen(QPen(QColor(90, 74, 170), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(kHintBox).adjusted(-3.5, -3.5, 2.5, 2.5), 5, 5);
    return img;
}

// Field rectangles, in the order of the hints in fieldhlp.txt:
// 0..19 the seal block cells of seals 1..20; 20..39 the pyramid cells of
// seals 20, 1..9 (column 2, top down) and 10..19 (column 7, bottom up);
// 40..63 the 24 walk cells that are not on a pyramid column; 64 the green
// turtle's square; 65, 66 the two dials; 67 the heavenly band (row 0
// between the columns), 68 the earthly band (row 7), 69 the prophecy arcs.
std::vector<Field> fields() {
    using namespace geo;
    std::vector<Field> f;
    for (int s = 1; s <= 20; ++s) f.push_back({boardCell(sealCell(s).x(), sealCell(s).y())});
    for (int s : {20, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19})
        f.push_back({boardCell(pyramidCell(s).x(), pyramidCell(s).y())});
    for (int d = 1; d <= 28; ++d) {
        const QPoint c = turtleYCell(d);
        if (c.x() == 2 || c.x() == 7) continue;
        f.push_back({boardCell(c.x(), c.y())});
    }
    f.push_back({QRect(boardCell(3, 2).topLeft(), boardCell(6, 5).bottomRight())});
    f.push_back({QRect(kSealDialCentre - QPoint(64, 64), QSize(129, 129))});
    f.push_back({QRect(kDayDialCentre - QPoint(64, 64), QSize(129, 129))});
    f.push_back({QRect(boardCell(3, 0).topLeft(), boardCell(6, 0).bottomRight())});
    f.push_back({QRect(boardCell(3, 7).topLeft(), boardCell(6, 7).bottomRight())});
    f.push_back({QRect(QPoint(330, 440), QPoint(440, 540))});
    return f;
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + path.toStdString());
}

// Fieldhlp.drs: the hints, kept in UTF-8 in the source tree and written
// in the program's code page, one line per field.
void writeHints(const QString& source, const QString& target) {
    const std::string name = source.toStdString();
    QFile src(source);
    if (!src.open(QIODevice::ReadOnly)) throw std::runtime_error("cannot read " + name);
    const QList<QByteArray> lines = src.readAll().split('\n');
    QByteArray hints;
    int count = 0;
    for (QByteArray line : lines) {
        if (line.endsWith('\r')) line.chop(1);
        if (line.isEmpty() && count >= 70) continue;
        if (!platform::fitsCp1251(line.toStdString()))
            throw std::runtime_error(name + ": line " + std::to_string(count + 1) + " has a character outside Windows-1251");
        hints += QByteArray::fromStdString(platform::toCp1251(line.toStdString())) + "\r\n";
        ++count;
    }
    if (count != 70) throw std::runtime_error(name + ": expected 70 lines, found " + std::to_string(count));
    writeFile(target, hints);
}

void generateTelektonon(const Output& out) {
    writeBitmap(drawBoard(), out.graphic, "telectonon.bmp");
    // HRCT.dat: 70 records of left, top, right, bottom (signed 32-bit little
    // endian). The hit test takes points strictly inside, so each record is
    // the field's pixels widened by one on every side.
    const std::vector<Field> f = fields();
    if (f.size() != 70) throw std::runtime_error("telektonon: expected 70 fields");
    QByteArray rects;
    for (const Field& field : f) {
        const QRect& b = field.bounds;
        for (qint32 v : {qint32(b.left() - 1), qint32(b.top() - 1), qint32(b.right() + 1), qint32(b.bottom() + 1)})
            for (int k = 0; k < 4; ++k) rects += char((quint32(v) >> (8 * k)) & 0xFF);
    }
    writeFile(out.run + "/HRCT.dat", rects);

    writeHints(QStringLiteral(KL_SHIPDATA_DIR) + "/fieldhlp.txt", out.run + "/Fieldhlp.drs");
    // The English hints go with the English texts, into en/.
    QDir(out.run).mkpath("en");
    writeHints(QStringLiteral(KL_SHIPDATA_DIR) + "/texts/en/fieldhlp.txt", out.run + "/en/Fieldhlp.drs");
}

}  // namespace

QImage drawTelektononBoard() { return drawBoard(); }
std::vector<Field> telektononFields() { return fields(); }

KL_PICTURE_FAMILY("telektonon", generateTelektonon);

}  // namespace kl::picgen
