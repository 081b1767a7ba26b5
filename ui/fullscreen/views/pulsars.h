// Pulse lines: dotted lines stamped with a small masked picture, between
// the tone points of a wavespell (the pulsars of the wavespell view) or
// between two points (the year view's line to the current day).
#pragma once

#include <vector>

#include "layout/calendarviews.h"
#include "ui/fullscreen/viewcanvas.h"

namespace kl::views {

// The point of tone t (1..13) on the wavespell's U: tone 1 at (117, 61),
// 5 at (117, 425), 9 at (525, 425), 13 at (423, 152).
layout::Point tonexy(int tone);

// Where a line from (x1, y1) to (x2, y2) is stamped: one stamp per pixel
// step along its major axis, the other coordinate rounded to nearest (halves
// to even). The ends are taken in the order that makes the major axis run
// forward, so every line, vertical ones included, gets 1 + its length
// stamps whichever end it is given from.
std::vector<layout::Point> pulseStamps(int x1, int y1, int x2, int y2);

// The pulse pictures: 0 violet (the four-tone pulsar of tones 1, 5, 9, 13
// and the year view's line), 1..3 the colours of the other four-tone
// pulsars, 4 the overtone pulsars, 5 spare.
inline constexpr int kPulsePictures = 6;

// One pulse line in picture 0..5. With a > 0 it runs from the point of
// tone a to that of tone b; otherwise from (-a, -b) to (-e, -d). Stamps are
// blended through the pulse mask; one that would leave the view is skipped.
// A failure (a missing picture) is reported ("pulsar in fullmode").
void pulsar(ViewCanvas& canvas, int a, int b, int picture, int d, int e);

// The pulsars of a tone: `what` 0 the four-tone pulsar only, 1 the
// overtone pulsar only, 2 or more both (four-tone first). `type` 0..3
// turns the colours of the four-tone pulsars of tones 2, 3 and 4 mod 4.
void pulsars(ViewCanvas& canvas, int tone, int what, int type);

}  // namespace kl::views
