// The shipped captions of the telektonon board, measured in their fonts:
// every plain, straight and upright caption lies inside the view picture,
// and no caption's letters run into another's.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <vector>

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

class TelektononCaptions : public ::testing::TestWithParam<Language> {};
INSTANTIATE_TEST_SUITE_P(Texts, TelektononCaptions, kBothLanguages, languageTestName);

// A caption as the view draws it.
std::string captionText(const tk::Caption& c) {
    std::string text = L(c.line);
    if (c.pattern) text = applyCaseMask(text, layout::russianCase(c.pattern));
    return text;
}

TEST_P(TelektononCaptions, EveryCaptionLiesInsideTheView) {
    const TextLanguageScope language(GetParam());
    const std::string previous = platform::programDirectory();
    platform::setProgramDirectory(KL_SHIPPED_DIR);
    ASSERT_TRUE(textFileExists("BASE.DRS")) << "build the 'texts' target first";
    for (const tk::Caption& c : tk::kCaptions) {
        const std::string text = captionText(c);
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

// The ink of a letter (or a whole plain text) as drawn: its ink box,
// turned with its line box about the line box's top-left corner (x, y).
using Quad = std::array<std::array<double, 2>, 4>;

Quad inkQuad(int x, int y, const platform::FontSpec& font, const std::string& text, int escapement) {
    const platform::InkBox ink = platform::inkBox(font, text);
    const double a = escapement / 10.0 * 3.14159265358979323846 / 180;
    const double c = std::cos(a), s = std::sin(a);
    // Along the text: (c, -s) on screen; down the letter: (s, c).
    const double along[4] = {double(ink.left), double(ink.left + ink.width), double(ink.left + ink.width),
                             double(ink.left)};
    const double down[4] = {double(ink.top), double(ink.top), double(ink.top + ink.height),
                            double(ink.top + ink.height)};
    Quad q;
    for (int i = 0; i < 4; ++i) q[i] = {x + along[i] * c + down[i] * s, y - along[i] * s + down[i] * c};
    return q;
}

// Two turned rectangles come within `gap` pixels of each other unless some
// edge's normal parts them by at least that much; with a gap of -1 they
// must overlap by a pixel or more.
bool within(const Quad& a, const Quad& b, double gap) {
    for (const Quad* q : {&a, &b})
        for (int i = 0; i < 2; ++i) {
            const double nx = (*q)[i + 1][1] - (*q)[i][1], ny = (*q)[i][0] - (*q)[i + 1][0];
            const double len = std::hypot(nx, ny);
            if (len == 0) continue;
            double aMin = 1e9, aMax = -1e9, bMin = 1e9, bMax = -1e9;
            for (const auto& p : a) aMin = std::min(aMin, (p[0] * nx + p[1] * ny) / len), aMax = std::max(aMax, (p[0] * nx + p[1] * ny) / len);
            for (const auto& p : b) bMin = std::min(bMin, (p[0] * nx + p[1] * ny) / len), bMax = std::max(bMax, (p[0] * nx + p[1] * ny) / len);
            if (std::max(aMin, bMin) - std::min(aMax, bMax) >= gap) return false;
        }
    return true;
}

TEST_P(TelektononCaptions, NoCaptionRunsIntoAnother) {
    const TextLanguageScope language(GetParam());
    const std::string previous = platform::programDirectory();
    platform::setProgramDirectory(KL_SHIPPED_DIR);
    ASSERT_TRUE(textFileExists("BASE.DRS")) << "build the 'texts' target first";
    struct Boxes {
        std::string text;
        std::vector<Quad> letters;
    };
    std::vector<Boxes> captions;
    for (const tk::Caption& c : tk::kCaptions) {
        const std::string text = captionText(c);
        Boxes boxes{text, {}};
        if (c.form == tk::Form::Text) {
            const int w = platform::textWidth(presetFont(c.preset), text);
            const int left = c.rightAligned ? c.x - w : c.centred ? layout::centredLeft(c.x, w) : c.x;
            boxes.letters.push_back(inkQuad(left, c.y, presetFont(c.preset), text, 0));
        } else {
            const int radius = c.form == tk::Form::Arc ? c.radius : c.form == tk::Form::Straight ? -1 : -2;
            const bool centreLine = c.form == tk::Form::Straight && c.centred;
            const bool centreUp = c.form == tk::Form::Upright && c.centred;
            for (const PlacedLetter& l : placeLetters(c.x, c.y, text, c.preset, c.startAngle, c.endAngle, radius,
                                                      c.rainbow, centreLine, centreUp))
                if (l.letter != " ") boxes.letters.push_back(inkQuad(l.x, l.y, presetFont(c.preset), l.letter, l.escapement));
        }
        captions.push_back(std::move(boxes));
    }
    // Captions stand apart by kCaptionGap pixels at least; the letters of
    // one caption may touch but not run into each other.
    constexpr double kCaptionGap = 2, kLetterOverlap = -1;
    for (std::size_t i = 0; i < captions.size(); ++i)
        for (std::size_t j = i; j < captions.size(); ++j)
            for (std::size_t a = 0; a < captions[i].letters.size(); ++a)
                for (std::size_t b = i == j ? a + 1 : 0; b < captions[j].letters.size(); ++b)
                    if (within(captions[i].letters[a], captions[j].letters[b], i == j ? kLetterOverlap : kCaptionGap))
                        ADD_FAILURE() << "\"" << captions[i].text << "\" (item " << i + 1 << ", letter " << a + 1
                                      << ") runs into \"" << captions[j].text << "\" (item " << j + 1 << ", letter "
                                      << b + 1 << ")";
    platform::setProgramDirectory(previous);
}

}  // namespace
}  // namespace kl::test
