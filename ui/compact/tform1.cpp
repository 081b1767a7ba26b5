#include "ui/compact/tform1.h"

#include "layout/fontpresets.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>

#include "core/state.h"
#include "ui/config/tform4.h"
#include "data/settings.h"
#include "data/textdb.h"
#include "imaging/blend.h"
#include "layout/baselines.h"
#include "platform/autostart.h"
#include "platform/identity.h"
#include "platform/keys.h"
#include "platform/pictureset.h"
#include "platform/system.h"
#include "platform/widgets/shape.h"
#include "platform/widgets/tooltip.h"
#include "ui/compact/tform2.h"
#include "ui/fullscreen/dispatcher.h"
#include "ui/fullscreen/fullstate.h"

namespace kl {

namespace hint = layout::base::hint;
namespace menu = layout::base::menu;
namespace tooltip = layout::base::tooltip;

Windows& windows() {
    static Windows w;
    return w;
}

FaceImage::FaceImage(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void FaceImage::paintEvent(QPaintEvent*) {
    QPainter p(this);
    platform::clipToShape(p, this);
    // A picture of the 2x set carries its ratio and fills the same 600 x 450;
    // a screen between the sets scales it smoothly.
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!picture.isNull()) p.drawImage(QPoint(0, 0), picture.image());
    emit painted();
}

void FaceImage::mousePressEvent(QMouseEvent* e) {
    emit mouseDown(e->button(), e->position().toPoint().x(), e->position().toPoint().y(), e->modifiers());
}

void FaceImage::mouseMoveEvent(QMouseEvent* e) {
    emit mouseMove(e->position().toPoint().x(), e->position().toPoint().y());
}

void FaceImage::mouseReleaseEvent(QMouseEvent* e) {
    emit mouseUp(e->button(), e->position().toPoint().x(), e->position().toPoint().y());
}

namespace {

// The two small buttons' strips (their 2x forms are found beside them).
constexpr const char* kOpenStrip = ":/buttons/myButton1.bmp";
constexpr const char* kCloseStrip = ":/buttons/myButton2.bmp";

QScreen* screenOf(const QWidget* w) {
    return w->screen() ? w->screen() : QGuiApplication::primaryScreen();
}

}  // namespace

TForm1::TForm1()
    : reportSection_("compact", [this](WindowReportState& s) {
          s.STATE = STATE;
          s.xm = xm;
          s.ym = ym;
          s.sym = sym;
          s.move = move;
          s.moved = moved;
          s.closed = closed;
      }) {
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    platform::prepareShapedWindow(this);
    setWindowTitle(platform::kProgramTitle);
    setFixedSize(600, 450);
    setFocusPolicy(Qt::StrongFocus);

    Image1 = new FaceImage(this);
    Image1->setGeometry(0, 0, 600, 450);
    connect(Image1, &FaceImage::mouseDown, this, &TForm1::Image1MouseDown);
    connect(Image1, &FaceImage::mouseMove, this, &TForm1::Image1MouseMove);
    connect(Image1, &FaceImage::mouseUp, this, &TForm1::Image1MouseUp);

    const auto makeButton = [this](int x, const char* strip) {
        auto* b = new TmyButton(this);
        b->setGeometry(x, 75, 15, 17);
        b->setNumGlyphs(4);
        b->setFlat(true);
        b->setFocusPolicy(Qt::NoFocus);
        return b;
    };
    myButton1 = makeButton(264, kOpenStrip);
    myButton2 = makeButton(320, kCloseStrip);
    loadButtonStrips();
    connect(myButton1, &TmyButton::clicked, this, &TForm1::myButton1Click);
    connect(myButton1, &TmyButton::mouseMoved, this, [this](int, int) { myButton1MouseMove(); });
    connect(myButton2, &TmyButton::clicked, this, &TForm1::myButton2Click);
    connect(myButton2, &TmyButton::mouseMoved, this, [this](int, int) { myButton2MouseMove(); });

    Timer1 = new QTimer(this);
    Timer1->setInterval(50);
    connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);

    xl = new QLabel(this);
    xl->move(249, 53);
    QFont hintFont("Arial");
    hintFont.setPixelSize(13);
    hintFont.setBold(true);
    xl->setFont(hintFont);
    xl->setAttribute(Qt::WA_TranslucentBackground);
    xl->setAttribute(Qt::WA_TransparentForMouseEvents);
    xl->hide();
    hintFade_ = platform::rgbFromColorRef(kHintStartColour);

