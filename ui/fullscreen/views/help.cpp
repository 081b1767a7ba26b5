// The help pages: mode 19 is page 1, modes 25..48 pages 2..24.
#include "data/textdb.h"
#include "ui/fullscreen/views/daytools.h"
#include "ui/fullscreen/views/views.h"

namespace kl::views {

namespace {

constexpr int kFirstHelpMode = 19;
constexpr int kHelpLines = 32, kHelpLinePitch = 16, kHelpTop = 19, kHelpPreset = 5;

std::string helpFile(int page) { return "hlp" + std::to_string(page) + ".dat"; }

}  // namespace

int helpPage(int mode, int pages) {
    const int page = mode == kFirstHelpMode ? 1 : mode - 23;
    // A page past the last one, or one whose file is missing, turns back to
    // the first page.
    if (page > 1 && (page > pages || !textFileExists(helpFile(page)))) return 1;
    return page;
}

void help(ViewContext& v, int mode) {
    dotext(v.canvas, 0, kHelpTop, helpFile(helpPage(mode, v.settings._hlpcount)), false, kHelpPreset, kHelpLines, kHelpLinePitch, 0);
}

}  // namespace kl::views
