// A bitmap file named in a layout script, as the PICT command reads it:
// refused with a reason, or a picture of the size its header declares
// within the limits; and drawn by a PICT line onto a small page, which
// either shows it or says why it could not.
#include <QGuiApplication>

#include <cstdlib>

#include "fuzz/fuzzsupport.h"
#include "print/bitmapfile.h"
#include "print/interpreter.h"

using namespace kl;

namespace {

std::int64_t le32(const std::uint8_t* p) {
    return static_cast<std::int32_t>(p[0] | p[1] << 8 | p[2] << 16 | static_cast<std::uint32_t>(p[3]) << 24);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static QGuiApplication app(*argc, *argv);
    fuzz::setUpHeadless();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::startInput();
    fuzz::putFile("input.bmp", fuzz::asText(data, size));
    std::string why;
    const auto picture = print::loadBitmapFile("INPUT.BMP", why);
    if (!picture) {
        KL_FUZZ_CHECK(!why.empty());
    } else {
        const std::int64_t w = picture->width(), h = picture->height();
        KL_FUZZ_CHECK(w >= 1 && h >= 1 && w <= print::kMaxBitmapSide && h <= print::kMaxBitmapSide);
        KL_FUZZ_CHECK(w * h <= print::kMaxBitmapPixels);
        // The size the header declares (the info header's signed fields).
        if (size >= 26 && le32(data + 14) >= 40) {
            KL_FUZZ_CHECK(w == std::llabs(le32(data + 18)) && h == std::llabs(le32(data + 22)));
        }
    }

    // A PICT line with the picture centred on a page smaller than most.
    print::PrintState state;
    state.script.canvasWidth = 64;
    state.script.canvasHeight = 48;
    state.script.lines = {"PICT -3 5 0 0 0 cnt 'input.bmp'"};
    platform::Picture page;
    const print::RunResult r = print::showPage(state, page);
    KL_FUZZ_CHECK(page.width() == 64 && page.height() == 48);
    KL_FUZZ_CHECK(r.clean() == picture.has_value());
    KL_FUZZ_CHECK(r.missingPictures == (picture ? 0 : 1) && r.failedLines == 0);
    return 0;
}
