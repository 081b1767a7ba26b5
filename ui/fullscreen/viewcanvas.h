// What the views draw with. A view calls text, sign and moon on the canvas
// it is given and never asks whether it is exporting: the picture canvas
// draws into the view picture, the script canvas appends the print script's
// FONT / TEXT / PICT / MOON lines to a script sink.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "layout/viewgeometry.h"
#include "platform/draw.h"
#include "platform/picture.h"

namespace kl {

// The day's own signs: in a glyph export their letter is replaced by a
// keyword, so a printed page shows the day it is printed for.
enum class SignRole { None, Kin, Tone, Guide, Analog, Antipod, Ateacher, Plasm };

class ViewCanvas {
public:
    virtual ~ViewCanvas() = default;

    // T(x, y, c, f): one text in font preset 0..15 with y its top; centred
    // on the centre line plus x, or left-aligned at x (right-aligned at x
    // while `rightallign` is set).
    virtual void drawtxt(int x, int y, const std::string& text, int preset, bool centred) = 0;

    // S(x, y, c, n): the picture of sign code n with y its top; centred on
    // the view centre plus x, or with its left edge at x. `role` marks the
    // day's own sign; the marks are cleared after every call.
    void drawsign(int x, int y, int code, bool centred, SignRole role = SignRole::None);

    // The large seal, tone or plasma of code n as large as fits in `box`,
    // centred in it, drawn from the sign font's glyphs. Drawing only: an
    // export skips it, as the print script places signs by picture.
    virtual void drawsignIn(const layout::ViewBox& box, int code) {}

    // The day's 60 x 60 moon with its top-left corner at (x, y).
    virtual void xmoon(std::int32_t moonPhase, int x, int y) = 0;

    // Letters one by one along an arc (radius > 0), a line (-1) or upright
    // (-2), optionally in rainbow colours. Drawn only; an export skips it.
    virtual void drawtxt2(int x, int y, const std::string& text, int preset, int startAngle, int endAngle,
                          int radius, bool rainbow, bool centreLine, bool centreUp) {}

    // Drawing-only extras (lines, boxes, arcs) on the view picture; an export
    // skips them, since the print script has no form for them.
    virtual void paint(const std::function<void(platform::Painter&)>& draw) {}

    // The view picture itself, for drawing-only extras that blend or copy
    // pictures (shines, the year grid from the scratch picture); nullptr
    // while exporting, since the print script has no form for them.
    virtual platform::Picture* picture() { return nullptr; }

    // The scratch picture, where a view keeps a costly drawing to reuse.
    // Between beginScratch and endScratch signs go to the scratch picture,
    // which starts as background (beginScratch answers whether it was
    // cleared); endScratch copies it into the view and answers whether the
    // scratch now holds the drawing. showScratch copies a held drawing into
    // the view and answers whether it could. An export has no scratch
    // picture: its signs stay in the script, the scratch is left alone, and
    // all three answer false, so nothing is ever marked as held by an export.
    virtual bool beginScratch() { return false; }
    virtual bool endScratch() { return false; }
    virtual bool showScratch() { return false; }

    // The x that centred texts are centred on: half the picture's width in
    // the year view and the print manager's mode, the view centre otherwise.
    int centreLine() const { return centreLine_; }
    void setCentreLine(int x) { centreLine_ = x; }

protected:
    virtual void sign(int x, int y, int code, bool centred) = 0;

private:
    int centreLine_ = layout::kViewCentre;
};

}  // namespace kl
