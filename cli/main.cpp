// kestralune-cli: the day's calendar values and print pages for scripts.
#include <cstdio>
#include <string>

#include "cli/dayreport.h"
#include "cli/pagecommands.h"
#include "data/errorlog.h"
#include "platform/files.h"
#include "platform/system.h"

int main(int argc, char** argv) {
    // Texts come from the data files beside the executable; the companion
    // never writes an error report or shows a message box.
    kl::platform::setProgramDirectory(kl::platform::executableDirectory());
    kl::platform::setMessageHandler([](const std::string& text) {});
    kl::platform::setTerminateHandler([] {});
    kl::platform::setHaltHandler([] {});
    kl::setReportSink([](const std::string&) { return true; });
    if (argc > 1 && kl::cli::isPrintCommand(argv[1])) return kl::cli::printMain(argc, argv);
    std::string out, err;
    const int status = kl::cli::run(argc, argv, out, err);
    std::fputs(out.c_str(), stdout);
    std::fputs(err.c_str(), stderr);
    return status;
}
