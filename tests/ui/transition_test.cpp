// The cross-fade, tick by tick, with a stand-in dispatcher that fills the
// view picture with one colour per mode.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "data/settings.h"
#include "imaging/blend.h"
#include "ui/fullscreen/dispatcher.h"
#include "ui/fullscreen/fullstate.h"
#include "ui/fullscreen/transition.h"

namespace kl::test {
namespace {

using platform::Picture;
using platform::Rgb;

Rgb colourOf(int mode) {
    if (mode < 0 || mode > 48) return kViewBackground;
    return {static_cast<std::uint8_t>(40 + 4 * mode), 200, static_cast<std::uint8_t>(250 - 5 * mode)};
}

// The frame of level `level` between the views of two modes, as a pixel.
Rgb blended(int older, int newer, std::uint8_t level) {
    const Rgb bg = kViewBackground, a = colourOf(older), b = colourOf(newer);
    auto channel = [&](std::uint8_t g, std::uint8_t x, std::uint8_t y) {
        return mixChannel(level, mixChannel(255 - level, g, x), y);
    };
    return {channel(bg.r, a.r, b.r), channel(bg.g, a.g, b.g), channel(bg.b, a.b, b.b)};
}

struct Paint {
    int mode;
    int level;
    friend bool operator==(const Paint&, const Paint&) = default;
};

class TransitionTest : public ::testing::Test {
protected:
    void SetUp() override {
        saved = {fullmodeState, _newstate, spin, _trc, settings()._spconst};
        savedHelpPages = settings()._hlpcount;
        fullmodeState = -1;
        _newstate = 0;
        spin = 0;
        _trc = 160;
        TransitionTarget target;
        target.paint = [this](int mode, std::uint8_t level) {
            paints.push_back({mode, level});
            if (duringPaint) duringPaint();
            view.fill(colourOf(mode));
            return !failPaints;
        };
        target.show = [this](const Picture& frame) {
            shown.push_back(frame.pixel(300, 270));
            EXPECT_EQ(frame.pixel(0, 0), frame.pixel(669, 549));  // the whole frame, not a part
        };
        target.setButtonsEnabled = [this](bool on) { buttons.push_back(on); };
        target.stop = [this] { ++stops; };
        target.open = [this](int mode) { opened.push_back(mode); };
        fade = std::make_unique<Transition>(view, std::move(target));
    }
    void TearDown() override {
        std::tie(fullmodeState, _newstate, spin, _trc, settings()._spconst) = saved;
        settings()._hlpcount = savedHelpPages;
    }

    // Requests a mode as a button does.
    void request(int mode) {
        spin = 0;
        _newstate = static_cast<std::uint8_t>(mode);
    }

