// The moon-month view (mode 7): the 28 days of the current 13-moon month in
// four rows of seven cells under the moon's tone, name and totem, with a
// shine in the colour of the current day's chromatic on its cell.
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
using namespace layout::moon;

constexpr int kRows = 4, kColumns = 7;

// The rune of a moon of 2000..2004 counts from a base that the year bearer
// gives; other bearers have none.
std::optional<int> yearRuneBase(int yearSign, int yearTone) {
    if (yearSign == 19 && yearTone == 8) return 0;
    if (yearSign == 4 && yearTone == 9) return 7;
    if (yearSign == 9 && yearTone == 10) return 14;
    if (yearSign == 14 && yearTone == 11) return 21;
    return std::nullopt;
}

void header(ViewContext& v) {
    ViewCanvas& c = v.canvas;
    const int month = v.day.month;
    c.drawsign(kTone.x, kTone.y, code::kLargeTone + month, false);
    c.drawtxt(kName.x, kName.y, moonName(month), 8, true);
    c.drawtxt(kAction.x, kAction.y, L(base::kToneCaption) + " " + L(base::kToneAction + month), 8, true);
    c.drawtxt(kTotemCaption.x, kTotemCaption.y, L(base::kMoonTotemCaption), 6, true);
    c.drawtxt(kTotem.x, kTotem.y, L(base::kMoonTotem + month), 8, true);
}

void drawMonth(ViewContext& v) {
    ViewCanvas& c = v.canvas;
    header(v);
    // The day before the moon's first day.
    PageDate d = PageDate::from(pageAnchor(v.date)).moved(-v.day.monthDay);
    if (d.year >= kRuneYearFirst && d.year <= kRuneYearLast) {
        if (const auto b = yearRuneBase(v.day.yearSign, v.day.yearTone)) {
            const int k = v.day.month <= 7 ? v.day.month : 14 - v.day.month;
            c.drawsign(kYearRune.x, kYearRune.y, code::kRune + *b + k, false);
        }
    }
    Point shineAt{0, 0};
    int shineCromatic = 0;
    for (int i = 1; i <= kRows; ++i) {
        for (int j = 1; j <= kColumns; ++j) {
            d.forward();
            const CalendarDay D = pageDayValues(d);
            const int x = kPitchX * j, y = kPitchY * i;
            if (i == 1) c.drawsign(x + kPlasmaDX, kPlasmaY, code::kPlasma35 + D.plasma, false);
            c.drawsign(x + kFrame.x, y + kFrame.y, code::kFrame + D.cromatic, false);
            if (j == 1) c.drawtxt(kWeekNumberX, y + kWeekNumberDY, std::to_string(D.weekNumber), 7, false);
            if (D.kin == 78) c.drawsign(x + kMarker.x, y + kMarker.y, code::kKin78, false);
            if (pvsign(static_cast<std::uint8_t>(D.kin & 0xFF)))
                c.drawsign(x + kMarker.x, y + kMarker.y, code::kSpecialKin, false);
            c.drawsign(x + kSeal.x, y + kSeal.y, code::kSeal35 + D.sign, false);
            c.drawsign(x + kTone35.x, y + kTone35.y, code::kTone35 + D.tone, false);
            c.drawtxt(x + kDayNumber.x, y + kDayNumber.y, std::to_string(D.monthDay), 2, true);
            if (v.settings._IconDate) cellDate(c, d, v.settings._DateFormat, x + kDate.x, y + kDate.y);
            if (j + kColumns * i == v.day.monthDay + kColumns) {
                shineAt = {x + kShine.x, y + kShine.y};
                shineCromatic = D.cromatic;
            }
        }
    }
    if (shineCromatic >= 1 && shineCromatic <= 4) shine(v, shineAt.x, shineAt.y, kShineOfCromatic[shineCromatic]);
}

}  // namespace

void moonMonth(ViewContext& v, int) {
    try {
        if (isJuly25(v.date)) dootPage(v.canvas, v.day);
        else drawMonth(v);
    } catch (...) {
        reportFailure(106, "draw13 in fullmode");
    }
}

}  // namespace kl::views
