#include "platform/png.h"

#include <array>
#include <cstdint>
#include <cstring>

#include <QByteArray>

namespace kl::platform {

namespace {

// Deflate levels 1 to 3 take zlib's fast path; on the views 3 packs within
// a few per cent of the slow levels at a third of their time.
constexpr int kFastLevel = 3;

std::uint32_t crc32(const char* data, std::size_t n, std::uint32_t crc = 0) {
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t i = 0; i < 256; ++i) {
            std::uint32_t c = i;
            for (int k = 0; k < 8; ++k) c = c & 1 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[i] = c;
        }
        return t;
    }();
    crc = ~crc;
    for (std::size_t i = 0; i < n; ++i) crc = table[(crc ^ static_cast<std::uint8_t>(data[i])) & 0xFF] ^ (crc >> 8);
    return ~crc;
}

void putBig32(std::string& out, std::uint32_t v) {
    const char b[4] = {static_cast<char>(v >> 24), static_cast<char>(v >> 16), static_cast<char>(v >> 8),
                       static_cast<char>(v)};
    out.append(b, 4);
}

// Length, type, data, and the CRC of type and data.
void putChunk(std::string& out, const char* type, const char* data, std::size_t n) {
    putBig32(out, static_cast<std::uint32_t>(n));
    const std::size_t start = out.size();
    out.append(type, 4);
    out.append(data, n);
    putBig32(out, crc32(out.data() + start, n + 4));
}

}  // namespace

std::string encodePng(const QImage& image, int level) {
    if (image.isNull() || image.format() != QImage::Format_RGB888) return {};
    const int w = image.width(), h = image.height();
    const std::size_t rowBytes = 3 * static_cast<std::size_t>(w);

    // Each row behind its filter byte, 0: none.
    QByteArray raw(static_cast<qsizetype>((rowBytes + 1) * static_cast<std::size_t>(h)), Qt::Uninitialized);
    char* p = raw.data();
    for (int y = 0; y < h; ++y) {
        *p++ = 0;
        std::memcpy(p, image.constScanLine(y), rowBytes);
        p += rowBytes;
    }
    // qCompress gives a zlib stream, which is what the image data is,
    // behind four bytes of its own (the uncompressed size).
    const QByteArray packed = qCompress(raw, level < 0 || level > 9 ? kFastLevel : level);
    if (packed.size() <= 4) return {};

    std::string out("\x89PNG\r\n\x1A\n", 8);
    out.reserve(static_cast<std::size_t>(packed.size()) + 128);
    std::string header;
    putBig32(header, static_cast<std::uint32_t>(w));
    putBig32(header, static_cast<std::uint32_t>(h));
    header += std::string("\x08\x02\x00\x00\x00", 5);  // 8 bits, RGB, deflate, no filter method, not interlaced
    putChunk(out, "IHDR", header.data(), header.size());
    if (image.dotsPerMeterX() > 0 && image.dotsPerMeterY() > 0) {
        std::string density;
        putBig32(density, static_cast<std::uint32_t>(image.dotsPerMeterX()));
        putBig32(density, static_cast<std::uint32_t>(image.dotsPerMeterY()));
        density += '\x01';  // per metre
        putChunk(out, "pHYs", density.data(), density.size());
    }
    putChunk(out, "IDAT", packed.constData() + 4, static_cast<std::size_t>(packed.size() - 4));
    putChunk(out, "IEND", "", 0);
    return out;
}

}  // namespace kl::platform
