// The mode table: every mode 0..48 has one row, and the rows say which
// modes draw, which open a window and which export.
#include <gtest/gtest.h>

#include <string>

#include "ui/fullscreen/modes.h"

namespace kl {
namespace {

TEST(ModeTable, EveryModeHasExactlyOneRow) {
    for (int mode = 0; mode <= 48; ++mode) {
        int rows = 0;
        for (const ModeEntry& e : modeTable()) rows += mode >= e.first && mode <= e.last;
        EXPECT_EQ(rows, 1) << "mode " << mode;
        ASSERT_NE(findMode(mode), nullptr) << mode;
    }
    EXPECT_EQ(findMode(-1), nullptr);
    EXPECT_EQ(findMode(49), nullptr);
}

TEST(ModeTable, BlankModesDrawNothingTheWindowsOpenAndTheOthersHaveARenderer) {
    for (int mode : {10, 15, 16, 17, 21, 22, 23, 24}) EXPECT_EQ(findMode(mode)->render, nullptr) << mode;
    for (int mode : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 12, 13, 14, 19, 25, 48})
        EXPECT_NE(findMode(mode)->render, nullptr) << mode;
    // The windows' modes draw a blank view; their windows open instead.
    EXPECT_EQ(findMode(18)->render, nullptr);
    EXPECT_EQ(findMode(18)->opens, ModeWindow::PrintManager);
    EXPECT_EQ(findMode(20)->render, nullptr);
    EXPECT_EQ(findMode(20)->opens, ModeWindow::Configuration);
    EXPECT_EQ(findMode(25)->render, findMode(19)->render) << "help pages share one renderer";
}

TEST(ModeTable, ExportsAreTheNineOfThePrintManager) {
    struct Export {
        int mode;
        std::string header;
        int width, height;
    };
    const Export exports[] = {{0, "[Day info script]", 380, 380},       {1, "[Tone info script]", 670, 550},
                              {2, "[Sign info script]", 670, 550},      {3, "[Plasm info script]", 670, 550},
                              {4, "[Oracle script]", 670, 550},         {6, "[Wave script]", 670, 550},
                              {7, "[Moon script]", 670, 550},           {9, "[Year script]", 740, 550},
                              {14, "[Book of kins script]", 670, 540}};
    int withExport = 0;
    for (const ModeEntry& e : modeTable()) withExport += e.exportHeader != nullptr;
    EXPECT_EQ(withExport, 9);
    for (const Export& x : exports) {
        const ModeEntry* e = findMode(x.mode);
        ASSERT_NE(e->exportHeader, nullptr) << x.mode;
        EXPECT_EQ(e->exportHeader, x.header);
        EXPECT_EQ(e->pageWidth, x.width) << x.mode;
        EXPECT_EQ(e->pageHeight, x.height) << x.mode;
    }
}

}  // namespace
}  // namespace kl
