#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>

#include <climits>
#include <cstdlib>

#include <tuple>

#include "core/moonmask.h"
#include "core/state.h"
#include "data/settings.h"
#include "platform/system.h"
#include "ui/compactfixture.h"

namespace kl::test {
namespace {

GregorianDate date(int d, int m, int y) {
    return GregorianDate{static_cast<std::uint8_t>(d), static_cast<std::uint8_t>(m), 0, y};
}

// --- Start-up and the loader ------------------------------------------------

TEST_F(CompactTest, StartsWithTodayAndTheSmallFrame) {
    createWindows(false);
    EXPECT_EQ(form1->STATE, -101);
    EXPECT_EQ(currentDate, platform::systemToday());
    EXPECT_EQ(todayDate, currentDate);
    EXPECT_EQ(currentDay, computeCalendarDay(currentDate));
    EXPECT_EQ(form1->size(), QSize(600, 450));
    // The window is cut to the emblem of the small frame.
    EXPECT_EQ(form1->mask().boundingRect(), QRect(0, 0, 80, 80));
    EXPECT_FALSE(logWritten());
}

// What the face picture and the window shape are when Image1 first paints.
class FirstPaint : public QObject {
public:
    explicit FirstPaint(TForm1& form) : form_(form) {}
    int paints = 0;
    std::int32_t state = 0;
    platform::Rgb seal, background;
    QRect shape;
    bool othersThere = false;

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint && paints++ == 0) {
            state = form_.STATE;
            seal = form_.Image1->picture.pixel(260, 258);
            background = form_.Image1->picture.pixel(10, 440);
            shape = form_.mask().boundingRect();
            othersThere = windows().form2 != nullptr;
        }
        return false;
    }

private:
    TForm1& form_;
};

TEST_F(CompactTest, TheFirstFrameIsTheWholeFace) {
    createWindows(false);
    FirstPaint watch(*form1);
    form1->Image1->installEventFilter(&watch);
    form1->show();
    for (int i = 0; i < 50 && watch.paints == 0; ++i) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    ASSERT_GT(watch.paints, 0);
    EXPECT_EQ(watch.state, 0);
    // The seal glyph in hot rectangle 2, on the full face picture, in the
    // shape traced from the face's outline.
    EXPECT_EQ(watch.seal, (platform::Rgb{200, 30, 30}));
    EXPECT_EQ(watch.background, (platform::Rgb{20, 10, 60}));
    EXPECT_EQ(watch.shape, QRect(20, 20, 560, 410));
    EXPECT_EQ(form1->faceRegion.boundingRect(), QRect(20, 20, 560, 410));
    EXPECT_EQ(form1->dotRegion, QRegion(0, 0, 1, 1));
    EXPECT_FALSE(form1->Timer1->isActive());  // the timer is the hints' alone
    EXPECT_FALSE(logWritten());
}

TEST_F(CompactTest, StartedFaceFirstTheOtherWindowsFollowTheFirstFrame) {
    writeFile("conf.dat", "Y\r\nN\r\n");  // damaged: the dialog reports it, once
    program = std::make_unique<ProgramWindows>(ProgramWindows::Start::faceFirst);
    form1 = program->form1.get();
    FirstPaint watch(*form1);
    form1->Image1->installEventFilter(&watch);
    int before = 0;
    ASSERT_TRUE(program->start([&] { ++before; }));
    EXPECT_FALSE(program->othersMade());
    for (int i = 0; i < 50 && !program->othersMade(); ++i) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    ASSERT_GT(watch.paints, 0);
    EXPECT_EQ(watch.state, 0);
    EXPECT_EQ(watch.seal, (platform::Rgb{200, 30, 30}));
    EXPECT_FALSE(watch.othersThere);
    ASSERT_TRUE(program->othersMade());
    EXPECT_EQ(before, 1);
    EXPECT_EQ(windows().form6, program->form6.get());
    EXPECT_EQ(recorded().messages.size(), 1u);
    EXPECT_EQ(recorded().terminateRequests, 0);
}

