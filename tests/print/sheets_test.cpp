// Pages on paper: the painter canvas draws what the bitmap page shows, PDF
// pages hold text, shapes and lossless pictures, and pages fit the paper
// and orientation asked for.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <cstdio>
#include <cstdlib>
#include <sstream>

#include "cli/pagecommands.h"
#include "print/pagecanvas.h"
#include "print/paper.h"
#include "print/printfixture.h"
#include "print/sheets.h"

namespace kl::print::test {
namespace {

// Text, a keyed picture, a coloured and a picture moon: everything a page
// can hold.
const std::vector<std::string> kPage = {
    "[Main script]",
    "FONT 0 -28 0 0 200 bld nrm DejaVu Sans",
    "TEXT 0 12 cnt 'Тринадцать лун'",
    "FONT 0 -16 180 0 0 thn itl DejaVu Serif",
    "TEXT 20 60 rgt 'Kestralune'",
    "PICT 40 110 255 0 255 rgt 'graphic\\sign.bmp'",
    "MOON 200 100 80 30 0 120 200",
    "MOON 300 100 90 70 IMAGE",
};

std::string commandOutput(const std::string& command) {
    std::string out;
    FILE* p = popen(command.c_str(), "r");
    if (!p) return out;
    char buf[512];
    while (std::fgets(buf, sizeof buf, p)) out += buf;
    pclose(p);
    return out;
}

class Sheets : public PrintTest {
protected:
    void SetUp() override {
        PrintTest::SetUp();
        // A 60 x 40 picture whose magenta frame is its key colour.
        Picture sign(60, 40, {255, 0, 255});
        for (int y = 5; y < 35; ++y)
            for (int x = 5; x < 55; ++x) sign.setPixel(x, y, {static_cast<std::uint8_t>(4 * x), 160, static_cast<std::uint8_t>(6 * y)});
        writeBitmap("graphic/sign.bmp", sign);
        Picture moon(120, 120, {40, 40, 40});
        for (int y = 0; y < 120; ++y)
            for (int x = 0; x < 120; ++x)
                if ((x - 60) * (x - 60) + (y - 60) * (y - 60) < 3400) moon.setPixel(x, y, {230, 220, 190});
        writeBitmap("graphic/moon2.bmp", moon);
        state.script.canvasWidth = 420;
        state.script.canvasHeight = 297;
        state.script.lines = kPage;
    }
    int cliPage(std::vector<std::string> args) {
        out.clear();
        err.clear();
        std::istringstream in;
        return cli::runPrintCommand(args, in, out, err);
    }
    std::string out, err;
};

// Mean absolute difference per channel over a block, and the share of its
// pixels that differ by more than `far` in some channel.
struct Difference {
    double mean = 0, farShare = 0;
};
Difference compare(const QImage& a, const QImage& b, QRect block, int far = 64) {
    Difference d;
    long long sum = 0, farCount = 0;
    for (int y = block.top(); y <= block.bottom(); ++y)
        for (int x = block.left(); x <= block.right(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            const int dr = std::abs(qRed(p) - qRed(q)), dg = std::abs(qGreen(p) - qGreen(q)), db = std::abs(qBlue(p) - qBlue(q));
            sum += dr + dg + db;
            farCount += std::max({dr, dg, db}) > far;
        }
    const double n = static_cast<double>(block.width()) * block.height();
    d.mean = sum / (3 * n);
    d.farShare = farCount / n;
    return d;
}

TEST_F(Sheets, ThePainterCanvasDrawsWhatTheBitmapPageShows) {
    ASSERT_TRUE(showPage(state, page).clean());
    QImage painted(420, 297, QImage::Format_RGB888);
    {
        QPainter p(&painted);
        const RunResult r = drawScriptFitted(p, 420, 297, [this] {
            PrintState s = state;
            s.margin = 0;
            return s;
        }());
        ASSERT_TRUE(r.clean());
    }
    const QImage& bitmap = page.image();
    // Texts and pictures are the same pixels; the moons are shapes on one
    // side and a scaled mask on the other, alike but for their edges.
    const QRect moons(200, 100, 190, 90);
    for (int y = 0; y < 297; ++y)
        for (int x = 0; x < 420; ++x)
            if (!moons.contains(x, y)) {
                ASSERT_EQ(painted.pixel(x, y), bitmap.pixel(x, y)) << x << "," << y;
            }
    for (const QRect moon : {QRect(200, 100, 80, 80), QRect(300, 100, 90, 90)}) {
        const Difference d = compare(painted, bitmap, moon);
        EXPECT_LT(d.mean, 6) << moon.x();
        EXPECT_LT(d.farShare, 0.03) << moon.x();
    }
}

TEST_F(Sheets, APdfPageLooksLikeThePngPage) {
    writeFile("page.spt", [] {
        std::string s;
        for (const std::string& l : kPage) s += l + "\n";
        return s;
    }());
    ASSERT_EQ(cliPage({"page", path("page.spt"), path("page.png"), "--size", "420x297"}), 0) << err;
    // A4 landscape is 297 x 210 mm, the page's own shape: with no margin
    // it covers the sheet, and the sheet drawn at 420 x 297 is the page.
    ASSERT_EQ(cliPage({"page", path("page.spt"), path("page.pdf"), "--size", "420x297", "--paper", "A4", "--margin", "0"}), 0)
        << err;
    ASSERT_EQ(std::system(("pdftoppm -png -scale-to-x 420 -scale-to-y 297 '" + path("page.pdf") + "' '" +
                           path("sheet") + "'")
                              .c_str()),
              0);
    const QImage png(QString::fromStdString(path("page.png")));
    const QImage sheet = QImage(QString::fromStdString(path("sheet-1.png"))).convertToFormat(QImage::Format_RGB888);
    ASSERT_EQ(sheet.size(), png.size());
    // Another rasteriser draws the texts and the picture's edges: alike
    // everywhere, exact nowhere in particular.
    const Difference whole = compare(sheet, png.convertToFormat(QImage::Format_RGB888), sheet.rect());
    EXPECT_LT(whole.mean, 3);
    EXPECT_LT(whole.farShare, 0.02);
    const Box a = inkBox(Picture::fromImage(sheet)), b = inkBox(Picture::fromImage(png));
    EXPECT_NEAR(a.left, b.left, 2);
    EXPECT_NEAR(a.top, b.top, 2);
    EXPECT_NEAR(a.right, b.right, 2);
    EXPECT_NEAR(a.bottom, b.bottom, 2);
}

TEST_F(Sheets, PdfPagesHoldTextInTheirFontsAndLosslessPictures) {
    writeFile("page.spt", [] {
        std::string s;
        for (const std::string& l : kPage) s += l + "\n";
        return s;
    }());
    ASSERT_EQ(cliPage({"page", path("page.spt"), path("page.pdf"), "--size", "420x297"}), 0) << err;
    const std::string pdf = "'" + path("page.pdf") + "'";
    EXPECT_NE(commandOutput("pdftotext " + pdf + " -").find("Тринадцать лун"), std::string::npos);
    const std::string fonts = commandOutput("pdffonts " + pdf);
    EXPECT_NE(fonts.find("DejaVuSans-Bold"), std::string::npos) << fonts;
    EXPECT_NE(fonts.find("DejaVuSerif-Italic"), std::string::npos) << fonts;
    // The picture with its key as a mask, and the picture moon: no JPEG.
    const std::string images = commandOutput("pdfimages -list " + pdf);
    EXPECT_EQ(images.find("jpeg"), std::string::npos) << images;
    EXPECT_NE(images.find("   60    40"), std::string::npos) << images;
    EXPECT_NE(images.find(" mask "), std::string::npos) << images;

    // Smoothed, the page is the bitmap grown towards the paper, losslessly.
    ASSERT_EQ(cliPage({"page", path("page.spt"), path("smooth.pdf"), "--size", "420x297", "--smooth", "--paper", "A4"}), 0)
        << err;
    const std::string smooth = commandOutput("pdfimages -list '" + path("smooth.pdf") + "'");
    // 420 x 297 doubled three times: 3360 x 2376 within A4's 3508 x 2480 at 300 dpi.
    EXPECT_NE(smooth.find(" 3360  2376 "), std::string::npos) << smooth;
    EXPECT_EQ(smooth.find("jpeg"), std::string::npos) << smooth;
    EXPECT_EQ(commandOutput("pdffonts '" + path("smooth.pdf") + "'").find("DejaVu"), std::string::npos);
}

TEST_F(Sheets, BlackAndWhiteTurnsTheSharpPageGrey) {
    PrintState s = state;
    s.monoMode = true;
    s.margin = 0;
    QImage painted(420, 297, QImage::Format_RGB888);
    {
        QPainter p(&painted);
        ASSERT_TRUE(drawScriptFitted(p, 420, 297, s).clean());
    }
    int coloured = 0, inked = 0;
    for (int y = 0; y < 297; ++y)
        for (int x = 0; x < 420; ++x) {
            const QRgb c = painted.pixel(x, y);
            coloured += qRed(c) != qGreen(c) || qGreen(c) != qBlue(c);
            inked += c != qRgb(255, 255, 255);
        }
    EXPECT_EQ(coloured, 0);
    EXPECT_GT(inked, 2000);
    EXPECT_EQ(greyOf({255, 0, 1}), (Rgb{85, 85, 85}));
}

TEST_F(Sheets, PagesFitThePaperTheWayTheyAreTurned) {
    const auto size = [this](const std::vector<std::string>& extra) {
        std::vector<std::string> args = {"page", "-", path("p.pdf")};
        args.insert(args.end(), extra.begin(), extra.end());
        std::istringstream in("TEXT 1 1 rgt 'x'\n");
        out.clear();
        err.clear();
        if (cli::runPrintCommand(args, in, out, err) != 0) return std::string("failed: ") + err;
        const std::string info = commandOutput("pdfinfo '" + path("p.pdf") + "'");
        const auto at = info.find("Page size:");
        return at == std::string::npos ? info : info.substr(at + 10, info.find('\n', at) - at - 10);
    };
    EXPECT_NE(size({"--size", "740x550", "--paper", "A4"}).find("842 x 595 pts (A4)"), std::string::npos);
    EXPECT_NE(size({"--size", "380x380", "--paper", "a5"}).find("420 x 595 pts (A5)"), std::string::npos);
    EXPECT_NE(size({"--size", "740x550", "--paper", "Letter", "--orientation", "portrait"}).find("612 x 792 pts (letter)"),
              std::string::npos);
    EXPECT_NE(size({"--size", "100x300", "--paper", "Legal", "--orientation", "landscape"}).find("1008 x 612 pts"),
              std::string::npos);
    EXPECT_EQ(paperOfMillimetres(279, 216), Paper::Letter);
    EXPECT_EQ(paperOfMillimetres(250, 353), std::nullopt);  // B4 is none of ours
}

TEST_F(Sheets, AScriptCarriesItsPageSize) {
    ASSERT_EQ(cliPage({"page", "-", path("own.png")}), 0);  // nothing read: the default page
    std::istringstream in("[Day info script]\n/[PAGE 300 120]\nTEXT 1 1 rgt 'x'\n");
    ASSERT_EQ(cli::runPrintCommand({"page", "-", path("own.png")}, in, out, err), 0) << err;
    EXPECT_EQ(QImage(QString::fromStdString(path("own.png"))).size(), QSize(300, 120));
    std::istringstream given("/[PAGE 300 120]\n");
    ASSERT_EQ(cli::runPrintCommand({"page", "-", path("given.png"), "--size", "50x60"}, given, out, err), 0);
    EXPECT_EQ(QImage(QString::fromStdString(path("given.png"))).size(), QSize(50, 60));
    // A size no page can have is said, and the default page drawn.
    err.clear();
    std::istringstream huge("/[PAGE 99999 10]\n");
    EXPECT_EQ(cli::runPrintCommand({"page", "-", path("huge.png")}, huge, out, err), 1);
    EXPECT_NE(err.find("99999 x 10"), std::string::npos) << err;
    EXPECT_EQ(QImage(QString::fromStdString(path("huge.png"))).size(), QSize(768, 1024));
}

}  // namespace
}  // namespace kl::print::test
