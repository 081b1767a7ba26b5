#include "platform/widgets/messagebox.h"

#include <QMessageBox>

#include "platform/identity.h"
#include "platform/system.h"

namespace kl::platform {

void useMessageBoxes() {
    setMessageHandler([](const std::string& text) {
        QMessageBox box(QMessageBox::Warning, QString(kProgramTitle), QString::fromStdString(text),
                        QMessageBox::Ok);
        box.setWindowFlag(Qt::WindowStaysOnTopHint);
        box.exec();
    });
}

}  // namespace kl::platform
