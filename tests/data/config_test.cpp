#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

#include <filesystem>

#include "data/conffile.h"
#include "ui/config/tform4.h"
#include "data/settings.h"
#include "platform/fonts.h"
#include "support/testsupport.h"

namespace kl {
namespace {

using test::recorded;

const std::vector<std::string> kFirstFile = {"Y", "Y", "Y", "Y", "Y", "5", "N", "N",
                                             "N", "Y", "N", "5", "2", "",  "1"};

std::string joined(const std::vector<std::string>& lines) {
    std::string s;
    for (const auto& l : lines) s += l + "\r\n";
    return s;
}

class ConfigTest : public test::ProgramDirTest {
protected:
    void SetUp() override {
        ProgramDirTest::SetUp();
        resetSettings();
    }
    void TearDown() override {
        resetSettings();
        ProgramDirTest::TearDown();
    }
    std::vector<std::string> confLines() const {
        std::vector<std::string> lines;
        std::string s = readFile("conf.dat"), line;
        for (char c : s) {
            if (c == '\n') {
                lines.push_back(line);
                line.clear();
            } else if (c != '\r') {
                line += c;
            }
        }
        EXPECT_TRUE(line.empty()) << "last line without its line end";
        return lines;
    }
    void writeConf(std::vector<std::string> lines) { writeFile("conf.dat", joined(lines)); }
    // A database whose lines 637..668 are "T<n>", with Russian entries for the lists.
    void writeTextBase() {
        std::vector<std::string> lines(670);
        for (int n = 637; n <= 668; ++n) lines[n] = "T" + std::to_string(n);
        for (int i = 0; i < 7; ++i) lines[658 + i] = "формат " + std::to_string(i);
        lines[666] = "Линейный";
        lines[667] = "Плавный";
        writeLines("BASE.DRS", lines);
    }
};

TEST_F(ConfigTest, FirstLoadCreatesTheFileFromTheInitialValues) {
    TForm4 form;
    form.load();
    EXPECT_EQ(readFile("conf.dat"), joined(kFirstFile));
    EXPECT_TRUE(settings()._Yshine && settings()._Yline && settings()._Yfigure && settings()._Sfigure && settings()._SFX);
    EXPECT_FALSE(settings()._Swapbtn);
    EXPECT_EQ(settings()._spconst, 5);
    EXPECT_EQ(settings()._Mmodel, 2);  // the sky's moon, as the shipped file has it
    EXPECT_FALSE(settings()._Mlinear);
    EXPECT_TRUE(recorded().messages.empty());
}

TEST_F(ConfigTest, AFileMadeAnewCountsTheHelpPagesThere) {
    for (const char* page : {"hlp1.dat", "hlp2.dat", "HLP3.DAT", "hlp5.dat"}) writeFile(page, "x\r\n");
    TForm4 form;
    form.load();
    EXPECT_EQ(confLines()[14], "3") << "pages 1 to 3, without a gap";
    EXPECT_EQ(settings()._hlpcount, 3);
    std::filesystem::remove(path("conf.dat"));
    settings()._hlpcount = 1;
    loadConfWithoutDialog();
    EXPECT_EQ(settings()._hlpcount, 3);
}

TEST_F(ConfigTest, SavedValuesComeBackInAnotherDialog) {
    {
        TForm4 form;
        form.cb2->setChecked(false);
        form.cb6->setChecked(true);
        form.cb7->setChecked(true);
        form.cb9->setChecked(false);
        form.cb10->setChecked(true);
        form.sp->setValue(42);
        form.cbx->setCurrentIndex(2);
        form.cbm->setCurrentIndex(1);
        settings()._signfont = "Знаки";
        settings()._hlpcount = 6;
        form.save();
    }
    EXPECT_EQ(confLines(), (std::vector<std::string>{"N", "Y", "Y", "Y", "Y", "42", "Y", "Y", "N",
                                                     "N", "Y", "2", "1", "\xC7\xED\xE0\xEA\xE8",
                                                     "6"}));
    const std::string saved = readFile("conf.dat");
    resetSettings();
    TForm4 again;
    again.load();
    EXPECT_FALSE(again.cb2->isChecked());
    EXPECT_TRUE(again.cb6->isChecked() && again.cb7->isChecked() && again.cb10->isChecked());
    EXPECT_FALSE(again.cb9->isChecked());
    EXPECT_EQ(again.sp->value(), 42);
    EXPECT_EQ(again.cbx->currentIndex(), 2);
    EXPECT_EQ(again.cbm->currentIndex(), 1);
    EXPECT_EQ(settings()._signfont, "Знаки");
    EXPECT_EQ(settings()._hlpcount, 6);
    EXPECT_FALSE(settings()._Yshine);
    EXPECT_TRUE(settings()._Swapbtn);
    EXPECT_FALSE(settings()._Mlinear);
    again.save();
    EXPECT_EQ(readFile("conf.dat"), saved);
}

TEST_F(ConfigTest, EveryFlagLineSetsItsOwnCheckBox) {
    // One line "Y" at a time among "N"s, read and written back: a swap of
    // two lines in reading or in writing shows as the wrong box or line.
    const int flagLines[] = {0, 1, 2, 3, 4, 6, 7, 8, 9, 10};
    for (int on : flagLines) {
        auto lines = kFirstFile;
        for (int i : flagLines) lines[i] = i == on ? "Y" : "N";
        writeConf(lines);
        TForm4 form;
        form.load();
        const std::pair<QCheckBox*, int> boxes[] = {
            {form.cb2, 0}, {form.cb3, 1}, {form.cb4, 2}, {form.cb5, 3}, {form.cb1, 4},
            {form.cb6, 6}, {form.cb7, 7}, {form.cb8, 8}, {form.cb9, 9}, {form.cb10, 10}};
        for (const auto& [box, line] : boxes)
            EXPECT_EQ(box->isChecked(), line == on) << "line " << on + 1 << " read into "
                                                    << box->text().toStdString();
        std::filesystem::remove(path("conf.dat"));
        form.save();
        EXPECT_EQ(confLines(), lines) << "line " << on + 1;
    }
}

TEST_F(ConfigTest, SaveWritesTheChosenEntryEvenWhenTextsRepeat) {
    // A database whose date formats all read alike and whose moon models
    // are both empty: only the position tells the entries apart.
    std::vector<std::string> lines(670);
    for (int i = 0; i < 7; ++i) lines[658 + i] = "дд.мм";
    writeLines("BASE.DRS", lines);
    {
        TForm4 form;
        form.load();
        form.cbx->setCurrentIndex(3);
        form.cbm->setCurrentIndex(1);
        form.assignv();
        EXPECT_FALSE(settings()._Mlinear);
        form.save();
    }
    EXPECT_EQ(confLines()[11], "3");
    EXPECT_EQ(confLines()[12], "1");
    TForm4 again;
    again.load();
    EXPECT_EQ(again.cbx->currentIndex(), 3);
    EXPECT_EQ(again.cbm->currentIndex(), 1);
    EXPECT_FALSE(settings()._Mlinear);
}

TEST_F(ConfigTest, OnlyACapitalYReadsAsTrue) {
    ConfValues written;
    written.yearShine = true;
    written.yearLine = false;
    EXPECT_EQ(formatConf(written).substr(0, 6), "Y\r\nN\r\n");
    for (const char* text : {"y", "Yes", "", " Y", "YY", "N", "Y"}) {
        auto first = kFirstFile;
        first[0] = text;
        ConfValues v;
        v.yearShine = std::string(text) != "Y";
        parseConf(joined(first), v);
        EXPECT_EQ(v.yearShine, std::string(text) == "Y") << text;
    }

    auto lines = kFirstFile;
    lines[0] = "y";
    lines[1] = "Yes";
    writeConf(lines);
    TForm4 form;
    form.load();
    EXPECT_FALSE(form.cb2->isChecked());
    EXPECT_FALSE(form.cb3->isChecked());
    EXPECT_TRUE(form.cb4->isChecked());
}

TEST_F(ConfigTest, TransitionsOffGiveSpeedZeroButKeepTheSpinValue) {
    auto lines = kFirstFile;
    lines[4] = "N";
    lines[5] = "7";
    writeConf(lines);
    TForm4 form;
    form.load();
    EXPECT_FALSE(settings()._SFX);
    EXPECT_EQ(settings()._spconst, 0);
    EXPECT_EQ(form.sp->value(), 7);
    form.save();
    EXPECT_EQ(confLines()[5], "7");
}

TEST_F(ConfigTest, SpeedOutsideItsRangeTakesTheNearestEnd) {
    auto lines = kFirstFile;
    lines[5] = "250";
    writeConf(lines);
    TForm4 form;
    form.load();
    EXPECT_EQ(form.sp->value(), 99);
}

TEST_F(ConfigTest, MoonModelChoosesTheLinearFlag) {
    TForm4 form;
    form.cbm->setCurrentIndex(1);
    form.assignv();
    EXPECT_FALSE(settings()._Mlinear);
    form.cbm->setCurrentIndex(0);
    form.assignv();
    EXPECT_TRUE(settings()._Mlinear);
    EXPECT_EQ(settings()._Mmodel, 0);
    // The third entry draws the sky's moon with the smooth terminator.
    ASSERT_EQ(form.cbm->count(), 3);
    form.cbm->setCurrentIndex(2);
    form.assignv();
    EXPECT_FALSE(settings()._Mlinear);
    EXPECT_EQ(settings()._Mmodel, 2);
    EXPECT_FALSE(form.cbm->isEditable());
    EXPECT_FALSE(form.cbx->isEditable());
}

struct BadFile {
    const char* what;
    std::vector<std::string> lines;
    int stopLine;
};

void PrintTo(const BadFile& c, std::ostream* os) { *os << c.what; }

class ConfigBadFile : public ConfigTest, public ::testing::WithParamInterface<BadFile> {};

TEST_P(ConfigBadFile, StopsAtTheBadLineKeepingWhatWasReadAndTheRest) {
    const BadFile& c = GetParam();
    writeConf(c.lines);
    TForm4 form;
    // Values the file would change, so that "kept" and "read" differ.
    form.cb2->setChecked(false);
    form.cb10->setChecked(true);
    form.sp->setValue(33);
    form.cbm->setCurrentIndex(1);
    settings()._hlpcount = 9;
    try {
        form.load();
        ADD_FAILURE() << c.what << ": no error";
    } catch (const ConfigError& e) {
        EXPECT_EQ(e.line(), c.stopLine) << c.what;
    }
    EXPECT_EQ(form.cb2->isChecked(), c.stopLine > 1 ? c.lines[0] == "Y" : false) << c.what;
    EXPECT_EQ(form.sp->value(), c.stopLine > 6 ? std::stoi(c.lines[5]) : 33) << c.what;
    EXPECT_EQ(form.cb10->isChecked(), c.stopLine > 11 ? c.lines[10] == "Y" : true) << c.what;
    EXPECT_EQ(form.cbm->currentIndex(), c.stopLine > 13 ? std::stoi(c.lines[12]) : 1) << c.what;
    EXPECT_EQ(settings()._hlpcount, 9) << c.what;
    EXPECT_EQ(readFile("conf.dat"), joined(c.lines)) << c.what << ": the file is left as it was";
}

TEST_P(ConfigBadFile, LeavesNothingBehindInTheTemporaryDirectory) {
    // The test's directory sits straight in the temporary directory, so
    // removing it at the end removes everything the test made.
    namespace fs = std::filesystem;
    const fs::path made(dir);
    EXPECT_EQ(made.parent_path(), (fs::temp_directory_path() / "x").parent_path());
    writeConf(GetParam().lines);
    TearDown();
    EXPECT_FALSE(fs::exists(made));
    SetUp();  // the fixture tears down once more after the test
}

std::vector<std::string> firstWith(int index, const std::string& value) {
    auto lines = kFirstFile;
    lines[index] = value;
    return lines;
}
std::vector<std::string> firstLines(int count) {
    return std::vector<std::string>(kFirstFile.begin(), kFirstFile.begin() + count);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ConfigBadFile,
    ::testing::Values(BadFile{"empty file", {}, 1}, BadFile{"three lines", firstLines(3), 4},
                      BadFile{"ten lines", firstLines(10), 11},
                      BadFile{"no last line", firstLines(14), 15},
                      BadFile{"speed not a number", firstWith(5, "fast"), 6},
                      BadFile{"speed with a tail", firstWith(5, "5x"), 6},
                      BadFile{"date format past its list", firstWith(11, "7"), 12},
                      BadFile{"moon model -1", firstWith(12, "-1"), 13},
                      BadFile{"help count not a number", firstWith(14, "many"), 15},
                      BadFile{"help count too large", firstWith(14, "99999999999"), 15}));

TEST_F(ConfigTest, StartupLoadOfABadFileTellsTheUserOnceAndGoesOn) {
    auto lines = kFirstFile;
    lines[1] = "N";       // read before the bad line: applied
    lines[5] = "oops";    // the bad line
    lines[6] = "Y";       // after it: not read
    writeConf(lines);
    TForm4 form;
    EXPECT_FALSE(form.loadAtStartup());
    ASSERT_EQ(recorded().messages.size(), 1u);
    EXPECT_NE(recorded().messages[0].find("conf.dat"), std::string::npos);
    EXPECT_NE(recorded().messages[0].find("line 6"), std::string::npos);
    EXPECT_EQ(recorded().terminateRequests, 0);
    EXPECT_EQ(recorded().halts, 0);
    EXPECT_FALSE(settings()._Yline);    // from the file
    EXPECT_TRUE(settings()._Yshine);
    EXPECT_EQ(settings()._spconst, 5);  // the spin edit kept its value
    EXPECT_FALSE(settings()._Swapbtn);
    EXPECT_EQ(readFile("conf.dat"), joined(lines));

    std::filesystem::remove(path("conf.dat"));
    recorded().messages.clear();
    EXPECT_TRUE(form.loadAtStartup());
    EXPECT_TRUE(recorded().messages.empty());
}

TEST_F(ConfigTest, ShowingTheDialogWithABadFileIsReported) {
    writeConf(firstWith(11, "12"));
    TForm4 form;
    form.FormShow();
    ASSERT_FALSE(recorded().messages.empty());
    EXPECT_EQ(recorded().messages[0], "ERROR! ERROR CODE:101");
    EXPECT_EQ(recorded().terminateRequests, 1);
    bool found = false;
    for (const auto& entry : std::filesystem::directory_iterator(dir))
        if (entry.path().extension() == ".err")
            found = readFile(entry.path().filename().string()).find("ERROR SENDER:show window  in config") !=
                    std::string::npos;
    EXPECT_TRUE(found);
}

TEST_F(ConfigTest, HidingWithoutSavingAppliesChangesForThisRunOnly) {
    TForm4 form;
    int enabled = 0, disabled = 0, hidden = 0;
    form.setFullScreenEnabled = [&](bool on) { ++(on ? enabled : disabled); };
    form.onHidden = [&] { ++hidden; };
    form.show();  // loads, creating the file
    EXPECT_EQ(disabled, 1);
    const std::string file = readFile("conf.dat");
    form.cb2->setChecked(false);
    form.cb6->setChecked(true);
    form.hide();
    EXPECT_EQ(enabled, 1);
    EXPECT_EQ(hidden, 1);
    EXPECT_FALSE(settings()._Yshine);
    EXPECT_TRUE(settings()._Swapbtn);
    EXPECT_EQ(readFile("conf.dat"), file);
    form.show();  // the next load brings back the saved values
    EXPECT_TRUE(form.cb2->isChecked());
    EXPECT_TRUE(settings()._Yshine);
    form.hide();
}

TEST_F(ConfigTest, SaveAndExitWritesAppliesAndHides) {
    TForm4 form;
    form.show();
    form.cb3->setChecked(false);
    form.BitBtn1->click();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(confLines()[1], "N");
    EXPECT_FALSE(settings()._Yline);
}

TEST_F(ConfigTest, CarriedLinesSurviveManyCycles) {
    auto lines = kFirstFile;
    lines[13] = "Font\x98 \xC6";  // a byte with no character, then a Cyrillic letter
    lines[14] = "12";
    writeFile("conf.dat", joined(lines));
    for (int i = 0; i < 3; ++i) {
        TForm4 form;
        form.load();
        form.cb5->setChecked(i % 2 == 0);
        form.save();
    }
    const auto got = confLines();
    ASSERT_EQ(got.size(), 15u);
    EXPECT_EQ(got[13], lines[13]);
    EXPECT_EQ(got[14], "12");
    EXPECT_EQ(settings()._hlpcount, 12);
}

// No sign font named (a blank line, or no file yet): exports use the
// program's own, and the file keeps its blank line through saves.
TEST_F(ConfigTest, ABlankSignFontFallsBackToTheShippedOneAndStaysBlank) {
    {
        TForm4 first;
        first.load();  // creates the file
        EXPECT_EQ(settings()._signfont, platform::kSignFontFamily);
    }
    EXPECT_EQ(confLines()[13], "");
    auto lines = kFirstFile;
    lines[13] = "  ";
    writeConf(lines);
    resetSettings();
    TForm4 form;
    form.load();
    EXPECT_EQ(settings()._signfont, platform::kSignFontFamily);
    form.cb5->setChecked(false);
    form.save();
    EXPECT_EQ(confLines()[13], "  ");
    // A face the user names is kept, and written when changed.
    settings()._signfont = "Знаки";
    form.save();
    EXPECT_EQ(confLines()[13], "\xC7\xED\xE0\xEA\xE8");
    form.load();
    EXPECT_EQ(settings()._signfont, "Знаки");
}

TEST_F(ConfigTest, AFailedSaveIsReportedAndKeepsTheSettingsInMemory) {
    std::filesystem::create_directory(path("conf.dat"));  // cannot be replaced by a file
    TForm4 form;
    form.cb4->setChecked(false);
    form.save();
    ASSERT_FALSE(recorded().messages.empty());
    EXPECT_EQ(recorded().messages[0], "ERROR! ERROR CODE:101");
    EXPECT_EQ(recorded().terminateRequests, 1);
    EXPECT_FALSE(form.cb4->isChecked());
    EXPECT_FALSE(std::filesystem::exists(path("conf.dat.tmp~")));
}

TEST_F(ConfigTest, WithoutATextBaseTheBuiltInTextsStayAndNothingIsReported) {
    TForm4 form;
    form.FormShow();
    EXPECT_EQ(form.windowTitle(), "Calendar configuration");
    EXPECT_EQ(form.cb1->text(), "Use transition");
    EXPECT_EQ(form.cbx->count(), 7);
    EXPECT_EQ(form.cbx->currentText(), "григорианская дата дд/мм");
    EXPECT_EQ(form.cbm->count(), 3);
    EXPECT_EQ(form.cbm->currentText(), "Астрономическая");
    EXPECT_TRUE(recorded().messages.empty());
}

TEST_F(ConfigTest, CaptionsAndListsComeFromTheTextBase) {
    writeTextBase();
    TForm4 form;
    form.FormShow();
    EXPECT_TRUE(recorded().messages.empty());
    EXPECT_EQ(form.windowTitle(), "T637");
    const std::pair<QWidget*, int> captions[] = {
        {form.cb2, 638}, {form.cb3, 639}, {form.cb4, 640}, {form.cb5, 641}, {form.cb6, 642},
        {form.cb1, 643}, {form.Label1, 644}, {form.BitBtn1, 645}, {form.cb7, 653},
        {form.cb8, 654}, {form.cb9, 655}, {form.l2, 656}, {form.cb10, 657}, {form.l3, 665},
        {form.l4, 668}};
    for (const auto& [w, n] : captions) {
        const QString want = QString("T%1").arg(n);
        if (auto* b = qobject_cast<QAbstractButton*>(w)) {
            EXPECT_EQ(b->text(), want);
        } else if (auto* l = qobject_cast<QLabel*>(w)) {
            EXPECT_EQ(l->text(), want);
        } else {
            ADD_FAILURE() << n;
        }
    }
    ASSERT_EQ(form.cbx->count(), 7);
    EXPECT_EQ(form.cbx->itemText(6), "формат 6");
    EXPECT_EQ(form.cbm->itemText(1), "Плавный");
    // The initial text is not in these lists: the same position stays chosen.
    EXPECT_EQ(form.cbx->currentIndex(), 5);
    EXPECT_EQ(form.cbm->currentIndex(), 2);
    EXPECT_EQ(confLines()[11], "5");
}

TEST_F(ConfigTest, ControlsStayInsideTheDialogAndDoNotOverlap) {
    TForm4 form;
    const QList<QWidget*> controls = {form.cb1, form.cb2, form.cb3, form.cb4, form.cb5, form.cb6,
                                      form.cb7, form.cb8, form.cb9, form.cb10, form.sp, form.cbx,
                                      form.cbm, form.BitBtn1, form.Label1, form.l2, form.l3,
                                      form.l4};
    for (QWidget* a : controls) {
        EXPECT_TRUE(form.rect().contains(a->geometry())) << a->metaObject()->className();
        for (QWidget* b : controls)
            if (a != b) {
                EXPECT_FALSE(a->geometry().intersects(b->geometry()))
                    << a->metaObject()->className() << " at " << a->x() << "," << a->y()
                    << " overlaps one at " << b->x() << "," << b->y();
            }
    }
}

}  // namespace
}  // namespace kl

