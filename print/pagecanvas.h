// What the interpreter draws a page with. The page is width x height page
// pixels; the interpreter decides every position and size in them, and a
// canvas only puts the result somewhere:
// - BitmapCanvas draws into the page picture (the screen, the filters, the
//   PNG pages and the bitmap path of printing);
// - PainterCanvas draws onto a painter whose transform maps page pixels to
//   its device (a PDF writer or a printer at the device's own resolution,
//   or a picture for comparison): texts as text in their fonts, coloured
//   moons as shapes, pictures as lossless images at their own pixels.
// Since both take the same calls from the same interpreter, a page printed
// sharp cannot drift from the page on the screen.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <tuple>

#include <QImage>

#include "platform/picture.h"

class QFont;
class QPainter;
class QString;

namespace kl::print {

class PageCanvas {
public:
    PageCanvas(int width, int height) : width_(width), height_(height) {}
    virtual ~PageCanvas() = default;
    PageCanvas(const PageCanvas&) = delete;
    PageCanvas& operator=(const PageCanvas&) = delete;

    int width() const { return width_; }
    int height() const { return height_; }

    // The whole page in the background colour.
    virtual void fill(platform::Rgb colour) = 0;
    // A text with its left edge at `left` and its baseline at `baseline`.
    virtual void text(const QFont& font, platform::Rgb colour, double left, double baseline, const QString& text) = 0;
    // A bitmap with its top-left corner at (x, y), one page pixel a bitmap
    // pixel, the pixels of colour `key` left out. `source` names the bitmap
    // (its file) so that a canvas may reuse what it made of it.
    virtual void picture(const std::string& source, const platform::Picture& bitmap, std::int64_t x, std::int64_t y,
                         platform::Rgb key) = 0;
    // A MOON square of size x size with its top-left corner at (x, y): the
    // moon picture through the phase's mask (image), or the shadow of the
    // phase in `colour` with an outline. Throws platform::PictureError when
    // the moon picture cannot be read.
    virtual void moon(std::int64_t x, std::int64_t y, int size, int phase, bool image, platform::Rgb colour) = 0;

private:
    int width_, height_;
};

class BitmapCanvas : public PageCanvas {
public:
    explicit BitmapCanvas(platform::Picture& page) : PageCanvas(page.width(), page.height()), page_(page) {}

    void fill(platform::Rgb colour) override;
    void text(const QFont& font, platform::Rgb colour, double left, double baseline, const QString& text) override;
    void picture(const std::string& source, const platform::Picture& bitmap, std::int64_t x, std::int64_t y,
                 platform::Rgb key) override;
    void moon(std::int64_t x, std::int64_t y, int size, int phase, bool image, platform::Rgb colour) override;

private:
    platform::Picture& page_;
};

// What a PainterCanvas makes of pictures and moons, kept so that a picture
// used many times, on one page or on the pages of one document, is one
// image (a PDF stores it once).
class PreparedImages {
public:
    // The bitmap with the key colour transparent (greyed for black and white).
    const QImage& keyed(const std::string& source, const platform::Picture& bitmap, platform::Rgb key, bool grey);
    // The picture moon of a phase, at the moon picture's own resolution.
    const QImage& pictureMoon(int size, int phase, bool grey);

private:
    std::map<std::tuple<std::string, std::uint32_t, bool, qint64>, QImage> keyed_;
    std::map<std::tuple<int, int, bool>, QImage> moons_;
    std::optional<int> moonSide_;
};

class PainterCanvas : public PageCanvas {
public:
    // `painter` is active, with its transform taking page pixels to where
    // the page goes; drawing is clipped to the page for the canvas's life.
    // With `grey` every colour becomes (g, g, g), g = (R + G + B) div 3, as
    // the black-and-white filter turns them. `images` may be shared by the
    // pages of one document; without it the canvas keeps its own.
    PainterCanvas(QPainter& painter, int width, int height, bool grey, PreparedImages* images = nullptr);
    ~PainterCanvas() override;

    void fill(platform::Rgb colour) override;
    void text(const QFont& font, platform::Rgb colour, double left, double baseline, const QString& text) override;
    void picture(const std::string& source, const platform::Picture& bitmap, std::int64_t x, std::int64_t y,
                 platform::Rgb key) override;
    void moon(std::int64_t x, std::int64_t y, int size, int phase, bool image, platform::Rgb colour) override;

private:
    platform::Rgb shade(platform::Rgb c) const;

    QPainter& painter_;
    bool grey_;
    std::unique_ptr<PreparedImages> ownImages_;
    PreparedImages* images_;
};

// The grey the black-and-white filter gives a colour.
platform::Rgb greyOf(platform::Rgb c);

// One moon square as the bitmap page draws it: size x size, the moon
// picture through the phase mask (image) or the phase's shadow in `colour`
// with an outline. Throws platform::PictureError when the moon picture
// cannot be read.
platform::Picture moonSquare(int size, int phase, bool image, platform::Rgb colour);
inline constexpr const char* kMoonPicture = "graphic\\moon2.bmp";

}  // namespace kl::print
