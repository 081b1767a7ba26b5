// kestralune-cli render and export: what they write, and their exit codes.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <QImage>

#include <algorithm>
#include <filesystem>

#include "cli/views.h"
#include "data/errorlog.h"
#include "data/settings.h"
#include "platform/files.h"
#include "fullscreen/clifixture.h"
#include "ui/fullscreen/fullstate.h"

namespace kl::test {
namespace {

using Args = std::vector<std::string>;

class CliViews : public CliViewTest {
protected:
    int render(const Args& a) { return cli::runRender(a, out, err); }
    int exportScript(const Args& a) { return cli::runExport(a, out, err); }
    std::string out, err;
};

TEST_F(CliViews, RenderWritesTheViewAsPng) {
    writeAllSigns();
    const std::string png = path("day.png");
    EXPECT_EQ(render({"render", "0", "2026-12-08", png}), 0) << err;
    EXPECT_EQ(err, "");
    QImage image(QString::fromStdString(png));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.width(), 670);
    EXPECT_EQ(image.height(), 550);
    EXPECT_EQ(image.pixelColor(5, 5), QColor(7, 0, 35));
    // The seal of kin 104 (seal 4) at (224, 220): its stand-in colour inside.
    const platform::Rgb seal = signColour(4);
    EXPECT_EQ(image.pixelColor(260, 256), QColor(seal.r, seal.g, seal.b));
}

TEST_F(CliViews, RenderWritesTheFormatItsExtensionNames) {
    writeAllSigns();
    const std::vector<std::pair<std::string, std::string>> kinds{
        {"day.JPG", "\xFF\xD8\xFF"}, {"day.jpeg", "\xFF\xD8\xFF"}, {"day.bmp", "BM"}, {"day.Png", "\x89PNG"}};
    for (const auto& [name, magic] : kinds) {
        ASSERT_EQ(render({"render", "0", "2026-12-08", path(name)}), 0) << err;
        EXPECT_EQ(readFile(name).rfind(magic, 0), 0u) << name;
        EXPECT_EQ(QImage(QString::fromStdString(path(name))).size(), QSize(670, 550)) << name;
    }
}

TEST_F(CliViews, BadModesAndDatesExitWithTwo) {
    const std::string png = path("x.png");
    EXPECT_EQ(render({"render", "49", "2026-12-08", png}), 2);
    EXPECT_EQ(render({"render", "-1", png}), 2);
    EXPECT_EQ(render({"render", "zero", png}), 2);
    EXPECT_EQ(render({"render", "0", "2026-02-30", png}), 2);
    EXPECT_EQ(render({"render", "0"}), 2);
    // The picture's name forgotten: a usage line, no file named after the date.
    EXPECT_EQ(render({"render", "0", "2026-12-09"}), 2);
    EXPECT_EQ(err.rfind("usage: kestralune-cli render", 0), 0u) << err;
    EXPECT_FALSE(std::filesystem::exists("2026-12-09"));
    EXPECT_EQ(render({"render", "0", "2026-12-09", path("x.gif")}), 2);
    EXPECT_FALSE(std::filesystem::exists(path("x.gif")));
    EXPECT_EQ(exportScript({"export", "5", "2026-12-08"}), 2);
    EXPECT_EQ(exportScript({"export", "8"}), 2);
    EXPECT_EQ(exportScript({"export", "0", "2026-13-01"}), 2);
    EXPECT_EQ(exportScript({"export"}), 2);
    EXPECT_EQ(out, "");
}

TEST_F(CliViews, AFailureIsOneLineAndExitOne) {
    // No pictures at all: the first missing sign is the failure.
    const std::string png = path("fail.png");
    EXPECT_EQ(render({"render", "0", "2026-12-08", png}), 1);
    EXPECT_EQ(err.find("kestralune-cli: drawing failed: error 101 in DRAWSIGNP in fullmode"), 0u) << err;
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1);
    EXPECT_FALSE(platform::fileExists(png));
}

TEST_F(CliViews, ExportPrintsTheScriptInEitherForm) {
    EXPECT_EQ(exportScript({"export", "4", "2026-12-08"}), 0) << err;
    EXPECT_EQ(out.substr(0, out.find('\n')), "[Oracle script]");
    EXPECT_NE(out.find("PICT 2 233 0 0 0 cnt 'graphic\\4Y.bmp'\n"), std::string::npos);
    out.clear();
    EXPECT_EQ(exportScript({"export", "4", "2026-12-08", "--glyphs"}), 0) << err;
    EXPECT_NE(out.find("TEXT 2 217 cnt kin\n"), std::string::npos);
    EXPECT_EQ(out.find("PICT"), std::string::npos);
}

TEST_F(CliViews, ReadsTheSettingsFromConfDat) {
    // Line 9 switches the day view's Gregorian date on, line 12 picks dd/mm.
    writeLines("conf.dat", {"Y", "Y", "Y", "Y", "Y", "5", "N", "N", "Y", "Y", "N", "5", "0", "", "1"});
    EXPECT_EQ(exportScript({"export", "0", "2026-12-08"}), 0) << err;
    EXPECT_NE(out.find("TEXT 0 344 cnt '08/12'\n"), std::string::npos) << out;
    // Lines ended by a lone CR are the same lines.
    writeFile("conf.dat", "Y\rY\rY\rY\rY\r5\rN\rN\rY\rY\rN\r5\r0\r\r1\r");
    out.clear();
    EXPECT_EQ(exportScript({"export", "0", "2026-12-08"}), 0) << err;
    EXPECT_NE(out.find("TEXT 0 344 cnt '08/12'\n"), std::string::npos) << out;
    // Without the file the date is off.
    std::filesystem::remove(path("conf.dat"));
    out.clear();
    EXPECT_EQ(exportScript({"export", "0", "2026-12-08"}), 0);
    EXPECT_EQ(out.find("08/12"), std::string::npos);
}

TEST_F(CliViews, APartlyReadConfDatIsSaidInOneLineAndTheCommandGoesOn) {
    writeLines("conf.dat", {"Y", "Y", "Y", "Y", "Y", "fast"});
    EXPECT_EQ(exportScript({"export", "0", "2026-12-08"}), 0);
    EXPECT_EQ(err.rfind("kestralune-cli: conf.dat was read in part: reading stopped at line 6 (", 0), 0u) << err;
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1);
    EXPECT_EQ(out.substr(0, out.find('\n')), "[Day info script]");

    // A FIFO in its place is said too, never waited on.
    std::filesystem::remove(path("conf.dat"));
    ASSERT_EQ(::mkfifo(path("conf.dat").c_str(), 0600), 0);
    err.clear();
    EXPECT_EQ(exportScript({"export", "0", "2026-12-08"}), 0);
    EXPECT_NE(err.find("conf.dat was read in part: reading stopped at line 1 (it is not a regular file)"),
              std::string::npos)
        << err;
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1);
}

TEST_F(CliViews, YearGlyphExportIsOneScript) {
    // The year view's grid is not drawn yet, so the sub-script is empty and
    // no YEAR line is left behind in either form.
    EXPECT_EQ(exportScript({"export", "9", "2026-12-08", "--glyphs"}), 0) << err;
    EXPECT_EQ(out.substr(0, out.find('\n')), "[Year script]");
    EXPECT_EQ(out.find("YEAR "), std::string::npos);
}

}  // namespace
}  // namespace kl::test
