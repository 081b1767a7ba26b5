// Qt's own texts follow the program's language: a button Qt names itself
// reads Russian after the Russian translation is put in force, and English
// again after the English one or one Qt does not have.
#include <gtest/gtest.h>

#include <QDialogButtonBox>
#include <QPushButton>

#include "platform/translations.h"

namespace kl::platform {
namespace {

QString cancelText() {
    QDialogButtonBox box(QDialogButtonBox::Cancel);
    return box.button(QDialogButtonBox::Cancel)->text();
}

TEST(QtTranslations, QtsOwnButtonsSpeakTheLanguagePutInForce) {
    ASSERT_TRUE(useQtTranslations("ru")) << "no qtbase_ru.qm in " << qtTranslationsDirectory()
                                         << " (package qt6-translations-l10n)";
    EXPECT_EQ(cancelText(), QString::fromUtf8("Отмена"));
    // Qt's English file is empty (its texts are English already): whether
    // it counts as loaded or not, the Russian one must be gone.
    useQtTranslations("en");
    EXPECT_EQ(cancelText(), "Cancel");
    useQtTranslations("ru");
    EXPECT_FALSE(useQtTranslations("xx"));
    EXPECT_EQ(cancelText(), "Cancel") << "the Russian translation stayed in force";
}

}  // namespace
}  // namespace kl::platform
