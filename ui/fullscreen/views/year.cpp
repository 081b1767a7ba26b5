// The year (mode 9): the grid of the 13-moon year, its bearer and day out of
// time, the current day's icon with a shine on its cell and a pulse line
// from the cell to the icon, and the header naming the year by its bearer.
#include "core/kin.h"
#include "data/errorlog.h"
#include "data/textdb.h"
#include "layout/baselines.h"
#include "platform/system.h"
#include "ui/fullscreen/fullstate.h"
#include "ui/fullscreen/renderstate.h"
#include "ui/fullscreen/views/daytools.h"
#include "ui/fullscreen/views/pulsars.h"
#include "ui/fullscreen/views/shine.h"
#include "ui/fullscreen/views/views.h"
#include "ui/fullscreen/views/yeargrid.h"

namespace kl {

std::uint8_t DOTS = 0, DOTT = 0, DOTC = 0;

namespace {
const ReportSection reportSection("year view", [](WindowReportState& s) {
    s.DOTS = DOTS;
    s.DOTT = DOTT;
    s.DOTC = DOTC;
});
}  // namespace

}  // namespace kl

namespace kl::views {

namespace {

using namespace layout;
using namespace layout::year;

constexpr int kMoons = 13, kWeeksPerMoon = 4, kDaysPerWeek = 7;
constexpr int kDaysBeforeOutOfTime = kMoons * kWeeksPerMoon * kDaysPerWeek;  // 364

// The year's bearer and the day out of time that ends it.
struct YearOnShow {
    PageDate start;
    CalendarDay first;  // values of 26 July
    CalendarDay doot;   // values of the next 25 July
};

YearOnShow yearOf(const GregorianDate& date) {
    YearOnShow y;
    y.start = yearStart(date);
    y.first = pageDayValues(y.start);
    y.doot = pageDayValues(y.start.moved(kDaysBeforeOutOfTime));
    return y;
}

// Leaves the sign renderer drawing into the view however the grid ends.
struct ScratchOff {
    ~ScratchOff() { USEPB2 = false; }
};

// Draws the grid into the scratch picture and shows it; returns the current
// day's cell as the grid finds it: the kin's first place in the year for a
// day of the first 24 weeks, its last place otherwise.
Point drawGrid(ViewContext& v, const YearOnShow& y, bool outOfTime) {
    ViewCanvas& c = v.canvas;
    const CalendarDay& C = v.day;
    ScratchOff off;
    // A sign that fails reports and the grid goes on with a gap: such a
    // grid is shown this once but never held.
    const long failuresBefore = platform::messagesShown();
    if (c.beginScratch()) {
        // The scratch no longer holds the grid it held.
        pb2ys = 0;
        pb2yt = 0;
    }
    if (outOfTime) c.drawsign(kGridDot.x, kGridDot.y, code::kDootDot, false);
    Point cell{0, 0};
    bool fixed = false;
    PageDate r = y.start;
    CalendarDay O = y.first;
    for (int moon = 1; moon <= kMoons; ++moon) {
        const Point block = yearBlock(moon);
        for (int w = 0; w < kWeeksPerMoon; ++w) {
            for (int j = 0; j < kDaysPerWeek; ++j) {
                const Point p = yearCell(block, w, j);
                c.drawsign(p.x + kCellFrame.x, p.y + kCellFrame.y, code::kYearFrame + O.cromatic, false);
                c.drawsign(p.x, p.y, code::kYearSeal + O.sign, false);
                c.drawsign(p.x + kCellTone.x, p.y + kCellTone.y, code::kYearTone + O.tone + 13 * O.cromatic, false);
                if (!fixed && O.sign == C.sign && O.tone == C.tone) {
                    cell = p;
                    fixed = C.weekNumber < kSecondHalfWeek;
                }
                r.forward();
                O = pageDayValues(r);
            }
        }
    }
    // Held only when drawn to the end on a picture without a failure, and
    // never the grid of 25 July, which carries the day out of time's dot.
    const bool whole = platform::messagesShown() == failuresBefore;
    if (c.endScratch() && whole && !outOfTime) {
        pb2ys = y.first.yearSign;
        pb2yt = y.first.yearTone;
    }
    return cell;
}

void dayIcon(ViewContext& v) {
    ViewCanvas& c = v.canvas;
    const CalendarDay& C = v.day;
    c.drawsign(kIconSeal.x, kIconSeal.y, code::kSeal35 + C.sign, false);
    if (C.kin == 78) c.drawsign(kIconMarker.x, kIconMarker.y, code::kKin78, false);
    if (pvsign(static_cast<std::uint8_t>(C.kin & 0xFF))) c.drawsign(kIconMarker.x, kIconMarker.y, code::kSpecialKin, false);
    c.drawsign(kIconTone.x, kIconTone.y, code::kTone35 + C.tone, false);
    if (v.settings._IconDate) cellDate(c, PageDate::from(v.date), v.settings._DateFormat, kIconDate.x, kIconDate.y);
    c.drawsign(kIconFrame.x, kIconFrame.y, code::kFrame + C.cromatic, false);
    c.drawtxt(kIconDayNumber.x, kIconDayNumber.y, std::to_string(C.monthDay), 2, true);
}

// Returns the bearer of the year drawn (the year that 26 July begins; on a
// 25 July reached backward the day's own record names the next year).
CalendarDay drawYear(ViewContext& v) {
    ViewCanvas& c = v.canvas;
    const CalendarDay& C = v.day;
    const bool outOfTime = isJuly25(v.date);
    const YearOnShow y = yearOf(v.date);
    try {
        DOTS = y.doot.sign;
        DOTT = y.doot.tone;
        DOTC = y.doot.cromatic;
        Point cell{0, 0};
        if (pb2ys == y.first.yearSign && pb2yt == y.first.yearTone && c.showScratch()) {
            if (outOfTime) c.drawsign(kGridDot.x, kGridDot.y, code::kDootDot, false);
            if (!outOfTime) cell = yearCellOf(C);
        } else {
            cell = drawGrid(v, y, outOfTime);
        }
        c.drawsign(kBearerSeal.x, kBearerSeal.y, code::kSeal35 + y.first.yearSign, false);
        c.drawsign(kBearerTone.x, kBearerTone.y, code::kTone35 + y.first.yearTone, false);
        if (outOfTime) {
            c.drawsign(kDootSeal.x, kDootSeal.y, code::kSeal35 + DOTS, false);
            c.drawsign(kDootTone.x, kDootTone.y, code::kTone35 + DOTT, false);
            c.drawtxt(kDootDayText.x, kDootDayText.y, L(base::kDootDay), 2, true);
            c.drawtxt(kDootOutOfTimeText.x, kDootOutOfTimeText.y, L(base::kDootOutOfTime), 2, true);
            return y.first;
        }
        if (v.settings._Yfigure) dayIcon(v);
        c.drawsign(kDot.x, kDot.y, code::kDot, false);
        c.drawsign(kDootFrame.x, kDootFrame.y, code::kYearFrame + DOTC, false);
        c.drawsign(kDootCellSeal.x, kDootCellSeal.y, code::kYearSeal + DOTS, false);
        c.drawsign(kDootCellTone.x, kDootCellTone.y, code::kYearTone + DOTT + 13 * DOTC, false);
        c.drawtxt(kDootCaptionDay.x, kDootCaptionDay.y, L(base::kDootDay), 6, true);
        c.drawtxt(kDootCaptionOutOfTime.x, kDootCaptionOutOfTime.y, L(base::kDootOutOfTime), 6, true);
        if (C.month >= 1 && C.month <= kMoons) {
            const Point end = kLineEnd[C.month];
            if (v.settings._Yshine) shine(v, cell.x + kShine.x, cell.y + kShine.y, kShineType);
            if (v.settings._Yline) pulsar(c, -cell.x, -cell.y, kLinePicture, -end.y, -end.x);
        }
    } catch (...) {
        reportFailure(106, "year in fullmode");
    }
    return y.first;
}

}  // namespace

PageDate yearStart(const GregorianDate& date) {
    const bool beforeNewYear = date.month < 7 || (date.month == 7 && date.day < 26);
    return PageDate{26, 7, static_cast<std::int64_t>(date.year) - (beforeNewYear ? 1 : 0)};
}

Point yearBlock(int moon) {
    // Block steps from (0, 0): down for moons 1..5, right for 6..9, up for
    // 10..12, left for 13.
    int column = 0, row = 0;
    for (int i = 0; i < moon; ++i) {
        if (i < 5) ++row;
        else if (i <= 8) ++column;
        else if (i <= 11) --row;
        else --column;
    }
    return {column, row};
}

Point yearCell(Point block, int w, int j) {
    return {kBlockPitchX * block.x + kCellPitchX * j + kCellX, kBlockPitchY * block.y + kCellPitchY * w + kCellY};
}

Point yearCellOf(const CalendarDay& day) {
    const int f = day.weekNumber - 4 * day.month + 3;  // week within the moon, [0, 3]
    return yearCell(yearBlock(day.month), f, day.monthDay - 7 * f - 1);
}

void year(ViewContext& v, int) {
    using namespace layout::base;
    const CalendarDay bearerYear = drawYear(v);
    // The year is named like a kin: its bearer's colour, tone and seal.
    CalendarDay bearer;
    bearer.sign = bearerYear.yearSign;
    bearer.tone = bearerYear.yearTone;
    const KinRelations r = computeKinRelations(bearer);
    ViewCanvas& c = v.canvas;
    c.drawtxt(layout::year::kTitle.x, layout::year::kTitle.y, L(kThirteenMoons), 3, true);
    c.drawtxt(layout::year::kYearCaption.x, layout::year::kYearCaption.y, L(kYearWord), 3, true);
    c.drawtxt(layout::year::kBearerName.x, layout::year::kBearerName.y,
              colourWord(r) + " " + toneWord(r, bearer.tone) + " " + L(kSealGenitive + bearer.sign), 5, true);
}

}  // namespace kl::views
