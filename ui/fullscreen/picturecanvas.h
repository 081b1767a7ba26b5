// The canvas that draws: texts and moons into the view picture, signs into
// the view picture or, while USEPB2 is set, into the scratch picture.
#pragma once

#include "data/settings.h"
#include "ui/fullscreen/viewcanvas.h"

namespace kl {

class PictureCanvas : public ViewCanvas {
public:
    // Moons follow the moon model of `set` (the program's settings unless given).
    PictureCanvas(platform::Picture& view, platform::Picture& scratch, const Settings& set = settings())
        : view_(view), scratch_(scratch), settings_(set) {}

    void drawtxt(int x, int y, const std::string& text, int preset, bool centred) override;
    void xmoon(std::int32_t moonPhase, int x, int y) override;
    void drawsignIn(const layout::ViewBox& box, int code) override;
    void drawtxt2(int x, int y, const std::string& text, int preset, int startAngle, int endAngle, int radius,
                  bool rainbow, bool centreLine, bool centreUp) override;
    void paint(const std::function<void(platform::Painter&)>& draw) override;
    platform::Picture* picture() override { return &view_; }
    bool beginScratch() override;
    bool endScratch() override;
    bool showScratch() override;

protected:
    void sign(int x, int y, int code, bool centred) override;

private:
    platform::Picture& view_;
    platform::Picture& scratch_;
    const Settings& settings_;
};

}  // namespace kl
