// The scaling pass over whole scripts, and the year sub-script helpers.
#include <gtest/gtest.h>

#include "layout/scriptpage.h"
#include "print/rewrite.h"

namespace kl::print {
namespace {

using Lines = std::vector<std::string>;

TEST(RewritePass, HeadersFirstThenCommandsInOrder) {
    const Lines script = {"[Main script]",
                          "FONT 12 -16 0 0 0 thn nrm Arial",
                          "",
                          "/[AFTER RESIZE]",
                          "Syntax error:",
                          "TEXT 5 7 cnt 'A'",
                          "///Syntax error\\\\\\",
                          "[T(E)=ART]",
                          "a note of mine",
                          "MOON 5 7 60 42 IMAGE\r",
                          "PICT 3 5 1 2 3 rgt 'g\\a.bmp'"};
    const RewriteResult r = rewriteScript(script, {}, 0.5);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.lines, (Lines{"[Main script]", "[T(E)=ART]", "FONT 6 -8 0 0 0 thn nrm Arial", "TEXT 2 4 cnt 'A'",
                              "a note of mine", "MOON 2 4 30 42 IMAGE", "PICT 2 2 1 2 3 rgt 'g\\a.bmp'"}));
    EXPECT_TRUE(r.unreadable.empty());
}

TEST(RewritePass, ThePageSizeLineIsScaledWithThePage) {
    const RewriteResult r = rewriteScript({"[Day info script]", "/[PAGE 375 380]", "TEXT 1 1 cnt 'a'"}, {}, 2);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.lines, (Lines{"[Day info script]", "/[PAGE 750 760]", "TEXT 2 2 cnt 'a'"}));
    // Halves to even, never below one pixel; look-alikes are plain comments.
    const RewriteResult half = rewriteScript({"/[PAGE 375 1]", "/[PAGE 5 5] ", "/[page 3 4]"}, {}, 0.5);
    EXPECT_EQ(half.lines, (Lines{"/[PAGE 188 1]", "/[PAGE 2 2]"}));
}

TEST(ScriptPageSize, ReadAndSet) {
    using layout::ScriptPageSize;
    EXPECT_EQ(layout::readPageSizeLine("/[PAGE 740 550]\r"), (ScriptPageSize{740, 550}));
    for (const char* other : {"/[PAGE 740x550]", "/[PAGE 740 550", "/[PAGE -1 5]", "/[PAGE 1234567890 5]", "[PAGE 1 1]"})
        EXPECT_EQ(layout::readPageSizeLine(other), std::nullopt) << other;
    Lines lines = {"[Year script]", "[T(E)=ART]", "TEXT 1 1 cnt 'a'"};
    layout::setScriptPageSize(lines, 740, 550);
    EXPECT_EQ(lines, (Lines{"[Year script]", "[T(E)=ART]", "/[PAGE 740 550]", "TEXT 1 1 cnt 'a'"}));
    layout::setScriptPageSize(lines, 10, 20);
    EXPECT_EQ(lines[2], "/[PAGE 10 20]");
    EXPECT_EQ(lines.size(), 4u);
}

TEST(RewritePass, UnreadableLinesStayInTheirPlace) {
    const Lines script = {"TEXT 1 1 cnt 'a'", "TEXTE: remember to print two", "MOON 1 1 x 5 IMAGE", "TEXT 2 2 cnt 'b'",
                          "YEAR 53 12 one"};
    const RewriteResult r = rewriteScript(script, {}, 2);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.lines, (Lines{"TEXT 2 2 cnt 'a'", "TEXTE: remember to print two", "MOON 1 1 x 5 IMAGE",
                              "TEXT 4 4 cnt 'b'", "YEAR 53 12 one"}));
    ASSERT_EQ(r.unreadable.size(), 3u);
    EXPECT_EQ(r.unreadable[0].index, 1u);
    EXPECT_STREQ(r.unreadable[0].sender, "text in printpage");
    EXPECT_STREQ(r.unreadable[1].sender, "moon in printpage");
    EXPECT_STREQ(r.unreadable[2].sender, "pyear in printpage");
}

TEST(RewritePass, AllOrNothing) {
    const Lines script = {"TEXT 1 1 cnt 'a'", "FONT 1500000000 0 0 0 0 thn nrm A"};
    RewriteResult r = rewriteScript(script, {"TEXT 1 1 rgt 'y'"}, 2);
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.lines.empty());
    EXPECT_EQ(r.failure.index, 1u);
    EXPECT_FALSE(r.failure.inYearList);

    r = rewriteScript({"TEXT 1 1 cnt 'a'"}, {"MOON 0 0 2000000000 1 IMAGE"}, 2);
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.failure.inYearList);

    for (double bad : {0.0, -1.0, std::numeric_limits<double>::infinity(), std::numeric_limits<double>::quiet_NaN()})
        EXPECT_FALSE(rewriteScript(script, {}, bad).ok);
}

