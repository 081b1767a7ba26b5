#include "platform/keys.h"

#include <QKeyEvent>

namespace kl::platform {

int virtualKey(const QKeyEvent& event) {
    switch (event.key()) {
        case Qt::Key_Escape: return 27;
        case Qt::Key_PageUp: return 33;
        case Qt::Key_PageDown: return 34;
        case Qt::Key_Left: return 37;
        case Qt::Key_Right: return 39;
        case Qt::Key_Comma: case Qt::Key_Less: return 188;
        case Qt::Key_Period: case Qt::Key_Greater: return 190;
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
