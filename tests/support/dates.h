// A Gregorian date from year, month and day, for the tables of the tests.
#pragma once

#include <cstdint>

#include "core/calendar.h"

namespace kl::test {

inline GregorianDate date(int y, int m, int d) {
    GregorianDate g;
    g.year = y;
    g.month = static_cast<std::uint8_t>(m);
    g.day = static_cast<std::uint8_t>(d);
    return g;
}

}  // namespace kl::test
