#include "ui/fullscreen/fullstate.h"

#include "data/errorlog.h"

namespace kl {

std::int32_t fullmodeState = -1;
std::uint8_t _newstate = 0;
std::int32_t spin = 0;
std::uint8_t _trc = 160;
std::int32_t _expstate = 0;
bool _Export = false;
bool _TEXTGRAPHIC = true;  // the print manager's "textmode" box starts on
bool _teldrawed = false;
std::uint8_t pb2ys = 0;
std::uint8_t pb2yt = 0;

FullScreenLink& fullScreen() {
    static FullScreenLink link;
    return link;
}

void openFullScreen() {
    if (fullScreen().show) fullScreen().show();
}

void repaintFullScreen() {
    if (fullScreen().repaint) fullScreen().repaint();
}

namespace {
// The report prints the full-screen state whether or not the window exists.
const ReportSection reportSection("fullscreen", [](WindowReportState& s) {
    s.fullmodeState = fullmodeState;
    s._newstate = _newstate;
    s.spin = spin;
    s._trc = _trc;
    s._expstate = _expstate;
    s._Export = _Export;
    s._TEXTGRAPHIC = _TEXTGRAPHIC;
    s._teldrawed = _teldrawed;
    s.pb2ys = pb2ys;
    s.pb2yt = pb2yt;
});
}  // namespace

}  // namespace kl
