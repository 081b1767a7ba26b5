// The one off-screen picture type of the program: 24 bits per pixel (R, G, B
// bytes in that order), rows addressable directly, loaded from and saved to
// Windows bitmaps.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

#include <QImage>

#include "layout/colour.h"

namespace kl::platform {

// Thrown when a picture file is missing or is not a readable bitmap; the
// caller's protected block catches it and reports.
class PictureError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

using Rgb = kl::Rgb;
struct FileStamp;

class Picture {
public:
    Picture() = default;
    Picture(int width, int height, Rgb fill = {});

    // A picture of its own with the same pixels and scale; a plain copy
    // shares them until either is drawn on, and then pays for the copy.
    Picture copy() const;

    // Loads a picture file (name resolved as the program's data files are).
    // A file is decoded once while it stays unchanged; a failure is not
    // remembered.
    static Picture load(const std::string& name);
    // Lets go of every decoded picture (their files are read again).
    static void forgetLoaded();
    // Saves as a 24-bit Windows bitmap; throws PictureError on failure.
    void save(const std::string& name) const;

    // Sizes in pixels of the picture itself.
    int width() const { return image_.width(); }
    int height() const { return image_.height(); }
    // How many pixels of the picture stand for one unit of the coordinates it
    // is drawn in (its device pixel ratio): 1, or 2 for a picture of the 2x
    // set. The platform painter draws in those units; pixel routines do not.
    int scale() const;
    void setScale(int scale);
    bool isNull() const { return image_.isNull(); }

    std::uint8_t* row(int y) { return image_.scanLine(y); }
    const std::uint8_t* row(int y) const { return image_.constScanLine(y); }
    Rgb pixel(int x, int y) const;
    void setPixel(int x, int y, Rgb c);
    void fill(Rgb c);

    // The underlying image, for drawing with the platform painter and for
    // showing on a window. Always in 24-bit RGB.
    QImage& image() { return image_; }
    const QImage& image() const { return image_; }
    static Picture fromImage(const QImage& image);

private:
    // Reads and decodes a picture file (or its packed copy), every time.
    static Picture decodeFile(const FileStamp& file);

    QImage image_;
};

// The picture a picture file's bytes hold, as the program decodes its
// files: a 24-bit uncompressed Windows bitmap directly, anything else by
// the toolkit's decoder, which recognises the form by the bytes. Null when
// the bytes hold no picture. Throws PictureError for a bitmap whose bytes
// end before its pixels do, naming it by `name`.
QImage decodePictureBytes(std::string_view bytes, const std::string& name);

// False for a Windows bitmap (signature "BM") whose pixel data the file does
// not hold to the end: rows of an uncompressed bitmap that its size cannot
// hold, or a run-length stream broken off before its end-of-bitmap code.
// A decoder would draw the missing part black. True for any other bytes
// (they are the decoder's to judge).
bool bitmapHoldsItsPixels(std::string_view bytes);

// The bytes of an image file of `format` ("PNG", "JPEG", "BMP"; quality
// 0..100 or -1 for the format's default), or empty when it cannot be made.
std::string encodedImage(const QImage& image, const char* format, int quality = -1);

// Colour in the Windows layout: low byte R, then G, then B.
inline Rgb rgbFromColorRef(std::uint32_t c) {
    return {static_cast<std::uint8_t>(c & 0xFF), static_cast<std::uint8_t>((c >> 8) & 0xFF),
            static_cast<std::uint8_t>((c >> 16) & 0xFF)};
}

}  // namespace kl::platform
