// The canvas that exports: every text, sign and moon becomes lines of a
// print script in a script sink. Decorative drawing has no script form and
// is skipped.
#pragma once

#include "data/settings.h"
#include "print/scriptsink.h"
#include "ui/fullscreen/viewcanvas.h"

namespace kl {

class ScriptCanvas : public ViewCanvas {
public:
    // Glyph lines name the sign font of `set` (the program's settings unless given).
    explicit ScriptCanvas(ScriptSink& sink, const Settings& set = settings()) : sink_(sink), settings_(set) {}

    void drawtxt(int x, int y, const std::string& text, int preset, bool centred) override;
    void xmoon(std::int32_t moonPhase, int x, int y) override;

protected:
    void sign(int x, int y, int code, bool centred) override;

private:
    ScriptSink& sink_;
    const Settings& settings_;
};

}  // namespace kl
