#include "platform/keys.h"

#include <QKeyEvent>

namespace kl::platform {

namespace {

// The comma and period keys by their place on the keyboard: the X11 and
// Wayland key codes (the evdev code + 8) of the keys right of M. Under a
// Russian layout they type "б" and "ю", and the key that types "." there is
// another one; by place the keys step the date under any layout.
constexpr quint32 kCommaKeyCode = 59, kPeriodKeyCode = 60;

}  // namespace

int virtualKey(const QKeyEvent& event) {
    switch (event.key()) {
        case Qt::Key_Escape: return vk::kEscape;
        case Qt::Key_PageUp: return vk::kPageUp;
        case Qt::Key_PageDown: return vk::kPageDown;
        case Qt::Key_Left: return vk::kLeft;
        case Qt::Key_Right: return vk::kRight;
        default: break;
    }
    // An event from a keyboard carries the key's place; one made without it
    // (a synthesized event, a platform without key codes) has its text only.
    if (const quint32 place = event.nativeScanCode(); place != 0) {
        if (place == kCommaKeyCode) return vk::kComma;
        if (place == kPeriodKeyCode) return vk::kPeriod;
        return 0;
    }
    switch (event.key()) {
        case Qt::Key_Comma: case Qt::Key_Less: return vk::kComma;
        case Qt::Key_Period: case Qt::Key_Greater: return vk::kPeriod;
        default: return 0;
    }
}

bool forwardKey(QKeyEvent& event, const std::function<void(int)>& handler) {
    const int key = virtualKey(event);
    if (key == 0) return false;
    handler(key);
    event.accept();
    return true;
}

}  // namespace kl::platform
