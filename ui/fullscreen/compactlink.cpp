#include "ui/fullscreen/compactlink.h"

namespace kl {

CompactLink& compactWindow() {
    static CompactLink link;
    return link;
}

}  // namespace kl
