#include "ui/fullscreen/views/pulsars.h"

#include <array>
#include <cmath>
#include <cstdlib>
#include <string>
#include <utility>

#include "data/errorlog.h"
#include "imaging/blend.h"
#include "platform/picture.h"
#include "ui/fullscreen/viewset.h"

namespace kl::views {

namespace {

constexpr std::array<const char*, kPulsePictures> kPulseFiles{
    "graphic\\PulsV.bmp", "graphic\\PulsW.bmp", "graphic\\PulsB.bmp",
    "graphic\\PulsY.bmp", "graphic\\PulsL.bmp", "graphic\\PulsR.bmp"};
constexpr const char* kPulseMask = "graphic\\Puls1.bmp";

// A horizontal line keeps a tiny slope, so it is stamped along x like any
// flat line.
constexpr double kFlatSlope = 0.00001;

int roundEven(double v) { return static_cast<int>(std::nearbyint(v)); }

struct Pair {
    int a, b;
};

// Four-tone pulsars by tone mod 4, and overtone pulsars by tone mod 5.
// The lines of each pulsar in the order they are drawn.
const std::array<std::vector<Pair>, 4> kFourTone{{
    {{4, 8}, {12, 8}, {4, 12}},                                 // 0: tones 4, 8, 12
    {{1, 5}, {5, 9}, {13, 9}, {1, 13}, {5, 13}, {1, 9}},        // 1: the time pulsar 1, 5, 9, 13
    {{2, 6}, {6, 10}, {2, 10}},                                 // 2
    {{3, 7}, {7, 11}, {3, 11}},                                 // 3
}};
const std::array<std::vector<Pair>, 5> kOvertone{{
    {{5, 10}},                          // 0
    {{1, 6}, {6, 11}, {1, 11}},         // 1
    {{2, 7}, {12, 7}, {2, 12}},         // 2
    {{3, 8}, {13, 8}, {3, 13}},         // 3
    {{4, 9}},                           // 4
}};
constexpr int kOvertonePicture = 4;
constexpr int kTimePulsarPicture = 0;

}  // namespace

layout::Point tonexy(int tone) {
    int column = 0, row = 0;
    if (tone <= 5) {
        column = 1;
        row = tone;
    } else if (tone <= 9) {
        column = tone - 4;
        row = 5;
    } else if (tone <= 12) {
        column = 5;
        row = 14 - tone;
    } else {
        column = 4;
        row = 2;
    }
    using namespace layout::pulse;
    return {kPitchX * column + kOriginX, kPitchY * row + kOriginY};
}

std::vector<layout::Point> pulseStamps(int x1, int y1, int x2, int y2) {
    std::vector<layout::Point> stamps;
    const long long dx0 = static_cast<long long>(x2) - x1, dy0 = static_cast<long long>(y2) - y1;
    if (dx0 == 0) {
        // Vertical: down from the upper end.
        if (dy0 < 0) std::swap(y1, y2);
        for (int y = y1; y <= y2; ++y) stamps.push_back({x1, y});
        return stamps;
    }
    const double s = static_cast<double>(dy0 == 0 ? kFlatSlope : dy0) / static_cast<double>(dx0);
    if (std::fabs(s) <= 1) {
        if (dx0 < 0) {
            std::swap(x1, x2);
            std::swap(y1, y2);
        }
        for (int e = 0; e <= x2 - x1; ++e) stamps.push_back({x1 + e, roundEven(y1 + s * e)});
    } else {
        if (dy0 < 0) {
            std::swap(x1, x2);
            std::swap(y1, y2);
        }
        for (int e = 0; e <= y2 - y1; ++e) stamps.push_back({roundEven(x1 + e / s), y1 + e});
    }
    return stamps;
}

void pulsar(ViewCanvas& canvas, int a, int b, int picture, int d, int e) {
    platform::Picture* view = canvas.picture();
    if (!view) return;  // an export has no pulse lines
    try {
        layout::Point from{-a, -b}, to{-e, -d};
        if (a > 0) {
            from = tonexy(a);
            to = tonexy(b);
        }
        if (picture < 0 || picture >= kPulsePictures) throw platform::PictureError("no such pulse picture");
        const platform::Picture stamp = loadForView(*view, kPulseFiles[static_cast<std::size_t>(picture)]);
        const platform::Picture mask = loadForView(*view, kPulseMask);
        // One stamp per unit along the line, as at 1x, so the stamps overlap
        // as often and the line is as strong; across it they sit at the
        // view picture's own pixels.
        const int s = view->scale();
        const std::vector<layout::Point> stamps = pulseStamps(from.x * s, from.y * s, to.x * s, to.y * s);
        for (std::size_t i = 0; i < stamps.size(); i += static_cast<std::size_t>(s))
            blendbmp(stamp, *view, &mask, stamps[i].x, stamps[i].y, 0, kBlendMask);
    } catch (...) {
        reportFailure(105, "pulsar in fullmode");
    }
}

void pulsars(ViewCanvas& canvas, int tone, int what, int type) {
    // Colours of the four-tone pulsars of tones 2, 3 and 0 mod 4 by type.
    static constexpr std::array<std::array<int, 3>, 5> kColours{{{1, 2, 3}, {2, 3, 5}, {3, 5, 1}, {5, 1, 2}, {1, 1, 1}}};
    const std::array<int, 3>& c = kColours[type >= 0 && type <= 3 ? static_cast<std::size_t>(type) : 4];
    if (tone < 1 || tone > 13) return;
    if (what != 1) {
        const int k = tone % 4;
        const int picture = k == 1 ? kTimePulsarPicture : k == 2 ? c[0] : k == 3 ? c[1] : c[2];
        for (const Pair& p : kFourTone[static_cast<std::size_t>(k)]) pulsar(canvas, p.a, p.b, picture, 0, 0);
    }
    if (what > 0)
        for (const Pair& p : kOvertone[static_cast<std::size_t>(tone % 5)])
            pulsar(canvas, p.a, p.b, kOvertonePicture, 0, 0);
}

}  // namespace kl::views
