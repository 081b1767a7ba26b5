// The compact main window: a borderless 600 x 450 calendar face cut to the
// outline of its picture. It paints the day's face, moves with a drag of the
// face, steps the date with the keys, fades hints in and out, and opens the
// date dialog and the full-screen window.
#pragma once

#include <QFont>
#include <QLabel>
#include <QMenu>
#include <QTimer>
#include <QWidget>

#include <array>
#include <functional>
#include <string>

#include "core/calendar.h"
#include "data/errorlog.h"
#include "platform/widgets/mybutton.h"
#include "platform/picture.h"
#include "platform/region.h"

namespace kl {

// A hot rectangle of the face; both edges count as inside.
struct HotRect {
    int left, top, right, bottom;
    bool contains(int x, int y) const { return x >= left && x <= right && y >= top && y <= bottom; }
};

// The face picture on the window; it hands its mouse events to the window.
class FaceImage : public QWidget {
    Q_OBJECT
public:
    explicit FaceImage(QWidget* parent);
    platform::Picture picture;

signals:
    void painted();  // after each paint of the picture
    void mouseDown(Qt::MouseButton button, int x, int y, Qt::KeyboardModifiers modifiers);
    void mouseMove(int x, int y);
    void mouseUp(Qt::MouseButton button, int x, int y);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
};

class TForm1 : public QWidget {
    Q_OBJECT
public:
    // The hint's fade runs on a colour that starts at red 80, green 90,
    // blue 75, brightens to red 245 and falls back to red 80. The label is
    // drawn in that colour mixed with the face under it by how far red is
    // above 80, so it rises out of the face and sinks back into it.
    static constexpr std::uint32_t kHintStartColour = 4938320;

    TForm1();  // FormCreate
    ~TForm1() override;

    // The error report writer every protected routine calls.
    static bool writeerror(int code, const std::string& sender, const Details& details = {});
    // The start-up write-access check of the program's writable data files.
    static void setattributes() { kl::setattributes(); }

    // Handlers (public so the other windows and the tests can drive them).
    void FormShow();
    // Reads conf.dat into the configuration dialog and applies it (FormShow
    // does, when the dialog exists); a damaged file is reported once inside
    // and the program goes on.
    void loadConfiguration();
    void FormClose();
    // The right button with Ctrl, Shift, Alt or Meta held opens the context
    // menu; a plain right click stays the date dialog's.
    void Image1MouseDown(Qt::MouseButton button, int x, int y, Qt::KeyboardModifiers modifiers = {});
    void Image1MouseMove(int x, int y);
    void Image1MouseUp(Qt::MouseButton button, int x, int y);
    // Key codes are the desktop's virtual keys: 27 Esc, 33 Page Up, 34 Page
    // Down, 37 Left, 39 Right, 188 comma, 190 period.
    void FormKeyDown(int key);
    void Timer1Timer();
    void myButton1Click();
    void myButton1MouseMove();
    void myButton2Click();
    void myButton2MouseMove();

    // Painting the face.
    void FILLPYR(const CalendarDay& day);
    void DRAWSIGNP(int x, int y, int g, bool centred);
    void drawFaceText(int x, int y, const std::string& text, bool centred, int font);
    void drawFaceText(int x, int y, const std::string& text, bool centred, const QFont& font);
    void PAINTALL(int state);
    void paintMoon(std::int32_t moonPhase);
    // Shows the face and a hint that is up in the language in force.
    void retranslate();

    // The context menu, its texts and check mark made fresh, popped up at a
    // point of the screen: Today, Choose a date…, Full screen, Print
    // manager, Settings, Start with the desktop, Quit.
    void openContextMenu(const QPoint& globalPos);
    // The menu's entry "Start with the desktop": writes or removes the
    // user's autostart entry; a failure is told in a message.
    void setStartWithDesktop(bool on);
    QMenu* contextMenu = nullptr;

    // Gives the window its full face, once, before it is first on the
    // screen (FormShow runs it): the shape traced from graphic\pyrA0.bmp,
    // the face picture graphic\pyr0.bmp as picture and background, the
    // window centred, STATE 0 and the day's face painted. A missing picture
    // leaves the small frame and STATE -101, silently.
    void regload();

    // Window state (the error report prints it).
    std::int32_t STATE = -101;
    bool move = false;
    bool moved = false;
    std::int32_t xm = 0;
    std::int32_t ym = 0;
    std::uint8_t sym = 0;
    bool closed = false;
    // Asked before the program ends; answering false keeps it running (the
    // print manager asks about a script that was not saved).
    std::function<bool()> canQuit;

    // Controls.
    FaceImage* Image1 = nullptr;
    TmyButton* myButton1 = nullptr;
    TmyButton* myButton2 = nullptr;
    QTimer* Timer1 = nullptr;
    QLabel* xl = nullptr;
    std::array<QLabel*, 6> faceLabels{};  // _lbl1, _lbl2, _Lbl3 .. _Lbl6: the face fonts
    std::array<HotRect, 7> hot{};

    // The face region and the 1 x 1 region, kept once the full face is loaded.
    platform::Region faceRegion;
    platform::Region dotRegion;
    // The picture set the face was last painted in: 2 on a screen of more
    // than 1.5 device pixels a pixel, where the face picture is 1200 x 900.
    int faceSet() const { return faceSet_; }
    // The colour the hint label is drawn in now.
    platform::Rgb hintColour() const { return hintColour_; }

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void leaveEvent(QEvent* e) override;

private:
    // The small buttons' strips in the picture set of the window's screen.
    void loadButtonStrips();
    void showHint(std::uint8_t area, int line);
    void showHintColour();
    void endHint();
    void applyRegion(const platform::Region& region);
    const QFont& faceFont(int font) const;

    platform::Picture frame_;  // background of every repaint and, at first, the window shape
    std::string frameName_;    // its file in the 1x set
    int faceSet_ = 1;          // the picture set the face is painted in (1 or 2)
    platform::Picture moon_;   // the moon texture
    bool regloadDone_ = false;
    bool shownOnce_ = false;
    platform::Rgb hintFade_;    // the fade's colour, stepped by the timer
    platform::Rgb hintUnder_;   // the face's mean colour under the label
    platform::Rgb hintColour_;  // what the label shows: the two mixed
    int hintLine_ = -1;
    // The hint line of the area or button under the pointer (-1 for none):
    // a hint restarts only when the pointer enters another area, not when
    // it moves inside the one whose hint has already faded.
    int pointerLine_ = -1;
    // The press opened the context menu: its release opens no date dialog.
    bool menuPress_ = false;
    // The window's part of the error report; last, so it goes first.
    ReportSection reportSection_;
};

// The program's windows, created at start in this order.
struct Windows {
    TForm1* form1 = nullptr;
    class TForm2* form2 = nullptr;
    class TForm3* form3 = nullptr;
    class TForm4* form4 = nullptr;
    class TForm5* form5 = nullptr;
    class TForm6* form6 = nullptr;
};
Windows& windows();

}  // namespace kl
