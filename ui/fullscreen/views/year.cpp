// The year (mode 9): the header naming the year by its bearer. The year's
// grid belongs to the year view and is not drawn yet.
#include "core/kin.h"
#include "data/textdb.h"
#include "layout/baselines.h"
#include "ui/fullscreen/views/daytools.h"
#include "ui/fullscreen/views/views.h"

namespace kl::views {

void year(ViewContext& v, int) {
    using namespace layout::base;
    // The year is named like a kin: its bearer's colour, tone and seal.
    CalendarDay bearer;
    bearer.sign = v.day.yearSign;
    bearer.tone = v.day.yearTone;
    const KinRelations r = computeKinRelations(bearer);
    ViewCanvas& c = v.canvas;
    c.drawtxt(126, 8, L(kThirteenMoons), 3, true);
    c.drawtxt(126, 27, L(kYearWord), 3, true);
    c.drawtxt(126, 40, colourWord(r) + " " + toneWord(r, bearer.tone) + " " + L(kSealGenitive + bearer.sign), 5,
              true);
}

}  // namespace kl::views
