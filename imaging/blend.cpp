#include "imaging/blend.h"

#include <algorithm>
#include <vector>

#include <QRect>

#include "imaging/blendrows.h"

namespace kl {

using platform::Picture;
using platform::Region;
using platform::Rgb;

std::uint8_t blendbmp(const Picture& source, Picture& dest, const Picture* mask, int left, int top,
                      int alpha, int mode) {
    const int w = source.width(), h = source.height();
    // Checked from the lowest rank up, so the last one that holds wins.
    std::uint8_t code = kBlendDone;
    if (mode != kBlendOpacity && (!mask || mask->width() != w || mask->height() != h))
        code = kBlendMaskSize;
    // In 64 bits: a position near the end of the int range must not wrap
    // round into the picture.
    if (dest.width() < std::int64_t{left} + w) code = kBlendTooWide;
    if (dest.height() < std::int64_t{top} + h) code = kBlendTooTall;
    if (left < 0) code = kBlendLeftNegative;
    if (top < 0) code = kBlendTopNegative;
    if (code != kBlendDone) return code;
    if (mode < kBlendMask || mode > kBlendKeyColour) return kBlendFailed;
    if (w == 0 || h == 0) return kBlendDone;

    try {
        const auto a = static_cast<std::uint8_t>(std::clamp(alpha, 0, 255));
        const Rgb key = mode == kBlendKeyColour ? mask->pixel(0, 0) : Rgb{};
        for (int r = 0; r < h; ++r) {
            std::uint8_t* d = dest.row(top + r) + 3 * left;
            const std::uint8_t* s = source.row(r);
            switch (mode) {
                case kBlendMask: blendrows::mixRow(d, s, mask->row(r), false, 0, 3 * w); break;
                case kBlendInverseMask: blendrows::mixRow(d, s, mask->row(r), true, 0, 3 * w); break;
                case kBlendOpacity: blendrows::mixRow(d, s, nullptr, false, a, 3 * w); break;
                default: blendrows::keyRow(d, s, key, w); break;
            }
        }
    } catch (...) {
        return kBlendFailed;
    }
    return kBlendDone;
}

void blurrect(Picture& picture, int x1, int y1, int x2, int y2) { blurrect(picture, x1, y1, x2, y2, {}); }

void blurrect(Picture& picture, int x1, int y1, int x2, int y2, const std::function<void(int row)>& onRow) {
    const int width = picture.width(), height = picture.height();
    x1 = std::max(x1, 0);
    y1 = std::max(y1, 0);
    x2 = std::min(x2, width - 1);
    y2 = std::min(y2, height - 1);
    if (x1 > x2 || y1 > y2) return;

    // Sums are taken from the unchanged picture. A row is written back as
    // soon as it is done, so the original of the row above is kept aside;
    // the rows below are not written yet. Each 3x3 sum is the sum of three
    // column sums, which gives the same integer as adding the nine pixels.
    const std::size_t stride = 3 * static_cast<std::size_t>(width);
    std::vector<std::uint8_t> above(stride), current(stride), out(stride);
    std::vector<std::uint16_t> columns(stride);
    const int c0 = std::max(x1 - 1, 0), c1 = std::min(x2 + 1, width - 1);  // columns the sums read
    for (int y = y1; y <= y2; ++y) {
        if (onRow) onRow(y);
        const std::uint8_t* up = y == y1 ? picture.row(y > 0 ? y - 1 : y) : above.data();
        std::uint8_t* mid = picture.row(y);
        const std::uint8_t* down = picture.row(y < height - 1 ? y + 1 : y);
        for (std::size_t i = 3 * static_cast<std::size_t>(c0); i < 3 * static_cast<std::size_t>(c1) + 3; ++i)
            columns[i] = static_cast<std::uint16_t>(up[i] + mid[i] + down[i]);
        for (int x = x1; x <= x2; ++x) {
            const std::size_t l = 3 * static_cast<std::size_t>(x > 0 ? x - 1 : x);
            const std::size_t c = 3 * static_cast<std::size_t>(x);
            const std::size_t r = 3 * static_cast<std::size_t>(x < width - 1 ? x + 1 : x);
            for (int ch = 0; ch < 3; ++ch)
                out[c + ch] = static_cast<std::uint8_t>((columns[l + ch] + columns[c + ch] + columns[r + ch]) / 9u);
        }
        if (y < y2) std::copy(mid, mid + stride, current.begin());
        std::copy(out.begin() + 3 * x1, out.begin() + 3 * (x2 + 1), mid + 3 * x1);
        std::swap(above, current);
    }
}

// The union of rects[lo, hi), built by halves: markers may overlap, and
// adding them one by one costs the square of their number.
static Region unionOf(const std::vector<QRect>& rects, std::size_t lo, std::size_t hi) {
    if (hi - lo == 1) return Region(rects[lo]);
    const std::size_t mid = lo + (hi - lo) / 2;
    return unionOf(rects, lo, mid).united(unionOf(rects, mid, hi));
}

Region bmptorgn(const Picture& picture, std::uint32_t keyColour, bool keepKey) {
    const Rgb key = platform::rgbFromColorRef(keyColour);
    const int width = picture.width(), height = picture.height();

    // Each row becomes its runs of region pixels; vertically adjacent rows
    // with the same runs share one band, which is the form QRegion keeps, so
    // the rectangles can be handed over in one step.
    std::vector<QRect> rects;
    std::vector<std::pair<int, int>> runs, bandRuns;  // [start, end) columns
    int bandTop = 0, bandHeight = 0;
    auto flushBand = [&] {
        for (const auto& [x0, x1] : bandRuns) rects.emplace_back(x0, bandTop, x1 - x0, bandHeight);
        bandRuns.clear();
        bandHeight = 0;
    };

    std::vector<QRect> markerRects;
    bool markerOpen = false;
    int markerX = 0, markerY = 0;

    for (int y = 0; y < height; ++y) {
        runs.clear();
        const std::uint8_t* p = picture.row(y);
        int runStart = -1;
        for (int x = 0; x < width; ++x, p += 3) {
            const std::uint8_t r = p[0], g = p[1], b = p[2];
            bool in;
            if (r == 255 && g < 50 && b == 0) {
                in = false;
                if (g == 0) {  // a corner marker
                    if (!markerOpen) {
                        markerOpen = true;
                        markerX = x;
                        markerY = y;
                    } else {
                        markerOpen = false;
                        markerRects.push_back(QRect(QPoint(std::min(markerX, x), markerY),
                                                    QPoint(std::max(markerX, x), y)));
                    }
                }
            } else if (keepKey) {
                in = r == key.r && g == key.g && b == key.b;
            } else {
                in = r != key.r && g != key.g && b != key.b;
            }
            if (in && runStart < 0) runStart = x;
            if (!in && runStart >= 0) {
                runs.emplace_back(runStart, x);
                runStart = -1;
            }
        }
        if (runStart >= 0) runs.emplace_back(runStart, width);

        if (bandHeight > 0 && runs == bandRuns) {
            ++bandHeight;
        } else {
            flushBand();
            if (!runs.empty()) {
                bandRuns.swap(runs);
                bandTop = y;
                bandHeight = 1;
            }
        }
    }
    flushBand();

    Region region;
    if (!rects.empty()) region.setRects(rects.data(), static_cast<int>(rects.size()));
    if (!markerRects.empty()) region += unionOf(markerRects, 0, markerRects.size());
    return region;
}

}  // namespace kl
