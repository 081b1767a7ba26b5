// The wings (mode 12): the board of the five castles with the day's kin
// lit on it, the castle's texts on the left, the wavespell's on the right,
// and, when the settings ask for it, the day's icon beside them.
#include <algorithm>
#include <charconv>
#include <climits>
#include <cstdint>
#include <stdexcept>

#include "data/errorlog.h"
#include "data/textdb.h"
#include "layout/baselines.h"
#include "layout/boardviews.h"
#include "ui/fullscreen/views/daytools.h"
#include "ui/fullscreen/views/pagedays.h"
#include "ui/fullscreen/views/shine.h"
#include "ui/fullscreen/views/views.h"

namespace kl::views {

namespace {

using namespace layout;
using namespace layout::base;

// A whole line of tech.dat as a number; anything else is a broken file.
int cellCoordinate(int line) {
    std::string text;
    readtext(line, wings::kCellFile, text);
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [at, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || at != end)
        throw std::runtime_error("tech.dat line " + std::to_string(line) + " is not a number: '" + text + "'");
    return value;
}

// A cell coordinate moved by a fixed offset. The file may hold any int; one
// at the end of the range is far off the view, and stays so.
int offset(int coordinate, int by) {
    return static_cast<int>(std::clamp<std::int64_t>(std::int64_t{coordinate} + by, INT_MIN, INT_MAX));
}

void drawIcon(ViewCanvas& c, const Settings& s, const GregorianDate& date, const CalendarDay& d) {
    using namespace wings;
    c.drawsign(kIconFrame.x, kIconFrame.y, code::kFrame + d.cromatic, false);
    if (d.kin == 78) c.drawsign(kIconMarker.x, kIconMarker.y, code::kKin78, false);
    if (pvsign(static_cast<std::uint8_t>(d.kin))) c.drawsign(kIconMarker.x, kIconMarker.y, code::kSpecialKin, false);
    c.drawsign(kIconSeal.x, kIconSeal.y, code::kSeal35 + d.sign, false);
    c.drawsign(kIconTone.x, kIconTone.y, code::kTone35 + d.tone, false);
    c.drawtxt(kIconDayNumber.x, kIconDayNumber.y, std::to_string(d.monthDay), 2, true);
    if (s._IconDate) cellDate(c, PageDate::from(date), s._DateFormat, kIconDate.x, kIconDate.y);
}

}  // namespace

void wings(ViewContext& v, int) {
    try {
        using namespace wings;
        ViewCanvas& c = v.canvas;
        const CalendarDay d = computeCalendarDay(v.date);
        const int castle = castleOf(d.kin), wave = wavespellOf(d.kin);

        c.drawsign(kBoard.x, kBoard.y, code::kWingsBoard, true);
        const int x = cellCoordinate(2 * d.kin - 2), y = cellCoordinate(2 * d.kin - 1);
        shine(v, offset(x, kShine.x), offset(y, kShine.y), kShineType);

        c.drawtxt(kCastleX, kTitleY, L(kFiveCastles), 8, true);
        c.drawtxt(kCastleX, kColourY, L(kCastleColour + castle), 3, true);
        c.drawtxt(kCastleX, kNameY, L(kCastleName + castle), 3, true);
        c.drawtxt(kCastleX, kCourtY, L(kCastleCourt + castle), 3, true);
        c.drawtxt(kCastleX, kKinsY, L(kCastleKins + castle), 3, true);

        c.drawtxt(kWaveX, kModuleY, L(kWavespellModule), 3, true);
        c.drawtxt(kWaveX, kWaveNameY, L(kWavespellName + wave), 3, true);
        c.drawtxt(kWaveX, kWaveKinsY, L(kWavespellKins + 2 * wave), 3, true);
        c.drawtxt(kWaveX, kWaveAimY, L(kWavespellAim + 2 * wave), 3, true);

        if (v.settings._Sfigure) drawIcon(c, v.settings, v.date, d);
    } catch (...) {
        reportFailure(106, "wings in fullmode");
    }
}

}  // namespace kl::views
