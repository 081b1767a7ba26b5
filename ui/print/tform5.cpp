// The print manager window: its controls, layouts, show and hide, zoom and
// the window sizes. The commands are in tform5_commands.cpp, the line
// builder in tform5_editor.cpp.
#include "ui/print/tform5.h"

#include <algorithm>

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QVBoxLayout>
#include <QWindow>

#include "core/state.h"
#include "data/errorlog.h"
#include "platform/widgets/mybutton.h"
#include "platform/files.h"
#include "platform/pictureset.h"
#include "print/fitting.h"
#include "ui/fullscreen/fullstate.h"
#include "ui/print/printerpage.h"
#include "ui/print/tform6.h"

namespace kl {

using namespace print::captionline;

namespace {

// The window's client area at its smallest in each layout.
constexpr int kCreativeMinWidth = 740, kCreativeMinHeight = 547;
constexpr int kEasyMinWidth = 567, kEasyMinHeight = 272;
constexpr int kCreativeLeft = 276, kEasyLeft = 138;
constexpr int kBarHeight = 51, kBarWidth = 464;
constexpr int kDefaultPageWidth = 768, kDefaultPageHeight = 1024;

TmyButton* pictureButton(QWidget* parent, const char* name, int width = 32, int height = 32) {
    auto* b = new TmyButton(parent);
    b->setObjectName(name);
    b->setNumGlyphs(4);
    b->setFlat(true);
    b->setFocusPolicy(Qt::NoFocus);
    // The strip of the picture set of the screen the window opens on.
    const QImage glyph = platform::buttonStripInSet(QString(":/buttons/print/") + name + ".bmp",
                                                    platform::pictureSetFor(b->devicePixelRatioF()));
    if (!glyph.isNull()) b->setGlyph(glyph);
    b->setFixedSize(width, height);
    return b;
}

// A picture button with its caption to the right of the picture.
TmyButton* captionButton(QWidget* parent, const char* name, int width) {
    TmyButton* b = pictureButton(parent, name, width, 34);
    QFont f = b->font();
    f.setPixelSize(12);
    b->setFont(f);
    b->setLayout(TmyButton::Layout::GlyphLeft);
    b->setMargin(1);
    b->setSpacing(6);
    return b;
}

// A caption button whose caption is long for its width.
void narrowCaption(TmyButton* b) {
    QFont f = b->font();
    f.setPixelSize(11);
    b->setFont(f);
    b->setSpacing(4);
}

// Captions are data: a long one is drawn smaller until it fits beside the
// picture (down to a size that stays readable).
void fitCaption(TmyButton* b) {
    constexpr int kPicture = 32, kSmallest = 9;
    if (b->caption().isEmpty()) return;
    QFont f = b->font();
    const int room = b->width() - kPicture - 4 - 3;
    while (f.pixelSize() > kSmallest && QFontMetrics(f).horizontalAdvance(b->caption()) > room)
        f.setPixelSize(f.pixelSize() - 1);
    b->setFont(f);
}

constexpr const char* kCreativeExportNames[9] = {"myButton9",  "myButton10", "myButton11", "myButton12", "myButton13",
                                                 "myButton14", "myButton15", "myButton6",  "myButton26"};
constexpr const char* kEasyExportNames[9] = {"myButton7",  "myButton8",  "myButton16", "myButton17", "myButton18",
                                             "myButton19", "myButton20", "myButton21", "myButton27"};
// What each export button was called before the captions were read.
constexpr const char* kExportFallbacks[9] = {"Day", "Tone", "Seal", "Plasma", "Oracle",
                                             "Wavespell", "Moon", "Year", "Book of kins"};

}  // namespace

PageView::PageView(QWidget* parent, const platform::Picture& page) : QWidget(parent), page_(page) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::CrossCursor);
}

void PageView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (page_.isNull()) {
        p.fillRect(rect(), Qt::white);
        return;
    }
    p.setRenderHint(QPainter::SmoothPixmapTransform, width() < page_.width());
    p.drawImage(rect(), page_.image());
}

void PageView::mousePressEvent(QMouseEvent* e) {
    emit mouseDown(e->button(), e->position().toPoint().x(), e->position().toPoint().y());
}
void PageView::mouseMoveEvent(QMouseEvent* e) {
    emit mouseMove(e->buttons(), e->position().toPoint().x(), e->position().toPoint().y());
}
void PageView::mouseReleaseEvent(QMouseEvent* e) {
    emit mouseUp(e->button(), e->position().toPoint().x(), e->position().toPoint().y());
}

