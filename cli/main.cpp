// kestralune-cli: the day's calendar values for scripts.
#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "cli/dayreport.h"
#include "data/errorlog.h"
#include "platform/files.h"
#include "platform/fonts.h"
#include "platform/system.h"

int main(int argc, char** argv) {
    // Texts come from the data files beside the executable; the companion
    // never writes an error report or shows a message box.
    kl::platform::setProgramDirectory(kl::platform::executableDirectory());
    kl::platform::setMessageHandler([](const std::string& text) {});
    kl::platform::setTerminateHandler([] {});
    kl::platform::setHaltHandler([] {});
    kl::setReportSink([](const std::string&) { return true; });
    // Pages are drawn off screen, with the program's own symbol fonts.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    kl::platform::registerProgramFonts();
    std::string out, err;
    const int status = kl::cli::run(argc, argv, out, err);
    std::fputs(out.c_str(), stdout);
    std::fputs(err.c_str(), stderr);
    return status;
}
