// The related seals of a day (its oracle) and the kin's markers in the grid.
#pragma once

#include <cstdint>

#include "core/calendar.h"

namespace kl {

struct KinRelations {
    std::uint16_t kin = 0;        // [1, 260]
    std::uint8_t sign = 0;        // [1, 20]
    std::uint8_t tone = 0;        // [1, 13]
    std::uint8_t plasma = 0;      // [1, 7]
    std::uint8_t antipod = 0;     // [1, 20]
    std::uint8_t analog = 0;      // [1, 20]
    std::uint8_t ateacher = 0;    // [1, 20] occult teacher
    std::uint8_t guide = 0;       // [1, 20]
    std::int16_t monthDay = 0;
    std::uint8_t month = 0;
    std::uint8_t colour = 0;      // [1, 4] red, white, blue, yellow
    std::uint8_t group = 0;       // [1, 5] four consecutive seals
    std::uint8_t wordForm = 0;    // 1: texts use the first word form, 0: the second
    std::uint8_t portal = 0;      // 1 for the 52 portal kins
    std::uint8_t midColumn = 0;   // 1 for kins 121..140
};

// The guide seal of a seal (1..20) with a tone (1..13).
std::uint8_t guideSeal(std::uint8_t sign, std::uint8_t tone);

// True for the 52 portal kins (symmetric: k is one exactly when 261 - k is).
bool isPortalKin(int kin);

KinRelations computeKinRelations(const CalendarDay& day);

}  // namespace kl
