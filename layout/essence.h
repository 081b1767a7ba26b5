// The day's essence beside the seal on the compact face and the day view:
// "Essence: WORD" on one row when it ends left of the moon; otherwise the
// label and the word on rows of their own, with the kin and tone rows lifted
// to make room and the word in the largest font that keeps it clear of the
// moon.
#pragma once

#include <array>

namespace kl::layout::essence {

inline constexpr int kLeft = 304;   // the left edge of the kin, tone and essence rows
inline constexpr int kRight = 389;  // the rows end left of the moon at x 390

// y of the kin, tone, essence label and essence word rows (the word row
// only when the essence takes two).
struct Rows {
    int kin, tone, label, word;
};
inline constexpr Rows kFaceOneRow{188, 202, 214, 0};
inline constexpr Rows kDayViewOneRow{184, 198, 210, 0};
// Four rows between the seal's name and the guide's glyph at y 229: the
// word's letters end above the glyph, the kin row's start below a seal name
// set on two rows.
inline constexpr Rows kTwoRows{181, 193, 204, 216};

// The fonts an essence word on its own row is tried in, largest first: the
// row's own font, then narrower ones.
inline constexpr int kOneRowPreset = 3;
inline constexpr std::array<int, 3> kWordPresets{3, 16, 17};

// Where the rows go and the word's preset, given the width of "Caption:
// WORD" in kOneRowPreset and a measure of the word alone in a preset.
struct Setting {
    Rows rows;
    bool twoRows = false;
    int wordPreset = kOneRowPreset;
};
template <class WordWidth>
constexpr Setting choose(int oneRowWidth, const Rows& oneRow, WordWidth wordWidth) {
    constexpr int room = kRight - kLeft;
    if (oneRowWidth <= room) return {oneRow, false, kOneRowPreset};
    Setting s{kTwoRows, true, kWordPresets.back()};
    for (int preset : kWordPresets)
        if (wordWidth(preset) <= room) {
            s.wordPreset = preset;
            break;
        }
    return s;
}

}  // namespace kl::layout::essence
