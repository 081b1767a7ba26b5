#include <gtest/gtest.h>

#include "cli/dayreport.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include <sys/wait.h>
#include "support/testsupport.h"

namespace kl::cli {
namespace {

int runCli(std::vector<std::string> args, std::string& out, std::string& err) {
    args.insert(args.begin(), "kestralune-cli");
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    return run(static_cast<int>(argv.size()), argv.data(), out, err);
}

TEST(CliDate, AcceptsRealDatesAndEveryTwentyNinthOfFebruary) {
    EXPECT_TRUE(parseDate("2001-08-21"));
    EXPECT_TRUE(parseDate("2001-02-29"));
    EXPECT_TRUE(parseDate("2147483647-12-31"));
    EXPECT_TRUE(parseDate("0001-01-01"));
    for (const char* bad : {"2004-02-30", "2004-13-01", "2004-00-10", "2004-04-31", "2004-01-00",
                            "0000-01-01", "2147483648-01-01", "-5-01-01", "2004-1-1", "today",
                            "2004-01-01x", "", "2004--01"})
        EXPECT_FALSE(parseDate(bad)) << bad;
}

using CliTest = test::ProgramDirTest;

TEST_F(CliTest, JsonHasTheDateTheRecordFieldsAndTheNames) {
    std::string out, err;
    ASSERT_EQ(runCli({"day", "2001-08-21", "--json"}, out, err), 0) << err;
    EXPECT_EQ(out,
              "{\"date\":\"2001-08-21\",\"kin\":230,\"yearSign\":4,\"yearTone\":9,\"cromatic\":1,"
              "\"vinal\":2,\"vinalTone\":6,\"weekNumber\":4,\"sign\":10,\"tone\":9,\"plasma\":6,"
              "\"monthDay\":27,\"month\":1,\"moonPhase\":67796610,\"antipod\":20,\"analog\":9,"
              "\"ateacher\":11,\"guide\":6,\"colour\":2,\"group\":3,\"wordForm\":0,\"portal\":0,"
              "\"midColumn\":0,\"moonAge\":2.3773,\"moonIllumination\":0.0843,"
              "\"sealName\":\"\",\"toneName\":\"\",\"plasmaName\":\"\","
              "\"moonName\":\"\",\"affirmation\":[\"\",\"\",\"\",\"\",\"\",\"\"]}\n");
    EXPECT_FALSE(std::filesystem::exists(path("errorlog1.err")));
}

TEST_F(CliTest, NamesComeFromTheDatabase) {
    std::vector<std::string> lines(669, "");
    lines[10] = "Собака";       // seal 10
    lines[75] = "Солнечная";    // tone 9
    lines[67] = "Магнитная";    // moon 1
    lines[29] = " Луна";
    lines[55] = "Лимби";        // plasma 6
    lines[419] = "День вне времени";
    writeLines("BASE.DRS", lines);
    std::string out, err;
    ASSERT_EQ(runCli({"day", "2001-08-21", "--json"}, out, err), 0) << err;
    for (const char* part : {"\"sealName\":\"Собака\"", "\"toneName\":\"Солнечная\"",
                             "\"plasmaName\":\"Лимби\"", "\"moonName\":\"Магнитная Луна\""})
        EXPECT_NE(out.find(part), std::string::npos) << part << " in " << out;
    out.clear();
    ASSERT_EQ(runCli({"day", "2002-07-25"}, out, err), 0) << err;  // the day out of time
    EXPECT_NE(out.find("moonName: День вне времени\n"), std::string::npos) << out;
    EXPECT_NE(out.find("date: 2002-07-25\n"), std::string::npos) << out;
}

TEST_F(CliTest, HelpPrintsTheUsageAndSucceeds) {
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--help"}, {"-h"}, {"day", "--help"}}) {
        std::string out, err;
        EXPECT_EQ(runCli(args, out, err), 0);
        EXPECT_EQ(out.rfind("usage: kestralune-cli day", 0), 0u) << out;
        EXPECT_TRUE(err.empty());
    }
}

TEST_F(CliTest, AnUnreadableDatabaseFailsWithOneLine) {
    writeUnreadable("BASE.DRS");
    std::string out, err;
    EXPECT_EQ(runCli({"day", "2001-08-21"}, out, err), 1);
    EXPECT_TRUE(out.empty()) << out;
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
    EXPECT_NE(err.find("BASE.DRS"), std::string::npos) << err;
    // A directory in the database's place cannot be read either.
    std::filesystem::remove(path("BASE.DRS"));
    std::filesystem::create_directory(path("BASE.DRS"));
    err.clear();
    EXPECT_EQ(runCli({"day", "2001-08-21", "--json"}, out, err), 1);
    EXPECT_TRUE(out.empty()) << out;
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
}

TEST_F(CliTest, AffirmationComesFromTheDatabaseAsUtf8) {
    std::vector<std::string> lines(669, "");
    lines[192] = "Я \"вижу\"";
    writeLines("BASE.DRS", lines);
    std::string out, err;
    ASSERT_EQ(runCli({"day", "--json", "2001-08-21"}, out, err), 0);
    EXPECT_NE(out.find("\"affirmation\":[\"Я \\\"вижу\\\"\",\"", 0), std::string::npos) << out;
}

TEST_F(CliTest, TextFormAndErrors) {
    std::string out, err;
    ASSERT_EQ(runCli({"day", "2004-02-29"}, out, err), 0);
    EXPECT_NE(out.find("kin: 111\n"), std::string::npos) << out;
    out.clear();
    EXPECT_EQ(runCli({"day", "2004-02-30"}, out, err), 2);
    EXPECT_TRUE(out.empty());
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1);
    err.clear();
    EXPECT_EQ(runCli({"week"}, out, err), 2);
    EXPECT_FALSE(err.empty());
    out.clear();
    EXPECT_EQ(runCli({"day"}, out, err), 0);  // today
    EXPECT_NE(out.find("kin: "), std::string::npos);
}

// The companion itself, run as a shell runs it: an output that does not
// take the report is a failure, said in one line.
TEST_F(CliTest, AStandardOutputThatFailsIsOneLineAndExitOne) {
    for (const std::string redirect : {"> /dev/full", ">&-"}) {
        for (const std::string command : {"day 2026-12-08", "ics 2026-12-01 2026-12-31", "--help"}) {
            const std::string shell = std::string(KL_CLI_PATH) + " " + command + " " + redirect + " 2> " + path("err");
            const int status = std::system(shell.c_str());
            ASSERT_TRUE(WIFEXITED(status)) << shell;
            EXPECT_EQ(WEXITSTATUS(status), 1) << shell;
            const std::string err = readFile("err");
            EXPECT_EQ(err.rfind("kestralune-cli: cannot write standard output: ", 0), 0u) << shell << ": " << err;
            EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
        }
    }
}

}  // namespace
}  // namespace kl::cli
