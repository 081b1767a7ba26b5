// kestralune-cli page and rescale: pages from scripts without a screen.
#include <gtest/gtest.h>

#include <QImage>
#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "cli/pagecommands.h"
#include "platform/codec.h"
#include "print/printfixture.h"
#include "print/scriptfile.h"

namespace kl::print::test {
namespace {

class CliPage : public PrintTest {
protected:
    int run(std::vector<std::string> args, const std::string& input = "") {
        out.clear();
        err.clear();
        std::istringstream in(input);
        return cli::runPrintCommand(args, in, out, err);
    }
    int errLines() const { return static_cast<int>(std::count(err.begin(), err.end(), '\n')); }
    std::string out, err;
};

TEST_F(CliPage, WritesThePngOfAScript) {
    writeFile("card.spt", "[Main script]\r\nFONT 0 -30 0 0 255 bld nrm DejaVu Sans\r\nTEXT 0 40 cnt 'Hello'\r\n");
    ASSERT_EQ(run({"page", path("card.spt"), path("card.png"), "--size", "300x200", "--background", "FFEE00",
                   "--date", "2001-08-21"}),
              0)
        << err;
    EXPECT_TRUE(err.empty());
    const QImage png(QString::fromStdString(path("card.png")));
    ASSERT_FALSE(png.isNull());
    EXPECT_EQ(png.width(), 300);
    EXPECT_EQ(png.height(), 200);
    EXPECT_EQ(png.pixelColor(0, 0), QColor(255, 238, 0));
    const Box b = inkBox(Picture::fromImage(png), {255, 238, 0});
    ASSERT_FALSE(b.empty());
    EXPECT_NEAR((b.left + b.right) / 2.0, 150, 3);
    EXPECT_GE(b.top, 40);
}

TEST_F(CliPage, ThePageIsTheFileNamedExactly) {
    writeFile("photo.png", "precious");
    ASSERT_EQ(run({"page", "-", path("Photo.PNG")}, "TEXT 5 5 rgt kin\n"), 0) << err;
    EXPECT_EQ(readFile("photo.png"), "precious");
    EXPECT_FALSE(QImage(QString::fromStdString(path("Photo.PNG"))).isNull());
}

TEST_F(CliPage, DefaultPageAndStandardInput) {
    ASSERT_EQ(run({"page", "-", path("in.png")}, "FONT 0 -30 0 0 0 thn nrm DejaVu Sans\nTEXT 5 5 rgt kin\n"), 0) << err;
    const QImage png(QString::fromStdString(path("in.png")));
    EXPECT_EQ(png.size(), QSize(768, 1024));
    EXPECT_EQ(png.pixelColor(700, 1000), QColor(255, 255, 255));
}

TEST_F(CliPage, FailuresGoToStderrAndThePageIsStillWritten) {
    const std::string script = "TEXT x 1 cnt 'a'\nPICT 0 0 0 0 0 rgt 'nothing.bmp'\nMOON 0 0 9999 1 IMAGE\n";
    ASSERT_EQ(run({"page", "-", path("bad.png"), "--mono"}, script), 1);
    EXPECT_EQ(errLines(), 3) << err;
    EXPECT_NE(err.find("line 1: cannot be read"), std::string::npos) << err;
    EXPECT_NE(err.find("nothing.bmp"), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(path("bad.png")));
    EXPECT_TRUE(kl::test::recorded().messages.empty());  // no box
}

TEST_F(CliPage, BadUsageIsStatusTwo) {
    writeFile("s.spt", "TEXT 1 1 cnt 'a'\n");
    const std::string s = path("s.spt"), o = path("o.png");
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"page"},
             {"page", s},
             {"page", s, o, "extra"},
             {"page", s, path("o.jpg")},
             {"page", s, o, "--size", "0x10"},
             {"page", s, o, "--size", "16385x10"},
             {"page", s, o, "--size", "16384x16384"},
             {"page", s, o, "--size", "10x"},
             {"page", s, o, "--size"},
             {"page", s, o, "--background", "FFF"},
             {"page", s, o, "--background", "GG0000"},
             {"page", s, o, "--date", "2004-02-30"},
             {"page", s, o, "--dpi", "300"},
             {"page", s, o, "--paper", "B5"},
             {"page", s, o, "--orientation", "sideways"},
             {"page", s, o, "--margin", "46"},
             {"page", s, o, "--margin", "-1"},
             {"page", path("missing.spt"), o},
             {"page", dir, o},
             {"rescale", s},
             {"rescale", s, "0"},
             {"rescale", s, "-2"},
             {"rescale", s, "x"},
             {"rescale", s, "inf"},
             {"rescale", path("missing.spt"), "2"},
         }) {
        EXPECT_EQ(run(args), 2) << args.size() << " " << args.back();
        EXPECT_EQ(errLines(), 1) << err;
    }
    EXPECT_FALSE(std::filesystem::exists(o));
}

