// The full-screen window: a borderless window over the whole screen with the
// 670 x 540 picture box in its middle and a strip of seventeen mode buttons
// along the top. A button requests a mode; the 10 ms timer cross-fades from
// the view on show to the new one. Keys step the date as in the compact
// window; a click turns a help page, opens the date dialog (right button) or
// hides the window.
#pragma once

#include <QTimer>
#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "platform/widgets/mybutton.h"
#include "platform/picture.h"
#include "ui/fullscreen/hints.h"
#include "ui/fullscreen/transition.h"

namespace kl {

class TForm4;

// Window state the error report prints beside the shared full-screen state.
extern std::int32_t phx;     // last mouse-down on the picture box
extern std::int32_t phy;
extern double t1;            // never set
extern double t2;            // (time of day - t1) x 100 at the end of every timer tick

// The picture box: shows a copy of a view picture and hands its mouse events
// to the window.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 670;
    static constexpr int kHeight = 540;

    explicit PictureBox(QWidget* parent);
    // Copies the top-left 670 x 540 units of `frame` (nothing when it is the
    // box's own picture) and repaints. The frame is of the box's set.
    void showPicture(const platform::Picture& frame);
    // The picture set shown (1, or 2 with twice the pixels); a change
    // blanks the picture.
    void setPictureSet(int set);
    const platform::Picture& picture() const { return picture_; }
    // The picture shown, for drawing a frame straight into it.
    platform::Picture& canvas() { return picture_; }

signals:
    void mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void mouseMove(Qt::KeyboardModifiers shift, int x, int y);
    void mouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    platform::Picture picture_;
};

class TForm3 : public QWidget {
    Q_OBJECT
public:
    // The mode buttons: name, x position on the strip, mode requested.
    struct ButtonSpec {
        const char* name;
        int x;
        int mode;
    };
    static constexpr int kButtonCount = 17;
    static const std::array<ButtonSpec, kButtonCount> kButtons;
    static constexpr int kButtonTop = 8;
    static constexpr int kButtonSize = 33;
    static constexpr int kTimerInterval = 10;  // ms

    TForm3();  // FormCreate
    ~TForm3() override;  // FormDestroy

    // The configuration dialog, made after this window: opened for mode 20,
    // read on every show, and disabling this window while it is open.
    void setConfiguration(TForm4* config);
    TForm4* configuration() const { return config_; }

    // Handlers (public so the other windows and the tests can drive them).
    void buttonClick(int index);  // myButton9Click .. configsClick: the button's mode
    void FormShow();
    void FormHide();
    void FormClose();
    void FormKeyDown(int key);
    void pbxMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void FormMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void pbxMouseMove(Qt::KeyboardModifiers shift, int x, int y);
    void pbxMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void Timer1Timer();

    // The window of mode 18 or 20 has closed: the day view is asked for.
    void modeWindowClosed(int mode);

    // Draws the current mode again and shows it (keys, the date dialog).
    void repaintView();
    // Reads the field hints again and, while the window is up, draws the
    // current mode anew: both in the language in force.
    void retranslate();
    // Places the picture box in the middle of the screen, 20 pixels low.
    void placePictureBox();
    // Draws the views and shows the buttons in the picture set of the
    // window's screen (2x above a ratio of 1.5); on a change the view on
    // show is drawn again in the new set.
    void followScreenSet();

    // Set by the print manager once it exists: loads its window and paper
    // sizes on every show of this window. Until then nothing is loaded.
    std::function<void()> loadfsize;

    // Controls.
    PictureBox* pbx = nullptr;
    QTimer* Timer1 = nullptr;
    std::array<TmyButton*, kButtonCount> buttons{};
    TmyButton* button(const char* name) const;
    TmyButton* configs() const { return buttons.back(); }

    Transition& transition() { return *transition_; }

protected:
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    void setModeButtonsEnabled(bool enabled);
    void loadButtonPictures(int set);
    void hideFromClick();
    void openDateDialog();
    void openConfiguration();

    std::unique_ptr<Transition> transition_;
    TForm4* config_ = nullptr;
    bool destroying_ = false;
    bool screenWatched_ = false;
};

}  // namespace kl
