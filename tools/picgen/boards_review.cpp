// Review pictures for the faces, boards and pieces (build/review/): each
// board in its place on a view with every position the views compute drawn
// over it, the compact face with the boxes of everything painted on it, and
// a contact sheet of the pieces. They are looked at, never shipped.
#include "tools/picgen/boardgeometry.h"
#include "tools/picgen/boards.h"
#include "tools/picgen/boardstyle.h"
#include "tools/picgen/face.h"
#include "tools/picgen/picgen.h"
#include "tools/picgen/pieces.h"
#include "core/calendar.h"
#include "core/kin.h"
#include "data/textdb.h"
#include "layout/essence.h"
#include "layout/fontpresets.h"
#include "layout/lettering.h"
#include "platform/files.h"

#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontMetrics>
#include <QMap>
#include <QStringList>

#include <cmath>
#include <stdexcept>

namespace kl::picgen {

using namespace style;
using layout::ArcLetter;
using layout::arcLetter;
using layout::FontPreset;
using layout::kFontPresets;
using layout::rainbow;

void blendPiece(QImage& target, const Piece& piece, int left, int top) {
    const QImage src = piece.picture.convertToFormat(QImage::Format_RGB32);
    const QImage mask = piece.mask.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < src.height(); ++y)
        for (int x = 0; x < src.width(); ++x) {
            const int tx = left + x, ty = top + y;
            if (tx < 0 || ty < 0 || tx >= target.width() || ty >= target.height()) continue;
            const QRgb s = src.pixel(x, y), m = mask.pixel(x, y), d = target.pixel(tx, ty);
            auto mix = [](int w, int dv, int sv) { return (dv * (255 - w) + sv * w + 127) / 255; };
            target.setPixel(tx, ty, qRgb(mix(qRed(m), qRed(d), qRed(s)), mix(qGreen(m), qGreen(d), qGreen(s)),
                                         mix(qBlue(m), qBlue(d), qBlue(s))));
        }
}

