// kestralune-cli render as a whole process: its pictures do not depend on the
// session it is started in.
#include <gtest/gtest.h>

#include <QImage>
#include <QString>

#include <cstdlib>
#include <string>

#include <unistd.h>

#include "support/testsupport.h"

namespace kl::test {
namespace {

using CliRenderTest = ProgramDirTest;

// Runs `render MODE 2026-12-08 OUT --lang ru` with `environment` put before
// the command; the exit status.
int render(const std::string& environment, int mode, const std::string& out) {
    const std::string cmd = environment + " KESTRALUNE_DIR='" + KL_SHIPPED_DIR + "' " + KL_CLI_PATH + " render " +
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

}  // namespace
}  // namespace kl::test
