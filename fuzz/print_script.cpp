// Fuzzes the layout script interpreter: the input is a script, optionally
// followed by a line "%%year" and a year sub-script. Each input is drawn on a
// small page, rewritten by a factor taken from its first byte, and drawn
// again; the markers the first run leaves must be gone after the second.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <QGuiApplication>

#include "core/calendar.h"
#include "platform/files.h"
#include "platform/picture.h"
#include "platform/system.h"
#include "print/interpreter.h"
#include "print/rewrite.h"
#include "print/script.h"

namespace {

std::vector<std::string> splitLines(std::string_view text) {
    std::vector<std::string> lines;
    while (!text.empty()) lines.emplace_back(kl::platform::nextLine(text));
    return lines;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static QGuiApplication app(*argc, *argv);
    // A program directory of our own with the moon picture and one bitmap.
    const std::string dir = (std::filesystem::temp_directory_path() / "kl_fuzz_print").string();
    std::filesystem::create_directories(dir + "/graphic");
    kl::platform::setProgramDirectory(dir);
    kl::platform::Picture(24, 24, {200, 200, 190}).save("graphic/moon2.bmp");
    kl::platform::Picture(5, 4, {0, 0, 255}).save("graphic/5Y.bmp");
    kl::platform::setMessageHandler([](const std::string&) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    // The seeds are text files: the year sub-script follows a marker line.
    const std::size_t nul = input.find("\n%%year\n");
    const std::size_t yearStart = nul == std::string::npos ? nul : nul + 8;
    kl::print::PrintState state;
    state.script.canvasWidth = 120;
    state.script.canvasHeight = 90;
    kl::print::setPrintDay(state, kl::computeCalendarDay(kl::GregorianDate{21, 8, 0, 2001}));
    state.script.lines = splitLines(std::string_view(input).substr(0, nul));
    if (yearStart != std::string::npos) state.script.yearExportList = splitLines(std::string_view(input).substr(yearStart));
    state.progressMode = size > 0 ? data[0] % 3 : 0;

    kl::platform::Picture page;
    kl::print::showPage(state, page);

    // A factor from 1/4 to 4: the pass either works or changes nothing.
    const double factor = size > 0 ? 0.25 + (data[0] % 16) * 0.25 : 2.0;
    const std::vector<std::string> before = state.script.lines;
    const kl::print::RunResult r = kl::print::rescalePage(state, page, 120, 90, factor);
    if (r.refused && state.script.lines != before) std::abort();

    kl::print::showPage(state, page);
    // Every old marker was removed when met; new ones come in pairs.
    std::size_t markers = 0;
    for (const std::string& line : state.script.lines)
        markers += kl::print::lineKind(line) == kl::print::LineKind::Marker;
    if (markers % 2 != 0) std::abort();
    return 0;
}