// A pass never writes a line the next run refuses, nor one that draws
// otherwise; a line refused already is no reason to refuse the pass.
TEST(RewritePass, RefusesToBreakALineTheInterpreterAccepts) {
    const std::string wide = "TEXT 0 0 rgt '" + std::string(300, 'w') + "'";  // 300 x 40000 px fits, x 60000 not
    struct Case {
        Lines script;
        double factor;
        const char* why;  // a part of the reason; nullptr: the pass goes through
    } cases[] = {
        {{"MOON 0 0 3000 1 IMAGE"}, 2, "6000"},
        {{"MOON 0 0 1 1 IMAGE"}, 0.4, "moon size would be 0"},
        {{"MOON 0 0 0 1 IMAGE"}, 2, nullptr},
        {{"FONT 8 -1 0 0 0 thn nrm A"}, 0.4, "font height would be 0"},
        {{"/[PAGE 100 100]", "FONT 8 -400 0 0 0 thn nrm A"}, 2, nullptr},  // the page grows with it
        {{"FONT 8 -40000 0 0 0 thn nrm A"}, 2, "font height would be -80000"},  // on any page
        {{"FONT 8 -40000 0 0 0 thn nrm A", wide}, 1.5, "too wide"},
        {{"FONT 8 -40000 0 0 0 thn nrm A", wide}, 0.5, nullptr},
        {{"/[PAGE 10000 10000]"}, 2, "page would be 20000 x 20000"},
    };
    for (const Case& c : cases) {
        const RewriteResult r = rewriteScript(c.script, {}, c.factor);
        EXPECT_EQ(r.ok, c.why == nullptr) << c.script.back() << " x " << c.factor;
        if (c.why) {
            EXPECT_NE(r.failure.why.find(c.why), std::string::npos) << r.failure.why;
            EXPECT_EQ(r.failure.index, c.script.size() - 1);
        }
    }
    // The page the caller names decides over the script's own.
    RewriteLimits limits;
    limits.before = limits.after = layout::ScriptPageSize{100, 100};
    EXPECT_FALSE(rewriteScript({"/[PAGE 100 100]", "FONT 8 -400 0 0 0 thn nrm A"}, {}, 2, limits).ok);
}

TEST(RewritePass, YearListIsRescaledOnceHoweverManyYearLines) {
    const Lines year = {"[Year script]", "FONT 10 -13 0 0 0 thn nrm ", "TEXT 3 5 rgt 'W'"};
    for (const Lines& script : {Lines{}, Lines{"YEAR 53 12 1"}, Lines{"YEAR 53 12 1", "YEAR 53 12 1", "YEAR 1 1 1"}}) {
        const RewriteResult r = rewriteScript(script, year, 2);
        ASSERT_TRUE(r.ok);
        EXPECT_EQ(r.yearList, (Lines{"[Year script]", "FONT 20 -26 0 0 0 thn nrm ", "TEXT 6 10 rgt 'W'"}));
    }
}

TEST(RewritePass, HalfThenDoubleKeepsEvenCoordinates) {
    const Lines script = {"TEXT 10 20 cnt 'a'", "MOON 40 60 80 10 IMAGE"};
    const RewriteResult half = rewriteScript(script, {}, 0.5);
    ASSERT_TRUE(half.ok);
    const RewriteResult back = rewriteScript(half.lines, {}, 2);
    ASSERT_TRUE(back.ok);
    EXPECT_EQ(back.lines, script);
}

TEST(YearSubScript, InlinedInPlaceOfEachYearLine) {
    const Lines year = {"FONT 1 -2 0 0 0 thn nrm", "TEXT 1 2 rgt 'W'"};
    EXPECT_EQ(inlineYearList({"[Year script]", "YEAR 53 12 1", "TEXT 0 0 cnt 'x'", "YEAR x 1 1"}, year),
              (Lines{"[Year script]", "FONT 1 -2 0 0 0 thn nrm", "TEXT 1 2 rgt 'W'", "TEXT 0 0 cnt 'x'", "YEAR x 1 1"}));
}

TEST(YearSubScript, MovingTheTailNeverTakesMoreThanThere) {
    Lines year = {"a", "b", "c", "d", "e", "f", "g", "h"};
    Lines script = {"[Year script]"};
    moveYearTail(year, script);
    EXPECT_EQ(year, (Lines{"a", "b"}));
    EXPECT_EQ(script, (Lines{"[Year script]", "c", "d", "e", "f", "g", "h"}));
    moveYearTail(year, script);
    EXPECT_TRUE(year.empty());
    EXPECT_EQ(script.back(), "b");
    moveYearTail(year, script);
    EXPECT_EQ(script.size(), 9u);
}

}  // namespace
}  // namespace kl::print