TForm5::TForm5() : QWidget(nullptr) {
    setWindowTitle("Print manager");
    setObjectName("TForm5");
    page = platform::Picture(kDefaultPageWidth, kDefaultPageHeight, state.background);
    state.script.canvasWidth = kDefaultPageWidth;
    state.script.canvasHeight = kDefaultPageHeight;
    state.script.lines = {"[Main script]", "[T(E)=ART]"};
    state.viewZoom = 1.0;
    state.scaleFactor = 1.0;
    state.editorFontHeight = -13;
    paperQuery = print::printerPageSize;
    _TEXTGRAPHIC = true;

    panel1 = new QWidget(this);
    panel1->setObjectName("panel1");
    pnl = new QWidget(this);
    pnl->setObjectName("pnl");
    ScrollBox1 = new QScrollArea(this);
    ScrollBox1->setBackgroundRole(QPalette::Dark);
    ScrollBox1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    pb = new PageView(ScrollBox1, page);
    ScrollBox1->setWidget(pb);
    Pan = new QWidget(this);
    Pan->setObjectName("Pan");

    buildCreativePanel();
    buildEasyPanel();
    buildBar();
    wire();
    setCaptions();
    scriptToMemo();
    markBaseline();
    setSpins(page.width(), page.height());
    setShownSize();
    panel1->hide();
    resize(1000, 700);
    resizef();
}

TForm5::~TForm5() = default;

void TForm5::buildCreativePanel() {
    auto* v = new QVBoxLayout(panel1);
    v->setContentsMargins(4, 2, 4, 4);
    v->setSpacing(3);
    myButton23 = captionButton(panel1, "myButton23", 265);
    v->addWidget(myButton23);
    Prs = new QLabel("Printing script", panel1);
    QFont bold = Prs->font();
    bold.setBold(true);
    Prs->setFont(bold);
    v->addWidget(Prs);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(2);
    l8 = new QLabel("Canvas width", panel1);
    l9 = new QLabel("Canvas height", panel1);
    l10 = new QLabel("Background", panel1);
    spw = new QSpinBox(panel1);
    sph = new QSpinBox(panel1);
    for (QSpinBox* s : {spw, sph}) {
        s->setRange(1, print::kMaxPageSide);
        s->setKeyboardTracking(false);  // a size is taken when typed in full
    }
    Panel2 = new QFrame(panel1);
    Panel2->setObjectName("Panel2");
    Panel2->setFrameShape(QFrame::Box);
    Panel2->setFixedHeight(20);
    Panel2->setAutoFillBackground(true);
    QPalette swatch = Panel2->palette();
    swatch.setColor(QPalette::Window, QColor(state.background.r, state.background.g, state.background.b));
    Panel2->setPalette(swatch);
    Panel2->setCursor(Qt::PointingHandCursor);
    Panel2->installEventFilter(this);
    grid->addWidget(l8, 0, 0);
    grid->addWidget(spw, 0, 1);
    grid->addWidget(l9, 1, 0);
    grid->addWidget(sph, 1, 1);
    grid->addWidget(l10, 2, 0);
    grid->addWidget(Panel2, 2, 1);
    v->addLayout(grid);

    auto* news = new QGridLayout;
    news->setSpacing(2);
    mb9 = captionButton(panel1, "mb9", 131);
    mb8 = captionButton(panel1, "mb8", 131);
    mb4 = captionButton(panel1, "mb4", 131);
    mb6 = captionButton(panel1, "mb6", 131);
    for (TmyButton* b : {mb9, mb8, mb4, mb6}) narrowCaption(b);
    news->addWidget(mb9, 0, 0);
    news->addWidget(mb8, 0, 1);
    news->addWidget(mb4, 1, 0);
    news->addWidget(mb6, 1, 1);
    v->addLayout(news);

    ins = new QLabel("Instruction: click to button above.", panel1);
    ins->setWordWrap(true);
    ins->setMinimumHeight(30);
    ins->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    v->addWidget(ins);
    auto* line = new QHBoxLayout;
    sr = new QLineEdit("Abcdef", panel1);
    mb7 = captionButton(panel1, "mb7", 96);
    mb7->setFixedWidth(112);
    line->addWidget(sr, 1);
    line->addWidget(mb7);
    v->addLayout(line);
    lb1 = new QLabel("Sample", panel1);
    lb1->setFrameShape(QFrame::StyledPanel);
    lb1->setFixedHeight(40);
    lb1->setAutoFillBackground(true);
    lb1->setAlignment(Qt::AlignCenter);
    v->addWidget(lb1);

    Label1 = new QLabel("Export script from calendar", panel1);
    Label1->setFont(bold);
    // The exports' heading, with the year's printed calendar at its end.
    auto* heading = new QHBoxLayout;
    heading->addWidget(Label1, 1);
    yearCalendarCreative = pictureButton(panel1, "yearCalendarCreative");
    heading->addWidget(yearCalendarCreative);
    v->addLayout(heading);
    auto* exports = new QGridLayout;
    exports->setSpacing(1);
    for (int i = 0; i < 9; ++i) {
        creativeExports[static_cast<std::size_t>(i)] = pictureButton(panel1, kCreativeExportNames[i]);
        exports->addWidget(creativeExports[static_cast<std::size_t>(i)], 0, i);
    }
    v->addLayout(exports);
    // The script's own tools: textmode on a row of its own, so its caption
    // is never cut by the buttons, then load, save, show and fit.
    CheckBox1 = new QCheckBox("textmode", panel1);
    CheckBox1->setChecked(true);
    v->addWidget(CheckBox1);
    auto* files = new QHBoxLayout;
    files->setSpacing(2);
    files->addStretch(1);
    mb1 = pictureButton(panel1, "mb1");
    mb2 = pictureButton(panel1, "mb2");
    mb3 = pictureButton(panel1, "mb3");
    myButton25 = pictureButton(panel1, "myButton25");
    for (TmyButton* b : {mb1, mb2, mb3, myButton25}) files->addWidget(b);
    v->addLayout(files);

    Memo1 = new QPlainTextEdit(panel1);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    QFont mono("DejaVu Sans Mono");
    mono.setStyleHint(QFont::Monospace);
    mono.setPixelSize(12);
    Memo1->setFont(mono);
    v->addWidget(Memo1, 1);
}

