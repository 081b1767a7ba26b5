// Kestralune: the program entry.
#include <QApplication>

#include "core/state.h"
#include "data/errorlog.h"
#include "platform/files.h"
#include "platform/system.h"

#include <filesystem>

int main(int argc, char** argv) {
    // The program's directory is its working directory, wherever it is started from.
    const std::string dir = kl::platform::executableDirectory();
    std::error_code ec;
    std::filesystem::current_path(dir, ec);
    kl::platform::setProgramDirectory(dir);

    QApplication app(argc, argv);
    QApplication::setApplicationName("Kestralune v1.0");
    QApplication::setApplicationDisplayName("Kestralune v1.0");

    kl::setattributes();
    kl::currentDate = kl::todayDate = kl::platform::systemToday();
    kl::recomputeCurrentDay();
    return 0;
}
