// The printed calendar: which days its pages show, that it leaves the day
// on show alone, and the command line's calendar: a PDF of fifteen pages.
#include <gtest/gtest.h>

#include <QRegularExpression>

#include <algorithm>
#include <filesystem>

#include "cli/calendar.h"
#include "cli/views.h"
#include "core/state.h"
#include "data/errorlog.h"
#include "fullscreen/clifixture.h"
#include "print/sheets.h"
#include "ui/fullscreen/yearcalendar.h"

namespace kl::test {
namespace {

using YearCalendar = ViewTest;

GregorianDate date(int year, int month, int day) {
    return {static_cast<std::uint8_t>(day), static_cast<std::uint8_t>(month), 0, year};
}

// The moons start on the same dates in every year, a leap year included:
// 29 February is not one of the count's days.
TEST_F(YearCalendar, PagesShowTheYearEachMoonsFirstDayAndTheDayOutOfTime) {
    for (const int year : {2026, 2027}) {
        const auto pages = calendarPages(year);
        EXPECT_EQ(pages[0].mode, 9);
        EXPECT_EQ(pages[0].date, date(year, 7, 26));
        for (int m = 1; m <= 13; ++m) {
            EXPECT_EQ(pages[m].mode, 7);
            const CalendarDay d = computeCalendarDay(pages[m].date);
            EXPECT_EQ(d.month, m) << year << " moon " << m;
            EXPECT_EQ(d.monthDay, 1) << year << " moon " << m;
        }
        EXPECT_EQ(pages[7].date, date(year + 1, 1, 10));
        EXPECT_EQ(pages[8].date, date(year + 1, 2, 7));
        EXPECT_EQ(pages[13].date, date(year + 1, 6, 27));
        EXPECT_EQ(pages[14].mode, 7);
        EXPECT_EQ(pages[14].date, date(year + 1, 7, 25));
    }
}

TEST_F(YearCalendar, PrintsFifteenSheetsAndKeepsTheDayOnShow) {
    writeAllSigns();
    setDate(2026, 12, 8);
    print::PdfFile file("test");
    print::SheetRun run(file.device(), print::Paper::A4);
    std::vector<int> heard;
    const print::RunResult r = printCalendar(run, 2026, print::PrintState{}, print::Orientation::Auto,
                                             [&](int page) { heard.push_back(page); });
    EXPECT_TRUE(r.clean()) << r.refusal;
    EXPECT_EQ(run.sheets(), 15);
    ASSERT_EQ(heard.size(), 15u);
    EXPECT_EQ(heard.front(), 1);
    EXPECT_EQ(heard.back(), 15);
    EXPECT_TRUE(run.finish());
    EXPECT_EQ(currentDate, date(2026, 12, 8));
    EXPECT_EQ(currentDay.kin, computeCalendarDay(date(2026, 12, 8)).kin);
    EXPECT_EQ(reports(), 0);
}

class CliCalendar : public CliViewTest {
protected:
    std::string err;
};

TEST_F(CliCalendar, WritesOnePdfOfFifteenPages) {
    writeAllSigns();
    const std::string pdf = path("year.pdf");
    ASSERT_EQ(cli::runCalendar({"2026", pdf, "--paper", "A5", "--glyphs"}, err), 0) << err;
    EXPECT_EQ(err, "");
    const std::string bytes = readFile("year.pdf");
    ASSERT_EQ(bytes.rfind("%PDF-", 0), 0u);
    const QString text = QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
    EXPECT_EQ(text.count(QRegularExpression("/Type /Page[^s]")), 15);
}

TEST_F(CliCalendar, RefusesWhatIsNoCalendar) {
    const std::string pdf = path("year.pdf");
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {},
             {"2026"},
             {"0", pdf},
             {"2147483647", pdf},
             {"20x6", pdf},
             {"2026", path("year.png")},
             {"2026", pdf, "--paper", "B5"},
             {"2026", pdf, "--margin", "46"},
             {"2026", pdf, "--size", "10x10"}}) {
        err.clear();
        EXPECT_EQ(cli::runCalendar(args, err), 2) << (args.empty() ? "" : args[0]);
        EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
    }
    EXPECT_FALSE(std::filesystem::exists(pdf));
}

}  // namespace
}  // namespace kl::test
