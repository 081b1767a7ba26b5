// The full-screen views without a window: paintall of each mode into the
// view picture and into a script (warm: the shipped files of build/run are
// in the page cache after the first round), and `kestralune-cli render` as a
// whole process, start to PNG.
#include <benchmark/benchmark.h>

#include <QApplication>

#include <cstdlib>
#include <string>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

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

// `kestralune-cli render MODE` as a whole process, started without a shell.
// The time is the wall time; the counter cpu_ms is the process's CPU time
// (user and system), the figure the command is held to.
void BM_RenderProcess(benchmark::State& state) {
    const std::string cli = std::string(KL_RUN_DIR) + "/kestralune-cli", mode = std::to_string(state.range(0));
    char* argv[] = {const_cast<char*>(cli.c_str()), const_cast<char*>("render"), const_cast<char*>(mode.c_str()),
                    const_cast<char*>("2005-03-10"), const_cast<char*>("/tmp/kl_bench_render.png"), nullptr};
    const auto childCpu = [] {
        rusage r{};
        getrusage(RUSAGE_CHILDREN, &r);
        return (r.ru_utime.tv_sec + r.ru_stime.tv_sec) * 1e3 + (r.ru_utime.tv_usec + r.ru_stime.tv_usec) / 1e3;
    };
    const double before = childCpu();
    for (auto _ : state) {
        pid_t child = 0;
        int status = 0;
        if (posix_spawn(&child, cli.c_str(), nullptr, nullptr, argv, environ) != 0 || waitpid(child, &status, 0) != child ||
            !WIFEXITED(status) || WEXITSTATUS(status) != 0)
            state.SkipWithError("kestralune-cli render failed");
    }
    state.counters["cpu_ms"] = benchmark::Counter(childCpu() - before, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_RenderProcess)->Arg(0)->Arg(9)->Arg(13)->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace

int main(int argc, char** argv) {
    return kl::bench::runDrawingBenchmarks(argc, argv, kl::bench::Settings::Saved);
}
