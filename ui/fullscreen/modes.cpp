#include "ui/fullscreen/modes.h"

#include <array>

#include "data/settings.h"
#include "layout/viewgeometry.h"
#include "ui/fullscreen/views/views.h"

namespace kl {

namespace {

using namespace views;
constexpr int W = layout::kViewWidth, H = layout::kViewHeight;

constexpr std::array kModes = std::to_array<ModeEntry>({
    {0, 0, "day view", dayView, "[Day info script]", 380, 380},
    {1, 1, "tone page", tonePage, "[Tone info script]", W, H},
    {2, 2, "seal page", sealPage, "[Sign info script]", W, H},
    {3, 3, "plasma page", plasmaPage, "[Plasm info script]", W, H},
    {4, 4, "oracle", oracle, "[Oracle script]", W, H},
    {5, 5, "Tzolkin", tzolkin, nullptr},
    {6, 6, "wavespell", wavespell, "[Wave script]", W, H},
    {7, 7, "moon-month view", moonMonth, "[Moon script]", W, H},
    {8, 8, "wavespell with pulsars", wavespellPulsars, nullptr},
    {9, 9, "year", year, "[Year script]", 740, H},
    {10, 10, "blank", nullptr, nullptr},
    {11, 11, "week view", week, nullptr},
    {12, 12, "wings", wings, nullptr},
    {13, 13, "telektonon", telektonon, nullptr},
    {14, 14, "book-of-kins page", bookOfKins, "[Book of kins script]", W, 540},
    {15, 17, "blank", nullptr, nullptr},
    {18, 18, "print manager", nullptr, nullptr, 0, 0, ModeWindow::PrintManager},
    {19, 19, "help, first page", help, nullptr},
    {20, 20, "configuration", nullptr, nullptr, 0, 0, ModeWindow::Configuration},
    {21, 24, "blank", nullptr, nullptr},
    {25, 48, "help, further pages", help, nullptr},
});

constexpr bool covers() {
    int next = 0;
    for (const ModeEntry& e : kModes) {
        if (e.first != next || e.last < e.first) return false;
        next = e.last + 1;
    }
    return next == 49;
}
static_assert(covers(), "the mode table must cover 0..48 in order without gaps");

}  // namespace

std::span<const ModeEntry> modeTable() { return kModes; }

const ModeEntry* findMode(int mode) {
    for (const ModeEntry& e : kModes)
        if (mode >= e.first && mode <= e.last) return &e;
    return nullptr;
}

int shownMode(int mode) {
    const bool helpMode = mode == 19 || (mode >= 25 && mode <= 48);
    return helpMode && helpPage(mode, settings()._hlpcount) == 1 ? 19 : mode;
}

}  // namespace kl
