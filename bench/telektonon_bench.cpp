// The telektonon (mode 13) through paintall with the shipped art: warm (the
// board kept, only the pieces laid on) and first time (the board built with
// all its captions), for a year near now and a far one; and a mouse move that
// paints a hint.
#include <benchmark/benchmark.h>

#include <QApplication>

#include <cstdlib>

#include "bench/benchmain.h"
#include "core/state.h"
#include "data/conffile.h"
#include "platform/files.h"
#include "platform/system.h"
#include "ui/fullscreen/dispatcher.h"
#include "ui/fullscreen/fullstate.h"
#include "ui/fullscreen/hints.h"

namespace {

void setDay(std::int32_t year) {
    kl::currentDate = kl::GregorianDate{8, 12, 0, year};
    kl::currentDay = kl::computeCalendarDay(kl::currentDate);
}

void BM_TelektononWarm(benchmark::State& state) {
    setDay(static_cast<std::int32_t>(state.range(0)));
    kl::_teldrawed = false;
    kl::paintall(13, 255);  // builds and keeps the board
    for (auto _ : state) kl::paintall(13, 255);
    if (!kl::_teldrawed) state.SkipWithError("the board was not kept");
}
BENCHMARK(BM_TelektononWarm)->Arg(2026)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

void BM_TelektononFirst(benchmark::State& state) {
    setDay(static_cast<std::int32_t>(state.range(0)));
    kl::paintall(13, 255);  // the files in the page cache
    for (auto _ : state) {
        kl::_teldrawed = false;  // as the telektonon button does
        kl::paintall(13, 255);
    }
}
BENCHMARK(BM_TelektononFirst)->Arg(2026)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

void BM_HintMove(benchmark::State& state) {
    setDay(2026);
    kl::loadbaserects();
    kl::paintall(13, 255);
    kl::fullmodeState = 13;
    kl::spin = 0;
    bool alternate = false;
    for (auto _ : state) {
        // Between two fields, so every move paints.
        kl::hintMove(alternate ? 550 : 450, 215, kl::viewPicture());
        alternate = !alternate;
    }
    kl::fullmodeState = -1;
}
BENCHMARK(BM_HintMove)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    return kl::bench::runDrawingBenchmarks(argc, argv, kl::bench::Settings::Saved);
}
