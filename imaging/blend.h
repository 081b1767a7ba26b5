// Pixel routines shared by every drawing path: blending a picture into a
// larger one, a 3x3 box blur, and tracing a picture into a window region.
// They keep no state and work on 24-bit pictures row by row.
#pragma once

#include <cstdint>
#include <functional>

#include "platform/picture.h"
#include "platform/region.h"

namespace kl {

// blendbmp modes
inline constexpr int kBlendMask = 0;         // mask white shows the source, black keeps the destination
inline constexpr int kBlendInverseMask = 1;  // mask black shows the source
inline constexpr int kBlendOpacity = 2;      // constant opacity `alpha`, mask unused
inline constexpr int kBlendKeyColour = 3;    // source pixels of the mask's top-left colour are skipped

// blendbmp results. When several of 1..5 hold, the one reported is the first
// of 4, 3, 2, 1, 5; nothing is drawn then.
inline constexpr std::uint8_t kBlendDone = 0;
inline constexpr std::uint8_t kBlendTooWide = 1;     // dest width < left + source width
inline constexpr std::uint8_t kBlendTooTall = 2;     // dest height < top + source height
inline constexpr std::uint8_t kBlendLeftNegative = 3;
inline constexpr std::uint8_t kBlendTopNegative = 4;
inline constexpr std::uint8_t kBlendMaskSize = 5;    // mode != 2 and the mask is absent or of another size
inline constexpr std::uint8_t kBlendFailed = 6;      // drawing failed part-way, or the mode is unknown

// Draws all of `source` into `dest` with its top-left pixel at (left, top).
// Per channel, with w the mask value (mode 0), 255 - mask (mode 1) or alpha
// (mode 2): dest = round((255 - w) * d / 255 + w * s / 255), halves to even.
// Mode 3 copies every source pixel whose colour differs from the mask's
// pixel (0, 0). Alpha outside 0..255 is taken as the nearest end.
std::uint8_t blendbmp(const platform::Picture& source, platform::Picture& dest,
                      const platform::Picture* mask, int left, int top, int alpha, int mode);

// Smooths columns x1..x2 and rows y1..y2 (inclusive) in place: each channel
// becomes the truncated mean of its 3x3 neighbourhood in the unchanged
// picture, a neighbour beyond the picture's edge being the pixel itself.
// The rectangle is clipped to the picture.
void blurrect(platform::Picture& picture, int x1, int y1, int x2, int y2);
// The same, calling `onRow` with each row's index before that row is
// smoothed (for a progress bar); the result does not depend on it.
void blurrect(platform::Picture& picture, int x1, int y1, int x2, int y2, const std::function<void(int row)>& onRow);

// The region of a picture. keepKey false: the pixels whose R, G and B all
// differ from the key's; true: the pixels of exactly the key colour.
// Pixels with R = 255, G < 50, B = 0 are markers and never belong to the
// region themselves; pure red ones pair up in scanning order, and each pair
// adds the rectangle spanned by its two pixels. `keyColour` is in the
// Windows layout (low byte R).
platform::Region bmptorgn(const platform::Picture& picture, std::uint32_t keyColour, bool keepKey);

// round(((255 - w) * d + w * s) / 255) for w, d, s in 0..255, the rule of
// modes 0..2.
constexpr std::uint8_t mixChannel(unsigned w, unsigned d, unsigned s) {
    // The exact quotient is never halfway between two integers (255 is odd),
    // so adding 127 and truncating gives the nearest integer.
    const unsigned n = (255 - w) * d + w * s + 127;               // [127, 65152]
    return static_cast<std::uint8_t>((n + 1 + (n >> 8)) >> 8);  // n / 255 for n < 65535
}

}  // namespace kl
