// The full-screen views without a window: paintall of each mode into the
// view picture and into a script (warm: the shipped files of build/run are
// in the page cache after the first round), and `kestralune-cli render` as a
// whole process, start to PNG.
#include <benchmark/benchmark.h>

#include <QApplication>

#include <cstdlib>
#include <string>

#include "bench/benchmain.h"
#include "core/state.h"
#include "data/conffile.h"
#include "platform/files.h"
#include "platform/system.h"
#include "ui/fullscreen/dispatcher.h"
#include "ui/fullscreen/fullstate.h"
#include "ui/fullscreen/viewexport.h"

namespace {

void setDay() {
    kl::currentDate = kl::GregorianDate{10, 3, 0, 2005};  // a day with a week figure
    kl::currentDay = kl::computeCalendarDay(kl::currentDate);
}

void BM_Paintall(benchmark::State& state) {
    setDay();
    const int mode = static_cast<int>(state.range(0));
    kl::paintall(mode, 255);  // warm the files
    for (auto _ : state) kl::paintall(mode, 255);
}
BENCHMARK(BM_Paintall)->Arg(0)->Arg(1)->Arg(2)->Arg(3)->Arg(4)->Arg(5)->Arg(9)->Arg(14)->Arg(19)->Unit(benchmark::kMillisecond);

void BM_ExportGlyphs(benchmark::State& state) {
    setDay();
    const int mode = static_cast<int>(state.range(0));
    kl::_TEXTGRAPHIC = true;
    for (auto _ : state) {
        kl::ScriptSink sink;
        kl::exportView(mode, sink);
        benchmark::DoNotOptimize(sink.lines.data());
    }
}
BENCHMARK(BM_ExportGlyphs)->Arg(0)->Arg(14)->Unit(benchmark::kMicrosecond);

void BM_RenderProcess(benchmark::State& state) {
    const std::string cli = std::string(KL_RUN_DIR) + "/kestralune-cli render 0 2005-03-10 /tmp/kl_bench_render.png";
    for (auto _ : state) {
        const int status = std::system(cli.c_str());
        if (status != 0) state.SkipWithError("kestralune-cli render failed");
    }
}
BENCHMARK(BM_RenderProcess)->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace

int main(int argc, char** argv) {
    return kl::bench::runDrawingBenchmarks(argc, argv, kl::bench::Settings::Saved);
}
