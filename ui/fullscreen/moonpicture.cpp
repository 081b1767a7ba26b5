#include "ui/fullscreen/moonpicture.h"

#include <algorithm>

#include "core/moonmask.h"
#include "data/errorlog.h"
#include "imaging/blend.h"
#include "imaging/moonoutline.h"
#include "layout/viewgeometry.h"
#include "ui/fullscreen/viewset.h"

namespace kl {

namespace {

constexpr const char* kMoonTexture = "graphic\\moon.bmp";
constexpr int kMaskSize = 100;         // the mask is drawn large and stretched down
constexpr int kDayInfoPageWidth = 380;  // the day-info export's page

}  // namespace

void drawmoon3(platform::Picture& mask, int p, bool linear) {
    const int w = mask.width();
    if (w <= 0) return;
    GreyCanvas grey(w);
    drawMoonMask(grey, p, linear, w);
    const int h = std::min(w, mask.height());
    for (int y = 0; y < h; ++y) {
        std::uint8_t* row = mask.row(y);
        for (int x = 0; x < w; ++x, row += 3) row[0] = row[1] = row[2] = grey.at(x, y);
    }
}

void xmoonOn(platform::Picture& view, std::int32_t moonPhase, int x, int y, bool linear) {
    try {
        const int p = moonPercent(moonPhase);
        const int s = view.scale();
        const int size = layout::kViewMoonSize * s;  // the moon in the view's pixels
        platform::Picture mask(kMaskSize, kMaskSize);
        drawmoon3(mask, p, linear);
        const platform::Picture texture = loadForView(view, kMoonTexture);
        blurrect(mask, 0, 0, kMaskSize - 1, kMaskSize - 1);
        const platform::Picture opacity = platform::Picture::fromImage(
            mask.image().scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        // The texture is the compact face's 60 x 60 moon (of the view's
        // set); any other size is cut or padded to it, black standing for
        // "not drawn".
        platform::Picture moon(size, size);
        for (int row = 0; row < std::min(texture.height(), moon.height()); ++row)
            std::copy_n(texture.row(row), 3 * std::min(texture.width(), moon.width()), moon.row(row));
        blendbmp(moon, view, &opacity, x * s, y * s, 200, kBlendMask);
        drawDarkMoonOutline(view, opacity, x * s, y * s, s);
    } catch (...) {
        reportFailure(101, "xmoon",
                      {"y:" + std::to_string(y), "mnx:" + std::to_string(x), "x:" + std::to_string(moonPhase)});
    }
}

void exportMoon(ScriptSink& sink, std::int32_t moonPhase, int x, int y) {
    const int p = moonPercent(moonPhase);
    const bool dayInfo = sink.canvasWidth == kDayInfoPageWidth;
    const int mx = dayInfo ? x - 109 : x + 40;
    const int my = dayInfo ? y - 50 : y + 2;
    sink.append("MOON " + std::to_string(mx) + " " + std::to_string(my) + " 60 " + std::to_string(p) + " IMAGE");
}

}  // namespace kl
