// Which picture set a screen gets, and what a picture of it is when the set
// lacks it.
#include <gtest/gtest.h>

#include <QImage>

#include <filesystem>

#include "platform/pictureset.h"
#include "support/testsupport.h"

namespace kl::platform {
namespace {

class PictureSet : public test::ProgramDirTest {
protected:
    void write(const std::string& name, int size, QColor colour, const char* format) {
        std::filesystem::create_directories(std::filesystem::path(path(name)).parent_path());
        QImage img(size, size, QImage::Format_RGB888);
        img.fill(colour);
        ASSERT_TRUE(img.save(QString::fromStdString(path(name)), format));
    }
};

TEST(PictureSetChoice, TwiceTheSetAboveOneAndAHalf) {
    const struct { double ratio; int set; } cases[] = {{0.75, 1}, {1.0, 1}, {1.25, 1}, {1.5, 1},
                                                       {1.51, 2}, {1.75, 2}, {2.0, 2}, {3.0, 2}};
    for (const auto& c : cases) EXPECT_EQ(pictureSetFor(c.ratio), c.set) << c.ratio;
}

TEST(PictureSetChoice, TheTwiceSetNamesItsFilesAsPngsInItsFolder) {
    EXPECT_EQ(pictureInSet("graphic\\pyr0.bmp", 1), "graphic\\pyr0.bmp");
    EXPECT_EQ(pictureInSet("graphic\\pyr0.bmp", 2), "graphic2x\\pyr0.png");
    EXPECT_EQ(pictureInSet("graphic/ToneAlfa7.bmp", 2), "graphic2x\\ToneAlfa7.png");
}

TEST_F(PictureSet, TheSetsOwnFileElseTheSingleOneScaled) {
    write("graphic/a.bmp", 10, Qt::red, "BMP");
    write("graphic2x/a.png", 20, Qt::blue, "PNG");
    write("graphic/b.bmp", 10, Qt::green, "BMP");
    const Picture sharp = loadInSet("graphic\\a.bmp", 2);
    EXPECT_EQ(sharp.width(), 20);
    EXPECT_EQ(sharp.pixel(5, 5), (Rgb{0, 0, 255}));
    EXPECT_EQ(loadInSet("graphic\\a.bmp", 1).pixel(5, 5), (Rgb{255, 0, 0}));
    // Not in the 2x set: the 1x picture at twice its size.
    const Picture scaled = loadInSet("graphic\\b.bmp", 2);
    EXPECT_EQ(scaled.width(), 20);
    EXPECT_EQ(scaled.pixel(19, 19), (Rgb{0, 255, 0}));
    EXPECT_THROW(loadInSet("graphic\\none.bmp", 2), PictureError);
}

}  // namespace
}  // namespace kl::platform