    // The six face fonts, carried by hidden labels: face font n is view
    // preset n, so the face and the views measure texts alike.
    for (int i = 0; i < 6; ++i) {
        const layout::FontPreset& preset = layout::kFontPresets[layout::kFacePresetFirst + i];
        QFont f(preset.face);
        f.setPixelSize(std::abs(preset.pixelHeight));
        f.setBold(preset.bold);
        faceLabels[i] = new QLabel(this);
        faceLabels[i]->setFont(f);
        faceLabels[i]->hide();
    }

    setStateAction([this] { PAINTALL(STATE); });

    try {
        setattributes();
        hot = {HotRect{226, 177, 298, 217}, HotRect{226, 222, 298, 294}, HotRect{310, 231, 370, 291},
               HotRect{154, 218, 208, 272}, HotRect{393, 218, 447, 272}, HotRect{125, 300, 475, 390},
               HotRect{285, 70, 315, 95}};
        moon_ = platform::Picture::load("graphic\\moon.bmp");
        if (platform::windowsCanBePlaced()) {
            const QRect screen = screenOf(this)->geometry();
            QWidget::move(screen.width() / 2 - 40, screen.height() / 2 - 40);
        }
        STATE = -101;
        frameName_ = "graphic\\frame1.bmp";
        frame_ = platform::Picture::load(frameName_);
        // Today from the clock's own day, month and year: reading them out of
        // the locale's short date text breaks on any format but dd.MM.yyyy.
        currentDate = todayDate = platform::systemToday();
        currentDay = computeCalendarDay(currentDate);
        // The small frame's own picture (graphic\frameclr.bmp) is read only
        // when the full face cannot be had (regload): until then the window
        // is not on the screen.
        Image1->picture = frame_;
        applyRegion(bmptorgn(frame_, 0, false));
        // Tooltips of the two buttons and the eye between them (hot rectangle 7).
        const auto tip = [](int line) { return [line] { return QString::fromStdString(L(line)); }; };
        platform::setLiveTooltip(myButton1, tip(tooltip::kFaceFullScreen));
        platform::setLiveTooltip(myButton2, tip(tooltip::kFaceExit));
        platform::setLiveTooltip(Image1, tip(tooltip::kFaceDayView),
                                 QRect(QPoint(hot[6].left, hot[6].top), QPoint(hot[6].right, hot[6].bottom)));
    } catch (...) {
        if (writeerror(104, "kestral window")) platform::requestTerminate();
    }
}

TForm1::~TForm1() {
    setStateAction({});
}

bool TForm1::writeerror(int code, const std::string& sender, const Details& details) {
    return kl::writeerror(code, sender, details);
}

void TForm1::applyRegion(const platform::Region& region) {
    if (!region.isEmpty()) setMask(region);
}

void TForm1::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    if (!shownOnce_) {
        shownOnce_ = true;
        FormShow();
        // Moved to a screen of another pixel ratio, the face is painted
        // again from the picture set of that screen.
        if (QWindow* w = windowHandle()) {
            connect(w, &QWindow::screenChanged, this, [this] {
                loadButtonStrips();
                if (STATE >= 0 && !closed && platform::pictureSetFor(devicePixelRatioF()) != faceSet_) FILLPYR(currentDay);
            });
        }
    }
}

void TForm1::loadButtonStrips() {
    const int set = platform::pictureSetFor(devicePixelRatioF());
    for (const auto& [button, strip] : {std::pair{myButton1, kOpenStrip}, std::pair{myButton2, kCloseStrip}}) {
        const QImage glyph = platform::buttonStripInSet(strip, set);
        if (!glyph.isNull()) button->setGlyph(glyph);
    }
}

void TForm1::FormShow() {
    STATE = -101;
    loadConfiguration();
    // Shown from within show(), before the window is on the screen: the
    // first frame it shows is the full face. A failure reported so far is
    // ending the program, which then paints nothing.
    if (!platform::terminateWasRequested()) regload();
}

void TForm1::loadConfiguration() {
    if (TForm4* config = windows().form4) {
        config->loadAtStartup();
        config->assignv();
    }
}

void TForm1::closeEvent(QCloseEvent* e) {
    if (canQuit && !canQuit()) {
        e->ignore();
        return;
    }
    FormClose();
    e->accept();
    // Closing the compact window ends the program, whatever else is open;
    // a run that a failure is ending keeps its failure status.
    QCoreApplication::exit(platform::terminateWasRequested() ? platform::kFailureExitStatus : 0);
}

void TForm1::FormClose() {
    closed = true;
    frame_ = platform::Picture();
    moon_ = platform::Picture();
}

