// A PNG writer for the program's 24-bit pictures, much quicker than the
// toolkit's general one: rows go out unfiltered, which on drawn views
// (flat fields, lines, keyed pictures) packs as tightly as the adaptive
// filters do, and the deflate runs at a fast level.
#pragma once

#include <string>

#include <QImage>

namespace kl::platform {

// The PNG file of an image in QImage::Format_RGB888, deflated at `level`
// (0 to 9, or -1 for a fast level); empty for another format, a null
// image or a failed deflate.
std::string encodePng(const QImage& image, int level = -1);

}  // namespace kl::platform