    Picture view{kViewWidth, kViewHeight, kViewBackground};
    std::unique_ptr<Transition> fade;
    std::vector<Paint> paints;
    std::vector<Rgb> shown;
    std::vector<bool> buttons;
    int stops = 0;
    std::vector<int> opened;  // modes whose window the fade asked to open
    bool failPaints = false;
    std::function<void()> duringPaint;
    std::tuple<std::int32_t, std::uint8_t, std::int32_t, std::uint8_t, std::int32_t> saved;
    std::int32_t savedHelpPages = 1;
};

TEST_F(TransitionTest, FiveStepsShowFourBlendedFramesThenTheView) {
    settings()._spconst = 5;
    fullmodeState = 2;
    request(4);

    const std::uint8_t levels[] = {102, 153, 204, 255};
    for (int i = 0; i < 4; ++i) {
        fade->tick();
        EXPECT_EQ(_trc, levels[i]) << "tick " << i + 1;
        ASSERT_EQ(shown.size(), std::size_t(i + 1));
        EXPECT_EQ(shown.back(), blended(2, 4, levels[i])) << "tick " << i + 1;
        EXPECT_EQ(stops, 0);
    }
    EXPECT_EQ(spin, 0);
    EXPECT_EQ(fullmodeState, 4);
    // Buttons go off once, at the frame of level 204 (spin 1).
    EXPECT_EQ(buttons, std::vector<bool>{false});

    fade->tick();
    EXPECT_EQ(shown.back(), colourOf(4));
    EXPECT_EQ(buttons, (std::vector<bool>{false, true}));
    EXPECT_EQ(stops, 1);
    // Each view is drawn once for the fade (new, then old, at the last
    // level) and once at the end; the blended ticks draw nothing.
    EXPECT_EQ(paints, (std::vector<Paint>{{4, 160}, {2, 160}, {4, 255}}));
}

TEST_F(TransitionTest, WithoutTransitionsTheViewComesAtTheFirstTick) {
    for (int steps : {0, 1}) {
        SCOPED_TRACE(steps);
        settings()._spconst = steps;
        fullmodeState = 7;
        request(9);
        shown.clear();
        buttons.clear();
        stops = 0;
        fade->tick();
        EXPECT_EQ(shown, std::vector<Rgb>{colourOf(9)});
        EXPECT_EQ(fullmodeState, 9);
        EXPECT_EQ(stops, 1);
        EXPECT_EQ(buttons, std::vector<bool>{true});  // never disabled
        EXPECT_LE(spin, 0);
    }
}

TEST_F(TransitionTest, TwoStepsGiveOneFrameAtFullLevel) {
    settings()._spconst = 2;
    request(1);
    fade->tick();
    EXPECT_EQ(_trc, 255);
    EXPECT_EQ(shown, std::vector<Rgb>{colourOf(1)});
    EXPECT_EQ(stops, 0);
    fade->tick();
    EXPECT_EQ(stops, 1);
    EXPECT_EQ(buttons, std::vector<bool>{true});
}

TEST_F(TransitionTest, FirstShowFadesFromTheBackground) {
    settings()._spconst = 3;
    request(0);  // fullmodeState is -1: nothing but background
    fade->tick();
    EXPECT_EQ(shown.back(), blended(-1, 0, 170));
}

TEST_F(TransitionTest, ANewRequestMidFadeStartsFromTheModeAlreadyRecorded) {
    settings()._spconst = 5;
    fullmodeState = 0;
    request(1);
    fade->tick();
    fade->tick();
    request(2);  // a button click during the fade
    paints.clear();
    fade->tick();
    EXPECT_EQ(paints, (std::vector<Paint>{{2, 153}, {1, 153}}));
    EXPECT_EQ(fullmodeState, 2);
    EXPECT_EQ(_trc, 102);
    EXPECT_EQ(shown.back(), blended(1, 2, 102));
}

TEST_F(TransitionTest, PastTheLastHelpPageTheFadeGoesStraightToTheFirst) {
    settings()._hlpcount = 3;
    settings()._spconst = 3;
    fullmodeState = 26;  // page 3
    request(27);         // page 4: past the last
    fade->tick();
    EXPECT_EQ(fullmodeState, 19);
    EXPECT_EQ(_newstate, 19);
    EXPECT_EQ(paints, (std::vector<Paint>{{19, 160}, {26, 160}}));
    EXPECT_EQ(shown.back(), blended(26, 19, 170));
    // With page 1 on show already, a request past the last only redraws it.
    while (stops == 0) fade->tick();
    paints.clear();
    request(25);
    settings()._hlpcount = 1;
    fade->tick();
    EXPECT_EQ(paints, (std::vector<Paint>{{19, 255}}));
    EXPECT_EQ(stops, 2);
}

TEST_F(TransitionTest, AWindowsModeOpensItsWindowOnceAsItsFadeBegins) {
    settings()._spconst = 3;
    fullmodeState = 0;
    request(18);
    fade->tick();
    EXPECT_EQ(opened, std::vector<int>{18});
    for (int i = 0; i < 5; ++i) fade->tick();  // the fade ends, the view is drawn again
    spin = 0;
    fade->tick();  // a tick with the request already served
    EXPECT_EQ(opened, std::vector<int>{18});
    request(9);
    while (spin != 0 || fullmodeState != 9) fade->tick();
    EXPECT_EQ(opened, (std::vector<int>{18, 9}));
}

TEST_F(TransitionTest, StepCountIsFixedWhenTheFadeBegins) {
    settings()._spconst = 5;
    request(20);
    fade->tick();
    EXPECT_EQ(fade->steps(), 5);
    // The configuration dialog, opened by the fade into mode 20, turns
    // transitions off.
    settings()._spconst = 0;
    fade->tick();
    EXPECT_EQ(_trc, 153);
    settings()._spconst = 3;
    fade->tick();
    EXPECT_EQ(_trc, 204);
    EXPECT_EQ(buttons, std::vector<bool>{false});
    fade->tick();
    EXPECT_EQ(_trc, 255);
    fade->tick();
    EXPECT_EQ(stops, 1);
    EXPECT_EQ(shown.back(), colourOf(20));
}

TEST_F(TransitionTest, LevelStaysWithinItsRange) {
    EXPECT_EQ(Transition::level(0, 3), 255);
    EXPECT_EQ(Transition::level(-2, 0), 255);
    EXPECT_EQ(Transition::level(5, 9), 0);    // more steps left than the fade has
    EXPECT_EQ(Transition::level(5, -4), 255);
    EXPECT_EQ(Transition::level(4, 2), 128);  // 127.5
    EXPECT_EQ(Transition::level(99, 98), 3);  // 2.58
    // A fade left running with a step count nobody set still ends.
    spin = 3;
    fullmodeState = _newstate = 6;
    for (int i = 0; i < 4; ++i) fade->tick();
    EXPECT_EQ(stops, 1);
}

TEST_F(TransitionTest, ATickDuringATickDoesNothing) {
    settings()._spconst = 4;
    request(3);
    int inner = 0;
    duringPaint = [&] {
        // A message box inside the dispatcher runs the event loop, and the
        // timer fires again.
        if (!fade->tick()) ++inner;
    };
    EXPECT_TRUE(fade->tick());
    EXPECT_EQ(inner, 2);
    EXPECT_EQ(paints.size(), 2u);
    EXPECT_EQ(spin, 2);
    EXPECT_EQ(fullmodeState, 3);
    EXPECT_FALSE(fade->ticking());
}

TEST_F(TransitionTest, AReportedFailureStopsTheFade) {
    settings()._spconst = 1;
    fullmodeState = 0;
    request(5);
    failPaints = true;
    fade->tick();
    EXPECT_EQ(paints.size(), 1u);  // not the old view, not the final view again
    EXPECT_EQ(stops, 1);
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(fullmodeState, 0);  // the window keeps its state
}

// The one-pass frame is what filling and blending twice gave, on views
// whose every byte differs, into a frame of the views' size and into a
// screen picture shorter than them; a frame taller than the views keeps
// the background below them.
TEST(CrossFade, OnePassEqualsFillThenTwoBlends) {
    std::mt19937 rng(5);
    Picture older(kViewWidth, kViewHeight), newer(kViewWidth, kViewHeight);
    for (Picture* p : {&older, &newer})
        for (int y = 0; y < kViewHeight; ++y)
            for (int i = 0; i < 3 * kViewWidth; ++i) p->row(y)[i] = static_cast<std::uint8_t>(rng());
    for (const std::uint8_t level : {0, 1, 128, 254, 255}) {
        Picture expected(kViewWidth, kViewHeight, kViewBackground);
        blendbmp(older, expected, nullptr, 0, 0, 255 - level, kBlendOpacity);
        blendbmp(newer, expected, nullptr, 0, 0, level, kBlendOpacity);
        for (const int height : {kViewHeight, 540, kViewHeight + 7}) {
            Picture frame(kViewWidth, height);
            crossFade(older, newer, level, frame);
            long mismatches = 0;
            for (int y = 0; y < height; ++y)
                for (int x = 0; x < kViewWidth; ++x)
                    if (frame.pixel(x, y) != (y < kViewHeight ? expected.pixel(x, y) : kViewBackground)) ++mismatches;
            EXPECT_EQ(mismatches, 0) << "level " << int(level) << ", height " << height;
        }
    }
}

TEST_F(TransitionTest, FramesGoStraightIntoTheScreensOwnPicture) {
    Picture screen(kViewWidth, 540);
    const Picture* shownFrame = nullptr;
    TransitionTarget target;
    target.paint = [this](int mode, std::uint8_t) {
        view.fill(colourOf(mode));
        return true;
    };
    target.frame = [&screen] { return &screen; };
    target.show = [&shownFrame](const Picture& frame) { shownFrame = &frame; };
    Transition direct(view, std::move(target));
    settings()._spconst = 4;
    fullmodeState = 3;
    request(8);
    direct.tick();
    EXPECT_EQ(shownFrame, &screen);
    EXPECT_EQ(screen.pixel(669, 539), blended(3, 8, _trc));
}

}  // namespace
}  // namespace kl::test
