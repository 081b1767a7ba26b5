#include "platform/picture.h"

#include <cstring>

#include <QBuffer>
#include <QImageReader>

#include "platform/filecache.h"
#include "platform/files.h"

namespace kl::platform {

Picture::Picture(int width, int height, Rgb fill) : image_(width, height, QImage::Format_RGB888) {
    if (image_.isNull() && width > 0 && height > 0) throw PictureError("cannot make a picture");
    this->fill(fill);
}

namespace {

// Decoded pictures, by file. A view draws the same frame or sign many times,
// and the windows draw the same glyphs at every repaint.
constexpr std::size_t kPictureBudget = std::size_t{96} << 20;

FileCache<Picture>& pictureCache() {
    static FileCache<Picture> cache(kPictureBudget,
                                    [](const Picture& p) { return static_cast<std::size_t>(p.image().sizeInBytes()); });
    return cache;
}

}  // namespace

Picture Picture::load(const std::string& name) {
    // A copy shares the cached pixels; drawing on it copies them first.
    const std::shared_ptr<const Picture> cached =
        pictureCache().get(name, [](const std::string& path) { return std::make_shared<const Picture>(decodeFile(path)); });
    if (!cached) throw PictureError("not a readable picture: " + name);
    return *cached;
}

void Picture::forgetLoaded() { pictureCache().clear(); }

Picture Picture::decodeFile(const std::string& name) {
    const std::string path = resolvePath(name);
    QImageReader reader(QString::fromStdString(path));
    reader.setDecideFormatFromContent(true);
    QImage img = reader.read();
    if (img.isNull()) throw PictureError("not a readable picture: " + name);
    return fromImage(img);
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
