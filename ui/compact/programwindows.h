// The program's windows, created in their order and registered in
// windows() for the whole of their life: compact window, date dialog,
// full-screen window, configuration dialog, print manager, printing set-up.
// The links between them are made here.
#pragma once

#include <functional>
#include <memory>

#include "ui/config/tform4.h"
#include "ui/compact/tform1.h"
#include "ui/compact/tform2.h"
#include "ui/print/tform5.h"
#include "ui/print/tform6.h"
#include "ui/fullscreen/window/tform3.h"

namespace kl {

class ProgramWindows {
public:
    ProgramWindows();
    ~ProgramWindows();
    ProgramWindows(const ProgramWindows&) = delete;
    ProgramWindows& operator=(const ProgramWindows&) = delete;

    // Shows the compact window and runs the event loop until it closes; the
    // exit status. A failure reported while the windows were made or the
    // compact window was first shown has asked the program to end: then the
    // loop is never entered and the status is 1.
    int run();

    // Every window in the language in force: its texts read anew, the face
    // and the view drawn again, Qt's own dialogs and buttons translated. A
    // change of the language asks for it once the event that made it is done.
    void retranslate();

    std::unique_ptr<TForm1> form1;
    std::unique_ptr<TForm2> form2;
    std::unique_ptr<TForm3> form3;
    std::unique_ptr<TForm4> form4;
    std::unique_ptr<TForm5> form5;
    std::unique_ptr<TForm6> form6;

private:
    bool retranslatePending_ = false;
};

// The whole program: the application on the program's directory, its
// windows, the event loop; the exit status. `made`, when given, sees the
// windows once they exist and before the compact window is shown.
int runProgram(int argc, char** argv, const std::function<void(ProgramWindows&)>& made = {});

}  // namespace kl