TEST_F(CompactTest, StartedFaceFirstAClickBeforeTheOtherWindowsFindsThem) {
    program = std::make_unique<ProgramWindows>(ProgramWindows::Start::faceFirst);
    form1 = program->form1.get();
    ASSERT_TRUE(program->start());
    ASSERT_FALSE(program->othersMade());
    // A plain click on the face opens the date dialog, which must be there.
    const QPointF at(200, 400);
    QMouseEvent press(QEvent::MouseButtonPress, at, form1->Image1->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, at, form1->Image1->mapToGlobal(at), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(form1->Image1, &press);
    EXPECT_TRUE(program->othersMade());
    QApplication::sendEvent(form1->Image1, &release);
    ASSERT_NE(program->form2, nullptr);
    EXPECT_TRUE(program->form2->isVisible());
}

TEST_F(CompactTest, MissingFacePictureLeavesTheSmallFrameSilently) {
    for (const char* missing : {"graphic/pyrA0.bmp", "graphic/pyr0.bmp"}) {
        SCOPED_TRACE(missing);
        std::filesystem::rename(path(missing), path("aside.bmp"));
        createWindows();
        EXPECT_EQ(form1->STATE, -101);
        EXPECT_EQ(form1->mask().boundingRect(), QRect(0, 0, 80, 80));
        EXPECT_EQ(form1->Image1->picture.pixel(300, 300), (platform::Rgb{40, 40, 90}));  // frameclr's
        program.reset();
        std::filesystem::rename(path("aside.bmp"), path(missing));
    }
    EXPECT_FALSE(logWritten());
}

TEST_F(CompactTest, MissingStartPictureIsReportedOnceAndEndsTheProgram) {
    std::filesystem::remove(path("graphic/frame1.bmp"));
    createWindows(false);
    EXPECT_TRUE(logWritten());
    EXPECT_EQ(recorded().messages, std::vector<std::string>{"ERROR! ERROR CODE:104"});
    EXPECT_EQ(recorded().terminateRequests, 1);
    const std::string report = readFile("errorlog1.err");
    EXPECT_NE(report.find("ERROR SENDER:kestral window\r\n"), std::string::npos);
}

TEST_F(CompactTest, AFailureWhileFirstShownEndsTheProgram) {
    // The lists of the settings read the text database when the compact
    // window is first shown; a database that cannot be read is reported
    // there, and the event loop must then not keep the program running.
    writeUnreadable("BASE.DRS");
    createWindows(false);
    QTimer giveUp;  // ends a loop that should never have started
    giveUp.setSingleShot(true);
    QObject::connect(&giveUp, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    giveUp.start(3000);
    EXPECT_EQ(program->run(), 1);
    EXPECT_EQ(recorded().messages, std::vector<std::string>{"ERROR! ERROR CODE:101"});
    EXPECT_GE(recorded().terminateRequests, 1);
    EXPECT_NE(readFile("errorlog1.err").find("ERROR SENDER:readtext in kestral"), std::string::npos);
}

TEST_F(CompactTest, AFailureWhileRunningEndsTheProgramWithStatus1) {
    createWindows(false);
    // The application's own ending, not the recorder's.
    platform::TerminateHandler recorder = platform::setTerminateHandler({});
    QTimer::singleShot(0, [] { reportFailure(109, "timer fail"); });
    QTimer giveUp;
    giveUp.setSingleShot(true);
    QObject::connect(&giveUp, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    giveUp.start(3000);
    const int status = program->run();
    QCoreApplication::processEvents();  // the queued second request, with no loop left to end
    platform::setTerminateHandler(std::move(recorder));
    EXPECT_EQ(status, 1);
    EXPECT_EQ(recorded().messages, std::vector<std::string>{"ERROR! ERROR CODE:109"});
}

TEST_F(CompactTest, DamagedConfigurationIsReportedOnceAndTheProgramGoesOn) {
    writeFile("conf.dat", "Y\r\nN\r\n");
    createWindows();
    EXPECT_EQ(recorded().messages.size(), 1u);
    EXPECT_EQ(recorded().terminateRequests, 0);
    EXPECT_EQ(form1->STATE, 0);
}

// --- The state machine and the hot rectangles -------------------------------

TEST_F(CompactTest, WithoutTheFullFaceAPressOnlyOpensTheDateDialog) {
    std::filesystem::remove(path("graphic/pyr0.bmp"));
    createWindows();
    form1->Image1MouseDown(Qt::LeftButton, 260, 258);
    form1->Image1MouseUp(Qt::LeftButton, 260, 258);
    EXPECT_EQ(fullScreenShows, 0);
    EXPECT_EQ(form1->STATE, -101);
    EXPECT_TRUE(form2->isVisible());
}

TEST_F(CompactTest, HotRectanglesOpenTheirModesEdgesIncluded) {
    createWindows();
    makeReady();
    struct Case { int x, y, state, mode; };
    const Case cases[] = {{226, 177, 12, 1}, {298, 217, 12, 1}, {226, 222, 22, 2}, {298, 294, 22, 2},
                          {310, 231, 1, 4},  {370, 291, 1, 4},  {154, 218, 32, 3}, {208, 272, 32, 3}};
    for (const Case& c : cases) {
        form1->STATE = 0;
        _newstate = 99;
        const int shows = fullScreenShows;
        form1->Image1MouseDown(Qt::LeftButton, c.x, c.y);
        EXPECT_EQ(form1->STATE, c.state) << c.x << "," << c.y;
        EXPECT_EQ(_newstate, c.mode) << c.x << "," << c.y;
        EXPECT_EQ(fullScreenShows, shows + 1);
        EXPECT_TRUE(form1->moved);
        form1->Image1MouseUp(Qt::LeftButton, c.x, c.y);
        EXPECT_FALSE(form2->isVisible());
    }
    // Just outside rectangle 1: a press that starts a drag.
    form1->STATE = 0;
    form1->Image1MouseDown(Qt::LeftButton, 225, 177);
    EXPECT_EQ(form1->STATE, 0);
    EXPECT_TRUE(form1->move);
}

TEST_F(CompactTest, FullScreenRectangleOpensTheDayViewWithoutChangingTheState) {
    createWindows();
    makeReady();
    _newstate = 9;
    form1->Image1MouseDown(Qt::LeftButton, 285, 70);
    EXPECT_EQ(fullScreenShows, 1);
    EXPECT_EQ(_newstate, 0);
    EXPECT_EQ(form1->STATE, 0);
}

TEST_F(CompactTest, ADragMovesTheWindowAndDoesNotOpenTheDialog) {
    createWindows();
    makeReady();
    const QPoint start = form1->pos();
    form1->Image1MouseDown(Qt::LeftButton, 100, 100);
    form1->Image1MouseMove(110, 105);
    EXPECT_EQ(form1->pos(), start + QPoint(10, 5));
    form1->Image1MouseUp(Qt::LeftButton, 110, 105);
    EXPECT_FALSE(form2->isVisible());
    EXPECT_FALSE(form1->move);
    EXPECT_FALSE(form1->moved);
}

TEST_F(CompactTest, APlainClickOnAHintAreaOpensThePresetDateDialog) {
    createWindows();
    makeReady();
    currentDate = date(5, 3, 2004);
    form1->Image1MouseDown(Qt::LeftButton, 420, 240);  // rectangle 5
    form1->Image1MouseUp(Qt::LeftButton, 420, 240);
    ASSERT_TRUE(form2->isVisible());
    EXPECT_EQ(form2->sp3->value(), 2004);
    EXPECT_EQ(form2->sp2->value(), 3);
    EXPECT_EQ(form2->sp1->value(), 5);
    EXPECT_EQ(form2->windowTitle(), "05.03.2004");
}

TEST_F(CompactTest, StateActionRepaintsOnlyAtRest) {
    createWindows();
    makeReady();
    form1->Image1->picture.fill({1, 2, 3});
    form1->PAINTALL(5);
    EXPECT_EQ(form1->Image1->picture.pixel(10, 440), (platform::Rgb{1, 2, 3}));
    form1->PAINTALL(-101);
    EXPECT_EQ(form1->Image1->picture.pixel(10, 440), (platform::Rgb{20, 10, 60}));
    form1->Image1->picture.fill({1, 2, 3});
    form1->PAINTALL(0);
    EXPECT_EQ(form1->Image1->picture.pixel(10, 440), (platform::Rgb{20, 10, 60}));
    spin = 4;
    form1->PAINTALL(2);
    EXPECT_EQ(spin, 0);
    EXPECT_EQ(_newstate, 0);
    EXPECT_EQ(fullScreenShows, 1);
}

// --- Keys -------------------------------------------------------------------

TEST_F(CompactTest, KeysStepTheDate) {
    createWindows();
    makeReady();
    struct Case { int key; bool swap; int days; };
    const Case cases[] = {{39, false, 1},  {33, false, 1},  {37, false, -1}, {34, false, -1},
                          {39, true, -1},  {33, true, -1},  {37, true, 1},   {34, true, 1},
                          {188, false, -28}, {190, false, 28}, {188, true, -28}, {190, true, 28},
                          {65, false, 0}};
    for (const Case& c : cases) {
        currentDate = date(15, 6, 2010);
        settings()._Swapbtn = c.swap;
        form1->FormKeyDown(c.key);
        EXPECT_EQ(currentDate, stepDate(date(15, 6, 2010), c.days)) << c.key << " swap " << c.swap;
        if (c.days != 0) {
            EXPECT_EQ(currentDay, computeCalendarDay(currentDate));
        }
    }
}

TEST_F(CompactTest, PeriodOnTheLastOfJanuaryLandsOnTheTwentyEighthOfFebruary) {
    createWindows();
    makeReady();
    currentDate = date(31, 1, 2004);
    form1->FormKeyDown(190);
    EXPECT_EQ(currentDate, date(28, 2, 2004));
}

TEST_F(CompactTest, EscapeClosesTheWindow) {
    createWindows();
    makeReady();
    form1->FormKeyDown(27);
    EXPECT_TRUE(form1->closed);
    EXPECT_FALSE(form1->isVisible());
}

TEST_F(CompactTest, KeyPressesOnTheWindowReachItsKeyHandler) {
    createWindows();
    makeReady();
    currentDate = date(15, 6, 2010);
    settings()._Swapbtn = false;
    QKeyEvent right(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
    QCoreApplication::sendEvent(form1, &right);
    EXPECT_TRUE(right.isAccepted());
    EXPECT_EQ(currentDate, date(16, 6, 2010));
    // A key the window does not use goes on to the widget, which ignores it.
    QKeyEvent letter(QEvent::KeyPress, Qt::Key_B, Qt::NoModifier);
    QCoreApplication::sendEvent(form1, &letter);
    EXPECT_FALSE(letter.isAccepted());
    EXPECT_EQ(currentDate, date(16, 6, 2010));
}

// --- Hints ------------------------------------------------------------------

int colourDistance(platform::Rgb a, platform::Rgb b) {
    return std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b);
}

// Runs the timer until the hint has faded; returns the colours it showed.
std::vector<platform::Rgb> fadeOut(TForm1* form1) {
    std::vector<platform::Rgb> seen;
    for (int ticks = 0; form1->Timer1->isActive() && ticks < 200; ++ticks) {
        form1->Timer1Timer();
        seen.push_back(form1->hintColour());
    }
    return seen;
}

TEST_F(CompactTest, HintRisesOutOfTheFaceAndSinksBackIntoIt) {
    createWindows();
    makeReady();
    const platform::Rgb face{20, 10, 60};  // the stand-in face under the label
    form1->Image1MouseMove(340, 260);      // rectangle 3
    EXPECT_EQ(form1->sym, 1);
    EXPECT_EQ(form1->xl->text(), "L393");
    EXPECT_TRUE(form1->Timer1->isActive());
    EXPECT_TRUE(form1->xl->isVisible());
    EXPECT_EQ(form1->hintColour(), face);
    const std::vector<platform::Rgb> seen = fadeOut(form1);
    // Eleven ticks up to the full colour, fifty-five down, one to stop.
    ASSERT_EQ(seen.size(), 67u);
    for (int i = 1; i <= 10; ++i) EXPECT_GT(colourDistance(seen[i], face), colourDistance(seen[i - 1], face)) << i;
    EXPECT_EQ(seen[10], (platform::Rgb{245, 90, 75}));  // brightest
    for (int i = 12; i < 67; ++i) EXPECT_LE(colourDistance(seen[i], face), colourDistance(seen[i - 1], face)) << i;
    EXPECT_EQ(seen.back(), face);
    EXPECT_EQ(form1->sym, 0);
    EXPECT_FALSE(form1->xl->isVisible());
}

TEST_F(CompactTest, FadedHintLeavesTheFaceAsItWas) {
    // A face with stars and a gradient under the label, where no single
    // text colour could match every pixel.
    QImage face(600, 450, QImage::Format_RGB888);
    for (int y = 0; y < 450; ++y)
        for (int x = 0; x < 600; ++x) face.setPixel(x, y, qRgb(20 + x / 10, 10, 60 + y / 8));
    for (int k = 0; k < 40; ++k) face.setPixel(250 + 7 * k % 150, 54 + 5 * k % 14, qRgb(230, 230, 250));
    ASSERT_TRUE(face.save(QString::fromStdString(path("graphic/pyr0.bmp")), "BMP"));
    createWindows();
    makeReady();
    const QRect under(240, 45, 220, 30);
    const QImage before = form1->grab(under).toImage();
    form1->Image1MouseMove(340, 260);
    for (int i = 0; i < 11; ++i) form1->Timer1Timer();
    EXPECT_NE(form1->grab(under).toImage(), before) << "the hint does not show at its brightest";
    fadeOut(form1);
    EXPECT_EQ(form1->grab(under).toImage(), before) << "the faded hint is still visible";
}

TEST_F(CompactTest, AFadedHintComesBackOnlyWhenThePointerReturns) {
    createWindows();
    makeReady();
    form1->Image1MouseMove(340, 260);
    fadeOut(form1);
    ASSERT_EQ(form1->sym, 0);
    // One pixel further inside the same area: the hint stays gone.
    form1->Image1MouseMove(341, 260);
    EXPECT_EQ(form1->sym, 0);
    EXPECT_FALSE(form1->Timer1->isActive());
    EXPECT_FALSE(form1->xl->isVisible());
    // Out of the area and back in: it shows again.
    form1->Image1MouseMove(100, 120);
    form1->Image1MouseMove(341, 261);
    EXPECT_EQ(form1->sym, 1);
    EXPECT_TRUE(form1->xl->isVisible());
    fadeOut(form1);
    // The same for a button: resting on it does not restart its hint.
    form1->myButton1MouseMove();
    EXPECT_EQ(form1->sym, 7);
    fadeOut(form1);
    form1->myButton1MouseMove();
    EXPECT_EQ(form1->sym, 0);
    EXPECT_FALSE(form1->xl->isVisible());
    form1->Image1MouseMove(250, 60);  // off the button, onto the face
    form1->myButton1MouseMove();
    EXPECT_EQ(form1->sym, 7);
    EXPECT_EQ(form1->xl->text(), "L413");
}

TEST_F(CompactTest, HintAreasInTheirOrderAndButtons) {
    createWindows();
    makeReady();
    const std::pair<QPoint, std::pair<int, const char*>> cases[] = {
        {{340, 260}, {1, "L393"}}, {{260, 190}, {2, "L394"}}, {{260, 250}, {3, "L395"}},
        {{180, 240}, {4, "L396"}}, {{300, 350}, {5, "L398"}}, {{420, 240}, {6, "L397"}}};
    for (const auto& [point, expected] : cases) {
        form1->Image1MouseMove(point.x(), point.y());
        EXPECT_EQ(form1->sym, expected.first);
        EXPECT_EQ(form1->xl->text(), expected.second);
    }
    // Moving within the same area does not restart the fade.
    form1->Timer1Timer();
    const platform::Rgb c = form1->hintColour();
    form1->Image1MouseMove(421, 241);
    EXPECT_EQ(form1->hintColour(), c);
    form1->myButton1MouseMove();
    EXPECT_EQ(form1->sym, 7);
    EXPECT_EQ(form1->xl->text(), "L413");
    form1->myButton2MouseMove();
    EXPECT_EQ(form1->xl->text(), "L399");
}

TEST_F(CompactTest, ButtonsOpenTheFullScreenWindowAndEndTheProgram) {
    createWindows();
    makeReady();
    spin = 3;
    _newstate = 5;
    form1->myButton1Click();
    EXPECT_EQ(fullScreenShows, 1);
    EXPECT_EQ(spin, 0);
    EXPECT_EQ(_newstate, 0);
    EXPECT_TRUE(form1->moved);
    form1->myButton2Click();
    EXPECT_TRUE(form1->closed);
}

// --- The face ---------------------------------------------------------------

bool rowsHaveText(const platform::Picture& p, int top, int bottom, platform::Rgb background) {
    for (int y = top; y <= bottom; ++y)
        for (int x = 130; x < 470; ++x)
            if (!(p.pixel(x, y) == background)) return true;
    return false;
}

TEST_F(CompactTest, DayOutOfTimeShowsItsTextInsteadOfTheMoonLinesAndPlasma) {
    createWindows();
    makeReady();
    const platform::Rgb bg{20, 10, 60};
    currentDate = date(24, 7, 2010);
    recomputeCurrentDay();
    const platform::Picture before = form1->Image1->picture;
    EXPECT_TRUE(rowsHaveText(before, 97, 110, bg));
    EXPECT_EQ(before.pixel(175, 240), (platform::Rgb{200, 200, 30}));  // the plasma glyph
    currentDate = date(25, 7, 2010);
    recomputeCurrentDay();
    const platform::Picture& dot = form1->Image1->picture;
    EXPECT_FALSE(rowsHaveText(dot, 97, 112, bg));   // no moon lines
    EXPECT_TRUE(rowsHaveText(dot, 117, 128, bg));   // L419 in font 5
    EXPECT_EQ(dot.pixel(175, 240), bg);            // no plasma glyph
    EXPECT_EQ(dot.pixel(260, 258), (platform::Rgb{200, 30, 30}));  // the seal is drawn as usual
    EXPECT_TRUE(rowsHaveText(dot, 296, 306, bg));  // and the affirmation
}

TEST_F(CompactTest, ToneAndSealLineSplitsWhenWiderThan217Pixels) {
    // Kin 230 (seal 10, tone 9, word form 0): tone word line 125, seal name line 90.
    const auto faceRows = [this](const std::string& toneWord, const std::string& seal) {
        std::vector<std::string> lines(669);
        lines[125] = toneWord;
        lines[90] = seal;
        writeDatabase(lines);
        currentDate = date(21, 8, 2001);
        recomputeCurrentDay();
        return rowsHaveText(form1->Image1->picture, 172, 180, {20, 10, 60});
    };
    createWindows();
    makeReady();
    EXPECT_FALSE(faceRows("Short", "Dog"));
    EXPECT_TRUE(faceRows("Extraordinarily long tone", "and a long seal name"));
}

TEST_F(CompactTest, FaceFailureIsReportedWithItsCode) {
    createWindows();
    makeReady();
    std::filesystem::remove(path("graphic/9Y.bmp"));  // kin 9's large seal... any seal of the day
    for (int s = 0; s < 20; ++s) std::filesystem::remove(path("graphic/" + std::to_string(s) + "Y.bmp"));
    form1->PAINTALL(0);
    EXPECT_EQ(recorded().messages, std::vector<std::string>{"ERROR! ERROR CODE:101"});
    EXPECT_NE(readFile("errorlog1.err").find("ERROR SENDER:DRAWSIGNP in kestral"), std::string::npos);
    EXPECT_EQ(recorded().terminateRequests, 1);
}

// --- The date dialog --------------------------------------------------------

// Types into a field as the user does: everything selected, then the keys.
void typeInto(QWidget* field, const QString& text) {
    QKeyEvent all(QEvent::KeyPress, Qt::Key_A, Qt::ControlModifier);
    QApplication::sendEvent(field, &all);
    QKeyEvent del(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier);
    QApplication::sendEvent(field, &del);
    for (const QChar c : text) {
        QKeyEvent key(QEvent::KeyPress, c.isDigit() ? Qt::Key_0 + c.digitValue() : Qt::Key_Minus,
                      Qt::NoModifier, QString(c));
        QApplication::sendEvent(field, &key);
    }
}

void pressEnter(QWidget* w) {
    QKeyEvent key(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(w, &key);
}

TEST_F(CompactTest, DateDialogRefusesImpossibleDatesAndSaysWhy) {
    createWindows();
    makeReady();
    const GregorianDate before = date(10, 10, 2010);
    struct Case { const char* day; const char* month; const char* year; const char* complaint; };
    const Case cases[] = {{"31", "4", "2004", "L702 30"}, {"30", "2", "2004", "L702 29"},
                          {"32", "1", "2004", "L702 31"}, {"1", "1", "0", "L700"},
                          {"1", "1", "", "L700"},         {"5", "", "2004", "L701"},
                          {"", "5", "2004", "L702 31"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.day) + "." + c.month + "." + c.year);
        currentDate = before;
        form2->openFor(before);
        typeInto(form2->sp3, c.year);
        typeInto(form2->sp2, c.month);
        typeInto(form2->sp1, c.day);
        pressEnter(form2->sp1);
        EXPECT_EQ(currentDate, before);
        EXPECT_TRUE(form2->isVisible());
        EXPECT_EQ(form2->complaint->text().toStdString(), c.complaint);
        form2->yesClick();  // the button refuses it alike
        EXPECT_TRUE(form2->isVisible());
        // A correction clears the complaint.
        typeInto(form2->sp3, "2004");
        EXPECT_TRUE(form2->complaint->text().isEmpty());
        form2->noClick();
    }
    // A year below 1 cannot even be typed or spun.
    form2->openFor(date(1, 1, 1));
    form2->sp3->stepDown();
    EXPECT_EQ(form2->sp3->value(), 1);
    typeInto(form2->sp3, "-5");
    EXPECT_FALSE(form2->sp3->text().startsWith('-')) << form2->sp3->text().toStdString();
    form2->noClick();
}

TEST_F(CompactTest, DateDialogConfirmsWithEnterInAnyField) {
    createWindows();
    makeReady();
    for (QSpinBox* field : {form2->sp1, form2->sp2, form2->sp3}) {
        currentDate = date(10, 10, 2010);
        form2->openFor(currentDate);
        typeInto(form2->sp3, "2147483647");
        typeInto(form2->sp2, "12");
        typeInto(form2->sp1, "31");
        pressEnter(field);
        EXPECT_EQ(currentDate, date(31, 12, INT32_MAX));
        EXPECT_FALSE(form2->isVisible());
    }
    form2->openFor(date(3, 3, 2003));
    pressEnter(form2);  // on the dialog itself
    EXPECT_EQ(currentDate, date(3, 3, 2003));
    EXPECT_FALSE(form2->isVisible());
}

TEST_F(CompactTest, DateDialogShowsEveryDigitOfTheLargestYear) {
    createWindows();
    makeReady();
    form2->openFor(date(31, 12, INT32_MAX));
    QSpinBox* year = form2->sp3;
    EXPECT_EQ(year->text(), "2147483647");
    EXPECT_LE(year->sizeHint().width(), year->width());
    // Nothing overlaps and everything stays inside the dialog.
    const QList<QWidget*> controls = {form2->sp1, form2->sp2, form2->sp3,   form2->lp1,
                                      form2->lp2, form2->lp3, form2->yes,   form2->no,
                                      form2->todayb, form2->complaint};
    for (QWidget* a : controls) {
        EXPECT_TRUE(form2->rect().contains(a->geometry())) << a->metaObject()->className();
        for (QWidget* b : controls)
            if (a != b) {
                EXPECT_FALSE(a->geometry().intersects(b->geometry()))
                    << a->x() << "," << a->y() << " and " << b->x() << "," << b->y();
            }
    }
    if (const char* shots = std::getenv("KL_SHOT_DIR")) {
        typeInto(form2->sp1, "31");
        typeInto(form2->sp2, "4");
        form2->yesClick();
        form2->grab().save(QString("%1/date_dialog.png").arg(shots));
    }
    form2->noClick();
}

TEST_F(CompactTest, KeysDoNothingAtTheEndsOfTheYears) {
    createWindows();
    makeReady();
    for (const auto& [start, key] : {std::pair{date(31, 12, INT32_MAX), 39}, {date(20, 12, INT32_MAX), 190},
                                     {date(1, 1, 1), 37}, {date(10, 1, 1), 188}}) {
        currentDate = start;
        currentDay = CalendarDay{};
        form1->FormKeyDown(key);
        EXPECT_EQ(currentDate, start) << key;
        EXPECT_EQ(currentDay, CalendarDay{}) << "nothing recomputed";
    }
    currentDate = date(30, 12, INT32_MAX);
    form1->FormKeyDown(39);
    EXPECT_EQ(currentDate, date(31, 12, INT32_MAX));
    currentDate = date(2, 1, 1);
    form1->FormKeyDown(37);
    EXPECT_EQ(currentDate, date(1, 1, 1));
}

TEST_F(CompactTest, DateDialogAcceptsTheTwentyNinthAndLargeYears) {
    createWindows();
    makeReady();
    pb2ys = 4;
    form2->openFor(date(1, 1, 2001));
    form2->sp1->setValue(29);
    form2->sp2->setValue(2);
    form2->sp3->setValue(2001);
    form2->yesClick();
    EXPECT_EQ(currentDate, date(29, 2, 2001));
    EXPECT_EQ(currentDay, computeCalendarDay(date(28, 2, 2001)));
    EXPECT_EQ(pb2ys, 0);
    form2->openFor(date(1, 1, 2001));
    form2->sp3->setValue(1'000'000);
    form2->yesClick();
    EXPECT_EQ(currentDate.year, 1'000'000);
    EXPECT_FALSE(form2->isVisible());
}

TEST_F(CompactTest, DateDialogCaptionAndToday) {
    createWindows();
    makeReady();
    form2->openFor(date(5, 3, 2004));
    EXPECT_EQ(form2->windowTitle(), "05.03.2004");
    EXPECT_EQ(form2->yes->text(), "L167");
    EXPECT_EQ(form2->lp1->text(), "L422");
    form2->sp1->setValue(12);
    EXPECT_EQ(form2->windowTitle(), "12.03.2004");
    currentDate = date(5, 3, 2004);
    form2->todaybClick();
    EXPECT_EQ(currentDate, todayDate);
    EXPECT_FALSE(form2->isVisible());
    form2->openFor(date(7, 7, 2007));
    form2->noClick();
    EXPECT_EQ(currentDate, todayDate);
}

}  // namespace
}  // namespace kl::test