void TForm5::buildEasyPanel() {
    auto* v = new QVBoxLayout(pnl);
    v->setContentsMargins(2, 2, 2, 4);
    v->setSpacing(2);
    myButton22 = captionButton(pnl, "myButton22", 133);
    v->addWidget(myButton22);
    v->addSpacing(8);
    for (int i = 0; i < 9; ++i) {
        easyExports[static_cast<std::size_t>(i)] = captionButton(pnl, kEasyExportNames[i], 133);
        v->addWidget(easyExports[static_cast<std::size_t>(i)]);
    }
    yearCalendarEasy = captionButton(pnl, "yearCalendarEasy", 133);
    v->addWidget(yearCalendarEasy);
    // The easy panel is narrow: its longer captions take a smaller font.
    narrowCaption(myButton22);
    for (TmyButton* b : easyExports) narrowCaption(b);
    narrowCaption(yearCalendarEasy);
    v->addSpacing(8);
    myButton24 = captionButton(pnl, "myButton24", 133);
    v->addWidget(myButton24);
    prg = new QProgressBar(pnl);
    prg->setRange(0, 100);
    prg->setValue(0);
    prg->setTextVisible(false);
    prg->setFixedHeight(12);
    prg->hide();
    v->addWidget(prg);
    v->addStretch(1);
}

void TForm5::buildBar() {
    Label2 = new QLabel("Масштаб", Pan);
    Label3 = new QLabel("Разрешение", Pan);
    myButton4 = pictureButton(Pan, "myButton4");
    mb11 = pictureButton(Pan, "mb11");
    myButton3 = pictureButton(Pan, "myButton3");
    myButton1 = pictureButton(Pan, "myButton1");
    myButton5 = pictureButton(Pan, "myButton5");
    myButton28 = pictureButton(Pan, "myButton28");
    monoLabel = new QLabel(Pan);
    smb = pictureButton(Pan, "smb");
    myButton2 = pictureButton(Pan, "myButton2");
    printbtn = captionButton(Pan, "printbtn", 86);
    // Two labelled pairs on the left, the page tools on the right.
    Label2->setGeometry(4, 0, 108, 15);
    myButton4->move(4, 16);
    mb11->move(40, 16);
    myButton3->move(76, 16);
    Label3->setGeometry(120, 0, 80, 15);
    myButton1->move(120, 16);
    myButton5->move(156, 16);
    monoLabel->setGeometry(204, 0, 150, 15);
    myButton28->move(204, 16);
    smb->move(240, 16);
    myButton2->move(276, 16);
    printbtn->move(330, 15);
    printbtn->setFixedWidth(130);
    Pan->setFixedHeight(kBarHeight);
}

