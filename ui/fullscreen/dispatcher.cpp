#include "ui/fullscreen/dispatcher.h"

#include <optional>

#include "core/kin.h"
#include "core/state.h"
#include "data/errorlog.h"
#include "data/settings.h"
#include "platform/filecache.h"
#include "ui/fullscreen/fullstate.h"
#include "ui/fullscreen/hints.h"
#include "ui/fullscreen/modes.h"
#include "ui/fullscreen/picturecanvas.h"
#include "ui/fullscreen/renderstate.h"
#include "ui/fullscreen/scriptcanvas.h"

namespace kl {

DispatcherHooks& dispatcherHooks() {
    static DispatcherHooks hooks;
    return hooks;
}

platform::Picture& viewPicture() {
    static platform::Picture picture(kViewWidth, kViewHeight, kViewBackground);
    return picture;
}

platform::Picture& scratchPicture() {
    static platform::Picture picture;
    return picture;
}

void setViewPictureSet(int set) {
    set = set == 2 ? 2 : 1;
    if (set == viewPictureSet()) return;
    viewPicture() = platform::Picture(kViewWidth * set, kViewHeight * set, kViewBackground);
    viewPicture().setScale(set);
    scratchPicture() = platform::Picture();
    pb2ys = 0;
    pb2yt = 0;
    _teldrawed = false;
}

int viewPictureSet() { return viewPicture().scale(); }

namespace {

// The year view and the print manager's mode centre their texts on half the
// picture's width; every other mode on the view centre. The mode being
// drawn decides, so a view fading out keeps its layout.
int centreLineOf(int mode) { return mode == 9 || mode == 18 ? layout::kViewHalfWidth : layout::kViewCentre; }

// Clears the flags that belong to one call, however the call ends.
struct CallFlags {
    ~CallFlags() {
        _Export = false;
        rightallign = false;
        clearRoleMarks();
    }
};

}  // namespace

void paintall(int mode, std::uint8_t level, ScriptSink* exportTo) {
    CallFlags flags;
    // A view draws the same signs many times: each file is looked at once.
    const platform::FileCheckScope oneLook;
    try {
        _expstate = mode;
        viewPicture().fill(kViewBackground);
        if (!exportTo) lastHint.clear();  // the view is drawn afresh, without a hint
        if (exportTo) {
            _Export = true;
            _pfont = 255;  // every exported script starts with its FONT line
        }
        const ModeEntry* entry = findMode(mode);
        if (!entry || !entry->render) return;
        const Settings& set = settings();
        PictureCanvas picture(viewPicture(), scratchPicture(), set);
        std::optional<ScriptCanvas> script;
        if (exportTo) script.emplace(*exportTo, set);
        ViewCanvas& canvas = script ? static_cast<ViewCanvas&>(*script) : picture;
        canvas.setCentreLine(centreLineOf(mode));
        ViewContext view{canvas, mode, currentDate, currentDay, computeKinRelations(currentDay), set, dispatcherHooks()};
        entry->render(view, mode);
    } catch (...) {
        reportFailure(107, "paintall in fullmode",
                      {"transparent:" + std::to_string(level), "state:" + std::to_string(mode)});
    }
}

void openModeWindow(int mode) {
    const ModeEntry* entry = findMode(mode);
    if (!entry) return;
    const DispatcherHooks& hooks = dispatcherHooks();
    switch (entry->opens) {
        case ModeWindow::PrintManager:
            if (hooks.openPrintManager) hooks.openPrintManager();
            break;
        case ModeWindow::Configuration:
            if (hooks.openConfiguration) hooks.openConfiguration();
            break;
        case ModeWindow::None: break;
    }
}

}  // namespace kl
