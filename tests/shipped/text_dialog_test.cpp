// The configuration dialog with the shipped captions of each language: every
// caption fits its control (the dialog takes its texts from BASE.DRS when it
// is shown).
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <cstdlib>

#include "ui/config/tform4.h"
#include "ui/print/tform5.h"
#include "platform/files.h"
#include "support/testsupport.h"

namespace kl {
namespace {

class ShippedDialogTexts : public ::testing::TestWithParam<Language> {};
INSTANTIATE_TEST_SUITE_P(Texts, ShippedDialogTexts, test::kBothLanguages, test::languageTestName);

TEST_P(ShippedDialogTexts, ConfigurationCaptionsFitTheirControls) {
    const std::string previous = platform::programDirectory();
    platform::setProgramDirectory(KL_SHIPPED_DIR);
    {
        // The shipped conf.dat chooses no language: the dialog would follow
        // the system's, so the language is named as the command line does.
        setLanguageOverride(GetParam());
        const test::TextLanguageScope language(GetParam());
        TForm4 form;
        form.show();
        EXPECT_EQ(form.windowTitle().toStdString(),
                  GetParam() == Language::Russian ? "Настройка календаря" : "Calendar settings");
        for (QCheckBox* box : {form.cb1, form.cb2, form.cb3, form.cb4, form.cb5, form.cb6, form.cb7,
                               form.cb8, form.cb9, form.cb10})
            EXPECT_LE(box->sizeHint().width(), box->width()) << box->text().toStdString();
        EXPECT_LE(form.Label1->sizeHint().width(), form.sp->x() - form.Label1->x());
        // Labels keep clear of the frame they sit in.
        EXPECT_LT(form.l5->x() + form.l5->sizeHint().width(), form.cbl->x()) << form.l5->text().toStdString();
        for (QLabel* label : {form.l2, form.l3, form.l4})
            EXPECT_LE(label->x() + label->sizeHint().width(), form.Bevel3->geometry().right() - 3)
                << label->text().toStdString();
        EXPECT_LE(form.BitBtn1->fontMetrics().horizontalAdvance(form.BitBtn1->text()), form.BitBtn1->width() - 8);
        // The drop-down lists show their longest entry whole.
        for (QComboBox* list : {form.cbx, form.cbm, form.cbl})
            for (int i = 0; i < list->count(); ++i)
                EXPECT_LE(list->fontMetrics().horizontalAdvance(list->itemText(i)), list->width() - 24)
                    << list->itemText(i).toStdString();
        if (const char* shots = std::getenv("KL_SHOT_DIR"))
            form.grab().save(QString("%1/config_shipped_%2.png").arg(shots, test::languageTestName({GetParam(), 0}).c_str()));
        form.hide();
        setLanguageOverride(std::nullopt);
    }
    platform::setProgramDirectory(previous);
}

// The print manager's detailed panel: the labels and the switch show their
// whole caption.
TEST_P(ShippedDialogTexts, PrintManagerCaptionsFitTheirControls) {
    const std::string previous = platform::programDirectory();
    platform::setProgramDirectory(KL_SHIPPED_DIR);
    {
        const test::TextLanguageScope language(GetParam());
        TForm5 form;
        form.show();
        form.myButton22Click();
        QApplication::processEvents();
        for (QLabel* label : {form.l8, form.l9, form.l10, form.Prs, form.Label1})
            EXPECT_LE(label->sizeHint().width(), label->width()) << label->text().toStdString();
        EXPECT_LE(form.CheckBox1->sizeHint().width(), form.CheckBox1->width()) << form.CheckBox1->text().toStdString();
        if (const char* shots = std::getenv("KL_SHOT_DIR"))
            form.grab().save(QString("%1/print_manager_%2.png").arg(shots, test::languageTestName({GetParam(), 0}).c_str()));
        form.hide();
    }
    platform::setProgramDirectory(previous);
}

}  // namespace
}  // namespace kl
