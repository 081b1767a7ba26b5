// HRCT.dat as the full-screen window loads it, with the field texts of a
// fixed Fieldhlp.drs: a file of seventy records loads in silence, a shorter
// one is one message (and no report file) with the whole records before the
// cut loaded and the rest empty. The pointer then moves over the telektonon
// through points taken from the rectangles: a hint shown is the text of a
// field that holds the point, and it is painted only when it changes.
#include <QGuiApplication>

#include <cstdlib>
#include <string>
#include <vector>

#include "core/state.h"
#include "fuzz/fuzzsupport.h"
#include "platform/codec.h"
#include "ui/fullscreen/dispatcher.h"
#include "ui/fullscreen/fullstate.h"
#include "ui/fullscreen/hints.h"

using namespace kl;
namespace tk = layout::telektonon;

namespace {

bool holds(const FieldRect& r, int x, int y) { return r.left < x && x < r.right && r.top < y && y < r.bottom; }

// Field k's text: one word, two with a line break, or none at all.
std::string hintText(int k) {
    if (k % 5 == 4) return {};
    return "поле " + std::to_string(k) + (k % 3 ? "  и ещё" : "");
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static QGuiApplication app(*argc, *argv);
    fuzz::setUpHeadless();
    std::string hints;
    for (int k = 0; k < tk::kFieldCount; ++k) hints += platform::toCp1251(hintText(k)) + "\r\n";
    fuzz::putFile(tk::kFieldHintFile, hints);
    currentDate = GregorianDate{8, 12, 0, 2026};
    currentDay = computeCalendarDay(currentDate);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::startInput();
    fuzz::putFile(tk::kFieldFile, fuzz::asText(data, size));
    loadbaserects();
    const std::size_t whole = size / tk::kFieldRecordSize;
    const bool complete = whole >= static_cast<std::size_t>(tk::kFieldCount);
    KL_FUZZ_CHECK(fuzz::counts().messages == (complete ? 0 : 1));
    KL_FUZZ_CHECK(fuzz::counts().reports == 0);
    const FieldRects& table = fieldRects();
    for (std::size_t k = whole; k < table.size(); ++k) {
        const FieldRect& r = table[k];
        KL_FUZZ_CHECK(r.left == 0 && r.top == 0 && r.right == 0 && r.bottom == 0 && r.text.empty());
    }
    for (std::size_t k = 0; k < std::min(whole, table.size()); ++k)
        KL_FUZZ_CHECK(table[k].text == hintText(static_cast<int>(k)));

    // Points inside, on and just outside each rectangle, and a few fixed ones.
    std::vector<std::pair<int, int>> points{{0, 0}, {335, 275}, {669, 549}};
    for (std::size_t k = 0; k < std::min(whole, table.size()); ++k) {
        const FieldRect& r = table[k];
        const auto mid = [](std::int32_t a, std::int32_t b) {
            return static_cast<int>((static_cast<std::int64_t>(a) + b) / 2);
        };
        points.emplace_back(mid(r.left, r.right), mid(r.top, r.bottom));
        points.emplace_back(r.left, r.top);
        points.emplace_back(r.right, r.bottom);
    }
    fullmodeState = 13;
    spin = 0;
    lastHint.clear();
    platform::Picture& view = viewPicture();
    for (const auto& [x, y] : points) {
        const std::optional<std::string> hint = checkrect(x, y);
        bool found = false;
        for (const FieldRect& r : table)
            if (holds(r, x, y)) {
                // The first field in table order that holds the point.
                KL_FUZZ_CHECK(hint && *hint == r.text);
                found = true;
                break;
            }
        KL_FUZZ_CHECK(found == hint.has_value());
        const std::string before = lastHint;
        const bool painted = hintMove(x, y, view);
        KL_FUZZ_CHECK(painted == (hint.value_or(std::string()) != before));
        KL_FUZZ_CHECK(lastHint == hint.value_or(std::string()));
    }
    KL_FUZZ_CHECK(view.width() == kViewWidth && view.height() == kViewHeight);
    return 0;
}
