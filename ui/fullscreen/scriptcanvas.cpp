#include "ui/fullscreen/scriptcanvas.h"

#include "ui/fullscreen/moonpicture.h"
#include "ui/fullscreen/signrenderer.h"
#include "ui/fullscreen/textrenderer.h"

namespace kl {

void ScriptCanvas::drawtxt(int x, int y, const std::string& text, int preset, bool centred) {
    exportTxt(sink_, x, y, text, preset, centred);
}

void ScriptCanvas::sign(int x, int y, int code, bool centred) { exportSign(sink_, x, y, code, centred, settings_._signfont); }

void ScriptCanvas::xmoon(std::int32_t moonPhase, int x, int y) { exportMoon(sink_, moonPhase, x, y); }

}  // namespace kl
