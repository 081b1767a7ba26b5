// The dark moon's outline: on a day the moon shows (almost) nothing, the
// sky still shows where its disc is, so the moon pictures draw a faint ring
// where the disc's edge lies in the dark.
#pragma once

#include "platform/picture.h"

namespace kl {

// Lit share of the disc below which the moon counts as dark: a new-moon
// day's sliver at most.
inline constexpr double kDarkMoonLitShare = 0.03;

// Share (0..1) of the disc inside `opacity` (a square moon mask, white lit)
// that the mask lights, pixels counted by their mask value.
double litShare(const platform::Picture& opacity);

// When `opacity` lights less than kDarkMoonLitShare of its disc, blends a
// faint ring along the disc's edge into `dest` with the mask's top-left at
// (left, top), only where the mask is dark. Otherwise, or when the moon
// would not fit inside `dest`, leaves `dest` unchanged. `scale` is the
// pixels per unit of the picture set the moon is drawn in: the ring's weight
// grows that many times, so it keeps its share of the disc.
void drawDarkMoonOutline(platform::Picture& dest, const platform::Picture& opacity, int left, int top, int scale = 1);

}  // namespace kl
