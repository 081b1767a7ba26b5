// The sign codes of the full-screen views by family, part of the sign table
// (layout/signtable.h), which says what each code's picture is.
#pragma once

namespace kl::layout {

// The families of sign codes by the number that indexes them: the code of
// member n is base + n. The sign table's rows (signtable.cpp) hold the codes
// each family reaches with their picture size, and check at compile time
// that every family lies on rows of its size.
namespace code {
inline constexpr int kSeals = 20, kTones = 13, kPlasmas = 7;
inline constexpr int kLargeSeal = 0;       // + seal 1..20; 0 is seal 20 as well
inline constexpr int kSmallSeal = 30;      // + seal 1..20; 30 is seal 20 as well
inline constexpr int kLargeTone = 50;      // + tone 1..13
inline constexpr int kLargePlasma = 70;    // + plasma 1..7
inline constexpr int kSeal45 = 77;         // + seal 1..20, the 45-pixel set
inline constexpr int kSeal35 = 97;         // + seal 1..20
inline constexpr int kTone45 = 117;        // + tone 1..13, the 45-pixel set
inline constexpr int kPlasma35 = 130;      // + plasma 1..7
inline constexpr int kFrame = 137;         // + cromatic 1..4, frames 1..4
inline constexpr int kTone35 = 141;        // + tone 1..13
inline constexpr int kYearSeal = 154;      // + seal 1..20, the 15-pixel set
inline constexpr int kYearTone = 165;      // + tone + 13 x cromatic, the year view's tone strips
inline constexpr int kYearToneFirst = 179; // the first of them (cromatic 1, tone 1)
inline constexpr int kYearFrame = 174;     // + cromatic 1..4
inline constexpr int kDot = 232;
inline constexpr int kFigurePieceZero = 233, kFigurePieceOne = 234;  // a line figure's 0 and 1 lines
inline constexpr int kWeekFrame = 234;     // + cromatic 1..4, frames 5..8
inline constexpr int kSpecialKin = 239;
inline constexpr int kTzolkinBoard = 240;
inline constexpr int kWavespellBoard = 241;
inline constexpr int kKin78 = 243;
inline constexpr int kWingsBoard = 244;
inline constexpr int kFigure = 250;        // + figure number 1..64
inline constexpr int kRune = 314;          // + day of the moon 1..28
inline constexpr int kMoonDaySign = 343;   // + day of the moon 1..28
inline constexpr int kDootDot = 372;
inline constexpr int kTelektononBoard = 373;
inline constexpr int kVinal50 = 373;       // + vinal 1..19
inline constexpr int kVinal40 = 392;       // + vinal 1..19
inline constexpr int kVinalCount = 411;    // + day of the vinal 1..18
inline constexpr int kWeekLines = 431;     // + 3 x (week mod 4): top, bottom, side

// True when `code` is member 1..count of the family at `base` (or, with
// `zero`, its code `base` itself, as the large and small seals' 0 and 30).
constexpr bool inFamily(int code, int base, int count, bool zero = false) {
    return code >= (zero ? base : base + 1) && code <= base + count;
}
}  // namespace code

}  // namespace kl::layout
