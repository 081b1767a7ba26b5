#include "ui/compact/programwindows.h"

#include <QApplication>
#include <QMetaObject>
#include <QTimer>

#include <filesystem>
#include <utility>

#include "data/conffile.h"
#include "core/state.h"
#include "data/language.h"
#include "data/settings.h"
#include "platform/files.h"
#include "platform/fonts.h"
#include "platform/identity.h"
#include "platform/system.h"
#include "platform/widgets/messagebox.h"
#include "platform/translations.h"
#include "ui/fullscreen/compactlink.h"
#include "ui/fullscreen/dispatcher.h"

namespace kl {

ProgramWindows::ProgramWindows(Start start) : faceFirst_(start == Start::faceFirst) {
    form1 = std::make_unique<TForm1>();
    windows().form1 = form1.get();
    if (!faceFirst_) makeOtherWindows();
}

void ProgramWindows::makeOtherWindows() {
    if (othersMade()) return;
    QCoreApplication::instance()->removeEventFilter(this);
    if (beforeOthers_) std::exchange(beforeOthers_, {})();
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

    // Shown before its configuration dialog existed, the compact window
    // painted its face with the settings read from conf.dat without the
    // dialog; the dialog now reads them (and reports a damaged file) as it
    // does at every start, and the face follows what it applied.
    if (form1->isVisible()) {
        const Settings before = settings();
        form1->loadConfiguration();
        if (!(settings() == before) && form1->STATE == 0) form1->FILLPYR(currentDay);
    }
}

void ProgramWindows::othersAfterFirstFrame() {
    // Queued from the face's first paint, so the frame is on the screen
    // before the windows nobody sees yet are made.
    QMetaObject::invokeMethod(this, [this] { makeOtherWindows(); }, Qt::QueuedConnection);
}

bool ProgramWindows::eventFilter(QObject*, QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ContextMenu:
        case QEvent::Wheel:
            makeOtherWindows();  // input finds every window there
            break;
        default:
            break;
    }
    return false;
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

int ProgramWindows::run(std::function<void()> beforeOthers) {
    if (!start(std::move(beforeOthers))) return platform::kFailureExitStatus;
    return QApplication::exec();
}

bool ProgramWindows::start(std::function<void()> beforeOthers) {
    if (platform::terminateWasRequested()) return false;
    if (faceFirst_ && !othersMade()) {
        beforeOthers_ = std::move(beforeOthers);
        QCoreApplication::instance()->installEventFilter(this);
        connect(form1->Image1, &FaceImage::painted, this, &ProgramWindows::othersAfterFirstFrame,
                Qt::SingleShotConnection);
        // A window the desktop never exposes gets its company all the same.
        QTimer::singleShot(1000, this, [this] { makeOtherWindows(); });
    } else if (beforeOthers) {
        beforeOthers();
    }
    form1->show();
    return !platform::terminateWasRequested();
}

ProgramWindows::~ProgramWindows() {
    if (QCoreApplication* app = QCoreApplication::instance()) app->removeEventFilter(this);
    setLanguageChangeHandler({});
    compactWindow() = CompactLink{};
    dispatcherHooks().openPrintManager = {};
    if (form3) form3->loadfsize = {};
    if (form5) form5->onHidden = {};
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
    platform::setUpApplicationNames();
    QApplication::setQuitOnLastWindowClosed(false);  // the compact window's close ends the run
    // The settings before any window reads a text or paints: the texts'
    // language chosen in conf.dat, else the system's, with Qt's own texts,
    // and what the face shows (the moon model). A damaged file is reported
    // by the configuration dialog when it reads it.
    loadConfWithoutDialog();
    platform::useQtTranslations(languageCode(textLanguage()));

    ProgramWindows program(ProgramWindows::Start::faceFirst);
    if (made) made(program);
    // The symbol faces are for the views and the exported print scripts,
    // not the face; the icon (seven sizes made into window properties)
    // reaches the compact window a moment after its first frame.
    return program.run([] {
        platform::setUpApplicationIcon();
        platform::registerProgramFonts();
    });
}

}  // namespace kl
