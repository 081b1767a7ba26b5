// The page filters, the fitting rule, the view zoom and fit to paper.
#include <gtest/gtest.h>

#include <random>

#include "print/filters.h"
#include "print/fitting.h"
#include "print/optimize.h"
#include "print/printfixture.h"

namespace kl::print::test {
namespace {

// The 3x3 mean as the obvious nested loops compute it, for comparison.
Picture referenceBlur(const Picture& in, int x1, int y1, int x2, int y2) {
    Picture out = in;
    const int w = in.width(), h = in.height();
    for (int y = std::max(y1, 0); y <= std::min(y2, h - 1); ++y)
        for (int x = std::max(x1, 0); x <= std::min(x2, w - 1); ++x) {
            unsigned s[3] = {0, 0, 0};
            for (int dy : {y > 0 ? y - 1 : y, y, y < h - 1 ? y + 1 : y})
                for (int dx : {x > 0 ? x - 1 : x, x, x < w - 1 ? x + 1 : x}) {
                    const Rgb c = in.pixel(dx, dy);
                    s[0] += c.r;
                    s[1] += c.g;
                    s[2] += c.b;
                }
            out.setPixel(x, y, {static_cast<std::uint8_t>(s[0] / 9), static_cast<std::uint8_t>(s[1] / 9),
                                static_cast<std::uint8_t>(s[2] / 9)});
        }
    return out;
}

TEST(Filters, SmoothingEqualsTheNineNeighbourMean) {
    std::mt19937 rng(7);
    for (auto [w, h] : {std::pair{1, 1}, {2, 2}, {17, 5}, {64, 33}}) {
        Picture p(w, h);
        for (int y = 0; y < h; ++y)
            for (int i = 0; i < 3 * w; ++i) p.row(y)[i] = static_cast<std::uint8_t>(rng());
        for (auto [x1, x2, y1, y2] : {std::array{0, w - 1, 0, h - 1}, {1, w - 1, 1, h - 1}, {w / 3, w / 2, h / 3, h - 1},
                                      {-5, w + 5, -5, h + 5}}) {
            Picture q = p;
            std::vector<int> rows;
            blurm(q, x1, x2, y1, y2, [&](int y) { rows.push_back(y); });
            EXPECT_EQ(q.image(), referenceBlur(p, x1, y1, x2, y2).image()) << w << "x" << h << " " << x1 << ".." << x2;
            if (!rows.empty()) {
                EXPECT_EQ(rows.front(), std::max(y1, 0));
                EXPECT_EQ(rows.back(), std::min(y2, h - 1));
            }
        }
    }
}

TEST(Filters, SinglePixelAndGrey) {
    Picture p(21, 21, {0, 0, 0});
    p.setPixel(10, 10, {255, 255, 255});
    blurm(p, 0, 20, 0, 20);
    EXPECT_EQ(p.pixel(9, 9), (Rgb{28, 28, 28}));
    EXPECT_EQ(p.pixel(11, 11), (Rgb{28, 28, 28}));
    EXPECT_EQ(p.pixel(12, 10), (Rgb{0, 0, 0}));

    Picture g(3, 1);
    g.setPixel(0, 0, {255, 0, 1});
    g.setPixel(1, 0, {1, 1, 0});
    g.setPixel(2, 0, {255, 255, 255});
    blacknwhite(g, 0, 2, 0, 0);
    EXPECT_EQ(g.pixel(0, 0), (Rgb{85, 85, 85}));
    EXPECT_EQ(g.pixel(1, 0), (Rgb{0, 0, 0}));
    EXPECT_EQ(g.pixel(2, 0), (Rgb{255, 255, 255}));
    blacknwhite(g, 5, -3, 7, 9);  // a block outside the picture does nothing
}

TEST(Filters, ProgressRunsOverTheRowsWithoutDividingByZero) {
    PrintState state;
    std::vector<int> values;
    RunHooks hooks;
    hooks.progress = [&](int v) { values.push_back(v); };
    Picture p(5, 5, {9, 9, 9});

    state.progressMode = 0;
    greyPage(state, p, hooks);  // rows 1..4
    EXPECT_EQ(values, (std::vector<int>{0, 33, 67, 100}));

    values.clear();
    state.progressMode = 1;
    state.progressValue = 20;
    Picture two(2, 2);
    smoothPage(state, two, hooks);  // one row: the end value
    EXPECT_EQ(values, (std::vector<int>{60}));

    values.clear();
    state.progressMode = 20;
    smoothPage(state, p, hooks);
    EXPECT_TRUE(values.empty());
    Picture one(1, 1);
    smoothPage(state, one, hooks);  // no rows at all
}

TEST(Fitting, ExamplesAndMargins) {
    EXPECT_EQ(fitPage(300, 200, 5, 380, 380), (FitRect{60, 10, 180, 180}));
    EXPECT_EQ(fitPage(200, 300, 5, 670, 550), (FitRect{10, 76, 180, 148}));
    EXPECT_EQ(fitPage(300, 200, 0, 600, 100), (FitRect{0, 75, 300, 50}));   // margin 0: full width
    EXPECT_EQ(fitPage(300, 200, 0, 100, 600), (FitRect{133, 0, 33, 200}));  // or full height
    // An odd leftover puts the spare pixel below or right, on either side.
    EXPECT_EQ(fitPage(300, 201, 0, 600, 100), (FitRect{0, 75, 300, 50}));
    EXPECT_EQ(fitPage(301, 200, 0, 100, 200), (FitRect{100, 0, 100, 200}));
    // Margins are 0..45: 50 % and more would leave nothing.
    EXPECT_EQ(fitPage(300, 200, 50, 380, 380), fitPage(300, 200, 45, 380, 380));
    EXPECT_EQ(fitPage(300, 200, 45, 380, 380), (FitRect{140, 90, 20, 20}));
    EXPECT_EQ(fitPage(300, 200, -7, 380, 380), fitPage(300, 200, 0, 380, 380));
    // Tiny and empty sheets and pages.
    const FitRect tiny = fitPage(2, 2, 45, 670, 550);
    EXPECT_GE(tiny.width, 1);
    EXPECT_GE(tiny.height, 1);
    EXPECT_EQ(fitPage(0, 200, 5, 380, 380), FitRect{});
    EXPECT_EQ(fitPage(300, 200, 5, 0, 380), FitRect{});
    const FitRect thin = fitPage(300, 200, 5, 16384, 1);
    EXPECT_EQ(thin.width, 270);
    EXPECT_EQ(thin.height, 1);
}

TEST(Zoom, ShownSizeStaysWithinLimits) {
    EXPECT_EQ(shownSide(380, 1.0), 380);
    EXPECT_EQ(shownSide(380, 2.0), 190);
    EXPECT_EQ(shownSide(5, 1e9), 1);
    EXPECT_EQ(shownSide(16384, 1e-9), kMaxShownSide);
    EXPECT_EQ(shownSide(100, 0.0), 100);
    EXPECT_EQ(shownSide(100, std::numeric_limits<double>::infinity()), 100);
    // A clamped zoom shows every page between 1 and 32767 pixels a side.
    for (double z : {1e-12, 0.01, 1.0, 1.414, 50.0, 1e12})
        for (auto [w, h] : {std::pair{1, 1}, {16384, 1}, {1, 16384}, {16384, 8192}, {380, 380}}) {
            const double c = clampZoom(z, w, h);
            const double sw = static_cast<double>(w) / c, sh = static_cast<double>(h) / c;
            EXPECT_GE(roundHalfEven(sw), 1) << z << " " << w << "x" << h;
            EXPECT_GE(roundHalfEven(sh), 1);
            EXPECT_LE(sw, kMaxShownSide);
            EXPECT_LE(sh, kMaxShownSide);
        }
    EXPECT_EQ(clampZoom(std::numeric_limits<double>::quiet_NaN(), 100, 100), 1.0);
    // A click on the shown page maps back through the zoom.
    EXPECT_EQ(pageCoordinate(100, 2.0), 200);
    EXPECT_EQ(pageCoordinate(5, 0.5), 2);  // 2.5: halves to even
    EXPECT_EQ(pageCoordinate(100, std::numeric_limits<double>::infinity()), 100);
    EXPECT_EQ(pageCoordinate(30000, 1e9), 2147483647);
}

TEST(Optimize, PowerOfTwo) {
    EXPECT_EQ(power(2, 3), 8);
    EXPECT_EQ(power(2, 0), 1);
    EXPECT_EQ(power(2, -1), 1);
}

using FitToPaper = PrintTest;

TEST_F(FitToPaper, GrowsTowardsThePrinterPage) {
    state.script.canvasWidth = 380;
    state.script.canvasHeight = 380;
    state.script.lines = {"[Day info script]", "TEXT 10 15 cnt 'A'"};
    std::vector<int> values;
    RunHooks hooks;
    hooks.progress = [&](int v) { values.push_back(v); };
    const OptimizeResult r =
        optimize(state, page, [] { return std::optional<PaperSize>(PaperSize{4960, 7016}); }, 464, 497, hooks);
    EXPECT_EQ(r.doublings, 3);
    EXPECT_EQ(state.canvasWidth(), 3040);
    EXPECT_EQ(state.canvasHeight(), 3040);
    EXPECT_EQ(page.width(), 3040);
    EXPECT_EQ(state.script.lines, (std::vector<std::string>{"[Day info script]", "TEXT 80 120 cnt 'A'"}));
    EXPECT_TRUE(r.smoothed);
    EXPECT_TRUE(r.run.clean());
    EXPECT_EQ(state.progressMode, 1);
    // The view zoom shrinks the page until it fits 464 x 497.
    EXPECT_LE(r.shownWidth, 464);
    EXPECT_LE(r.shownHeight, 497);
    EXPECT_GT(r.shownWidth, 464 / 1.5);
    ASSERT_GE(values.size(), 4u);
    EXPECT_EQ(values[0], 11);
    EXPECT_EQ(values.back(), 0);
}

TEST_F(FitToPaper, WithoutPrinterAndWhenTheseAlreadyFit) {
    state.script.canvasWidth = 670;
    state.script.canvasHeight = 550;
    const auto none = [] { return std::optional<PaperSize>(); };
    OptimizeResult r = optimize(state, page, none, 464, 497);
    EXPECT_EQ(r.doublings, 1);
    EXPECT_EQ(state.canvasWidth(), 1340);
    EXPECT_EQ(state.canvasHeight(), 1100);
    EXPECT_TRUE(r.smoothed);

    // Already larger than the paper: r = -1, only the zoom changes.
    r = optimize(state, page, [] { return std::optional<PaperSize>(PaperSize{1000, 1000}); }, 2000, 2000);
    EXPECT_EQ(r.doublings, -1);
    EXPECT_EQ(state.canvasWidth(), 1340);
    // A view larger than the page: the zoom grows it, then one step back.
    EXPECT_LT(state.viewZoom, 1.0);
    EXPECT_LE(r.shownWidth, 2000 * 1.0);
}

TEST_F(FitToPaper, TinyPagesAndViewsEnd) {
    state.script.canvasWidth = 1;
    state.script.canvasHeight = 1;
    OptimizeResult r = optimize(state, page, [] { return std::optional<PaperSize>(PaperSize{4960, 7016}); }, 0, 0);
    EXPECT_EQ(state.canvasWidth(), 4096);  // 2^12: the 13th doubling passed 6000
    EXPECT_GE(r.shownWidth, 1);
    // A page whose script cannot grow is left as it was, reported with 112.
    state.script.canvasWidth = 100;
    state.script.canvasHeight = 100;
    state.script.lines = {"TEXT 2000000000 0 rgt 'far'"};
    r = optimize(state, page, [] { return std::optional<PaperSize>(PaperSize{400, 400}); }, 400, 400);
    EXPECT_EQ(r.doublings, 1);
    EXPECT_EQ(state.canvasWidth(), 100);
    EXPECT_EQ(page.width(), 100);
    EXPECT_TRUE(r.run.refused);
    ASSERT_FALSE(r.run.failures.empty());
    EXPECT_EQ(r.run.failures.back().code, 112);
    EXPECT_EQ(r.run.failures.back().sender, "optimize in printpage");
    EXPECT_EQ(r.run.failures.back().reportLines[1], "paper width:200");
    state.script.lines.clear();
    // 0 sizes from a broken printer are no printer.
    state.script.canvasWidth = 670;
    state.script.canvasHeight = 550;
    r = optimize(state, page, [] { return std::optional<PaperSize>(PaperSize{0, 0}); }, 400, 400);
    EXPECT_EQ(state.canvasWidth(), 1340);
}

}  // namespace
}  // namespace kl::print::test
