// The full-screen views without a window: paintall of each mode into the
// view picture and into a script (warm: the shipped files of build/run are
// in the page cache after the first round), and `kestralune-cli render` as a
// whole process, start to PNG. The calendar views drawn with the shipped
// pictures and texts: the moon-month (7), year (9) and week (11) views, for
// a day of 2026 and one of year 1,000,000. "First" is the view drawn with
// nothing held (the year grid is rebuilt); "warm" is the same view drawn
// again, as a key press redraws it.
#include <benchmark/benchmark.h>

#include <QApplication>

#include <cstdlib>
#include <string>

#include "core/state.h"
#include "data/conffile.h"
#include "data/settings.h"
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

void setCalendarDay(std::int32_t year) {
    kl::currentDate = kl::GregorianDate{8, 12, 0, year};
    kl::currentDay = kl::computeCalendarDay(kl::currentDate);
    // Everything the year view can draw: icon, shine and line.
    kl::_Yfigure = kl::_Yshine = kl::_Yline = true;
    kl::_IconDate = true;
}

void BM_PaintFirst(benchmark::State& state) {
    const int mode = static_cast<int>(state.range(0));
    setCalendarDay(static_cast<std::int32_t>(state.range(1)));
    kl::_newstate = static_cast<std::uint8_t>(mode);
    for (auto _ : state) {
        kl::pb2ys = kl::pb2yt = 0;
        kl::paintall(mode, 255);
    }
}

void BM_PaintWarm(benchmark::State& state) {
    const int mode = static_cast<int>(state.range(0));
    setCalendarDay(static_cast<std::int32_t>(state.range(1)));
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
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    kl::platform::setProgramDirectory(KL_RUN_DIR);
    kl::platform::setMessageHandler([](const std::string& m) { std::fprintf(stderr, "%s\n", m.c_str()); });
    kl::loadConfWithoutDialog();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
