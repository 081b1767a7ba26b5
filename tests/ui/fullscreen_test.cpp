// The full-screen window driven through its handlers: buttons and the fade,
// clicks, keys, the date and configuration dialogs, and the compact window
// that opens it.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>

#include "core/state.h"
#include "data/settings.h"
#include "platform/system.h"
#include "ui/compactfixture.h"
#include "ui/fullscreen/dispatcher.h"
#include "ui/fullscreen/window/tform3.h"

namespace kl::test {
namespace {

class FullScreenTest : public CompactTest {
protected:
    void SetUp() override {
        CompactTest::SetUp();
        fullmodeState = -1;
        _trc = 160;
        _expstate = 0;
        _teldrawed = false;
        // The texts of the pages and the help, line n of each reading "Fn".
        for (const char* file : {"DAYINFO.drs", "TONEINFO.drs", "PLASMINFO.drs", "hlp1.dat", "hlp2.dat",
                                 "hlp3.dat", "izinfo.dat"}) {
            std::vector<std::string> lines;
            for (int i = 0; i < 400; ++i) lines.push_back(std::string(1, file[0]) + std::to_string(i));
            writeLines(file, lines);
        }
    }
    void TearDown() override {
        platform::setMessageHandler([](const std::string& m) { recorded().messages.push_back(m); });
        CompactTest::TearDown();
        fullmodeState = -1;
    }

    // The settings every show of the window reads: `steps` transition steps
    // (0: transitions off) and `helpPages` help pages.
    void writeConfig(int steps, int helpPages = 5) {
        const std::string flags = "Y\r\nY\r\nY\r\nY\r\n";
        writeFile("conf.dat", flags + (steps > 0 ? "Y" : "N") + "\r\n" + std::to_string(steps > 0 ? steps : 5) +
                                  "\r\nN\r\nN\r\nY\r\nN\r\nN\r\n0\r\n0\r\nx\r\n" +
                                  std::to_string(helpPages) + "\r\n");
    }