namespace {

// Lines of the text database as the views would read them, for captions.
QMap<int, QString> baseLines() {
    QMap<int, QString> lines;
    QFile f(QStringLiteral(KL_SHIPDATA_DIR) + "/texts/base.txt");
    if (!f.open(QIODevice::ReadOnly)) return lines;
    for (const QByteArray& raw : f.readAll().split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        const int tab = line.indexOf('\t');
        if (line.startsWith('#') || tab < 1) continue;
        bool ok = false;
        const int n = line.left(tab).toInt(&ok);
        if (ok) lines[n] = line.mid(tab + 1);
    }
    return lines;
}

// The view's font presets that the overlays use.
QFont presetFont(int preset) {
    const FontPreset& pr = kFontPresets[static_cast<std::size_t>(std::clamp(preset, 0, static_cast<int>(kFontPresets.size()) - 1))];
    QFont f(pr.face);
    f.setPixelSize(std::abs(pr.pixelHeight));
    f.setBold(pr.bold);
    return f;
}

// T(x, y, c, f): a text at (x, y), centred on 299 + x when `centred`.
void viewText(QPainter& p, int x, int y, bool centred, int preset, const QString& text, bool rightAligned = false,
              const QColor& colour = Qt::white) {
    const QFont f = presetFont(preset);
    p.setFont(f);
    const QFontMetrics fm(f);
    int left = x;
    if (centred) left = geo::kViewCentre + x - fm.horizontalAdvance(text) / 2;
    else if (rightAligned) left = x - fm.horizontalAdvance(text);
    p.setPen(colour);
    p.drawText(QPoint(left, y + fm.ascent()), text);
}

QColor rainbowColour(int pos) {
    const Rgb c = rainbow(pos);
    return QColor(c.r, c.g, c.b);
}

// Letter-by-letter captions: arc (radius > 0), straight (-1) or upright (-2),
// placed as the telektonon's caption routine places them.
void letterText(QPainter& p, int x, int y, const QString& text, int preset, int startAngle, int endAngle, int radius,
                bool rainbowed, bool centreLine, bool centreUp) {
    if (text.isEmpty()) return;
    const QFont f = presetFont(preset);
    const QFontMetrics fm(f);
    const int n = text.size();
    p.save();
    for (int i = 0; i < n; ++i) {
        const QColor c = rainbowed ? rainbowColour(geo::roundEven(i * 120.0 / n)) : QColor(Qt::white);
        p.setPen(c);
        p.setFont(f);
        if (radius > 0) {
            const ArcLetter letter = arcLetter(x, y, startAngle, endAngle, radius, i, n);
            p.save();
            p.translate(letter.x, letter.y);
            p.rotate(-letter.escapement / 10.0);
            p.drawText(QPoint(0, fm.ascent()), text.mid(i, 1));
            p.restore();
        } else if (radius == -1) {
            const int shift = centreLine ? fm.horizontalAdvance(text) / 2 : 0;
            p.drawText(QPoint(x + fm.horizontalAdvance(text.left(i)) - shift, y + fm.ascent()), text.mid(i, 1));
        } else if (radius == -2) {
            const int w = fm.horizontalAdvance(text);
            const int shift = centreUp ? w / 2 : 0;
            p.save();
            p.translate(x, y + w - fm.horizontalAdvance(text.left(i)) - shift);
            p.rotate(-90);
            p.drawText(QPoint(0, fm.ascent()), text.mid(i, 1));
            p.restore();
        }
    }
    p.restore();
}

void mark(QPainter& p, QPointF at, const QColor& c, double r = 1.6) {
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawEllipse(at, r, r);
}

void outline(QPainter& p, const QRectF& r, const QColor& c) {
    p.setPen(QPen(c, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(0.5, 0.5, -0.5, -0.5));
}

QImage view() { return canvas(geo::kViewWidth, geo::kViewHeight, kNight); }

void save(const QImage& img, const Output& out, const QString& name) {
    QDir().mkpath(out.review);
    if (!img.save(out.review + "/" + name, "PNG")) throw std::runtime_error("cannot write review " + name.toStdString());
}

const QColor kCentreMark(255, 60, 60);
const QColor kBoxMark(80, 230, 255);
const QColor kTextMark(255, 120, 255);

void reviewTzolkin(const Output& out, const QMap<int, QString>& L) {
    using namespace geo;
    QImage img = view();
    { QPainter p(&img); p.drawImage(kTzolkinLeft, kTzolkinTop, drawTzolkinBoard()); }
    const Piece shine = shinePiece(kShineTzolkin, QSize(23, 22), kGold);
    for (int kin : {1, 20, 21, 130, 147, 260}) {
        const QPoint s = tzolkinShine(kin);
        blendPiece(img, shine, s.x(), s.y());
    }
    QPainter p(&img);
    smooth(p);
    // The centre of every kin's shine: it must sit inside the kin's cell.
    for (int kin = 1; kin <= 260; ++kin)
        mark(p, QPointF(tzolkinShine(kin)) + QPointF(kShineTzolkin.width() / 2.0, kShineTzolkin.height() / 2.0), kCentreMark, 1.3);
    // Row labels and legend, as mode 5 draws them.
    viewText(p, 16, 5, true, 7, L.value(63));
    for (int i = 1; i <= 20; ++i) {
        const int k = i <= 9 ? i + 1 : i == 10 ? 10 : i <= 19 ? 20 - i : 1;
        viewText(p, 496, 22 * i + 14, false, 6, L.value(566 + k));
        viewText(p, 141, 22 * i + 8, false, 6, L.value(i), true);
        viewText(p, 141, 22 * i + 19, false, 6, L.value(170 + i), true, QColor(192, 192, 192));
    }
    p.setPen(Qt::white);
    p.setBrush(QColor(layout::tzolkin::kMysticFill.r, layout::tzolkin::kMysticFill.g, layout::tzolkin::kMysticFill.b));
    p.drawRect(QRect(QPoint(153, 485), QPoint(173, 505)));
    p.setBrush(QColor(layout::tzolkin::kPortalFill.r, layout::tzolkin::kPortalFill.g, layout::tzolkin::kPortalFill.b));
    p.drawRect(QRect(QPoint(310, 485), QPoint(330, 505)));
    viewText(p, 177, 488, false, 6, L.value(416));
    viewText(p, 334, 484, false, 6, L.value(414));
    viewText(p, 334, 495, false, 6, L.value(415));
    p.end();
    save(img, out, "board_tzolkin.png");
}

// A pulse line between two tone points, stamped as the pulsar routine does.
void pulseLine(QImage& img, const Piece& stamp, QPoint a, QPoint b) {
    int x1 = a.x(), y1 = a.y(), x2 = b.x(), y2 = b.y();
    const int dx = x2 - x1, dy = y2 - y1;
    if (dx == 0) {
        for (int e = 0; e <= dy; ++e) blendPiece(img, stamp, x1, y1 + e);
        return;
    }
    const double s = (dy == 0 ? 0.00001 : dy) / double(dx);
    if (std::abs(s) <= 1)
        for (int e = 0; e <= dx; ++e) blendPiece(img, stamp, x1 + e, geo::roundEven(y1 + s * e));
    else
        for (int e = 0; e <= dy; ++e) blendPiece(img, stamp, geo::roundEven(x1 + e / s), y1 + e);
}

void reviewWavespell(const Output& out, const QMap<int, QString>& L) {
    using namespace geo;
    QImage img = view();
    { QPainter p(&img); p.drawImage(kWavespellLeft, kWavespellTop, drawWavespellBoard()); }
    // The time pulsar (1, 5, 9, 13) and an overtone pulsar (3, 8, 13).
    const Piece violet = pulseStamp(QColor(190, 120, 255)), green = pulseStamp(QColor(120, 240, 200));
    for (auto [a, b] : {std::pair{1, 5}, {5, 9}, {13, 9}, {1, 13}, {5, 13}, {1, 9}})
        pulseLine(img, violet, tonePoint(a), tonePoint(b));
    for (auto [a, b] : {std::pair{3, 8}, {13, 8}, {3, 13}}) pulseLine(img, green, tonePoint(a), tonePoint(b));
    const Piece shine = shinePiece(kShineWavespell, QSize(92, 86), kGold);
    blendPiece(img, shine, wavespellShine(7).x(), wavespellShine(7).y());
    QPainter p(&img);
    smooth(p);
    for (int i = 1; i <= 13; ++i) {
        const QPoint s = wavespellSlot(i);
        const int g = 102 * s.x(), h = 91 * s.y();
        outline(p, QRect(g + 79, h - 44, 45, 45), kBoxMark);        // seal
        outline(p, QRect(g + 79, h - 68, 45, 22), kBoxMark);        // tone
        outline(p, QRect(g + 128, h - 35, 35, 35), kBoxMark);       // guide
        viewText(p, g - 180, h + 3, true, 6, "01.01.2026", false, kTextMark);
        mark(p, QPointF(tonePoint(i)) + QPointF(2.5, 2.5), kCentreMark, 1.5);
        mark(p, QPointF(wavespellShine(i)) + QPointF(kShineWavespell.width() / 2.0, kShineWavespell.height() / 2.0),
             QColor(255, 255, 0), 1.5);
    }
    viewText(p, 240, 20, false, 8, L.value(417));
    viewText(p, 216, 50, false, 8, L.value(418));
    p.end();
    save(img, out, "board_wavespell.png");
}

void reviewWings(const Output& out, const QMap<int, QString>& L) {
    using namespace geo;
    QImage img = view();
    { QPainter p(&img); p.drawImage(kWingsLeft, kWingsTop, drawWingsBoard()); }
    const auto cells = wingsCells();
    const Piece shine = shinePiece(kShineWings, QSize(kWingsCell, kWingsCell), kGold, kWingsShineBand);
    for (int kin : {1, 52, 53, 130, 208, 260}) blendPiece(img, shine, cells[kin - 1].x() - 7, cells[kin - 1].y() - 14);
    QPainter p(&img);
    smooth(p);
    for (int kin = 1; kin <= 260; ++kin)
        mark(p, QPointF(cells[kin - 1]) + QPointF(kShineWings.width() / 2.0 - 7, kShineWings.height() / 2.0 - 14), kCentreMark, 1.2);
    // Texts and the day icon of the wings view, castle 1 and wavespell 1.
    viewText(p, -181, 0, true, 8, L.value(425));
    viewText(p, -181, 60, true, 3, L.value(427));
    viewText(p, -181, 75, true, 3, L.value(432));
    viewText(p, -181, 90, true, 3, L.value(437));
    viewText(p, -181, 125, true, 3, L.value(443));
    viewText(p, 182, 1, true, 3, L.value(417));
    viewText(p, 182, 14, true, 3, L.value(448));
    viewText(p, 182, 28, true, 3, L.value(525));
    viewText(p, 182, 42, true, 3, L.value(526));
    outline(p, QRect(445, 75, 35, 35), kBoxMark);
    outline(p, QRect(457, 98, 12, 12), kBoxMark);
    outline(p, QRect(471, 98, 35, 35), kBoxMark);
    outline(p, QRect(471, 78, 35, 18), kBoxMark);
    viewText(p, 164, 83, true, 2, "28", false, kTextMark);
    viewText(p, 181, 137, true, 6, "01.01.2026", false, kTextMark);
    p.end();
    save(img, out, "board_wings.png");
}

void reviewTelektonon(const Output& out, const QMap<int, QString>& L) {
    using namespace geo;
    QImage img = drawTelektononBoard();
    // Pieces of a sample day: moon day 5, seal 7, tone 9, moon 3.
    const Piece star{starPicture(QColor(80, 140, 255)), starMask()};
    const Piece white{starPicture(QColor(235, 235, 245)), starMask()};
    for (int s = 1; s <= 20; ++s) blendPiece(img, star, sealStar(s).x(), sealStar(s).y());
    for (int d = 1; d <= 28; ++d) blendPiece(img, star, dayStar(d).x(), dayStar(d).y());
    for (int t = 1; t <= 13; ++t) {
        blendPiece(img, white, innerStar(t, 89, kSealDialStars).x(), innerStar(t, 89, kSealDialStars).y());
        blendPiece(img, white, innerStar(t, 90, kDayDialStars).x(), innerStar(t, 90, kDayDialStars).y());
    }
    const Piece cr{cellMarkerPicture(), cellMarkerMask()};
    blendPiece(img, cr, cellLeft(sealCell(7).x()), cellTop(sealCell(7).y()));
    for (int f = 0; f < 4; ++f) {
        const Piece turtle{turtlePicture(f, QColor(226, 190, 50)), turtleMask(f)};
        const QPoint c = turtleYCell(f == 0 ? 3 : f == 1 ? 14 : 20);
        blendPiece(img, turtle, cellLeft(c.x()), cellTop(c.y()) + 1);
    }
    const Piece g{turtlePicture(3, QColor(70, 190, 100)), turtleMask(3)};
    blendPiece(img, g, cellLeft(3), cellTop(3));
    const Piece pyr{pyramidPicture(QColor(60, 200, 100)), pyramidMask()};
    blendPiece(img, pyr, cellLeft(pyramidCell(7).x()), cellTop(pyramidCell(7).y()));
    const Piece pyrR{pyramidPicture(familyColour(0).lighter(120)), pyramidMask()};
    blendPiece(img, pyrR, cellLeft(pyramidCell(13).x()), cellTop(pyramidCell(13).y()));

    QPainter p(&img);
    smooth(p);
    // Hot rectangles as stored (strictly-inside bounds drawn as given).
    for (const Field& f : telektononFields()) outline(p, QRectF(f.bounds), QColor(80, 230, 255, 140));
    outline(p, QRectF(kHintBox), QColor(255, 255, 0));
    // The captions of the board build.
    auto T = [&](int x, int y, bool centred, int preset, int line, bool right = false) {
        viewText(p, x, y, centred, preset, L.value(line), right);
    };
    auto S = [&](int x, int y, int line, int preset, bool rb, bool centre = false) {
        letterText(p, x, y, L.value(line), preset, 0, 0, -1, rb, centre, false);
    };
    auto U = [&](int x, int y, int line, int preset, bool rb, bool centre = false) {
        letterText(p, x, y, L.value(line), preset, 0, 0, -2, rb, false, centre);
    };
    auto A = [&](int x, int y, int r, int a0, int a1, int line) { letterText(p, x, y, L.value(line), 0, a0, a1, r, true, false, false); };
    T(285, 518, false, 6, 579, true);
    T(285, 508, false, 6, 577, true);
    S(304, 16, 583, 4, true, true);
    U(50, 268, 583, 2, true, true);
    T(235, 28, true, 2, 581);
    S(464, 4, 580, 7, true);
    S(252, 132, 592, 6, true);
    S(260, 398, 591, 6, true);
    A(335, 444, 60, 265, 345, 595);
    A(335, 444, 80, 270, 350, 596);
    A(335, 444, 92, 295, 328, 597);
    U(73, 219, 590, 6, false);
    U(100, 268, 587, 5, false, true);
    U(114, 268, 605, 5, false, true);
    U(143, 274, 588, 6, false);
    U(143, 206, 589, 6, false);
    U(155, 282, 607, 6, false);
    U(155, 215, 607, 6, false);
    A(139, 100, 94, 90, 0, 598);
    A(139, 100, 80, 80, 1, 599);
    A(139, 100, 60, 66, 15, 597);
    A(81, 109, 80, 160, 20, 585);
    A(81, 113, 71, 200, 340, 586);
    A(81, 425, 84, 150, 30, 584);
    A(81, 426, 71, 205, 335, 604);
    T(-50, 447, true, 6, 600);
    T(-50, 456, true, 6, 601);
    T(59, 447, true, 6, 602);
    T(59, 456, true, 6, 603);
    T(231, 104, true, 6, 613);
    T(231, 424, true, 6, 614);
    T(231, 137, true, 6, 611);
    T(231, 155, true, 6, 612);
    T(231, 391, true, 6, 615);
    U(628, 128, 616, 6, false);
    U(628, 285, 617, 6, false);
    U(605, 226, 594, 6, true);
    T(345, 258, true, 6, 608);
    T(345, 268, true, 6, 610);
    U(294, 428, 608, 6, false);
    U(302, 428, 609, 6, false);
    // The longest field hint, as the hint painter lays it out in its box.
    {
        QFile f(QStringLiteral(KL_SHIPDATA_DIR) + "/fieldhlp.txt");
        QString longest;
        if (f.open(QIODevice::ReadOnly))
            for (const QByteArray& line : f.readAll().split('\n')) {
                const QString hint = QString::fromUtf8(line).trimmed();
                if (hint.split("  ").size() > longest.split("  ").size() ||
                    (hint.split("  ").size() == longest.split("  ").size() && hint.size() > longest.size()))
                    longest = hint;
            }
        const QStringList lines = longest.split("  ");
        for (int n = 0; n < lines.size(); ++n) viewText(p, 505, 455 + 10 * n, false, 6, lines[n]);
    }
    const QPoint rowLabels[] = {{244, 38}, {254, 48}, {277, 38}, {287, 48}, {309, 38}, {319, 48}, {342, 38}, {352, 48}};
    for (int i = 0; i < 8; ++i) U(rowLabels[i].x(), rowLabels[i].y(), 619 + i, 6, false);
    p.end();
    save(img, out, "board_telektonon.png");
}

void reviewFace(const Output& out) {
    QImage img = drawFace();
    QPainter p(&img);
    smooth(p);
    auto box = [&](QRect r, const QColor& c) { outline(p, QRectF(r), c); };
    for (QRect hot : {QRect(QPoint(226, 177), QPoint(298, 217)), QRect(QPoint(226, 222), QPoint(298, 294)),
                      QRect(QPoint(310, 231), QPoint(370, 291)), QRect(QPoint(154, 218), QPoint(208, 272)),
                      QRect(QPoint(393, 218), QPoint(447, 272)), QRect(QPoint(125, 300), QPoint(475, 390)),
                      QRect(QPoint(285, 70), QPoint(315, 95))})
        box(hot, QColor(80, 230, 255, 160));
    box(QRect(150, 216, 58, 58), kTextMark);
    box(QRect(227, 182, 70, 34), kTextMark);
    box(QRect(224, 220, 76, 76), kTextMark);
    box(QRect(308, 229, 64, 64), kTextMark);
    box(QRect(390, 216, 60, 60), kTextMark);
    box(QRect(264, 75, 15, 17), QColor(255, 255, 0));
    box(QRect(320, 75, 15, 17), QColor(255, 255, 0));
    // The texts of one real day, read from the shipped database and put
    // together by the program's own routines, in the face fonts at the face's
    // rows: the portal day 10 December 2026, kin 106, whose essence takes two
    // rows.
    const std::string previousDir = platform::programDirectory();
    platform::setProgramDirectory(out.run.toStdString());
    const CalendarDay day = computeCalendarDay(GregorianDate{10, 12, 0, 2026});
    const KinRelations r = computeKinRelations(day);
    auto qs = [](const std::string& t) { return QString::fromStdString(t); };
    auto faceFont = [](int preset) {
        const FontPreset& pr = kFontPresets[static_cast<std::size_t>(preset)];
        QFont f(pr.face);
        f.setPixelSize(std::abs(pr.pixelHeight));
        f.setBold(pr.bold);
        return f;
    };
    auto centred = [&](int x, int y, int preset, const std::string& t) {
        viewText(p, x, y, true, preset, qs(t));
    };
    auto at = [&](int x, int y, int preset, const std::string& t) { viewText(p, x, y, false, preset, qs(t)); };
    QFont hint(QStringLiteral("Liberation Sans"));
    hint.setPixelSize(13);
    hint.setBold(true);
    p.setFont(hint);
    p.setPen(Qt::white);
    p.drawText(QPoint(249, 53 + QFontMetrics(hint).ascent()), qs(L(413)));
    const std::string colour = L(r.wordForm == 1 ? 130 + r.colour : 134 + r.colour);
    const std::string tone = L(r.wordForm == 1 ? 103 + day.tone : 116 + day.tone);
    centred(0, 97, 2, L(66 + day.month) + L(29));
    centred(0, 113, 2, L(61) + " " + L(150 + day.month));
    centred(0, 128, 3, L(59) + " " + std::to_string(day.monthDay));
    centred(150 + 30 - 299, 186, 3, applyCaseMask(L(165) + ":", "AB"));
    centred(150 + 30 - 299, 198, 3, applyCaseMask(L(49 + day.plasma), "AB"));
    centred(0, 140, 2, L(402) + " " + colour);
    const std::string seal = L(80 + day.sign);
    if (QFontMetrics(faceFont(2)).horizontalAdvance(qs(tone + " " + seal)) < layout::kSealLineSplit) {
        centred(0, 155, 2, tone + " " + seal);
    } else {
        centred(0, 155, 2, tone);
        centred(0, 167, 2, seal);
    }
    namespace es = layout::essence;
    const std::string both = applyCaseMask(L(168) + ": " + L(170 + day.sign), "AB");
    const std::string word = applyCaseMask(L(170 + day.sign), "B");
    const es::Setting essence = es::choose(
        QFontMetrics(faceFont(es::kOneRowPreset)).horizontalAdvance(qs(both)), es::kFaceOneRow,
        [&](int preset) { return QFontMetrics(faceFont(preset)).horizontalAdvance(qs(word)); });
    if (essence.twoRows) {
        at(es::kLeft, essence.rows.label, 3, applyCaseMask(L(168) + ":", "A"));
        at(es::kLeft, essence.rows.word, essence.wordPreset, word);
    } else {
        at(es::kLeft, essence.rows.label, 3, both);
    }
    at(es::kLeft, essence.rows.kin, 3, applyCaseMask(L(60) + ": " + std::to_string(day.kin), "Aa"));
    at(es::kLeft, essence.rows.tone, 3, applyCaseMask(L(34) + ": " + std::to_string(day.tone), "Aa"));
    centred(390 + 30 - 299, 186, 3, applyCaseMask(L(166), "Aaa"));
    centred(390 + 30 - 299, 198, 3, applyCaseMask(L(392), "aaa"));
    const std::array<const char*, 6> masks{"Aaaaaaaaaa", "aaaaaaaaa", "Aaaaaaaaaa",
                                           "aaaaaaaaaaa", "Aaaaaaaaaaaa", "AaaaaAaaaaaaa"};
    const std::array<int, 6> rows{296, 311, 326, 340, 354, 368};
    const auto affirmation = loadaffirmation(day);
    for (std::size_t i = 0; i < 6; ++i) centred(0, rows[i], 1, applyCaseMask(affirmation[i], masks[i]));
    platform::setProgramDirectory(previousDir);
    p.end();
    save(img, out, "face_overlay.png");
}

void contactSheet(const Output& out) {
    // Every piece and its mask side by side on the view background.
    QImage sheet = canvas(760, 560, kNight);
    QPainter p(&sheet);
    smooth(p);
    QFont f("DejaVu Sans");
    f.setPixelSize(9);
    p.setFont(f);
    int x = 8, y = 8, rowHeight = 0;
    auto place = [&](const QString& name, const QImage& a, const QImage& b) {
        const int w = a.width() + (b.isNull() ? 0 : b.width() + 2);
        if (x + w > sheet.width() - 8) { x = 8; y += rowHeight + 16; rowHeight = 0; }
        p.drawImage(x, y, a);
        if (!b.isNull()) p.drawImage(x + a.width() + 2, y, b);
        p.setPen(QColor(200, 200, 230));
        p.drawText(x, y + std::max(a.height(), b.height()) + 10, name);
        x += std::max(w, QFontMetrics(f).horizontalAdvance(name)) + 10;
        rowHeight = std::max(rowHeight, std::max(a.height(), b.height()));
    };
    using namespace geo;
    const Piece s1 = shinePiece(kShineWavespell, QSize(92, 86), kGold);
    place("shine1 / 1t", s1.picture, s1.mask);
    const Piece s2 = shinePiece(kShineMoonCell, QSize(76, 86), familyColour(0).lighter(130));
    place("shine2 / 2t", s2.picture, s2.mask);
    place("shine7", shinePiece(kShineMoonCell, QSize(76, 86), familyColour(1)).picture, {});
    place("shine8", shinePiece(kShineMoonCell, QSize(76, 86), familyColour(2).lighter(140)).picture, {});
    place("shine9", shinePiece(kShineMoonCell, QSize(76, 86), familyColour(3)).picture, {});
    const Piece s3 = shinePiece(kShineTzolkin, QSize(23, 22), kGold);
    place("shine3 / 3t", s3.picture, s3.mask);
    const Piece s4 = shinePiece(kShineWings, QSize(kWingsCell, kWingsCell), kGold, kWingsShineBand);
    place("shine4 / 4t", s4.picture, s4.mask);
    const Piece s5 = shinePiece(kShineYear, QSize(17, 23), kGold);
    place("shine5 / 5t", s5.picture, s5.mask);
    const Piece s6 = shinePiece(kShineWeek, QSize(76, 296), kGold);
    place("shine6 / 6t", s6.picture, s6.mask);
    for (int fc = 0; fc < 4; ++fc) {
        place(QString("trY%1 / trA%1").arg(fc), turtlePicture(fc, QColor(226, 190, 50)), turtleMask(fc));
    }
    place("trW0", turtlePicture(0, QColor(226, 226, 236)), {});
    place("trG0", turtlePicture(0, QColor(70, 190, 100)), {});
    place("tlpyrG / A", pyramidPicture(QColor(60, 200, 100)), pyramidMask());
    place("tlpyrR", pyramidPicture(familyColour(0).lighter(120)), {});
    place("tlpyrW", pyramidPicture(familyColour(1)), {});
    place("tlpyrB", pyramidPicture(familyColour(2).lighter(130)), {});
    place("tlpyrY", pyramidPicture(familyColour(3)), {});
    place("tlcr / A", cellMarkerPicture(), cellMarkerMask());
    place("tlstB / A", starPicture(QColor(80, 140, 255)), starMask());
    place("tlstW", starPicture(QColor(235, 235, 245)), {});
    place("moon", drawMoonTexture(60, 0x3007), {});
    p.end();
    save(sheet, out, "sheet_pieces.png");
}

void generateReview(const Output& out) {
    const QMap<int, QString> L = baseLines();
    reviewTzolkin(out, L);
    reviewWavespell(out, L);
    reviewWings(out, L);
    reviewTelektonon(out, L);
    reviewFace(out);
    contactSheet(out);
}

}  // namespace

KL_PICTURE_FAMILY("boards-review", generateReview);

}  // namespace kl::picgen
