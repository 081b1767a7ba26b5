#include "ui/fullscreen/window/tform3.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QWindow>

#include <cstring>

#include "core/state.h"
#include "ui/config/tform4.h"
#include "data/errorlog.h"
#include "platform/identity.h"
#include "platform/keys.h"
#include "platform/pictureset.h"
#include "platform/system.h"
#include "platform/widgets/tooltip.h"
#include "data/textdb.h"
#include "layout/baselines.h"
#include "ui/fullscreen/compactlink.h"
#include "ui/fullscreen/dispatcher.h"
#include "ui/fullscreen/fullstate.h"
#include "ui/fullscreen/hints.h"
#include "ui/fullscreen/workpictures.h"

namespace kl {

std::int32_t phx = 0;
std::int32_t phy = 0;
double t1 = 0;
double t2 = 0;

namespace {

// The report prints the window's own state whether or not the window exists.
const ReportSection reportSection("fullwindow", [](WindowReportState& s) {
    s.phx = phx;
    s.phy = phy;
    s.t1 = t1;
    s.t2 = t2;
    s.heldText = lastHint;
});

QColor qcolor(platform::Rgb c) { return QColor(c.r, c.g, c.b); }

QRect screenRect(const QWidget* w) {
    QScreen* s = w->screen() ? w->screen() : QGuiApplication::primaryScreen();
    return s ? s->geometry() : QRect(0, 0, 1024, 768);
}

// The configuration dialog of the running program; null before it is made
// and after it is gone.
QPointer<TForm4>& configDialog() {
    static QPointer<TForm4> dialog;
    return dialog;
}

}  // namespace

// --- The picture box ---------------------------------------------------------

PictureBox::PictureBox(QWidget* parent)
    : QWidget(parent), picture_(kWidth, kHeight, kViewBackground) {
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(kWidth, kHeight);
}

void PictureBox::setPictureSet(int set) {
    if (set == picture_.scale()) return;
    picture_ = platform::Picture(kWidth * set, kHeight * set, kViewBackground);
    picture_.setScale(set);
    update();
}

void PictureBox::showPicture(const platform::Picture& frame) {
    if (&frame == &picture_) {
        update();
        return;
    }
    const int rows = std::min(picture_.height(), frame.height());
    const std::size_t bytes = std::size_t(std::min(picture_.width(), frame.width())) * 3;
    for (int y = 0; y < rows; ++y) std::memcpy(picture_.row(y), frame.row(y), bytes);
    update();
}

void PictureBox::paintEvent(QPaintEvent*) {
    // The picture's scale makes the painter place its pixels at their
    // ratio: a 2x picture fills the box with its own pixels.
    QPainter p(this);
    p.drawImage(0, 0, picture_.image());
}

void PictureBox::mousePressEvent(QMouseEvent* e) {
    const QPoint at = e->position().toPoint();
    emit mouseDown(e->button(), e->modifiers(), at.x(), at.y());
}

void PictureBox::mouseMoveEvent(QMouseEvent* e) {
    const QPoint at = e->position().toPoint();
    emit mouseMove(e->modifiers(), at.x(), at.y());
}

void PictureBox::mouseReleaseEvent(QMouseEvent* e) {
    const QPoint at = e->position().toPoint();
    emit mouseUp(e->button(), e->modifiers(), at.x(), at.y());
}

// --- The window --------------------------------------------------------------

const std::array<TForm3::ButtonSpec, TForm3::kButtonCount> TForm3::kButtons{{
    {"myButton9", 8, 0},      // day view
    {"myButton2", 48, 1},     // tone page
    {"myButton3", 88, 2},     // seal page
    {"myButton4", 128, 3},    // plasma page
    {"myButton5", 168, 4},    // oracle
    {"myButton1", 208, 7},    // moon-month view
    {"myButton6", 248, 5},    // Tzolkin
    {"myButton7", 288, 6},    // wavespell
    {"myButton8", 328, 8},    // wavespell with pulsars
    {"Button1", 368, 9},      // year
    {"Button2", 408, 11},     // week view
    {"Button3", 448, 12},     // wings
    {"Button4", 488, 13},     // telektonon
    {"myButton10", 528, 14},  // book-of-kins page
    {"Button5", 568, 18},     // print manager
    {"SpeedButton1", 608, 19},  // help, first page
    {"configs", 664, 20},     // configuration; moved to the right edge below
}};

TForm3::TForm3() {
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setWindowTitle(platform::kProgramTitle);
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, qcolor(kViewBackground));
    setPalette(pal);

    pbx = new PictureBox(this);
    connect(pbx, &PictureBox::mouseDown, this, &TForm3::pbxMouseDown);
    connect(pbx, &PictureBox::mouseMove, this, &TForm3::pbxMouseMove);
    connect(pbx, &PictureBox::mouseUp, this, &TForm3::pbxMouseUp);

