// The week view (mode 11). Not drawn yet: the mode shows the background
// until its renderer is written here.
#include "ui/fullscreen/views/views.h"

namespace kl::views {

void week(ViewContext&, int) {}

}  // namespace kl::views
