// Script files and WindWHP.dat: the bytes on disk and back.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/codec.h"
#include "print/scriptfile.h"
#include "print/windowsizes.h"
#include "support/testsupport.h"

namespace kl::print {
namespace {

using Lines = std::vector<std::string>;

class ScriptFileTest : public kl::test::ProgramDirTest {
protected:
    platform::UserPath user(const std::string& name) const { return platform::UserPath(path(name)); }
};

TEST_F(ScriptFileTest, LoadAndSaveAreExactInverses) {
    const std::vector<Lines> scripts{
        {},
        {""},
        {"", ""},
        {"[Main script]", "FONT 12 -16 0 0 0 bld itl Times New Roman", "", "TEXT 10 20 cnt 'Привет, мир'"},
        {"trailing blank ", "\tTab"},
        {"Ёлка ё № « » — €"},
    };
    for (const Lines& lines : scripts) {
        std::string why;
        ASSERT_TRUE(saveScriptFile(user("s.spt"), lines, why)) << why;
        const auto back = loadScriptFile(user("s.spt"), why);
        ASSERT_TRUE(back) << why;
        EXPECT_EQ(*back, lines);
        // And the file itself survives a second cycle byte for byte.
        const std::string bytes = readFile("s.spt");
        ASSERT_TRUE(saveScriptFile(user("s.spt"), *back, why));
        EXPECT_EQ(readFile("s.spt"), bytes);
    }
}

TEST_F(ScriptFileTest, FileIsWindows1251WithCrLf) {
    std::string why;
    ASSERT_TRUE(saveScriptFile(user("s.spt"), {"Да", "x"}, why));
    EXPECT_EQ(readFile("s.spt"), "\xC4\xE0\r\nx\r\n");
}

TEST_F(ScriptFileTest, LinesOfForeignFiles) {
    // LF only, a missing last ending, CR LF: the same lines.
    EXPECT_EQ(scriptLines("a\nb"), (Lines{"a", "b"}));
    EXPECT_EQ(scriptLines("a\r\nb\r\n"), (Lines{"a", "b"}));
    EXPECT_EQ(scriptLines("a\r\n\r\n"), (Lines{"a", ""}));
    // A lone CR ends a line as well, as the memo shows it.
    EXPECT_EQ(scriptLines("a\rb\r\rc\r"), (Lines{"a", "b", "", "c"}));
    EXPECT_EQ(scriptLines("a\r\r\nb"), (Lines{"a", "", "b"}));
    EXPECT_EQ(scriptLines(""), Lines{});
}

TEST_F(ScriptFileTest, LoadFailuresSayWhy) {
    std::string why;
    EXPECT_FALSE(loadScriptFile(user("missing.spt"), why));
    EXPECT_FALSE(why.empty());
    std::filesystem::create_directory(path("folder.spt"));
    why.clear();
    EXPECT_FALSE(loadScriptFile(user("folder.spt"), why));
    EXPECT_NE(why.find("not a file"), std::string::npos);
}

TEST_F(ScriptFileTest, FailedSaveLeavesTheOldFile) {
    writeFile("s.spt", "old\r\n");
    std::string why;
    {
        test::FileSizeLimit full(2);  // the new script does not fit on the disk
        EXPECT_FALSE(saveScriptFile(user("s.spt"), {"new"}, why));
    }
    EXPECT_FALSE(why.empty());
    EXPECT_EQ(readFile("s.spt"), "old\r\n");
    EXPECT_FALSE(saveScriptFile(user("folder-that-is-missing/s.spt"), {"new"}, why));
}

TEST(UnencodableCharacters, NamedOnceInOrder) {
    EXPECT_TRUE(unencodableCharacters({"Привет", "plain", "№ — «»"}).empty());
    const auto found = unencodableCharacters({"a中b", "中文 ✓", "ok"});
    ASSERT_EQ(found.size(), 3u);
    EXPECT_EQ(found[0], "U+4E2D 中");
    EXPECT_EQ(found[1], "U+6587 文");
    EXPECT_EQ(found[2], "U+2713 ✓");
    EXPECT_EQ(unencodableCharacters({"中文✓"}, 2).size(), 2u);
}

// WindWHP.dat ---------------------------------------------------------------

TEST(WindowSizesFile, RoundTrip) {
    WindowSizes s{900, 640, 10, 20, 30, 40, 50, 60, false};
    const std::string bytes = windowSizesBytes(s);
    EXPECT_EQ(bytes, "900\r\n640\r\n10\r\n20\r\n30\r\n40\r\n50\r\n60\r\n0\r\n");
    const WindowSizesRead r = parseWindowSizes(bytes);
    EXPECT_EQ(r.badLine, 0);
    EXPECT_EQ(r.sizes, s);
}

TEST(WindowSizesFile, DamagedFilesKeepDefaultsWhereUnreadable) {
    const WindowSizes d;
    // Short: lines 1..3 read, the rest default, line 4 named.
    WindowSizesRead r = parseWindowSizes("800\r\n600\r\n5\r\n", d);
    EXPECT_EQ(r.badLine, 4);
    EXPECT_EQ(r.sizes.width, 800);
    EXPECT_EQ(r.sizes.left, 5);
    EXPECT_EQ(r.sizes.top, d.top);
    EXPECT_EQ(r.sizes.easyMode, d.easyMode);
    // Odd lines: each keeps its default, the first is named, the others read.
    r = parseWindowSizes("800\nwide\n5\n6\n7\n8\n9\n99999999999\n1\n", d);
    EXPECT_EQ(r.badLine, 2);
    EXPECT_EQ(r.sizes.height, d.height);
    EXPECT_EQ(r.sizes.configLeft, 9);
    EXPECT_EQ(r.sizes.configTop, d.configTop);
    EXPECT_TRUE(r.sizes.easyMode);
    // Empty file.
    r = parseWindowSizes("", d);
    EXPECT_EQ(r.badLine, 1);
    EXPECT_EQ(r.sizes, d);
}

TEST(WindowSizesFile, LayoutLineIsExactlyOne) {
    const std::string eight = "1\n1\n1\n1\n1\n1\n1\n1\n";
    EXPECT_TRUE(parseWindowSizes(eight + "1").sizes.easyMode);
    EXPECT_FALSE(parseWindowSizes(eight + "1 ").sizes.easyMode);
    EXPECT_FALSE(parseWindowSizes(eight + "0").sizes.easyMode);
    EXPECT_FALSE(parseWindowSizes(eight + "yes").sizes.easyMode);
}

TEST(ClampWindow, StaysOnTheScreenAndAboveTheMinimum) {
    const Rect screen{0, 0, 1280, 800};
    EXPECT_EQ(clampWindow({100, 50, 1000, 700}, screen, 740, 547), (Rect{100, 50, 1000, 700}));
    // Off to the right and below: moved back in.
    EXPECT_EQ(clampWindow({5000, 3000, 1000, 700}, screen, 740, 547), (Rect{280, 100, 1000, 700}));
    // Too large: the screen's size; too small: the minimum.
    EXPECT_EQ(clampWindow({-50, -50, 9000, 9000}, screen, 740, 547), (Rect{0, 0, 1280, 800}));
    EXPECT_EQ(clampWindow({10, 10, 1, 1}, screen, 740, 547), (Rect{10, 10, 740, 547}));
    // A screen smaller than the minimum: the minimum at the screen's corner.
    EXPECT_EQ(clampWindow({300, 300, 800, 600}, Rect{100, 100, 640, 480}, 740, 547), (Rect{100, 100, 740, 547}));
}

}  // namespace
}  // namespace kl::print
