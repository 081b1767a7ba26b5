#include "ui/fullscreen/viewcanvas.h"

#include "ui/fullscreen/renderstate.h"

namespace kl {

void ViewCanvas::drawsign(int x, int y, int code, bool centred, SignRole role) {
    switch (role) {
        case SignRole::None: break;
        case SignRole::Kin: _KIN = true; break;
        case SignRole::Tone: _TONE = true; break;
        case SignRole::Guide: _GUIDE = true; break;
        case SignRole::Analog: _ANALOG = true; break;
        case SignRole::Antipod: _ANTIPOD = true; break;
        case SignRole::Ateacher: _ATEACHER = true; break;
        case SignRole::Plasm: _PLASM = true; break;
    }
    // The marks are cleared whatever happens inside, so a failing sign
    // cannot leave the next sign marked.
    struct Clear {
        ~Clear() { clearRoleMarks(); }
    } clear;
    sign(x, y, code, centred);
}

}  // namespace kl
