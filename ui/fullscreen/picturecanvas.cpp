#include "ui/fullscreen/picturecanvas.h"

#include <cstring>

#include "imaging/blend.h"
#include "ui/fullscreen/moonpicture.h"
#include "ui/fullscreen/renderstate.h"
#include "ui/fullscreen/signrenderer.h"
#include "ui/fullscreen/textrenderer.h"

namespace kl {

void PictureCanvas::drawtxt(int x, int y, const std::string& text, int preset, bool centred) {
    drawtxtOn(view_, x, y, text, preset, centred, centreLine());
}

void PictureCanvas::sign(int x, int y, int code, bool centred) {
    drawsignOn(USEPB2 ? scratch_ : view_, x, y, code, centred);
}

void PictureCanvas::xmoon(std::int32_t moonPhase, int x, int y) { xmoonOn(view_, moonPhase, x, y); }

void PictureCanvas::drawtxt2(int x, int y, const std::string& text, int preset, int startAngle, int endAngle,
                             int radius, bool rainbow, bool centreLine, bool centreUp) {
    drawtxt2On(view_, x, y, text, preset, startAngle, endAngle, radius, rainbow, centreLine, centreUp);
}

void PictureCanvas::paint(const std::function<void(platform::Painter&)>& draw) {
    platform::Painter painter(view_);
    draw(painter);
}

void PictureCanvas::blend(const platform::Picture& piece, const platform::Picture& mask, int left, int top,
                          int alpha) {
    blendbmp(piece, view_, &mask, left, top, alpha, kBlendMask);
}

bool PictureCanvas::keepView(platform::Picture& into) const {
    into = view_;
    return true;
}

bool PictureCanvas::restoreView(const platform::Picture& from) {
    // A kept copy of another size (never kept by keepView) is no copy of
    // this view.
    if (from.width() != view_.width() || from.height() != view_.height()) return false;
    const std::size_t bytes = static_cast<std::size_t>(view_.width()) * 3;
    for (int y = 0; y < view_.height(); ++y) std::memcpy(view_.row(y), from.row(y), bytes);
    return true;
}

}  // namespace kl
