// The font presets of the full-screen views. Presets 1..6 are also the six
// fonts of the compact face (face font n is preset n), so the face and the
// views measure texts alike; 16 and 17 set a long essence word on its own row
// in both.
#pragma once

#include <array>
#include <cstdlib>

#include "layout/colour.h"

namespace kl::layout {

struct FontPreset {
    const char* face;  // the requested face; the font system may substitute
    int pixelHeight;   // negative: character height in pixels
    bool bold;
    Rgb colour;
};

inline constexpr Rgb kWhite{255, 255, 255};

inline constexpr std::array<FontPreset, 18> kFontPresets{{
    {"Arial", -11, true, kWhite},              // 0
    {"Arial", -12, true, kWhite},              // 1: affirmation rows of the face
    {"Arial", -13, true, kWhite},              // 2: names, affirmation rows of the views
    {"Arial", -11, true, kWhite},              // 3: captions
    {"Arial", -16, true, kWhite},              // 4: page titles
    {"Verdana", -13, true, kWhite},            // 5: text pages and help
    {"Arial", -9, false, kWhite},              // 6: small print
    {"Arial", -21, false, kWhite},             // 7: the Tzolkin title
    {"Arial", -16, true, kWhite},              // 8: moon name and totem
    {"Arial", -9, false, {255, 0, 0}},         // 9..15: the Tzolkin rows' colours
    {"Arial", -9, false, {64, 120, 255}},      // 10
    {"Arial", -9, false, {255, 217, 0}},       // 11
    {"Arial", -9, false, {192, 192, 192}},     // 12
    {"Arial", -9, false, {255, 102, 102}},     // 13
    {"Arial", -9, false, {102, 140, 255}},     // 14
    {"Arial", -9, false, {255, 255, 0}},       // 15
    {"Arial Narrow", -11, true, kWhite},       // 16: an essence word on its own row
    {"Arial Narrow", -9, true, kWhite},        // 17: the same for the longest words
}};

inline constexpr int kFacePresetFirst = 1, kFacePresetLast = 6;
// The face's tone-and-seal line and the views' copies of it are split in two
// when this font makes it kSealLineSplit pixels wide or wider.
inline constexpr int kSealLinePreset = 2;
inline constexpr int kSealLineSplit = 218;

// The size a script's FONT line gives for a preset: round(|px| x 72 / 96),
// the point size at 96 pixels per inch, so a script reads the same on every
// screen. Halves cannot occur for the heights in use.
constexpr int pointSize(int pixelHeight) {
    const int px = pixelHeight < 0 ? -pixelHeight : pixelHeight;
    return (px * 72 + 48) / 96;
}

}  // namespace kl::layout
