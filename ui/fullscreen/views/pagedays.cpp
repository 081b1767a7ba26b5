#include "ui/fullscreen/views/pagedays.h"

#include "data/textdb.h"
#include "layout/baselines.h"
#include "layout/calendarviews.h"
#include "ui/fullscreen/views/daytools.h"

namespace kl::views {

namespace {

// The values repeat after this many years (18,980 walked days, 73 x 260).
constexpr std::int64_t kRepeatYears = 52;

}  // namespace

GregorianDate pageAnchor(const GregorianDate& date) {
    GregorianDate d = date;
    if (d.month == 2 && d.day == 29) d.day = 28;
    return d;
}

void PageDate::forward() {
    if (++day > daysInMonth(month)) {
        day = 1;
        if (++month > 12) {
            month = 1;
            ++year;
        }
    }
}

void PageDate::backward() {
    if (--day == 0) {
        month = month == 1 ? 12 : month - 1;
        day = daysInMonth(month);
        if (month == 12) --year;
    }
}

PageDate PageDate::moved(int n) const {
    PageDate d = *this;
    for (; n > 0; --n) d.forward();
    for (; n < 0; ++n) d.backward();
    return d;
}

CalendarDay pageDayValues(const PageDate& d) {
    std::int64_t year = d.year;
    if (year > kLastYear) year -= ((year - kLastYear - 1) / kRepeatYears + 1) * kRepeatYears;
    if (year < kFirstYear) year += ((kFirstYear - year - 1) / kRepeatYears + 1) * kRepeatYears;
    return computeCalendarDay(GregorianDate{d.day, d.month, 0, static_cast<std::int32_t>(year)});
}

std::string pageDateText(const PageDate& d, int format) { return gregtostr(d.day, d.month, d.year, format); }

void cellDate(ViewCanvas& canvas, const PageDate& d, int format, int x, int shortY, const layout::DateStyle& style) {
    const std::string text = pageDateText(d, format);
    if (text.empty()) return;
    if (format == 0 || format == 1) canvas.drawtxt(x, shortY + style.longDrop, text, style.longPreset, true);
    else canvas.drawtxt(x, shortY, text, style.shortPreset, true);
}

void dootPage(ViewCanvas& c, const CalendarDay& day) {
    using namespace layout;
    c.drawsign(doot::kDot.x, doot::kDot.y, code::kDootDot, true);
    c.drawsign(doot::kSeal.x, doot::kSeal.y, code::kSeal35 + day.sign, true);
    c.drawsign(doot::kTone.x, doot::kTone.y, code::kTone35 + day.tone, true);
    c.drawtxt(doot::kDayText.x, doot::kDayText.y, L(base::kDootDay), 2, true);
    c.drawtxt(doot::kOutOfTimeText.x, doot::kOutOfTimeText.y, L(base::kDootOutOfTime), 2, true);
}

}  // namespace kl::views