TEST_F(CliPage, RescaleKeepsTheScriptsEncodingAndLineEnds) {
    const std::string cp = platform::toCp1251("[Карта]\r\nTEXT 10 15 cnt 'Привет'\r\n/old\r\nPICT 3 3 0 0 0 rgt 'a.bmp'\r\n");
    writeFile("ru.spt", cp);
    ASSERT_EQ(run({"rescale", path("ru.spt"), "2"}), 0) << err;
    EXPECT_EQ(out, platform::toCp1251("[Карта]\r\nTEXT 20 30 cnt 'Привет'\r\nPICT 6 6 0 0 0 rgt 'a.bmp'\r\n"));

    ASSERT_EQ(run({"rescale", "-", "0.5"}, "TEXT 5 7 cnt 'ß'\nTEXT x 1 cnt 'y'\n"), 1);
    EXPECT_EQ(out, "TEXT 2 4 cnt 'ß'\nTEXT x 1 cnt 'y'\n");
    EXPECT_EQ(errLines(), 1);

    ASSERT_EQ(run({"rescale", "-", "2"}, "TEXT 2000000000 1 cnt 'y'\n"), 1);
    EXPECT_TRUE(out.empty());

    // Bytes that only look like UTF-8 (an overlong form) are Windows-1251.
    EXPECT_TRUE(cli::decodeScript("TEXT 1 1 rgt '\xE0\x80\x9D'").cp1251);
    EXPECT_FALSE(cli::decodeScript("TEXT 1 1 rgt '\xE0\xA4\x85'").cp1251);

    // The one byte Windows-1251 leaves unassigned comes back as it was.
    const std::string odd = "TEXT 1 1 rgt '\x98\xC0'\r\n";
    writeFile("odd.spt", odd);
    ASSERT_EQ(run({"rescale", path("odd.spt"), "2"}), 0) << err;
    EXPECT_EQ(out, "TEXT 2 2 rgt '\x98\xC0'\r\n");
}

TEST_F(CliPage, RescaleRefusesALineTheNextRunWouldRefuse) {
    ASSERT_EQ(run({"rescale", "-", "2"}, "TEXT 1 1 cnt 'a'\nMOON 0 0 3000 1 IMAGE\n"), 1);
    EXPECT_TRUE(out.empty());
    EXPECT_EQ(errLines(), 1);
    EXPECT_NE(err.find("line 2: the moon size would be 6000"), std::string::npos) << err;
}

// The program itself: a NUL in a script line, or a line feed in a name,
// is shown escaped and keeps its message one line.
TEST_F(CliPage, MessagesShowControlCharactersEscaped) {
    static constexpr char kScript[] = "TEXT x\0y 1 cnt 'a'\nTEXT q 1 cnt 'b'\n";
    writeFile("nul.spt", std::string(kScript, sizeof kScript - 1));
    const std::string shell = std::string(KL_CLI_PATH) + " page '" + path("nul.spt") + "' '" + path("nul.png") +
                              "' 2> '" + path("err") + "'; " + KL_CLI_PATH + " rescale 'new\nline' 2 2>> '" +
                              path("err") + "'";
    ASSERT_EQ(std::system(shell.c_str()) != -1, true);
    std::string e;  // the command's own lines (a build without its fonts says so too)
    std::istringstream all(readFile("err"));
    for (std::string line; std::getline(all, line);)
        if (line.rfind("kestralune-cli: ", 0) == 0) e += line + "\n";
    EXPECT_EQ(std::count(e.begin(), e.end(), '\n'), 3) << e;
    EXPECT_NE(e.find("line 1: cannot be read (a number field is not a number): TEXT x\\x00y 1 cnt 'a'\n"), std::string::npos) << e;
    EXPECT_NE(e.find("line 2: "), std::string::npos) << e;
    EXPECT_NE(e.find("cannot read the script: new\\nline\n"), std::string::npos) << e;
}

TEST_F(CliPage, AScriptOverTheCapIsRefusedUnread) {
    std::string big(print::kMaxScriptFileBytes + 1, 'x');
    writeFile("big.spt", big);
    for (const std::string& name : {path("big.spt"), std::string("-")}) {
        ASSERT_EQ(run({"page", name, path("big.png")}, name == "-" ? big : ""), 1) << name;
        EXPECT_EQ(errLines(), 1);
        EXPECT_NE(err.find("larger than 32 MiB"), std::string::npos) << err;
        EXPECT_EQ(run({"rescale", name, "2"}, name == "-" ? big : ""), 1);
    }
    EXPECT_FALSE(std::filesystem::exists(path("big.png")));
}

TEST_F(CliPage, PdfHoldsThePageFittedWithTheMargin) {
    // A black 400 x 200 page on A4 portrait at 300 dpi (2480 x 3508) with a
    // margin of 5 %: 2232 x 1116 at (124, 1196).
    ASSERT_EQ(run({"page", "-", path("page.pdf"), "--size", "400x200", "--background", "000000", "--paper", "a4",
                   "--orientation", "portrait"},
                  ""),
              0)
        << err;
    const std::string pdf = readFile("page.pdf");
    ASSERT_EQ(pdf.rfind("%PDF", 0), 0u);
    const std::string command = "pdftoppm -r 30 -png '" + path("page.pdf") + "' '" + path("shot") + "'";
    ASSERT_EQ(std::system(command.c_str()), 0) << "pdftoppm (poppler-utils) is needed";
    const QImage shot(QString::fromStdString(path("shot-1.png")));
    ASSERT_FALSE(shot.isNull());
    EXPECT_NEAR(shot.width(), 248, 1);
    EXPECT_NEAR(shot.height(), 351, 1);
    const Box b = inkBox(Picture::fromImage(shot));
    EXPECT_NEAR(b.left, 12.4, 1.5);
    EXPECT_NEAR(b.top, 119.6, 1.5);
    EXPECT_NEAR(b.width(), 223.2, 2);
    EXPECT_NEAR(b.height(), 111.6, 2);
}

}  // namespace
}  // namespace kl::print::test
