// tech.dat as the wings view reads it: the two lines of the day's kin are
// its cell's x and y. The view is drawn for a kin whose lines the input
// holds: it draws in silence when both lines are whole numbers, and its
// shine is drawn exactly when it fits the view; any other line is one
// reported failure. The export of the view reads the same lines.
#include <QGuiApplication>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "core/state.h"
#include "data/settings.h"
#include "data/textdb.h"
#include "fuzz/fuzzsupport.h"
#include "layout/boardviews.h"
#include "layout/signtable.h"
#include "platform/files.h"
#include "ui/fullscreen/dispatcher.h"
#include "ui/fullscreen/fullstate.h"
#include "ui/fullscreen/views/shine.h"

using namespace kl;
namespace wings = layout::wings;

namespace {

constexpr int kShineSide = 50;
std::string caption;

// A whole line as an int: an optional minus and digits, in range.
std::optional<std::int64_t> wholeNumber(const std::string& s) {
    std::size_t i = s.size() > 0 && s[0] == '-' ? 1 : 0;
    if (i == s.size()) return std::nullopt;
    std::int64_t v = 0;
    for (; i < s.size(); ++i) {
        if (s[i] < '0' || s[i] > '9') return std::nullopt;
        v = std::min<std::int64_t>(v * 10 + (s[i] - '0'), std::int64_t{1} << 40);  // leading zeros are fine
    }
    if (s[0] == '-') v = -v;
    if (v < INT32_MIN || v > INT32_MAX) return std::nullopt;
    return v;
}

// A picture of one colour under the name the views load it by ("graphic\\…").
void putPicture(const std::string& file, int w, int h, platform::Rgb fill) {
    std::filesystem::create_directories(platform::programDirectory() + "/graphic");
    platform::Picture(w, h, fill).save("graphic/" + file.substr(file.find('\\') + 1));
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static QGuiApplication app(*argc, *argv);
    fuzz::setUpHeadless();
    std::string base;
    for (int i = 0; i < 700; ++i) base += "L" + std::to_string(i) + "\r\n";
    fuzz::putFile("BASE.DRS", base);
    putPicture(layout::signFileName(layout::code::kWingsBoard), 40, 40, {20, 90, 40});
    const views::ShineFiles shine = views::shineFiles(wings::kShineType);
    putPicture(shine.picture, kShineSide, kShineSide, {250, 240, 120});
    putPicture(shine.mask, kShineSide, kShineSide, {255, 255, 255});
    dispatcherHooks().setCaption = [](const std::string& c) { caption = c; };
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::startInput();
    const std::string_view input = fuzz::asText(data, size);
    fuzz::putFile(wings::kCellFile, input);
    resetSettings();
    settings()._Sfigure = false;
    // The kin of the last pair of lines the input holds: lines 2k - 2 and 2k - 1.
    std::size_t breaks = 0;
    for (char c : input) breaks += c == '\n';
    const int kin = static_cast<int>(std::clamp<std::size_t>((breaks + 1) / 2, 1, 260));
    currentDate = stepDate(GregorianDate{8, 12, 0, 2026}, kin - 104);  // 8 December 2026 is kin 104
    currentDay = computeCalendarDay(currentDate);
    KL_FUZZ_CHECK(currentDay.kin == kin);

    std::string xs, ys;
    readtext(2 * kin - 2, wings::kCellFile, xs);
    readtext(2 * kin - 1, wings::kCellFile, ys);
    const auto x = wholeNumber(xs), y = wholeNumber(ys);
    fuzz::startInput();

    caption.clear();
    paintall(12, 255);
    KL_FUZZ_CHECK(fuzz::counts().messages == (x && y ? 0 : 1));
    if (x && y) {
        const std::int64_t left = *x + wings::kShine.x, top = *y + wings::kShine.y;
        const bool fits = left >= 0 && top >= 0 && left + kShineSide <= kViewWidth && top + kShineSide <= kViewHeight;
        KL_FUZZ_CHECK((caption == "OK") == fits);
    }

    fuzz::startInput();
    _TEXTGRAPHIC = false;
    ScriptSink sink;
    paintall(12, 255, &sink);
    KL_FUZZ_CHECK(fuzz::counts().messages == (x && y ? 0 : 1));
    KL_FUZZ_CHECK(!sink.lines.empty());  // the board, written before the cell is read
    return 0;
}
