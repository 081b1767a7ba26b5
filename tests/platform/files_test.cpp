#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <thread>
#include <atomic>

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

TEST_F(FilesTest, AFailedAtomicWriteKeepsTheOldFileAndLeavesNoTemporary) {
    writeFile("conf.dat", "old");
    {
        test::FileSizeLimit full(2);  // the new contents do not fit
        EXPECT_FALSE(writeFileAtomic("conf.dat", "new"));
    }
    EXPECT_EQ(readFile("conf.dat"), "old");
    int entries = 0;
    for (const auto& e : std::filesystem::directory_iterator(dir)) {
        EXPECT_EQ(e.path().filename(), "conf.dat");
        ++entries;
    }
    EXPECT_EQ(entries, 1);
}

TEST_F(FilesTest, AtomicWriteKeepsTheModeOfTheFileItReplaces) {
    namespace fs = std::filesystem;
    writeFile("conf.dat", "old");
    fs::permissions(path("conf.dat"), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_TRUE(writeFileAtomic("conf.dat", "new"));
    EXPECT_EQ(fs::status(path("conf.dat")).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(FilesTest, SavesAtTheSameTimeNeverShowAReaderAPartialFile) {
    // Two writers replace the file over and over with whole contents of
    // their own while a reader keeps reading it: every read must be one of
    // the whole contents.
    const std::string a(4096, 'a'), b(8192, 'b');
    writeFile("conf.dat", a);
    std::atomic<bool> stop{false};
    std::atomic<int> failedWrites{0};
    const auto writer = [&](const std::string& bytes) {
        while (!stop)
            if (!writeFileAtomic("conf.dat", bytes)) ++failedWrites;
    };
    std::thread first(writer, a), second(writer, b);
    int partial = 0;
    for (int i = 0; i < 3000; ++i) {
        std::string got;
        if (!readFileBytes("conf.dat", got) || (got != a && got != b)) ++partial;
    }
    stop = true;
    first.join();
    second.join();
    EXPECT_EQ(partial, 0);
    EXPECT_EQ(failedWrites, 0);
    int entries = 0;
    for (const auto& e : std::filesystem::directory_iterator(dir)) {
        (void)e;
        ++entries;
    }
    EXPECT_EQ(entries, 1) << "temporary files left behind";
}

TEST_F(FilesTest, CreateNewFileNeverReplaces) {
    EXPECT_EQ(createNewFile("a.err", "1"), NewFile::Created);
    EXPECT_EQ(createNewFile("a.err", "2"), NewFile::NameTaken);
    EXPECT_EQ(readFile("a.err"), "1");
    std::filesystem::create_directory(path("b.err"));
    EXPECT_EQ(createNewFile("b.err", "2"), NewFile::NameTaken);
    EXPECT_EQ(createNewFile("no/such/c.err", "3"), NewFile::Failed);
}

TEST_F(FilesTest, ACreatedFileThatCannotBeWrittenIsRemoved) {
    {
        test::FileSizeLimit full(0);
        EXPECT_EQ(createNewFile("a.err", "report"), NewFile::Failed);
    }
    EXPECT_FALSE(std::filesystem::exists(path("a.err")));
}

TEST_F(FilesTest, OnlyRegularFilesCanBeRead) {
    std::string got = "kept";
    std::filesystem::create_directory(path("BASE.DRS"));
    EXPECT_FALSE(readFileBytes("BASE.DRS", got));
    EXPECT_EQ(got, "kept");
    EXPECT_TRUE(nameInUse("base.drs"));
    EXPECT_FALSE(fileExists("BASE.DRS"));
    std::filesystem::remove(path("BASE.DRS"));
    writeUnreadable("BASE.DRS");
    EXPECT_FALSE(readFileBytes("BASE.DRS", got));
    EXPECT_EQ(got, "kept");
    EXPECT_FALSE(nameInUse("missing.dat"));
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

// The launcher of an installed copy names each user's own directory; anything
// that is not a directory leaves the executable's.
TEST_F(FilesTest, StartingDirectoryIsTheNamedOneOnlyWhenItIsADirectory) {
    const char* before = std::getenv("KESTRALUNE_DIR");
    const std::string saved = before ? before : "";
    const std::string executable = executableDirectory();
    writeFile("conf.dat", "x");

    setenv("KESTRALUNE_DIR", (dir + "/").c_str(), 1);
    EXPECT_EQ(startingDirectory(), dir);  // no trailing separator
    for (const std::string& named : {std::string(), path("conf.dat"), path("missing")}) {
        setenv("KESTRALUNE_DIR", named.c_str(), 1);
        EXPECT_EQ(startingDirectory(), executable) << named;
    }
    unsetenv("KESTRALUNE_DIR");
    EXPECT_EQ(startingDirectory(), executable);
    if (before) setenv("KESTRALUNE_DIR", saved.c_str(), 1);
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
