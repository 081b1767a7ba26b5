// The 13-moon calendar day engine: Gregorian dates, their calendar values,
// and the two date functions the program walks through the calendar with.
#pragma once

#include <cstdint>

namespace kl {

// A Gregorian date. February always has 28 days in the program's date
// arithmetic; 29 February is accepted as input and read as 28 February.
struct GregorianDate {
    std::uint8_t day = 1;      // [1, 31]
    std::uint8_t month = 1;    // [1, 12]
    std::uint8_t weekDay = 0;  // carried along unchanged, never computed
    std::int32_t year = 2001;  // the engine takes any; the program accepts kFirstYear..kLastYear
};

bool operator==(const GregorianDate& a, const GregorianDate& b);

// The calendar values of one date.
struct CalendarDay {
    std::uint16_t kin = 0;         // [1, 260]
    std::uint8_t yearSign = 0;     // 4, 9, 14 or 19
    std::uint8_t yearTone = 0;     // [1, 13]
    std::uint8_t cromatic = 0;     // [1, 4]
    std::uint8_t vinal = 0;        // [1, 19]
    std::uint8_t vinalTone = 0;    // [0, 19]; vinal 19 has [0, 4]
    std::int32_t weekNumber = 0;   // [1, 52]; 53 or 1 on the day out of time
    std::uint8_t sign = 0;         // [1, 20]
    std::uint8_t tone = 0;         // [1, 13]
    std::uint8_t plasma = 0;       // [1, 7]
    std::int16_t monthDay = 0;     // [1, 28]; 29 or 0 on the day out of time
    std::uint8_t month = 0;        // [0, 13]; 0 marks 25 July
    std::int32_t moonPhase = 0;    // [0, 1'000'000'000]; 0 is new moon
};

bool operator==(const CalendarDay& a, const CalendarDay& b);

// The moon phase advances by this much a day; one lunation is 10^9 (29.5 days).
inline constexpr std::int32_t kMoonStep = 33'898'305;
inline constexpr std::int32_t kLunation = 1'000'000'000;

// Length of a month in the program's calendar: 28 for February in every year,
// 30 for April, June, September and November, 31 for any other value
// (including 0 and values above 12, so the walk back from January finds 31).
std::uint8_t daysInMonth(std::uint8_t month);

// The years the program accepts from its user and steps through.
inline constexpr std::int32_t kFirstYear = 1;
inline constexpr std::int32_t kLastYear = 2147483647;

// True for a Gregorian leap year, one whose 29 February really exists (the
// sky's moon and the kin search count it; the day engine never does).
bool isGregorianLeapYear(std::int64_t year);

// True for a date the program accepts: a year from kFirstYear, month 1..12,
// day 1..daysInMonth, and 29 February of any year.
bool isValidDate(const GregorianDate& d);

// `source` moved by n days (forward for n > 0). Never produces 29 February.
// Cost is independent of n: whole 365-day years are skipped at once. A move
// whose year would not fit the year field returns `source` unchanged.
GregorianDate stepDate(GregorianDate source, std::int32_t n);

// The calendar values of `date`, which must satisfy isValidDate. Exactly the
// values of the literal day walk from 21 August 2001 (walkCalendarDay), in
// constant time for every year of the signed 32-bit range.
CalendarDay computeCalendarDay(const GregorianDate& date);

// The reference method: walks one day at a time from the seeds of
// 21 August 2001. Cost grows with the distance; kept to prove the engine.
CalendarDay walkCalendarDay(const GregorianDate& date);

// The state the literal walk carries: the record plus the walked date and the
// position within the current chromatic. Exposed so tests can walk the
// calendar incrementally and compare every day with the engine.
struct DayWalk {
    GregorianDate date;
    CalendarDay day;
    std::uint8_t chromaticPosition = 0;  // [1, 5]

    static DayWalk reference();  // the seeds of 21 August 2001
    void stepForward();
    void stepBackward();
    // The record as the engine reports it for `requested`, which the walk
    // has reached (week number and the day-out-of-time month applied).
    CalendarDay finish(const GregorianDate& requested) const;
};

}  // namespace kl
