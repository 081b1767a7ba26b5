// WindWHP.dat as the print manager reads it: every line that reads keeps
// its value whatever the defaults, every other one keeps its default; what
// was read is saved and read back the same; and the window it places lies
// on the screen.
#include <algorithm>
#include <array>

#include "fuzz/fuzzsupport.h"
#include "print/windowsizes.h"

using namespace kl;
using print::Rect;
using print::WindowSizes;

namespace {

// The values in the file's line order.
std::array<int, print::kWindowSizesLines> byLine(const WindowSizes& s) {
    return {s.width, s.height, s.left, s.top, s.setupLeft, s.setupTop, s.configLeft, s.configTop, s.easyMode};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes = fuzz::asText(data, size);
    const WindowSizes defaults;
    const WindowSizes other{1, 2, 3, 4, 5, 6, 7, 8, false};
    const print::WindowSizesRead read = print::parseWindowSizes(bytes, defaults);
    const print::WindowSizesRead again = print::parseWindowSizes(bytes, other);
    KL_FUZZ_CHECK(read.badLine >= 0 && read.badLine <= print::kWindowSizesLines);
    KL_FUZZ_CHECK(read.badLine == again.badLine && read.problem == again.problem);
    KL_FUZZ_CHECK((read.badLine == 0) == read.problem.empty());
    if (read.badLine == 0) KL_FUZZ_CHECK(read.sizes == again.sizes);
    // The lines before the first bad one were read, so they do not follow
    // the defaults; the bad one does.
    if (read.badLine > 0) {
        const auto a = byLine(read.sizes), b = byLine(again.sizes);
        const std::size_t bad = static_cast<std::size_t>(read.badLine - 1);
        KL_FUZZ_CHECK(std::equal(a.begin(), a.begin() + bad, b.begin()));
        KL_FUZZ_CHECK(a[bad] == byLine(defaults)[bad] && b[bad] == byLine(other)[bad]);
    }

    // Saved and read again: the same sizes, and the same bytes once more.
    const std::string saved = print::windowSizesBytes(read.sizes);
    const print::WindowSizesRead back = print::parseWindowSizes(saved, other);
    KL_FUZZ_CHECK(back.badLine == 0 && back.sizes == read.sizes);
    KL_FUZZ_CHECK(print::windowSizesBytes(back.sizes) == saved);

    // Placed on screens of several sizes, as the print manager and its
    // dialogs are: within the screen whenever the screen holds the minimum.
    const WindowSizes& s = read.sizes;
    for (const Rect screen : {Rect{0, 0, 1280, 800}, Rect{-1920, 24, 1920, 1056}, Rect{100, 0, 640, 480}}) {
        for (const Rect window : {Rect{s.left, s.top, s.width, s.height}, Rect{s.setupLeft, s.setupTop, 300, 200},
                                  Rect{s.configLeft, s.configTop, s.width, 1}}) {
            for (const auto& [minW, minH] : {std::pair{740, 547}, std::pair{1, 1}}) {
                const Rect r = print::clampWindow(window, screen, minW, minH);
                KL_FUZZ_CHECK(r.width >= minW && r.height >= minH);
                KL_FUZZ_CHECK(r.width <= std::max(screen.width, minW) && r.height <= std::max(screen.height, minH));
                KL_FUZZ_CHECK(r.left >= screen.left && r.top >= screen.top);
                if (screen.width >= minW) KL_FUZZ_CHECK(r.left + r.width <= screen.left + screen.width);
                if (screen.height >= minH) KL_FUZZ_CHECK(r.top + r.height <= screen.top + screen.height);
            }
        }
    }
    return 0;
}
