// The day view (mode 0) and the book-of-kins page (mode 14): the day's
// 13-moon date, seal, tone, plasma, moon, relations and affirmation.
#include <array>

#include "core/moonage.h"
#include "data/settings.h"
#include "data/textdb.h"
#include "layout/baselines.h"
#include "layout/boardviews.h"
#include "layout/signcodes.h"
#include "ui/fullscreen/textrenderer.h"
#include "ui/fullscreen/views/daytools.h"
#include "ui/fullscreen/views/pagedays.h"
#include "ui/fullscreen/views/views.h"

namespace kl::views {

namespace {

using namespace layout::base;
using namespace layout::code;
namespace mask = layout::casemask;

// Where the 13-moon date block goes: the moon name, its action, the day of
// the moon, and the plasma's caption, name and sign; on the day out of time
// its one line in place of the block.
struct MoonDateLayout {
    int nameY, actionY, dayY;
    int plasmaCaptionX, plasmaCaptionY, plasmaNameX, plasmaNameY;
    bool plasmaCentred;  // the caption and name
    int plasmaSignX, plasmaSignY;
    bool plasmaSignCentred;
    int dootY;
};
// The day view's plasma caption and name are centred on its sign's disc,
// which lies 30 pixels right of the sign's left edge at x 150.
constexpr int kDayViewPlasmaCentre = 150 + 30 - layout::kViewCentre;
constexpr MoonDateLayout kDayViewMoonDate{
    88, 104, 126, kDayViewPlasmaCentre, 186, kDayViewPlasmaCentre, 198, true, 150, 216, false, 117};
// The book's day-out-of-time line stands in the rows of the block it
// replaces, clear of the seal name below, which may take two rows.
constexpr MoonDateLayout kBookMoonDate{33, 49, 71, -160, 198, -160, 210, true, -160, 230, true, 55};
constexpr int kDayMoonLeft = 390, kDayMoonTop = 216;

void moonDate(ViewContext& v, const MoonDateLayout& at) {
    ViewCanvas& c = v.canvas;
    const CalendarDay& d = v.day;
    if (d.month == 0) {
        c.drawtxt(0, at.dootY, L(kDayOutOfTime), 5, true);
        return;
    }
    c.drawtxt(0, at.nameY, moonName(d.month), 8, true);
    c.drawtxt(0, at.actionY, L(kToneCaption) + " " + L(kToneAction + d.month), 8, true);
    c.drawtxt(0, at.dayY, L(kDayWord) + " " + std::to_string(d.monthDay), 3, true);
    c.drawtxt(at.plasmaCaptionX, at.plasmaCaptionY, applyCaseMask(L(kPlasmaCaption) + ":", mask::kPlasmaCaption), 3,
              at.plasmaCentred);
    c.drawtxt(at.plasmaNameX, at.plasmaNameY, applyCaseMask(L(kPlasmaName + d.plasma), mask::kPlasmaName), 3,
              at.plasmaCentred);
    c.drawsign(at.plasmaSignX, at.plasmaSignY, kLargePlasma + d.plasma, at.plasmaSignCentred, SignRole::Plasm);
}

void affirmation(ViewContext& v, const std::array<int, 6>& rows, const std::array<layout::CaseMask, 6>& masks) {
    const auto lines = loadaffirmation(v.day);
    for (std::size_t i = 0; i < 6; ++i) v.canvas.drawtxt(0, rows[i], applyCaseMask(lines[i], masks[i]), 2, true);
}

// The Gregorian date line, centred: the long formats in small print, on the
// day view two pixels above the short ones in the name font, on the book's
// page three below.
constexpr int kDayViewDateY = 394, kBookDateY = 377;
constexpr layout::DateStyle kDayViewDateStyle{-2, 6, 2}, kBookDateStyle{3, 6, 2};

void gregorianDate(ViewContext& v, int shortY, const layout::DateStyle& style) {
    cellDate(v.canvas, PageDate::from(v.date), v.settings._DateFormat, 0, shortY, style);
}

// The week's line figure, the special-kin markers, the vinal and the day of
// the moon's rune and sign; left out on the day out of time.
void bookCalendarSigns(ViewContext& v) {
    ViewCanvas& c = v.canvas;
    const CalendarDay& d = v.day;
    const std::optional<Figure> figure = izinfigure(d.yearSign, d.yearTone, d.weekNumber);
    if (figure && v.date.year > 1996) {
        const int m = drawizin(c, *figure, 190, d.monthDay % 7, 146);
        if (d.monthDay % 7 == 0) c.drawsign(190, 145, kFigure + m, false);
        c.drawtxt(-88, 136, zinnumber(*figure), 2, true);
    }
    if (d.kin == 78) c.drawsign(0, 365, kKin78, true);
    if (pvsign(static_cast<std::uint8_t>(d.kin & 0xFF))) c.drawsign(0, 365, kSpecialKin, true);
    if (d.vinalTone != 0) {
        c.drawsign(383, 145, kVinal40 + d.vinal, false);
        c.drawsign(366, 150, kVinalCount + d.vinalTone, false);
    } else {
        c.drawsign(367, 145, kVinal50 + d.vinal, false);
    }
    c.drawsign(184, 316, kRune + d.monthDay, false);
    c.drawsign(370, 316, kMoonDaySign + d.monthDay, false);
}

}  // namespace

void dayView(ViewContext& v, int) {
    ViewCanvas& c = v.canvas;
    const CalendarDay& d = v.day;
    const KinRelations& r = v.relations;
    moonDate(v, kDayViewMoonDate);
    c.drawsign(226, 182, kLargeTone + d.tone, false, SignRole::Tone);
    c.drawtxt(0, 140, L(kKinCaption) + " " + colourWord(r), 3, true);
    c.xmoon(shownMoonPhase(v.settings._Mmodel, v.date, d.moonPhase), kDayMoonLeft, kDayMoonTop);
    sealLine(c, toneWord(r, d.tone), L(kSealGenitive + d.sign), 155);
    namespace es = layout::essence;
    const EssenceText essence = essenceText(L(kEssence), L(kSealEssence + d.sign), es::kDayViewOneRow);
    c.drawtxt(es::kLeft, essence.rows.label, essence.label, 3, false);
    if (!essence.word.empty()) c.drawtxt(es::kLeft, essence.rows.word, essence.word, essence.wordPreset, false);
    c.drawtxt(es::kLeft, essence.rows.kin, applyCaseMask(L(kKinWord) + ": " + std::to_string(d.kin), mask::kNumberLabel),
              3, false);
    c.drawtxt(es::kLeft, essence.rows.tone, applyCaseMask(L(kToneWord) + ": " + std::to_string(d.tone), mask::kNumberLabel), 3,
              false);
    // The moon's two captions, centred on the moon.
    const int moonCentre = kDayMoonLeft + layout::kViewMoonSize / 2 - layout::kViewCentre;
    c.drawtxt(moonCentre, 186, applyCaseMask(L(kMoonPhaseCaption), mask::kMoonPhaseCaption), 3, true);
    c.drawtxt(moonCentre, 198, applyCaseMask(L(kToday), mask::kToday), 3, true);
    c.drawsign(224, 220, kLargeSeal + d.sign, false, SignRole::Kin);
    c.drawsign(308, 229, kSmallSeal + r.guide, false, SignRole::Guide);
    affirmation(v, {302, 317, 332, 346, 360, 374}, mask::kViewAffirmation);
    if (v.settings._DayDate) gregorianDate(v, kDayViewDateY, kDayViewDateStyle);
}

void bookOfKins(ViewContext& v, int) {
    ViewCanvas& c = v.canvas;
    const CalendarDay& d = v.day;
    const KinRelations& r = v.relations;
    const int castle = layout::castleOf(d.kin), wave = layout::wavespellOf(d.kin);
    c.drawtxt(-201, 60, L(kCastleColour + castle), 3, true);
    c.drawtxt(-201, 75, L(kCastleName + castle), 3, true);
    c.drawtxt(-201, 90, L(kCastleCourt + castle), 3, true);
    c.drawtxt(-201, 125, L(kCastleKins + castle), 3, true);
    c.drawtxt(202, 60, L(kWavespellModule), 3, true);
    c.drawtxt(202, 75, L(kWavespellName + wave), 3, true);
    c.drawtxt(200, 110, L(kWavespellKins + 2 * wave), 3, true);
    c.drawtxt(200, 125, L(kWavespellAim + 2 * wave), 3, true);
    if (!(v.date.day == 25 && v.date.month == 7)) bookCalendarSigns(v);
    c.drawsign(0, 232, kSmallSeal + d.sign, true, SignRole::Kin);
    c.drawsign(0, 142, kSeal45 + r.guide, true, SignRole::Guide);
    c.drawsign(-82, 242, kSeal45 + r.antipod, true, SignRole::Antipod);
    c.drawsign(82, 242, kSeal45 + r.analog, true, SignRole::Analog);
    c.drawsign(0, 314, kSeal45 + r.ateacher, true, SignRole::Ateacher);
    moonDate(v, kBookMoonDate);
    c.drawsign(0, 194, kLargeTone + d.tone, true, SignRole::Tone);
    c.drawtxt(0, 85, L(kKinCaption) + " " + colourWord(r), 3, true);
    c.xmoon(shownMoonPhase(v.settings._Mmodel, v.date, d.moonPhase), 428, 229);
    sealLine(c, toneWord(r, d.tone), L(kSealGenitive + d.sign), 100);
    c.drawtxt(0, 405, applyCaseMask(L(kEssence) + ": " + L(kSealEssence + d.sign), mask::kEssenceRow), 3, true);
    if (v.settings._BookDate) gregorianDate(v, kBookDateY, kBookDateStyle);
    const std::string kinAndTone =
        applyCaseMask(L(kKinWord) + ": " + std::to_string(d.kin), mask::kBookKin) + "   " + L(kToneWord) + ": " +
        std::to_string(d.tone);
    c.drawtxt(0, 392, applyCaseMask(kinAndTone, mask::kBookKinAndTone), 3, true);
    c.drawtxt(160, 198, applyCaseMask(L(kMoonPhaseCaption), mask::kMoonPhaseCaption), 3, true);
    c.drawtxt(160, 210, applyCaseMask(L(kToday), mask::kToday), 3, true);
    affirmation(v, {422, 437, 452, 466, 480, 494}, mask::kBookAffirmation);
}

}  // namespace kl::views