    // Ticks the timer until it stops (at most `limit` ticks); answers how
    // many ticks ran.
    int runFade(int limit = 200) {
        int n = 0;
        while (form3->Timer1->isActive() && n < limit) {
            form3->Timer1Timer();
            ++n;
        }
        return n;
    }
    void click(const char* name) {
        for (int i = 0; i < TForm3::kButtonCount; ++i)
            if (std::string(TForm3::kButtons[i].name) == name) form3->buttonClick(i);
    }
    // Opens the window on a mode as the compact window does, and lets it settle.
    void openOn(int mode) {
        fullScreen().show();
        spin = 0;
        _newstate = static_cast<std::uint8_t>(mode);
        runFade();
        ASSERT_EQ(fullmodeState, mode) << (logWritten() ? readFile("errorlog1.err") : "");
    }
    int enabledModeButtons() const {
        int n = 0;
        for (TmyButton* b : form3->buttons) n += b->isEnabled();
        return n;
    }
};

TEST_F(FullScreenTest, CoversTheScreenWithTheBoxAndTheButtonStrip) {
    createWindows();
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(form3->geometry(), screen);
    EXPECT_TRUE(form3->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(form3->palette().color(QPalette::Window), QColor(7, 0, 35));
    EXPECT_EQ(form3->pbx->geometry(),
              QRect((screen.width() - 670) / 2, (screen.height() - 540) / 2 + 20, 670, 540));
    const int xs[] = {8, 48, 88, 128, 168, 208, 248, 288, 328, 368, 408, 448, 488, 528, 568, 608};
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(form3->buttons[i]->geometry(), QRect(xs[i], 8, 33, 33)) << TForm3::kButtons[i].name;
        // Every button has its four-state picture strip.
        EXPECT_EQ(form3->buttons[i]->glyph().size(), QSize(160, 40)) << TForm3::kButtons[i].name;
    }
    EXPECT_EQ(form3->configs()->geometry(), QRect(screen.width() - 50, 8, 33, 33));
    EXPECT_FALSE(form3->Timer1->isActive());
    EXPECT_EQ(form3->Timer1->interval(), 10);
    EXPECT_FALSE(logWritten());
}

TEST_F(FullScreenTest, MissingBoardPictureIsReportedAtCreation) {
    std::filesystem::remove(path("graphic/telectonon.bmp"));
    createWindows(false);
    EXPECT_EQ(recorded().messages, std::vector<std::string>{"ERROR! ERROR CODE:104"});
    EXPECT_NE(readFile("errorlog1.err").find("ERROR SENDER:fullmode create\r\n"), std::string::npos);
}

TEST_F(FullScreenTest, AButtonClickDuringAFadeStartsANewOne) {
    createWindows();
    spin = 3;
    click("myButton3");
    EXPECT_EQ(_newstate, 2);
    EXPECT_EQ(spin, 0);
    EXPECT_TRUE(form3->Timer1->isActive());
    // The telektonon button also has its board built afresh.
    _teldrawed = true;
    click("Button3");
    EXPECT_TRUE(_teldrawed);
    click("Button4");
    EXPECT_FALSE(_teldrawed);
}

TEST_F(FullScreenTest, FadeRunsTickByTickWithTheButtonsOffAtItsEnd) {
    writeConfig(5);
    createWindows();
    openOn(0);
    EXPECT_EQ(enabledModeButtons(), 17);
    click("myButton5");
    const std::uint8_t levels[] = {102, 153, 204, 255};
    for (int i = 0; i < 4; ++i) {
        form3->Timer1Timer();
        EXPECT_EQ(_trc, levels[i]);
        EXPECT_TRUE(form3->Timer1->isActive());
        // Buttons are off from the frame of level 204; the book-of-kins button stays on.
        EXPECT_EQ(enabledModeButtons(), i >= 2 ? 1 : 17) << "tick " << i + 1;
    }
    EXPECT_TRUE(form3->button("myButton10")->isEnabled());
    form3->Timer1Timer();
    EXPECT_FALSE(form3->Timer1->isActive());
    EXPECT_EQ(enabledModeButtons(), 17);
    EXPECT_EQ(fullmodeState, 4);
    EXPECT_EQ(_expstate, 4);  // the final view was drawn
}

TEST_F(FullScreenTest, KeysAreIgnoredWhileTheFadeHasTwoStepsOrMoreToRun) {
    writeConfig(5);
    createWindows();
    openOn(0);
    currentDate = GregorianDate{10, 3, 0, 2012};
    recomputeCurrentDay();
    click("myButton2");
    form3->Timer1Timer();  // spin 3
    form3->FormKeyDown(39);
    EXPECT_EQ(currentDate, (GregorianDate{10, 3, 0, 2012}));
    form3->Timer1Timer();  // spin 2
    form3->FormKeyDown(39);
    EXPECT_EQ(currentDate, (GregorianDate{10, 3, 0, 2012}));
    form3->Timer1Timer();  // spin 1
    ASSERT_EQ(spin, 1);
    form3->FormKeyDown(39);
    EXPECT_EQ(currentDate, (GregorianDate{11, 3, 0, 2012}));
    EXPECT_EQ(currentDay, computeCalendarDay(currentDate));
    runFade();
    _expstate = 99;
    form3->FormKeyDown(37);
    EXPECT_EQ(currentDate, (GregorianDate{10, 3, 0, 2012}));
    EXPECT_EQ(_expstate, 1);  // the mode on show was drawn again
    EXPECT_FALSE(form3->Timer1->isActive());  // keys start no fade
}

TEST_F(FullScreenTest, KeyPressesOnTheWindowReachItsKeyHandler) {
    writeConfig(5);
    createWindows();
    openOn(0);
    currentDate = GregorianDate{10, 3, 0, 2012};
    recomputeCurrentDay();
    QKeyEvent left(QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier);
    QCoreApplication::sendEvent(form3, &left);
    EXPECT_TRUE(left.isAccepted());
    EXPECT_EQ(currentDate, (GregorianDate{9, 3, 0, 2012}));
    QKeyEvent letter(QEvent::KeyPress, Qt::Key_B, Qt::NoModifier);
    QCoreApplication::sendEvent(form3, &letter);
    EXPECT_FALSE(letter.isAccepted());
    EXPECT_EQ(currentDate, (GregorianDate{9, 3, 0, 2012}));
}

TEST_F(FullScreenTest, AKeyLeavesTheRequestedModeAsItWas) {
    writeConfig(0);
    createWindows();
    makeReady();
    // The face opens the tone page; the user then goes to the plasma page.
    form1->Image1MouseDown(Qt::LeftButton, 230, 180);
    ASSERT_EQ(form1->STATE, 12);
    ASSERT_TRUE(form3->isVisible());
    runFade();
    EXPECT_EQ(fullmodeState, 1);
    click("myButton4");
    runFade();
    ASSERT_EQ(fullmodeState, 3);
    form3->FormKeyDown(39);
    EXPECT_EQ(_newstate, 3);
    runFade();
    EXPECT_EQ(fullmodeState, 3);
}

TEST_F(FullScreenTest, ClicksOnTheWindowHideItOnlyBelowTheStrip) {
    createWindows();
    makeReady();
    form1->Image1MouseDown(Qt::LeftButton, 160, 220);  // plasma page from the face
    ASSERT_EQ(form1->STATE, 32);
    runFade();
    form1->xl->setText("hint");
    form3->FormMouseDown(Qt::LeftButton, {}, 400, 50);
    EXPECT_TRUE(form3->isVisible());
    EXPECT_EQ(form1->STATE, 32);
    form3->FormMouseDown(Qt::LeftButton, {}, 400, 51);
    EXPECT_FALSE(form3->isVisible());
    EXPECT_EQ(form1->STATE, 0);
    EXPECT_EQ(form1->xl->text(), "");
    // Hidden, it fades to the blank mode and stops.
    EXPECT_EQ(_newstate, 10);
    EXPECT_TRUE(form3->Timer1->isActive());
    runFade();
    EXPECT_EQ(fullmodeState, 10);
}

TEST_F(FullScreenTest, RightClicksOpenTheDateDialogOnTheCurrentDate) {
    createWindows();
    openOn(2);
    currentDate = GregorianDate{25, 7, 0, 2015};
    form3->FormMouseDown(Qt::RightButton, {}, 300, 20);
    ASSERT_TRUE(form2->isVisible());
    EXPECT_EQ(form2->sp3->value(), 2015);
    EXPECT_EQ(form2->sp2->value(), 7);
    EXPECT_EQ(form2->sp1->value(), 25);
    form2->hide();
    currentDate = GregorianDate{3, 11, 0, 1999};
    form3->pbxMouseDown(Qt::RightButton, {}, 120, 340);
    ASSERT_TRUE(form2->isVisible());
    EXPECT_EQ(form2->sp1->value(), 3);
    EXPECT_EQ(form2->sp2->value(), 11);
    EXPECT_EQ(phx, 120);
    EXPECT_EQ(phy, 340);
    EXPECT_TRUE(form3->isVisible());
    // A left click on the picture hides the window.
    form3->pbxMouseDown(Qt::LeftButton, {}, 10, 10);
    EXPECT_FALSE(form3->isVisible());
}

TEST_F(FullScreenTest, HelpPagesTurnWithAnyClick) {
    writeConfig(0, 3);
    createWindows();
    openOn(0);
    click("SpeedButton1");
    runFade();
    ASSERT_EQ(fullmodeState, 19);
    currentDate = GregorianDate{1, 1, 0, 2020};
    form3->pbxMouseDown(Qt::RightButton, {}, 5, 5);  // the right button turns too
    EXPECT_FALSE(form2->isVisible());
    EXPECT_EQ(_newstate, 25);
    runFade();
    form3->pbxMouseDown(Qt::LeftButton, {}, 5, 5);
    EXPECT_EQ(_newstate, 26);
    runFade();
    EXPECT_TRUE(form3->isVisible());
    // Past the last page the dispatcher asks for the first again.
    form3->pbxMouseDown(Qt::LeftButton, {}, 5, 5);
    EXPECT_EQ(_newstate, 27);
    runFade();
    EXPECT_EQ(fullmodeState, 19);
    EXPECT_FALSE(logWritten());
    // From mode 46 on a click only draws the page again.
    fullmodeState = 46;
    _newstate = 46;
    form3->pbxMouseDown(Qt::LeftButton, {}, 5, 5);
    EXPECT_EQ(_newstate, 46);
    EXPECT_TRUE(form3->Timer1->isActive());
    EXPECT_TRUE(form3->isVisible());
}

TEST_F(FullScreenTest, WithOneHelpPageTheFirstClickComesBackToIt) {
    writeConfig(3, 1);
    createWindows();
    openOn(19);
    form3->pbxMouseDown(Qt::LeftButton, {}, 5, 5);
    EXPECT_EQ(_newstate, 25);
    runFade();
    EXPECT_EQ(fullmodeState, 19);
    EXPECT_FALSE(form3->Timer1->isActive());
}

TEST_F(FullScreenTest, CompactWindowOpensTheWindowAndGetsItsStateBack) {
    createWindows();
    makeReady();
    form1->Image1MouseDown(Qt::LeftButton, 320, 240);  // the oracle
    EXPECT_EQ(form1->STATE, 1);
    EXPECT_TRUE(form3->isVisible());
    EXPECT_TRUE(form3->Timer1->isActive());
    runFade();
    EXPECT_EQ(fullmodeState, 4);
    form3->pbxMouseDown(Qt::LeftButton, {}, 100, 100);
    EXPECT_FALSE(form3->isVisible());
    EXPECT_EQ(form1->STATE, 0);
    // The face is live again: a glyph opens the window once more.
    runFade();
    form1->Image1MouseDown(Qt::LeftButton, 230, 230);  // the seal page
    EXPECT_EQ(form1->STATE, 22);
    EXPECT_TRUE(form3->isVisible());
    runFade();
    EXPECT_EQ(fullmodeState, 2);
    // Closing sets the mode to none and the compact state back.
    form3->close();
    EXPECT_EQ(form1->STATE, 0);
    EXPECT_FALSE(form3->isVisible());
    EXPECT_EQ(_newstate, 10);
    EXPECT_EQ(fullmodeState, -1);
    // The compact window's own button opens the day view.
    runFade();
    form1->myButton1Click();
    EXPECT_TRUE(form3->isVisible());
    runFade();
    EXPECT_EQ(fullmodeState, 0);
}

TEST_F(FullScreenTest, DateDialogRepaintsTheModeOnShow) {
    createWindows();
    openOn(0);
    const QImage before = form3->pbx->picture().image().copy();
    form2->openFor(GregorianDate{4, 5, 0, 2010});
    _expstate = 99;
    form2->yesClick();
    EXPECT_EQ(_expstate, 0);
    EXPECT_NE(form3->pbx->picture().image(), before);  // another kin, another day view
    EXPECT_EQ(currentDate, (GregorianDate{4, 5, 0, 2010}));
    _expstate = 99;
    form2->todaybClick();
    EXPECT_EQ(_expstate, 0);
    EXPECT_EQ(form3->pbx->picture().image(), before);
    EXPECT_EQ(currentDate, todayDate);
}

TEST_F(FullScreenTest, EveryShowReadsTheConfiguration) {
    createWindows();
    // Settings saved since the start (by hand, or by another copy of the
    // program) count from the next show on.
    writeFile("conf.dat", "Y\r\nY\r\nY\r\nY\r\nY\r\n7\r\nN\r\nN\r\nY\r\nN\r\nN\r\n0\r\n0\r\nx\r\n3\r\n");
    settings()._spconst = 77;
    openOn(0);
    EXPECT_EQ(settings()._spconst, 7);
    EXPECT_EQ(settings()._hlpcount, 3);
    EXPECT_TRUE(recorded().messages.empty());
}

TEST_F(FullScreenTest, ConfigurationDialogDisablesTheWindowWhileOpen) {
    createWindows();
    openOn(3);
    form4->show();
    EXPECT_FALSE(form3->isEnabled());
    form4->hide();
    EXPECT_TRUE(form3->isEnabled());
    EXPECT_EQ(_newstate, 0);
    EXPECT_TRUE(form3->Timer1->isActive());
    runFade();
    EXPECT_EQ(fullmodeState, 0);
}

TEST_F(FullScreenTest, AClosedWindowOfAModeStaysClosedAndAViewComesBack) {
    createWindows();
    for (const char* button : {"Button5", "configs"}) {
        SCOPED_TRACE(button);
        openOn(3);
        QWidget* window = std::string(button) == "Button5" ? static_cast<QWidget*>(form5) : form4;
        click(button);
        runFade();
        ASSERT_TRUE(window->isVisible());
        EXPECT_FALSE(form3->isEnabled());
        window->hide();
        EXPECT_TRUE(form3->isEnabled());
        runFade();
        // The day view, not the blank picture of the window's mode.
        EXPECT_EQ(fullmodeState, 0);
        const QImage dayView = form3->pbx->picture().image().copy();
        paintall(0, 255);
        EXPECT_EQ(dayView, viewPicture().image().copy(0, 0, 670, 540));
        // Neither a key nor the date dialog brings the window back.
        form3->FormKeyDown(39);
        form2->openFor(GregorianDate{4, 5, 0, 2010});
        form2->yesClick();
        form3->FormKeyDown(37);
        runFade();
        EXPECT_FALSE(window->isVisible());
    }
    EXPECT_FALSE(logWritten());
}

TEST_F(FullScreenTest, AtSpeedOneTheConfigurationDialogCanBeClosed) {
    writeConfig(1);
    createWindows();
    openOn(0);
    click("configs");
    runFade();
    ASSERT_TRUE(form4->isVisible());
    EXPECT_FALSE(form3->isEnabled());
    EXPECT_EQ(fullmodeState, 20);
    form4->hide();  // the dialog closes: back to the day view
    EXPECT_TRUE(form3->isEnabled());
    runFade();
    EXPECT_EQ(fullmodeState, 0);
    EXPECT_FALSE(form4->isVisible());
    EXPECT_TRUE(form3->isEnabled());
}

TEST_F(FullScreenTest, SavingTransitionsOffDuringTheFadeIntoTheDialog) {
    writeConfig(5);
    createWindows();
    openOn(0);
    click("configs");
    form3->Timer1Timer();  // the dialog opens as the fade begins
    ASSERT_TRUE(form4->isVisible());
    ASSERT_EQ(spin, 3);
    form4->cb1->setChecked(false);
    form4->BitBtn1Click();  // save and close while the fade runs
    ASSERT_EQ(settings()._spconst, 0);
    std::vector<int> levels;
    for (int i = 0; i < 5 && form3->Timer1->isActive(); ++i) {
        form3->Timer1Timer();
        levels.push_back(_trc);
    }
    // The fade into the dialog's mode ends as it began; the day view then
    // comes at once, as transitions are off now.
    EXPECT_EQ(levels, (std::vector<int>{153, 204, 255, 255}));
    EXPECT_FALSE(form3->Timer1->isActive());
    EXPECT_EQ(fullmodeState, 0);
    EXPECT_FALSE(form4->isVisible());
    EXPECT_FALSE(logWritten());
}

TEST_F(FullScreenTest, AFailingPictureGivesOneBox) {
    writeConfig(1);
    createWindows();
    // The day's seal picture (seal 20 is picture 0).
    ASSERT_TRUE(std::filesystem::remove(path("graphic/" + std::to_string(currentDay.sign % 20) + "Y.bmp")));
    int ticksInBox = 0;
    platform::setMessageHandler([&](const std::string& m) {
        recorded().messages.push_back(m);
        // The timer keeps firing while the box waits.
        for (int i = 0; i < 3; ++i) form3->Timer1Timer();
        ++ticksInBox;
    });
    fullScreen().show();
    _newstate = 2;  // the seal page: its picture is missing
    spin = 0;
    EXPECT_EQ(runFade(), 1);
    EXPECT_EQ(recorded().messages, std::vector<std::string>{"ERROR! ERROR CODE:101"});
    EXPECT_EQ(ticksInBox, 1);
    EXPECT_FALSE(form3->Timer1->isActive());
}

TEST_F(FullScreenTest, NoTickWhileAMessageBoxIsOpen) {
    createWindows();
    // A damaged conf.dat is reported while the window is shown; its timer
    // already runs then, and would fire behind the box.
    writeFile("conf.dat", "Y\r\n");
    int ticksInBox = 0;
    platform::setMessageHandler([&](const std::string& m) {
        recorded().messages.push_back(m);
        const auto mode = fullmodeState;
        form3->Timer1Timer();
        form3->Timer1Timer();
        ticksInBox += fullmodeState != mode;
    });
    fullScreen().show();
    EXPECT_EQ(recorded().messages, std::vector<std::string>{"ERROR! ERROR CODE:108"});
    EXPECT_EQ(ticksInBox, 0);
    EXPECT_EQ(fullmodeState, -1);
    EXPECT_NE(readFile("errorlog1.err").find("ERROR SENDER:fullmode window show\r\n"), std::string::npos);
}

TEST_F(FullScreenTest, ReportPrintsTheWindowState) {
    createWindows();
    openOn(1);
    form3->pbxMouseDown(Qt::RightButton, {}, 17, 23);
    lastHint = "a hint";
    const auto report = buildErrorReport(109, "timer fail", {});
    auto has = [&](const std::string& line) {
        return std::find(report.begin(), report.end(), line) != report.end();
    };
    EXPECT_TRUE(has("FULLMODE STATE:1"));
    EXPECT_TRUE(has("phx:17"));
    EXPECT_TRUE(has("phy:23"));
    EXPECT_TRUE(has("a hint"));
    lastHint.clear();
}

}  // namespace
}  // namespace kl::test
