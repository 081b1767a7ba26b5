#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include <QBuffer>
#include <QImage>
#include <QImageReader>

#include "platform/picture.h"
#include "platform/png.h"
#include "support/testsupport.h"

namespace kl::platform {
namespace {

using PictureTest = test::ProgramDirTest;

QImage noise(int w, int h, unsigned seed) {
    std::mt19937 rng(seed);
    QImage image(w, h, QImage::Format_RGB888);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < 3 * w; ++x) image.scanLine(y)[x] = static_cast<std::uint8_t>(x < w ? y * 7 : rng());
    return image;
}

QImage decodedAsRgb(const std::string& bytes) {
    QImage image;
    image.loadFromData(reinterpret_cast<const uchar*>(bytes.data()), static_cast<int>(bytes.size()));
    return image.convertToFormat(QImage::Format_RGB888);
}

// The quick writer's files decode, in any reader, to exactly the pixels
// written, at every level and at widths whose rows are not whole words.
TEST(PngWriterTest, FilesDecodeToThePixelsWritten) {
    for (const auto& [w, h] : {std::pair{1, 1}, {5, 3}, {670, 550}}) {
        const QImage image = noise(w, h, static_cast<unsigned>(w));
        for (const int quality : {-1, 0, 100}) {
            const std::string bytes = encodedImage(image, "PNG", quality);
            ASSERT_EQ(bytes.compare(0, 8, "\x89PNG\r\n\x1A\n"), 0);
            EXPECT_EQ(decodedAsRgb(bytes), image) << w << "x" << h << " at quality " << quality;
        }
    }
    EXPECT_TRUE(encodePng(QImage()).empty());
    EXPECT_TRUE(encodePng(QImage(2, 2, QImage::Format_ARGB32)).empty());
    // An image of another format still goes through the general writer.
    QImage argb(3, 2, QImage::Format_ARGB32);
    argb.fill(QColor(10, 20, 30, 40));
    EXPECT_EQ(decodedAsRgb(encodedImage(argb, "PNG")).pixelColor(2, 1).red(), 10);
}

// The direct bitmap decoder against the general one, on every shipped
// picture and on hand-made rows: padded, top-down, with a pixel offset.
TEST_F(PictureTest, BitmapsDecodeAsTheGeneralDecoderReadsThem) {
    int checked = 0;
    for (const auto& entry : std::filesystem::directory_iterator(std::string(KL_SHIPPED_DIR) + "/graphic")) {
        if (entry.path().extension() != ".bmp") continue;
        const std::string file = entry.path().string();
        const QImage reference = QImage(QString::fromStdString(file)).convertToFormat(QImage::Format_RGB888);
        ASSERT_EQ(Picture::load(file).image(), reference) << file;
        ++checked;
    }
    EXPECT_GT(checked, 100);

    const QImage image = noise(5, 3, 9);
    ASSERT_TRUE(image.save(QString::fromStdString(path("up.bmp")), "BMP"));
    std::string bytes = readFile("up.bmp");
    ASSERT_EQ(bytes[28], 24);
    backdate("up.bmp", 3600);
    EXPECT_EQ(Picture::load("up.bmp").image(), image);

    // Top-down: the height negated and the rows in reading order, behind a
    // gap the pixel offset skips.
    const std::size_t start = 54, stride = 16;
    std::string down = bytes.substr(0, start) + "gap!";
    for (int y = 0; y < 3; ++y) down += bytes.substr(start + stride * (2 - y), stride);
    const std::int32_t negative = -3;
    std::memcpy(down.data() + 22, &negative, 4);
    down[10] = static_cast<char>(start + 4);
    writeFile("down.bmp", down);
    backdate("down.bmp", 3600);
    EXPECT_EQ(Picture::load("down.bmp").image(), image);

    // Rows cut short are refused, not read past the end.
    writeFile("cut.bmp", bytes.substr(0, bytes.size() - 1));
    EXPECT_THROW(Picture::load("cut.bmp"), PictureError);
}

}  // namespace
}  // namespace kl::platform
