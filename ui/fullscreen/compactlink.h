// What the full-screen window asks of the compact window. The compact window
// fills these in when the program's windows are made; the full-screen library
// never includes the compact window's headers. Empty entries do nothing.
#pragma once

#include <functional>

#include "core/calendar.h"

namespace kl {

struct CompactLink {
    std::function<void(int key)> keyDown;      // the compact window's key handler (virtual key codes)
    std::function<void()> resetState;          // its STATE := 0 (no full-screen mode chosen from the face)
    std::function<void()> repaintFace;         // paint the face again
    std::function<void()> clearHint;           // empty the hint label
    std::function<void(const GregorianDate&)> openDateDialog;  // the date dialog, preset to a date
};
CompactLink& compactWindow();

}  // namespace kl
