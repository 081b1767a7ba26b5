#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <thread>
#include <atomic>
#include <future>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

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

// Directories are listed once for case-blind names while they stay
// unchanged: a file added later is still found.
TEST_F(FilesTest, ACaseBlindNameSeesFilesAddedToItsDirectory) {
    std::filesystem::create_directories(path("texts"));
    writeFile("texts/A.txt", "a");
    backdate("texts", 3600);
    EXPECT_EQ(resolvePath("texts/a.TXT"), path("texts/A.txt"));
    EXPECT_EQ(resolvePath("texts/b.txt"), path("texts/b.txt"));  // not there yet
    writeFile("texts/B.TXT", "b");
    EXPECT_EQ(resolvePath("texts/b.txt"), path("texts/B.TXT"));
    std::filesystem::remove(path("texts/A.txt"));
    backdate("texts", 3600);
    EXPECT_EQ(resolvePath("texts/a.TXT"), path("texts/a.TXT"));
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

// Contents made while they are saved: every piece arrives in order, and a
// production that gives up part-way leaves the old file whole.
TEST_F(FilesTest, ASaveInPiecesWritesThemAllOrKeepsTheOldFile) {
    writeFile("year.ics", "old");
    const auto pieces = [](int fail) {
        return [fail](const PieceWriter& write) {
            for (int i = 0; i < 3; ++i)
                if (i == fail || !write(std::string(70000, char('a' + i)))) return false;
            return true;
        };
    };
    EXPECT_EQ(saveFile(UserPath(path("year.ics")), pieces(2)), Saved::Failed);
    EXPECT_EQ(readFile("year.ics"), "old");
    ASSERT_EQ(saveFile(UserPath(path("year.ics")), pieces(-1)), Saved::Done);
    EXPECT_EQ(readFile("year.ics"), std::string(70000, 'a') + std::string(70000, 'b') + std::string(70000, 'c'));
    int entries = 0;
    for (const auto& e : std::filesystem::directory_iterator(dir)) {
        EXPECT_EQ(e.path().filename(), "year.ics");
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

// A name the user gave is taken as written: another file that differs in
// letter case only, or a "\" that the program's own names would turn into a
// separator, never stands in for it.
TEST_F(FilesTest, AUserPathIsUsedExactlyAsGiven) {
    namespace fs = std::filesystem;
    writeFile("notes.ics", "precious");
    fs::create_directory(path("Docs"));
    fs::create_directory(path("sub"));
    EXPECT_EQ(saveFile(UserPath(path("NOTES.ics")), "new"), Saved::Done);
    EXPECT_EQ(readFile("notes.ics"), "precious");
    EXPECT_EQ(readFile("NOTES.ics"), "new");
    EXPECT_EQ(saveFile(UserPath(path("docs/new.ics")), "x"), Saved::Failed);
    EXPECT_TRUE(fs::is_empty(path("Docs")));
    EXPECT_EQ(saveFile(UserPath(path("sub\\a.ics")), "y"), Saved::Done);
    EXPECT_TRUE(fs::is_regular_file(path("sub\\a.ics")));
    EXPECT_TRUE(fs::is_empty(path("sub")));
    std::string got;
    EXPECT_FALSE(readFileBytes(UserPath(path("Notes.ICS")), got));
    EXPECT_TRUE(readFileBytes(UserPath(path("notes.ics")), got));
    EXPECT_EQ(got, "precious");
}

TEST_F(FilesTest, ASaveUpdatesWhatALinkLeadsToAndWritesDevicesAndPipesThrough) {
    namespace fs = std::filesystem;
    fs::create_directory(path("real"));
    writeFile("real/target.ics", "old");
    fs::create_symlink("real/target.ics", path("link.ics"));
    EXPECT_EQ(saveFile(UserPath(path("link.ics")), "new"), Saved::Done);
    EXPECT_TRUE(fs::is_symlink(path("link.ics")));
    EXPECT_EQ(readFile("real/target.ics"), "new");
    EXPECT_EQ(std::distance(fs::directory_iterator(path("real")), fs::directory_iterator()), 1);

    // A pipe's reader gets the bytes; the pipe stays a pipe.
    ASSERT_EQ(::mkfifo(path("pipe").c_str(), 0600), 0);
    const int reader = ::open(path("pipe").c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    EXPECT_EQ(saveFile(UserPath(path("pipe")), "through"), Saved::Done);
    char received[16] = {};
    EXPECT_EQ(::read(reader, received, sizeof received), 7);
    EXPECT_STREQ(received, "through");
    ::close(reader);
    EXPECT_TRUE(fs::is_fifo(path("pipe")));
    EXPECT_EQ(saveFile(UserPath("/dev/null"), "gone"), Saved::Done);
    EXPECT_TRUE(fs::is_character_file("/dev/null"));

    // Neither a directory nor a socket is a place for the bytes.
    fs::create_directory(path("folder.ics"));
    EXPECT_EQ(saveFile(UserPath(path("folder.ics")), "x"), Saved::NotAFile);
    EXPECT_EQ(saveFailureText(Saved::NotAFile), "it is not a file, a device or a pipe");
    const int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string socketPath = path("sock");
    ASSERT_LT(socketPath.size(), sizeof address.sun_path);
    socketPath.copy(address.sun_path, socketPath.size());
    ASSERT_EQ(::bind(sock, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    EXPECT_EQ(saveFile(UserPath(socketPath), "x"), Saved::NotAFile);
    EXPECT_TRUE(fs::is_socket(socketPath));
    ::close(sock);
}

// A save that was killed leaves its temporary behind; the next save of the
// same file clears those of ended processes, and nothing else.
TEST_F(FilesTest, TemporariesOfEndedSavesOfTheFileAreRemoved) {
    const pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    ASSERT_GT(child, 0);
    ::waitpid(child, nullptr, 0);
    const std::string dead = std::to_string(child), alive = std::to_string(::getppid());
    for (const std::string& name : {"conf.dat.tmp" + dead + "-0~", "conf.dat.tmp" + alive + "-1~",
                                    "WindWHP.dat.tmp" + dead + "-0~", "conf.dat.tmp" + dead + "-x~"})
        writeFile(name, "part");
    ASSERT_TRUE(writeFileAtomic("conf.dat", "whole"));
    EXPECT_FALSE(std::filesystem::exists(path("conf.dat.tmp" + dead + "-0~")));
    for (const std::string& kept : {"conf.dat.tmp" + alive + "-1~", "WindWHP.dat.tmp" + dead + "-0~",
                                    "conf.dat.tmp" + dead + "-x~"})
        EXPECT_TRUE(std::filesystem::exists(path(kept))) << kept;
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

TEST_F(FilesTest, AFileIsReadWholeWhateverItsSizeSaysOrItHolds) {
    for (const std::size_t size : {std::size_t{0}, std::size_t{1}, std::size_t{65536}, std::size_t{200001}}) {
        std::string bytes(size, '\0');
        for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>(i * 7 + i / 251);
        writeFile("tech.dat", bytes);
        std::string got;
        ASSERT_TRUE(readFileBytes("tech.dat", got));
        EXPECT_EQ(got, bytes) << size;
    }
    // A file whose size reads as 0 while it holds text.
    std::string got;
    ASSERT_TRUE(readFileBytes(UserPath("/proc/self/status"), got));
    EXPECT_NE(got.find("Name:"), std::string::npos);
}

// A FIFO in the place of one of the program's files is refused at once:
// neither reading it nor saving the settings over it waits for the other end.
TEST_F(FilesTest, AFifoInADataFilesPlaceIsNeverWaitedOn) {
    using namespace std::chrono_literals;
    ASSERT_EQ(::mkfifo(path("conf.dat").c_str(), 0600), 0);
    EXPECT_TRUE(inUseButNoFile("CONF.dat"));
    EXPECT_FALSE(inUseButNoFile("missing.dat"));
    const auto promptly = [&](auto task, int unblockMode) {
        auto done = std::async(std::launch::async, task);
        if (done.wait_for(5s) == std::future_status::ready) return done.get();
        const int other = ::open(path("conf.dat").c_str(), unblockMode | O_NONBLOCK);  // lets the waiter go
        done.wait();
        if (other >= 0) ::close(other);
        ADD_FAILURE() << "waited on the FIFO";
        return true;
    };
    EXPECT_FALSE(promptly([&] { std::string got; return readFileBytes("conf.dat", got); }, O_WRONLY));
    EXPECT_FALSE(promptly([&] { return writeFileAtomic("conf.dat", "Y\r\n"); }, O_RDONLY));
    EXPECT_TRUE(std::filesystem::is_fifo(path("conf.dat")));
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

TEST(NextLine, CrLfLfAndALoneCrEachEndALine) {
    std::string_view rest = "a\r\nb\n\nc\rd\r";
    for (const char* line : {"a", "b", "", "c", "d"}) EXPECT_EQ(nextLine(rest), line);
    EXPECT_TRUE(rest.empty());
    EXPECT_EQ(firstLineEnd("x\ry\r\n"), LineEnd::Cr);
    EXPECT_EQ(firstLineEnd("x\r\ny\n"), LineEnd::CrLf);
    EXPECT_EQ(firstLineEnd("x"), LineEnd::Lf);
}

}  // namespace
}  // namespace kl::platform