    for (int i = 0; i < kButtonCount; ++i) {
        auto* b = new TmyButton(this);
        b->setObjectName(kButtons[i].name);
        b->setGeometry(kButtons[i].x, kButtonTop, kButtonSize, kButtonSize);
        b->setNumGlyphs(4);
        b->setFlat(true);
        b->setFocusPolicy(Qt::NoFocus);
        connect(b, &TmyButton::clicked, this, [this, i] { buttonClick(i); });
        // What the button shows, named in the language in force.
        platform::setLiveTooltip(b, [i] { return QString::fromStdString(L(layout::base::tooltip::kFullScreenButtons + i)); });
        buttons[i] = b;
    }
    loadButtonPictures(1);

    Timer1 = new QTimer(this);
    Timer1->setInterval(kTimerInterval);
    connect(Timer1, &QTimer::timeout, this, &TForm3::Timer1Timer);

    TransitionTarget target;
    target.paint = [](int mode, std::uint8_t level) {
        const long before = platform::messagesShown();
        paintall(mode, level);
        return platform::messagesShown() == before;
    };
    target.show = [this](const platform::Picture& frame) { pbx->showPicture(frame); };
    target.frame = [this] { return &pbx->canvas(); };
    target.setButtonsEnabled = [this](bool on) { setModeButtonsEnabled(on); };
    target.stop = [this] { Timer1->stop(); };
    target.open = [](int mode) { openModeWindow(mode); };
    transition_ = std::make_unique<Transition>(viewPicture(), std::move(target));

    FullScreenLink& link = fullScreen();
    link.show = [this] {
        show();
        raise();
        activateWindow();
        Timer1->start();  // already on screen: the requested mode still fades in
    };
    link.repaint = [this] { repaintView(); };
    link.setEnabled = [this](bool on) { setEnabled(on); };
    link.startTimer = [this] { Timer1->start(); };

    DispatcherHooks& hooks = dispatcherHooks();
    // The print manager arrives with the print pages; until then mode 18 is
    // a blank view and opens nothing.
    hooks.openPrintManager = [] {};
    hooks.openConfiguration = [this] { openConfiguration(); };

    loadbaserects();  // reports a missing or short file itself
    try {
        loadBoardPicture();
        setGeometry(screenRect(this));
        placePictureBox();
        configs()->move(width() - 50, kButtonTop);
    } catch (...) {
        reportFailure(104, "fullmode create");
    }
}

TForm3::~TForm3() {
    destroying_ = true;
    Timer1->stop();
    fullScreen() = FullScreenLink{};
    dispatcherHooks() = DispatcherHooks{};
    if (TForm4* config = configDialog()) {
        config->setFullScreenEnabled = nullptr;
        config->onHidden = nullptr;
    }
    configDialog() = nullptr;
    telektononPicture1() = platform::Picture();
    telektononPicture2() = platform::Picture();
    setViewPictureSet(1);
}

void TForm3::setConfiguration(TForm4* config) {
    config_ = config;
    configDialog() = config;
    if (!config) return;
    config->setFullScreenEnabled = [this](bool on) { setEnabled(on); };
    config->onHidden = [this] { modeWindowClosed(20); };
}

void TForm3::modeWindowClosed(int mode) {
    // The day view comes back in place of the blank view of the window's
    // mode, unless another mode has been asked for meanwhile (a glyph of
    // the compact face).
    if (_newstate != mode && _newstate != fullmodeState) return;
    _newstate = 0;
    Timer1->start();
}

TmyButton* TForm3::button(const char* name) const {
    for (int i = 0; i < kButtonCount; ++i)
        if (std::strcmp(kButtons[i].name, name) == 0) return buttons[i];
    return nullptr;
}

void TForm3::placePictureBox() {
    const QRect screen = screenRect(this);
    pbx->move((screen.width() - PictureBox::kWidth) / 2, (screen.height() - PictureBox::kHeight) / 2 + 20);
}

void TForm3::loadButtonPictures(int set) {
    for (int i = 0; i < kButtonCount; ++i) {
        const QImage glyph = platform::buttonStripInSet(QString(":/buttons/fullscreen/%1.bmp").arg(kButtons[i].name), set);
        if (!glyph.isNull()) buttons[i]->setGlyph(glyph);
    }
}

void TForm3::followScreenSet() {
    const int set = platform::pictureSetFor(devicePixelRatioF());
    if (set == viewPictureSet() && set == pbx->picture().scale()) return;
    setViewPictureSet(set);
    pbx->setPictureSet(set);
    loadButtonPictures(set);
    // A fade under way ends at its target, drawn in the new set.
    if (spin > 0) spin = 0;
    if (fullmodeState >= 0) repaintView();
}

