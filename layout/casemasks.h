// The case patterns texts are drawn through (applyCaseMask), one per
// language. The Russian texts are brought into their drawn case by patterns
// of their own; the English ones are written in the case they are shown in,
// so an English pattern is null (the text as it stands) unless the place
// wants capitals, and is then long enough for every word it may meet.
#pragma once

#include <array>

namespace kl::layout {

struct CaseMask {
    const char* russian;  // pattern letters: "A" capitalised, "B" capitals, "a" lower case
    const char* english;  // nullptr: as written
};

// A pattern only the Russian texts are drawn through (the telektonon's captions).
constexpr CaseMask russianCase(const char* pattern) { return {pattern, nullptr}; }

namespace casemask {
inline constexpr CaseMask kPlasmaCaption{"AB", nullptr};     // "Plasma:"
inline constexpr CaseMask kPlasmaName{"AB", nullptr};
inline constexpr CaseMask kNumberLabel{"Aa", nullptr};       // "Kin: 230", "Tone: 9"
inline constexpr CaseMask kMoonPhaseCaption{"Aaa", nullptr};
inline constexpr CaseMask kToday{"aaa", nullptr};            // under the moon phase caption
// The seal's essence in capitals after its label, on one row or on two.
inline constexpr CaseMask kEssenceRow{"AB", "ABBBBBBB"};
inline constexpr CaseMask kEssenceLabel{"A", nullptr};
inline constexpr CaseMask kEssenceWord{"B", "BBBBBBB"};
// The book of kins: kin and tone on one row, the kin's part shaped first.
inline constexpr CaseMask kBookKin{"Aaaaa", nullptr};
inline constexpr CaseMask kBookKinAndTone{"AABAAAAA", nullptr};

// The six affirmation rows on the compact face, in the day view and in the
// book of kins (which differs from the day view in its last row).
inline constexpr std::array<CaseMask, 6> kFaceAffirmation{{{"Aaaaaaaaaa", nullptr},
                                                           {"aaaaaaaaa", nullptr},
                                                           {"Aaaaaaaaaa", nullptr},
                                                           {"aaaaaaaaaaa", nullptr},
                                                           {"Aaaaaaaaaaaa", nullptr},
                                                           {"AaaaaAaaaaaaa", nullptr}}};
inline constexpr std::array<CaseMask, 6> kViewAffirmation{{{"Aaaaaaaaaaaa", nullptr},
                                                           {"aaaaaaaaaaaa", nullptr},
                                                           {"Aaaaaaaaaaaa", nullptr},
                                                           {"aaaaaaaaaaaa", nullptr},
                                                           {"Aaaaaaaaaaaa", nullptr},
                                                           {"AaaaaAaaaaaaa", nullptr}}};
inline constexpr std::array<CaseMask, 6> kBookAffirmation{{{"Aaaaaaaaaaaa", nullptr},
                                                           {"aaaaaaaaaaaa", nullptr},
                                                           {"Aaaaaaaaaaaa", nullptr},
                                                           {"aaaaaaaaaaaa", nullptr},
                                                           {"Aaaaaaaaaaaa", nullptr},
                                                           {"AaaaaAaaaaaa", nullptr}}};
}  // namespace casemask

}  // namespace kl::layout
