#include "ui/compact/programwindows.h"

#include <QApplication>

#include "platform/system.h"
#include "ui/fullscreen/compactlink.h"

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

    // What the full-screen window asks of the compact window and its dialog.
    TForm1* compact = form1.get();
    TForm2* dateDialog = form2.get();
    CompactLink& link = compactWindow();
    link.keyDown = [compact](int key) { compact->FormKeyDown(key); };
    link.resetState = [compact] { compact->STATE = 0; };
    link.repaintFace = [compact] { compact->PAINTALL(0); };
    link.clearHint = [compact] { compact->xl->clear(); };
    link.openDateDialog = [dateDialog](const GregorianDate& date) { dateDialog->openFor(date); };
}

int ProgramWindows::run() {
    if (platform::terminateWasRequested()) return 1;
    form1->show();
    if (platform::terminateWasRequested()) return 1;
    return QApplication::exec();
}

ProgramWindows::~ProgramWindows() {
    form1->waitForRegload();
    compactWindow() = CompactLink{};
    windows() = Windows{};
    form4.reset();
    form3.reset();
    form2.reset();
    form1.reset();
}

}  // namespace kl
