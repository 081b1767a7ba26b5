#include "ui/compact/tform2.h"

#include <QFrame>
#include <QKeyEvent>

#include <algorithm>

#include "core/state.h"
#include "data/textdb.h"
#include "layout/baselines.h"
#include "ui/fullscreen/fullstate.h"

namespace kl {

namespace {

namespace datedialog = layout::base::datedialog;
constexpr const char* kTextBase = "BASE.DRS";

QSpinBox* numberField(QWidget* parent, int x, int y, int width, int low, int high, int start) {
    auto* s = new QSpinBox(parent);
    s->setGeometry(x, y, width, 22);
    s->setRange(low, high);
    s->setValue(start);
    s->setStyleSheet("QSpinBox { background: rgb(96, 0, 128); color: yellow; font-weight: bold; }");
    return s;
}

QLabel* fieldLabel(QWidget* parent, int x, int y, const char* text) {
    auto* l = new QLabel(text, parent);
    l->move(x, y);
    QFont f = l->font();
    f.setPixelSize(13);
    l->setFont(f);
    l->setStyleSheet("color: yellow;");
    return l;
}

QPushButton* flatButton(QWidget* parent, int x, int y, int w, const char* text, const char* colour) {
    auto* b = new QPushButton(text, parent);
    b->setGeometry(x, y, w, 23);
    b->setFlat(true);
    QFont f = b->font();
    f.setPixelSize(13);
    f.setBold(true);
    b->setFont(f);
    b->setStyleSheet(QString("QPushButton { color: %1; border: none; }"
                             "QPushButton:hover { color: white; }").arg(colour));
    b->setAutoDefault(false);
    return b;
}

}  // namespace

TForm2::TForm2(QWidget* parent) : QDialog(parent) {
    setWindowFlags(Qt::Dialog | Qt::WindowStaysOnTopHint);
    setFixedSize(196, 109);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(64, 0, 64));  // colour value 4194368
    setPalette(pal);
    auto* bevel = new QFrame(this);
    bevel->setGeometry(2, 2, 192, 105);
    bevel->setFrameShape(QFrame::Box);
    bevel->setFrameShadow(QFrame::Sunken);

    sp3 = numberField(this, 70, 6, 59, kFirstYear, kLastYear, 2001);
    sp2 = numberField(this, 70, 30, 52, 1, 12, 9);
    sp1 = numberField(this, 70, 54, 46, 1, 32, 1);
    // The year field is as wide as the largest year needs, so that every
    // digit shows; the buttons and the dialog move over by as much.
    sp3->ensurePolished();
    const int wider = std::max(0, sp3->sizeHint().width() - sp3->width());
    sp3->resize(sp3->width() + wider, sp3->height());
    setFixedSize(196 + wider, 109);
    bevel->resize(192 + wider, 105);
    lp1 = fieldLabel(this, 8, 8, "Year");
    lp2 = fieldLabel(this, 8, 32, "Month");
    lp3 = fieldLabel(this, 8, 56, "Day");
    yes = flatButton(this, 131 + wider, 6, 52, "Ok", "lime");
    no = flatButton(this, 124 + wider, 29, 59, "Cancel", "lime");
    todayb = flatButton(this, 118 + wider, 53, 65, "Today", "aqua");

    complaint = new QLabel(this);
    complaint->setGeometry(8, 80, width() - 16, 22);
    QFont f = complaint->font();
    f.setPixelSize(12);
    f.setBold(true);
    complaint->setFont(f);
    complaint->setStyleSheet("color: rgb(255, 150, 120);");

    for (QSpinBox* s : {sp1, sp2, sp3}) {
        connect(s, &QSpinBox::valueChanged, this, [this](int) { spChange(); });
        connect(s, &QSpinBox::textChanged, this, [this](const QString&) { setComplaint({}); });
        s->installEventFilter(this);  // Enter in a field confirms the text as typed
    }
    connect(yes, &QPushButton::clicked, this, &TForm2::yesClick);
    connect(no, &QPushButton::clicked, this, &TForm2::noClick);
    connect(todayb, &QPushButton::clicked, this, &TForm2::todaybClick);
    spChange();
}

