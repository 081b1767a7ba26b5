// The date dialog: a Gregorian date typed or spun; "yes" makes it the
// current date, "today" returns to the system date.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

#include "core/calendar.h"

namespace kl {

class TForm2 : public QDialog {
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr);

    // Presets the fields from a date and shows the dialog.
    void openFor(const GregorianDate& date);

    // Handlers.
    void FormShow();
    void spChange();
    void yesClick();
    void noClick();
    void todaybClick();

    // "DD.MM.YYYY" of the fields.
    QString captionText() const;

    QSpinBox* sp1 = nullptr;  // day
    QSpinBox* sp2 = nullptr;  // month
    QSpinBox* sp3 = nullptr;  // year
    QLabel* lp1 = nullptr;
    QLabel* lp2 = nullptr;
    QLabel* lp3 = nullptr;
    QPushButton* yes = nullptr;
    QPushButton* no = nullptr;
    QPushButton* todayb = nullptr;

protected:
    void showEvent(QShowEvent* e) override;
};

}  // namespace kl
