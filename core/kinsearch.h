// Finding the days of a kin: the Gregorian dates on which the 260-day count
// comes back to a given kin.
#pragma once

#include <cstdint>
#include <vector>

#include "core/calendar.h"

namespace kl {

// The kin of seal [1, 20] and tone [1, 13]; 0 when either is out of range.
int kinOfSealAndTone(int seal, int tone);

// The real Gregorian dates with kin `kin` [1, 260], from `from` on (itself
// included), for the next `count` returns of the kin. The count moves on one
// kin a day over every date except 29 February, which shares the kin of
// 28 February; so a return that falls on 28 February of a leap year gives two
// dates, 28 and 29 February, and a 29 February of a year that has none is
// never listed. The list stops early where the year would overflow.
std::vector<GregorianDate> findKinDates(int kin, GregorianDate from, int count);

}  // namespace kl
