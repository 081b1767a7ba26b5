// The program as a Wayland user sees it: the real program on a headless
// weston, photographed by the compositor. Outside the face's shape the
// compositor's own background must show, not a black rectangle. Skipped
// where weston or Qt's Wayland plugin is not installed.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QLibraryInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>

#include <filesystem>

#include "imaging/blend.h"
#include "platform/picture.h"
#include "support/testsupport.h"

namespace kl::test {
namespace {

namespace fs = std::filesystem;

constexpr QRgb kBackground = 0xff3a7a5a;  // weston.ini's background-color below

class Wayland : public ProgramDirTest {
protected:
    void TearDown() override {
        for (QProcess* p : {&program_, &weston_}) {
            if (p->state() == QProcess::NotRunning) continue;
            p->terminate();
            if (!p->waitForFinished(3000)) p->kill();
            p->waitForFinished(1000);
        }
        ProgramDirTest::TearDown();
    }

    QProcessEnvironment environment() const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_RUNTIME_DIR", QString::fromStdString(runtime_));
        env.insert("WAYLAND_DISPLAY", "wl-kl-test");
        env.remove("DISPLAY");  // nothing may fall back to an X server
        return env;
    }

    // The compositor's picture of its whole output, or a null image.
    QImage screenshot() const {
        QDir shots(QString::fromStdString(shots_));
        for (const QString& old : shots.entryList({"*.png"})) shots.remove(old);
        QProcess shooter;
        shooter.setProcessEnvironment(environment());
        shooter.setWorkingDirectory(shots.path());
        shooter.start("weston-screenshooter", {});
        if (!shooter.waitForFinished(5000) || shooter.exitCode() != 0) return {};
        const QStringList taken = shots.entryList({"*.png"});
        return taken.isEmpty() ? QImage() : QImage(shots.filePath(taken.first())).convertToFormat(QImage::Format_RGB32);
    }

    std::string runtime_, shots_;
    QProcess weston_, program_;
};

// The smallest rectangle holding every pixel that is not the background.
QRect drawnArea(const QImage& shot) {
    QRect area;
    for (int y = 0; y < shot.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(shot.constScanLine(y));
        for (int x = 0; x < shot.width(); ++x)
            if (row[x] != kBackground) area |= QRect(x, y, 1, 1);
    }
    return area;
}

TEST_F(Wayland, TheFaceIsShapedAndTheCompositorsBackgroundShowsAroundIt) {
    const QString plugins = QLibraryInfo::path(QLibraryInfo::PluginsPath) + "/platforms";
    if (QStandardPaths::findExecutable("weston").isEmpty() ||
        QStandardPaths::findExecutable("weston-screenshooter").isEmpty())
        GTEST_SKIP() << "weston is not installed";
    if (QDir(plugins).entryList({"libqwayland-*.so"}).isEmpty())
        GTEST_SKIP() << "Qt's Wayland platform plugin is not installed in " << plugins.toStdString();

    runtime_ = dir + "/runtime";
    shots_ = dir + "/shots";
    const std::string home = dir + "/program";
    fs::create_directories(runtime_);
    fs::permissions(runtime_, fs::perms::owner_all);
    fs::create_directories(shots_);
    fs::copy(KL_SHIPPED_DIR, home, fs::copy_options::recursive);
    writeFile("weston.ini",
              "[core]\nidle-time=0\n[shell]\nbackground-color=0xff3a7a5a\npanel-position=none\n"
              "locking=false\nanimation=none\nstartup-animation=none\n");

    weston_.setProcessEnvironment(environment());
    weston_.setStandardOutputFile(QProcess::nullDevice());
    weston_.setStandardErrorFile(QString::fromStdString(path("weston.log")));
    weston_.start("weston", {"--backend=headless-backend.so", "--use-pixman", "--width=1280", "--height=800",
                             "--socket=wl-kl-test", "--debug", "--config=" + QString::fromStdString(path("weston.ini"))});
    ASSERT_TRUE(weston_.waitForStarted(5000));
    for (int i = 0; i < 50 && !fs::exists(runtime_ + "/wl-kl-test"); ++i) QThread::msleep(100);
    ASSERT_TRUE(fs::exists(runtime_ + "/wl-kl-test")) << "weston did not come up";

    QProcessEnvironment env = environment();
    env.insert("QT_QPA_PLATFORM", "wayland");
    env.insert("KESTRALUNE_DIR", QString::fromStdString(home));
    env.insert("XDG_CONFIG_HOME", QString::fromStdString(dir + "/config"));
    program_.setProcessEnvironment(env);
    program_.start(QFileInfo(KL_CLI_PATH).dir().filePath("kestralune"), {});
    ASSERT_TRUE(program_.waitForStarted(5000));

    // The face's shape as the program traces it.
    const QRegion face = bmptorgn(platform::Picture::load(home + "/graphic/pyrA0.bmp"), 0, false);
    ASSERT_FALSE(face.isEmpty());
    QImage shot;
    QRect drawn;
    for (int i = 0; i < 40; ++i) {  // until the full face is up (its loader runs after the first show)
        shot = screenshot();
        drawn = shot.isNull() ? QRect() : drawnArea(shot);
        if (drawn.size() == face.boundingRect().size()) break;
        QThread::msleep(250);
    }
    ASSERT_FALSE(shot.isNull()) << "no screenshot";
    shot.save(QString::fromStdString(dir + "/wayland.png"));
    // A solid window would show its whole 600 x 450 box.
    ASSERT_EQ(drawn.size(), face.boundingRect().size()) << "drawn " << drawn.width() << "x" << drawn.height();
    const QPoint origin = drawn.topLeft() - face.boundingRect().topLeft();  // the window's top-left on the output
    int outside = 0, backgroundOutside = 0, inside = 0, faceInside = 0;
    for (int y = 0; y < 450; ++y)
        for (int x = 0; x < 600; ++x) {
            const QPoint at = origin + QPoint(x, y);
            if (!shot.rect().contains(at)) continue;
            const bool background = shot.pixel(at) == kBackground;
            if (face.contains(QPoint(x, y))) ++inside, faceInside += !background;
            else ++outside, backgroundOutside += background;
        }
    EXPECT_GT(outside, 600 * 450 / 4);
    EXPECT_EQ(backgroundOutside, outside);  // every pixel outside the shape is the compositor's
    EXPECT_EQ(faceInside, inside);          // and the face fills its shape
}

}  // namespace
}  // namespace kl::test
