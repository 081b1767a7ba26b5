#include "ui/fullscreen/viewset.h"

#include "imaging/blend.h"
#include "platform/pictureset.h"

namespace kl {

platform::Picture loadForView(const platform::Picture& view, const std::string& name) {
    return platform::loadInSet(name, view.scale());
}

std::uint8_t blendIntoView(const platform::Picture& source, platform::Picture& view, const platform::Picture* mask,
                           int x, int y, int alpha, int mode) {
    const int s = view.scale();
    return blendbmp(source, view, mask, x * s, y * s, alpha, mode);
}

}  // namespace kl
