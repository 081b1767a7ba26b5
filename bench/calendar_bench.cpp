// The day engine answers in the same time for any year: near the reference,
// a century away and a million years away.
#include <benchmark/benchmark.h>

#include "core/calendar.h"

namespace {

void BM_ComputeCalendarDay(benchmark::State& state) {
    const kl::GregorianDate date{17, 3, 0, static_cast<std::int32_t>(state.range(0))};
    for (auto _ : state) {
        kl::GregorianDate d = date;
        benchmark::DoNotOptimize(d);
        benchmark::DoNotOptimize(kl::computeCalendarDay(d));
    }
}
BENCHMARK(BM_ComputeCalendarDay)->Arg(2001)->Arg(2100)->Arg(1'000'000)->Arg(2'147'483'647);

// A year view computes every day of one year.
void BM_ComputeWholeYear(benchmark::State& state) {
    for (auto _ : state) {
        kl::GregorianDate d{26, 7, 0, static_cast<std::int32_t>(state.range(0))};
        for (int i = 0; i < 365; ++i) {
            benchmark::DoNotOptimize(kl::computeCalendarDay(d));
            d = kl::stepDate(d, 1);
        }
    }
}
BENCHMARK(BM_ComputeWholeYear)->Arg(2001)->Arg(1'000'000);

// The literal walk, for comparison: its cost grows with the distance.
void BM_ReferenceWalk(benchmark::State& state) {
    const kl::GregorianDate date{17, 3, 0, static_cast<std::int32_t>(state.range(0))};
    for (auto _ : state) benchmark::DoNotOptimize(kl::walkCalendarDay(date));
}
BENCHMARK(BM_ReferenceWalk)->Arg(2001)->Arg(2100)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
