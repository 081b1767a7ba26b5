// How well a colour reads on another: the relative luminance and contrast
// ratio of the accessibility guidelines for the web (sRGB channels made
// linear, then 0.2126 R + 0.7152 G + 0.0722 B; ratio (L1 + 0.05) / (L2 +
// 0.05), lighter over darker), and the least change that makes a colour
// reach a ratio on a ground.
#pragma once

#include "layout/colour.h"

namespace kl::layout {

// Text reaches this ratio against what is under it (level AA, body text).
inline constexpr double kMinTextContrast = 4.5;

// 0 for black .. 1 for white.
double relativeLuminance(Rgb c);
// 1 (the same luminance) .. 21 (black on white); symmetric.
double contrastRatio(Rgb a, Rgb b);

// `colour` mixed with white (on a dark ground) or black (on a light one) by
// the least step of 1/255 that reaches `ratio` against `ground`; the colour
// itself when it already does, the end it is mixed towards when nothing less
// does. The hue stays, only lighter or darker.
Rgb liftedTo(Rgb colour, Rgb ground, double ratio = kMinTextContrast);

}  // namespace kl::layout
