#include "ui/fullscreen/picturecanvas.h"

#include <cstring>

#include "layout/viewgeometry.h"
#include "ui/fullscreen/moonpicture.h"
#include "ui/fullscreen/renderstate.h"
#include "ui/fullscreen/scaledsign.h"
#include "ui/fullscreen/signrenderer.h"
#include "ui/fullscreen/textrenderer.h"

namespace kl {

void PictureCanvas::drawtxt(int x, int y, const std::string& text, int preset, bool centred) {
    drawtxtOn(view_, x, y, text, preset, centred, centreLine());
}

void PictureCanvas::sign(int x, int y, int code, bool centred) {
    drawsignOn(USEPB2 ? scratch_ : view_, x, y, code, centred);
}

void PictureCanvas::drawsignIn(const layout::ViewBox& box, int code) {
    drawScaledSignOn(USEPB2 ? scratch_ : view_, box, code);
}

void PictureCanvas::xmoon(std::int32_t moonPhase, int x, int y) { xmoonOn(view_, moonPhase, x, y, settings_._Mlinear); }

void PictureCanvas::drawtxt2(int x, int y, const std::string& text, int preset, int startAngle, int endAngle,
                             int radius, bool rainbow, bool centreLine, bool centreUp) {
    drawtxt2On(view_, x, y, text, preset, startAngle, endAngle, radius, rainbow, centreLine, centreUp);
}

void PictureCanvas::paint(const std::function<void(platform::Painter&)>& draw) {
    platform::Painter painter(view_);
    draw(painter);
}

bool PictureCanvas::beginScratch() {
    // Made at the first use, of the view's size and set.
    if (scratch_.width() != view_.width() || scratch_.height() != view_.height() || scratch_.scale() != view_.scale()) {
        scratch_ = platform::Picture(view_.width(), view_.height(), layout::kViewBackground);
        scratch_.setScale(view_.scale());
    } else {
        scratch_.fill(layout::kViewBackground);
    }
    USEPB2 = true;
    return true;
}

bool PictureCanvas::endScratch() {
    USEPB2 = false;
    return showScratch();
}

bool PictureCanvas::showScratch() {
    if (scratch_.isNull() || scratch_.width() != view_.width() || scratch_.height() != view_.height()) return false;
    // Into the view's own pixels: sharing the scratch's would cost the view
    // a fresh copy at its next fill.
    for (int y = 0; y < view_.height(); ++y) std::memcpy(view_.row(y), scratch_.row(y), 3 * std::size_t(view_.width()));
    return true;
}

}  // namespace kl
