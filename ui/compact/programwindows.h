// The program's windows, created in their order and registered in
// windows() for the whole of their life: compact window, date dialog,
// full-screen window, configuration dialog, print manager, printing set-up.
// The links between them are made here.
#pragma once

#include <functional>
#include <memory>

#include <QObject>

#include "ui/config/tform4.h"
#include "ui/compact/tform1.h"
#include "ui/compact/tform2.h"
#include "ui/print/tform5.h"
#include "ui/print/tform6.h"
#include "ui/fullscreen/window/tform3.h"

namespace kl {

class ProgramWindows : public QObject {
public:
    // All six windows at once, or the compact window alone with the others
    // made once its face is on the screen (see run).
    enum class Start { allWindows, faceFirst };

    explicit ProgramWindows(Start start = Start::allWindows);
    ~ProgramWindows();
    ProgramWindows(const ProgramWindows&) = delete;
    ProgramWindows& operator=(const ProgramWindows&) = delete;

    // Shows the compact window and runs the event loop until it closes; the
    // exit status. A failure reported while the windows were made or the
    // compact window was first shown has asked the program to end: then the
    // loop is never entered and the status is 1. Started face first, the
    // other windows are made, in their order, just after the face's first
    // frame, or before the first input that reaches the program if that
    // comes sooner; `beforeOthers` runs just before them.
    int run(std::function<void()> beforeOthers = {});
    // What run does before the event loop: false when the program must end.
    bool start(std::function<void()> beforeOthers = {});

    // Makes the date dialog, the full-screen window, the configuration
    // dialog, the print manager and the printing set-up, and links them; a
    // compact window already shown then loads the configuration into its
    // dialog. Does nothing once they exist.
    void makeOtherWindows();
    bool othersMade() const { return form2 != nullptr; }

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
    bool eventFilter(QObject* watched, QEvent* event) override;
    void othersAfterFirstFrame();

    bool retranslatePending_ = false;
    bool faceFirst_ = false;
    std::function<void()> beforeOthers_;
};

// The whole program: the application on the program's directory, its
// windows (face first), the event loop; the exit status. `made`, when
// given, sees the compact window once it exists and before it is shown.
int runProgram(int argc, char** argv, const std::function<void(ProgramWindows&)>& made = {});

}  // namespace kl
