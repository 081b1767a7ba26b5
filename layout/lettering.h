// Letter-by-letter captions: where each letter of an arc caption sits and
// how it is turned, and the rainbow its letters can be coloured along.
#pragma once

#include "layout/colour.h"

namespace kl::layout {

// Letter i (from 0) of n along an arc of `radius` around (x, y), from
// startAngle towards endAngle in degrees counter-clockwise: the letter sits
// at the angle before its step and is turned by the angle after it, a - 90
// while that is at most 180 and a + 90 beyond; `escapement` in tenths of a
// degree. n must be at least 1.
struct ArcLetter {
    int x, y, escapement;
};
ArcLetter arcLetter(int x, int y, int startAngle, int endAngle, int radius, int i, int n);

// The rainbow colour of position 0..120: six 20-step ramps red, yellow,
// green, cyan, blue, magenta and back towards red. Each ramp takes the low
// byte of its rounded value, so a ramp's first step wraps (41 gives blue
// 12). White above 120, black below 0.
Rgb rainbow(int position);

}  // namespace kl::layout
