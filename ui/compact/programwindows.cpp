#include "ui/compact/programwindows.h"

#include <QApplication>

#include "platform/system.h"

namespace kl {

ProgramWindows::ProgramWindows() {
    form1 = std::make_unique<TForm1>();
    windows().form1 = form1.get();
    form2 = std::make_unique<TForm2>(form1.get());
    windows().form2 = form2.get();
    form4 = std::make_unique<TForm4>();
    windows().form4 = form4.get();
}

int ProgramWindows::run() {
    if (platform::terminateWasRequested()) return 1;
    form1->show();
    if (platform::terminateWasRequested()) return 1;
    return QApplication::exec();
}

ProgramWindows::~ProgramWindows() {
    form1->waitForRegload();
    windows() = Windows{};
    form4.reset();
    form2.reset();
    form1.reset();
}

}  // namespace kl
