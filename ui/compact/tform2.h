// The date dialog: a Gregorian date typed or spun; "yes" (or Enter) makes it
// the current date, "today" returns to the system date. A date that is not
// accepted keeps the dialog open and says what is wrong.
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
    // The buttons' and fields' captions from the text database, in the
    // language in force; without a database the built-in ones stay.
    void setCaptions();
    void spChange();
    void yesClick();
    void noClick();
    void todaybClick();

    // "DD.MM.YYYY" of the fields.
    QString captionText() const;
    // The fields' date as typed, or what is wrong with it (then `date` is
    // left alone): a year of 1..2147483647, a month of 1..12 and a day of the
    // month, 29 February included.
    QString checkFields(GregorianDate& date) const;

    QSpinBox* sp1 = nullptr;  // day
    QSpinBox* sp2 = nullptr;  // month
    QSpinBox* sp3 = nullptr;  // year
    QLabel* lp1 = nullptr;
    QLabel* lp2 = nullptr;
    QLabel* lp3 = nullptr;
    QPushButton* yes = nullptr;
    QPushButton* no = nullptr;
    QPushButton* todayb = nullptr;
    QLabel* complaint = nullptr;  // what is wrong with a refused date

protected:
    void showEvent(QShowEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void setComplaint(const QString& text);
};

}  // namespace kl
