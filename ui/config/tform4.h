// The configuration dialog. Its controls hold the user's settings: conf.dat
// is read into them (data/conffile.h), they are written back to it, and
// assignv applies them to the settings globals.
#pragma once

#include <array>
#include <functional>
#include <stdexcept>
#include <string>

#include <QDialog>

#include "data/conffile.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
class QSpinBox;

namespace kl {

// conf.dat could not be read to its end; `line()` is the 1-based line at
// which reading stopped. The lines before it have been applied.
class ConfigError : public std::runtime_error {
public:
    ConfigError(int line, const std::string& what) : std::runtime_error(what), line_(line) {}
    int line() const { return line_; }
private:
    int line_;
};

class TForm4 : public QDialog {
    Q_OBJECT
public:
    explicit TForm4(QWidget* parent = nullptr);
    ~TForm4() override;

    // Fills the two lists, reads conf.dat into the controls (creating the
    // file from the current values when there is none) and runs assignv.
    // Throws ConfigError at the first line that is missing, not a number
    // where one belongs, or a list position outside its list; the controls
    // of the earlier lines keep their new values, the others their old ones.
    void load();
    // Writes conf.dat from the controls; a failure is reported.
    void save();
    // Copies the controls into the settings globals.
    void assignv();
    // "Save and exit".
    void BitBtn1Click();
    void FormShow();
    void FormHide();
    // A language picked in the list: chosen from now on (saved with the
    // others), and in force at once in every window.
    void cblChange();
    // The lists and captions anew, in the language in force.
    void retranslate();

    // load for the compact window's first show: a conf.dat that cannot be
    // read to the end is reported by one message, the values read so far
    // are applied, and the program goes on. False in that case.
    bool loadAtStartup();

    // The full-screen window's part: FormShow disables it and FormHide
    // enables it again; onHidden clears its pending state and restarts its
    // timer.
    std::function<void(bool enabled)> setFullScreenEnabled;
    std::function<void()> onHidden;

    QCheckBox* cb1;   // use transition
    QCheckBox* cb2;   // shine in the year view
    QCheckBox* cb3;   // line in the year view
    QCheckBox* cb4;   // day icon in the year view
    QCheckBox* cb5;   // day icon in the castle view
    QCheckBox* cb6;   // swap the up/down key functions
    QCheckBox* cb7;   // Gregorian date in the book of kins
    QCheckBox* cb8;   // Gregorian date in the day view
    QCheckBox* cb9;   // Gregorian date in the day icons
    QCheckBox* cb10;  // three turtles in the heaven walk
    QSpinBox* sp;     // transition speed, 1..99
    QComboBox* cbx;   // Gregorian date format
    QComboBox* cbm;   // moon phase model
    QComboBox* cbl;   // language: Russian, English, each named in its own words
    QPushButton* BitBtn1;
    QLabel* Label1;
    QLabel* l2;
    QLabel* l3;
    QLabel* l4;
    QLabel* l5;  // the language list's caption
    QFrame* Bevel1;  // left column
    QFrame* Bevel2;  // transition
    QFrame* Bevel3;  // turtles
    QFrame* Bevel4;  // date format
    QFrame* Bevel5;  // moon model
    QFrame* Bevel6;  // language, the width of the dialog

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void fillLists();
    void setCaptions();
    void readConfig(const std::string& bytes);
    // The check boxes beside the conf.dat values they show.
    std::array<std::pair<bool ConfValues::*, QCheckBox*>, 10> flagControls() const;
    // conf.dat's values as the controls and the two carried settings hold them.
    ConfValues fromControls() const;

    // The sign font's line as last read, so that a text the code page round
    // trip would alter is written back byte for byte while it is unchanged.
    std::string signfontBytes_;
    // The language line as read ("" when the file has none), and whether a
    // language is chosen: read from the file or picked in the list. While
    // none is, the list shows the language in force and the line stays as read.
    std::string languageRead_;
    bool languageChosen_ = false;
    void showLanguage();
};

}  // namespace kl
