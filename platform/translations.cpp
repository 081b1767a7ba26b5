#include "platform/translations.h"

#include <memory>

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace kl::platform {

std::string qtTranslationsDirectory() { return QLibraryInfo::path(QLibraryInfo::TranslationsPath).toStdString(); }

bool useQtTranslations(std::string_view languageCode) {
    static std::unique_ptr<QTranslator> installed;
    auto next = std::make_unique<QTranslator>();
    const QString name = QStringLiteral("qtbase_") + QString::fromUtf8(languageCode.data(),
                                                                     static_cast<qsizetype>(languageCode.size()));
    const bool found = next->load(name, QString::fromStdString(qtTranslationsDirectory()));
    // Removing and installing each tell every window that the language changed.
    if (installed) QCoreApplication::removeTranslator(installed.get());
    installed.reset();
    if (found && QCoreApplication::installTranslator(next.get())) installed = std::move(next);
    return installed != nullptr;
}

}  // namespace kl::platform
