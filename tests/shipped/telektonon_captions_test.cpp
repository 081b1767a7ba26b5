// The shipped captions of the telektonon board, measured in their fonts:
// every plain, straight and upright caption lies inside the view picture.
#include <gtest/gtest.h>

#include "data/textdb.h"
#include "layout/telektonon.h"
#include "layout/viewgeometry.h"
#include "platform/draw.h"
#include "platform/files.h"
#include "support/testsupport.h"
#include "ui/fullscreen/textrenderer.h"

namespace kl::test {
namespace {

namespace tk = layout::telektonon;

TEST(TelektononCaptions, EveryCaptionLiesInsideTheView) {
    const std::string previous = platform::programDirectory();
    platform::setProgramDirectory(KL_SHIPPED_DIR);
    ASSERT_TRUE(platform::fileExists("BASE.DRS")) << "build the 'texts' target first";
    for (const tk::Caption& c : tk::kCaptions) {
        std::string text = L(c.line);
        if (c.pattern) text = applyCaseMask(text, c.pattern);
        EXPECT_FALSE(text.empty()) << c.line;
        const int w = platform::textWidth(presetFont(c.preset), text);
        const int h = presetFont(c.preset).pixelHeight < 0 ? -presetFont(c.preset).pixelHeight
                                                           : presetFont(c.preset).pixelHeight;
        int left = c.x, top = c.y, right = 0, bottom = 0;
        switch (c.form) {
            case tk::Form::Text:
                if (c.rightAligned) left = c.x - w;
                else if (c.centred) left = layout::centredLeft(c.x, w);
                right = left + w, bottom = top + h;
                break;
            case tk::Form::Straight:
                if (c.centred) left = c.x - w / 2;
                right = left + w, bottom = top + h;
                break;
            case tk::Form::Upright:
                // Letters turned a quarter left run upward from y + width
                // (or from the middle) and stand right of x.
                if (c.centred) top = c.y - w / 2;
                right = c.x + h, bottom = top + w;
                break;
            case tk::Form::Arc: continue;
        }
        EXPECT_GE(left, 0) << c.line << " " << text;
        EXPECT_GE(top, 0) << c.line << " " << text;
        EXPECT_LE(right, layout::kViewWidth) << c.line << " " << text;
        EXPECT_LE(bottom, layout::kViewHeight) << c.line << " " << text;
    }
    platform::setProgramDirectory(previous);
}

}  // namespace
}  // namespace kl::test