void TForm1::Image1MouseDown(Qt::MouseButton button, int x, int y, Qt::KeyboardModifiers modifiers) {
    menuPress_ = false;
    constexpr Qt::KeyboardModifiers kMenuModifiers =
        Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier | Qt::MetaModifier;
    if (button == Qt::RightButton && (modifiers & kMenuModifiers)) {
        menuPress_ = true;
        openContextMenu(Image1->mapToGlobal(QPoint(x, y)));
        return;
    }
    if (button != Qt::LeftButton || STATE < 0) return;
    moved = false;
    static constexpr std::array<int, 4> kStates{12, 22, 1, 32};
    for (int i = 0; i < 4; ++i) {
        if (hot[i].contains(x, y)) {
            STATE = kStates[i];
            PAINTALL(STATE);
            moved = true;
        }
    }
    if (hot[6].contains(x, y)) {
        openFullScreen();
        moved = true;
        _newstate = 0;
    }
    if (!moved) {
        move = true;
        xm = x;
        ym = y;
    }
}

void TForm1::Image1MouseMove(int x, int y) {
    if (move && !platform::windowsCanBePlaced()) {
        // The compositor moves the window: the drag is handed to it once the
        // pointer has gone far enough to be a drag, not a click.
        if ((QPoint(x, y) - QPoint(xm, ym)).manhattanLength() >= QApplication::startDragDistance() &&
            windowHandle() && windowHandle()->startSystemMove()) {
            move = false;
            moved = true;
        }
    } else if (move) {
        QWidget::move(pos() + QPoint(x - xm, y - ym));
        moved = true;
    }
    // Hint areas in the order they are tested: (rectangle, hint state, line).
    static constexpr std::array<std::array<int, 3>, 6> kHints{
        {{2, 1, hint::kOracle},
         {0, 2, hint::kTone},
         {1, 3, hint::kSeal},
         {3, 4, hint::kPlasma},
         {5, 5, hint::kAffirmation},
         {4, 6, hint::kMoon}}};
    int under = -1;
    for (const auto& [rect, area, line] : kHints) {
        if (!hot[rect].contains(x, y)) continue;
        under = line;
        if (sym != area && pointerLine_ != line) showHint(static_cast<std::uint8_t>(area), line);
    }
    pointerLine_ = under;
}

void TForm1::leaveEvent(QEvent* e) {
    // The pointer has left the window: coming back onto an area or a button
    // shows its hint again.
    pointerLine_ = -1;
    QWidget::leaveEvent(e);
}

void TForm1::Image1MouseUp(Qt::MouseButton, int, int) {
    move = false;
    if (menuPress_) {
        menuPress_ = false;
        return;
    }
    if (!moved) {
        if (TForm2* dialog = windows().form2) dialog->openFor(currentDate);
    }
    moved = false;
}

void TForm1::keyPressEvent(QKeyEvent* e) {
    // The menu key, or Shift+F10 as on most desktops, opens the context
    // menu under the pointer when it is over the face, else at its middle.
    if (e->key() == Qt::Key_Menu || (e->key() == Qt::Key_F10 && e->modifiers() == Qt::ShiftModifier)) {
        const QPoint pointer = Image1->mapFromGlobal(QCursor::pos());
        openContextMenu(Image1->mapToGlobal(Image1->rect().contains(pointer) ? pointer : QPoint(300, 225)));
        e->accept();
        return;
    }
    if (!platform::forwardKey(*e, [this](int key) { FormKeyDown(key); })) QWidget::keyPressEvent(e);
}

void TForm1::FormKeyDown(int key) {
    namespace vk = platform::vk;
    int n = 0;
    switch (key) {
        case vk::kEscape: close(); return;
        case vk::kPageUp: case vk::kRight: n = settings()._Swapbtn ? -1 : 1; break;
        case vk::kPageDown: case vk::kLeft: n = settings()._Swapbtn ? 1 : -1; break;
        case vk::kComma: n = -28; break;
        case vk::kPeriod: n = 28; break;
        default: return;
    }
    // A step that would leave the accepted years does nothing.
    const GregorianDate next = stepDate(currentDate, n);
    if (next == currentDate || !isValidDate(next)) return;
    currentDate = next;
    recomputeCurrentDay();
}

void TForm1::showHintColour() {
    // Red runs from 80 (nothing of the hint shows) to 245 (all of it).
    const double level = std::clamp((hintFade_.r - 80) / 165.0, 0.0, 1.0);
    const auto mix = [level](std::uint8_t under, std::uint8_t fade) {
        return static_cast<std::uint8_t>(std::lround(under + (fade - under) * level));
    };
    hintColour_ = {mix(hintUnder_.r, hintFade_.r), mix(hintUnder_.g, hintFade_.g), mix(hintUnder_.b, hintFade_.b)};
    xl->setStyleSheet(QString("color: rgb(%1, %2, %3); background: transparent;")
                          .arg(hintColour_.r).arg(hintColour_.g).arg(hintColour_.b));
}

