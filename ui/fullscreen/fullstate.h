// State of the full-screen window that other windows read and set: the mode
// on show and the mode requested, the transition, the export flags. It lives
// for the whole run; the error report prints it.
#pragma once

#include <cstdint>
#include <functional>

namespace kl {

extern std::int32_t fullmodeState;  // mode now shown; -1 after the window was closed
extern std::uint8_t _newstate;      // mode requested
extern std::int32_t spin;           // transition steps still to run
extern std::uint8_t _trc;           // cross-fade level of the last transition step
extern std::int32_t _expstate;      // mode last passed to the dispatcher
extern bool _Export;                // export mode, set by the print manager
extern bool _TEXTGRAPHIC;
extern bool _teldrawed;             // telektonon board already built
extern std::uint8_t pb2ys;          // year grid held in the scratch picture (0: none)
extern std::uint8_t pb2yt;

// How the compact window and the dialogs reach the full-screen window. Until
// that window exists these do nothing.
struct FullScreenLink {
    std::function<void()> show;               // show the window (its timer then fades to _newstate)
    std::function<void()> repaint;            // redraw the current mode and show it
    std::function<void(bool)> setEnabled;     // the configuration dialog disables it while open
    std::function<void()> startTimer;
};
FullScreenLink& fullScreen();

void openFullScreen();
void repaintFullScreen();

}  // namespace kl
