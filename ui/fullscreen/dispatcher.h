// The full-screen window's dispatcher: draws any mode of the full-screen
// window into the view picture, or, while exporting, appends the mode's
// script lines to a script sink. It needs no window.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "layout/viewgeometry.h"
#include "platform/picture.h"
#include "print/scriptsink.h"

namespace kl {

inline constexpr int kViewWidth = layout::kViewWidth;
inline constexpr int kViewHeight = layout::kViewHeight;
inline constexpr platform::Rgb kViewBackground = layout::kViewBackground;

// The windows that modes 18 (print manager) and 20 (configuration) stand
// for, and what the views ask of the window. Empty hooks do nothing.
struct DispatcherHooks {
    std::function<void()> openPrintManager;
    std::function<void()> openConfiguration;
    // The window's caption; the shine leaves its blend's outcome there.
    std::function<void(const std::string&)> setCaption;
};
DispatcherHooks& dispatcherHooks();

// The 670 x 550 picture every renderer draws into; created on first use and
// kept for the whole run. In picture set 2 it has twice the pixels (scale 2)
// and the views still draw in its 670 x 550 units.
platform::Picture& viewPicture();
// The work picture of the year view and of signs drawn while USEPB2 is set:
// empty until a view first begins drawing into it (only the year view
// does), then kept like the view picture, of its size and set.
platform::Picture& scratchPicture();
// The picture set the view and scratch pictures are drawn in: 1 (exports,
// the command line, printing) unless the full-screen window's screen asks
// for 2. A change makes both pictures anew, blank, and lets go of every
// drawing held in them (the year grid, the telektonon board).
void setViewPictureSet(int set);
int viewPictureSet();

// Draws `mode` (0..48; any other number draws only the background) into
// viewPicture(). With `exportTo`, draws nothing and appends the mode's script
// lines there instead; _Export is true for exactly that call, and the first
// text writes its FONT line. `level` is only written into a failure report.
// Never throws; the export flag, the role marks and right alignment are
// cleared on every way out.
void paintall(int mode, std::uint8_t level, ScriptSink* exportTo = nullptr);

// Opens the window `mode` stands for (the mode table's `opens`) through the
// hooks; any other mode opens nothing. The full-screen window's fade calls
// it once, when it begins to go toward the mode: drawing a mode (a key, the
// date dialog, the old view of the next fade) never opens a window.
void openModeWindow(int mode);

}  // namespace kl
