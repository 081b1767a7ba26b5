// Kestralune: the program entry.
#include <QApplication>

#include <filesystem>

#include "platform/files.h"
#include "platform/fonts.h"
#include "platform/identity.h"
#include "platform/system.h"
#include "ui/compact/programwindows.h"

int main(int argc, char** argv) {
    // The program's directory is its working directory, wherever it is started from.
    const std::string dir = kl::platform::startingDirectory();
    std::error_code ec;
    std::filesystem::current_path(dir, ec);
    kl::platform::setProgramDirectory(dir);

    QApplication app(argc, argv);
    kl::platform::setUpApplicationIdentity();
    QApplication::setQuitOnLastWindowClosed(false);  // the compact window's close ends the run
    kl::platform::registerProgramFonts();  // the symbol faces of exported print scripts

    kl::ProgramWindows program;
    return program.run();
}
