#include "platform/picture.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <optional>
#include <utility>

#include <sys/mman.h>
#include <unistd.h>

#include <QBuffer>
#include <QImageReader>

#include "platform/filecache.h"
#include "platform/files.h"
#include "platform/picturepack.h"
#include "platform/png.h"

namespace kl::platform {

namespace {

// A large picture's pages are put in place in one call before it is
// filled: taking them one fault at a time costs more than the fill itself.
// Pages a picture reuses from one let go before are in place already, and
// the call returns at once.
constexpr qsizetype kPrefaultedPictureBytes = qsizetype{256} << 10;

QImage newImage(int width, int height) {
    QImage image(width, height, QImage::Format_RGB888);
    if (image.sizeInBytes() >= kPrefaultedPictureBytes) {
        static const auto page = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
        const auto start = (reinterpret_cast<std::uintptr_t>(image.bits()) + page - 1) / page * page;
        const auto end = (reinterpret_cast<std::uintptr_t>(image.bits()) + static_cast<std::uintptr_t>(image.sizeInBytes())) / page * page;
        // A system without the call faults the pages in as they are written.
        if (end > start) ::madvise(reinterpret_cast<void*>(start), end - start, MADV_POPULATE_WRITE);
    }
    return image;
}

}  // namespace

Picture::Picture(int width, int height, Rgb fill) : image_(newImage(width, height)) {
    if (image_.isNull() && width > 0 && height > 0) throw PictureError("cannot make a picture");
    this->fill(fill);
}

Picture Picture::copy() const {
    Picture p;
    p.image_ = image_.copy();
    if (p.image_.isNull() && !isNull()) throw PictureError("cannot make a picture");
    return p;
}

int Picture::scale() const { return std::max(1, static_cast<int>(std::lround(image_.devicePixelRatio()))); }

void Picture::setScale(int scale) { image_.setDevicePixelRatio(std::max(1, scale)); }

namespace {

// Decoded pictures, by file. A view draws the same frame or sign many times,
// and the windows draw the same glyphs at every repaint.
constexpr std::size_t kPictureBudget = std::size_t{96} << 20;

FileCache<Picture>& pictureCache() {
    static FileCache<Picture> cache(kPictureBudget,
                                    [](const Picture& p) { return static_cast<std::size_t>(p.image().sizeInBytes()); });
    return cache;
}

// The shipped pictures' own form, 24-bit uncompressed Windows bitmaps, is
// decoded straight into the picture's rows; the general decoder gives the
// same pixels at several times the cost. Such a bitmap's 4-byte aligned
// rows are laid out as the picture's are, so its pixel block is taken whole
// and put in order where it lies.
struct PlainBitmap {
    int width = 0, height = 0;
    bool topDown = false;
    std::uint64_t start = 0, stride = 0;
    int dotsPerMetreX = 0, dotsPerMetreY = 0;
};
constexpr std::size_t kBitmapHeaderBytes = 54;

// The plain bitmap a header (its first 54 bytes) describes, in a file of
// `fileSize` bytes; nullopt for any other form, a size outside the ordinary
// or a file too short for its rows, which the general path judges.
std::optional<PlainBitmap> plainBitmap(std::string_view b, std::uint64_t fileSize) {
    if (b.size() < kBitmapHeaderBytes || b[0] != 'B' || b[1] != 'M') return std::nullopt;
    const auto le16 = [b](std::size_t at) {
        return static_cast<std::uint32_t>(static_cast<unsigned char>(b[at]) | static_cast<unsigned char>(b[at + 1]) << 8);
    };
    const auto le32 = [&](std::size_t at) { return le16(at) | le16(at + 2) << 16; };
    if (le32(14) != 40 || le16(26) != 1 || le16(28) != 24 || le32(30) != 0) return std::nullopt;
    const std::int64_t width = static_cast<std::int32_t>(le32(18)), rows = static_cast<std::int32_t>(le32(22));
    const std::int64_t height = rows < 0 ? -rows : rows;
    if (width <= 0 || width > 16384 || height == 0 || height > 16384) return std::nullopt;
    PlainBitmap p;
    p.width = static_cast<int>(width);
    p.height = static_cast<int>(height);
    p.topDown = rows < 0;
    p.stride = (static_cast<std::uint64_t>(width) * 3 + 3) / 4 * 4;
    p.start = std::max<std::uint64_t>(le32(10), kBitmapHeaderBytes);
    if (p.start > fileSize || p.stride * static_cast<std::uint64_t>(height) > fileSize - p.start) return std::nullopt;
    const auto perMetre = [](std::uint32_t v) { return static_cast<int>(std::min<std::uint32_t>(v, INT32_MAX)); };
    p.dotsPerMetreX = perMetre(le32(38));
    p.dotsPerMetreY = perMetre(le32(42));
    return p;
}

// A picture for the bitmap, to be filled with its pixel block; null when
// its rows are laid out otherwise or it cannot be made.
QImage imageFor(const PlainBitmap& p) {
    QImage image = newImage(p.width, p.height);
    if (image.isNull() || static_cast<std::uint64_t>(image.bytesPerLine()) != p.stride) return QImage();
    return image;
}

// Turns the bitmap's pixel block, copied into the picture, into the
// picture's order: rows top-down (a bitmap's run bottom-up unless its
// height is negative), each pixel R, G, B (a bitmap's B, G, R).
void putInPictureOrder(QImage& image, const PlainBitmap& p) {
    const auto swapRedBlue = [w = p.width](std::uint8_t* row) {
        for (int x = 0; x < w; ++x, row += 3) std::swap(row[0], row[2]);
    };
    const int h = p.height;
    for (int y = 0; y < (p.topDown ? h : h / 2); ++y) {
        std::uint8_t* top = image.scanLine(y);
        swapRedBlue(top);
        if (p.topDown) continue;
        std::uint8_t* bottom = image.scanLine(h - 1 - y);
        swapRedBlue(bottom);
        std::swap_ranges(top, top + 3 * std::size_t(p.width), bottom);
    }
    if (!p.topDown && h % 2 == 1) swapRedBlue(image.scanLine(h / 2));
    if (p.dotsPerMetreX > 0) image.setDotsPerMeterX(p.dotsPerMetreX);
    if (p.dotsPerMetreY > 0) image.setDotsPerMeterY(p.dotsPerMetreY);
}

// A plain bitmap held in memory. False, with nothing made, for any other
// form.
bool decodePlainBitmap(std::string_view b, QImage& out) {
    const std::optional<PlainBitmap> p = plainBitmap(b, b.size());
    if (!p) return false;
    QImage image = imageFor(*p);
    if (image.isNull()) return false;
    std::memcpy(image.bits(), b.data() + p->start, p->stride * static_cast<std::uint64_t>(p->height));
    putInPictureOrder(image, *p);
    out = std::move(image);
    return true;
}

// A plain bitmap read from its file, the pixel block in one read straight
// into the picture. False, with nothing made, for any other form or a read
// that fails.
bool readPlainBitmap(const FileReader& in, QImage& out) {
    char header[kBitmapHeaderBytes];
    if (in.size() < kBitmapHeaderBytes || !in.readAt(0, header, kBitmapHeaderBytes)) return false;
    const std::optional<PlainBitmap> p = plainBitmap(std::string_view(header, kBitmapHeaderBytes), in.size());
    if (!p) return false;
    QImage image = imageFor(*p);
    if (image.isNull() || !in.readAt(p->start, image.bits(), p->stride * static_cast<std::uint64_t>(p->height)))
        return false;
    putInPictureOrder(image, *p);
    out = std::move(image);
    return true;
}

}  // namespace

Picture Picture::load(const std::string& name) {
    // A copy shares the cached pixels; drawing on it copies them first.
    const std::shared_ptr<const Picture> cached =
        pictureCache().get(name, [](const FileStamp& file) { return std::make_shared<const Picture>(decodeFile(file)); });
    if (!cached) throw PictureError("not a readable picture: " + name);
    return *cached;
}

void Picture::forgetLoaded() { pictureCache().clear(); }

Picture Picture::decodeFile(const FileStamp& file) {
    const std::string& name = file.path;
    std::string bytes;
    if (!readPackedPicture(file, bytes)) {
        // Read through the file layer, which refuses a FIFO or a device in a
        // picture's place instead of waiting on it.
        const FileReader in(name);
        if (!in.isOpen()) throw PictureError("not a readable picture: " + name);
        if (Picture p; readPlainBitmap(in, p.image_)) return p;
        if (!in.readRest(0, bytes)) throw PictureError("not a readable picture: " + name);
    }
    QImage img = decodePictureBytes(bytes, name);
    if (img.isNull()) throw PictureError("not a readable picture: " + name);
    return fromImage(img);
}

QImage decodePictureBytes(std::string_view bytes, const std::string& name) {
    if (!bitmapHoldsItsPixels(bytes)) throw PictureError("the picture is shorter than its pixel data: " + name);
    if (QImage plain; decodePlainBitmap(bytes, plain)) return plain;
    QByteArray data = QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    return reader.read();
}

namespace {

std::uint32_t le16(std::string_view b, std::size_t at) {
    return static_cast<unsigned char>(b[at]) | static_cast<unsigned char>(b[at + 1]) << 8;
}
std::uint32_t le32(std::string_view b, std::size_t at) { return le16(b, at) | le16(b, at + 2) << 16; }

// True when a run-length stream starting at `at` reaches its end-of-bitmap
// code inside the bytes. RLE8 absolute runs carry one byte a pixel, RLE4
// runs half a byte; both are padded to an even length.
bool rleStreamEnds(std::string_view b, std::size_t at, bool fourBits) {
    while (at + 2 <= b.size()) {
        const unsigned count = static_cast<unsigned char>(b[at]), code = static_cast<unsigned char>(b[at + 1]);
        at += 2;
        if (count > 0 || code == 0) continue;  // an encoded run, or the end of a row
        if (code == 1) return true;            // the end of the bitmap
        if (code == 2) {                       // a move: two more bytes
            at += 2;
            continue;
        }
        std::size_t bytes = fourBits ? (code + 1) / 2 : code;  // an absolute run
        at += bytes + (bytes & 1);
    }
    return false;
}

}  // namespace

bool bitmapHoldsItsPixels(std::string_view b) {
    if (b.size() < 26 || b[0] != 'B' || b[1] != 'M') return true;
    const std::uint64_t header = le32(b, 14);
    std::int64_t width = 0, height = 0;
    std::uint32_t bits = 0, compression = 0, coloursUsed = 0;
    if (header == 12) {
        width = le16(b, 18);
        height = le16(b, 20);
        bits = le16(b, 24);
    } else if (header >= 16) {
        if (b.size() < 14 + std::min<std::uint64_t>(header, 40)) return false;  // the header itself is cut off
        width = static_cast<std::int32_t>(le32(b, 18));
        height = static_cast<std::int32_t>(le32(b, 22));
        bits = le16(b, 28);
        if (header >= 20) compression = le32(b, 30);
        if (header >= 36) coloursUsed = le32(b, 46);
    } else {
        return true;
    }
    width = width < 0 ? -width : width;
    height = height < 0 ? -height : height;
    if (bits == 0 || bits > 32 || width > (std::int64_t{1} << 30) || height > (std::int64_t{1} << 30)) return true;
    // The pixels start where the header says, and never before the header,
    // its colour masks and its palette end.
    const std::uint64_t masks = header == 40 && compression == 3 ? 12 : header == 40 && compression == 6 ? 16 : 0;
    const std::uint64_t entries = bits <= 8 ? (coloursUsed != 0 && coloursUsed < (1u << bits) ? coloursUsed : 1u << bits) : 0;
    const std::uint64_t palette = entries * (header == 12 ? 3 : 4);
    const std::uint64_t start = std::max<std::uint64_t>(le32(b, 10), 14 + header + masks + palette);
    if (start > b.size()) return false;
    switch (compression) {
    case 0: case 3: case 6: {
        const std::uint64_t stride = (static_cast<std::uint64_t>(width) * bits + 31) / 32 * 4;
        return stride * static_cast<std::uint64_t>(height) <= b.size() - start;
    }
    case 1: return rleStreamEnds(b, start, false);
    case 2: return rleStreamEnds(b, start, true);
    default: return true;
    }
}

Picture Picture::fromImage(const QImage& image) {
    Picture p;
    p.image_ = image.convertToFormat(QImage::Format_RGB888);
    return p;
}

void Picture::save(const std::string& name) const {
    if (!image_.save(QString::fromStdString(resolvePath(name)), "BMP"))
        throw PictureError("cannot save picture: " + name);
}

std::string encodedImage(const QImage& image, const char* format, int quality) {
    // The program's own pictures go out through the quick writer; a quality
    // picks its deflate level as the toolkit's writer reads it.
    if (std::string_view(format) == "PNG" && image.format() == QImage::Format_RGB888)
        return encodePng(image, quality < 0 ? -1 : (100 - std::min(quality, 100)) * 9 / 91);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (image.isNull() || !buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, format, quality)) return {};
    return bytes.toStdString();
}

Rgb Picture::pixel(int x, int y) const {
    const std::uint8_t* p = row(y) + 3 * x;
    return {p[0], p[1], p[2]};
}

void Picture::setPixel(int x, int y, Rgb c) {
    std::uint8_t* p = row(y) + 3 * x;
    p[0] = c.r;
    p[1] = c.g;
    p[2] = c.b;
}

void Picture::fill(Rgb c) {
    // One row by pixels, the others copied from it: the cross-fade fills a
    // whole view picture at every tick.
    const int w = width(), h = height();
    if (w <= 0 || h <= 0) return;
    std::uint8_t* first = row(0);
    for (int x = 0; x < w; ++x) {
        first[3 * x] = c.r;
        first[3 * x + 1] = c.g;
        first[3 * x + 2] = c.b;
    }
    for (int y = 1; y < h; ++y) std::memcpy(row(y), first, std::size_t(w) * 3);
}

}  // namespace kl::platform
