// The printing set-up dialog: paper orientation and margin, with a preview
// of how the print manager's page sits on the sheet. Saving the print
// manager's window sizes happens when this dialog is destroyed, at the end
// of the program.
#pragma once

#include <QDialog>

#include "platform/picture.h"

class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace kl {

class TForm5;

class TForm6 : public QDialog {
    Q_OBJECT
public:
    explicit TForm6(TForm5* printManager);
    ~TForm6() override;  // FormDestroy: the print manager saves its sizes

    // Redraws the preview with the margin in spx.
    void draws();
    void rb1Click();
    void rb2Click();
    void Button1Click();  // "Save"
    void FormShow();

    // The preview picture as last drawn.
    const platform::Picture& preview() const { return preview_; }

    QLabel* Image1 = nullptr;
    QSpinBox* spx = nullptr;
    QLabel* Label1 = nullptr;
    QRadioButton* rb1 = nullptr;  // landscape
    QRadioButton* rb2 = nullptr;  // portrait
    QPushButton* Button1 = nullptr;

    static constexpr int kLongSide = 300, kShortSide = 200;

protected:
    void showEvent(QShowEvent* e) override;

private:
    void placeControls();

    TForm5* form5_;
    platform::Picture preview_;
};

}  // namespace kl
