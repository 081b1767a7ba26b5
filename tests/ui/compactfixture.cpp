#include "ui/compactfixture.h"

#include <QCoreApplication>

#include "core/state.h"
#include "data/settings.h"

namespace kl::test {

void CompactTest::writePicture(const std::string& name, int w, int h, QColor fill) {
    std::filesystem::create_directories(path("graphic"));
    QImage img(w, h, QImage::Format_RGB888);
    img.fill(fill);
    ASSERT_TRUE(img.save(QString::fromStdString(path("graphic/" + name)), "BMP"));
}

void CompactTest::writeDatabase(std::vector<std::string> overrides, int count) {
    std::vector<std::string> lines;
    for (int i = 0; i < count; ++i) lines.push_back("L" + std::to_string(i));
    for (std::size_t i = 0; i < overrides.size() && i < lines.size(); ++i)
        if (!overrides[i].empty()) lines[i] = overrides[i];
    writeLines("BASE.DRS", lines);
}

void CompactTest::SetUp() {
    ProgramDirTest::SetUp();
    resetSettings();
    _newstate = 0;
    spin = 0;
    // The small frame: an 80 x 80 emblem at the top-left, black elsewhere.
    QImage frame(600, 450, QImage::Format_RGB888);
    frame.fill(Qt::black);
    QPainter(&frame).fillRect(0, 0, 80, 80, QColor(40, 40, 90));
    std::filesystem::create_directories(path("graphic"));
    frame.save(QString::fromStdString(path("graphic/frame1.bmp")), "BMP");
    writePicture("frameclr.bmp", 600, 450, QColor(40, 40, 90));
    writePicture("pyr0.bmp", 600, 450, QColor(20, 10, 60));
    QImage shape(600, 450, QImage::Format_RGB888);
    shape.fill(Qt::black);
    QPainter(&shape).fillRect(20, 20, 560, 410, QColor(255, 255, 255));
    shape.save(QString::fromStdString(path("graphic/pyrA0.bmp")), "BMP");
    writePicture("moon.bmp", 60, 60, QColor(200, 200, 190));
    for (int s = 0; s < 20; ++s) {
        writePicture(std::to_string(s) + "Y.bmp", 76, 76, QColor(200, 30, 30));
        writePicture(std::to_string(s) + ".bmp", 56, 56, QColor(30, 200, 30));
    }
    writePicture("SBalfa.bmp", 76, 76, Qt::white);
    writePicture("Smalfa.bmp", 56, 56, Qt::white);
    for (int t = 1; t <= 13; ++t) {
        writePicture("Tone" + std::to_string(t) + ".bmp", 70, 36, QColor(30, 30, 200));
        writePicture("ToneAlfa" + std::to_string(t) + ".bmp", 70, 36, Qt::white);
    }
    for (int p = 1; p <= 7; ++p) writePicture(std::to_string(p) + "X.bmp", 54, 54, QColor(200, 200, 30));
    writePicture("plalfa.bmp", 54, 54, Qt::white);
    writeDatabase();
    writePicture("telectonon.bmp", 120, 90, QColor(60, 40, 20));
    // The full-screen window reads its field hints at creation: seventy
    // empty fields.
    writeFile("HRCT.dat", std::string(70 * 16, '\0'));
    writeFile("Fieldhlp.drs", "");
    // The text pages the full-screen views read.
    for (const char* page : {"TONEINFO.drs", "DAYINFO.drs", "PLASMINFO.drs"})
        writeLines(page, std::vector<std::string>(340, "text"));
    for (int n = 1; n <= 3; ++n) writeLines("hlp" + std::to_string(n) + ".dat", std::vector<std::string>(32, "help"));
    writePicture("zolkin.bmp", 311, 444, QColor(30, 60, 30));  // the Tzolkin board
    // The print manager's sizes as a new install has them.
    writeFile("WindWHP.dat", "760\r\n560\r\n10\r\n20\r\n30\r\n40\r\n50\r\n60\r\n1\r\n");
}

void CompactTest::TearDown() {
    // A test may have ended the program itself; its window pointers then dangle.
    QCoreApplication::processEvents();
    program.reset();
    form1 = nullptr;
    fullScreen() = FullScreenLink{};
    ProgramDirTest::TearDown();
}

void CompactTest::createWindows(bool show) {
    program = std::make_unique<ProgramWindows>();
    form1 = program->form1.get();
    form2 = program->form2.get();
    form3 = program->form3.get();
    form4 = program->form4.get();
    form5 = program->form5.get();
    form6 = program->form6.get();
    // Count the openings of the full-screen window and let them happen.
    fullScreen().show = [this, open = fullScreen().show] {
        ++fullScreenShows;
        if (open) open();
    };
    if (show) form1->show();
}

void CompactTest::makeReady() {
    QCoreApplication::processEvents();
    ASSERT_EQ(form1->STATE, 0);
}

}  // namespace kl::test
