// The tone, seal and plasma pages with the shipped texts, pictures and sign
// font: the larger sign each page draws below or beside its texts covers no
// text and no picture, in either language, for every tone, seal and plasma.
#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <vector>

#include "core/calendar.h"
#include "core/kin.h"
#include "core/state.h"
#include "data/language.h"
#include "data/settings.h"
#include "layout/signtable.h"
#include "platform/draw.h"
#include "platform/files.h"
#include "platform/fonts.h"
#include "support/dates.h"
#include "ui/fullscreen/dispatcher.h"
#include "ui/fullscreen/modes.h"
#include "ui/fullscreen/picturecanvas.h"
#include "ui/fullscreen/textrenderer.h"

namespace kl::test {
namespace {

std::string boxText(const layout::ViewBox& b) {
    std::ostringstream out;
    out << "(" << b.left << ", " << b.top << ") " << b.width << " x " << b.height;
    return out.str();
}

// Draws as the window does, keeping the ink box of every text, the box of
// every sign picture, and what the larger sign changed inside and outside
// the box it was given.
class RecordingCanvas : public PictureCanvas {
public:
    using PictureCanvas::PictureCanvas;
    std::vector<std::pair<std::string, layout::ViewBox>> taken;  // texts and pictures
    std::vector<layout::ViewBox> larger;
    int changedInside = 0, changedOutside = 0;

    void drawtxt(int x, int y, const std::string& text, int preset, bool centred) override {
        const platform::FontSpec font = presetFont(preset);
        const platform::InkBox ink = platform::inkBox(font, text);
        const int left = centred ? centreLine() + x - platform::textWidth(font, text) / 2 : x;
        if (ink.width > 0) taken.push_back({"\"" + text + "\"", {left + ink.left, y + ink.top, ink.width, ink.height}});
        PictureCanvas::drawtxt(x, y, text, preset, centred);
    }

    void drawsignIn(const layout::ViewBox& box, int code) override {
        larger.push_back(box);
        const platform::Picture before = *picture();
        PictureCanvas::drawsignIn(box, code);
        const platform::Picture& after = *picture();
        const int s = after.scale();  // pixels to the drawing unit
        for (int y = 0; y < after.height(); ++y)
            for (int x = 0; x < after.width(); ++x)
                if (after.pixel(x, y) != before.pixel(x, y))
                    ++(x / s >= box.left && x / s < box.right() && y / s >= box.top && y / s < box.bottom()
                           ? changedInside
                           : changedOutside);
    }

protected:
    void sign(int x, int y, int code, bool centred) override {
        const layout::PicSize s = layout::signPictureSize(code);
        taken.push_back({"sign " + std::to_string(code),
                         {centred ? layout::centredLeft(x, s.w, centreLine()) : x, y, s.w, s.h}});
        PictureCanvas::sign(x, y, code, centred);
    }
};

TEST(PageSigns, TheLargerSignCoversNoTextOnAnyPageInEitherLanguage) {
    const std::string previous = platform::programDirectory();
    platform::setProgramDirectory(KL_SHIPPED_DIR);
    ASSERT_TRUE(platform::fileExists("DAYINFO.drs")) << "build the 'texts' target first";
    ASSERT_TRUE(platform::registerProgramFonts(KL_SHIPPED_DIR "/fonts").empty()) << "build the 'fonts' target first";
    const Settings set = settings();
    const Language language = textLanguage();
    const GregorianDate was = currentDate;
    for (const auto& [set2x, shown] : {std::pair{false, Language::Russian}, std::pair{false, Language::English},
                                       std::pair{true, Language::Russian}}) {
        setTextLanguage(shown);
        setViewPictureSet(set2x ? 2 : 1);
        // Twenty days in a row: every seal, every tone and every plasma; at
        // 2x a few of each.
        std::set<std::pair<int, int>> seen;
        for (int day = 1; day <= (set2x ? 3 : 20); ++day) {
            currentDate = date(2027, 3, day);
            currentDay = computeCalendarDay(currentDate);
            const int signOf[4] = {0, currentDay.tone, currentDay.sign, currentDay.plasma};
            for (int mode : {1, 2, 3}) {
                const std::string label = std::string(languageCode(shown)) + (set2x ? " 2x" : "") + " mode " + std::to_string(mode) +
                                          " sign " + std::to_string(signOf[mode]);
                platform::Picture& view = viewPicture();
                view.fill(layout::kViewBackground);
                RecordingCanvas canvas(view, scratchPicture(), set);
                ViewContext v{canvas, mode, currentDate, currentDay, computeKinRelations(currentDay), set,
                              dispatcherHooks()};
                findMode(mode)->render(v, mode);
                seen.insert({mode, signOf[mode]});
                ASSERT_EQ(canvas.larger.size(), 1u) << label;
                const layout::ViewBox box = canvas.larger.front();
                const layout::ViewBox picture = canvas.taken.front().second;  // the page's sign, drawn first
                EXPECT_GT(box.width, picture.width) << label;
                EXPECT_TRUE(box.left >= 0 && box.top >= 0 && box.right() <= layout::kViewWidth &&
                            box.bottom() <= layout::kViewHeight)
                    << label << " " << boxText(box);
                for (const auto& [what, taken] : canvas.taken)
                    EXPECT_FALSE(box.intersects(taken)) << label << ": " << boxText(box) << " covers " << what;
                EXPECT_GT(canvas.changedInside, 0) << label;   // the glyphs were drawn
                EXPECT_EQ(canvas.changedOutside, 0) << label;  // and stayed in the box
            }
        }
        if (!set2x) EXPECT_EQ(seen.size(), 13u + 20u + 7u);
    }
    setViewPictureSet(1);
    setTextLanguage(language);
    currentDate = was;
    currentDay = computeCalendarDay(was);
    platform::setProgramDirectory(previous);
}

}  // namespace
}  // namespace kl::test