void TForm5::setCaptions() {
    const auto& c = printCaptions;
    const auto q = [&c](int line, const char* fallback) { return QString::fromStdString(c.text(line, fallback)); };
    setWindowTitle(q(kTitle, "Print manager"));
    myButton23->setCaption(q(kEasyMode, "Easy mode"));
    myButton22->setCaption(q(kCreativeMode, "Creative mode"));
    Prs->setText(q(kPrintingScript, "Printing script"));
    l8->setText(q(kCanvasWidth, "Canvas width"));
    l9->setText(q(kCanvasHeight, "Canvas height"));
    l10->setText(q(kBackground, "Background"));
    mb9->setCaption(q(kNewMoon, "new moon"));
    mb8->setCaption(q(kNewImage, "new image"));
    mb4->setCaption(q(kNewText, "new text"));
    mb6->setCaption(q(kNewFont, "new font"));
    if (editorState == 0) {
        ins->setText(q(kIdle, "Instruction: click to button above."));
        mb7->setCaption(q(kAdd, "add"));
    }
    lb1->setText(q(kSample, "Sample"));
    Label1->setText(q(kExportLabel, "Export script from calendar"));
    for (std::size_t i = 0; i < 9; ++i) {
        const QString text = q(kExports[i], kExportFallbacks[i]);
        creativeExports[i]->setToolTip(text);
        easyExports[i]->setCaption(text);
        easyExports[i]->setToolTip(text);
    }
    CheckBox1->setText(q(kTextMode, "textmode"));
    mb1->setToolTip(q(kLoad, "load"));
    mb2->setToolTip(q(kSave, "save"));
    mb3->setToolTip(q(kShow, "show"));
    myButton25->setToolTip(q(kFitToPaper, "fit to paper"));
    const QString calendar = q(kYearCalendar, "Year calendar (PDF)");
    yearCalendarCreative->setToolTip(calendar);
    yearCalendarEasy->setCaption(calendar);
    yearCalendarEasy->setToolTip(calendar);
    myButton24->setCaption(q(kShow, "repaint"));
    Label2->setText(q(kZoom, "Масштаб"));
    Label3->setText(q(kResolution, "Разрешение"));
    myButton4->setToolTip("1:1");
    mb11->setToolTip(q(kZoomOut, "smaller"));
    myButton3->setToolTip(q(kZoomIn, "larger"));
    myButton1->setToolTip(q(kDouble, "double"));
    myButton5->setToolTip(q(kHalve, "half"));
    showMonoState();
    smb->setToolTip(q(kSmooth, "smooth"));
    myButton2->setToolTip(q(kSetup, "setup"));
    printbtn->setCaption(q(kPrint, "print"));
    printbtn->setToolTip(q(kPrint, "print"));
    for (TmyButton* b : findChildren<TmyButton*>()) fitCaption(b);
    if (setup_) {
        setup_->setWindowTitle(q(kSetupTitle, "Printing setup"));
        setup_->rb1->setText(q(kLandscape, "landscape"));
        setup_->rb2->setText(q(kPortrait, "portrait"));
        setup_->Label1->setText(q(kMargin, "Отступ (%)"));
        setup_->Button1->setText(q(kSave, "Save"));
    }
}

void TForm5::showMonoState() {
    const QString text = QString::fromStdString(printCaptions.text(
        state.monoMode ? kMonoOn : kMonoOff, state.monoMode ? "black and white: on" : "black and white: off"));
    monoLabel->setText(text);
    myButton28->setToolTip(text);
}

