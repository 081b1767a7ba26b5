// The help pages (mode 19 is page 1, modes 25..48 pages 2..24) and the modes
// that open another window instead of drawing (18, 20).
#include "data/settings.h"
#include "platform/files.h"
#include "ui/fullscreen/fullstate.h"
#include "ui/fullscreen/views/daytools.h"
#include "ui/fullscreen/views/views.h"

namespace kl::views {

namespace {

constexpr int kFirstHelpMode = 19;
constexpr int kHelpLines = 32, kHelpLinePitch = 16, kHelpTop = 19, kHelpPreset = 5;

std::string helpFile(int page) { return "hlp" + std::to_string(page) + ".dat"; }

// Opens a window only for the mode that was asked for, and only when no
// transition is running: redrawing the old view at the start of a fade must
// not open it again.
bool requestedNow(int mode) { return mode == _newstate && spin == 0; }

}  // namespace

void help(ViewContext& v, int mode) {
    const int page = mode == kFirstHelpMode ? 1 : mode - 23;
    // A page past the last one, or one whose file is missing, turns back to
    // the first page.
    if (page > 1 && (page > _hlpcount || !platform::fileExists(helpFile(page)))) {
        spin = 0;
        _newstate = kFirstHelpMode;
        if (v.hooks.startTimer) v.hooks.startTimer();
        return;
    }
    dotext(v.canvas, 0, kHelpTop, helpFile(page), false, kHelpPreset, kHelpLines, kHelpLinePitch, 0);
}

void printManager(ViewContext& v, int mode) {
    if (requestedNow(mode) && v.hooks.openPrintManager) v.hooks.openPrintManager();
}

void configuration(ViewContext& v, int mode) {
    if (requestedNow(mode) && v.hooks.openConfiguration) v.hooks.openConfiguration();
}

}  // namespace kl::views
