// The wavespell (mode 6) and the wavespell with its pulsars (mode 8): the
// thirteen days of the current day's wavespell on the board's U, each with
// its seal, tone, guide and date, and the shine on the current day.
#include "core/kin.h"
#include "data/errorlog.h"
#include "data/textdb.h"
#include "layout/baselines.h"
#include "layout/boardviews.h"
#include "ui/fullscreen/views/pagedays.h"
#include "ui/fullscreen/views/pulsars.h"
#include "ui/fullscreen/views/shine.h"
#include "ui/fullscreen/views/views.h"

namespace kl::views {

namespace {

using namespace layout;

// The days of the wavespell, from its first seal and first date.
void wavespellDays(ViewContext& v) {
    using namespace wave;
    ViewCanvas& c = v.canvas;
    const int tone = v.day.tone;
    int s0 = v.day.sign - tone + 1;
    if (s0 < 1) s0 += 20;
    // 29 February carries 28 February's values, so the days count from
    // there; the wide date keeps the first and last days of the accepted
    // years from overflowing.
    PageDate p = PageDate::from(pageAnchor(v.date)).moved(1 - tone);

    c.drawtxt(kModule.x, kModule.y, L(base::kWavespellModule), kTitlePreset, false);
    c.drawtxt(kCreation.x, kCreation.y, L(base::kCreationDays), kTitlePreset, false);
    Point shineAt{0, 0};
    for (int i = 1; i <= 13; ++i) {
        int s = s0 + i - 1;
        if (s > 20) s -= 20;
        const Point at = slot(i);
        const int g = kPitchX * at.x, h = kPitchY * at.y;
        c.drawsign(g + kSeal.x, h + kSeal.y, code::kSeal45 + s, false);
        c.drawsign(g + kTone.x, h + kTone.y, code::kTone45 + i, false);
        c.drawsign(g + kGuide.x, h + kGuide.y,
                   code::kSeal35 + guideSeal(static_cast<std::uint8_t>(s), static_cast<std::uint8_t>(i)), false);
        if (v.settings._IconDate) cellDate(c, p, v.settings._DateFormat, g + kDate.x, h + kDate.y, kDateStyle);
        if (i == tone) shineAt = {g + kShine.x, h + kShine.y};
        p.forward();
    }
    shine(v, shineAt.x, shineAt.y, kShineType);
}

// Pulsar colours: the day's colour counted back by its tone, in 0..3.
int pulsarColours(const KinRelations& r) {
    int d = r.colour - r.tone;
    while (d < 0) d += 4;
    return d;
}

}  // namespace

void wavespell(ViewContext& v, int) {
    v.canvas.drawsign(wave::kBoard.x, wave::kBoard.y, code::kWavespellBoard, true);
    try {
        wavespellDays(v);
    } catch (...) {
        reportFailure(106, "wavespell in fullmode");
    }
}

void wavespellPulsars(ViewContext& v, int mode) {
    wavespell(v, mode);
    pulsars(v.canvas, v.day.tone, 2, pulsarColours(v.relations));
}

}  // namespace kl::views
