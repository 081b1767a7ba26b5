// kestralune-cli render as a whole process: its pictures do not depend on the
// session it is started in.
#include <gtest/gtest.h>

#include <QImage>
#include <QString>

#include <cstdlib>
#include <filesystem>
#include <string>

#include <unistd.h>

#include "support/testsupport.h"

namespace kl::test {
namespace {

using CliRenderTest = ProgramDirTest;

// Runs `render MODE 2026-12-08 OUT --lang ru` with `environment` put before
// the command, in the program directory `dir`; the exit status.
int render(const std::string& environment, int mode, const std::string& out, const std::string& dir = KL_SHIPPED_DIR) {
    const std::string cmd = environment + " KESTRALUNE_DIR='" + dir + "' " + KL_CLI_PATH + " render " +
                            std::to_string(mode) + " 2026-12-08 '" + out + "' --lang ru 2>/dev/null";
    const int status = std::system(cmd.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// A session that names a display which cannot be reached (or another
// platform) used to end the command with an abort; and the views' own font
// configuration draws the pixels the system's draws. Mode 0 draws Arial and
// Arial Narrow in Russian on this day, mode 1 Verdana.
TEST_F(CliRenderTest, PicturesDoNotDependOnTheSessionOrTheFontConfiguration) {
    for (int mode : {0, 1}) {
        const std::string plain = path("plain.png"), session = path("session.png"), system = path("system.png");
        ASSERT_EQ(render("env -u DISPLAY -u WAYLAND_DISPLAY", mode, plain), 0) << mode;
        EXPECT_EQ(render("DISPLAY=:7391 WAYLAND_DISPLAY=none-here QT_QPA_PLATFORM=xcb", mode, session), 0) << mode;
        const QImage expected(QString::fromStdString(plain));
        ASSERT_FALSE(expected.isNull());
        EXPECT_EQ(QImage(QString::fromStdString(session)), expected) << mode;
        if (access("/etc/fonts/fonts.conf", R_OK) == 0) {
            ASSERT_EQ(render("FONTCONFIG_FILE=/etc/fonts/fonts.conf", mode, system), 0) << mode;
            EXPECT_EQ(QImage(QString::fromStdString(system)), expected) << mode;
        }
    }
}

// The seal page draws its larger sign in the shipped sign font: without the
// font the picture lacks it (the command once drew the views without it).
TEST_F(CliRenderTest, TheViewsDrawInTheShippedSignFont) {
    const std::string withoutFonts = path("nofonts");
    std::filesystem::create_directory(withoutFonts);
    for (const auto& entry : std::filesystem::directory_iterator(KL_SHIPPED_DIR))
        if (entry.path().filename() != "fonts")
            std::filesystem::create_symlink(entry.path(), withoutFonts + "/" + entry.path().filename().string());
    const std::string with = path("with.png"), without = path("without.png");
    ASSERT_EQ(render("", 2, with), 0);
    ASSERT_EQ(render("", 2, without, withoutFonts), 0);
    const QImage a(QString::fromStdString(with)), b(QString::fromStdString(without));
    ASSERT_FALSE(a.isNull());
    ASSERT_EQ(a.size(), b.size());
    EXPECT_FALSE(a == b) << "the seal page is the same without the sign font";
}

}  // namespace
}  // namespace kl::test
