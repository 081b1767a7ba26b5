// The desktop's virtual key codes of the keys the calendar windows handle.
#pragma once

class QKeyEvent;

namespace kl::platform {

// 27 Esc, 33 Page Up, 34 Page Down, 37 Left, 39 Right, 188 comma, 190 period
// (comma and period also with Shift held); 0 for any other key.
int virtualKey(const QKeyEvent& event);

}  // namespace kl::platform
