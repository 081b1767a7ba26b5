#include "ui/compact/tform2.h"

#include <QFrame>

#include <climits>

#include "core/state.h"
#include "data/textdb.h"
#include "platform/files.h"
#include "ui/fullscreen/fullstate.h"

namespace kl {

namespace {

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

    sp3 = numberField(this, 70, 6, 59, INT_MIN, INT_MAX, 2001);
    sp2 = numberField(this, 70, 30, 52, 1, 12, 9);
    sp1 = numberField(this, 70, 54, 46, 1, 32, 1);
    lp1 = fieldLabel(this, 8, 8, "Year");
    lp2 = fieldLabel(this, 8, 32, "Month");
    lp3 = fieldLabel(this, 8, 56, "Day");
    yes = flatButton(this, 131, 6, 52, "Ok", "lime");
    no = flatButton(this, 124, 29, 59, "Cancel", "lime");
    todayb = flatButton(this, 118, 53, 65, "Today", "aqua");

    for (QSpinBox* s : {sp1, sp2, sp3})
        connect(s, &QSpinBox::valueChanged, this, [this](int) { spChange(); });
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
    // Captions come from the database; without one the built-in texts stay.
    if (!platform::fileExists("BASE.DRS")) return;
    yes->setText(QString::fromStdString(L(167)));
    no->setText(QString::fromStdString(L(169)));
    todayb->setText(QString::fromStdString(L(389)));
    lp1->setText(QString::fromStdString(L(422)));
    lp2->setText(QString::fromStdString(L(421)));
    lp3->setText(QString::fromStdString(L(420)));
    for (QLabel* l : {lp1, lp2, lp3}) l->adjustSize();
}

void TForm2::spChange() { setWindowTitle(captionText()); }

void TForm2::yesClick() {
    const int day = sp1->value(), month = sp2->value(), year = sp3->value();
    GregorianDate d;
    d.day = static_cast<std::uint8_t>(day);
    d.month = static_cast<std::uint8_t>(month);
    d.year = year;
    if (month >= 1 && month <= 12 && year > 0 && day >= 1 && isValidDate(d)) {
        currentDate = d;
        pb2ys = 0;
        pb2yt = 0;
        recomputeCurrentDay();
        repaintFullScreen();
    }
    close();
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
