// The background picture loader: reads and traces the full face's shape on
// a worker thread, then hands the window work to the GUI thread.
#include <QGuiApplication>
#include <QMetaObject>
#include <QScreen>

#include "imaging/blend.h"
#include "platform/widgets/shape.h"
#include "ui/compact/tform1.h"

namespace kl {

void TForm1::startRegload() {
    if (loader_.joinable()) return;  // runs once
    loader_ = std::thread([this] {
        // Reading and tracing the shape touch nothing the GUI thread uses.
        platform::Region face;
        try {
            const platform::Picture shape = platform::Picture::load("graphic\\pyrA0.bmp");
            face = bmptorgn(shape, 0, false);
        } catch (...) {
            // A missing picture leaves the small frame in place; presses on
            // the face then only open the date dialog.
            regloadFinished_ = true;
            return;
        }
        const platform::Region dot(0, 0, 1, 1);
        QMetaObject::invokeMethod(this, [this, face, dot] {
            // The state is set here, on the GUI thread, before anything else
            // of the window changes and before the timer runs.
            STATE = -100;
            faceRegion = face;
            dotRegion = dot;
            try {
                platform::Picture full = platform::Picture::load("graphic\\pyr0.bmp");
                Image1->picture = full;
                frame_ = full;
            } catch (...) {
                regloadFinished_ = true;
                return;
            }
            // Hidden while it moves, centred, then cut to the face.
            if (platform::windowsCanBePlaced()) {
                setMask(dotRegion);
                QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
                const QRect area = s->geometry();
                QWidget::move(area.width() / 2 - 300, area.height() / 2 - 225);
            }
            setMask(faceRegion);
            Image1->update();
            Timer1->start();
            regloadFinished_ = true;
        }, Qt::QueuedConnection);
    });
}

void TForm1::waitForRegload() {
    if (loader_.joinable()) loader_.join();
}

}  // namespace kl
