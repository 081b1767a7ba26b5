// A program directory with small stand-in pictures of the right sizes and a
// database whose line n reads "Ln", so the compact window can be driven
// without the shipped art.
#pragma once

#include <QImage>
#include <QPainter>

#include <filesystem>
#include <memory>

#include "ui/config/tform4.h"
#include "data/errorlog.h"
#include "support/testsupport.h"
#include "ui/compact/programwindows.h"
#include "ui/fullscreen/fullstate.h"

namespace kl::test {

class CompactTest : public ProgramDirTest {
protected:
    void SetUp() override;
    void TearDown() override;

    void writePicture(const std::string& name, int w, int h, QColor fill);
    // Lines 0 .. count - 1; the lines past 702 name the moons' totems, which
    // the Russian texts leave empty.
    void writeDatabase(std::vector<std::string> overrides = {}, int count = 703);
    // Creates the windows as the program does and shows the compact one.
    void createWindows(bool show = true);
    // The shown compact window has its face.
    void makeReady();

    std::unique_ptr<ProgramWindows> program;
    TForm1* form1 = nullptr;
    TForm2* form2 = nullptr;
    TForm3* form3 = nullptr;
    TForm4* form4 = nullptr;
    TForm5* form5 = nullptr;
    TForm6* form6 = nullptr;
    int fullScreenShows = 0;
};

}  // namespace kl::test