void TForm3::setModeButtonsEnabled(bool enabled) {
    for (int i = 0; i < kButtonCount; ++i)
        if (std::strcmp(kButtons[i].name, "myButton10") != 0) buttons[i]->setEnabled(enabled);
}

void TForm3::buttonClick(int index) {
    if (index < 0 || index >= kButtonCount) return;
    spin = 0;
    _newstate = static_cast<std::uint8_t>(kButtons[index].mode);
    if (kButtons[index].mode == 13) _teldrawed = false;  // the telektonon board is built afresh
    Timer1->start();
}

void TForm3::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    if (!screenWatched_ && windowHandle()) {
        screenWatched_ = true;
        connect(windowHandle(), &QWindow::screenChanged, this, [this] { followScreenSet(); });
    }
    followScreenSet();
    if (!e->spontaneous()) FormShow();
}

void TForm3::FormShow() {
    try {
        Timer1->start();
        if (config_) {
            config_->load();
            config_->assignv();
        }
        if (loadfsize) loadfsize();
    } catch (...) {
        reportFailure(108, "fullmode window show");
    }
}

void TForm3::hideEvent(QHideEvent* e) {
    QWidget::hideEvent(e);
    if (!e->spontaneous() && !destroying_) FormHide();
}

void TForm3::FormHide() {
    // The hidden window fades to the blank mode and its timer stops there.
    CompactLink& compact = compactWindow();
    if (compact.resetState) compact.resetState();
    spin = 0;
    _newstate = 10;
    if (compact.repaintFace) compact.repaintFace();
    Timer1->start();
}

void TForm3::closeEvent(QCloseEvent* e) {
    FormClose();
    e->accept();
}

void TForm3::FormClose() {
    fullmodeState = -1;
    if (compactWindow().resetState) compactWindow().resetState();
}

void TForm3::keyPressEvent(QKeyEvent* e) {
    if (!platform::forwardKey(*e, [this](int key) { FormKeyDown(key); })) QWidget::keyPressEvent(e);
}

void TForm3::FormKeyDown(int key) {
    if (spin > 1) return;  // a fade is under way
    // The compact window's state action would request the mode its face
    // opened; the mode on show here is the user's choice and stays.
    const std::uint8_t requested = _newstate;
    if (compactWindow().keyDown) compactWindow().keyDown(key);
    _newstate = requested;
    repaintView();
}

void TForm3::repaintView() {
    paintall(fullmodeState, 255);
    pbx->showPicture(viewPicture());
}

void TForm3::retranslate() {
    loadbaserects();
    lastHint.clear();
    if (isVisible() && spin == 0) repaintView();
}

void TForm3::pbxMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers, int x, int y) {
    phx = x;
    phy = y;
    if (fullmodeState == 19 || fullmodeState >= 25) {
        // Any click on a help page turns it; the dispatcher wraps past the last.
        spin = 0;
        if (fullmodeState == 19) _newstate = 25;
        else if (fullmodeState <= 45) _newstate = static_cast<std::uint8_t>(fullmodeState + 1);
        Timer1->start();
    } else if (button == Qt::RightButton) {
        openDateDialog();
    } else {
        hideFromClick();
    }
}

void TForm3::mousePressEvent(QMouseEvent* e) {
    const QPoint at = e->position().toPoint();
    FormMouseDown(e->button(), e->modifiers(), at.x(), at.y());
}

void TForm3::FormMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers, int, int y) {
    if (button == Qt::RightButton) openDateDialog();
    else if (y > 50) hideFromClick();  // the button strip's band keeps the window open
}

void TForm3::pbxMouseMove(Qt::KeyboardModifiers, int x, int y) {
    if (hintMove(x, y, viewPicture())) pbx->showPicture(viewPicture());
}

void TForm3::pbxMouseUp(Qt::MouseButton, Qt::KeyboardModifiers, int, int) {}

void TForm3::hideFromClick() {
    hide();
    if (compactWindow().clearHint) compactWindow().clearHint();
}

void TForm3::openDateDialog() {
    if (compactWindow().openDateDialog) compactWindow().openDateDialog(currentDate);
}

void TForm3::openConfiguration() {
    if (config_ && !config_->isVisible()) config_->show();
}

void TForm3::Timer1Timer() {
    // While a message box waits for the user the timer still fires; a tick
    // then would draw (and fail) again behind the box.
    if (platform::messageOpen()) return;
    try {
        transition_->tick();
        placePictureBox();
        t2 = (platform::timeOfDayFraction() - t1) * 100;
    } catch (...) {
        Timer1->stop();
        reportFailure(109, "timer fail");
    }
}

}  // namespace kl
