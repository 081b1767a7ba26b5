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