QString TForm2::captionText() const {
    return QString("%1.%2.%3")
        .arg(sp1->value(), 2, 10, QChar('0'))
        .arg(sp2->value(), 2, 10, QChar('0'))
        .arg(sp3->value());
}

void TForm2::openFor(const GregorianDate& date) {
    sp3->setValue(date.year);
    sp2->setValue(date.month);
    sp1->setValue(date.day);
    show();
    raise();
    activateWindow();
}

void TForm2::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    FormShow();
}

void TForm2::FormShow() {
    spChange();
    setComplaint({});
    setCaptions();
}

void TForm2::setCaptions() {
    if (!textFileExists(kTextBase)) return;
    yes->setText(QString::fromStdString(L(datedialog::kOk)));
    no->setText(QString::fromStdString(L(datedialog::kCancel)));
    todayb->setText(QString::fromStdString(L(datedialog::kToday)));
    lp1->setText(QString::fromStdString(L(datedialog::kYear)));
    lp2->setText(QString::fromStdString(L(datedialog::kMonth)));
    lp3->setText(QString::fromStdString(L(datedialog::kDay)));
    for (QLabel* l : {lp1, lp2, lp3}) l->adjustSize();
}

void TForm2::spChange() { setWindowTitle(captionText()); }

QString TForm2::checkFields(GregorianDate& date) const {
    // Texts of the database when it has them, else the built-in ones.
    const auto say = [](int line, const char* builtIn) {
        const QString text = textFileExists(kTextBase) ? QString::fromStdString(L(line)) : QString();
        return text.isEmpty() ? QString(builtIn) : text;
    };
    // The fields' texts as typed: a spin box would put back its last value
    // in place of a text outside its range.
    bool ok = false;
    const qlonglong year = sp3->locale().toLongLong(sp3->cleanText(), &ok);
    if (!ok || year < kFirstYear || year > kLastYear) return say(datedialog::kYearRange, "Year: 1 to 2147483647");
    const int month = sp2->locale().toInt(sp2->cleanText(), &ok);
    if (!ok || month < 1 || month > 12) return say(datedialog::kMonthRange, "Month: 1 to 12");
    const int last = month == 2 ? 29 : daysInMonth(static_cast<std::uint8_t>(month));
    const int day = sp1->locale().toInt(sp1->cleanText(), &ok);
    if (!ok || day < 1 || day > last) return say(datedialog::kDayRange, "Day: 1 to") + " " + QString::number(last);
    date = GregorianDate{};
    date.day = static_cast<std::uint8_t>(day);
    date.month = static_cast<std::uint8_t>(month);
    date.year = static_cast<std::int32_t>(year);
    return {};
}

void TForm2::setComplaint(const QString& text) {
    if (complaint) complaint->setText(text);
}

void TForm2::yesClick() {
    GregorianDate d;
    const QString wrong = checkFields(d);
    if (!wrong.isEmpty()) {
        setComplaint(wrong);
        return;  // the dialog stays open for a correction
    }
    currentDate = d;
    pb2ys = 0;
    pb2yt = 0;
    recomputeCurrentDay();
    repaintFullScreen();
    close();
}

void TForm2::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        // Enter presses the button that has the focus; anywhere else it confirms.
        if (auto* button = qobject_cast<QPushButton*>(focusWidget()); button && button->isVisible())
            button->click();
        else
            yesClick();
        return;
    }
    QDialog::keyPressEvent(e);
}

bool TForm2::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(e)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            yesClick();
            return true;
        }
    }
    return QDialog::eventFilter(watched, e);
}

void TForm2::noClick() { close(); }

void TForm2::todaybClick() {
    currentDate = todayDate;
    recomputeCurrentDay();
    pb2ys = 0;
    pb2yt = 0;
    close();
    repaintFullScreen();
    spChange();
}

}  // namespace kl
