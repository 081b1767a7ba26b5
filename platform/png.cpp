#include "platform/png.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include <zlib.h>

namespace kl::platform {

namespace {

// Deflate levels 1 to 3 take zlib's fast path; on the views 3 packs within
// a few per cent of the slow levels at a third of their time.
constexpr int kFastLevel = 3;

void putBig32(std::string& out, std::uint32_t v) {
    const char b[4] = {static_cast<char>(v >> 24), static_cast<char>(v >> 16), static_cast<char>(v >> 8),
                       static_cast<char>(v)};
    out.append(b, 4);
}

// The CRC of a chunk's type and data, which stand at `start`, behind it.
void endChunk(std::string& out, std::size_t start) {
    const auto* bytes = reinterpret_cast<const Bytef*>(out.data() + start);
    putBig32(out, static_cast<std::uint32_t>(::crc32_z(::crc32(0, nullptr, 0), bytes, out.size() - start)));
}

// Length, type, data, and the CRC of type and data.
void putChunk(std::string& out, const char* type, const char* data, std::size_t n) {
    putBig32(out, static_cast<std::uint32_t>(n));
    const std::size_t start = out.size();
    out.append(type, 4);
    out.append(data, n);
    endChunk(out, start);
}

// Deflates the rows, each behind its filter byte (0: none), onto the end of
// `out` as one zlib stream. The rows are handed to zlib where they stand, so
// no copy of the picture is made, and `out` grows as the stream does.
bool deflateRows(const QImage& image, int level, std::string& out) {
    z_stream z{};
    if (deflateInit(&z, level) != Z_OK) return false;
    const std::size_t start = out.size();
    // Hands zlib what is in z.next_in (everything, under Z_FINISH also the
    // end of the stream), making room behind what it has written as it asks.
    const auto run = [&](int flush) {
        for (;;) {
            if (out.size() - start == z.total_out) out.resize(out.size() + std::max<std::size_t>(out.size() - start, 1 << 16));
            z.next_out = reinterpret_cast<Bytef*>(out.data() + start + z.total_out);
            z.avail_out = static_cast<uInt>(out.size() - start - z.total_out);
            const int r = deflate(&z, flush);
            if (flush == Z_FINISH ? r == Z_STREAM_END : r == Z_OK && z.avail_in == 0) return true;
            if (r != Z_OK && r != Z_BUF_ERROR) return false;
        }
    };
    const std::size_t rowBytes = 3 * static_cast<std::size_t>(image.width());
    Bytef filter = 0;
    bool ok = true;
    for (int y = 0; ok && y < image.height(); ++y) {
        z.next_in = &filter;
        z.avail_in = 1;
        ok = run(Z_NO_FLUSH);
        z.next_in = const_cast<Bytef*>(image.constScanLine(y));
        z.avail_in = static_cast<uInt>(rowBytes);
        ok = ok && run(Z_NO_FLUSH);
    }
    ok = ok && run(Z_FINISH);
    out.resize(start + z.total_out);
    deflateEnd(&z);
    return ok;
}

}  // namespace

std::string encodePng(const QImage& image, int level) {
    if (image.isNull() || image.format() != QImage::Format_RGB888) return {};
    const int w = image.width(), h = image.height();

    std::string out("\x89PNG\r\n\x1A\n", 8);
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
    // The image data chunk, its length put in once the stream is made.
    const std::size_t lengthAt = out.size();
    putBig32(out, 0);
    const std::size_t start = out.size();
    out.append("IDAT", 4);
    if (!deflateRows(image, level < 0 || level > 9 ? kFastLevel : level, out)) return {};
    const std::size_t n = out.size() - start - 4;
    for (int b = 0; b < 4; ++b) out[lengthAt + b] = static_cast<char>(n >> (24 - 8 * b));
    endChunk(out, start);
    putChunk(out, "IEND", "", 0);
    return out;
}

}  // namespace kl::platform
