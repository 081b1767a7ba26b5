#include "ui/fullscreen/dispatcher.h"

#include "ui/fullscreen/fullstate.h"

namespace kl {

DispatcherHooks& dispatcherHooks() {
    static DispatcherHooks hooks;
    return hooks;
}

platform::Picture& viewPicture() {
    static platform::Picture picture(kViewWidth, kViewHeight, kViewBackground);
    return picture;
}

// Until the views exist every mode is the background alone.
void paintall(int mode, std::uint8_t level, ScriptSink* exportTo) {
    _expstate = mode;
    viewPicture().fill(kViewBackground);
    _Export = false;
}

}  // namespace kl
