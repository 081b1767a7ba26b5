// Every text the views draw with the shipped pictures and texts reads
// against what lies under it: the text's colour and the median colour of
// its ink box, taken just before the text is drawn, reach the contrast ratio
// of level AA.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <set>
#include <sstream>
#include <vector>

#include "core/calendar.h"
#include "core/kin.h"
#include "core/state.h"
#include "data/language.h"
#include "data/settings.h"
#include "layout/contrast.h"
#include "platform/draw.h"
#include "platform/files.h"
#include "ui/fullscreen/dispatcher.h"
#include "ui/fullscreen/fullstate.h"
#include "ui/fullscreen/modes.h"
#include "ui/fullscreen/picturecanvas.h"
#include "ui/fullscreen/renderstate.h"
#include "ui/fullscreen/textrenderer.h"

namespace kl::test {
namespace {

// The median colour (by luminance) of the pixels of `view` in the box,
// clipped to the picture; nullopt for a box wholly outside it.
std::optional<Rgb> medianUnder(const platform::Picture& view, int left, int top, int width, int height) {
    std::vector<std::pair<double, Rgb>> pixels;
    for (int y = std::max(0, top); y < std::min(view.height(), top + height); ++y)
        for (int x = std::max(0, left); x < std::min(view.width(), left + width); ++x) {
            const Rgb c = view.pixel(x, y);
            pixels.push_back({layout::relativeLuminance(c), c});
        }
    if (pixels.empty()) return std::nullopt;
    std::nth_element(pixels.begin(), pixels.begin() + pixels.size() / 2, pixels.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    return pixels[pixels.size() / 2].second;
}

// Draws as the window does and, before each text, measures it against the
// picture under its ink.
class MeasuringCanvas : public PictureCanvas {
public:
    using PictureCanvas::PictureCanvas;
    std::vector<std::string> faults;
    int measured = 0;

    void drawtxt(int x, int y, const std::string& text, int preset, bool centred) override {
        const platform::FontSpec font = presetFont(preset);
        const int w = platform::textWidth(font, text);
        const int left = rightallign ? x - w : centred ? centreLine() + x - w / 2 : x;
        const platform::InkBox ink = platform::inkBox(font, text);
        check(text, presetColour(preset), left + ink.left, y + ink.top, ink.width, ink.height);
        PictureCanvas::drawtxt(x, y, text, preset, centred);
    }

    void drawtxt2(int x, int y, const std::string& text, int preset, int startAngle, int endAngle, int radius,
                  bool rainbow, bool centreLine, bool centreUp) override {
        for (const PlacedLetter& l :
             placeLetters(x, y, text, preset, startAngle, endAngle, radius, rainbow, centreLine, centreUp)) {
            if (l.letter == " ") continue;
            // A turned letter is measured over the upright box that holds it.
            const platform::InkBox ink = platform::inkBox(presetFont(preset), l.letter);
            const double a = l.escapement / 10.0 * 3.14159265358979323846 / 180;
            const double c = std::cos(a), s = std::sin(a);
            double x0 = 1e9, y0 = 1e9, x1 = -1e9, y1 = -1e9;
            for (int along : {ink.left, ink.left + ink.width})
                for (int down : {ink.top, ink.top + ink.height}) {
                    const double px = l.x + along * c + down * s, py = l.y - along * s + down * c;
                    x0 = std::min(x0, px), x1 = std::max(x1, px), y0 = std::min(y0, py), y1 = std::max(y1, py);
                }
            check(l.letter + " of " + text, l.colour, int(x0), int(y0), int(x1 - x0), int(y1 - y0));
        }
        PictureCanvas::drawtxt2(x, y, text, preset, startAngle, endAngle, radius, rainbow, centreLine, centreUp);
    }

private:
    void check(const std::string& text, Rgb colour, int left, int top, int width, int height) {
        if (width <= 0 || height <= 0) return;  // inks nothing
        const std::optional<Rgb> under = medianUnder(*picture(), left, top, width, height);
        if (!under) return;
        ++measured;
        const double ratio = layout::contrastRatio(colour, *under);
        if (ratio >= layout::kMinTextContrast) return;
        std::ostringstream out;
        out << "\"" << text << "\" at (" << left << ", " << top << ") in " << int(colour.r) << "," << int(colour.g)
            << "," << int(colour.b) << " over " << int(under->r) << "," << int(under->g) << "," << int(under->b)
            << ": " << ratio;
        faults.push_back(out.str());
    }
};

// Draws every calendar view of `date` and reports each text that does not
// read against what lies under it.
void checkViewsOf(const GregorianDate& date, const Settings& set, const std::string& label) {
    const GregorianDate was = currentDate;
    currentDate = date;
    currentDay = computeCalendarDay(date);
    for (int mode : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 12, 13, 14}) {
        _teldrawed = false;  // the board's captions are drawn, not copied
        platform::Picture& view = viewPicture();
        view.fill(kViewBackground);
        MeasuringCanvas canvas(view, scratchPicture(), set);
        canvas.setCentreLine(mode == 9 ? layout::kViewHalfWidth : layout::kViewCentre);
        ViewContext v{canvas, mode, currentDate, currentDay, computeKinRelations(currentDay), set,
                      dispatcherHooks()};
        findMode(mode)->render(v, mode);
        rightallign = false;
        EXPECT_GT(canvas.measured, 0) << label << " mode " << mode;
        for (const std::string& f : canvas.faults) ADD_FAILURE() << label << " mode " << mode << ": " << f;
    }
    currentDate = was;
    currentDay = computeCalendarDay(was);
}

TEST(ViewContrast, EveryTextReadsAgainstWhatIsUnderIt) {
    const std::string previous = platform::programDirectory();
    platform::setProgramDirectory(KL_SHIPPED_DIR);
    ASSERT_TRUE(platform::fileExists("BASE.DRS")) << "build the 'texts' target first";
    Settings set = settings();
    set._Sfigure = set._IconDate = set._DayDate = set._BookDate = true;
    const Language language = textLanguage();
    for (const Language shown : {Language::Russian, Language::English}) {
        setTextLanguage(shown);
        // A new-moon day, an ordinary day, the day out of time.
        for (const GregorianDate date :
             {GregorianDate{9, 12, 0, 2026}, GregorianDate{20, 3, 0, 2027}, GregorianDate{25, 7, 0, 2027}})
            checkViewsOf(date, set,
                         std::string(languageCode(shown)) + " " + std::to_string(date.year) + "-" +
                             std::to_string(date.month) + "-" + std::to_string(date.day));
    }
    setTextLanguage(language);
    platform::setProgramDirectory(previous);
}

// The kin numbers inside the Tzolkin board's cells: each number's brightest
// ink reads against its cell's fill (the cell's median).
TEST(ViewContrast, TzolkinKinNumbersReadOnTheirCells) {
    const platform::Picture board = platform::Picture::load(std::string(KL_SHIPPED_DIR) + "/graphic/zolkin.bmp");
    const int boardLeft = layout::kViewCentre + 20 - board.width() / 2, boardTop = 30;
    for (int kin = 1; kin <= 260; ++kin) {
        // The cell of kin k spans 23 x 22 pixels from (170 + 23 c, 30 + 22 r)
        // in the view; inside its grid lines.
        const int left = 170 + 23 * ((kin - 1) / 20) - boardLeft + 1, top = 30 + 22 * ((kin - 1) % 20) - boardTop + 1;
        const std::optional<Rgb> fill = medianUnder(board, left, top, 22, 21);
        ASSERT_TRUE(fill) << kin;
        double best = 1;
        for (int y = top; y < top + 21; ++y)
            for (int x = left; x < left + 22; ++x) best = std::max(best, layout::contrastRatio(board.pixel(x, y), *fill));
        EXPECT_GE(best, layout::kMinTextContrast) << "kin " << kin;
    }
}

}  // namespace
}  // namespace kl::test
