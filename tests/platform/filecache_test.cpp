#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>

#include <QImage>

#include "platform/filecache.h"
#include "platform/picture.h"
#include "support/testsupport.h"

namespace kl::platform {
namespace {

using FileCacheTest = test::ProgramDirTest;

// A cache of file sizes that counts its reads.
struct Counted {
    FileCache<std::size_t> cache;
    int reads = 0;
    bool fail = false;
    std::shared_ptr<const std::size_t> get(const std::string& name) {
        return cache.get(name, [this](const FileStamp& file) -> std::shared_ptr<const std::size_t> {
            ++reads;
            if (fail) return nullptr;
            return std::make_shared<const std::size_t>(std::filesystem::file_size(file.path));
        });
    }
};

TEST_F(FileCacheTest, ReadsOnceWhileUnchangedAndAgainWhenChanged) {
    writeFile("a.dat", "abc");
    backdate("a.dat", 3600);
    Counted c;
    EXPECT_EQ(*c.get("a.dat"), 3u);
    EXPECT_EQ(*c.get("A.DAT"), 3u);  // the same file under another spelling
    EXPECT_EQ(c.reads, 1);
    backdate("a.dat", 60);  // touched
    c.get("a.dat");
    EXPECT_EQ(c.reads, 2);
    writeFile("a.dat", "abcd");  // rewritten, and still within the second
    EXPECT_EQ(*c.get("a.dat"), 4u);
    EXPECT_EQ(*c.get("a.dat"), 4u);
    EXPECT_EQ(c.reads, 4);
    std::filesystem::remove(path("a.dat"));
    EXPECT_EQ(c.get("a.dat"), nullptr);
    EXPECT_EQ(c.reads, 4);  // nothing there: nothing read
}

TEST_F(FileCacheTest, AFailedReadIsTriedAgainOnTheUnchangedFile) {
    writeFile("b.dat", "xy");
    backdate("b.dat", 3600);
    Counted c;
    c.fail = true;
    EXPECT_EQ(c.get("b.dat"), nullptr);
    c.fail = false;
    ASSERT_NE(c.get("b.dat"), nullptr);
    EXPECT_EQ(c.reads, 2);
    // A read that throws leaves nothing behind either.
    FileCache<int> throwing;
    int tries = 0;
    const auto make = [&tries](const FileStamp&) -> std::shared_ptr<const int> {
        if (++tries == 1) throw std::runtime_error("broken");
        return std::make_shared<const int>(7);
    };
    EXPECT_THROW(throwing.get("b.dat", make), std::runtime_error);
    EXPECT_EQ(*throwing.get("b.dat", make), 7);
    EXPECT_EQ(throwing.size(), 1u);
}

TEST_F(FileCacheTest, BeyondItsBudgetTheLeastRecentlyUsedGoFirst) {
    FileCache<std::size_t> cache(10, [](const std::size_t& v) { return v; });
    int reads = 0;
    const auto make = [&reads](const FileStamp& file) {
        ++reads;
        return std::make_shared<const std::size_t>(std::filesystem::file_size(file.path));
    };
    for (const char* name : {"x", "y", "z"}) {
        writeFile(name, "1234");
        backdate(name, 3600);
    }
    cache.get("x", make);
    cache.get("y", make);
    cache.get("x", make);  // x used last
    cache.get("z", make);  // 12 bytes: y goes
    EXPECT_EQ(cache.size(), 2u);
    cache.get("x", make);
    EXPECT_EQ(reads, 3);
    cache.get("y", make);
    EXPECT_EQ(reads, 4);
}

// Inside a check scope a name is looked at once, so one paint draws one
// version of a file; the next scope sees the file as it is then.
TEST_F(FileCacheTest, AScopeLooksAtEachNameOnce) {
    writeFile("s.dat", "ab");
    backdate("s.dat", 3600);
    Counted c;
    {
        const FileCheckScope paint;
        EXPECT_EQ(*c.get("s.dat"), 2u);
        writeFile("s.dat", "abc");
        backdate("s.dat", 60);
        EXPECT_EQ(*c.get("s.dat"), 2u);
    }
    EXPECT_EQ(*c.get("s.dat"), 3u);
    EXPECT_EQ(c.reads, 2);
}

// Pictures: the same file is decoded once; a changed one is decoded again;
// a picture drawn on after loading leaves the decoded one as it was.
TEST_F(FileCacheTest, PicturesAreDecodedOnceAndSeenAgainWhenChanged) {
    QImage red(4, 3, QImage::Format_RGB888);
    red.fill(QColor(255, 0, 0));
    ASSERT_TRUE(red.save(QString::fromStdString(path("p.bmp")), "BMP"));
    backdate("p.bmp", 3600);
    Picture first = Picture::load("P.BMP");
    EXPECT_EQ(first.pixel(0, 0), (Rgb{255, 0, 0}));
    first.setPixel(0, 0, {1, 2, 3});
    QImage green(4, 3, QImage::Format_RGB888);
    green.fill(QColor(0, 255, 0));
    ASSERT_TRUE(green.save(QString::fromStdString(path("green.bmp")), "BMP"));
    std::string bytes = readFile("green.bmp");
    rewriteUnseen("p.bmp", bytes);
    EXPECT_EQ(Picture::load("p.bmp").pixel(0, 0), (Rgb{255, 0, 0}));  // not decoded again
    backdate("p.bmp", 60);
    EXPECT_EQ(Picture::load("p.bmp").pixel(0, 0), (Rgb{0, 255, 0}));
}

TEST_F(FileCacheTest, APictureThatFailsIsNotRemembered) {
    writeFile("q.bmp", "not a picture at all");
    backdate("q.bmp", 3600);
    EXPECT_THROW(Picture::load("q.bmp"), PictureError);
    QImage blue(2, 2, QImage::Format_RGB888);
    blue.fill(QColor(0, 0, 255));
    ASSERT_TRUE(blue.save(QString::fromStdString(path("q.bmp")), "BMP"));
    backdate("q.bmp", 60);
    EXPECT_EQ(Picture::load("q.bmp").pixel(1, 1), (Rgb{0, 0, 255}));
    EXPECT_THROW(Picture::load("missing.bmp"), PictureError);
}

}  // namespace
}  // namespace kl::platform
