// Named lines of the text database BASE.DRS that the views read. A name with
// a "+ n" comment starts a block: the view adds the number shown.
#pragma once

namespace kl::layout::base {

inline constexpr int kSealWord = 0;            // "Seal"
inline constexpr int kSealName = 0;            // + seal 1..20, nominative
inline constexpr int kMoonWordDash = 28;       // " Moon -"
inline constexpr int kMoonWord = 29;           // " Moon"
inline constexpr int kToneWord = 34;           // "Tone"
inline constexpr int kToneMeaning = 34;        // + tone 1..13
inline constexpr int kPlasmaName = 49;         // + plasma 1..7
inline constexpr int kDayWord = 59;            // "Day"
inline constexpr int kKinWord = 60;            // "Kin"
inline constexpr int kToneCaption = 61;        // "Tone", before the month's action
inline constexpr int kTzolkinTitle = 63;
inline constexpr int kMoonName = 66;           // + month 1..13
inline constexpr int kSealGenitive = 80;       // + seal 1..20
inline constexpr int kToneWordFirst = 103;     // + tone, word form 1
inline constexpr int kToneWordSecond = 116;    // + tone, word form 0
inline constexpr int kColourWordFirst = 130;   // + colour 1..4, word form 1
inline constexpr int kColourWordSecond = 134;  // + colour 1..4, word form 0
inline constexpr int kAntipode = 145;
inline constexpr int kAnalog = 146;
inline constexpr int kOccult = 147;
inline constexpr int kTeacher = 149;
inline constexpr int kToneAction = 150;        // + tone or month 1..13
inline constexpr int kPlasmaCaption = 165;
inline constexpr int kMoonPhaseCaption = 166;
inline constexpr int kEssence = 168;
inline constexpr int kSealEssence = 170;       // + seal 1..20
inline constexpr int kOracleTitle = 390;
inline constexpr int kOracleSubtitle = 391;
inline constexpr int kToday = 392;
inline constexpr int kKinCaption = 402;
inline constexpr int kPortalsFirst = 414;
inline constexpr int kPortalsSecond = 415;
inline constexpr int kMysticColumn = 416;
inline constexpr int kWavespellModule = 417;
inline constexpr int kCreationDays = 418;
inline constexpr int kDayOutOfTime = 419;
inline constexpr int kDootDay = 420;
inline constexpr int kYearWord = 422;
inline constexpr int kThirteenMoons = 423;
inline constexpr int kDootOutOfTime = 424;
inline constexpr int kFiveCastles = 425;
inline constexpr int kCastleColour = 426;      // + castle 1..5
inline constexpr int kCastleName = 431;        // + castle
inline constexpr int kCastleCourt = 436;       // + castle
inline constexpr int kCastleKins = 442;        // + castle
inline constexpr int kWavespellName = 447;     // + wavespell 1..20
inline constexpr int kMoonTotemCaption = 469;
inline constexpr int kMoonTotem = 469;         // + month 1..13
inline constexpr int kWavespellKins = 523;     // + 2 x wavespell
inline constexpr int kWavespellAim = 524;      // + 2 x wavespell
inline constexpr int kWeekWord = 566;
inline constexpr int kPlanet = 566;            // + 1..10, the Tzolkin rows

}  // namespace kl::layout::base
