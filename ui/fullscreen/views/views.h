// The view renderers of the mode table, one per view file.
//
// A renderer draws everything through v.canvas: texts (drawtxt, in the
// presets of layout/fontpresets.h), signs by sign code (drawsign, codes in
// layout/signtable.h, with a SignRole for the day's own signs) and the moon
// (xmoon). The same calls export the view as a print script, so a renderer
// never asks whether it exports. Decoration without a script form goes
// through v.canvas.paint() or v.canvas.picture(), which an export skips.
// Text lines are read by name (layout/baselines.h) through L(); views that
// show other days compute them on local records and never change
// currentDate or currentDay. A renderer that can fail part-way protects its
// body and reports under its own sender, as its mode's description says.
#pragma once

#include "ui/fullscreen/viewcontext.h"

namespace kl::views {

void dayView(ViewContext& v, int mode);          // 0
void tonePage(ViewContext& v, int mode);         // 1
void sealPage(ViewContext& v, int mode);         // 2
void plasmaPage(ViewContext& v, int mode);       // 3
void oracle(ViewContext& v, int mode);           // 4
void tzolkin(ViewContext& v, int mode);          // 5
void wavespell(ViewContext& v, int mode);        // 6
void moonMonth(ViewContext& v, int mode);        // 7
void wavespellPulsars(ViewContext& v, int mode); // 8
void year(ViewContext& v, int mode);             // 9
void week(ViewContext& v, int mode);             // 11
void wings(ViewContext& v, int mode);            // 12
void telektonon(ViewContext& v, int mode);       // 13
void bookOfKins(ViewContext& v, int mode);       // 14
void help(ViewContext& v, int mode);             // 19, 25..48

// The page a help mode shows: 1 for mode 19, n - 23 for 25..48, and 1 for
// a page past the last of `pages` (_hlpcount) or one whose file is missing.
int helpPage(int mode, int pages);

}  // namespace kl::views
