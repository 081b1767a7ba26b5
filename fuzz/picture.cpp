// Pictures as the program loads them from its graphic directory, and the
// pixel routines every loaded picture meets: region tracing (which reads the
// corner markers), blur and blending.
#include <cstring>

#include <QImageReader>
#include <QRect>

#include "fuzz/fuzzsupport.h"
#include "imaging/blend.h"
#include "platform/picture.h"

using namespace kl;
using platform::Picture;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::setUpHeadless();
    // A few header bytes can claim a picture as large as the reader allows;
    // decoding one takes a second under the sanitizers and finds nothing a
    // small one does not. 8 MB keeps the fuzzer fast.
    QImageReader::setAllocationLimit(8);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::startInput();
    fuzz::putFile("input.bmp", fuzz::asText(data, size));
    Picture picture;
    try {
        picture = Picture::load("INPUT.BMP");
    } catch (const platform::PictureError&) {
        return 0;
    }
    const int w = picture.width(), h = picture.height();
    KL_FUZZ_CHECK(!picture.isNull() && w > 0 && h > 0);
    KL_FUZZ_CHECK(picture.image().format() == QImage::Format_RGB888);
    // Tracing is linear in the pixels; very large pictures add nothing but time.
    if (static_cast<long long>(w) * h > 1 << 20) return 0;

    const QRect bounds(0, 0, w, h);
    const platform::Rgb corner = picture.pixel(0, 0);
    const std::uint32_t key = corner.r | corner.g << 8 | corner.b << 16;
    for (bool keepKey : {false, true}) {
        const platform::Region region = bmptorgn(picture, key, keepKey);
        KL_FUZZ_CHECK(region.isEmpty() || bounds.contains(region.boundingRect()));
    }

    Picture blurred = picture;
    blurrect(blurred, -1, -1, w, h);
    KL_FUZZ_CHECK(blurred.width() == w && blurred.height() == h);

    // Full opacity copies the source exactly; the key-colour mode skips the
    // corner's colour and so leaves that pixel of the destination alone.
    Picture dest(w, h, {1, 2, 3});
    KL_FUZZ_CHECK(blendbmp(picture, dest, nullptr, 0, 0, 255, kBlendOpacity) == kBlendDone);
    KL_FUZZ_CHECK(dest.image() == picture.image());
    Picture keyed(w, h, {1, 2, 3});
    KL_FUZZ_CHECK(blendbmp(picture, keyed, &picture, 0, 0, 0, kBlendKeyColour) == kBlendDone);
    KL_FUZZ_CHECK(keyed.pixel(0, 0) == (platform::Rgb{1, 2, 3}));
    KL_FUZZ_CHECK(blendbmp(picture, keyed, &blurred, 0, 0, 0, kBlendMask) == kBlendDone);

    // Anywhere else, taking the position from the input's last bytes (which
    // a picture reader leaves alone): drawn exactly when the picture fits.
    if (size >= 8) {
        std::int32_t left = 0, top = 0;
        std::memcpy(&left, data + size - 8, 4);
        std::memcpy(&top, data + size - 4, 4);
        Picture small(17, 13, {9, 9, 9});
        const Picture before = small;
        const bool fits = left >= 0 && top >= 0 && std::int64_t{left} + w <= small.width() &&
                          std::int64_t{top} + h <= small.height();
        const std::uint8_t code = blendbmp(picture, small, &picture, left, top, 128, kBlendInverseMask);
        KL_FUZZ_CHECK((code == kBlendDone) == fits);
        if (!fits) KL_FUZZ_CHECK(small.image() == before.image());
    }
    return 0;
}
