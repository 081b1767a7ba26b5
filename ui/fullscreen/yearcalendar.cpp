#include "ui/fullscreen/yearcalendar.h"

#include "core/state.h"
#include "print/sheets.h"
#include "ui/fullscreen/viewexport.h"

namespace kl {

namespace {

constexpr int kMoonMonthMode = 7;  // on 25 July it draws the day out of time
constexpr int kYearMode = 9;
constexpr int kMoons = 13;
constexpr int kDaysPerMoon = 28;

// Puts the date on show back however the run ends.
class DateOnShow {
public:
    DateOnShow() : date_(currentDate), day_(currentDay) {}
    ~DateOnShow() {
        currentDate = date_;
        currentDay = day_;
    }
    DateOnShow(const DateOnShow&) = delete;
    DateOnShow& operator=(const DateOnShow&) = delete;

    static void show(const GregorianDate& date) {
        currentDate = date;
        currentDay = computeCalendarDay(date);
    }

private:
    GregorianDate date_;
    CalendarDay day_;
};

}  // namespace

std::int64_t calendarYearOf(const GregorianDate& date) {
    const bool started = date.month > 7 || (date.month == 7 && date.day >= 26);
    return started ? std::int64_t{date.year} : std::int64_t{date.year} - 1;
}

std::array<CalendarPage, kCalendarPages> calendarPages(std::int32_t year) {
    std::array<CalendarPage, kCalendarPages> pages;
    const GregorianDate start{26, 7, 0, year};
    pages[0] = {kYearMode, start};
    // The program's own steps: February has 28 days, so every moon starts
    // on the same date in every year, as the count wants.
    for (int m = 1; m <= kMoons; ++m)
        pages[static_cast<std::size_t>(m)] = {kMoonMonthMode, stepDate(start, (m - 1) * kDaysPerMoon)};
    pages[kCalendarPages - 1] = {kMoonMonthMode, GregorianDate{25, 7, 0, year + 1}};
    return pages;
}

print::RunResult printCalendar(print::SheetRun& run, std::int32_t year, const print::PrintState& look,
                               print::Orientation orientation, const std::function<void(int page)>& onPage) {
    print::RunResult result;
    if (!validCalendarYear(year)) {
        result.refused = true;
        result.refusal = "no 13-moon year starts on 26 July " + std::to_string(year);
        return result;
    }
    const DateOnShow restore;
    int number = 0;
    for (const CalendarPage& p : calendarPages(year)) {
        ++number;
        if (onPage) onPage(number);
        DateOnShow::show(p.date);
        print::PrintState page;
        page.margin = look.margin;
        page.monoMode = look.monoMode;
        page.background = look.background;
        page.editorFontHeight = look.editorFontHeight;
        exportView(p.mode, page.script);
        print::setPrintDay(page, currentDay);
        print::RunResult r = print::printPage(run, page, orientation);
        const bool stop = r.refused;
        result.append(std::move(r));
        if (stop) break;
    }
    return result;
}

}  // namespace kl
