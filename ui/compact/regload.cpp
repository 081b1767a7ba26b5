// The full face of the compact window: its shape and picture, given to the
// window before it is first on the screen, so that the first frame the
// window shows is already the day's face.
#include <QGuiApplication>
#include <QScreen>

#include "core/state.h"
#include "imaging/blend.h"
#include "platform/widgets/shape.h"
#include "ui/compact/tform1.h"

namespace kl {

void TForm1::regload() {
    if (regloadDone_) return;  // runs once
    regloadDone_ = true;
    platform::Region face;
    platform::Picture full;
    try {
        face = bmptorgn(platform::Picture::load("graphic\\pyrA0.bmp"), 0, false);
        full = platform::Picture::load("graphic\\pyr0.bmp");
    } catch (...) {
        // A missing picture leaves the small frame in place, silently;
        // presses on the face then only open the date dialog.
        try {
            Image1->picture = platform::Picture::load("graphic\\frameclr.bmp");
        } catch (...) {
            // The frame's background picture stands in for it.
        }
        return;
    }
    faceRegion = face;
    dotRegion = platform::Region(0, 0, 1, 1);
    Image1->picture = full;
    frame_ = full;
    frameName_ = "graphic\\pyr0.bmp";
    if (platform::windowsCanBePlaced()) {  // elsewhere the compositor places it
        QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
        const QRect area = s->geometry();
        QWidget::move(area.width() / 2 - 300, area.height() / 2 - 225);
    }
    setMask(faceRegion);
    STATE = 0;
    FILLPYR(currentDay);
}

}  // namespace kl
