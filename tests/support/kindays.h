// A day record holding just a kin and its seal and tone, for tests of what
// depends on the kin alone.
#pragma once

#include <cstdint>

#include "core/calendar.h"

namespace kl::test {

inline CalendarDay dayOfKin(int kin) {
    CalendarDay d;
    d.kin = static_cast<std::uint16_t>(kin);
    d.sign = static_cast<std::uint8_t>((kin - 1) % 20 + 1);
    d.tone = static_cast<std::uint8_t>((kin - 1) % 13 + 1);
    return d;
}

}  // namespace kl::test
