#include <gtest/gtest.h>
#include <vector>
#include <cstdlib>
#include <climits>

#include "core/calendar.h"

namespace kl {
namespace {

GregorianDate date(int d, int m, int y) {
    return GregorianDate{static_cast<std::uint8_t>(d), static_cast<std::uint8_t>(m), 0, y};
}

// Expected values of one date; -1 leaves a field unchecked.
struct Expected {
    GregorianDate date;
    int kin, yearSign, yearTone, cromatic, vinal, vinalTone, weekNumber, sign, tone, plasma,
        monthDay, month;
    long long moonPhase;
};

void expectDay(const Expected& e) {
    const CalendarDay d = computeCalendarDay(e.date);
    SCOPED_TRACE(testing::Message() << int(e.date.day) << "." << int(e.date.month) << "." << e.date.year);
    const std::pair<long long, long long> checks[] = {
        {e.kin, d.kin},           {e.yearSign, d.yearSign},   {e.yearTone, d.yearTone},
        {e.cromatic, d.cromatic}, {e.vinal, d.vinal},         {e.vinalTone, d.vinalTone},
        {e.weekNumber, d.weekNumber}, {e.sign, d.sign},       {e.tone, d.tone},
        {e.plasma, d.plasma},     {e.monthDay, d.monthDay},   {e.month, d.month},
        {e.moonPhase, d.moonPhase}};
    const char* names[] = {"kin", "yearSign", "yearTone", "cromatic", "vinal", "vinalTone",
                           "weekNumber", "sign", "tone", "plasma", "monthDay", "month", "moonPhase"};
    for (int i = 0; i < 13; ++i) {
        if (checks[i].first >= 0) {
            EXPECT_EQ(checks[i].second, checks[i].first) << names[i];
        }
    }
    EXPECT_EQ(d, walkCalendarDay(e.date));
}

constexpr int _ = -1;

TEST(DayEngine, KnownDays) {
    const Expected table[] = {
        // date              kin  ys  yt cr vi  vt  wk  sg  tn  pl  md  mo  phase
        {date(21, 8, 2001), 230, 4,  9,  1, 2,  6,  4,  10, 9,  6,  27, 1,  67'796'610},
        {date(22, 8, 2001), 231, _,  _,  _, _,  _,  _,  _,  _,  7,  28, _,  101'694'915},
        {date(19, 8, 2001), _,   _,  _,  _, _,  _,  _,  _,  _,  _,  _,  _,  0},
        {date(24, 7, 2001), 202, 19, 8,  _, _,  _,  52, _,  _,  7,  28, 13, _},
        {date(25, 7, 2001), 203, 4,  9,  _, 19, 4,  1,  _,  _,  1,  0,  0,  _},
        {date(26, 7, 2001), 204, _,  _,  4, 1,  0,  1,  _,  _,  1,  1,  1,  _},
        {date(25, 7, 2002), 48,  4,  9,  _, 19, 4,  53, _,  _,  7,  29, 0,  _},
        {date(26, 7, 2002), 49,  9,  10, 1, _,  _,  _,  _,  _,  1,  1,  1,  _},
        {date(1, 1, 2001),  258, 19, 8,  2, 8,  19, 23, 18, 11, 6,  20, 6,  _},
        {date(31, 12, 2000), 257, _, _,  _, 8,  18, _,  _,  _,  _,  _,  _,  _},
        {date(26, 7, 1987), 34,  14, 8,  _, 1,  0,  _,  _,  _,  _,  1,  1,  _},
        {date(25, 7, 1987), 33,  _,  _,  _, _,  _,  1,  _,  _,  _,  0,  0,  _},
        {date(10, 6, 2002), 3,   _,  _,  _, _,  _,  46, _,  _,  5,  12, 12, 999'999'975},
    };
    for (const Expected& e : table) expectDay(e);
}

TEST(DayEngine, TwentyNinthOfFebruaryReadsAsTwentyEighth) {
    EXPECT_EQ(computeCalendarDay(date(28, 2, 2004)).kin, 111);
    EXPECT_EQ(computeCalendarDay(date(29, 2, 2004)), computeCalendarDay(date(28, 2, 2004)));
    EXPECT_EQ(computeCalendarDay(date(1, 3, 2004)).kin, 112);
    EXPECT_EQ(computeCalendarDay(date(29, 2, 2001)), computeCalendarDay(date(28, 2, 2001)));
    const CalendarDay d = computeCalendarDay(date(29, 2, 2004));
    EXPECT_EQ(d.month, 8);
    EXPECT_EQ(d.monthDay, 22);
    EXPECT_EQ(d.plasma, 1);
    EXPECT_EQ(walkCalendarDay(date(29, 2, 2004)), d);
}

// Walks day by day from the reference to the end of year 4000 and back to
// 1 January of year 1, comparing every day (and every 29 February) with the
// engine.
void sweep(bool forward) {
    DayWalk w = DayWalk::reference();
    long long days = 0;
    while (true) {
        const CalendarDay walked = w.finish(w.date);
        ASSERT_EQ(computeCalendarDay(w.date), walked)
            << int(w.date.day) << "." << int(w.date.month) << "." << w.date.year;
        if (w.date.month == 2 && w.date.day == 28) {
            const GregorianDate leap = date(29, 2, w.date.year);
            ASSERT_EQ(computeCalendarDay(leap), walked) << "29.2." << w.date.year;
        }
        ++days;
        if (forward) {
            if (w.date.year == 4000 && w.date.month == 12 && w.date.day == 31) break;
            w.stepForward();
        } else {
            if (w.date.year == 1 && w.date.month == 1 && w.date.day == 1) break;
            w.stepBackward();
        }
    }
    EXPECT_GT(days, forward ? 365 * 1999 : 365 * 2000);
}

TEST(DayEngine, EqualsTheWalkForwardToYear4000) { sweep(true); }
TEST(DayEngine, EqualsTheWalkBackwardToYear1) { sweep(false); }

TEST(DayEngine, ReferenceWalkMatchesOnSampledFarDates) {
    // The literal walk itself, from the seeds, on a few dates far apart.
    for (const GregorianDate& g : {date(1, 1, 1), date(29, 2, 1600), date(25, 7, 1000),
                                   date(25, 7, 3999), date(31, 12, 4000), date(21, 8, 2001)})
        EXPECT_EQ(walkCalendarDay(g), computeCalendarDay(g));
}

TEST(DayEngine, FullLunationFarAheadEqualsTheWalk) {
    // The forward walk keeps the phase in (0, 10^9]: on the first day on
    // which it is exactly 10^9, compare the literal walk. That day solves
    // 67,796,610 + n * 33,898,305 = 0 (mod 10^9), that is
    // n * 6,779,661 = -13,559,322 (mod 2 * 10^8).
    constexpr long long n = 199'999'998;
    static_assert((67'796'610 + n * 33'898'305) % 1'000'000'000 == 0);
    const GregorianDate target = stepDate(date(21, 8, 2001), static_cast<std::int32_t>(n));
    EXPECT_GT(target.year, 500'000);
    const CalendarDay engine = computeCalendarDay(target);
    EXPECT_EQ(engine.moonPhase, 1'000'000'000);
    EXPECT_EQ(engine, walkCalendarDay(target));
    EXPECT_EQ(computeCalendarDay(stepDate(target, 1)).moonPhase, 33'898'305);
}

TEST(DayEngine, ExtremeYearsAnswer) {
    for (int y : {INT32_MIN, INT32_MIN + 1, -1, 0, 1'000'000, INT32_MAX}) {
        for (const GregorianDate& g : {date(1, 1, y), date(25, 7, y), date(31, 12, y)}) {
            const CalendarDay d = computeCalendarDay(g);
            EXPECT_GE(d.kin, 1);
            EXPECT_LE(d.kin, 260);
            EXPECT_GE(d.moonPhase, 0);
            EXPECT_LE(d.moonPhase, 1'000'000'000);
            EXPECT_TRUE(d.yearSign == 4 || d.yearSign == 9 || d.yearSign == 14 || d.yearSign == 19);
        }
    }
    // One year later is 365 walked days later.
    const CalendarDay a = computeCalendarDay(date(10, 3, 1'000'000));
    const CalendarDay b = computeCalendarDay(date(10, 3, 1'000'001));
    EXPECT_EQ((a.kin - 1 + 365) % 260 + 1, b.kin);
}

TEST(StepDate, MovesAcrossMonthsAndYears) {
    EXPECT_EQ(stepDate(date(31, 12, 2001), 1), date(1, 1, 2002));
    EXPECT_EQ(stepDate(date(1, 1, 2002), -1), date(31, 12, 2001));
    for (int y : {1999, 2000, 2004, 2100})
        EXPECT_EQ(stepDate(date(1, 3, y), -1), date(28, 2, y));
    EXPECT_EQ(stepDate(date(5, 5, 2005), 0), date(5, 5, 2005));
    EXPECT_EQ(stepDate(date(31, 1, 2004), 28), date(28, 2, 2004));
    GregorianDate withWeekDay = date(1, 1, 2001);
    withWeekDay.weekDay = 3;
    EXPECT_EQ(stepDate(withWeekDay, 40).weekDay, 3);
}

// The week day is carried, never computed: two dates are the same day
// whatever it holds; day, month and year each still tell dates apart.
TEST(GregorianDateEquality, IgnoresTheCarriedWeekDay) {
    GregorianDate a = date(5, 3, 2004), b = a;
    b.weekDay = 4;
    EXPECT_EQ(a, b);
    EXPECT_FALSE(a == date(6, 3, 2004));
    EXPECT_FALSE(a == date(5, 4, 2004));
    EXPECT_FALSE(a == date(5, 3, 2005));
}

TEST(GregorianLeapYear, FollowsTheFourHundredYearRule) {
    for (std::int64_t y : {4LL, 2000LL, 2004LL, 2400LL, 2147483644LL, -4LL}) EXPECT_TRUE(isGregorianLeapYear(y)) << y;
    for (std::int64_t y : {1LL, 1900LL, 2001LL, 2100LL, 2147483647LL}) EXPECT_FALSE(isGregorianLeapYear(y)) << y;
}

// One day at a time by the calendar's own rule, written out here so that
// stepDate is checked against something other than itself.
GregorianDate literalStep(GregorianDate g, bool forward) {
    static const int kLength[] = {31, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (forward) {
        g.day = static_cast<std::uint8_t>(g.day + 1);
        if (g.day > kLength[g.month]) {
            g.day = 1;
            g.month = static_cast<std::uint8_t>(g.month + 1);
            if (g.month > 12) {
                g.month = 1;
                ++g.year;
            }
        }
    } else {
        g.day = static_cast<std::uint8_t>(g.day - 1);
        if (g.day == 0) {
            g.month = static_cast<std::uint8_t>(g.month - 1);
            if (g.month == 0) {
                g.month = 12;
                --g.year;
            }
            g.day = static_cast<std::uint8_t>(kLength[g.month]);
        }
    }
    return g;
}

TEST(StepDate, EqualsSingleStepsFromEveryStartOfSeveralYears) {
    // Every day of a common year, a leap year, a century and the first
    // year (which steps back into year 0 here), and 29 February of each.
    std::vector<GregorianDate> starts;
    for (int y : {1, 2003, 2004, 2100}) {
        for (GregorianDate g = date(1, 1, y); g.year == y; g = literalStep(g, true)) starts.push_back(g);
        starts.push_back(date(29, 2, y));
    }
    constexpr int kReach = 800;
    for (const GregorianDate& start : starts) {
        std::vector<GregorianDate> ahead{start}, behind{start};
        for (int i = 0; i < kReach; ++i) {
            ahead.push_back(literalStep(ahead.back(), true));
            behind.push_back(literalStep(behind.back(), false));
        }
        for (int n = -kReach; n <= kReach; ++n) {
            const GregorianDate want = n >= 0 ? ahead[n] : behind[-n];
            const GregorianDate got = stepDate(start, n);
            if (!(got == want)) {
                FAIL() << "from " << int(start.day) << "." << int(start.month) << "." << start.year
                       << " by " << n << ": " << int(got.day) << "." << int(got.month) << "." << got.year
                       << ", want " << int(want.day) << "." << int(want.month) << "." << want.year;
            }
        }
    }
}

TEST(StepDate, TwentyNinthOfFebruaryStepsByTheRule) {
    EXPECT_EQ(stepDate(date(29, 2, 2004), -1), date(28, 2, 2004));
    EXPECT_EQ(stepDate(date(29, 2, 2004), -2), date(27, 2, 2004));
    EXPECT_EQ(stepDate(date(29, 2, 2004), -365), date(1, 3, 2003));
    EXPECT_EQ(stepDate(date(29, 2, 2004), 1), date(1, 3, 2004));
    EXPECT_EQ(stepDate(date(29, 2, 2004), 365), date(28, 2, 2005));  // 1 March, then 364 days
    EXPECT_EQ(stepDate(date(29, 2, 2001), 0), date(29, 2, 2001));
}

TEST(StepDate, NeverOverflowsTheYear) {
    // A move past the largest year leaves the date where it is.
    EXPECT_EQ(stepDate(date(31, 12, INT32_MAX), 1), date(31, 12, INT32_MAX));
    EXPECT_EQ(stepDate(date(30, 12, INT32_MAX), 1), date(31, 12, INT32_MAX));
    EXPECT_EQ(stepDate(date(1, 1, INT32_MAX), INT32_MAX), date(1, 1, INT32_MAX));
    EXPECT_EQ(stepDate(date(1, 1, INT32_MIN), -1), date(1, 1, INT32_MIN));
    EXPECT_EQ(stepDate(date(1, 1, INT32_MIN), INT32_MIN), date(1, 1, INT32_MIN));
    // The largest steps that fit.
    EXPECT_EQ(stepDate(date(1, 1, 1), INT32_MAX).year, 1 + INT32_MAX / 365);
    EXPECT_EQ(stepDate(date(1, 1, 0), INT32_MIN).year, INT32_MIN / 365 - 1);
}

TEST(DaysInMonth, TwentyEightForFebruaryAndThirtyOneOutsideTheYear) {
    const int expected[] = {31, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31, 31};
    for (int m = 0; m <= 13; ++m) EXPECT_EQ(daysInMonth(static_cast<std::uint8_t>(m)), expected[m]) << m;
}

TEST(IsValidDate, AcceptsRealDatesOfYearsFromOneAndEveryTwentyNinthOfFebruary) {
    EXPECT_TRUE(isValidDate(date(29, 2, 2001)));
    EXPECT_TRUE(isValidDate(date(31, 12, 5)));
    EXPECT_TRUE(isValidDate(date(1, 1, 1)));
    EXPECT_TRUE(isValidDate(date(31, 12, INT32_MAX)));
    EXPECT_FALSE(isValidDate(date(31, 12, 0)));
    EXPECT_FALSE(isValidDate(date(1, 1, -5)));
    EXPECT_FALSE(isValidDate(date(1, 1, INT32_MIN)));
    EXPECT_FALSE(isValidDate(date(30, 2, 2004)));
    EXPECT_FALSE(isValidDate(date(31, 4, 2004)));
    EXPECT_FALSE(isValidDate(date(0, 1, 2004)));
    EXPECT_FALSE(isValidDate(date(1, 13, 2004)));
    EXPECT_FALSE(isValidDate(date(1, 0, 2004)));
}

}  // namespace
}  // namespace kl
