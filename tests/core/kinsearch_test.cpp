#include <gtest/gtest.h>

#include <vector>

#include "support/dates.h"
#include "core/kinsearch.h"

namespace kl {
namespace {

using test::date;

// The next real Gregorian day, written independently of the engine.
GregorianDate nextDay(GregorianDate d) {
    static const int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (d.year % 4 == 0 && d.year % 100 != 0) || d.year % 400 == 0;
    const int length = d.month == 2 && leap ? 29 : lengths[d.month - 1];
    if (d.day < length) {
        ++d.day;
    } else {
        d.day = 1;
        if (++d.month > 12) {
            d.month = 1;
            ++d.year;
        }
    }
    return d;
}

// Every real date from `from` whose engine kin is `kin`, for `days` days.
std::vector<GregorianDate> scan(int kin, GregorianDate from, int days) {
    std::vector<GregorianDate> found;
    for (int i = 0; i < days; ++i, from = nextDay(from)) {
        const bool unreal = from.month == 2 && from.day == 29 && !isGregorianLeapYear(from.year);
        if (!unreal && computeCalendarDay(from).kin == kin) found.push_back(from);
    }
    return found;
}

TEST(KinSearch, SealAndToneNameExactlyOneKin) {
    EXPECT_EQ(kinOfSealAndTone(1, 1), 1);
    EXPECT_EQ(kinOfSealAndTone(20, 13), 260);
    EXPECT_EQ(kinOfSealAndTone(10, 9), 230);
    EXPECT_EQ(kinOfSealAndTone(0, 1), 0);
    EXPECT_EQ(kinOfSealAndTone(1, 14), 0);
    std::vector<int> seen(261, 0);
    for (int s = 1; s <= 20; ++s)
        for (int t = 1; t <= 13; ++t) {
            const int k = kinOfSealAndTone(s, t);
            ASSERT_GE(k, 1);
            EXPECT_EQ((k - 1) % 20 + 1, s);
            EXPECT_EQ((k - 1) % 13 + 1, t);
            EXPECT_EQ(seen[k]++, 0) << k;
        }
}

// The list is exactly what a day-by-day scan of real dates finds, over
// spans that hold leap days, a century year without one, and starts on and
// around 29 February.
TEST(KinSearch, MatchesADayByDayScanOfRealDates) {
    const GregorianDate starts[] = {date(2026, 12, 8), date(2027, 11, 1), date(2028, 2, 28),
                                    date(2028, 2, 29), date(2028, 3, 1),  date(1898, 6, 1),
                                    date(1999, 12, 31), date(2001, 2, 29)};
    for (const GregorianDate& from : starts) {
        for (int kin : {1, 2, 77, 130, 230, 259, 260, static_cast<int>(computeCalendarDay(from).kin)}) {
            const auto listed = findKinDates(kin, from, 12);
            // 12 returns span at most 12 * 260 walked days plus the leap days among them.
            const auto scanned = scan(kin, from, 12 * 260 + 10);
            std::vector<GregorianDate> expected;
            int returns = 0;
            for (const GregorianDate& d : scanned) {
                if (!(d.month == 2 && d.day == 29)) ++returns;
                else if (returns == 0) ++returns;  // the start itself on 29 February
                if (returns > 12) break;
                expected.push_back(d);
            }
            ASSERT_EQ(listed.size(), expected.size()) << "kin " << kin << " from " << from.year << "-"
                                                      << int(from.month) << "-" << int(from.day);
            for (std::size_t i = 0; i < listed.size(); ++i)
                EXPECT_EQ(listed[i], expected[i]) << "kin " << kin << " entry " << i;
        }
    }
}

TEST(KinSearch, TwentyEighthOfFebruaryInALeapYearBringsTheTwentyNinth) {
    const GregorianDate leap28 = date(2028, 2, 28);
    const int kin = computeCalendarDay(leap28).kin;
    const auto from28 = findKinDates(kin, leap28, 2);
    ASSERT_GE(from28.size(), 3u);
    EXPECT_EQ(from28[0], leap28);
    EXPECT_EQ(from28[1], date(2028, 2, 29));
    EXPECT_EQ(computeCalendarDay(from28[2]).kin, kin);
    // Starting on the 29th lists it, not the 28th before it.
    const auto from29 = findKinDates(kin, date(2028, 2, 29), 1);
    ASSERT_EQ(from29.size(), 1u);
    EXPECT_EQ(from29[0], date(2028, 2, 29));
    // 1900 has no 29 February; none is listed.
    const auto century = findKinDates(computeCalendarDay(date(1900, 2, 28)).kin, date(1900, 2, 28), 1);
    ASSERT_EQ(century.size(), 1u);
    EXPECT_EQ(century[0], date(1900, 2, 28));
}

TEST(KinSearch, StopsAtTheLastYearAndRefusesNonsense) {
    const auto last = findKinDates(17, date(2147483647, 1, 1), 5);
    ASSERT_FALSE(last.empty());
    EXPECT_LT(last.size(), 5u);
    for (const GregorianDate& d : last) {
        EXPECT_EQ(d.year, 2147483647);
        EXPECT_EQ(computeCalendarDay(d).kin, 17);
    }
    EXPECT_TRUE(findKinDates(0, date(2026, 1, 1), 3).empty());
    EXPECT_TRUE(findKinDates(261, date(2026, 1, 1), 3).empty());
    EXPECT_TRUE(findKinDates(5, date(2026, 1, 1), 0).empty());
}

}  // namespace
}  // namespace kl