namespace kl {
namespace {

// Captions must fit their controls and stay inside their frames. When
// KL_SHOT_DIR is set the dialog is also saved there as a picture to look at.
class ConfigDialogLook : public test::ProgramDirTest {
protected:
    void expectReadable(TForm4& form, const char* name) {
        for (QCheckBox* box : {form.cb1, form.cb2, form.cb3, form.cb4, form.cb5, form.cb6,
                               form.cb7, form.cb8, form.cb9, form.cb10})
            EXPECT_LE(box->sizeHint().width(), box->width()) << name << ": " << box->text().toStdString();
        EXPECT_LE(form.Label1->sizeHint().width(), form.sp->x() - form.Label1->x())
            << name << ": " << form.Label1->text().toStdString();
        for (QLabel* label : {form.l2, form.l3, form.l4})
            EXPECT_LE(label->geometry().right(), form.Bevel3->geometry().right())
                << name << ": " << label->text().toStdString();
        EXPECT_LE(form.BitBtn1->fontMetrics().horizontalAdvance(form.BitBtn1->text()),
                  form.BitBtn1->width() - 8);
        if (const char* shots = std::getenv("KL_SHOT_DIR"))
            form.grab().save(QString("%1/config_%2.png").arg(shots, name));
    }
};

TEST_F(ConfigDialogLook, BuiltInCaptionsFit) {
    TForm4 form;
    form.show();
    expectReadable(form, "builtin");
    form.hide();
}

TEST_F(ConfigDialogLook, RussianCaptionsFit) {
    std::vector<std::string> lines(670);
    const std::pair<int, const char*> texts[] = {
        {637, "Настройка календаря"}, {638, "Сияние в режиме года"},
        {639, "Линия в режиме года"}, {640, "Значок дня в режиме года"},
        {641, "Значок дня в режиме замка"}, {642, "Поменять кнопки вверх/вниз"},
        {643, "Плавный переход"}, {644, "Скорость перехода"}, {645, "Сохранить и выйти"},
        {653, "Грегорианская дата в Книге кинов"}, {654, "Грегорианская дата в дне"},
        {655, "Грегорианская дата в значке"}, {656, "После 23 дня 3 черепахи возвращаются"},
        {657, "3 черепахи в небесном пути"}, {658, "дд.мм.гггг"}, {659, "дд.мм.гг"},
        {660, "дд.мм"}, {661, "мм.дд"}, {662, "мм/дд"}, {663, "дд/мм"}, {664, "без даты"},
        {665, "Модель фазы Луны"}, {666, "Линейный (упрощённый)"},
        {667, "Плавный (по косинусу)"}, {668, "Формат грегорианской даты"}};
    for (const auto& [n, t] : texts) lines[n] = t;
    writeLines("BASE.DRS", lines);
    TForm4 form;
    form.show();
    EXPECT_EQ(form.cb1->text(), "Плавный переход");
    expectReadable(form, "russian");
    form.hide();
}

}  // namespace
}  // namespace kl
