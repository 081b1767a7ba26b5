// The full-screen view picture: its size, background and the line that
// centred placements are measured from. Plain numbers, shared by the
// renderers, the picture generator and the tests.
#pragma once

#include "layout/colour.h"

namespace kl::layout {

inline constexpr int kViewWidth = 670;
inline constexpr int kViewHeight = 550;
inline constexpr Rgb kViewBackground{7, 0, 35};
// x of the vertical centre line of the views: a centred placement at offset
// x starts at kViewCentre + x - width / 2.
inline constexpr int kViewCentre = 299;
// The year view and the print manager's page are centred on half the view
// picture's width instead.
inline constexpr int kViewHalfWidth = kViewWidth / 2;

// Left edge of something `width` wide centred at offset x (truncating).
constexpr int centredLeft(int x, int width, int centre = kViewCentre) { return centre + x - width / 2; }

// A box of the view: left, top, width, height; empty when either side is not positive.
struct ViewBox {
    int left = 0, top = 0, width = 0, height = 0;
    constexpr int right() const { return left + width; }    // outside the box
    constexpr int bottom() const { return top + height; }   // outside the box
    constexpr bool empty() const { return width <= 0 || height <= 0; }
    constexpr bool intersects(const ViewBox& o) const {
        return !empty() && !o.empty() && left < o.right() && o.left < right() && top < o.bottom() &&
               o.top < bottom();
    }
    friend constexpr bool operator==(const ViewBox&, const ViewBox&) = default;
};

// The day's moon in the day view and on the book-of-kins page.
inline constexpr int kViewMoonSize = 60;

}  // namespace kl::layout
