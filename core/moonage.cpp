#include "core/moonage.h"

#include <algorithm>
#include <cmath>

namespace kl {

namespace {

constexpr double kDegree = 3.14159265358979323846 / 180.0;

// New moon of 6 January 2000 (k = 0), in Julian days.
constexpr double kEpoch = 2451550.09766;

double sinDeg(double degrees) { return std::sin(std::fmod(degrees, 360.0) * kDegree); }
double cosDeg(double degrees) { return std::cos(std::fmod(degrees, 360.0) * kDegree); }

// Days from 1 January 1970 of a proleptic Gregorian date.
std::int64_t daysFromCivil(std::int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

}  // namespace

double julianDayAtNoon(const GregorianDate& date) {
    unsigned day = date.day;
    if (date.month == 2 && day == 29 && !isGregorianLeapYear(date.year)) day = 28;
    return static_cast<double>(daysFromCivil(date.year, date.month, day)) + 2440588.0;
}

double lunarPhaseTime(double k) {
    // Julian centuries from 2000; the terms in T are held at the ends of
    // 0..4000 so that far dates keep a plain mean lunation.
    const double T = std::clamp(k / 1236.85, -20.0, 20.0);
    const double T2 = T * T, T3 = T2 * T, T4 = T3 * T;
    double jde = kEpoch + kSynodicMonth * k + 0.00015437 * T2 - 0.000000150 * T3 + 0.00000000073 * T4;
    const double E = 1 - 0.002516 * T - 0.0000074 * T2;  // eccentricity of the Earth's orbit
    // Mean anomalies of the sun (M) and the moon (Mp), the moon's argument of
    // latitude (F) and the longitude of its ascending node (O), in degrees.
    const double M = std::fmod(2.5534 + 29.10535670 * k, 360.0) - 0.0000014 * T2 - 0.00000011 * T3;
    const double Mp = std::fmod(201.5643 + 385.81693528 * k, 360.0) + 0.0107582 * T2 + 0.00001238 * T3 -
                      0.000000058 * T4;
    const double F = std::fmod(160.7108 + 390.67050284 * k, 360.0) - 0.0016118 * T2 - 0.00000227 * T3 +
                     0.000000011 * T4;
    const double O = std::fmod(124.7746 - 1.56375588 * k, 360.0) + 0.0020672 * T2 + 0.00000215 * T3;
    const bool full = std::fabs(k - std::floor(k) - 0.5) < 0.25;
    // The main periodic terms; new and full moon differ only in the first seven.
    const double first[7] = {full ? -0.40614 : -0.40720, full ? 0.17302 : 0.17241, full ? 0.01614 : 0.01608,
                             full ? 0.01043 : 0.01039,   full ? 0.00734 : 0.00739, full ? -0.00515 : -0.00514,
                             full ? 0.00209 : 0.00208};
    jde += first[0] * sinDeg(Mp) + first[1] * E * sinDeg(M) + first[2] * sinDeg(2 * Mp) +
           first[3] * sinDeg(2 * F) + first[4] * E * sinDeg(Mp - M) + first[5] * E * sinDeg(Mp + M) +
           first[6] * E * E * sinDeg(2 * M);
    jde += -0.00111 * sinDeg(Mp - 2 * F) - 0.00057 * sinDeg(Mp + 2 * F) + 0.00056 * E * sinDeg(2 * Mp + M) -
           0.00042 * sinDeg(3 * Mp) + 0.00042 * E * sinDeg(M + 2 * F) + 0.00038 * E * sinDeg(M - 2 * F) -
           0.00024 * E * sinDeg(2 * Mp - M) - 0.00017 * sinDeg(O) - 0.00007 * sinDeg(Mp + 2 * M) +
           0.00004 * sinDeg(2 * Mp - 2 * F) + 0.00004 * sinDeg(3 * M) + 0.00003 * sinDeg(Mp + M - 2 * F) +
           0.00003 * sinDeg(2 * Mp + 2 * F) - 0.00003 * sinDeg(Mp + M + 2 * F) +
           0.00003 * sinDeg(Mp - M + 2 * F) - 0.00002 * sinDeg(Mp - M - 2 * F) -
           0.00002 * sinDeg(3 * Mp + M) + 0.00002 * sinDeg(4 * Mp);
    return jde;
}

MoonState moonAt(double jd) {
    // The last new moon at or before jd: the mean estimate, then mended by
    // the true times (the periodic terms move a phase by up to 14 hours).
    double k = std::floor((jd - kEpoch) / kSynodicMonth);
    double newMoon = lunarPhaseTime(k);
    for (int i = 0; i < 3 && newMoon > jd; ++i) newMoon = lunarPhaseTime(--k);
    double next = lunarPhaseTime(k + 1);
    for (int i = 0; i < 3 && next <= jd; ++i) {
        newMoon = next;
        next = lunarPhaseTime(++k + 1);
    }
    const double fullMoon = lunarPhaseTime(k + 0.5);

    MoonState s;
    s.age = std::max(0.0, jd - newMoon);
    // Half a cycle from new to full moon and half from full to the next new.
    if (jd < fullMoon) s.fraction = 0.5 * (jd - newMoon) / (fullMoon - newMoon);
    else s.fraction = 0.5 + 0.5 * (jd - fullMoon) / (next - fullMoon);
    s.fraction = std::clamp(s.fraction, 0.0, std::nextafter(1.0, 0.0));

    // Lit fraction from the phase angle (low-precision series of the moon's
    // mean elongation D and the mean anomalies of sun and moon), reckoned
    // in the same lunation count k as the phase times above: the arguments
    // are taken at the fraction of a mean lunation that jd lies past the
    // mean new moon k, so the lit part and the age stay one phase on any
    // date instead of two clocks that drift apart far from now.
    const double T = std::clamp(k / 1236.85, -20.0, 20.0), T2 = T * T;
    const double meanNewMoon = kEpoch + kSynodicMonth * k + 0.00015437 * T2;
    const double past = (jd - meanNewMoon) / kSynodicMonth;  // about 0..1
    const double D = 360.0 * past;
    const double M = std::fmod(2.5534 + 29.10535670 * k, 360.0) + 29.10535670 * past - 0.0000014 * T2;
    const double Mp = std::fmod(201.5643 + 385.81693528 * k, 360.0) + 385.81693528 * past + 0.0107582 * T2;
    const double i = 180 - D - 6.289 * sinDeg(Mp) + 2.100 * sinDeg(M) - 1.274 * sinDeg(2 * D - Mp) -
                     0.658 * sinDeg(2 * D) - 0.214 * sinDeg(2 * Mp) - 0.110 * sinDeg(D);
    s.illumination = std::clamp((1 + cosDeg(i)) / 2, 0.0, 1.0);
    return s;
}

std::int32_t shownMoonPhase(int model, const GregorianDate& date, std::int32_t enginePhase) {
    if (model != kMoonAstronomical) return enginePhase;
    const double f = moonOn(date).fraction;
    return static_cast<std::int32_t>(std::min<double>(kLunation - 1, std::floor(f * kLunation)));
}

}  // namespace kl
