// The days of a calendar page: where a page of the current day starts, and
// a walk through the days after it that holds years past the program's
// range, so the pages of the last days of year 2147483647 and of the first
// days of year 1 draw without overflow.
#pragma once

#include <cstdint>
#include <string>

#include "core/calendar.h"
#include "layout/calendarviews.h"
#include "ui/fullscreen/viewcanvas.h"

namespace kl::views {

// The date a page of `date` counts from: 29 February carries the values of
// 28 February, so the moon, week and wavespell pages step from 28 February
// and find the same cells as on that day. Any other date is itself.
GregorianDate pageAnchor(const GregorianDate& date);

// 25 July, the day out of time, whatever the year.
inline bool isJuly25(const GregorianDate& d) { return d.day == 25 && d.month == 7; }

// A date with a wide year, for the days a page shows beyond year 2147483647
// or before year 1.
struct PageDate {
    std::uint8_t day = 1;    // [1, 31]
    std::uint8_t month = 1;  // [1, 12]
    std::int64_t year = 1;

    static PageDate from(const GregorianDate& d) { return {d.day, d.month, d.year}; }
    // One day later or earlier, as stepDate steps (28-day February).
    void forward();
    void backward();
    // Moved by n days, |n| up to a few years.
    PageDate moved(int n) const;
    bool isJuly25() const { return day == 25 && month == 7; }
};

// The accepted years.
inline constexpr std::int64_t kFirstYear = 1, kLastYear = 2'147'483'647;

// The calendar values of a page's day. A day outside years 1..2147483647
// takes the values of the same day 52 years nearer: 52 walked years are
// 18,980 days, 73 times 260, so kin, seal, tone, chromatic, bearer and the
// 13-moon date repeat exactly (only the moon phase would differ, and no
// cell shows it).
CalendarDay pageDayValues(const PageDate& d);

// The date in one of gregtostr's formats, with its wide year.
std::string pageDateText(const PageDate& d, int format);

// The Gregorian date under a view's cell or icon, centred on `x`: the short
// formats at `shortY`, the long ones (0 and 1) `style.longDrop` lower, each
// in its preset. An empty text (no format) draws nothing.
void cellDate(ViewCanvas& canvas, const PageDate& d, int format, int x, int shortY,
              const layout::DateStyle& style = layout::kCellDate);

// The day-out-of-time page of the moon and week views: the dot, the day's
// seal and tone, and its two lines.
void dootPage(ViewCanvas& canvas, const CalendarDay& day);

}  // namespace kl::views
