// The 13-moon year as a printed calendar: the year view as its cover, the
// thirteen moon-month pages and the day out of time's page, each the view's
// own export run through the print interpreter onto a sheet of its own.
// The command line writes it as a PDF; the print manager sends it to the
// printer the print dialog chose.
#pragma once

#include <array>
#include <cstdint>
#include <functional>

#include "core/calendar.h"
#include "print/interpreter.h"
#include "print/paper.h"
#include "print/printstate.h"

namespace kl::print {
class SheetRun;
}

namespace kl {

inline constexpr int kCalendarPages = 15;  // cover, 13 moons, the day out of time
// The year starts on 26 July of YEAR and ends on 25 July of YEAR + 1, which
// must still be a year the calendar counts.
inline constexpr std::int32_t kCalendarFirstYear = 1, kCalendarLastYear = 2147483646;

inline bool validCalendarYear(std::int64_t year) { return year >= kCalendarFirstYear && year <= kCalendarLastYear; }

// The year of the 13-moon year `date` falls in: YEAR from 26 July YEAR to
// 25 July YEAR + 1 (which may be no valid calendar year at the ends of the
// range).
std::int64_t calendarYearOf(const GregorianDate& date);

struct CalendarPage {
    int mode = 0;        // the full-screen view exported for the page
    GregorianDate date;  // the day on show while it is exported
};

// The pages of the year that starts on 26 July of `year` (a valid calendar
// year): the year view on 26 July, the moon-month view on the first day of
// each moon (26 July + 28 (m - 1) days), and the moon-month view on the
// 25 July after, which shows the day out of time.
std::array<CalendarPage, kCalendarPages> calendarPages(std::int32_t year);

// Prints the calendar of `year` on `run`, one page a sheet in order: each
// page exported as its button exports it (signs as glyphs while
// _TEXTGRAPHIC is set), turned as `orientation` says for its shape, fitted
// with `look`'s margin and drawn sharp from its script on `look`'s
// background, grey when `look` is in black and white. `onPage` hears each
// page number 1..15 before it is drawn. The date on show and its values are
// as they were afterwards. A sheet that cannot be started ends the run
// (result.refused); a page's failures are collected and the run goes on.
print::RunResult printCalendar(print::SheetRun& run, std::int32_t year, const print::PrintState& look,
                               print::Orientation orientation, const std::function<void(int page)>& onPage = {});

}  // namespace kl
