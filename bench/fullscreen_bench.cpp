// One tick of the full-screen window's cross-fade in the middle of a fade:
// the background, the old and the new view are blended in one pass, straight
// into the picture box's picture, as the full-screen window does. Target:
// 0.2 ms, so a 10 ms tick leaves the desktop its time.
#include <benchmark/benchmark.h>

#include <QApplication>

#include <cstdlib>
#include <random>

#include "data/settings.h"
#include "ui/fullscreen/dispatcher.h"
#include "ui/fullscreen/fullstate.h"
#include "ui/fullscreen/window/tform3.h"
#include "ui/fullscreen/transition.h"

namespace {

using kl::platform::Picture;

void noise(Picture& p, unsigned seed) {
    std::mt19937 rng(seed);
    for (int y = 0; y < p.height(); ++y) {
        std::uint8_t* row = p.row(y);
        for (int i = 0; i < 3 * p.width(); ++i) row[i] = static_cast<std::uint8_t>(rng());
    }
}

// One tick of a fade in picture set `set` (2: the picture of a HiDPI screen).
void crossFadeTicks(benchmark::State& state, int set) {
    QWidget window;
    kl::PictureBox box(&window);
    box.setPictureSet(set);
    Picture view(kl::kViewWidth * set, kl::kViewHeight * set);
    view.setScale(set);
    kl::TransitionTarget target;
    unsigned seed = 1;
    // Two different views, drawn once when the fade begins.
    target.paint = [&](int, std::uint8_t) {
        noise(view, seed++);
        return true;
    };
    target.show = [&](const Picture& frame) { box.showPicture(frame); };
    target.frame = [&] { return &box.canvas(); };
    kl::Transition fade(view, std::move(target));

    // A fade long enough never to end inside the measurement.
    kl::settings()._spconst = 1 << 30;
    kl::fullmodeState = 0;
    kl::_newstate = 1;
    kl::spin = 0;
    fade.tick();
    for (auto _ : state) {
        fade.tick();
        benchmark::DoNotOptimize(box.picture().row(270)[300]);
    }
    if (kl::spin <= 0) state.SkipWithError("the fade ended during the measurement");
}
void BM_CrossFadeTick(benchmark::State& state) { crossFadeTicks(state, 1); }
BENCHMARK(BM_CrossFadeTick)->Unit(benchmark::kMicrosecond);
void BM_CrossFadeTick2x(benchmark::State& state) { crossFadeTicks(state, 2); }
BENCHMARK(BM_CrossFadeTick2x)->Unit(benchmark::kMicrosecond);

// The two parts of a tick that are not blends.
void BM_FillViewPicture(benchmark::State& state) {
    Picture p(kl::kViewWidth, kl::kViewHeight);
    for (auto _ : state) {
        p.fill(kl::kViewBackground);
        benchmark::DoNotOptimize(p.row(549)[3]);
    }
}
BENCHMARK(BM_FillViewPicture)->Unit(benchmark::kMicrosecond);

void BM_CopyToPictureBox(benchmark::State& state) {
    QWidget window;
    kl::PictureBox box(&window);
    Picture p(kl::kViewWidth, kl::kViewHeight);
    for (auto _ : state) box.showPicture(p);
}
BENCHMARK(BM_CopyToPictureBox)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
