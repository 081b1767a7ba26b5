#include "ui/print/tform6.h"

#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include "data/errorlog.h"
#include "print/fitting.h"
#include "print/sheets.h"
#include "ui/print/tform5.h"

namespace kl {

TForm6::TForm6(TForm5* printManager) : QDialog(nullptr), form5_(printManager) {
    setWindowTitle("Printing setup");
    setWindowFlag(Qt::WindowStaysOnTopHint);
    Image1 = new QLabel(this);
    Image1->setGeometry(2, 2, kLongSide, kShortSide);
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    spx = new QSpinBox(this);
    // A margin of half the sheet or more would leave no paper to print on.
    spx->setRange(0, print::kMaxMargin);
    spx->setValue(form5_ ? form5_->state.margin : 5);
    spx->setSuffix(" %");
    Label1 = new QLabel("Отступ (%)", this);
    rb1 = new QRadioButton("landscape", this);
    rb2 = new QRadioButton("portrait", this);
    rb1->setChecked(true);
    Button1 = new QPushButton("Save", this);
    placeControls();

    connect(spx, &QSpinBox::valueChanged, this, [this] { draws(); });
    connect(rb1, &QRadioButton::clicked, this, &TForm6::rb1Click);
    connect(rb2, &QRadioButton::clicked, this, &TForm6::rb2Click);
    connect(Button1, &QPushButton::clicked, this, &TForm6::Button1Click);
}

TForm6::~TForm6() {
    if (form5_) form5_->savefsize();
}

void TForm6::placeControls() {
    // The controls sit under the preview, whose portrait form is 300 high.
    const int y = 2 + kLongSide + 6;
    Label1->setGeometry(4, y - 2, 100, 16);
    spx->setGeometry(4, y + 14, 72, 24);
    rb1->setGeometry(112, y - 2, 110, 20);
    rb2->setGeometry(112, y + 18, 110, 20);
    Button1->setGeometry(228, y + 6, 80, 28);
    setFixedSize(2 + kLongSide + 11, y + 50);
}

void TForm6::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    FormShow();
}

void TForm6::FormShow() { draws(); }

void TForm6::draws() {
    try {
        const int w = Image1->width(), h = Image1->height();
        platform::Picture picture(w, h, {255, 255, 255});
        if (form5_ && !form5_->page.isNull()) {
            QPainter painter(&picture.image());
            print::drawFitted(painter, w, h, spx->value(), form5_->page);
        }
        // The sheet's edge, so a white page shows where the paper ends.
        {
            QPainter painter(&picture.image());
            painter.setPen(QColor(160, 160, 160));
            painter.drawRect(0, 0, w - 1, h - 1);
        }
        preview_ = std::move(picture);
        Image1->setPixmap(QPixmap::fromImage(preview_.image()));
    } catch (...) {
        reportFailure(112, "draws in printset");
    }
}

void TForm6::rb1Click() {
    if (!rb1->isChecked()) return;
    Image1->resize(kLongSide, kShortSide);
    draws();
}

void TForm6::rb2Click() {
    if (!rb2->isChecked()) return;
    Image1->resize(kShortSide, kLongSide);
    draws();
}

void TForm6::Button1Click() {
    if (form5_) form5_->state.margin = spx->value();
    close();
    if (form5_) form5_->setorientation(rb1->isChecked());
}

}  // namespace kl
