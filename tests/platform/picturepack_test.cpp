#include <gtest/gtest.h>

#include <filesystem>

#include <QColor>
#include <QImage>

#include "platform/picture.h"
#include "platform/picturepack.h"
#include "support/testsupport.h"

namespace kl::platform {
namespace {

namespace fs = std::filesystem;

class PicturePackTest : public test::ProgramDirTest {
protected:
    // A 3 x 2 bitmap of one colour: every such file has the same length.
    std::string bitmap(QColor colour) {
        QImage image(3, 2, QImage::Format_RGB888);
        image.fill(colour);
        image.save(QString::fromStdString(path("scratch.bmp")), "BMP");
        std::string bytes = readFile("scratch.bmp");
        fs::remove(path("scratch.bmp"));
        return bytes;
    }
    Rgb loaded(const std::string& name) { return Picture::load(name).pixel(0, 0); }
    void pack(const std::string& folder) {
        std::string error;
        ASSERT_TRUE(writePicturePack(folder, error)) << error;
    }
};

const Rgb kRed{255, 0, 0}, kGreen{0, 255, 0}, kBlue{0, 0, 255};

// The pack is what is read while a file stays as it was packed; a file
// rewritten, or another picture copied over it with its time kept, is read
// itself.
TEST_F(PicturePackTest, APackedCopyStandsInOnlyForTheFileItWasMadeFrom) {
    writeFile("a.bmp", bitmap(QColor(255, 0, 0)));
    writeFile("b.bmp", bitmap(QColor(0, 255, 0)));
    writeFile("c.bmp", bitmap(QColor(255, 0, 0)));
    pack(dir);
    EXPECT_NE(fs::last_write_time(path("a.bmp")), fs::last_write_time(path("b.bmp")));

    rewriteUnseen("a.bmp", bitmap(QColor(0, 0, 255)));
    EXPECT_EQ(loaded("a.bmp"), kRed);  // the packed copy, not the file

    fs::copy_file(path("b.bmp"), path("c.bmp"), fs::copy_options::overwrite_existing);
    fs::last_write_time(path("c.bmp"), fs::last_write_time(path("b.bmp")));
    EXPECT_EQ(loaded("c.bmp"), kGreen);

    writeFile("b.bmp", bitmap(QColor(0, 0, 255)));
    backdate("b.bmp", 30);
    EXPECT_EQ(loaded("b.bmp"), kBlue);
}

// A pack whose bytes were damaged, or that is no pack at all, is passed over
// for the files themselves.
TEST_F(PicturePackTest, ADamagedPackIsPassedOver) {
    writeFile("d.bmp", bitmap(QColor(255, 0, 0)));
    pack(dir);
    rewriteUnseen("d.bmp", bitmap(QColor(0, 255, 0)));
    std::string packed = readFile(kPicturePackName);
    packed[packed.size() - 1] ^= 1;  // the last byte of d.bmp's copy
    rewriteUnseen(kPicturePackName, packed);
    EXPECT_EQ(loaded("d.bmp"), kGreen);

    fs::create_directory(path("sub"));
    writeFile("sub/e.bmp", bitmap(QColor(255, 0, 0)));
    pack(path("sub"));
    rewriteUnseen("sub/e.bmp", bitmap(QColor(0, 0, 255)));
    fs::resize_file(path(std::string("sub/") + kPicturePackName), 40);
    EXPECT_EQ(loaded("sub\\e.bmp"), kBlue);
}

}  // namespace
}  // namespace kl::platform
