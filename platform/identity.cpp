#include "platform/identity.h"

#include <QFile>
#include <QGuiApplication>

namespace kl::platform {

QIcon programIcon() {
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QString file = QString(":/icons/kestralune-%1.png").arg(size);
        if (QFile::exists(file)) icon.addFile(file, QSize(size, size));
    }
    return icon;
}

void setUpApplicationNames() {
    QCoreApplication::setApplicationName(kDesktopName);
    QGuiApplication::setDesktopFileName(kDesktopName);
}

void setUpApplicationIcon() { QGuiApplication::setWindowIcon(programIcon()); }

void setUpApplicationIdentity() {
    setUpApplicationNames();
    setUpApplicationIcon();
}

}  // namespace kl::platform
