#include <gtest/gtest.h>

#include <filesystem>

#include "core/calendar.h"
#include "core/kin.h"
#include "data/errorlog.h"
#include "data/language.h"
#include "data/textdb.h"
#include "support/testsupport.h"
#include "support/kindays.h"

namespace kl {
namespace {

using TextDbTest = test::ProgramDirTest;

TEST_F(TextDbTest, ReadsNumberedLines) {
    writeFile("some.drs", "first\r\nsecond\nthird");
    std::string out = "unchanged";
    readtext(0, "some.drs", out);
    EXPECT_EQ(out, "first");
    readtext(1, "SOME.DRS", out);
    EXPECT_EQ(out, "second");
    readtext(2, "some.drs", out);
    EXPECT_EQ(out, "third");
    readtext(3, "some.drs", out);
    EXPECT_EQ(out, "");
    out = "x";
    readtext(-1, "some.drs", out);
    EXPECT_EQ(out, "");
    EXPECT_FALSE(logWritten());
}

TEST_F(TextDbTest, DecodesWindows1251) {
    writeFile("BASE.DRS", "\xC4\xF0\xE0\xEA\xEE\xED\r\n");
    EXPECT_EQ(L(0), "Дракон");
}

TEST_F(TextDbTest, MissingFileKeepsTheTextAndReportsOnce) {
    std::string out = "kept";
    readtext(7, "nothere.drs", out);
    EXPECT_EQ(out, "kept");
    ASSERT_TRUE(logWritten());
    const std::string report = readFile("errorlog1.err");
    EXPECT_NE(report.find("ERROR SENDER:readtext in kestral\r\n"), std::string::npos);
    EXPECT_NE(report.find("ERROR CODE:101\r\n"), std::string::npos);
    EXPECT_NE(report.find("LOCAL VARIABLES:\r\nfilename:nothere.drs\r\nline:7\r\n"), std::string::npos);
    EXPECT_EQ(test::recorded().messages, std::vector<std::string>{"ERROR! ERROR CODE:101"});
    EXPECT_EQ(test::recorded().terminateRequests, 1);
}

// Another language's texts stand in its folder; a file it does not have
// there is the one both languages share, beside the program.
TEST_F(TextDbTest, TextsComeFromTheLanguagesFolderElseFromBesideTheProgram) {
    std::filesystem::create_directory(path("en"));
    writeLines("BASE.DRS", {"Печать"});
    writeLines("en/BASE.DRS", {"Seal"});
    writeLines("izinfo.dat", {"111111"});
    EXPECT_EQ(L(0), "Печать");
    setTextLanguage(Language::English);
    EXPECT_EQ(L(0), "Seal");
    std::string shared;
    readtext(0, "IZINFO.DAT", shared);
    EXPECT_EQ(shared, "111111");
    EXPECT_FALSE(textFileExists("hlp1.dat"));
    setTextLanguage(Language::Russian);
    EXPECT_EQ(L(0), "Печать");
    EXPECT_FALSE(logWritten());
}

// A text file is read once while it stays as it was, and again as soon as
// its time, its size or the file itself changes.
TEST_F(TextDbTest, AFileIsReadOnceWhileUnchangedAndAgainWhenChanged) {
    writeFile("T.drs", "one\r\ntwo\r\n");
    backdate("T.drs", 3600);
    EXPECT_EQ(readTextFile("t.drs")->lines.size(), 2u);
    std::string out;
    readtext(1, "T.drs", out);
    EXPECT_EQ(out, "two");
    rewriteUnseen("T.drs", "one\r\nTWO\r\n");
    readtext(1, "T.drs", out);
    EXPECT_EQ(out, "two");  // kept: not read again
    backdate("T.drs", 1800);  // edited
    readtext(1, "T.drs", out);
    EXPECT_EQ(out, "TWO");
    writeFile("T.drs", "one\r\nthree\r\n");  // replaced by another of another size
    backdate("T.drs", 1800);
    readtext(1, "T.drs", out);
    EXPECT_EQ(out, "three");
    // Just written: its time cannot yet vouch for it, so it is read every time.
    writeFile("T.drs", "one\r\nfour\r\n");
    readtext(1, "T.drs", out);
    EXPECT_EQ(out, "four");
    rewriteUnseen("T.drs", "one\r\nfive\r\n");
    readtext(1, "T.drs", out);
    EXPECT_EQ(out, "five");
    EXPECT_FALSE(logWritten());
}

TEST_F(TextDbTest, AFailedReadIsNotRemembered) {
    writeUnreadable("U.drs");
    std::string out = "kept";
    readtext(0, "U.drs", out);
    EXPECT_EQ(out, "kept");
    EXPECT_EQ(readTextFile("U.drs"), nullptr);
    std::filesystem::remove(path("U.drs"));
    writeFile("U.drs", "readable\r\n");
    backdate("U.drs", 3600);
    readtext(0, "U.drs", out);
    EXPECT_EQ(out, "readable");
    // Gone again: the text read before is not handed out.
    std::filesystem::remove(path("U.drs"));
    EXPECT_EQ(readTextFile("U.drs"), nullptr);
}

TEST(ApplyCaseMask, ShapesEachWordByItsLetter) {
    EXPECT_EQ(applyCaseMask("КРАСНЫЙ ДРАКОН", "Aa"), "Красный дракон");
    EXPECT_EQ(applyCaseMask("красный дракон", "AB"), "Красный ДРАКОН");
    EXPECT_EQ(applyCaseMask("one two three", "Aa"), "One two ");
    EXPECT_EQ(applyCaseMask("ёлка ЁЖ", "Aa"), "Ёлка ёж");
    EXPECT_EQ(applyCaseMask("їжак ґанок", "BA"), "ЇЖАК Ґанок");
    // Two spaces make the second one a word of its own.
    EXPECT_EQ(applyCaseMask("a  b", "AAA"), "A  B");
    EXPECT_EQ(applyCaseMask("a  b", "AA"), "A  ");
    // Other letters leave their word out.
    EXPECT_EQ(applyCaseMask("keep drop keep", "AxA"), "Keep Keep");
    EXPECT_EQ(applyCaseMask("", "AAA"), "");
    EXPECT_EQ(applyCaseMask("1st place", "Aa"), "1st place");
    // Every letter of both alphabets, the ends of each range included.
    const std::string lower = "abcdefghijklmnopqrstuvwxyz абвгдеёжзийклмнопрстуфхцчшщъыьэюя ђѓєѕіїјљњћќўџґ";
    const std::string upper = "ABCDEFGHIJKLMNOPQRSTUVWXYZ АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ ЂЃЄЅІЇЈЉЊЋЌЎЏҐ";
    EXPECT_EQ(applyCaseMask(lower, "BBB"), upper);
    EXPECT_EQ(applyCaseMask(upper, "aaa"), lower);
}

// A database whose line k reads "k" (so joins show which lines were used),
// with the fixed affirmation words given texts.
class AffirmationTest : public test::ProgramDirTest {
protected:
    void SetUp() override {
        ProgramDirTest::SetUp();
        std::vector<std::string> lines;
        for (int i = 0; i < 669; ++i) lines.push_back("<" + std::to_string(i) + ">");
        writeLines("BASE.DRS", lines);
    }
    static CalendarDay kin(int k) { return test::dayOfKin(k); }
};

TEST_F(AffirmationTest, JoinsTheLinesOfTheDay) {
    // Kin 230: seal 10, tone 9, group 3, guide 6, not a portal.
    const auto a = loadaffirmation(kin(230));
    EXPECT_EQ(a[0], "<192><209><400><193><224><401>");
    EXPECT_EQ(a[1], "<244> <259>.");
    EXPECT_EQ(a[2], "<194><315> <328>");
    EXPECT_EQ(a[3], "<195><348> <196><362>.");
    EXPECT_EQ(a[4], "<197><373>.");
    EXPECT_EQ(a[5], "");
}

TEST_F(AffirmationTest, ToneFiveAndThirteenUseTheirOwnRanges) {
    EXPECT_EQ(loadaffirmation(kin(5))[1], "<240> <275>.");      // seal 5, tone 5
    EXPECT_EQ(loadaffirmation(kin(13))[1], "<248> <304>.");     // seal 13, tone 13
}

TEST_F(AffirmationTest, OwnGuideAndPortalLines) {
    const auto first = loadaffirmation(kin(1));  // tone 1: its own guide; a portal kin
    EXPECT_EQ(first[4], "<199>");
    EXPECT_EQ(first[5], "<198>");
    EXPECT_FALSE(logWritten());
}

}  // namespace
}  // namespace kl
