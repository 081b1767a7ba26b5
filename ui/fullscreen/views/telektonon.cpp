// The telektonon (mode 13). Not drawn yet: the mode shows the background
// until its renderer is written here.
#include "ui/fullscreen/views/views.h"

namespace kl::views {

void telektonon(ViewContext&, int) {}

}  // namespace kl::views
