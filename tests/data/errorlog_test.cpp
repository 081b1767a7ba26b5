#include <gtest/gtest.h>

#include <filesystem>

#include "core/state.h"
#include "data/errorlog.h"
#include "platform/codec.h"
#include "platform/files.h"
#include "support/testsupport.h"

namespace kl {
namespace {

using ErrorLogTest = test::ProgramDirTest;

std::vector<std::string> splitCrLf(const std::string& s) {
    std::vector<std::string> lines;
    std::size_t at = 0;
    while (at < s.size()) {
        const std::size_t end = s.find("\r\n", at);
        if (end == std::string::npos) {
            lines.push_back(s.substr(at));
            break;
        }
        lines.push_back(s.substr(at, end - at));
        at = end + 2;
    }
    return lines;
}

TEST_F(ErrorLogTest, FirstFailureWritesTheNextNumberedReport) {
    writeFile("errorlog1.err", "older");
    writeFile("errorlog2.err", "older");
    currentDate = GregorianDate{21, 8, 0, 2001};
    todayDate = GregorianDate{8, 12, 0, 2026};
    currentDay = computeCalendarDay(currentDate);
    EXPECT_TRUE(writeerror(103, "FILLPYR in kestral", {"string0:красный", "string1:x"}));
    const std::vector<std::string> lines = splitCrLf(readFile("errorlog3.err"));
    ASSERT_EQ(lines.size(), 97u);
    EXPECT_EQ(lines[0], "ERROR LOG");
    EXPECT_EQ(lines[1], " ");
    EXPECT_EQ(lines[6], "GREGORIAN SYSTEM:");
    EXPECT_EQ(lines[7], "DAY:21");
    EXPECT_EQ(lines[13], "DAY:8");
    EXPECT_EQ(lines[15], "YEAR:2026");
    EXPECT_EQ(lines[19], "KIN:230");
    EXPECT_EQ(lines[31], "MOON PHASE:67796610");
    EXPECT_EQ(lines[33], "ERROR SENDER:FILLPYR in kestral");
    EXPECT_EQ(lines[34], "ERROR CODE:103");
    EXPECT_EQ(lines[37], "STATE:-101");  // the compact window's initial state
    EXPECT_EQ(lines[47], "FULLMODE STATE:-1");
    EXPECT_EQ(lines[48], "rx:0");
    EXPECT_EQ(lines[49], "rx:0");
    EXPECT_EQ(lines[57], "_trc:160");
    EXPECT_EQ(lines[86], "LOCAL VARIABLES:");
    EXPECT_EQ(lines[87], platform::toCp1251("string0:красный"));
    EXPECT_EQ(lines[88], "string1:x");
    for (int i = 89; i < 97; ++i) EXPECT_EQ(lines[i], "") << i;
    EXPECT_EQ(readFile("errorlog1.err"), "older");
}

TEST_F(ErrorLogTest, LaterFailuresOfARunOnlyShowTheMessage) {
    EXPECT_TRUE(writeerror(101, "a in b"));
    EXPECT_TRUE(writeerror(102, "c in d"));
    EXPECT_TRUE(std::filesystem::exists(path("errorlog1.err")));
    EXPECT_FALSE(std::filesystem::exists(path("errorlog2.err")));
    EXPECT_EQ(test::recorded().messages,
              (std::vector<std::string>{"ERROR! ERROR CODE:101", "ERROR! ERROR CODE:102"}));
}

TEST_F(ErrorLogTest, ProvidersFillTheWindowState) {
    setReportProvider("test", [](WindowReportState& s) {
        s.STATE = 0;
        s.moved = true;
        s._newstate = 7;
        s.heldText = "held";
    });
    const auto lines = buildErrorReport(1, "x", {});
    setReportProvider("test", {});
    EXPECT_EQ(lines[37], "STATE:0");
    EXPECT_EQ(lines[43], "moved:Y");
    EXPECT_EQ(lines[58], "_newstate:7");
    EXPECT_EQ(lines[69], "held");
    EXPECT_EQ(buildErrorReport(1, "x", {})[37], "STATE:-101");
}

// A window's section must not outlive it: once gone, the report prints the
// initial values instead of calling into a destroyed window.
TEST_F(ErrorLogTest, ASectionFillsTheReportOnlyWhileItLives) {
    {
        const ReportSection section("test", [](WindowReportState& s) { s.STATE = 3; });
        EXPECT_EQ(buildErrorReport(1, "x", {})[37], "STATE:3");
    }
    EXPECT_EQ(buildErrorReport(1, "x", {})[37], "STATE:-101");
}

TEST_F(ErrorLogTest, AReportThatCannotBeWrittenEndsWithTheFatalMessage) {
    platform::setProgramDirectory(dir + "/no/such/dir");
    EXPECT_FALSE(writeerror(101, "readtext in kestral"));
    EXPECT_EQ(test::recorded().messages,
              std::vector<std::string>{"FATAL ERROR! FILE ACCESS LOCKED! PROGRAMM WILL BE CLOSED."});
    EXPECT_EQ(test::recorded().halts, 1);
}

TEST_F(ErrorLogTest, NamesThatCannotBeCreatedArePassedOver) {
    namespace fs = std::filesystem;
    fs::create_directory(path("errorlog1.err"));
    fs::create_symlink(path("gone/nowhere"), path("errorlog2.err"));  // a link that leads nowhere
    writeFile("errorlog3.err", "older");
    EXPECT_TRUE(writeerror(101, "readtext in kestral"));
    EXPECT_EQ(test::recorded().messages, std::vector<std::string>{"ERROR! ERROR CODE:101"});
    EXPECT_EQ(test::recorded().halts, 0);
    EXPECT_NE(readFile("errorlog4.err").find("ERROR SENDER:readtext in kestral"), std::string::npos);
    EXPECT_EQ(readFile("errorlog3.err"), "older");
    EXPECT_TRUE(fs::is_directory(path("errorlog1.err")));
    EXPECT_FALSE(fs::exists(path("gone")));
}

TEST_F(ErrorLogTest, OnAFullDiskTheReportGivesUpLeavesNothingAndEndsWithTheFatalMessage) {
    {
        test::FileSizeLimit full(0);  // every write of a byte fails, as on a full disk
        EXPECT_FALSE(writeerror(101, "readtext in kestral"));
        // A few attempts, not one for every free number.
        EXPECT_GE(full.refusedWrites(), 1);
        EXPECT_LE(full.refusedWrites(), 5);
    }
    EXPECT_EQ(test::recorded().messages,
              std::vector<std::string>{"FATAL ERROR! FILE ACCESS LOCKED! PROGRAMM WILL BE CLOSED."});
    EXPECT_EQ(test::recorded().halts, 1);
    int left = 0;
    for (const auto& e : std::filesystem::directory_iterator(dir)) {
        ADD_FAILURE() << "left behind: " << e.path().filename();
        ++left;
    }
    EXPECT_EQ(left, 0);
}

TEST_F(ErrorLogTest, WriteAccessCheckClearsReadOnlyMarksSilently) {
    namespace fs = std::filesystem;
    writeFile("conf.dat", "Y\r\n");
    writeFile("WindWHP.dat", "1\r\n");
    fs::permissions(path("conf.dat"), fs::perms::owner_read);
    fs::permissions(path("WindWHP.dat"), fs::perms::owner_read);
    setattributes();
    EXPECT_FALSE(platform::isReadOnly("conf.dat"));
    EXPECT_FALSE(platform::isReadOnly("WindWHP.dat"));
    EXPECT_FALSE(logWritten());
    EXPECT_TRUE(test::recorded().messages.empty());
}

}  // namespace
}  // namespace kl