void TForm5::wire() {
    connect(myButton23, &TmyButton::clicked, this, &TForm5::myButton23Click);
    connect(myButton22, &TmyButton::clicked, this, &TForm5::myButton22Click);
    for (int i = 0; i < 9; ++i) {
        connect(creativeExports[static_cast<std::size_t>(i)], &TmyButton::clicked, this, [this, i] { exportClick(i, false); });
        connect(easyExports[static_cast<std::size_t>(i)], &TmyButton::clicked, this, [this, i] { exportClick(i, true); });
    }
    connect(yearCalendarCreative, &TmyButton::clicked, this, &TForm5::yearCalendarClick);
    connect(yearCalendarEasy, &TmyButton::clicked, this, &TForm5::yearCalendarClick);
    connect(mb1, &TmyButton::clicked, this, &TForm5::mb1Click);
    connect(mb2, &TmyButton::clicked, this, &TForm5::mb2Click);
    connect(mb3, &TmyButton::clicked, this, &TForm5::mb3Click);
    connect(myButton24, &TmyButton::clicked, this, &TForm5::myButton24Click);
    connect(myButton25, &TmyButton::clicked, this, &TForm5::myButton25Click);
    connect(myButton1, &TmyButton::clicked, this, &TForm5::myButton1Click);
    connect(myButton5, &TmyButton::clicked, this, &TForm5::myButton5Click);
    connect(myButton4, &TmyButton::clicked, this, &TForm5::myButton4Click);
    connect(mb11, &TmyButton::clicked, this, &TForm5::mb11Click);
    connect(myButton3, &TmyButton::clicked, this, &TForm5::myButton3Click);
    connect(myButton28, &TmyButton::clicked, this, &TForm5::myButton28Click);
    connect(smb, &TmyButton::clicked, this, &TForm5::smbClick);
    connect(myButton2, &TmyButton::clicked, this, &TForm5::myButton2Click);
    connect(printbtn, &TmyButton::clicked, this, &TForm5::printbtnClick);
    connect(CheckBox1, &QCheckBox::clicked, this, &TForm5::CheckBox1Click);
    connect(spw, &QSpinBox::valueChanged, this, &TForm5::spwChange);
    connect(sph, &QSpinBox::valueChanged, this, &TForm5::sphChange);
    connect(mb4, &TmyButton::clicked, this, &TForm5::mb4Click);
    connect(mb6, &TmyButton::clicked, this, &TForm5::mb6Click);
    connect(mb8, &TmyButton::clicked, this, &TForm5::mb8Click);
    connect(mb9, &TmyButton::clicked, this, &TForm5::mb9Click);
    connect(mb7, &TmyButton::clicked, this, &TForm5::mb7Click);
    connect(sr, &QLineEdit::textEdited, this, &TForm5::srChange);
    connect(Memo1, &QPlainTextEdit::textChanged, this, [this] { memoEdited_ = true; });
    connect(pb, &PageView::mouseDown, this, &TForm5::pbMouseDown);
    connect(pb, &PageView::mouseMove, this, &TForm5::pbMouseMove);
    connect(pb, &PageView::mouseUp, this, &TForm5::pbMouseUp);
}

bool TForm5::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Panel2 && event->type() == QEvent::MouseButtonRelease) {
        Panel2Click();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

// Layout -----------------------------------------------------------------

void TForm5::resizef() {
    const int w = width(), h = height();
    const int left = easyMode ? kEasyLeft : kCreativeLeft;
    panel1->setVisible(!easyMode);
    pnl->setVisible(easyMode);
    setMinimumSize(easyMode ? kEasyMinWidth : kCreativeMinWidth, easyMode ? kEasyMinHeight : kCreativeMinHeight);
    panel1->setGeometry(0, 0, 273, h);
    pnl->setGeometry(0, 0, 137, h);
    ScrollBox1->setGeometry(left, 0, std::max(1, w - left), std::max(1, h - kBarHeight - 2));
    Pan->setGeometry(left, h - kBarHeight + 1, kBarWidth, kBarHeight);
}

void TForm5::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    resizef();
}

void TForm5::myButton22Click() {
    if (busy()) return;
    easyMode = false;
    resizef();
}

void TForm5::myButton23Click() {
    if (busy()) return;
    easyMode = true;
    resizef();
}

// Show and hide ----------------------------------------------------------

void TForm5::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    if (!screenWatched_ && windowHandle()) {
        screenWatched_ = true;
        connect(windowHandle(), &QWindow::screenChanged, this, [this] { loadButtonStrips(); });
        loadButtonStrips();
    }
    if (!e->spontaneous()) FormShow();
}

void TForm5::loadButtonStrips() {
    const int set = platform::pictureSetFor(devicePixelRatioF());
    for (TmyButton* b : findChildren<TmyButton*>()) {
        if (b->objectName().isEmpty()) continue;
        const QImage strip = platform::buttonStripInSet(":/buttons/print/" + b->objectName() + ".bmp", set);
        if (!strip.isNull()) b->setGlyph(strip);
    }
}

void TForm5::hideEvent(QHideEvent* e) {
    QWidget::hideEvent(e);
    if (!e->spontaneous()) FormHide();
}

void TForm5::closeEvent(QCloseEvent* e) {
    // A running pass owns the page and the script: the window stays.
    if (busy()) {
        e->ignore();
        return;
    }
    QWidget::closeEvent(e);
}

