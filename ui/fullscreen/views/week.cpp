// The week view (mode 11): the seven days of the current 7-day week as
// seven columns in a frame of the week's colour, with the week's six-line
// figure growing across the columns, the whole figure and its number beside
// them, and a shine on the current day's column.
#include "data/errorlog.h"
#include "data/textdb.h"
#include "layout/baselines.h"
#include "layout/calendarviews.h"
#include "ui/fullscreen/views/daytools.h"
#include "ui/fullscreen/views/pagedays.h"
#include "ui/fullscreen/views/shine.h"
#include "ui/fullscreen/views/views.h"

namespace kl::views {

namespace {

using namespace layout;
using namespace layout::week;

constexpr int kDays = 7;
constexpr int kFigureLines = 6;

// The frame of week w: top, right, left and bottom lines in the colour that
// w mod 4 picks (the top line first, the sides share one picture).
void frame(ViewCanvas& c, int w) {
    const int q = w % 4;
    const int top = code::kWeekLines + 3 * q, bottom = top + 1, side = top + 2;
    c.drawsign(kLineTop.x, kLineTop.y, top, false);
    c.drawsign(kLineRight.x, kLineRight.y, side, false);
    c.drawsign(kLineLeft.x, kLineLeft.y, side, false);
    c.drawsign(kLineBottom.x, kLineBottom.y, bottom, false);
    c.drawtxt(kCaption.x, kCaption.y, L(base::kWeekWord) + " " + std::to_string(w), 7, true);
}

void drawWeek(ViewContext& v) {
    ViewCanvas& c = v.canvas;
    // The day before the week's first day.
    PageDate d = PageDate::from(pageAnchor(v.date)).moved(-((v.day.monthDay - 1) % kDays) - 1);
    std::optional<Figure> figure;
    Point shineAt{0, 0};
    bool shineFound = false;
    for (int i = 1; i <= kDays; ++i) {
        d.forward();
        const CalendarDay D = pageDayValues(d);
        const int x = kPitchX * i;
        if (i == 1) {
            figure = izinfigure(D.yearSign, D.yearTone, D.weekNumber);
            frame(c, D.weekNumber);
        }
        if (i <= kFigureLines && figure && d.year > kLastYearWithoutFigures)
            drawizin(c, *figure, x + kFigureDX, i, kFigureTop);
        if (D.kin == 78) c.drawsign(x + kMarker.x, kMarker.y, code::kKin78, false);
        if (pvsign(static_cast<std::uint8_t>(D.kin & 0xFF))) c.drawsign(x + kMarker.x, kMarker.y, code::kSpecialKin, false);
        if (D.vinalTone != 0) {
            c.drawsign(x + kVinal40.x, kVinal40.y, code::kVinal40 + D.vinal, false);
            c.drawsign(x + kVinalCount.x, kVinalCount.y, code::kVinalCount + D.vinalTone, false);
        } else {
            c.drawsign(x + kVinal50.x, kVinal50.y, code::kVinal50 + D.vinal, false);
        }
        c.drawsign(x + kRune.x, kRune.y, code::kRune + D.monthDay, false);
        c.drawsign(x + kMoonDaySign.x, kMoonDaySign.y, code::kMoonDaySign + D.monthDay, false);
        c.drawsign(x + kPlasma.x, kPlasma.y, code::kPlasma35 + D.plasma, false);
        c.drawsign(x + kFrame.x, kFrame.y, code::kWeekFrame + D.cromatic, false);
        c.drawsign(x + kSeal.x, kSeal.y, code::kSeal35 + D.sign, false);
        c.drawsign(x + kTone35.x, kTone35.y, code::kTone35 + D.tone, false);
        c.drawtxt(x + kDayNumber.x, kDayNumber.y, std::to_string(D.monthDay), 2, true);
        if (v.settings._IconDate) cellDate(c, d, v.settings._DateFormat, x + kDate.x, kDate.y);
        if (i == (v.day.monthDay - 1) % kDays + 1) {
            shineAt = {x + kShine.x, kShine.y};
            shineFound = true;
        }
    }
    // The last day decides, as a week of 1996's end still shows no figure.
    if (figure && d.year > kLastYearWithoutFigures) {
        c.drawsign(kWholeFigure.x, kWholeFigure.y, code::kFigure + figure->number, false);
        c.drawtxt(kFigureNumber.x, kFigureNumber.y, zinnumber(*figure), 2, true);
    }
    if (shineFound) shine(v, shineAt.x, shineAt.y, kShineType);
}

}  // namespace

void week(ViewContext& v, int) {
    try {
        if (isJuly25(v.date)) dootPage(v.canvas, v.day);
        else drawWeek(v);
    } catch (...) {
        reportFailure(106, "drawweek (draw13) in fullmode");
    }
}

}  // namespace kl::views
