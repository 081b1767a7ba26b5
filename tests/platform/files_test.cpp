#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>


#include "platform/files.h"
#include "support/testsupport.h"

namespace kl::platform {
namespace {

using FilesTest = test::ProgramDirTest;

TEST_F(FilesTest, NamesMatchWithoutRegardToCaseAndAcceptBackslashes) {
    std::filesystem::create_directories(path("graphic"));
    writeFile("graphic/5Y.bmp", "x");
    writeFile("BASE.DRS", "y");
    EXPECT_EQ(resolvePath("graphic\\5Y.bmp"), path("graphic/5Y.bmp"));
    EXPECT_EQ(resolvePath("GRAPHIC\\5y.BMP"), path("graphic/5Y.bmp"));
    EXPECT_EQ(resolvePath("base.drs"), path("BASE.DRS"));
    EXPECT_TRUE(fileExists("Base.Drs"));
    EXPECT_FALSE(fileExists("graphic"));  // a directory is not a file
    // A name that does not exist resolves to where it would be created.
    EXPECT_EQ(resolvePath("Graphic\\new.bmp"), path("graphic/new.bmp"));
}

TEST_F(FilesTest, AtomicWriteReplacesWholeAndLeavesNoTemporary) {
    writeFile("conf.dat", "old");
    ASSERT_TRUE(writeFileAtomic("conf.dat", "new contents"));
    EXPECT_EQ(readFile("conf.dat"), "new contents");
    int entries = 0;
    for (const auto& e : std::filesystem::directory_iterator(dir)) {
        (void)e;
        ++entries;
    }
    EXPECT_EQ(entries, 1);
}

TEST_F(FilesTest, AFailedAtomicWriteKeepsTheOldFile) {
    writeFile("conf.dat", "old");
    // The temporary beside it cannot be created (a directory is in its way).
    std::filesystem::create_directory(path("conf.dat.tmp~"));
    EXPECT_FALSE(writeFileAtomic("conf.dat", "new"));
    EXPECT_EQ(readFile("conf.dat"), "old");
}

TEST_F(FilesTest, CreateNewFileNeverReplaces) {
    EXPECT_TRUE(createNewFile("a.err", "1"));
    EXPECT_FALSE(createNewFile("a.err", "2"));
    EXPECT_EQ(readFile("a.err"), "1");
}

TEST_F(FilesTest, ReadOnlyMarkIsTheOwnerWriteBit) {
    writeFile("tech.dat", "1");
    namespace fs = std::filesystem;
    fs::permissions(path("tech.dat"), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_TRUE(isReadOnly("tech.dat"));
    EXPECT_EQ(clearReadOnly("tech.dat"), 0);
    EXPECT_FALSE(isReadOnly("tech.dat"));
    const auto p = fs::status(path("tech.dat")).permissions();
    EXPECT_NE(p & fs::perms::group_read, fs::perms::none);  // other bits kept
    EXPECT_EQ(p & fs::perms::group_write, fs::perms::none);
    EXPECT_NE(clearReadOnly("missing.dat"), 0);
}

TEST(NextLine, SplitsAtLfAndDropsCr) {
    std::string_view rest = "a\r\nb\n\nc";
    EXPECT_EQ(nextLine(rest), "a");
    EXPECT_EQ(nextLine(rest), "b");
    EXPECT_EQ(nextLine(rest), "");
    EXPECT_EQ(nextLine(rest), "c");
    EXPECT_TRUE(rest.empty());
}

}  // namespace
}  // namespace kl::platform
