// The board views (Tzolkin 5, wavespell 6, wavespell with pulsars 8, wings
// 12) drawn by paintall into the view picture with the shipped files of
// build/run, for a day of 2026 and one of year 1,000,000.
//
// BM_BoardFirst is the first paint of a mode in the process: it runs once
// and before the warm rounds, so run one filter per process to see a mode's
// first paint (the first mode of a process also pays for the fonts):
//   bench_boardviews_bench --benchmark_filter='BM_BoardFirst/12/2026'
// BM_BoardWarm repeats the paint once the files are in the page cache;
// BM_BoardWarm2x the same at 2x.
#include <benchmark/benchmark.h>

#include <QApplication>

#include <cstdlib>

#include "bench/benchmain.h"
#include "core/state.h"
#include "data/conffile.h"
#include "platform/files.h"
#include "platform/system.h"
#include "ui/fullscreen/dispatcher.h"

namespace {

void setDay(int year) {
    kl::currentDate = kl::GregorianDate{8, 12, 0, static_cast<std::int32_t>(year)};
    kl::currentDay = kl::computeCalendarDay(kl::currentDate);
}

void BM_BoardFirst(benchmark::State& state) {
    setDay(static_cast<int>(state.range(1)));
    for (auto _ : state) kl::paintall(static_cast<int>(state.range(0)), 255);
}

void BM_BoardWarm(benchmark::State& state) {
    setDay(static_cast<int>(state.range(1)));
    const int mode = static_cast<int>(state.range(0));
    kl::paintall(mode, 255);
    for (auto _ : state) kl::paintall(mode, 255);
}

void boardArgs(benchmark::internal::Benchmark* b) {
    for (int mode : {5, 6, 8, 12})
        for (int year : {2026, 1'000'000}) b->Args({mode, year});
}

// The warm paint in the 2x picture set of a screen of twice the pixels,
// beside the telektonon (13) at 1x.
void BM_BoardWarm2x(benchmark::State& state) {
    kl::setViewPictureSet(2);
    BM_BoardWarm(state);
    kl::setViewPictureSet(1);
}

BENCHMARK(BM_BoardFirst)->Apply(boardArgs)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BoardWarm)->Apply(boardArgs)->Args({13, 2026})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BoardWarm2x)->Args({5, 2026})->Args({12, 2026})->Args({13, 2026})->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    return kl::bench::runDrawingBenchmarks(argc, argv, kl::bench::Settings::Saved);
}
