// The moon-month view (mode 7). Not drawn yet: the mode shows the background
// until its renderer is written here.
#include "ui/fullscreen/views/views.h"

namespace kl::views {

void moonMonth(ViewContext&, int) {}

}  // namespace kl::views
