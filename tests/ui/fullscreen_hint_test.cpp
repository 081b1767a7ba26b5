// The full-screen window's field hints: loaded when the window is made, and
// shown on the picture box when the pointer moves over a field of the
// telektonon.
#include <gtest/gtest.h>

#include "core/state.h"
#include "ui/compactfixture.h"
#include "ui/fullscreen/dispatcher.h"
#include "ui/fullscreen/window/tform3.h"

namespace kl::test {
namespace {

std::string field(std::int32_t l, std::int32_t t, std::int32_t r, std::int32_t b) {
    std::string bytes;
    for (std::int32_t v : {l, t, r, b})
        for (int k = 0; k < 4; ++k) bytes += static_cast<char>((static_cast<std::uint32_t>(v) >> (8 * k)) & 0xFF);
    return bytes;
}

class FullScreenHint : public CompactTest {
protected:
    void TearDown() override {
        CompactTest::TearDown();
        fullmodeState = -1;
        lastHint.clear();
        fieldRects() = FieldRects{};
    }
    bool boxInked() const {
        const platform::Picture& shown = form3->pbx->picture();
        for (int y = 455; y < 535; ++y)
            for (int x = 505; x < 665; ++x)
                if (!(shown.pixel(x, y) == kViewBackground)) return true;
        return false;
    }
};

TEST_F(FullScreenHint, AMoveOverAFieldShowsItsHintOnThePictureBox) {
    std::string rects = field(100, 100, 200, 150);
    rects.resize(70 * 16, '\0');
    writeFile("HRCT.dat", rects);
    writeLines("Fieldhlp.drs", {"Seal  of the day"});
    createWindows();
    EXPECT_EQ(fieldRects()[0].right, 200);  // read when the window was made
    EXPECT_TRUE(recorded().messages.empty());

    // The telektonon on show and still; the picture box shows the view.
    viewPicture().fill(kViewBackground);
    form3->pbx->showPicture(viewPicture());
    fullmodeState = 13;
    spin = 0;
    form3->pbxMouseMove({}, 120, 120);
    EXPECT_EQ(lastHint, "Seal  of the day");
    EXPECT_TRUE(boxInked());
    form3->pbxMouseMove({}, 300, 300);
    EXPECT_EQ(lastHint, "");
    EXPECT_FALSE(boxInked());

    // In another view the same move shows nothing.
    fullmodeState = 0;
    form3->pbxMouseMove({}, 120, 120);
    EXPECT_EQ(lastHint, "");
    EXPECT_FALSE(boxInked());
}

}  // namespace
}  // namespace kl::test
