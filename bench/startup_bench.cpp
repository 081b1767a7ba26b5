// Start-up of the compact window: from creating the windows to the first
// painted face (the loader traced the shape and the timer's first tick
// painted the day), with the shipped pictures and texts of build/run.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>

#include <cstdlib>

#include "bench/benchmain.h"
#include "platform/files.h"
#include "platform/system.h"
#include "ui/compact/programwindows.h"

namespace {

void BM_StartToFirstFace(benchmark::State& state) {
    for (auto _ : state) {
        kl::ProgramWindows program;
        kl::TForm1& form1 = *program.form1;
        form1.show();
        QElapsedTimer guard;
        guard.start();
        while (form1.STATE != 0 && guard.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        if (form1.STATE != 0) state.SkipWithError("the face was never painted");
    }
}
BENCHMARK(BM_StartToFirstFace)->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace

int main(int argc, char** argv) {
    return kl::bench::runDrawingBenchmarks(argc, argv, kl::bench::Settings::Defaults);
}
