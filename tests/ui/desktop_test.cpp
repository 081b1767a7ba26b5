// The habits of a desktop program: the face's context menu, starting with
// the desktop session, and the tooltips of the buttons.
#include <gtest/gtest.h>

#include <QApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QProcess>
#include <QToolTip>

#include <cstdlib>
#include <filesystem>

#include "core/state.h"
#include "platform/autostart.h"
#include "platform/widgets/tooltip.h"
#include "ui/compactfixture.h"
#include "ui/fullscreen/dispatcher.h"

namespace kl::test {
namespace {

class Desktop : public CompactTest {
protected:
    void SetUp() override {
        CompactTest::SetUp();
        // The entry goes into the test's directory, never the user's own.
        if (const char* old = std::getenv("XDG_CONFIG_HOME")) oldConfig_ = old;
        setenv("XDG_CONFIG_HOME", (dir + "/config").c_str(), 1);
        writeDatabase({}, 746);
    }
    void TearDown() override {
        if (form1 && form1->contextMenu) form1->contextMenu->close();
        if (oldConfig_.empty()) unsetenv("XDG_CONFIG_HOME");
        else setenv("XDG_CONFIG_HOME", oldConfig_.c_str(), 1);
        CompactTest::TearDown();
    }
    // The menu's entries, separators left out.
    QList<QAction*> entries() const {
        QList<QAction*> list;
        for (QAction* a : form1->contextMenu->actions())
            if (!a->isSeparator()) list.push_back(a);
        return list;
    }
    std::string oldConfig_;
};

TEST_F(Desktop, RightButtonWithAModifierOpensTheMenuAndAPlainOneTheDateDialog) {
    createWindows();
    makeReady();
    for (const Qt::KeyboardModifier held : {Qt::ControlModifier, Qt::ShiftModifier, Qt::AltModifier}) {
        form1->Image1MouseDown(Qt::RightButton, 150, 150, held);
        form1->Image1MouseUp(Qt::RightButton, 150, 150);
        ASSERT_TRUE(form1->contextMenu && form1->contextMenu->isVisible()) << held;
        EXPECT_FALSE(form2->isVisible()) << held;
        form1->contextMenu->close();
    }
    QStringList texts;
    for (QAction* a : entries()) texts << a->text();
    EXPECT_EQ(texts, (QStringList{"L718", "L719", "L720", "L721", "L722", "L723", "L724"}));
    form1->Image1MouseDown(Qt::RightButton, 150, 150);
    form1->Image1MouseUp(Qt::RightButton, 150, 150);
    EXPECT_FALSE(form1->contextMenu->isVisible());
    EXPECT_TRUE(form2->isVisible());
}

TEST_F(Desktop, TheMenuKeyOpensTheMenu) {
    createWindows();
    makeReady();
    QKeyEvent menuKey(QEvent::KeyPress, Qt::Key_Menu, Qt::NoModifier);
    QApplication::sendEvent(form1, &menuKey);
    ASSERT_TRUE(form1->contextMenu && form1->contextMenu->isVisible());
    EXPECT_EQ(entries().size(), 7);
}

TEST_F(Desktop, EntriesDoWhatTheySay) {
    createWindows();
    makeReady();
    const auto choose = [this](int index) {
        form1->openContextMenu(QPoint(100, 100));
        QAction* a = entries().at(index);
        form1->contextMenu->close();
        a->trigger();
    };
    currentDate = GregorianDate{5, 3, 0, 2004};
    recomputeCurrentDay();
    choose(1);  // Choose a date…
    ASSERT_TRUE(form2->isVisible());
    EXPECT_EQ(form2->windowTitle(), "05.03.2004");
    choose(0);  // Today
    EXPECT_EQ(currentDate, todayDate);
    EXPECT_EQ(currentDay, computeCalendarDay(todayDate));
    EXPECT_FALSE(form2->isVisible());
    choose(2);  // Full screen
    EXPECT_EQ(fullScreenShows, 1);
    EXPECT_EQ(_newstate, 0);
    choose(3);  // Print manager
    EXPECT_TRUE(form5->isVisible());
    form5->hide();
    choose(4);  // Settings
    EXPECT_TRUE(form4->isVisible());
    form4->hide();
    choose(6);  // Quit
    EXPECT_TRUE(form1->closed);
}

TEST_F(Desktop, StartWithTheDesktopWritesAndRemovesTheAutostartEntry) {
    createWindows();
    makeReady();
    const std::string entry = dir + "/config/autostart/kestralune.desktop";
    form1->openContextMenu(QPoint(100, 100));
    QAction* autostart = entries().at(5);
    EXPECT_TRUE(autostart->isCheckable());
    EXPECT_FALSE(autostart->isChecked());
    autostart->trigger();
    ASSERT_TRUE(std::filesystem::exists(entry));
    EXPECT_NE(readFile("config/autostart/kestralune.desktop").find("Exec=" + platform::desktopExec(platform::launchCommand())), std::string::npos);
    // The check mark is read from the entry at every opening.
    form1->openContextMenu(QPoint(100, 100));
    autostart = entries().at(5);
    EXPECT_TRUE(autostart->isChecked());
    autostart->trigger();
    EXPECT_FALSE(std::filesystem::exists(entry));
    EXPECT_TRUE(recorded().messages.empty());
}

TEST_F(Desktop, AnEntryThatCannotBeWrittenIsToldInTheProgramsLanguage) {
    writeFile("config", "a file where the folder would be");
    createWindows();
    makeReady();
    form1->setStartWithDesktop(true);
    ASSERT_EQ(recorded().messages.size(), 1u);
    EXPECT_EQ(recorded().messages[0].rfind("L725 " + dir + "/config", 0), 0u) << recorded().messages[0];
    EXPECT_EQ(recorded().terminateRequests, 0);  // the program goes on
}

TEST_F(Desktop, EveryButtonTellsWhatItDoes) {
    createWindows();
    makeReady();
    EXPECT_EQ(platform::liveTooltipAt(form1->myButton1, {5, 5}), "L743");
    EXPECT_EQ(platform::liveTooltipAt(form1->myButton2, {5, 5}), "L745");
    EXPECT_EQ(platform::liveTooltipAt(form1->Image1, {300, 82}), "L744");  // the eye, hot rectangle 7
    EXPECT_EQ(platform::liveTooltipAt(form1->Image1, {300, 200}), "");
    for (int i = 0; i < TForm3::kButtonCount; ++i)
        EXPECT_EQ(platform::liveTooltipAt(form3->buttons[i], {5, 5}), QString("L%1").arg(726 + i)) << i;
    // The tooltip is read when it shows: a changed text shows at once.
    std::vector<std::string> changed(746);
    changed[743] = "Open the calendar";
    writeDatabase(changed, 746);
    form1->myButton1->show();
    QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), form1->myButton1->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(form1->myButton1, &help);
    EXPECT_EQ(QToolTip::text(), "Open the calendar");
    QToolTip::hideText();
}

// The screen's ratio is fixed when the application starts: where it is 1,
// the test runs itself again on a screen of ratio 2.
TEST_F(Desktop, OnAScreenOfRatioTwoTheFaceIsPaintedFromTheTwiceSet) {
    if (qApp->devicePixelRatio() < 1.5) {
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_SCALE_FACTOR", "2");
        env.insert("QT_QPA_PLATFORM", "offscreen");
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(QCoreApplication::applicationFilePath(),
                    {"--gtest_filter=Desktop.OnAScreenOfRatioTwoTheFaceIsPaintedFromTheTwiceSet"});
        ASSERT_TRUE(child.waitForFinished(60000));
        const std::string out = child.readAll().toStdString();
        EXPECT_EQ(child.exitCode(), 0) << out;
        EXPECT_NE(out.find("[  PASSED  ] 1 test"), std::string::npos) << out;
        return;
    }
    // The seals have pictures of their own in the 2x set, in another colour;
    // the face's background has none and is the 1x one scaled.
    std::filesystem::create_directories(path("graphic2x"));
    for (int s = 0; s < 20; ++s) {
        QImage seal(152, 152, QImage::Format_RGB888);
        seal.fill(QColor(30, 200, 200));
        ASSERT_TRUE(seal.save(QString::fromStdString(path("graphic2x/" + std::to_string(s) + "Y.png")), "PNG"));
    }
    QImage opaque(152, 152, QImage::Format_RGB888);
    opaque.fill(Qt::white);
    ASSERT_TRUE(opaque.save(QString::fromStdString(path("graphic2x/SBalfa.png")), "PNG"));
    createWindows();
    makeReady();
    EXPECT_EQ(form1->faceSet(), 2);
    const QImage& face = form1->Image1->picture.image();
    EXPECT_EQ(face.size(), QSize(1200, 900));
    EXPECT_EQ(face.devicePixelRatio(), 2.0);
    EXPECT_EQ(form1->Image1->picture.pixel(2 * 260, 2 * 258), (platform::Rgb{30, 200, 200}));  // hot rectangle 2
    EXPECT_EQ(form1->Image1->picture.pixel(2 * 10, 2 * 440), (platform::Rgb{20, 10, 60}));
    EXPECT_EQ(form1->mask().boundingRect(), QRect(20, 20, 560, 410));  // the shape in the window's own units
    EXPECT_EQ(form1->myButton1->glyph().size(), QSize(120, 34));  // the small buttons' strips too
    EXPECT_EQ(form1->myButton1->glyph().devicePixelRatio(), 2.0);
    // The full-screen window draws its views and shows its buttons at 2x.
    form3->show();
    EXPECT_EQ(viewPictureSet(), 2);
    EXPECT_EQ(form3->pbx->picture().image().size(), QSize(1340, 1080));
    EXPECT_EQ(form3->pbx->picture().scale(), 2);
    const QImage& strip = form3->buttons[0]->glyph();
    EXPECT_EQ(strip.size(), QSize(320, 80));
    EXPECT_EQ(strip.devicePixelRatio(), 2.0);
    form3->hide();
    ASSERT_TRUE(form5);
    form5->show();
    EXPECT_EQ(form5->mb1->glyph().size(), QSize(256, 64));  // the print manager's too
    form5->hide();
}

}  // namespace
}  // namespace kl::test
