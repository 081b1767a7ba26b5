// Start-up of the compact window, with the shipped pictures and texts of
// build/run: in this process from creating the windows to the first painted
// face, and as a whole process from its start to the face on the screen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <string_view>
#include <vector>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

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

double milliseconds(long long ns) { return static_cast<double>(ns) / 1e6; }

// The program started as a user starts it (on the display this benchmark
// runs on: offscreen unless QT_QPA_PLATFORM says otherwise) until its
// compact window has painted the face. The time is the wall time from the
// spawn; counters: cpu_ms, the process's CPU time until then, and
// first_frame_is_face, 1 when no earlier frame was ever painted.
void BM_ProcessStartToFace(benchmark::State& state) {
    double cpu = 0, faceFirst = 0;
    for (auto _ : state) {
        int out[2];
        if (pipe(out) != 0) {
            state.SkipWithError("no pipe");
            return;
        }
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, out[1], 1);
        posix_spawn_file_actions_addclose(&actions, out[0]);
        const std::string dirVariable = std::string("KESTRALUNE_DIR=") + KL_RUN_DIR;
        std::vector<char*> env;
        for (char** e = environ; *e; ++e)
            if (std::string_view(*e).substr(0, 15) != "KESTRALUNE_DIR=") env.push_back(*e);
        env.push_back(const_cast<char*>(dirVariable.c_str()));
        env.push_back(nullptr);
        char* argv[] = {const_cast<char*>(KL_FIRSTFACE), nullptr};
        timespec start{};
        clock_gettime(CLOCK_MONOTONIC, &start);
        pid_t child = 0;
        const int spawned = posix_spawn(&child, KL_FIRSTFACE, &actions, nullptr, argv, env.data());
        posix_spawn_file_actions_destroy(&actions);
        close(out[1]);
        std::string line;
        char buffer[256];
        for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;) line.append(buffer, std::size_t(n));
        close(out[0]);
        int status = 0;
        if (spawned == 0) waitpid(child, &status, 0);
        long long first = 0, face = 0, used = 0;
        int firstIsFace = 0;
        if (spawned != 0 || std::sscanf(line.c_str(), "%lld %lld %lld %d", &first, &face, &used, &firstIsFace) != 4) {
            state.SkipWithError(("the face was never painted: " + line).c_str());
            return;
        }
        state.SetIterationTime(milliseconds(face - (start.tv_sec * 1'000'000'000LL + start.tv_nsec)) / 1e3);
        cpu += milliseconds(used);
        faceFirst += firstIsFace;
    }
    state.counters["cpu_ms"] = benchmark::Counter(cpu, benchmark::Counter::kAvgIterations);
    state.counters["first_frame_is_face"] = benchmark::Counter(faceFirst, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_ProcessStartToFace)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(10);

}  // namespace

int main(int argc, char** argv) {
    return kl::bench::runDrawingBenchmarks(argc, argv, kl::bench::Settings::Defaults);
}
