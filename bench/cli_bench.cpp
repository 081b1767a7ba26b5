// The command line's exports: a year of the calendar as an iCalendar file
// (with the names and affirmations from the shipped text database), and
// the sky's moon of one date.
#include <benchmark/benchmark.h>

#include "cli/ics.h"
#include "core/moonage.h"
#include "platform/files.h"

namespace {

void BM_IcsYear(benchmark::State& state) {
    kl::platform::setProgramDirectory(KL_RUN_DIR);
    const kl::GregorianDate from{26, 7, 0, 2026}, to{25, 7, 0, 2027};
    for (auto _ : state) benchmark::DoNotOptimize(kl::cli::buildIcs(from, to, "20260101T000000Z", true));
}
BENCHMARK(BM_IcsYear)->Unit(benchmark::kMillisecond);

// The longest range, handed out in pieces as the command writes it.
void BM_IcsCenturyStreamed(benchmark::State& state) {
    kl::platform::setProgramDirectory(KL_RUN_DIR);
    const kl::GregorianDate from{1, 1, 0, 2000}, to{15, 3, 0, 2100};
    for (auto _ : state) {
        std::size_t bytes = 0;
        kl::cli::writeIcs(from, to, "20260101T000000Z", true, [&bytes](std::string_view piece) {
            bytes += piece.size();
            return true;
        });
        benchmark::DoNotOptimize(bytes);
    }
}
BENCHMARK(BM_IcsCenturyStreamed)->Unit(benchmark::kMillisecond);

void BM_MoonOn(benchmark::State& state) {
    const kl::GregorianDate date{24, 12, 0, static_cast<std::int32_t>(state.range(0))};
    for (auto _ : state) {
        kl::GregorianDate d = date;
        benchmark::DoNotOptimize(d);
        benchmark::DoNotOptimize(kl::moonOn(d));
    }
}
BENCHMARK(BM_MoonOn)->Arg(2026)->Arg(2'147'483'647);

}  // namespace

BENCHMARK_MAIN();
