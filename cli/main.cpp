// kestralune-cli: the day's calendar values, the full-screen views as
// pictures and print scripts, and print pages, for scripts.
#include <cstdio>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <QGuiApplication>

#include "cli/calendar.h"
#include "cli/dayreport.h"
#include "cli/find.h"
#include "cli/ics.h"
#include "cli/output.h"
#include "cli/views.h"
#include "cli/pagecommands.h"
#include "data/conffile.h"
#include "data/errorlog.h"
#include "data/language.h"
#include "platform/codec.h"
#include "platform/drawingapp.h"
#include "platform/files.h"
#include "platform/fonts.h"
#include "platform/system.h"

namespace {

// Drawing needs the font system, on the off-screen platform whatever the
// session. The views draw only in their own few fonts; pages of scripts may
// name any.
std::unique_ptr<QGuiApplication> startFonts(int& argc, char** argv, kl::platform::DrawingUse use) {
    // The toolkit's own notes (a missing runtime directory and the like) are
    // not failures of the command; stderr is kept for the one failure line.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    auto app = kl::platform::startDrawingApplication(argc, argv, use);
    // The program's own symbol faces, for glyph pages and scripts; a missing
    // one is a line on stderr and its face falls back. Of them the views draw
    // only in the sign font (the larger signs of the tone, seal and plasma pages).
    if (use == kl::platform::DrawingUse::Pages) kl::platform::registerProgramFonts();
    else kl::platform::registerSignFont();
    return app;
}

// Takes "--lang ru|en" (or "--lang=ru|en") out of the arguments, wherever
// it stands. False, with the message, for a language the program has no
// texts in or a missing one.
bool takeLanguage(std::vector<char*>& args, std::optional<kl::Language>& language, std::string& err) {
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string a = args[i];
        std::string code;
        std::size_t taken = 1;
        if (a == "--lang") {
            if (i + 1 >= args.size()) {
                err = "kestralune-cli: --lang wants ru or en\n";
                return false;
            }
            code = args[i + 1];
            taken = 2;
        } else if (a.rfind("--lang=", 0) == 0) {
            code = a.substr(7);
        } else {
            continue;
        }
        language = kl::languageFromCode(code);
        if (!language) {
            err = "kestralune-cli: no texts in the language '" + kl::platform::escapedControls(code) + "' (ru or en)\n";
            return false;
        }
        args.erase(args.begin() + static_cast<std::ptrdiff_t>(i),
                   args.begin() + static_cast<std::ptrdiff_t>(i + taken));
        --i;
    }
    return true;
}

// Messages as one whole line each: a NUL or another control character that
// a script line or a name brought in is shown escaped, never cuts a line
// off or starts one.
void writeMessages(const std::string& err) {
    const std::string shown = kl::platform::escapedControls(err, true);
    std::fwrite(shown.data(), 1, shown.size(), stderr);
}

}  // namespace

int main(int argc, char** argv) {
    // Texts and pictures come from the data files beside the executable; the
    // companion never writes an error report or shows a message box. A
    // failure is remembered for one line on stderr.
    kl::platform::setProgramDirectory(kl::platform::startingDirectory());
    kl::platform::setMessageHandler([](const std::string&) {});
    kl::platform::setTerminateHandler([] {});
    kl::platform::setHaltHandler([] {});
    kl::setReportSink([](const std::string& bytes) {
        kl::cli::recordFailure(bytes);
        return true;
    });
    std::string out, err;
    int status = 0;
    // The texts' language: the one named here, else the one chosen in the
    // settings, else the system's.
    std::vector<char*> kept(argv, argv + argc);
    std::optional<kl::Language> language;
    if (!takeLanguage(kept, language, err)) {
        writeMessages(err);
        return 2;
    }
    kl::setLanguageOverride(language);
    kl::ConfValues chosen;
    chosen.language = kl::configuredLanguage();
    kl::setTextLanguage(kl::languageOf(chosen));
    kept.push_back(nullptr);
    argc = static_cast<int>(kept.size()) - 1;
    argv = kept.data();
    const std::string command = argc > 1 ? argv[1] : "";
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (command == "render" || command == "export" || command == "calendar" || kl::cli::isPrintCommand(command)) {
        int qtArgc = 1;
        auto app = startFonts(qtArgc, argv,
                              command == "render" ? kl::platform::DrawingUse::Views : kl::platform::DrawingUse::Pages);
        if (command == "render") status = kl::cli::runRender(args, out, err);
        else if (command == "export") status = kl::cli::runExport(args, out, err);
        else if (command == "calendar") status = kl::cli::runCalendar({args.begin() + 1, args.end()}, err);
        else status = kl::cli::runPrintCommand(args, std::cin, out, err);
    } else if (command == "find" || command == "ics") {
        const std::vector<std::string> rest(argv + 2, argv + argc);
        status = command == "find" ? kl::cli::runFind(rest, out, err)
                                   : kl::cli::runIcs(rest, kl::cli::writeStandardOutput, err);
    } else {
        status = kl::cli::run(argc, argv, out, err);
    }
    // Rescaled scripts go out in the code page they came in: bytes, not text.
    // An output that does not take them all is a failure of the command.
    if (!kl::cli::finishStandardOutput(out, err) && status != 2) status = 1;
    writeMessages(err);
    return status;
}
