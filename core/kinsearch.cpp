#include "core/kinsearch.h"

namespace kl {

int kinOfSealAndTone(int seal, int tone) {
    if (seal < 1 || seal > 20 || tone < 1 || tone > 13) return 0;
    // 20 and 13 are coprime: exactly one kin of the 260 has both.
    for (int kin = seal; kin <= 260; kin += 20)
        if ((kin - 1) % 13 + 1 == tone) return kin;
    return 0;
}

std::vector<GregorianDate> findKinDates(int kin, GregorianDate from, int count) {
    std::vector<GregorianDate> dates;
    if (kin < 1 || kin > 260 || count <= 0 || !isValidDate(from)) return dates;
    from.weekDay = 0;
    const auto isLeapDay = [](const GregorianDate& d) { return d.month == 2 && d.day == 29; };
    const auto addLeapDayAfter = [&](const GregorianDate& d) {
        if (d.month == 2 && d.day == 28 && isGregorianLeapYear(d.year)) {
            GregorianDate leap = d;
            leap.day = 29;
            dates.push_back(leap);
        }
    };
    GregorianDate d = from;
    if (isLeapDay(from)) {
        // 29 February reads as 28 February; the walk goes on from 1 March.
        if (computeCalendarDay(from).kin == kin && isGregorianLeapYear(from.year)) {
            dates.push_back(from);
            --count;
        }
        d.day = 28;
        const GregorianDate next = stepDate(d, 1);
        if (next == d) return dates;
        d = next;
    }
    if (count <= 0) return dates;
    const int offset = ((kin - computeCalendarDay(d).kin) % 260 + 260) % 260;
    if (offset != 0) {
        const GregorianDate first = stepDate(d, offset);
        if (first == d) return dates;
        d = first;
    }
    for (int i = 0; i < count; ++i) {
        if (i > 0) {
            const GregorianDate next = stepDate(d, 260);
            if (next == d) break;  // beyond the last year the engine holds
            d = next;
        }
        dates.push_back(d);
        addLeapDayAfter(d);
    }
    return dates;
}

}  // namespace kl
