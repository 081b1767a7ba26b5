#include <gtest/gtest.h>

#include "platform/codec.h"

namespace kl::platform {
namespace {

TEST(Cp1251, EveryByteRoundTrips) {
    for (int b = 0; b < 256; ++b) {
        const std::string byte(1, static_cast<char>(b));
        const std::string utf8 = fromCp1251(byte);
        EXPECT_EQ(toCp1251(utf8), byte) << "byte " << b;
        EXPECT_TRUE(fitsCp1251(utf8)) << "byte " << b;
    }
}

TEST(Cp1251, KnownLetters) {
    EXPECT_EQ(fromCp1251("\xC0\xFF\xA8\xB8\xB9"), "АяЁё№");
    EXPECT_EQ(toCp1251("Ключ Kin"), "\xCA\xEB\xFE\xF7 Kin");
    EXPECT_EQ(fromCp1251("\x98"), "\xC2\x98");  // unassigned: the control character of its number
}

TEST(Cp1251, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    EXPECT_EQ(toCp1251("a\xE2\x98\x80z"), "a?z");       // U+2600
    EXPECT_EQ(toCp1251("\xF0\x9F\x98\x80"), "?");       // an emoji, four bytes
    EXPECT_EQ(toCp1251("\xC3\xA9"), "?");               // é is not in Windows-1251
    EXPECT_FALSE(fitsCp1251("é"));
}

TEST(Cp1251, BrokenUtf8CostsOneQuestionMarkPerByte) {
    EXPECT_EQ(toCp1251("a\xD0"), "a?");     // truncated sequence at the end
    EXPECT_EQ(toCp1251("\x80x"), "?x");     // stray continuation byte
    EXPECT_EQ(toCp1251("\xE2\x98z"), "??z");
}

TEST(Messages, ControlCharactersAreShownEscaped) {
    EXPECT_EQ(escapedControls(std::string_view("a\0b\nc\r\t\x1B\x7F", 9)), "a\\x00b\\nc\\r\\t\\x1B\\x7F");
    EXPECT_EQ(escapedControls("\xC2\x98 \xC2\xA0 Я graphic\\5Y.bmp"), "\\u0098 \xC2\xA0 Я graphic\\5Y.bmp");
    EXPECT_EQ(escapedControls("one\ntwo\x01\n", true), "one\ntwo\\x01\n");
}

TEST(CodePoints, RoundTripThroughUtf8) {
    const std::string text = "Дракон 13 \xE2\x80\x94 ok";
    EXPECT_EQ(fromCodePoints(toCodePoints(text)), text);
    EXPECT_EQ(toCodePoints("Я").size(), 1u);
}

}  // namespace
}  // namespace kl::platform
