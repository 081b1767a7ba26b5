// Where the full-screen views put things on the boards and pieces, in view
// coordinates (the 670 x 550 view picture). The boards are drawn so that
// these positions land on their cells; the review overlays draw them back.
#pragma once

#include <QPointF>
#include <QRect>
#include <QSize>

#include <cmath>

#include "layout/boardviews.h"
#include "layout/viewgeometry.h"

namespace kl::picgen::geo {

constexpr int kViewWidth = layout::kViewWidth;
constexpr int kViewHeight = layout::kViewHeight;
constexpr int kViewCentre = layout::kViewCentre;  // centred pictures are placed from this line

// Left edge of a picture of `width` drawn centred at offset `x`.
constexpr int centredLeft(int x, int width) { return layout::centredLeft(x, width); }

// Rounding of the views: nearest, halves to even.
inline int roundEven(double v) { return static_cast<int>(std::nearbyint(v)); }

// --- Shine pictures -------------------------------------------------------
// Each shine is a glow ring centred on the cell it marks; the renderers give
// its top-left corner, so its size fixes where the centre falls.
constexpr QSize kShineWavespell(142, 127);  // shine1: a wavespell day (seal, tone, guide, date)
constexpr QSize kShineMoonCell(96, 106);    // shine2, 7, 8, 9: a moon-month cell (76 x 86)
constexpr QSize kShineTzolkin(50, 50);      // shine3: a Tzolkin cell (23 x 22)
constexpr QSize kShineWings(28, 28);        // shine4: a wings cell (14 x 14)
constexpr QSize kShineYear(41, 47);         // shine5: a year-view cell (17 x 23)
constexpr QSize kShineWeek(96, 316);        // shine6: a week-view day column

// --- Tzolkin (sign 240 at S(20, 30, 1, 240)) -------------------------------
// The shine of kin k is at (23 c + 156, 22 r + 16), c = (k - 1) div 20,
// r = (k - 1) mod 20; so the cell of column c, row r is 23 x 22 with its
// top-left at (170 + 23 c, 30 + 22 r): the grid starts on the board's top
// edge (y 30) and is centred on x = 319 like the board.
constexpr int kTzolkinPitchX = 23, kTzolkinPitchY = 22;
constexpr int kTzolkinGridLeft = 156 + kShineTzolkin.width() / 2 - kTzolkinPitchX / 2;  // 170
constexpr int kTzolkinGridTop = 16 + kShineTzolkin.height() / 2 - kTzolkinPitchY / 2;       // 30
constexpr QSize kTzolkinBoard(311, 444);
constexpr int kTzolkinLeft = centredLeft(20, kTzolkinBoard.width());  // 164
constexpr int kTzolkinTop = 30;
inline QPoint tzolkinShine(int kin) { return {23 * ((kin - 1) / 20) + 156, 22 * ((kin - 1) % 20) + 16}; }
inline QRect tzolkinCell(int kin) {
    return {kTzolkinGridLeft + kTzolkinPitchX * ((kin - 1) / 20), kTzolkinGridTop + kTzolkinPitchY * ((kin - 1) % 20),
            kTzolkinPitchX, kTzolkinPitchY};
}

// --- Wavespell (sign 241 at S(25, 12, 1, 241)) -----------------------------
constexpr QSize kWavespellBoard(540, 480);
constexpr int kWavespellLeft = centredLeft(25, kWavespellBoard.width());  // 54
constexpr int kWavespellTop = 12;
// Column and row of day (tone) i of a wavespell, 1..13.
inline QPoint wavespellSlot(int i) {
    const layout::Point s = layout::wave::slot(i);
    return {s.x, s.y};
}
// g = 102 col, h = 91 row: the seal at (g + 79, h - 44) 45 x 45, its tone at
// (g + 79, h - 68) 45 x 22, the guide at (g + 128, h - 35) 35 x 35, the date
// centred on g + 119 at h + 3. The day's cell holds them all.
inline QRect wavespellCell(int i) {
    const QPoint s = wavespellSlot(i);
    const int g = 102 * s.x(), h = 91 * s.y();
    return QRect(QPoint(g + 75, h - 71), QPoint(g + 166, h + 14));
}
inline QPoint wavespellShine(int i) {
    const QPoint s = wavespellSlot(i);
    return {102 * s.x() + 50, 91 * s.y() - 91};
}
// Pulsar point of tone t (the top-left of the pulse stamp).
inline QPoint tonePoint(int t) {
    const QPoint s = wavespellSlot(t);
    return {102 * (s.x() + 1) + 15, 91 * s.y() - 30};
}

// --- Wings (sign 244 at S(0, 10, 1, 244)) ----------------------------------
constexpr QSize kWingsBoard(598, 540);
constexpr int kWingsLeft = centredLeft(0, kWingsBoard.width());  // 0: a board must not start left of the view
constexpr int kWingsTop = 10;
// A kin's cell is 14 x 14; tech.dat gives its left edge x and its middle
// row y, so the shine at (x - 7, y - 14) is centred on it.
constexpr int kWingsCell = 14;
// The wings' beads are small and many: their shine frames the lit one in a
// solid gold band this wide before its glow, so it stands out from the
// portals' green rims.
constexpr double kWingsShineBand = 2.5;

// --- Telektonon (sign 373 at (0, 0)) ---------------------------------------
constexpr QSize kTelektononBoard(670, 550);
inline int cellLeft(int c) { return roundEven(133 + 33.5 * c); }
inline int cellTop(int r) { return roundEven(133 + 33.5 * r); }
// A cell spans to the next cell's start (33 or 34 pixels).
inline QRect boardCell(int c, int r) { return QRect(QPoint(cellLeft(c), cellTop(r)), QPoint(cellLeft(c + 1) - 1, cellTop(r + 1) - 1)); }
constexpr QSize kPiece(33, 33);
constexpr QSize kStar(20, 20);
// Dials: star top-lefts run round these points; the dial centres are half a
// star further right and down.
constexpr QPoint kSealDialStars(71, 103);
constexpr QPoint kDayDialStars(71, 416);
constexpr int kOuterRing = 52, kInnerRing = 30;
inline QPointF degreesOnScreen(double a, double r) {
    const double rad = -a * M_PI / 180.0;
    return {std::cos(rad) * r, std::sin(rad) * r};
}
inline QPoint sealStar(int s) {
    const QPointF d = degreesOnScreen(18 * s + 99, kOuterRing);
    return {roundEven(d.x()) + 71, roundEven(d.y()) + 103};
}
inline QPoint dayStar(int d) {
    const QPointF v = degreesOnScreen(roundEven(d * 12.85714 + 83), kOuterRing);
    return {roundEven(v.x()) + 71, roundEven(v.y()) + 416};
}
// Tone (upper dial, base 89) or moon (lower dial, base 90) star, 1..13.
inline QPoint innerStar(int n, int base, QPoint origin) {
    if (n >= 11) return {origin.x(), origin.y() + (n - 12) * 13};
    const QPointF v = degreesOnScreen(36 * n + base, kInnerRing);
    return {origin.x() + roundEven(v.x()), origin.y() + roundEven(v.y())};
}
// Pyramid column cell of a seal: seal 20 and 1..9 down column 2 from row -1,
// seals 10..19 up column 7 from row 8.
inline QPoint pyramidCell(int seal) {
    const int b = seal == 20 ? 0 : seal;
    return b < 10 ? QPoint(2, b - 1) : QPoint(7, 18 - b);
}
// Seal block cell of a seal.
inline QPoint sealCell(int s) { return s == 20 ? QPoint(8, 2) : QPoint(s % 5 + 8, s / 5 + 2); }

// The hint box of the telektonon: 160 x 80 at (505, 455).
constexpr QRect kHintBox(505, 455, 161, 81);

}  // namespace kl::picgen::geo
