// The windowed program's messages: a modal box on top of every window.
#pragma once

namespace kl::platform {

// Makes showMessage open a message box (needs the widget application).
void useMessageBoxes();

}  // namespace kl::platform
