// The view renderers of the mode table, one per view file.
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
void printManager(ViewContext& v, int mode);     // 18
void help(ViewContext& v, int mode);             // 19, 25..48
void configuration(ViewContext& v, int mode);    // 20

}  // namespace kl::views
