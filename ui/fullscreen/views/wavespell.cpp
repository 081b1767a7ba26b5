// The wavespell (mode 6) and the wavespell with its pulsars (mode 8). Only
// the board is drawn yet; the days on it and the pulsars belong to the
// wavespell view.
#include "ui/fullscreen/views/views.h"

namespace kl::views {

namespace {
constexpr int kWavespellBoard = 241;
}  // namespace

void wavespell(ViewContext& v, int) { v.canvas.drawsign(25, 12, kWavespellBoard, true); }

void wavespellPulsars(ViewContext& v, int mode) { wavespell(v, mode); }

}  // namespace kl::views
