#include "ui/fullscreen/views/shine.h"

#include "data/errorlog.h"
#include "imaging/blend.h"
#include "platform/picture.h"
#include "ui/fullscreen/viewset.h"

namespace kl::views {

namespace {

constexpr int kLastShineType = 8;
// The moon-month view's colours: shine2, 7, 8 and 9 through shine2t.
constexpr int kSharedMaskShine = 2;

}  // namespace

ShineFiles shineFiles(int type) {
    if (type < 0 || type > kLastShineType) return {};
    const std::string picture = "graphic\\shine" + std::to_string(type + 1) + ".bmp";
    const bool sharedMask = type == 1 || type >= 6;
    const int maskOf = sharedMask ? kSharedMaskShine : type + 1;
    return {picture, "graphic\\shine" + std::to_string(maskOf) + "t.bmp"};
}

std::string shineCaption(int blendResult) {
    switch (blendResult) {
        case kBlendDone: return "OK";
        case kBlendTooWide: return ">X";
        case kBlendTooTall: return ">Y";
        case kBlendLeftNegative: return "<X";
        case kBlendTopNegative: return "<Y";
        default: return "Error!!!";
    }
}

void shine(ViewContext& v, int x, int y, int type) {
    const ShineFiles files = shineFiles(type);
    platform::Picture* view = v.canvas.picture();
    if (files.picture.empty() || !view) return;  // an export has no shine
    try {
        const platform::Picture picture = loadForView(*view, files.picture);
        const platform::Picture mask = loadForView(*view, files.mask);
        const int result = blendIntoView(picture, *view, &mask, x, y, 0, kBlendMask);
        if (v.hooks.setCaption) v.hooks.setCaption(shineCaption(result));
    } catch (...) {
        reportFailure(101, "loadrect in fullmode",
                      {"shine type:" + std::to_string(type), "x:" + std::to_string(x), "y:" + std::to_string(y)});
    }
}

}  // namespace kl::views
