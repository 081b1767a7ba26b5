#include "ui/fullscreen/renderstate.h"

#include "data/errorlog.h"

namespace kl {

std::uint8_t _pfont = 255;
bool rightallign = false;
bool USEPB2 = false;
bool _KIN = false, _TONE = false, _GUIDE = false, _ANALOG = false, _ANTIPOD = false, _ATEACHER = false,
     _PLASM = false;

void clearRoleMarks() { _KIN = _TONE = _GUIDE = _ANALOG = _ANTIPOD = _ATEACHER = _PLASM = false; }

namespace {
const ReportSection reportSection("fullscreen renderers", [](WindowReportState& s) {
    s._pfont = _pfont;
    s.rightallign = rightallign;
    s.USEPB2 = USEPB2;
    s._KIN = _KIN;
    s._TONE = _TONE;
    s._GUIDE = _GUIDE;
    s._ANALOG = _ANALOG;
    s._ANTIPOD = _ANTIPOD;
    s._ATEACHER = _ATEACHER;
    s._PLASM = _PLASM;
});
}  // namespace

}  // namespace kl
