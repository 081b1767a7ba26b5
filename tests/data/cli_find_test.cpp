#include <gtest/gtest.h>

#include "cli/find.h"

namespace kl::cli {
namespace {

int find(const std::vector<std::string>& args, std::string& out, std::string& err) {
    out.clear();
    err.clear();
    return runFind(args, out, err);
}

TEST(CliFind, ListsTheReturnsOfAKinByNumberOrBySealAndTone) {
    std::string out, err;
    ASSERT_EQ(find({"230", "--from", "2001-08-21", "--count", "3"}, out, err), 0) << err;
    EXPECT_EQ(out, "2001-08-21\n2002-05-08\n2003-01-23\n");
    std::string json;
    ASSERT_EQ(find({"--seal", "10", "--tone", "9", "--from", "2001-08-21", "--count", "2", "--json"}, json, err), 0)
        << err;
    EXPECT_EQ(json, "{\"kin\":230,\"sign\":10,\"tone\":9,\"dates\":[\"2001-08-21\",\"2002-05-08\"]}\n");
    // The day after the start is a whole cycle away.
    ASSERT_EQ(find({"230", "--from", "2001-08-22", "--count", "1"}, out, err), 0) << err;
    EXPECT_EQ(out, "2002-05-08\n");
}

TEST(CliFind, TheEndOfTheYearsListsWhatThereIsAndSaysSo) {
    std::string out, err;
    ASSERT_EQ(find({"17", "--from", "2147483646-01-01", "--count", "5"}, out, err), 1);
    EXPECT_EQ(out, "2147483646-03-16\n2147483646-12-01\n2147483647-08-18\n");
    EXPECT_EQ(err, "kestralune-cli: only 3 of 5 returns of kin 17 fall before the end of year 2147483647\n");
    // 28 and 29 February of a leap year are one return.
    ASSERT_EQ(find({"51", "--from", "2147483644-01-01", "--count", "7", "--json"}, out, err), 1);
    EXPECT_NE(out.find("[\"2147483644-02-28\",\"2147483644-02-29\",\"2147483644-11-15\","), std::string::npos) << out;
    EXPECT_EQ(err.find(" 6 of 7 "), 20u) << err;
    ASSERT_EQ(find({"17", "--from", "2147483647-09-01", "--json"}, out, err), 1);
    EXPECT_EQ(out, "{\"kin\":17,\"sign\":17,\"tone\":4,\"dates\":[]}\n");
    ASSERT_EQ(find({"17", "--from", "2147483646-01-01", "--count", "3"}, out, err), 0) << err;
    EXPECT_TRUE(err.empty());
}

TEST(CliFind, WrongCommandLinesExitWithTwoAndOneLine) {
    const std::vector<std::vector<std::string>> bad = {
        {},
        {"0"},
        {"261"},
        {"12x"},
        {"5", "--seal", "1", "--tone", "1"},
        {"--seal", "21", "--tone", "1"},
        {"--seal", "3"},
        {"5", "--count", "0"},
        {"5", "--count", std::to_string(kMaxFindCount + 1)},
        {"5", "--from", "2026-02-30"},
        {"5", "--from"},
        {"5", "6"},
    };
    for (const auto& args : bad) {
        std::string out, err;
        EXPECT_EQ(find(args, out, err), 2) << (args.empty() ? "" : args[0]);
        EXPECT_TRUE(out.empty());
        EXPECT_EQ(err.rfind("kestralune-cli: ", 0), 0u) << err;
    }
}

}  // namespace
}  // namespace kl::cli
