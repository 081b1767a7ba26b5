// The telektonon with the shipped board, pieces, fields and hints: the hint
// of the field under the pointer appears in the box at the lower right and
// nowhere else. With KL_REVIEW_DIR set the picture is also saved there for
// review.
#include <gtest/gtest.h>

#include <cstdlib>

#include "core/state.h"
#include "data/conffile.h"
#include "data/errorlog.h"
#include "layout/telektonon.h"
#include "platform/files.h"
#include "support/testsupport.h"
#include "ui/fullscreen/dispatcher.h"
#include "ui/fullscreen/fullstate.h"
#include "ui/fullscreen/hints.h"
#include "ui/fullscreen/workpictures.h"

namespace kl::test {
namespace {

namespace tk = layout::telektonon;

TEST(TelektononHint, TheFieldsHintFillsOnlyTheBox) {
    const std::string previous = platform::programDirectory();
    platform::setProgramDirectory(KL_SHIPPED_DIR);
    recorded() = Recorded{};
    currentDate = GregorianDate{8, 12, 0, 2026};
    currentDay = computeCalendarDay(currentDate);
    _teldrawed = false;
    loadbaserects();
    paintall(13, 255);
    const platform::Picture before = viewPicture();

    fullmodeState = 13;
    spin = 0;
    lastHint.clear();
    // The middle of seal 4's cell in the block of twenty (field 3).
    const tk::Cell cell = tk::sealBlockCell(4);
    const int x = 133 + 33 * cell.column + cell.column / 2 + 16, y = 133 + 33 * cell.row + cell.row / 2 + 16;
    ASSERT_TRUE(hintMove(x, y, viewPicture()));
    EXPECT_EQ(lastHint, fieldRects()[3].text);
    EXPECT_FALSE(lastHint.empty());

    const platform::Picture& after = viewPicture();
    int inked = 0, changedOutside = 0;
    for (int py = 0; py < after.height(); ++py)
        for (int px = 0; px < after.width(); ++px) {
            const bool inBox = px >= tk::kHintX && px < tk::kHintX + tk::kHintWidth && py >= tk::kHintY &&
                               py < tk::kHintY + tk::kHintHeight;
            if (inBox) inked += !(after.pixel(px, py) == kViewBackground);
            else changedOutside += !(after.pixel(px, py) == before.pixel(px, py));
        }
    EXPECT_GT(inked, 100);
    EXPECT_EQ(changedOutside, 0);
    EXPECT_EQ(recorded().messages.size(), 0u);

    if (const char* dir = std::getenv("KL_REVIEW_DIR")) after.save(std::string(dir) + "/telektonon_hint.bmp");
    fullmodeState = -1;
    lastHint.clear();
    fieldRects() = FieldRects{};
    _teldrawed = false;
    boardPicture() = platform::Picture();
    platform::setProgramDirectory(previous);
}

}  // namespace
}  // namespace kl::test
