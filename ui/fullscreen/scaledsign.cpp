#include "ui/fullscreen/scaledsign.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "layout/signcodes.h"
#include "layout/signpalette.h"
#include "layout/signtable.h"
#include "platform/draw.h"
#include "platform/fonts.h"

namespace kl {

namespace {

struct Layer {
    std::string glyph;
    Rgb colour;
};

// The glyph that spans the family's whole design box (the box the others
// are placed in), and the layers of the sign, bottom first.
struct GlyphSign {
    std::string frame;
    std::vector<Layer> layers;
    double aspect = 1;
};

std::optional<GlyphSign> glyphSign(int code) {
    using namespace layout::code;
    namespace pal = layout::palette;
    if (inFamily(code, kLargeSeal, kSeals, true)) {
        const int seal = code == kLargeSeal ? 20 : code - kLargeSeal;
        // The tile in the seal's colour, the emblem in ink over it.
        return GlyphSign{"W", {{"W", pal::sealColour(seal - 1)}, {std::string(1, char('A' + seal - 1)), pal::kInk}}, 1.0};
    }
    if (inFamily(code, kLargeTone, kTones)) {
        const int tone = code - kLargeTone;
        // Tone 13 fills the box: a row of dots over the bars.
        return GlyphSign{"m", {{std::string(1, char('a' + tone - 1)), pal::kBone}},
                         double(layout::kToneLarge.w) / layout::kToneLarge.h};
    }
    if (inFamily(code, kLargePlasma, kPlasmas)) {
        const int plasma = code - kLargePlasma;
        // The disc's plate, then its rim and emblem in the plasma's colour.
        return GlyphSign{"X", {{"X", pal::kPlate}, {std::to_string(plasma), pal::sealColour(plasma + 2)}}, 1.0};
    }
    return std::nullopt;
}

}  // namespace

std::optional<double> scaledSignAspect(int code) {
    const auto sign = glyphSign(code);
    if (!sign) return std::nullopt;
    return sign->aspect;
}

namespace {

// The box a glyph really inks, in drawing units relative to its line box's
// top-left corner, found by drawing it on a picture of the target's scale:
// the font's own bounding boxes of the sign glyphs are not tight.
std::optional<layout::ViewBox> glyphInk(const platform::FontSpec& font, const std::string& glyph, int scale) {
    const int margin = font.pixelHeight / 2 + 2;
    platform::Picture scratch(scale * (platform::textWidth(font, glyph) + 2 * margin),
                              scale * (platform::lineHeight(font) + 2 * margin), Rgb{0, 0, 0});
    scratch.setScale(scale);
    {
        platform::Painter painter(scratch);
        painter.setFont(font);
        painter.setTextColour({255, 255, 255});
        painter.text(margin, margin, glyph);
    }
    int left = scratch.width(), top = scratch.height(), right = -1, bottom = -1;
    for (int y = 0; y < scratch.height(); ++y)
        for (int x = 0; x < scratch.width(); ++x)
            if (scratch.pixel(x, y).g > 0) {
                left = std::min(left, x), right = std::max(right, x);
                top = std::min(top, y), bottom = std::max(bottom, y);
            }
    if (right < 0) return std::nullopt;
    // Whole units that hold every inked pixel.
    const int l = left / scale, t = top / scale, r = right / scale + 1, b = bottom / scale + 1;
    return layout::ViewBox{l - margin, t - margin, r - l, b - t};
}

}  // namespace

namespace {

// The em at which a family's frame glyph fills a box, and the box it then
// inks.
struct Fit {
    int pixelHeight;
    layout::ViewBox ink;
};

std::optional<Fit> fitFrame(const std::string& frame, int width, int height, int scale) {
    // The em that makes the frame glyph fill the box: scaled from a
    // reference size, then stepped down while hinting leaves it too large.
    constexpr int kReference = 120;
    platform::FontSpec font{platform::kSignFontFamily, kReference};
    const std::optional<layout::ViewBox> reference = glyphInk(font, frame, scale);
    if (!reference) return std::nullopt;
    const double factor = std::min(double(width) / reference->width, double(height) / reference->height);
    font.pixelHeight = std::max(1, static_cast<int>(std::floor(kReference * factor)));
    std::optional<layout::ViewBox> ink = glyphInk(font, frame, scale);
    while (ink && font.pixelHeight > 1 && (ink->width > width || ink->height > height)) {
        --font.pixelHeight;
        ink = glyphInk(font, frame, scale);
    }
    if (!ink || ink->width > width || ink->height > height) return std::nullopt;
    return Fit{font.pixelHeight, *ink};
}

// The fits found so far: a page asks for the same few boxes on every paint,
// and each search draws and scans the glyph several times.
std::optional<Fit> cachedFit(const std::string& frame, int width, int height, int scale) {
    struct Known {
        std::string frame;
        int width, height, scale;
        std::optional<Fit> fit;
    };
    static std::vector<Known> known;
    for (const Known& k : known)
        if (k.frame == frame && k.width == width && k.height == height && k.scale == scale) return k.fit;
    const std::optional<Fit> fit = fitFrame(frame, width, height, scale);
    if (known.size() >= 32) known.clear();  // three families, a few boxes each, two scales
    known.push_back({frame, width, height, scale, fit});
    return fit;
}

}  // namespace

std::optional<layout::ViewBox> drawScaledSignOn(platform::Picture& target, const layout::ViewBox& box, int code) {
    const auto sign = glyphSign(code);
    if (!sign || box.empty() || !platform::fontFamilyAvailable(platform::kSignFontFamily)) return std::nullopt;
    const std::optional<Fit> fit = cachedFit(sign->frame, box.width, box.height, target.scale());
    if (!fit) return std::nullopt;
    const platform::FontSpec font{platform::kSignFontFamily, fit->pixelHeight};
    const layout::ViewBox& ink = fit->ink;
    // Every layer at the same origin: the glyphs of a family share one placement.
    const int x = box.left + (box.width - ink.width) / 2 - ink.left;
    const int y = box.top + (box.height - ink.height) / 2 - ink.top;
    platform::Painter painter(target);
    painter.setFont(font);
    for (const Layer& l : sign->layers) {
        painter.setTextColour(l.colour);
        painter.text(x, y, l.glyph);
    }
    return layout::ViewBox{x + ink.left, y + ink.top, ink.width, ink.height};
}

}  // namespace kl