void TForm5::FormShow() {
    resizef();
    print::setPrintDay(state, currentDay);
    if (fullScreen().setEnabled) fullScreen().setEnabled(false);
    printCaptions.load();
    setCaptions();
    // The page keeps its bitmap's size, so fitting, doubling, halving,
    // set-up and printing work on the page the user sees.
    state.script.canvasWidth = page.width();
    state.script.canvasHeight = page.height();
    setSpins(page.width(), page.height());
    setShownSize();
}

void TForm5::retranslate() {
    printCaptions.load();
    setCaptions();
}

void TForm5::FormHide() {
    pb2ys = 0;
    pb2yt = 0;
    if (fullScreen().setEnabled) fullScreen().setEnabled(true);
    if (onHidden) onHidden();
}

// Zoom -------------------------------------------------------------------

void TForm5::setShownSize() {
    state.viewZoom = print::clampZoom(state.viewZoom, page.width(), page.height());
    pb->resize(print::shownSide(page.width(), state.viewZoom), print::shownSide(page.height(), state.viewZoom));
    pb->update();
}

void TForm5::myButton4Click() {
    if (busy()) return;
    state.viewZoom = 1.0;
    setShownSize();
}

void TForm5::mb11Click() {
    if (busy()) return;
    state.viewZoom *= print::kZoomStep;
    setShownSize();
}

void TForm5::myButton3Click() {
    if (busy()) return;
    state.viewZoom /= print::kZoomStep;
    setShownSize();
}

// Window sizes -----------------------------------------------------------

namespace {

print::Rect screenRect(const QWidget* w) {
    const QScreen* screen = w->screen() ? w->screen() : QGuiApplication::primaryScreen();
    if (!screen) return {0, 0, 1 << 15, 1 << 15};
    const QRect r = screen->availableGeometry();
    return {r.x(), r.y(), r.width(), r.height()};
}

}  // namespace

void TForm5::loadfsize() {
    std::string bytes;
    print::WindowSizesRead read;
    if (!platform::fileExists(print::kWindowSizesFile)) {
        read.badLine = 1;
        read.problem = "the file is missing";
    } else if (!platform::readFileBytes(print::kWindowSizesFile, bytes)) {
        read.badLine = 1;
        read.problem = "the file cannot be read";
    } else {
        read = print::parseWindowSizes(bytes);
    }
    sizes_ = read.sizes;
    const print::WindowSizes& s = sizes_;
    easyMode = s.easyMode;
    const print::Rect screen = screenRect(this);
    const print::Rect own = print::clampWindow({s.left, s.top, s.width, s.height}, screen,
                                               easyMode ? kEasyMinWidth : kCreativeMinWidth,
                                               easyMode ? kEasyMinHeight : kCreativeMinHeight);
    setMinimumSize(easyMode ? kEasyMinWidth : kCreativeMinWidth, easyMode ? kEasyMinHeight : kCreativeMinHeight);
    resize(own.width, own.height);
    move(own.left, own.top);
    const auto place = [&screen](QWidget* dialog, int left, int top) {
        if (!dialog) return;
        const QSize size = dialog->frameGeometry().size().expandedTo(dialog->size());
        const print::Rect r = print::clampWindow({left, top, size.width(), size.height()}, screen, 1, 1);
        dialog->move(r.left, r.top);
    };
    place(setup_, s.setupLeft, s.setupTop);
    place(config_, s.configLeft, s.configTop);
    resizef();
    fsizeLoaded_ = true;
    // The full-screen window loads the sizes on every show; a damaged file
    // is reported once per run, and the next save mends it.
    if (read.badLine != 0 && !fsizeReported_) {
        fsizeReported_ = true;
        writeerror(101, "loadfsize in printpage",
                   {"filename:" + std::string(print::kWindowSizesFile), "line:" + std::to_string(read.badLine),
                    read.problem});
    }
}

void TForm5::savefsize() {
    if (!fsizeLoaded_) return;
    print::WindowSizes s = sizes_;
    s.width = width();
    s.height = height();
    s.left = pos().x();
    s.top = pos().y();
    if (setup_) {
        s.setupLeft = setup_->pos().x();
        s.setupTop = setup_->pos().y();
    }
    if (config_) {
        s.configLeft = config_->pos().x();
        s.configTop = config_->pos().y();
    }
    s.easyMode = easyMode;
    if (!platform::writeFileAtomic(print::kWindowSizesFile, print::windowSizesBytes(s)))
        writeerror(101, "safefsize in printpage", {"filename:" + std::string(print::kWindowSizesFile)});
}

}  // namespace kl
