// Kestralune: the program entry.
#include <QApplication>
#include <QIcon>

#include <filesystem>

#include "data/config.h"
#include "platform/files.h"
#include "platform/system.h"
#include "ui/compact/tform1.h"
#include "ui/compact/tform2.h"

int main(int argc, char** argv) {
    // The program's directory is its working directory, wherever it is started from.
    const std::string dir = kl::platform::executableDirectory();
    std::error_code ec;
    std::filesystem::current_path(dir, ec);
    kl::platform::setProgramDirectory(dir);

    QApplication app(argc, argv);
    QApplication::setApplicationName("Kestralune v1.0");
    QApplication::setApplicationDisplayName("Kestralune v1.0");
    QApplication::setWindowIcon(QIcon(":/icons/kestralune.png"));
    QApplication::setQuitOnLastWindowClosed(false);  // the compact window's close ends the run

    // The windows in their order: compact window, date dialog, (full-screen
    // window), configuration dialog, (print manager, printing set-up).
    kl::TForm1 form1;
    kl::windows().form1 = &form1;
    kl::TForm2 form2(&form1);
    kl::windows().form2 = &form2;
    kl::TForm4 form4;
    kl::windows().form4 = &form4;
    // A failure while the windows were made has been reported; end cleanly.
    if (kl::platform::terminateWasRequested()) return 1;

    form1.show();
    return app.exec();
}
