// Where the page sits on the paper, and how large it is shown: plain
// arithmetic shared by the set-up preview, printing, the PDF writer and the
// page view. No Qt.
#pragma once

#include <cstdint>

namespace kl::print {

// Nearest integer, halves to even (2.5 gives 2, 3.5 gives 4).
double roundHalfEven(double v);

// Margins are 0..kMaxMargin percent; larger ones would leave no paper.
inline constexpr int kMaxMargin = 45;

struct FitRect {
    int left = 0, top = 0, width = 0, height = 0;
    friend bool operator==(const FitRect&, const FitRect&) = default;
};

// The rectangle a pageWidth x pageHeight page is stretched into on a
// sheetWidth x sheetHeight sheet with a margin of `margin` percent of the
// sheet's width (left and right) and height (top and bottom): the page keeps
// its aspect ratio, fills the free area in one direction and is centred in
// the other. The margin is taken into 0..kMaxMargin; an empty sheet or page
// gives an empty rectangle, and a non-empty fit is at least 1 x 1.
FitRect fitPage(int sheetWidth, int sheetHeight, int margin, int pageWidth, int pageHeight);

// The view zoom steps.
inline constexpr double kZoomStep = 1.414;
// The shown page is 1..kMaxShownSide pixels on each side.
inline constexpr int kMaxShownSide = 32767;

// round(side / zoom) kept within 1..kMaxShownSide.
int shownSide(int side, double zoom);
// The zoom nearest to `zoom` that shows a width x height page within
// 1..kMaxShownSide pixels on each side (1.0 for a zoom that is not a
// positive finite number).
double clampZoom(double zoom, int width, int height);
// The page coordinate of a point of the shown page: round(shown * zoom),
// halves to even, within the 32-bit range.
std::int32_t pageCoordinate(int shown, double zoom);

}  // namespace kl::print