namespace {

// The mean colour of the picture inside r (clipped to the picture).
platform::Rgb meanColour(const platform::Picture& picture, const QRect& r) {
    const QRect area = r.intersected(QRect(0, 0, picture.width(), picture.height()));
    if (area.isEmpty()) return {};
    std::uint64_t sum[3] = {0, 0, 0};
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const platform::Rgb c = picture.pixel(x, y);
            sum[0] += c.r, sum[1] += c.g, sum[2] += c.b;
        }
    const std::uint64_t n = static_cast<std::uint64_t>(area.width()) * area.height();
    return {static_cast<std::uint8_t>((sum[0] + n / 2) / n), static_cast<std::uint8_t>((sum[1] + n / 2) / n),
            static_cast<std::uint8_t>((sum[2] + n / 2) / n)};
}

}  // namespace

void TForm1::showHint(std::uint8_t area, int line) {
    sym = area;
    hintLine_ = line;
    xl->setText(QString::fromStdString(L(line)));
    xl->adjustSize();
    const QRect label = xl->geometry();
    hintUnder_ = meanColour(Image1->picture, QRect(label.topLeft() * faceSet_, label.size() * faceSet_));
    hintFade_ = platform::rgbFromColorRef(kHintStartColour);
    showHintColour();
    xl->show();
    Timer1->start();
}

void TForm1::openContextMenu(const QPoint& globalPos) {
    if (closed) return;
    if (!contextMenu) contextMenu = new QMenu(this);
    contextMenu->clear();
    const auto add = [this](int line, auto&& action) {
        QAction* a = contextMenu->addAction(QString::fromStdString(L(line)));
        connect(a, &QAction::triggered, this, action);
        return a;
    };
    add(menu::kToday, [] {
        if (TForm2* dialog = windows().form2) dialog->todaybClick();
    });
    add(menu::kChooseDate, [] {
        if (TForm2* dialog = windows().form2) dialog->openFor(currentDate);
    });
    contextMenu->addSeparator();
    add(menu::kFullScreen, [this] { myButton1Click(); });
    add(menu::kPrintManager, [] {
        if (dispatcherHooks().openPrintManager) dispatcherHooks().openPrintManager();
    });
    add(menu::kSettings, [] {
        if (dispatcherHooks().openConfiguration) dispatcherHooks().openConfiguration();
    });
    contextMenu->addSeparator();
    QAction* autostart = contextMenu->addAction(QString::fromStdString(L(menu::kAutostart)));
    autostart->setCheckable(true);
    autostart->setChecked(platform::autostartEnabled());
    connect(autostart, &QAction::toggled, this, &TForm1::setStartWithDesktop);
    contextMenu->addSeparator();
    add(menu::kQuit, [this] { close(); });
    contextMenu->popup(globalPos);
}

void TForm1::setStartWithDesktop(bool on) {
    std::string error;
    if (!platform::setAutostart(on, error)) platform::showMessage(L(menu::kAutostartFailed) + " " + error);
}

void TForm1::retranslate() {
    // Before its first paint the face is drawn in the new language anyway.
    if (STATE >= 0 && !closed) FILLPYR(currentDay);
    if (xl->isVisible() && hintLine_ >= 0) {
        xl->setText(QString::fromStdString(L(hintLine_)));
        xl->adjustSize();
    }
}

void TForm1::endHint() {
    Timer1->stop();
    sym = 0;
    // The last colour is the face's own; hiding the label as well leaves not
    // even its antialiased edges over the face's stars and gradients.
    xl->hide();
}

void TForm1::Timer1Timer() {
    if (sym >= 1 && sym <= 7) {
        int r = hintFade_.r, g = hintFade_.g;
        bool done = false;
        if (r < 240 && g < 91) r += 15;
        else g = 91;
        if (g == 91) {
            if (r > 80) r -= 3;
            else done = true;
        }
        hintFade_ = {static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g), hintFade_.b};
        showHintColour();
        if (done) endHint();
    }
}

// Moving over a button starts its hint when the pointer comes onto it, not
// again on every move while it rests there, nor after the hint has faded.
void TForm1::myButton1MouseMove() {
    if (pointerLine_ != hint::kFullScreen) showHint(7, hint::kFullScreen);
    pointerLine_ = hint::kFullScreen;
}

void TForm1::myButton2MouseMove() {
    if (pointerLine_ != hint::kExit) showHint(7, hint::kExit);
    pointerLine_ = hint::kExit;
}

void TForm1::myButton1Click() {
    openFullScreen();
    moved = true;
    spin = 0;
    _newstate = 0;
}

void TForm1::myButton2Click() { close(); }

}  // namespace kl
