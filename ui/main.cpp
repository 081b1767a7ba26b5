// Kestralune: the program entry.
#include <QApplication>
#include <QIcon>

#include <filesystem>

#include "platform/files.h"
#include "platform/fonts.h"
#include "platform/system.h"
#include "ui/compact/programwindows.h"

int main(int argc, char** argv) {
    // The program's directory is its working directory, wherever it is started from.
    const std::string dir = kl::platform::startingDirectory();
    std::error_code ec;
    std::filesystem::current_path(dir, ec);
    kl::platform::setProgramDirectory(dir);

    QApplication app(argc, argv);
    QApplication::setApplicationName("Kestralune v1.0");
    QApplication::setApplicationDisplayName("Kestralune v1.0");
    QApplication::setWindowIcon(QIcon(":/icons/kestralune.png"));
    QApplication::setQuitOnLastWindowClosed(false);  // the compact window's close ends the run
    kl::platform::registerProgramFonts();  // the symbol faces of exported print scripts

    kl::ProgramWindows program;
    return program.run();
}
