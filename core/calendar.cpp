#include "core/calendar.h"

#include <array>
#include <climits>

namespace kl {

namespace {

constexpr GregorianDate kReferenceDate{21, 8, 0, 2001};

// Day of the year in the 365-day walked calendar, 0 for 1 January; 29 February
// counts as 28 February.
int dayOfYear(int month, int day) {  // [0, 364]
    static constexpr std::array<int, 13> kMonthStart{0, 0, 31, 59, 90, 120, 151, 181,
                                                     212, 243, 273, 304, 334};
    if (month == 2 && day == 29) day = 28;
    return kMonthStart[month] + day - 1;
}

constexpr int kNewYearDay = 206;  // dayOfYear(7, 26): 26 July begins the 13-moon year

// Mathematical remainder, always in [0, m).
std::int64_t floorMod(std::int64_t a, std::int64_t m) {
    std::int64_t r = a % m;
    return r < 0 ? r + m : r;
}

int compareDates(const GregorianDate& a, const GregorianDate& b) {
    if (a.year != b.year) return a.year < b.year ? -1 : 1;
    if (a.month != b.month) return a.month < b.month ? -1 : 1;
    if (a.day != b.day) return a.day < b.day ? -1 : 1;
    return 0;
}

// The year bearer of the 13-moon year that begins on 26 July of `startYear`.
void setYearBearer(CalendarDay& d, std::int64_t startYear) {
    static constexpr std::array<std::uint8_t, 4> kBearers{4, 9, 14, 19};
    const std::int64_t k = startYear - 2001;
    d.yearSign = kBearers[floorMod(k, 4)];
    d.yearTone = static_cast<std::uint8_t>(floorMod(8 + k, 13) + 1);
}

std::int32_t weekNumberOf(const CalendarDay& d) {
    return (d.monthDay - 1) / 7 + 4 * (d.month - 1) + 1;  // truncation toward zero, as the walk
}

}  // namespace

// weekDay is carried but never computed, so it says nothing about the date.
bool operator==(const GregorianDate& a, const GregorianDate& b) {
    return a.day == b.day && a.month == b.month && a.year == b.year;
}

bool operator==(const CalendarDay& a, const CalendarDay& b) {
    return a.kin == b.kin && a.yearSign == b.yearSign && a.yearTone == b.yearTone &&
           a.cromatic == b.cromatic && a.vinal == b.vinal && a.vinalTone == b.vinalTone &&
           a.weekNumber == b.weekNumber && a.sign == b.sign && a.tone == b.tone &&
           a.plasma == b.plasma && a.monthDay == b.monthDay && a.month == b.month &&
           a.moonPhase == b.moonPhase;
}

std::uint8_t daysInMonth(std::uint8_t month) {
    switch (month) {
        case 2: return 28;
        case 4: case 6: case 9: case 11: return 30;
        default: return 31;
    }
}

bool isGregorianLeapYear(std::int64_t year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

bool isValidDate(const GregorianDate& d) {
    if (d.year < kFirstYear) return false;
    if (d.month < 1 || d.month > 12 || d.day < 1) return false;
    return d.day <= daysInMonth(d.month) || (d.month == 2 && d.day == 29);
}

GregorianDate stepDate(GregorianDate source, std::int32_t n) {
    GregorianDate d = source;
    std::int64_t year = d.year;  // wide, so that no step can overflow
    std::int64_t rest = n;
    const auto forward = [&] {
        if (++d.day > daysInMonth(d.month)) {
            d.day = 1;
            if (++d.month > 12) {
                d.month = 1;
                ++year;
            }
        }
    };
    const auto backward = [&] {
        if (--d.day == 0) {
            --d.month;
            d.day = daysInMonth(d.month);
            if (d.month == 0) {
                d.month = 12;
                --year;
            }
        }
    };
    // A day past its month's end (29 February) takes its first step by the
    // rule itself: forward it leaves the month, backward it is the 28th.
    while (rest != 0 && d.day > daysInMonth(d.month)) {
        if (rest > 0) {
            forward();
            --rest;
        } else {
            backward();
            ++rest;
        }
    }
    // Whole years next: every walked year has 365 days, so a step of 365
    // days from a real date keeps day and month and moves the year by one.
    year += rest / 365;
    for (rest %= 365; rest > 0; --rest) forward();
    for (; rest < 0; ++rest) backward();
    if (year < INT32_MIN || year > INT32_MAX) return source;
    d.year = static_cast<std::int32_t>(year);
    return d;
}

CalendarDay computeCalendarDay(const GregorianDate& date) {
    const int doy = dayOfYear(date.month, date.day);
    // Walked days from 21 August 2001; 29 February is never counted.
    const std::int64_t n = 365 * (static_cast<std::int64_t>(date.year) - 2001) + doy -
                           dayOfYear(kReferenceDate.month, kReferenceDate.day);
    const bool forward = compareDates(date, kReferenceDate) > 0;

    CalendarDay d;
    d.kin = static_cast<std::uint16_t>(floorMod(229 + n, 260) + 1);
    d.sign = static_cast<std::uint8_t>((d.kin - 1) % 20 + 1);
    d.tone = static_cast<std::uint8_t>((d.kin - 1) % 13 + 1);
    // Chromatics are the runs of five kins starting at kins 4, 9, ... 259.
    d.cromatic = static_cast<std::uint8_t>(floorMod((d.kin + 256) / 5 - 52, 4));  // floor((kin-4)/5) mod 4
    if (d.cromatic == 0) d.cromatic = 4;

    // The walk keeps the moon phase in (0, 10^9] going forward and [0, 10^9)
    // going back, so a forward residue of 0 reads as a full 10^9.
    std::int64_t phase = floorMod(67'796'610 + floorMod(n, kLunation) * kMoonStep, kLunation);
    if (forward && phase == 0) phase = kLunation;
    d.moonPhase = static_cast<std::int32_t>(phase);

    // Days since the most recent 26 July.
    const int sinceNewYear = static_cast<int>(floorMod(doy - kNewYearDay, 365));  // [0, 364]
    std::int64_t startYear = static_cast<std::int64_t>(date.year) - (doy < kNewYearDay ? 1 : 0);
    d.vinal = static_cast<std::uint8_t>(sinceNewYear / 20 + 1);
    d.vinalTone = static_cast<std::uint8_t>(sinceNewYear % 20);
    if (sinceNewYear < 364) {
        d.month = static_cast<std::uint8_t>(sinceNewYear / 28 + 1);
        d.monthDay = static_cast<std::int16_t>(sinceNewYear % 28 + 1);
        d.plasma = static_cast<std::uint8_t>(sinceNewYear % 7 + 1);
        d.weekNumber = sinceNewYear / 7 + 1;
    } else if (forward) {
        // The day out of time reached forward ends its year: month 13 day 29.
        d.month = 0;
        d.monthDay = 29;
        d.plasma = 7;
        d.weekNumber = 53;
    } else {
        // Reached backward it is day 0 of the year that begins the next day.
        d.month = 0;
        d.monthDay = 0;
        d.plasma = 1;
        d.weekNumber = 1;
        startYear += 1;
    }
    setYearBearer(d, startYear);
    return d;
}

DayWalk DayWalk::reference() {
    DayWalk w;
    w.date = kReferenceDate;
    w.day.kin = 230;
    w.day.sign = 10;
    w.day.tone = 9;
    w.day.yearSign = 4;
    w.day.yearTone = 9;
    w.day.cromatic = 1;
    w.chromaticPosition = 2;
    w.day.vinal = 2;
    w.day.vinalTone = 6;
    w.day.month = 1;
    w.day.monthDay = 27;
    w.day.plasma = 6;
    w.day.moonPhase = 67'796'610;  // two days' steps after the new moon of 19 August 2001
    return w;
}

void DayWalk::stepForward() {
    date = stepDate(date, 1);
    CalendarDay& d = day;
    d.moonPhase += kMoonStep;
    if (d.moonPhase > kLunation) d.moonPhase -= kLunation;
    if (++d.kin == 261) d.kin = 1;
    d.vinalTone = d.vinalTone == 19 ? 0 : d.vinalTone + 1;
    if (d.vinal == 19 && d.vinalTone == 5) d.vinalTone = 0;
    if (d.vinalTone == 0) d.vinal = d.vinal == 19 ? 1 : d.vinal + 1;
    if (++d.sign == 21) d.sign = 1;
    if (++d.tone == 14) d.tone = 1;
    ++d.monthDay;
    if (++chromaticPosition == 6) {
        chromaticPosition = 1;
        d.cromatic = d.cromatic == 4 ? 1 : d.cromatic + 1;
    }
    if (!(d.month == 13 && d.monthDay == 29) && d.monthDay > 28) {
        d.monthDay = 1;
        if (++d.month == 14) {
            d.month = 1;
            static constexpr std::array<std::uint8_t, 20> kNext{0, 0, 0, 0, 9, 0, 0, 0, 0, 14,
                                                                0, 0, 0, 0, 19, 0, 0, 0, 0, 4};
            d.yearSign = kNext[d.yearSign];
            if (++d.yearTone == 14) d.yearTone = 1;
        }
    }
    if (d.monthDay < 29 && ++d.plasma == 8) d.plasma = 1;
}

void DayWalk::stepBackward() {
    date = stepDate(date, -1);
    CalendarDay& d = day;
    d.moonPhase -= kMoonStep;
    if (d.moonPhase < 0) d.moonPhase += kLunation;
    if (--d.kin == 0) d.kin = 260;
    if (--d.sign == 0) d.sign = 20;
    if (--d.tone == 0) d.tone = 13;
    if (d.vinalTone > 0) {
        --d.vinalTone;
    } else if (d.vinal == 1) {
        d.vinal = 19;
        d.vinalTone = 4;
    } else {
        --d.vinal;
        d.vinalTone = 19;
    }
    if (--chromaticPosition == 0) {
        chromaticPosition = 5;
        d.cromatic = d.cromatic == 1 ? 4 : d.cromatic - 1;
    }
    --d.monthDay;
    if (!(d.month == 1 && d.monthDay == 0) && d.monthDay <= 0) {
        d.monthDay = 28;
        if (--d.month == 0) {
            d.month = 13;
            static constexpr std::array<std::uint8_t, 20> kPrevious{0, 0, 0, 0, 19, 0, 0, 0, 0, 4,
                                                                    0, 0, 0, 0, 9, 0, 0, 0, 0, 14};
            d.yearSign = kPrevious[d.yearSign];
            if (--d.yearTone == 0) d.yearTone = 13;
        }
    }
    if (d.monthDay > 0 && --d.plasma == 0) d.plasma = 7;
}

CalendarDay DayWalk::finish(const GregorianDate& requested) const {
    CalendarDay d = day;
    d.weekNumber = weekNumberOf(d);
    if (requested.day == 25 && requested.month == 7) d.month = 0;
    return d;
}

CalendarDay walkCalendarDay(const GregorianDate& date) {
    DayWalk w = DayWalk::reference();
    const auto reached = [&] {
        if (w.date.day == date.day && w.date.month == date.month && w.date.year == date.year)
            return true;
        return date.month == 2 && date.day == 29 && w.date.month == 2 && w.date.day == 28 &&
               w.date.year == date.year;
    };
    const int direction = compareDates(date, kReferenceDate);
    while (direction != 0 && !reached()) {
        if (direction > 0) w.stepForward();
        else w.stepBackward();
    }
    return w.finish(date);
}

}  // namespace kl
