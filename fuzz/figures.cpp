// iznum.drs as the week view reads it: the display number of a line figure
// is the number written on the first line of the file with the figure's six
// lines, or "Error1". Whatever the file holds, the number of every figure is
// "Error1" or one or two digits of 1..64, and it depends on the figure's
// lines alone. The week's export, which writes the number as a text, reads
// the file in silence.
#include <QGuiApplication>

#include <cstdlib>
#include <string>

#include "core/state.h"
#include "data/settings.h"
#include "fuzz/fuzzsupport.h"
#include "ui/fullscreen/dispatcher.h"
#include "ui/fullscreen/fullstate.h"
#include "ui/fullscreen/views/daytools.h"

using namespace kl;

namespace {

bool figureNumber(const std::string& s) {
    if (s.empty() || s.size() > 2) return false;
    int n = 0;
    for (char c : s) {
        if (c < '0' || c > '9') return false;
        n = n * 10 + (c - '0');
    }
    return n >= 1 && n <= 64;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static QGuiApplication app(*argc, *argv);
    fuzz::setUpHeadless();
    // Every week of every year bearer has a figure, so the week view always
    // asks for its number.
    std::string weeks;
    for (int r = 0; r < 17; ++r)
        for (int w = 0; w < 52; ++w) weeks += "1" + std::to_string(w % 2) + "1100 " + std::to_string(r + 1) + "\r\n";
    fuzz::putFile("izinfo.dat", weeks);
    std::string base;
    for (int i = 0; i < 700; ++i) base += "L" + std::to_string(i) + "\r\n";
    fuzz::putFile("BASE.DRS", base);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::startInput();
    fuzz::putFile("iznum.drs", fuzz::asText(data, size));
    for (int bits = 0; bits < 64; ++bits) {
        views::Figure figure;
        for (int i = 0; i < 6; ++i) figure.lines += bits >> i & 1 ? '1' : '0';
        figure.number = bits + 1;
        figure.numberText = std::to_string(bits + 1);
        const std::string number = views::zinnumber(figure);
        KL_FUZZ_CHECK(number == "Error1" || figureNumber(number));
        figure.number = 64 - bits;
        figure.numberText = "x";
        KL_FUZZ_CHECK(views::zinnumber(figure) == number);
    }
    KL_FUZZ_CHECK(fuzz::counts().messages == 0);

    resetSettings();
    currentDate = GregorianDate{static_cast<std::uint8_t>(1 + size % 28), 12, 0, 2026};
    currentDay = computeCalendarDay(currentDate);
    ScriptSink sink;
    paintall(11, 255, &sink);
    KL_FUZZ_CHECK(fuzz::counts().messages == 0);
    KL_FUZZ_CHECK(!sink.lines.empty());
    return 0;
}
