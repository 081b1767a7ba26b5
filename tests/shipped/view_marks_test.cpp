// Marks the board views draw with the shipped pictures: the wings light the
// day's bead and no other, and the Tzolkin's legend shows the fills of the
// cells it names.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "core/calendar.h"
#include "core/kin.h"
#include "core/state.h"
#include "data/settings.h"
#include "data/textdb.h"
#include "layout/boardviews.h"
#include "platform/files.h"
#include "platform/picture.h"
#include "support/dates.h"
#include "ui/fullscreen/dispatcher.h"
#include "ui/fullscreen/modes.h"
#include "ui/fullscreen/picturecanvas.h"

namespace kl::test {
namespace {

class ShippedViews : public ::testing::Test {
protected:
    void SetUp() override {
        previous_ = platform::programDirectory();
        was_ = currentDate;
        platform::setProgramDirectory(KL_SHIPPED_DIR);
        ASSERT_TRUE(platform::fileExists("tech.dat")) << "build the 'texts' and 'pictures' targets first";
    }
    void TearDown() override {
        currentDate = was_;
        currentDay = computeCalendarDay(was_);
        platform::setProgramDirectory(previous_);
    }

    const platform::Picture& render(int mode, const GregorianDate& date) {
        currentDate = date;
        currentDay = computeCalendarDay(date);
        platform::Picture& view = viewPicture();
        view.fill(layout::kViewBackground);
        PictureCanvas canvas(view, scratchPicture(), set_);
        ViewContext v{canvas, mode, currentDate, currentDay, computeKinRelations(currentDay), set_, dispatcherHooks()};
        findMode(mode)->render(v, mode);
        return view;
    }

    static Rgb median(const platform::Picture& p, int left, int top, int width, int height) {
        std::vector<Rgb> c;
        for (int y = top; y < top + height; ++y)
            for (int x = left; x < left + width; ++x) c.push_back(p.pixel(x, y));
        const auto key = [](Rgb a) { return a.r * 299 + a.g * 587 + a.b * 114; };
        std::nth_element(c.begin(), c.begin() + c.size() / 2, c.end(),
                         [&](Rgb a, Rgb b) { return key(a) < key(b); });
        return c[c.size() / 2];
    }

    Settings set_ = settings();

private:
    std::string previous_;
    GregorianDate was_;
};

int cellLine(int line) {
    std::string text;
    readtext(line, layout::wings::kCellFile, text);
    return std::stoi(text);
}

TEST_F(ShippedViews, TheWingsLightTheDaysBeadAndNoOther) {
    const platform::Picture board = platform::Picture::load("graphic\\wings.bmp");
    const int boardLeft = layout::kViewCentre - board.width() / 2, boardTop = layout::wings::kBoard.y;
    // Bead centres: the middle of each kin's 14-pixel cell, at least 16
    // pixels from any other, so a 28-pixel shine never reaches another's.
    std::vector<std::pair<int, int>> beads;
    for (int kin = 1; kin <= 260; ++kin) beads.push_back({cellLine(2 * kin - 2) + 7, cellLine(2 * kin - 1)});
    const auto onBoard = [&](int x, int y) { return board.pixel(x - boardLeft, y - boardTop); };

    std::set<int> seen;
    GregorianDate d = date(2027, 7, 26);
    for (int n = 0; seen.size() < 260 && n < 300; ++n, d = stepDate(d, 1)) {
        const int kin = computeCalendarDay(d).kin;
        if (!seen.insert(kin).second) continue;
        const platform::Picture& view = render(12, d);
        // The day's bead: gold the board does not have, round its centre.
        const auto [cx, cy] = beads[kin - 1];
        int gold = 0;
        for (int y = cy - 14; y < cy + 14; ++y)
            for (int x = cx - 14; x < cx + 14; ++x) {
                const Rgb p = view.pixel(x, y);
                gold += p != onBoard(x, y) && p.r >= 180 && p.r > p.g && p.g > p.b;
            }
        EXPECT_GT(gold, 20) << "kin " << kin;
        // Every other bead as the board draws it.
        for (int other = 1; other <= 260; ++other) {
            if (other == kin) continue;
            const auto [ox, oy] = beads[other - 1];
            for (int y = oy - 1; y <= oy + 1; ++y)
                for (int x = ox - 1; x <= ox + 1; ++x)
                    ASSERT_EQ(view.pixel(x, y), onBoard(x, y)) << "kin " << kin << " marks kin " << other;
        }
    }
    EXPECT_EQ(seen.size(), 260u);
}

TEST_F(ShippedViews, TheTzolkinLegendShowsTheFillsOfTheCellsItNames) {
    const platform::Picture& view = render(5, date(2027, 3, 20));
    // Inside the outlines of the legend's boxes, and of the cells of kin 121
    // (the mystic column) and kin 1 (a portal), numbers and grid lines aside.
    const auto cell = [&](int kin) {
        return median(view, 170 + 23 * ((kin - 1) / 20) + 1, 30 + 22 * ((kin - 1) % 20) + 1, 22, 21);
    };
    EXPECT_EQ(median(view, 154, 486, 19, 19), cell(121));
    EXPECT_EQ(median(view, 311, 486, 19, 19), cell(1));
}

}  // namespace
}  // namespace kl::test
