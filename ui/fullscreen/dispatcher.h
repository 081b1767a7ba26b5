// The full-screen window's dispatcher: draws any mode of the full-screen
// window into the view picture, or, while exporting, appends the mode's
// script lines to a script sink. It needs no window.
#pragma once

#include <cstdint>
#include <functional>

#include "platform/picture.h"
#include "ui/fullscreen/scriptsink.h"

namespace kl {

inline constexpr int kViewWidth = 670;
inline constexpr int kViewHeight = 550;
inline constexpr platform::Rgb kViewBackground{7, 0, 35};

// What the dispatcher asks of the window for the modes that open another
// window (18 print manager, 20 configuration) or send the view elsewhere
// (a help page past the last one). Empty hooks do nothing.
struct DispatcherHooks {
    std::function<void()> openPrintManager;
    std::function<void()> openConfiguration;
    std::function<void()> startTimer;
};
DispatcherHooks& dispatcherHooks();

// The 670 x 550 picture every renderer draws into; created on first use and
// kept for the whole run.
platform::Picture& viewPicture();

// Draws `mode` (0..48; any other number draws only the background) into
// viewPicture(). With `exportTo`, draws nothing and appends the mode's script
// lines there instead; _Export is true for exactly that call. `level` is only
// written into a failure report. Never throws.
void paintall(int mode, std::uint8_t level, ScriptSink* exportTo = nullptr);

}  // namespace kl
