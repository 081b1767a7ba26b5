// The canvas that exports: every text, sign and moon becomes lines of a
// print script in a script sink. Decorative drawing has no script form and
// is skipped.
#pragma once

#include "print/scriptsink.h"
#include "ui/fullscreen/viewcanvas.h"

namespace kl {

class ScriptCanvas : public ViewCanvas {
public:
    explicit ScriptCanvas(ScriptSink& sink) : sink_(sink) {}

    void drawtxt(int x, int y, const std::string& text, int preset, bool centred) override;
    void xmoon(std::int32_t moonPhase, int x, int y) override;

protected:
    void sign(int x, int y, int code, bool centred) override;

private:
    ScriptSink& sink_;
};

}  // namespace kl
