#include "ui/compact/programwindows.h"

#include <QApplication>
#include <QMetaObject>

#include <filesystem>

#include "data/conffile.h"
#include "data/language.h"
#include "platform/files.h"
#include "platform/fonts.h"
#include "platform/identity.h"
#include "platform/system.h"
#include "platform/widgets/messagebox.h"
#include "platform/translations.h"
#include "ui/fullscreen/compactlink.h"
#include "ui/fullscreen/dispatcher.h"

namespace kl {

ProgramWindows::ProgramWindows() {
    form1 = std::make_unique<TForm1>();
    windows().form1 = form1.get();
    form2 = std::make_unique<TForm2>(form1.get());
    windows().form2 = form2.get();
    form3 = std::make_unique<TForm3>();
    windows().form3 = form3.get();
    form4 = std::make_unique<TForm4>();
    windows().form4 = form4.get();
    form3->setConfiguration(form4.get());
    form5 = std::make_unique<TForm5>();
    windows().form5 = form5.get();
    form6 = std::make_unique<TForm6>(form5.get());
    windows().form6 = form6.get();
    form5->setSetupDialog(form6.get());
    form5->setConfigurationDialog(form4.get());

    // The print manager: mode 18 shows it, every show of the full-screen
    // window loads its sizes, and the program asks about an unsaved script
    // before it ends.
    TForm5* printManager = form5.get();
    dispatcherHooks().openPrintManager = [printManager] {
        printManager->show();
        printManager->raise();
        printManager->activateWindow();
    };
    TForm3* fullScreenWindow = form3.get();
    printManager->onHidden = [fullScreenWindow] { fullScreenWindow->modeWindowClosed(18); };
    form3->loadfsize = [printManager] { printManager->loadfsize(); };
    form1->canQuit = [printManager] { return !printManager->busy() && printManager->confirmDiscard(); };

    // What the full-screen window asks of the compact window and its dialog.
    TForm1* compact = form1.get();
    TForm2* dateDialog = form2.get();
    CompactLink& link = compactWindow();
    link.keyDown = [compact](int key) { compact->FormKeyDown(key); };
    link.resetState = [compact] { compact->STATE = 0; };
    link.repaintFace = [compact] { compact->PAINTALL(0); };
    link.clearHint = [compact] { compact->xl->clear(); };
    link.openDateDialog = [dateDialog](const GregorianDate& date) { dateDialog->openFor(date); };

    // A language chosen in the dialog (or found in a conf.dat read again)
    // shows everywhere at once; the call goes with the compact window.
    setLanguageChangeHandler([this] {
        if (retranslatePending_) return;
        retranslatePending_ = true;
        QMetaObject::invokeMethod(form1.get(), [this] { retranslate(); }, Qt::QueuedConnection);
    });
}

void ProgramWindows::retranslate() {
    retranslatePending_ = false;
    platform::useQtTranslations(languageCode(textLanguage()));
    form1->retranslate();
    form2->setCaptions();
    form3->retranslate();
    form4->retranslate();
    form5->retranslate();
}

int ProgramWindows::run() {
    if (platform::terminateWasRequested()) return platform::kFailureExitStatus;
    form1->show();
    if (platform::terminateWasRequested()) return platform::kFailureExitStatus;
    return QApplication::exec();
}

ProgramWindows::~ProgramWindows() {
    setLanguageChangeHandler({});
    compactWindow() = CompactLink{};
    dispatcherHooks().openPrintManager = {};
    form3->loadfsize = {};
    form5->onHidden = {};
    form1->canQuit = {};
    windows() = Windows{};
    // The set-up dialog's end saves the print manager's sizes: it goes
    // while the print manager and the configuration dialog still exist.
    form6.reset();
    form5.reset();
    form4.reset();
    form3.reset();
    form2.reset();
    form1.reset();
}

int runProgram(int argc, char** argv, const std::function<void(ProgramWindows&)>& made) {
    // The program's directory is its working directory, wherever it is started from.
    const std::string dir = platform::startingDirectory();
    std::error_code ec;
    std::filesystem::current_path(dir, ec);
    platform::setProgramDirectory(dir);

    QApplication app(argc, argv);
    platform::useMessageBoxes();
    platform::setUpApplicationIdentity();
    QApplication::setQuitOnLastWindowClosed(false);  // the compact window's close ends the run
    platform::registerProgramFonts();  // the symbol faces of exported print scripts
    // The texts' language before any window reads a text: the one chosen in
    // conf.dat, else the system's; Qt's own texts with them.
    ConfValues chosen;
    chosen.language = configuredLanguage();
    setTextLanguage(languageOf(chosen));
    platform::useQtTranslations(languageCode(textLanguage()));

    ProgramWindows program;
    if (made) made(program);
    return program.run();
}

}  // namespace kl
