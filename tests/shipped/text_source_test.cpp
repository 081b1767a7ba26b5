// The source form of the shipped texts: the generator must refuse what would
// shift or garble the lines the program reads by number.
#include <gtest/gtest.h>

#include "platform/codec.h"
#include "tools/textgen/textsource.h"

using kl::textgen::encodeShipped;
using kl::textgen::parseSource;

TEST(TextSource, ReadsIndexedLinesAndLeavesGapsEmpty) {
    const auto src = parseSource("# comment\n\n0\tпервая\n3\t лидирующий пробел\r\n4\t\n", "t.txt");
    ASSERT_TRUE(src.errors.empty());
    ASSERT_EQ(src.lines.size(), 5u);
    EXPECT_EQ(src.lines[0], "первая");
    EXPECT_EQ(src.lines[1], "");
    EXPECT_EQ(src.lines[3], " лидирующий пробел");
    EXPECT_EQ(src.lines[4], "");
}

TEST(TextSource, RefusesDuplicatedAndOutOfOrderIndexes) {
    const auto dup = parseSource("1\ta\n1\tb\n", "t.txt");
    ASSERT_EQ(dup.errors.size(), 1u);
    EXPECT_NE(dup.errors[0].find("t.txt:2:"), std::string::npos);
    EXPECT_NE(dup.errors[0].find("twice"), std::string::npos);

    const auto back = parseSource("5\ta\n4\tb\n", "t.txt");
    ASSERT_EQ(back.errors.size(), 1u);
    EXPECT_NE(back.errors[0].find("index 4 after 5"), std::string::npos);
}

TEST(TextSource, RefusesCharactersWindows1251CannotHold) {
    const auto src = parseSource("0\tок\n1\tкитайский 字\n2\temoji 🙂\n", "t.txt");
    ASSERT_EQ(src.errors.size(), 2u);
    EXPECT_NE(src.errors[0].find("index 1"), std::string::npos);
    EXPECT_NE(src.errors[1].find("index 2"), std::string::npos);
}

TEST(TextSource, RefusesLinesWithoutAnIndex) {
    EXPECT_EQ(parseSource("текст без номера\n", "t.txt").errors.size(), 1u);
    EXPECT_EQ(parseSource("12 пробел вместо табуляции\n", "t.txt").errors.size(), 1u);
    EXPECT_EQ(parseSource("-1\tотрицательный\n", "t.txt").errors.size(), 1u);
}

TEST(TextSource, ShipsWindows1251WithCrLf) {
    const std::string bytes = encodeShipped({"Ёж", "", "z"});
    EXPECT_EQ(bytes, std::string("\xA8\xE6\r\n\r\nz\r\n"));
    EXPECT_EQ(kl::platform::fromCp1251("\xA8\xE6"), "Ёж");
}
