// The print manager at the sizes it meets: a year page of about 1,500
// script lines run onto its 740 x 550 page, and fit to paper of a 380 x 380
// day page for a printer page of 4960 x 7016 pixels (3040 x 3040 after
// fitting, then smoothed). Set KL_BENCH_PAGE_OUT to a directory to keep the
// pages drawn, for looking at.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdlib>

#include "core/calendar.h"
#include "platform/files.h"
#include "print/filters.h"
#include "print/interpreter.h"
#include "print/optimize.h"

namespace {

using namespace kl::print;
using kl::platform::Picture;

// A year page as the year view exports it: the month captions in the main
// script, and in the year sub-script 13 months x 28 days of a coloured sign
// background, a black glyph and the day number.
PrintState yearPage() {
    PrintState s;
    s.script.canvasWidth = 740;
    s.script.canvasHeight = 550;
    setPrintDay(s, kl::computeCalendarDay(kl::GregorianDate{21, 8, 0, 2001}));
    s.script.lines = {"[Year script]", "FONT 10 -14 0 0 0 bld nrm DejaVu Sans"};
    for (int m = 0; m < 13; ++m)
        s.script.lines.push_back("TEXT " + std::to_string(20 + m * 55) + " 8 rgt 'Moon " + std::to_string(m + 1) + "'");
    s.script.lines.push_back("YEAR 53 12 1");
    static const char* colours[] = {"200 0 0", "230 230 230", "0 0 200", "230 200 0"};
    for (int m = 0; m < 13; ++m)
        for (int d = 0; d < 28; ++d) {
            const int x = 18 + m * 55 + (d % 4) * 12, y = 30 + (d / 4) * 72 + (d % 4) * 16;
            const int seal = (m * 28 + d) % 20;
            s.script.yearExportList.push_back(std::string("FONT 9 -12 ") + colours[seal % 4] + " thn nrm ");
            s.script.yearExportList.push_back("TEXT " + std::to_string(x) + " " + std::to_string(y) + " rgt 'W'");
            s.script.yearExportList.push_back("FONT 9 -12 0 0 0 thn nrm ");
            s.script.yearExportList.push_back("TEXT " + std::to_string(x) + " " + std::to_string(y) + " rgt '" +
                                              std::string(1, static_cast<char>('a' + seal)) + "'");
        }
    return s;
}

void saveIfAsked(const Picture& page, const char* name) {
    if (const char* dir = std::getenv("KL_BENCH_PAGE_OUT")) page.image().save(QString(dir) + "/" + name);
}

void BM_YearPage(benchmark::State& bench) {
    PrintState s = yearPage();
    Picture page;
    for (auto _ : bench) {
        const RunResult r = showPage(s, page);
        if (!r.clean()) bench.SkipWithError("the year page did not run clean");
        benchmark::DoNotOptimize(page.row(0));
    }
    bench.counters["lines"] = static_cast<double>(s.script.lines.size() + s.script.yearExportList.size());
    saveIfAsked(page, "year_page.png");
}
BENCHMARK(BM_YearPage)->Unit(benchmark::kMillisecond);

// A day page as the day-info export writes it.
PrintState dayPage() {
    PrintState s;
    s.script.canvasWidth = 380;
    s.script.canvasHeight = 380;
    setPrintDay(s, kl::computeCalendarDay(kl::GregorianDate{21, 8, 0, 2001}));
    s.script.lines = {"[Day info script]",
                      "FONT 12 -16 0 0 0 bld nrm DejaVu Sans",
                      "TEXT 0 10 cnt 'Kin 230'",
                      "PICT 0 60 0 0 0 cnt 'graphic\\10Y.bmp'",
                      "FONT 72 -96 200 0 0 thn nrm ",
                      "TEXT 86 34 rgt 'W'",
                      "FONT 72 -96 0 0 0 thn nrm ",
                      "TEXT 86 34 rgt kin",
                      "MOON 281 166 60 42 IMAGE",
                      "FONT 10 -13 0 0 60 thn itl DejaVu Serif",
                      "TEXT 0 300 cnt 'I unify in order to transcend'"};
    return s;
}

void BM_OptimizeDayPage(benchmark::State& bench) {
    const auto printer = [] { return std::optional<PaperSize>(PaperSize{4960, 7016}); };
    Picture page;
    for (auto _ : bench) {
        bench.PauseTiming();
        PrintState s = dayPage();
        page = Picture(380, 380, {255, 255, 255});
        bench.ResumeTiming();
        const OptimizeResult r = optimize(s, page, printer, 464, 497);
        if (page.width() != 3040 || !r.smoothed) bench.SkipWithError("not fitted to 3040 x 3040");
    }
    saveIfAsked(page, "day_page_fitted.png");
}
BENCHMARK(BM_OptimizeDayPage)->Unit(benchmark::kMillisecond);

void BM_Smooth3040(benchmark::State& bench) {
    Picture page(3040, 3040, {200, 100, 50});
    PrintState s;
    s.progressMode = 1;
    int rows = 0;
    RunHooks hooks;
    hooks.progress = [&](int) { ++rows; };
    for (auto _ : bench) smoothPage(s, page, hooks);
    benchmark::DoNotOptimize(rows);
}
BENCHMARK(BM_Smooth3040)->Unit(benchmark::kMillisecond);

// A script of 200,000 lines that cannot be read: the first run marks every
// one of them, the second removes those marks and marks them again.
void BM_MarkUnreadableLines(benchmark::State& bench) {
    const auto count = static_cast<std::size_t>(bench.range(0));
    std::vector<std::string> script(count, "TEXT x 1 cnt 'a'");
    for (auto _ : bench) {
        bench.PauseTiming();
        PrintState s;
        s.script.canvasWidth = s.script.canvasHeight = 10;
        s.script.lines = script;
        Picture page;
        bench.ResumeTiming();
        const RunResult first = showPage(s, page);
        const RunResult again = showPage(s, page);
        if (first.failedLines != static_cast<int>(count) || again.failedLines != static_cast<int>(count) ||
            s.script.lines.size() != 3 * count)
            bench.SkipWithError("not every line was marked");
    }
}
BENCHMARK(BM_MarkUnreadableLines)->Arg(200000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    kl::platform::setProgramDirectory(KL_RUN_DIR);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
