// The print manager window driven through its handlers.
#include <gtest/gtest.h>

#include <QApplication>
#include <QWindow>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProgressBar>
#include <QSpinBox>
#include <QTextBlock>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "platform/widgets/mybutton.h"
#include "print/script.h"
#include "print/scriptfile.h"
#include "printui/printuifixture.h"
#include "ui/fullscreen/fullstate.h"
#include "ui/fullscreen/viewexport.h"

namespace kl::test {
namespace {

using Lines = std::vector<std::string>;

bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

int whitePixels(const platform::Picture& p) {
    int n = 0;
    for (int y = 0; y < p.height(); ++y)
        for (int x = 0; x < p.width(); ++x) n += p.pixel(x, y) == platform::Rgb{255, 255, 255};
    return n;
}

int countOf(const Lines& lines, const std::string& line) {
    return static_cast<int>(std::count(lines.begin(), lines.end(), line));
}

class LineBuilder : public PrintUiTest {};

TEST_F(LineBuilder, TextWithoutAClickIsCentredAtTheTop) {
    const Lines before = memoLines();
    form->mb4Click();
    EXPECT_EQ(form->editorState, 1);
    EXPECT_FALSE(form->mb4->isEnabled());
    form->sr->setText("Hello");
    form->mb7Click();
    EXPECT_EQ(form->editorState, 2);
    form->mb7Click();
    EXPECT_EQ(form->sr->text().toStdString(), "TEXT 0 0 cnt 'Hello'");
    EXPECT_EQ(memoLines(), before);  // not in the script yet
    EXPECT_TRUE(form->mb4->isEnabled());
    form->mb7Click();
    Lines after = before;
    after.push_back("TEXT 0 0 cnt 'Hello'");
    EXPECT_EQ(memoLines(), after);
}

TEST_F(LineBuilder, AClickPlacesThroughTheZoom) {
    form->mb4Click();
    form->sr->setText("Hi");
    form->mb7Click();
    form->state.viewZoom = 2.0;
    form->pbMouseDown(Qt::LeftButton, 100, 50);
    EXPECT_EQ(form->sr->text().toStdString(), "X:200 Y:100");
    form->pbMouseUp(Qt::LeftButton, 100, 50);
    form->mb7Click();
    EXPECT_EQ(form->sr->text().toStdString(), "TEXT 200 100 rgt 'Hi'");
}

TEST_F(LineBuilder, MoonStepsAndACancelledColourKeepsTheLookStep) {
    form->mb9Click();
    EXPECT_EQ(form->editorState, 6);
    EXPECT_EQ(form->sr->text().toStdString(), "50");
    form->sr->setText("25");
    form->mb7Click();
    EXPECT_EQ(form->editorState, 7);
    EXPECT_EQ(form->sr->text().toStdString(), "IMAGE");
    form->sr->setText("blue");
    form->mb7Click();  // colour dialog cancelled
    EXPECT_EQ(colourRequests, 1);
    EXPECT_EQ(form->editorState, 7);
    EXPECT_EQ(form->sr->text().toStdString(), "100");
    colours.push_back(platform::Rgb{10, 20, 30});
    form->mb7Click();
    EXPECT_EQ(form->editorState, 8);
    form->sr->setText("80");
    form->mb7Click();
    EXPECT_EQ(form->editorState, 9);
    form->pbMouseDown(Qt::LeftButton, 30, 40);
    form->mb7Click();
    EXPECT_EQ(form->sr->text().toStdString(), "MOON 30 40 80 25 10 20 30");
    EXPECT_EQ(form->editorState, 0);
}

TEST_F(LineBuilder, FontLineFromTheDialog) {
    fonts.push_back(platform::FontChoice{"DejaVu Sans", 12, -16, true, false, {255, 0, 8}});
    form->mb6Click();
    EXPECT_EQ(form->sr->text().toStdString(), "FONT 12 -16 255 0 8 bld nrm DejaVu Sans");
    EXPECT_EQ(form->state.pageFont.face, "DejaVu Sans");
    EXPECT_TRUE(form->lb1->font().bold());
    // The finished line reads back as the same font.
    const auto f = print::parseFont(form->sr->text().toStdString());
    ASSERT_TRUE(f);
    EXPECT_EQ(f->height, -16);
    EXPECT_EQ(f->face, "DejaVu Sans");
}

TEST_F(LineBuilder, PictureBesideTheProgramIsNamedRelatively) {
    writePicture("star.bmp", 8, 8, {200, 0, 0});
    files.push_back(platform::FileChoice{path("graphic/star.bmp"), 1});
    form->mb8Click();
    EXPECT_EQ(form->editorState, 5);
    form->pbMouseDown(Qt::LeftButton, 12, 14);
    // The preview drew the picture at the click.
    EXPECT_EQ(form->page.pixel(12 + 4, 14 + 4), (platform::Rgb{200, 0, 0}));
    form->mb7Click();
    EXPECT_EQ(form->sr->text().toStdString(), "PICT 12 14 200 0 0 rgt 'graphic\\star.bmp'");
    // A cancelled picture dialog leaves the builder idle.
    form->mb8Click();
    EXPECT_EQ(form->editorState, 0);
    EXPECT_TRUE(form->mb8->isEnabled());
}

// Exports --------------------------------------------------------------------

class Exports : public PrintUiTest {};

// The views whose export writes more than its header today.
constexpr bool kDrawnView[9] = {true, true, true, true, true, true, false, false, true};

TEST_F(Exports, EveryButtonWritesItsViewAndClearsTheExportFlag) {
    struct Case {
        int mode;
        const char* header;
        int w, h;
    };
    const Case cases[9] = {{0, "[Day info script]", 380, 380}, {1, "[Tone info script]", 670, 550},
                           {2, "[Sign info script]", 670, 550}, {3, "[Plasm info script]", 670, 550},
                           {4, "[Oracle script]", 670, 550},    {6, "[Wave script]", 670, 550},
                           {7, "[Moon script]", 670, 550},      {9, "[Year script]", 740, 550},
                           {14, "[Book of kins script]", 670, 540}};
    for (int i = 0; i < 9; ++i) {
        const Case& c = cases[i];
        SCOPED_TRACE(c.header);
        for (const bool easy : {false, true}) {
            form->exportClick(i, easy);
            EXPECT_FALSE(_Export);
            const Lines lines = memoLines();
            ASSERT_FALSE(lines.empty());
            EXPECT_EQ(lines.front(), c.header);
            if (kDrawnView[i]) EXPECT_GT(lines.size(), 3u);
            if (!easy) {
                // Exactly the view's script as the dispatcher writes it.
                ScriptSink sink;
                _TEXTGRAPHIC = true;
                exportView(c.mode, sink);
                EXPECT_EQ(lines, sink.lines);
                EXPECT_EQ(form->state.canvasWidth(), c.w);
                EXPECT_EQ(form->state.canvasHeight(), c.h);
                EXPECT_EQ(form->spw->value(), c.w);
            }
            // The page bitmap is the page, whatever fitting did.
            EXPECT_EQ(form->page.width(), form->state.canvasWidth());
            EXPECT_EQ(form->page.height(), form->state.canvasHeight());
            // An export is a fresh script: the next one asks nothing.
            EXPECT_TRUE(questions.empty());
        }
    }
}

TEST_F(Exports, ExportedPagesDrawWithoutFailures) {
    for (int i = 0; i < 9; ++i) {
        form->exportClick(i, false);
        recorded().messages.clear();
        form->mb3Click();
        EXPECT_TRUE(recorded().messages.empty()) << i << ": " << recorded().messages.front();
        if (kDrawnView[i]) EXPECT_LT(whitePixels(form->page), form->page.width() * form->page.height()) << i;
    }
}

TEST_F(Exports, TextmodeDecidesTheYearLine) {
    form->CheckBox1->setChecked(false);
    form->CheckBox1Click();
    EXPECT_FALSE(_TEXTGRAPHIC);
    form->exportClick(7, false);
    EXPECT_EQ(countOf(memoLines(), kYearLine), 0);
    // Something else set the flag meanwhile: the box still decides.
    form->CheckBox1->setChecked(true);
    form->CheckBox1Click();
    EXPECT_TRUE(_TEXTGRAPHIC);
    _TEXTGRAPHIC = false;
    form->exportClick(7, false);
    EXPECT_TRUE(_TEXTGRAPHIC);
    EXPECT_EQ(countOf(memoLines(), kYearLine), 1);
}

TEST_F(Exports, EasyButtonFitsThePageToThePaper) {
    form->easyMode = true;
    form->exportClick(1, true);  // 670 x 550 grows once towards 2048 x 1536
    EXPECT_EQ(form->state.canvasWidth(), 1340);
    EXPECT_EQ(form->state.canvasHeight(), 1100);
    EXPECT_EQ(form->page.width(), 1340);
    EXPECT_EQ(form->state.progressMode, 0);
    EXPECT_FALSE(form->prg->isVisible());
    EXPECT_FALSE(form->scriptChanged());
    // The script was rewritten: its first FONT line doubled.
    const Lines lines = memoLines();
    EXPECT_EQ(countOf(lines, "/[AFTER RESIZE]"), 0);
}

// Running scripts ---------------------------------------------------------------

class Running : public PrintUiTest {};

TEST_F(Running, ATypoIsMarkedAndTheRunGoesOn) {
    form->spw->setValue(200);
    form->sph->setValue(100);
    setMemo({"[Main script]", "FONT 0 -20 255 0 0 thn nrm DejaVu Sans", "TEXT x 10 rgt 'typo'",
             "TEXT 10 40 rgt 'after'", "TEXT 10 x rgt 'again'"});
    form->mb3Click();
    EXPECT_EQ(recorded().terminateRequests, 0);
    ASSERT_EQ(recorded().messages.size(), 1u);  // one box for the whole run
    EXPECT_TRUE(contains(recorded().messages[0], "Syntax error at line 2"));
    EXPECT_TRUE(contains(recorded().messages[0], "L757 2. L758")) << recorded().messages[0];
    const Lines lines = memoLines();
    EXPECT_EQ(countOf(lines, std::string(print::kMarkerBefore)), 2);
    // The line after the typo was drawn: red ink on the page.
    bool red = false;
    for (int y = 40; y < 70 && !red; ++y)
        for (int x = 10; x < 80 && !red; ++x) red = form->page.pixel(x, y).r > 200 && form->page.pixel(x, y).g < 80;
    EXPECT_TRUE(red);
    // The caret stands on the first marked line.
    EXPECT_EQ(form->Memo1->textCursor().block().text().toStdString(), "TEXT x 10 rgt 'typo'");
    // The next run removes the markers and marks again.
    recorded().messages.clear();
    form->mb3Click();
    EXPECT_EQ(countOf(memoLines(), std::string(print::kMarkerBefore)), 2);
    EXPECT_EQ(memoLines().size(), lines.size());
}

TEST_F(Running, DoubleAndHalfRescaleTheScriptAndThePage) {
    form->spw->setValue(380);
    form->sph->setValue(380);
    setMemo({"[Main script]", "TEXT 10 15 cnt 'A'", "MOON 5 7 40 50 IMAGE"});
    form->myButton1Click();
    EXPECT_EQ(form->page.width(), 760);
    EXPECT_EQ(form->spw->value(), 760);
    EXPECT_EQ(memoLines(), (Lines{"[Main script]", "TEXT 20 30 cnt 'A'", "MOON 10 14 80 50 IMAGE"}));
    form->myButton5Click();
    EXPECT_EQ(form->page.width(), 380);
    EXPECT_EQ(memoLines(), (Lines{"[Main script]", "TEXT 10 15 cnt 'A'", "MOON 5 7 40 50 IMAGE"}));
}

TEST_F(Running, APageTooLargeIsRefusedAndNothingChanges) {
    form->spw->setValue(16384);
    form->sph->setValue(16384);  // 2^28 pixels
    EXPECT_EQ(recorded().messages.back(), print::kTooLargeMessage);
    EXPECT_EQ(form->page.width(), 16384);
    EXPECT_EQ(form->page.height(), 1024);
    EXPECT_EQ(form->sph->value(), 1024);
    recorded().messages.clear();
    setMemo({"TEXT 1 1 rgt 'A'"});
    form->myButton1Click();  // 32768 wide
    EXPECT_EQ(form->page.width(), 16384);
    EXPECT_EQ(memoLines(), (Lines{"TEXT 1 1 rgt 'A'"}));
    EXPECT_FALSE(recorded().messages.empty());
}

TEST_F(Running, BlackAndWhiteTurnsThePageGrey) {
    form->easyMode = false;
    form->spw->setValue(60);
    form->sph->setValue(40);
    form->state.background = {255, 0, 0};
    form->myButton28Click();
    EXPECT_TRUE(form->state.monoMode);
    EXPECT_EQ(form->page.pixel(10, 10), (platform::Rgb{85, 85, 85}));
    EXPECT_EQ(form->page.pixel(0, 0), (platform::Rgb{255, 0, 0}));  // the first row and column keep theirs
    form->myButton28Click();
    EXPECT_EQ(form->page.pixel(10, 10), (platform::Rgb{255, 0, 0}));
}

// In easy mode the switch fits the page again (here: no printer, so the
// fitted 1520 x 1520 day page stays that size) and its label follows.
TEST_F(Running, BlackAndWhiteInEasyModeRefitsThePageAndSaysSo) {
    writeAllSigns();
    form->paperQuery = [] { return std::optional<print::PaperSize>{}; };
    form->exportClick(0, true);
    ASSERT_EQ(form->page.width(), 1520);
    const platform::Rgb seal = form->page.pixel(760, 760);
    ASSERT_FALSE(seal.r == seal.g && seal.g == seal.b) << "the day's seal is in colour";
    form->myButton28Click();
    EXPECT_EQ(form->monoLabel->text().toStdString(), "black and white: on");
    EXPECT_EQ(form->page.width(), 1520);
    for (const auto& [x, y] : std::vector<std::pair<int, int>>{{760, 760}, {300, 900}, {1200, 400}}) {
        const platform::Rgb p = form->page.pixel(x, y);
        EXPECT_TRUE(p.r == p.g && p.g == p.b) << x << "," << y;
    }
    form->myButton28Click();
    EXPECT_EQ(form->monoLabel->text().toStdString(), "black and white: off");
    EXPECT_EQ(form->page.pixel(760, 760), seal);
    EXPECT_FALSE(form->busy());
}

TEST_F(Running, ZoomStaysWithinTheShownLimits) {
    for (int i = 0; i < 100; ++i) form->mb11Click();
    EXPECT_GE(form->pb->width(), 1);
    EXPECT_GE(form->pb->height(), 1);
    EXPECT_TRUE(std::isfinite(form->state.viewZoom));
    for (int i = 0; i < 200; ++i) form->myButton3Click();
    EXPECT_LE(form->pb->width(), 32767);
    EXPECT_LE(form->pb->height(), 32767);
    EXPECT_GT(form->state.viewZoom, 0.0);
    form->myButton4Click();
    EXPECT_EQ(form->state.viewZoom, 1.0);
    EXPECT_EQ(form->pb->width(), form->page.width());
}

TEST_F(Running, ShowingKeepsThePageSize) {
    form->spw->setValue(300);
    form->sph->setValue(200);
    form->FormShow();
    EXPECT_EQ(form->state.canvasWidth(), 300);
    EXPECT_EQ(form->state.canvasHeight(), 200);
    form->myButton1Click();
    EXPECT_EQ(form->page.width(), 600);
}

TEST_F(Running, CommandsWaitWhileAScriptRuns) {
    setMemo({"[Main script]", "TEXT 1 1 rgt 'a'", "TEXT 1 20 rgt 'b'", "TEXT 1 40 rgt 'c'"});
    const Lines script = memoLines();
    bool ranDuring = false, closed = true;
    int widthDuring = 0;
    // A timer fires while the run lets events through: every command it
    // tries is refused.
    QTimer::singleShot(0, form.get(), [&] {
        ranDuring = form->busy();
        form->exportClick(0, false);
        form->mb1Click();
        form->myButton1Click();
        widthDuring = form->page.width();
        closed = form->close();
    });
    form->show();
    form->mb3Click();
    EXPECT_TRUE(ranDuring);
    EXPECT_FALSE(closed);
    EXPECT_EQ(widthDuring, 768);
    EXPECT_EQ(memoLines(), script);
    EXPECT_TRUE(fileRequests.empty());
    EXPECT_FALSE(form->busy());
    EXPECT_TRUE(form->close());
}

// Script files and the changed-script question ----------------------------------------

class ScriptFiles : public PrintUiTest {};

TEST_F(ScriptFiles, SaveAndLoadRoundTrip) {
    const Lines script{"[Main script]", "FONT 0 -20 0 0 0 thn nrm DejaVu Sans", "", "TEXT 10 20 cnt 'Привет'",
                       "/note"};
    setMemo(script);
    files.push_back(platform::FileChoice{path("page"), 2});
    form->mb2Click();
    // The file carries the page size after the script's headers.
    Lines saved = script;
    saved.insert(saved.begin() + 1, "/[PAGE 768 1024]");
    EXPECT_EQ(readFile("page.spt"), print::scriptBytes(saved));
    EXPECT_FALSE(form->scriptChanged());
    EXPECT_EQ(memoLines(), script) << "the editor's script stays as typed";
    setMemo({"other"});
    answers.push_back(platform::Answer::No);  // discard "other"
    files.push_back(platform::FileChoice{path("page.spt"), 2});
    form->mb1Click();
    EXPECT_EQ(questions.size(), 1u);
    EXPECT_EQ(memoLines(), saved);
    EXPECT_FALSE(form->scriptChanged());
}

TEST_F(ScriptFiles, ALoadedScriptBringsItsPageSizeBack) {
    form->spw->setValue(380);
    form->sph->setValue(300);
    setMemo({"TEXT 0 0 cnt 'card'"});
    files.push_back(platform::FileChoice{path("card.spt"), 2});
    form->mb2Click();
    form->spw->setValue(100);
    form->sph->setValue(100);
    files.push_back(platform::FileChoice{path("card.spt"), 2});
    form->mb1Click();
    EXPECT_EQ(form->page.width(), 380);
    EXPECT_EQ(form->page.height(), 300);
    EXPECT_EQ(form->spw->value(), 380);
    EXPECT_EQ(form->sph->value(), 300);
    // A size no page can have is not taken.
    writeFile("huge.spt", "/[PAGE 99999 10]\r\nTEXT 0 0 cnt 'x'\r\n");
    files.push_back(platform::FileChoice{path("huge.spt"), 2});
    form->mb1Click();
    EXPECT_EQ(form->page.width(), 380);
    EXPECT_TRUE(recorded().messages.empty());
}

// The dialog's answer is the file: one that differs in letter case only is
// neither loaded nor overwritten in its place.
TEST_F(ScriptFiles, TheChosenNameIsTakenExactly) {
    writeFile("card.spt", "TEXT 0 0 cnt 'mine'\r\n");
    setMemo({"new"});
    files.push_back(platform::FileChoice{path("CARD.spt"), 2});
    form->mb2Click();
    EXPECT_EQ(readFile("card.spt"), "TEXT 0 0 cnt 'mine'\r\n");
    EXPECT_EQ(readFile("CARD.spt"), "/[PAGE 768 1024]\r\nnew\r\n");
    files.push_back(platform::FileChoice{path("Card.SPT"), 2});
    form->mb1Click();
    ASSERT_EQ(recorded().messages.size(), 1u);
    EXPECT_TRUE(contains(recorded().messages[0], "L746\n")) << recorded().messages[0];
    EXPECT_EQ(memoLines(), Lines{"new"});
    // A folder under the name is refused, and the message says why.
    std::filesystem::create_directory(path("folder.spt"));
    files.push_back(platform::FileChoice{path("folder.spt"), 2});
    form->mb2Click();
    ASSERT_EQ(recorded().messages.size(), 2u);
    EXPECT_TRUE(contains(recorded().messages[1], "it is not a file, a device or a pipe")) << recorded().messages[1];
}

TEST_F(ScriptFiles, UnencodableCharactersAreNamedBeforeSaving) {
    setMemo({"TEXT 0 0 cnt '中 ok'"});
    files.push_back(platform::FileChoice{path("a.spt"), 2});
    answers.push_back(platform::Answer::No);
    form->mb2Click();
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_TRUE(contains(questions[0], "U+4E2D 中"));
    EXPECT_FALSE(std::filesystem::exists(path("a.spt")));
    EXPECT_TRUE(form->scriptChanged());
    files.push_back(platform::FileChoice{path("a.spt"), 2});
    answers.push_back(platform::Answer::Yes);
    form->mb2Click();
    EXPECT_EQ(readFile("a.spt"), "/[PAGE 768 1024]\r\nTEXT 0 0 cnt '? ok'\r\n");
}

TEST_F(ScriptFiles, FailuresSaySo) {
    files.push_back(platform::FileChoice{path("missing.spt"), 2});
    form->mb1Click();
    ASSERT_EQ(recorded().messages.size(), 1u);
    EXPECT_TRUE(contains(recorded().messages[0], "L746\n")) << recorded().messages[0];
    setMemo({"x"});
    files.push_back(platform::FileChoice{path("no-such-folder/a.spt"), 2});
    form->mb2Click();
    ASSERT_EQ(recorded().messages.size(), 2u);
    EXPECT_TRUE(contains(recorded().messages[1], "L747\n")) << recorded().messages[1];
    EXPECT_TRUE(form->scriptChanged());
    // A control character in the name is shown escaped: the message stays one visible line.
    files.push_back(platform::FileChoice{path("no-such-folder/a\x01\nb.spt"), 2});
    form->mb2Click();
    ASSERT_EQ(recorded().messages.size(), 3u);
    EXPECT_TRUE(contains(recorded().messages[2], "a\\x01\\nb.spt: ")) << recorded().messages[2];
    EXPECT_FALSE(contains(recorded().messages[2], "\x01"));
    EXPECT_EQ(recorded().terminateRequests, 0);
}

TEST_F(ScriptFiles, SavedYearScriptCarriesItsSubScript) {
    form->spw->setValue(200);
    form->sph->setValue(100);
    form->state.script.lines = {"[Year script]", "FONT 0 -14 0 0 255 thn nrm DejaVu Sans", kYearLine,
                                "TEXT 10 60 rgt 'title'"};
    form->state.script.yearExportList = {"FONT 0 -14 255 0 0 thn nrm DejaVu Sans", "TEXT 10 10 rgt 'grid'",
                                         "MOON 100 10 30 40 IMAGE"};
    form->mb3Click();
    const platform::Picture withYear = form->page;
    files.push_back(platform::FileChoice{path("year.spt"), 2});
    form->mb2Click();
    const Lines saved = print::scriptLines(readFile("year.spt"));
    EXPECT_EQ(saved, (Lines{"[Year script]", "/[PAGE 200 100]", "FONT 0 -14 0 0 255 thn nrm DejaVu Sans",
                            "FONT 0 -14 255 0 0 thn nrm DejaVu Sans", "TEXT 10 10 rgt 'grid'",
                            "MOON 100 10 30 40 IMAGE", "TEXT 10 60 rgt 'title'"}));
    // The saved script draws the same page on its own.
    form->state.script.yearExportList.clear();
    files.push_back(platform::FileChoice{path("year.spt"), 2});
    answers.push_back(platform::Answer::No);
    form->mb1Click();
    form->mb3Click();
    EXPECT_TRUE(withYear.image() == form->page.image());
    EXPECT_TRUE(recorded().messages.empty());
}

// The question about the script is the print manager's own box, whichever
// window is active (the compact window when the program is being ended), so
// it never brings another window over the script it asks about.
TEST_F(ScriptFiles, TheChangedScriptQuestionIsAskedOverThePrintManager) {
    QWidget other;
    other.show();
    form->show();
    setMemo({"my own line"});
    other.activateWindow();
    const platform::QuestionHandler test = platform::setQuestionHandler({});
    QWidget* parent = nullptr;
    QWindow* transient = nullptr;
    QTimer::singleShot(0, [&] {
        QWidget* box = QApplication::activeModalWidget();
        if (!box) return;
        parent = box->parentWidget();
        transient = box->windowHandle() ? box->windowHandle()->transientParent() : nullptr;
        box->close();  // Cancel
    });
    EXPECT_FALSE(form->confirmDiscard());
    platform::setQuestionHandler(test);
    EXPECT_EQ(parent, form.get());
    EXPECT_EQ(transient, form->windowHandle());
    EXPECT_EQ(memoLines(), Lines{"my own line"});
}

TEST_F(ScriptFiles, ChangedScriptAsksBeforeItIsReplaced) {
    // Untouched: no question.
    form->exportClick(0, false);
    EXPECT_TRUE(questions.empty());
    // Edited, then Cancel: the edit stays.
    setMemo({"my own line"});
    form->exportClick(0, false);
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_EQ(memoLines(), Lines{"my own line"});
    // Yes: saved first, then replaced.
    answers.push_back(platform::Answer::Yes);
    files.push_back(platform::FileChoice{path("mine.spt"), 2});
    form->exportClick(0, false);
    EXPECT_EQ(readFile("mine.spt"), "/[PAGE 380 380]\r\nmy own line\r\n");
    EXPECT_EQ(memoLines().front(), "[Day info script]");
    // Yes but the save is cancelled: nothing replaced.
    setMemo({"second"});
    answers.push_back(platform::Answer::Yes);
    form->mb1Click();
    EXPECT_EQ(memoLines(), Lines{"second"});
    // Quitting asks the same.
    answers.push_back(platform::Answer::Cancel);
    EXPECT_FALSE(form->confirmDiscard());
    answers.push_back(platform::Answer::No);
    EXPECT_TRUE(form->confirmDiscard());
}

// The page picture ---------------------------------------------------------------

class PagePicture : public PrintUiTest {};

TEST_F(PagePicture, RightClickSavesTheBitmapUnderTheChosenName) {
    form->spw->setValue(40);
    form->sph->setValue(30);
    files.push_back(platform::FileChoice{path("page"), 3});
    form->pbMouseDown(Qt::RightButton, 5, 5);
    form->pbMouseUp(Qt::RightButton, 5, 5);
    const std::string bytes = readFile("page.ico");
    ASSERT_GT(bytes.size(), 54u);
    EXPECT_EQ(bytes.substr(0, 2), "BM");
    EXPECT_EQ(platform::Picture::load(path("page.ico")).width(), 40);
    EXPECT_FALSE(form->saveRequest);
    // A file that cannot be written says so and leaves nothing behind.
    files.push_back(platform::FileChoice{path("no-such-folder/page.bmp"), 2});
    form->pbMouseDown(Qt::RightButton, 5, 5);
    form->pbMouseUp(Qt::RightButton, 5, 5);
    ASSERT_EQ(recorded().messages.size(), 1u);
    EXPECT_TRUE(contains(recorded().messages[0], "L748\n")) << recorded().messages[0];
}

}  // namespace
}  // namespace kl::test
