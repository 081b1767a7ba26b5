// The wings (castle) view (mode 12). Not drawn yet: the mode shows the background
// until its renderer is written here.
#include "ui/fullscreen/views/views.h"

namespace kl::views {

void wings(ViewContext&, int) {}

}  // namespace kl::views
