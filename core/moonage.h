// The moon as it stands in the sky: times of new and full moon from the mean
// lunation with its main periodic terms, and the age and lit fraction of the
// moon on a date. Good to a few minutes from 1900 to 2100; further out the
// slowly growing terms are held at their values of the years 0 and 4000, so
// the phase stays a sensible lunation rhythm however far the date is.
#pragma once

#include <cstdint>

#include "core/calendar.h"

namespace kl {

// Mean synodic month in days.
inline constexpr double kSynodicMonth = 29.530588861;

// Julian day of 12:00 UT on a Gregorian date (proleptic; 29 February of a
// year that has none is read as 28 February, as the day engine reads it).
double julianDayAtNoon(const GregorianDate& date);

// Julian day (dynamical time, within a minute or two of UT over the last
// century) of new moon number k, counted from the new moon of 6 January 2000;
// k + 0.5 gives the full moon that follows it.
double lunarPhaseTime(double k);

struct MoonState {
    double age = 0;           // days since the last new moon
    double illumination = 0;  // lit fraction of the disc, 0..1
    double fraction = 0;      // [0, 1): 0 new moon, 0.5 full moon, exact at both
};

// The moon at Julian day `jd`.
MoonState moonAt(double jd);

// The moon at 12:00 UT of `date`.
inline MoonState moonOn(const GregorianDate& date) { return moonAt(julianDayAtNoon(date)); }

// The configuration's moon models, in the order of its list.
enum MoonModel : int { kMoonLinear = 0, kMoonSmooth = 1, kMoonAstronomical = 2 };
inline constexpr int kMoonModels = 3;

// The phase count the moon is drawn and exported from: the engine's own
// count for the first two models, the true phase of `date` in the same
// units (0 new moon, kLunation / 2 full) for the astronomical model.
std::int32_t shownMoonPhase(int model, const GregorianDate& date, std::int32_t enginePhase);

}  // namespace kl
