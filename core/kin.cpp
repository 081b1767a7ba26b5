#include "core/kin.h"

#include <algorithm>
#include <array>

namespace kl {

std::uint8_t guideSeal(std::uint8_t sign, std::uint8_t tone) {
    // Offset by tone 1..13; tones five apart share their guide offset.
    static constexpr std::array<int, 14> kOffset{0, 0, -8, 4, -4, 8, 0, -8, 4, -4, 8, 0, -8, 4};
    int g = sign + (tone <= 13 ? kOffset[tone] : 0);
    if (g > 20) g -= 20;
    if (g < 1) g += 20;
    return static_cast<std::uint8_t>(g);
}

bool isPortalKin(int kin) {
    static constexpr std::array<int, 32> kSingles{1,   20,  22,  39,  43,  50,  51,  58,
                                                  64,  69,  72,  77,  85,  88,  93,  96,
                                                  165, 168, 173, 176, 184, 189, 192, 197,
                                                  203, 210, 211, 218, 222, 239, 241, 260};
    if ((kin >= 106 && kin <= 115) || (kin >= 146 && kin <= 155)) return true;
    return std::find(kSingles.begin(), kSingles.end(), kin) != kSingles.end();
}

KinRelations computeKinRelations(const CalendarDay& day) {
    KinRelations r;
    const int s = day.sign;
    r.kin = day.kin;
    r.sign = day.sign;
    r.tone = day.tone;
    r.plasma = day.plasma;
    r.monthDay = day.monthDay;
    r.month = day.month;
    r.antipod = static_cast<std::uint8_t>(s + 10 > 20 ? s - 10 : s + 10);
    r.analog = static_cast<std::uint8_t>(s == 19 ? 20 : s == 20 ? 19 : 19 - s);
    r.ateacher = static_cast<std::uint8_t>(21 - s);
    r.guide = guideSeal(day.sign, day.tone);
    r.colour = static_cast<std::uint8_t>((s - 1) % 4 + 1);
    r.group = static_cast<std::uint8_t>((s - 1) / 4 + 1);
    static constexpr std::array<std::uint8_t, 21> kWordForm{0, 1, 1, 0, 1, 1, 1, 0, 0, 0, 0,
                                                            0, 1, 1, 1, 1, 1, 0, 1, 0, 1};
    r.wordForm = s >= 1 && s <= 20 ? kWordForm[s] : 0;
    r.portal = isPortalKin(day.kin) ? 1 : 0;
    r.midColumn = day.kin >= 121 && day.kin <= 140 ? 1 : 0;
    return r;
}

}  // namespace kl
