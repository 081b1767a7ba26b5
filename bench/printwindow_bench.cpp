// The print manager window's black-and-white switch on the page an easy day
// export leaves without a printer: 380 x 380 fitted to 1520 x 1520 and
// smoothed. Each iteration turns the switch on or off, as a click does, with
// the window shown so every repaint it asks for is made.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "benchmain.h"
#include "core/calendar.h"
#include "core/state.h"
#include "ui/print/tform5.h"

namespace {

void BM_MonoSwitch1520(benchmark::State& bench) {
    kl::currentDay = kl::computeCalendarDay(kl::GregorianDate{21, 8, 0, 2001});
    kl::TForm5 form;
    form.paperQuery = [] { return std::optional<kl::print::PaperSize>{}; };
    form.show();
    QApplication::processEvents();
    form.exportClick(0, true);
    if (form.page.width() != 1520 || form.page.height() != 1520) {
        bench.SkipWithError("the easy day export is not 1520 x 1520");
        return;
    }
    for (auto _ : bench) {
        form.myButton28Click();
        QApplication::processEvents();
    }
    form.hide();
}
BENCHMARK(BM_MonoSwitch1520)->Unit(benchmark::kMillisecond)->Iterations(4);

}  // namespace

int main(int argc, char** argv) { return kl::bench::runDrawingBenchmarks(argc, argv, kl::bench::Settings::Saved); }
