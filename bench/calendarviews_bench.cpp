// The calendar views drawn by the full-screen dispatcher with the shipped
// pictures and texts of build/run: the moon-month (7), year (9) and week
// (11) views, for a day of 2026 and one of year 1,000,000. "First" is the
// view drawn with nothing held (the year grid is rebuilt); "warm" is the
// same view drawn again, as a key press redraws it.
#include <benchmark/benchmark.h>

#include <QApplication>

#include <cstdlib>

#include "bench/benchmain.h"
#include "core/calendar.h"
#include "core/state.h"
#include "data/settings.h"
#include "platform/files.h"
#include "platform/system.h"
#include "ui/fullscreen/dispatcher.h"
#include "ui/fullscreen/fullstate.h"

namespace {

void setDay(std::int32_t year) {
    kl::currentDate = kl::GregorianDate{8, 12, 0, year};
    kl::currentDay = kl::computeCalendarDay(kl::currentDate);
    // Everything the year view can draw: icon, shine and line.
    kl::settings()._Yfigure = kl::settings()._Yshine = kl::settings()._Yline = true;
    kl::settings()._IconDate = true;
}

void BM_PaintFirst(benchmark::State& state) {
    const int mode = static_cast<int>(state.range(0));
    setDay(static_cast<std::int32_t>(state.range(1)));
    kl::_newstate = static_cast<std::uint8_t>(mode);
    for (auto _ : state) {
        kl::pb2ys = kl::pb2yt = 0;
        kl::paintall(mode, 255);
    }
}

void BM_PaintWarm(benchmark::State& state) {
    const int mode = static_cast<int>(state.range(0));
    setDay(static_cast<std::int32_t>(state.range(1)));
    kl::_newstate = static_cast<std::uint8_t>(mode);
    kl::pb2ys = kl::pb2yt = 0;
    kl::paintall(mode, 255);
    for (auto _ : state) kl::paintall(mode, 255);
}

void views(benchmark::internal::Benchmark* b) {
    for (int mode : {7, 9, 11})
        for (int year : {2026, 1'000'000}) b->Args({mode, year});
    b->ArgNames({"mode", "year"})->Unit(benchmark::kMillisecond);
}
BENCHMARK(BM_PaintFirst)->Apply(views);
BENCHMARK(BM_PaintWarm)->Apply(views);

}  // namespace

int main(int argc, char** argv) {
    return kl::bench::runDrawingBenchmarks(argc, argv, kl::bench::Settings::Defaults);
}
