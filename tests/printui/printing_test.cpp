// Printing, the set-up dialog's preview and WindWHP.dat through the windows.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <QPrinter>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>

#include <cstdlib>
#include <filesystem>

#include "print/windowsizes.h"
#include "printui/printuifixture.h"

namespace kl::test {
namespace {

bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

class Printing : public PrintUiTest {
protected:
    // The print dialog's answer: print to a PDF file.
    std::function<bool(QPrinter&)> toPdf(const std::string& file) {
        return [file](QPrinter& p) {
            p.setOutputFormat(QPrinter::PdfFormat);
            p.setOutputFileName(QString::fromStdString(file));
            return true;
        };
    }
};

TEST_F(Printing, APdfPrinterPrintsThePage) {
    form->exportClick(0, false);
    form->mb3Click();
    prints.push_back(toPdf(path("page.pdf")));
    EXPECT_TRUE(form->printgraphic());
    const std::string pdf = readFile("page.pdf");
    ASSERT_GT(pdf.size(), 1000u);
    EXPECT_EQ(pdf.substr(0, 5), "%PDF-");
    // Drawn from its script: texts in embedded fonts, the pictures as images.
    EXPECT_TRUE(contains(pdf, "/FontFile2"));
    EXPECT_TRUE(contains(pdf, "/Image"));
    EXPECT_TRUE(recorded().messages.empty());
    // For a look at the printed page: KL_PRINT_SAMPLE names where to copy it.
    if (const char* out = std::getenv("KL_PRINT_SAMPLE"))
        std::filesystem::copy_file(path("page.pdf"), out, std::filesystem::copy_options::overwrite_existing);
}

// Fitting smooths a large page for the screen; it still prints sharp. The
// smooth button is a filter asked for: that page prints as its bitmap.
TEST_F(Printing, OnlyASmoothingAskedForPrintsTheBitmap) {
    form->paperQuery = [] { return std::optional<print::PaperSize>{}; };
    form->exportClick(0, true);
    ASSERT_EQ(form->page.width(), 1520);
    prints.push_back(toPdf(path("fitted.pdf")));
    EXPECT_TRUE(form->printgraphic());
    EXPECT_TRUE(contains(readFile("fitted.pdf"), "/FontFile2"));
    form->exportClick(0, false);
    form->mb3Click();
    form->smbClick();
    prints.push_back(toPdf(path("page.pdf")));
    EXPECT_TRUE(form->printgraphic());
    const std::string pdf = readFile("page.pdf");
    EXPECT_FALSE(contains(pdf, "/FontFile2"));
    EXPECT_TRUE(contains(pdf, "/Image"));
}

TEST_F(Printing, AFailingPrinterIsReportedAndAnswersFalse) {
    prints.push_back(toPdf(path("no-such-folder/page.pdf")));
    EXPECT_FALSE(form->printgraphic());
    ASSERT_EQ(recorded().messages.size(), 1u);
    EXPECT_TRUE(contains(recorded().messages[0], "112"));
    EXPECT_EQ(recorded().terminateRequests, 0);
}

TEST_F(Printing, ACancelledDialogPrintsNothingAndReportsNothing) {
    EXPECT_FALSE(form->printgraphic());  // no reply: cancelled
    EXPECT_TRUE(recorded().messages.empty());
}

// The year of the date on show: 8 December 2026 is in the year of 26 July 2026.
TEST_F(Printing, TheYearCalendarGoesToThePrinterAsFifteenSheets) {
    writeAllSigns();
    prints.push_back(toPdf(path("year.pdf")));
    const std::vector<std::string> script = memoLines();
    EXPECT_TRUE(form->yearCalendarClick());
    const std::string pdf = readFile("year.pdf");
    EXPECT_EQ(pdf.substr(0, 5), "%PDF-");
    const QString text = QString::fromLatin1(pdf.data(), static_cast<qsizetype>(pdf.size()));
    EXPECT_EQ(text.count(QRegularExpression("/Type /Page[^s]")), 15);
    EXPECT_TRUE(recorded().messages.empty());
    EXPECT_EQ(memoLines(), script) << "the user's script is left alone";
    EXPECT_FALSE(form->busy());
}

TEST_F(Printing, TheYearCalendarOnAFailingPrinterIsReported) {
    prints.push_back(toPdf(path("no-such-folder/year.pdf")));
    EXPECT_FALSE(form->yearCalendarClick());
    ASSERT_EQ(recorded().messages.size(), 1u);
    EXPECT_TRUE(contains(recorded().messages[0], "112"));
    EXPECT_EQ(recorded().terminateRequests, 0);
    EXPECT_FALSE(form->yearCalendarClick()) << "cancelled";
    EXPECT_EQ(recorded().messages.size(), 1u);
}

TEST_F(Printing, OrientationFollowsTheSetupDialog) {
    setup->rb2->setChecked(true);
    setup->rb2Click();
    setup->spx->setValue(10);
    setup->Button1Click();
    EXPECT_EQ(form->printer().pageLayout().orientation(), QPageLayout::Portrait);
    EXPECT_EQ(form->state.margin, 10);
    setup->rb1->setChecked(true);
    setup->rb1Click();
    setup->Button1Click();
    EXPECT_EQ(form->printer().pageLayout().orientation(), QPageLayout::Landscape);
}

TEST_F(Printing, PreviewPlacesThePageAsPrintingDoes) {
    // A 380 x 380 black page on the 300 x 200 preview with margin 5:
    // 180 x 180 at (60, 10).
    form->spw->setValue(380);
    form->sph->setValue(380);
    form->page.fill({0, 0, 0});
    setup->spx->setValue(5);
    setup->draws();
    const platform::Picture& p = setup->preview();
    ASSERT_EQ(p.width(), 300);
    EXPECT_EQ(p.pixel(59, 100), (platform::Rgb{255, 255, 255}));
    EXPECT_EQ(p.pixel(60, 100), (platform::Rgb{0, 0, 0}));
    EXPECT_EQ(p.pixel(239, 100), (platform::Rgb{0, 0, 0}));
    EXPECT_EQ(p.pixel(240, 100), (platform::Rgb{255, 255, 255}));
    EXPECT_EQ(p.pixel(150, 9), (platform::Rgb{255, 255, 255}));
    EXPECT_EQ(p.pixel(150, 10), (platform::Rgb{0, 0, 0}));
    // Portrait: 200 x 300.
    setup->rb2->setChecked(true);
    setup->rb2Click();
    EXPECT_EQ(setup->preview().width(), 200);
    EXPECT_EQ(setup->preview().height(), 300);
    // A margin past the limit is not accepted.
    setup->spx->setValue(80);
    EXPECT_LE(setup->spx->value(), 45);
}

// WindWHP.dat ---------------------------------------------------------------

class WindowSizes : public PrintUiTest {};

// The screen the offscreen platform reports.
print::Rect screenRect() {
    const QRect r = QGuiApplication::primaryScreen()->availableGeometry();
    return {r.x(), r.y(), r.width(), r.height()};
}

TEST_F(WindowSizes, LoadAppliesAndSaveWritesTheSameQuantities) {
    ASSERT_GE(screenRect().width, 780);
    ASSERT_GE(screenRect().height, 590);
    // A configuration dialog that is not there keeps its line.
    const std::string file = "760\r\n560\r\n10\r\n20\r\n50\r\n60\r\n70\r\n80\r\n0\r\n";
    writeFile("WindWHP.dat", file);
    form->loadfsize();
    EXPECT_FALSE(form->easyMode);
    EXPECT_EQ(form->width(), 760);
    EXPECT_EQ(form->height(), 560);
    EXPECT_EQ(form->pos(), QPoint(10, 20));
    EXPECT_EQ(setup->pos(), QPoint(50, 60));
    EXPECT_TRUE(recorded().messages.empty());
    std::filesystem::remove(path("WindWHP.dat"));
    form->savefsize();
    EXPECT_EQ(readFile("WindWHP.dat"), file);
    // Loaded and saved again: the window does not grow.
    form->loadfsize();
    form->savefsize();
    EXPECT_EQ(readFile("WindWHP.dat"), file);
}

TEST_F(WindowSizes, NothingIsWrittenUnlessLoadedInThisRun) {
    writeFile("WindWHP.dat", "keep me\r\n");
    form->savefsize();
    setup.reset();  // the set-up dialog's end saves the sizes
    EXPECT_EQ(readFile("WindWHP.dat"), "keep me\r\n");
}

TEST_F(WindowSizes, TheSetupDialogsEndSavesAfterALoad) {
    writeFile("WindWHP.dat", "600\r\n300\r\n30\r\n40\r\n50\r\n60\r\n70\r\n80\r\n1\r\n");
    form->loadfsize();
    std::filesystem::remove(path("WindWHP.dat"));
    setup.reset();
    EXPECT_EQ(print::parseWindowSizes(readFile("WindWHP.dat")).sizes.width, 600);
}

TEST_F(WindowSizes, BadFilesAreReportedOnceAndDefaultsFillIn) {
    // Missing.
    form->loadfsize();
    ASSERT_EQ(recorded().messages.size(), 1u);
    EXPECT_TRUE(contains(recorded().messages[0], "101"));
    EXPECT_EQ(recorded().terminateRequests, 0);
    const print::WindowSizes d;
    const print::Rect expected = print::clampWindow({d.left, d.top, d.width, d.height}, screenRect(), 567, 272);
    EXPECT_EQ(form->width(), expected.width);
    EXPECT_EQ(form->height(), expected.height);
    EXPECT_TRUE(form->easyMode);
    // Odd: the good lines apply, the odd one keeps its default; reported
    // no more in this run.
    writeFile("WindWHP.dat", "700\r\nlots\r\n10\r\n");
    form->loadfsize();
    EXPECT_EQ(recorded().messages.size(), 1u);
    EXPECT_EQ(form->width(), 700);
    EXPECT_EQ(form->height(), expected.height);
    // Far off the screen and too small: brought back and enlarged.
    writeFile("WindWHP.dat", "10\r\n10\r\n90000\r\n-90000\r\n0\r\n0\r\n0\r\n0\r\n0\r\n");
    form->loadfsize();
    EXPECT_GE(form->width(), 740);  // creative layout's minimum
    EXPECT_GE(form->height(), 547);
    EXPECT_EQ(form->pos().y(), 0);
    EXPECT_LT(form->pos().x(), 90000);
}

}  // namespace
}  // namespace kl::test
