// Reading script lines: kinds, field splitting, numbers, quotes, keywords
// and colours.
#include <gtest/gtest.h>

#include "print/script.h"

namespace kl::print {
namespace {

TEST(ScriptLine, KindsAreDecidedByTheFirstCharacters) {
    EXPECT_EQ(lineKind("FONT 1 2 3 4 5 a b c"), LineKind::Command);
    EXPECT_EQ(lineKind("font 1"), LineKind::Command);  // any case
    EXPECT_EQ(lineKind("yEaR 1"), LineKind::Command);
    EXPECT_EQ(lineKind("FONT"), LineKind::Other);       // four characters are never a command
    EXPECT_EQ(lineKind("FONT\r\r"), LineKind::Other);   // the CRs are not part of the line
    EXPECT_EQ(lineKind("FONTS"), LineKind::Command);    // the fifth character is not looked at
    EXPECT_EQ(lineKind("[Main script]"), LineKind::Header);
    EXPECT_EQ(lineKind("/[AFTER RESIZE]"), LineKind::Comment);
    EXPECT_EQ(lineKind("Syntax error:"), LineKind::Marker);
    EXPECT_EQ(lineKind("///Syntax error\\\\\\"), LineKind::Marker);
    EXPECT_EQ(lineKind("///Syntax error\\\\\\\r"), LineKind::Marker);
    EXPECT_EQ(lineKind("///Syntax error"), LineKind::Comment);
    EXPECT_EQ(lineKind(""), LineKind::Other);
    EXPECT_EQ(lineKind("FONTAINE"), LineKind::Command);  // a note starting with a command word is a command
}

TEST(ScriptLine, ReadfourCountsCharactersNotBytes) {
    EXPECT_EQ(readfour("TEXT 1"), "TEXT");
    EXPECT_EQ(readfour("TEXT"), "Err");
    // Four Cyrillic letters are 8 bytes: still four characters, and with a
    // fifth the line is long enough.
    EXPECT_EQ(readfour("ТЕКСТ"), "ТЕКС");
    EXPECT_EQ(readfour("ТЕКС"), "Err");
    EXPECT_EQ(commandOf("ТЕКСТ 1 2"), Command::None);
}

TEST(ScriptFields, BlanksCompleteFixedFieldsThenBelongToTheLast) {
    const Fields f = splitFields("FONT 12 -16 0 0 0 bld itl Times New Roman", 7);
    EXPECT_EQ(f.completed, 7);
    EXPECT_EQ(f.fixed[0], "12");
    EXPECT_EQ(f.fixed[6], "itl");
    EXPECT_EQ(f.last, "Times New Roman");

    const Fields g = splitFields("TEXT 1  cnt x", 3);  // two blanks: an empty y
    EXPECT_EQ(g.fixed[1], "");
    EXPECT_EQ(g.fixed[2], "cnt");
    EXPECT_EQ(g.last, "x");

    const Fields h = splitFields("TEXT 10 20 'Hello'\r", 3);
    EXPECT_EQ(h.completed, 2);
    EXPECT_EQ(h.fixed[2], "");
    EXPECT_EQ(h.last, "'Hello'");  // no CR
}

TEST(ScriptFields, ArgumentsStartAtTheSixthCharacter) {
    // The fifth character is skipped whatever it is, also a multi-byte one.
    EXPECT_EQ(splitFields("TEXTé1 2 x", 3).fixed[0], "1");
    EXPECT_EQ(splitFields("TEXT 1 2 Привет мир", 3).fixed[2], "Привет");
    EXPECT_EQ(splitFields("TEXT 1 2 Привет мир", 3).last, "мир");
    EXPECT_EQ(splitFields("TEXT 1 2 Привет мир", 2).last, "Привет мир");
    EXPECT_EQ(splitFields("TEXT 1 2 Привет мир", 2).fixed[1], "2");
}

TEST(ScriptNumbers, StrictSigned32Bit) {
    EXPECT_EQ(parseNumber("0"), 0);
    EXPECT_EQ(parseNumber("-16"), -16);
    EXPECT_EQ(parseNumber("+7"), 7);
    EXPECT_EQ(parseNumber("2147483647"), 2147483647);
    EXPECT_EQ(parseNumber("-2147483648"), -2147483647 - 1);
    for (const char* bad : {"", "-", "+", "2147483648", "-2147483649", "99999999999999999999", "1.5", " 1",
                            "1 ", "0x10", "$10", "1e3", "١"})
        EXPECT_FALSE(parseNumber(bad)) << bad;
}

TEST(ScriptCommands, FontReadsStyleWordsAndKeepsTheFaceBlanks) {
    const auto f = parseFont("font 12 -16 0 0 0 bld itl Times New Roman");
    ASSERT_TRUE(f);
    EXPECT_EQ(f->size, 12);
    EXPECT_EQ(f->height, -16);
    EXPECT_TRUE(equalsWord(f->bold, "BLD"));
    EXPECT_TRUE(equalsWord(f->italic, "ITL"));
    EXPECT_EQ(f->face, "Times New Roman");
    EXPECT_FALSE(parseFont("FONT 12 x 0 0 0 bld itl Arial"));
    EXPECT_FALSE(parseFont("FONT 12  0 0 0 bld itl Arial"));  // an empty completed field is not a number
    // Fields that no blank completed are 0 or empty.
    const auto short_ = parseFont("FONT 12 -16");
    ASSERT_TRUE(short_);
    EXPECT_EQ(short_->size, 12);
    EXPECT_EQ(short_->height, 0);
    EXPECT_EQ(short_->face, "-16");
}

TEST(ScriptCommands, TextAlignAndQuotes) {
    auto t = parseText("TEXT 10 20 cnt 'Hello world'");
    ASSERT_TRUE(t);
    EXPECT_TRUE(equalsWord(t->align, "CNT"));
    EXPECT_EQ(textToDraw(t->text, {}), "Hello world");

    t = parseText("TEXT 10 20 'Hello'");
    ASSERT_TRUE(t);
    EXPECT_EQ(t->align, "");
    EXPECT_EQ(textToDraw(t->text, {}), "Hello");

    t = parseText("TEXT 10 20 'Hello world'");  // 'Hello becomes the align field
    ASSERT_TRUE(t);
    EXPECT_EQ(t->align, "'Hello");
    EXPECT_EQ(textToDraw(t->text, {}), "world'");

    EXPECT_EQ(textToDraw("'abc", {}), "ab");  // the last character goes whatever it is
    EXPECT_EQ(textToDraw("'Ж'", {}), "Ж");
    EXPECT_EQ(textToDraw("'ЖЯ", {}), "Ж");
    EXPECT_EQ(textToDraw("'", {}), "");
    EXPECT_EQ(textToDraw("''", {}), "");
    EXPECT_EQ(textToDraw("", {}), "");
    EXPECT_FALSE(parseText("TEXT x 20 cnt 'a'"));
}

TEST(ScriptCommands, KeywordsDrawTheDaysGlyphs) {
    const KeywordDay day{5, 13, 7, 1, 20, 15, 11};
    EXPECT_EQ(textToDraw("kin", day), "E");
    EXPECT_EQ(textToDraw("KIN", day), "E");
    EXPECT_EQ(textToDraw("tone", day), "m");
    EXPECT_EQ(textToDraw("Plasm", day), "7");
    EXPECT_EQ(textToDraw("guide", day), "A");
    EXPECT_EQ(textToDraw("analog", day), "T");
    EXPECT_EQ(textToDraw("antipod", day), "O");
    EXPECT_EQ(textToDraw("ateacher", day), "K");
    EXPECT_EQ(textToDraw("'kin'", day), "kin");  // quoted: the word itself
    EXPECT_EQ(textToDraw("kins", day), "kins");
}

TEST(ScriptCommands, PictMoonYearFields) {
    const auto p = parsePict("PICT 5 6 0 0 0 cnt 'graphic\\5Y.bmp'");
    ASSERT_TRUE(p);
    EXPECT_EQ(pictFileName(p->file), "graphic\\5Y.bmp");
    EXPECT_EQ(pictFileName("'a b.bmp'"), "a b.bmp");
    EXPECT_EQ(pictFileName("x"), "");

    const auto m = parseMoon("MOON 10 10 100 50 255 0 0");
    ASSERT_TRUE(m);
    EXPECT_EQ(m->size, 100);
    EXPECT_EQ(m->phase, 50);
    EXPECT_EQ(m->look, "255 0 0");

    const auto y = parseYear("YEAR 53 12 1");
    ASSERT_TRUE(y);
    EXPECT_EQ(y->a, 53);
    EXPECT_EQ(y->b, 12);
    EXPECT_EQ(y->c, "1");
    EXPECT_TRUE(parseYear("YEAR 53 12 x"));  // the third field is read only when rewriting
    EXPECT_FALSE(parseYear("YEAR 5x 12 1"));
}

TEST(ScriptColours, MoonColourNeedsThreeNonNegativeNumbers) {
    EXPECT_EQ(stocolor("255 0 0"), (Colour{255, 0, 0}));
    EXPECT_EQ(stocolor("256 257 -0"), (Colour{0, 1, 0}));
    EXPECT_EQ(stocolor("255 0"), Colour{});
    EXPECT_EQ(stocolor("red"), Colour{});
    EXPECT_EQ(stocolor("-1 2 3"), Colour{});
    EXPECT_EQ(stocolor("1 -2 3"), Colour{});
    EXPECT_EQ(stocolor("1 2 -3"), Colour{});
    EXPECT_EQ(stocolor("1 2 3 junk"), (Colour{1, 2, 3}));
    EXPECT_EQ(stocolor("1  2 3"), Colour{});  // single blanks only
    EXPECT_EQ(stocolor("10 20 x 40"), Colour{});
    EXPECT_EQ(colourOf(-1, 256, 511), (Colour{255, 0, 255}));
}

TEST(ScriptRewrite, ScaledRoundsHalvesToEvenAndRefusesOverflow) {
    EXPECT_EQ(scaled(5, 0.5), 2);
    EXPECT_EQ(scaled(7, 0.5), 4);
    EXPECT_EQ(scaled(-5, 0.5), -2);
    EXPECT_EQ(scaled(-7, 0.5), -4);
    EXPECT_EQ(scaled(3, 1.5), 4);  // 4.5
    EXPECT_EQ(scaled(1073741823, 2), 2147483646);
    EXPECT_FALSE(scaled(1073741824, 2));
    EXPECT_EQ(scaled(-1073741824, 2), -2147483647 - 1);
    EXPECT_FALSE(scaled(1, std::numeric_limits<double>::infinity()));
    EXPECT_FALSE(scaled(1, std::numeric_limits<double>::quiet_NaN()));
}

TEST(ScriptRewrite, LinesAreJoinedWithSingleBlanks) {
    EXPECT_EQ(rewriteFont(*parseFont("FONT 12 -16 1 2 3 bld itl Times New Roman"), 2),
              "FONT 24 -32 1 2 3 bld itl Times New Roman");
    EXPECT_EQ(rewriteText(*parseText("TEXT 10 15 cnt 'A'"), 2), "TEXT 20 30 cnt 'A'");
    EXPECT_EQ(rewriteText(*parseText("TEXT 10 15 'A'"), 2), "TEXT 20 30  'A'");  // empty align kept
    EXPECT_EQ(rewritePict(*parsePict("PICT 3 5 1 2 3 rgt 'g\\a.bmp'"), 0.5), "PICT 2 2 1 2 3 rgt 'g\\a.bmp'");
    EXPECT_EQ(rewriteMoon(*parseMoon("MOON 5 7 60 42 IMAGE"), 0.5), "MOON 2 4 30 42 IMAGE");
    EXPECT_EQ(rewriteYear(*parseYear("YEAR 53 12 1"), 1, 2), "YEAR 106 24 2");
    // The rewritten line reads back as the same command.
    const auto again = parseText(*rewriteText(*parseText("TEXT 10 20 'Hello'"), 1));
    ASSERT_TRUE(again);
    EXPECT_EQ(again->text, "'Hello'");
    EXPECT_EQ(again->align, "");
}

}  // namespace
}  // namespace kl::print
