// The Tzolkin (mode 5): the board with the day's kin lit on it, its title,
// the seal and planet names beside its rows, and the legend of its marked
// cells.
#include "data/errorlog.h"
#include "data/textdb.h"
#include "layout/baselines.h"
#include "layout/boardviews.h"
#include "ui/fullscreen/renderstate.h"
#include "ui/fullscreen/views/shine.h"
#include "ui/fullscreen/views/views.h"

namespace kl::views {

namespace {

using namespace layout::base;

constexpr int kRowPitch = 22;

// The planet line of row i: rows 1..10 rise from 2 to 10, rows 11..19 fall
// back from 9 to 1, and row 20 shares row 19's line.
int planetOfRow(int i) {
    if (i <= 9) return i + 1;
    if (i == 10) return 10;
    if (i <= 19) return 20 - i;
    return 1;
}

// Row colours: (name preset, essence preset) by the seal's colour.
struct RowPresets {
    int name, essence;
};
RowPresets rowPresets(int i) {
    switch (i % 4) {
        case 1: return {9, 13};
        case 2: return {6, 12};
        case 3: return {10, 14};
        default: return {11, 15};
    }
}

// The day's cell: kins run down the rows of a column, columns left to right.
void Zolkin(ViewContext& v) {
    try {
        const layout::Point at = layout::tzolkin::shineAt(v.day.kin);
        shine(v, at.x, at.y, layout::tzolkin::kShineType);
    } catch (...) {
        reportFailure(106, "zolkin in fullmode");
    }
}

}  // namespace

void tzolkin(ViewContext& v, int) {
    ViewCanvas& c = v.canvas;
    c.drawsign(20, 30, layout::code::kTzolkinBoard, true);
    Zolkin(v);
    c.drawtxt(16, 5, L(kTzolkinTitle), 7, true);
    for (int i = 1; i <= 20; ++i) {
        const RowPresets p = rowPresets(i);
        c.drawtxt(496, kRowPitch * i + 14, L(kPlanet + planetOfRow(i)), p.name, false);
        rightallign = true;
        c.drawtxt(141, kRowPitch * i + 8, L(kSealName + i), p.name, false);
        c.drawtxt(141, kRowPitch * i + 19, L(kSealEssence + i), p.essence, false);
        rightallign = false;
    }
    // The legend: boxes in the board's own fills of the mystic column and
    // the portals, so each names the cells it looks like.
    c.paint([](platform::Painter& p) {
        p.setPen({255, 255, 255});
        p.setBrush(layout::tzolkin::kMysticFill);
        p.rectangle(153, 485, 173, 505);
        p.setBrush(layout::tzolkin::kPortalFill);
        p.rectangle(310, 485, 330, 505);
    });
    c.drawtxt(177, 488, L(kMysticColumn), 6, false);
    c.drawtxt(334, 484, L(kPortalsFirst), 6, false);
    c.drawtxt(334, 495, L(kPortalsSecond), 6, false);
}

}  // namespace kl::views
