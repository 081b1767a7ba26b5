#include "print/printfixture.h"

#include <filesystem>

#include "core/calendar.h"

namespace kl::print::test {

Box inkBox(const Picture& p, Rgb background) {
    Box b{p.width(), p.height(), -1, -1};
    for (int y = 0; y < p.height(); ++y)
        for (int x = 0; x < p.width(); ++x)
            if (!(p.pixel(x, y) == background)) {
                b.left = std::min(b.left, x);
                b.top = std::min(b.top, y);
                b.right = std::max(b.right, x);
                b.bottom = std::max(b.bottom, y);
            }
    if (b.right < 0) return Box{};
    return b;
}

int countNot(const Picture& p, Rgb background) {
    int n = 0;
    for (int y = 0; y < p.height(); ++y)
        for (int x = 0; x < p.width(); ++x) n += !(p.pixel(x, y) == background);
    return n;
}

void PrintTest::SetUp() {
    ProgramDirTest::SetUp();
    state = PrintState{};
    state.script.canvasWidth = 200;
    state.script.canvasHeight = 100;
    // 2001-08-21: kin 230, seal 10, tone 9, plasma 6.
    setPrintDay(state, computeCalendarDay(GregorianDate{21, 8, 0, 2001}));
}

RunResult PrintTest::show(std::vector<std::string> lines) {
    state.script.lines = std::move(lines);
    return showPage(state, page);
}

void PrintTest::writeBitmap(const std::string& name, const Picture& p) const {
    std::filesystem::create_directories(std::filesystem::path(path(name)).parent_path());
    p.save(path(name));
}

}  // namespace kl::print::test
