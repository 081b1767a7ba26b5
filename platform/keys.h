// The desktop's virtual key codes of the keys the calendar windows handle.
#pragma once

#include <functional>

class QKeyEvent;

namespace kl::platform {

// The virtual key codes of those keys.
namespace vk {
inline constexpr int kEscape = 27, kPageUp = 33, kPageDown = 34, kLeft = 37, kRight = 39;
inline constexpr int kComma = 188, kPeriod = 190;
}  // namespace vk

// The key's virtual code (comma and period also with Shift held); 0 for any
// other key. Comma and period are the keys at their place on the keyboard,
// whatever the layout types there; an event without a key code
// (nativeScanCode 0) is taken by the character it names.
int virtualKey(const QKeyEvent& event);

// A window's key press: a key with a virtual code goes to `handler` and the
// event is accepted; any other key is left alone and false is returned, so
// the window passes it on to its base class.
bool forwardKey(QKeyEvent& event, const std::function<void(int)>& handler);

}  // namespace kl::platform
