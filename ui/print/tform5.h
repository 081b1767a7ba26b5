// The print manager window: the layout script in its editor, the page it
// draws in a scrollable, zoomable view, the line builder, the exports from
// the calendar's views, and the commands that fit, filter, save and print
// the page. Two layouts: the creative panel with the whole editor, and the
// easy panel with one button per export that also fits the page to the
// paper.
//
// While a script runs or a filter works the window keeps repainting, but
// commands and typing wait: user input is held back until the pass ends,
// and every command refuses to start while one is running.
#pragma once

#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/picture.h"
#include "print/captions.h"
#include "print/interpreter.h"
#include "print/optimize.h"
#include "print/printstate.h"
#include "print/windowsizes.h"

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPrinter;
class QProgressBar;
class QScrollArea;
class QSpinBox;

namespace kl {

class TmyButton;
class TForm6;

// The page as the window shows it: the page picture stretched over the
// widget, with its mouse events handed to the window.
class PageView : public QWidget {
    Q_OBJECT
public:
    explicit PageView(QWidget* parent, const platform::Picture& page);

signals:
    void mouseDown(Qt::MouseButton button, int x, int y);
    void mouseMove(Qt::MouseButtons buttons, int x, int y);
    void mouseUp(Qt::MouseButton button, int x, int y);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    const platform::Picture& page_;
};

class TForm5 : public QWidget {
    Q_OBJECT
public:
    TForm5();  // FormCreate
    ~TForm5() override;

    // The other windows it works with; any may be missing (tests).
    void setSetupDialog(TForm6* setup) { setup_ = setup; }
    void setConfigurationDialog(QWidget* config) { config_ = config; }
    // Called when the window has been hidden (closed): the full-screen
    // window shows a view again in place of its blank one.
    std::function<void()> onHidden;

    // The script, the page and the editor's modes.
    print::PrintState state;
    platform::Picture page;  // the page bitmap, canvasWidth x canvasHeight

    // Editor state of the line builder.
    std::uint8_t editorState = 0;
    std::int32_t placeX = -1, placeY = 0;
    std::string pendingText, pendingAlign, pendingLook;
    bool easyMode = true;
    bool saveRequest = false, dragging = false;
    print::PrintCaptions printCaptions;

    // Handlers (public so the other windows and the tests drive them).
    void FormShow();
    void FormHide();
    // Reads the captions again, in the language in force, and shows them
    // here and in the printing set-up.
    void retranslate();
    void resizef();
    // The exports: creative buttons export, easy buttons export and fit.
    void exportClick(int index, bool easy);  // index 0..8 in button order
    void myButton9Click() { exportClick(0, false); }
    void myButton10Click() { exportClick(1, false); }
    void myButton11Click() { exportClick(2, false); }
    void myButton12Click() { exportClick(3, false); }
    void myButton13Click() { exportClick(4, false); }
    void myButton14Click() { exportClick(5, false); }
    void myButton15Click() { exportClick(6, false); }
    void myButton6Click() { exportClick(7, false); }
    void myButton26Click() { exportClick(8, false); }
    void mb1Click();         // load
    void mb2Click();         // save
    void mb3Click();         // show
    void myButton24Click();  // repaint
    void myButton25Click();  // fit to paper
    void myButton1Click();   // double
    void myButton5Click();   // halve
    void myButton4Click();   // zoom 1:1
    void mb11Click();        // shown smaller
    void myButton3Click();   // shown larger
    void myButton28Click();  // black and white
    void smbClick();         // smooth
    void myButton2Click();   // printing set-up
    void printbtnClick();    // print
    // The 13-moon year of the date on show as a printed calendar, through
    // the print dialog: to a printer or a PDF file (the job, and the file the
    // dialog proposes, named "Kestralune YEAR-YEAR+1"). True when it was printed.
    bool yearCalendarClick();
    void myButton22Click();  // creative layout
    void myButton23Click();  // easy layout
    void Panel2Click();      // background colour
    void CheckBox1Click();   // textmode
    void spwChange();
    void sphChange();
    // The line builder.
    void mb4Click();  // new text
    void mb6Click();  // new font
    void mb8Click();  // new image
    void mb9Click();  // new moon
    void mb7Click();  // add
    void srChange();
    // The page view; x and y are pixels of the shown page.
    void pbMouseDown(Qt::MouseButton button, int x, int y);
    void pbMouseMove(Qt::MouseButtons buttons, int x, int y);
    void pbMouseUp(Qt::MouseButton button, int x, int y);

    // Page size of the bitmap; with `resize` the page view follows. A size
    // the bitmap cannot take is refused with a message and nothing changes.
    bool setcanvas(int width, int height, bool resize);
    // "fit to paper".
    void optimize();
    // Prints the page through the print dialog; true when the job began and
    // ended without error. A failure is reported (112).
    bool printgraphic();
    void setorientation(bool landscape);
    QPrinter& printer();
    // WindWHP.dat; see print/windowsizes.h. Saving writes only after a load
    // in this run, so a window never laid out never overwrites the file.
    void loadfsize();
    void savefsize();
    bool fsizeLoaded() const { return fsizeLoaded_; }

    // The script has been changed since it was last saved, loaded or
    // exported.
    bool scriptChanged();
    // Asks whether to save a changed script before it is replaced or the
    // program ends; true when the caller may go on.
    bool confirmDiscard();
    // Saves the script to a file the user chooses; true when it was saved.
    bool saveScriptAs();
    // A script run or a filter is in progress.
    bool busy() const { return busy_ > 0; }
    // What "fit to paper" asks about the printer; tests replace it.
    print::PaperQuery paperQuery;

    // Controls.
    QWidget* panel1 = nullptr;  // creative panel
    QWidget* pnl = nullptr;     // easy panel
    QScrollArea* ScrollBox1 = nullptr;
    PageView* pb = nullptr;
    QWidget* Pan = nullptr;
    TmyButton *myButton23 = nullptr, *myButton22 = nullptr;
    QLabel *Prs = nullptr, *l8 = nullptr, *l9 = nullptr, *l10 = nullptr, *ins = nullptr, *lb1 = nullptr;
    QLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr;
    QLabel* monoLabel = nullptr;  // the black-and-white state over its button
    QSpinBox *spw = nullptr, *sph = nullptr;
    QFrame* Panel2 = nullptr;
    TmyButton *mb9 = nullptr, *mb8 = nullptr, *mb4 = nullptr, *mb6 = nullptr, *mb7 = nullptr;
    QLineEdit* sr = nullptr;
    std::array<TmyButton*, 9> creativeExports{};  // myButton9..15, myButton6, myButton26
    std::array<TmyButton*, 9> easyExports{};      // myButton7, 8, 16..21, 27
    TmyButton *yearCalendarCreative = nullptr, *yearCalendarEasy = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    TmyButton *mb1 = nullptr, *mb2 = nullptr, *mb3 = nullptr, *myButton25 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    TmyButton* myButton24 = nullptr;
    QProgressBar* prg = nullptr;
    TmyButton *myButton4 = nullptr, *mb11 = nullptr, *myButton3 = nullptr, *myButton1 = nullptr,
              *myButton5 = nullptr, *myButton28 = nullptr, *smb = nullptr, *myButton2 = nullptr,
              *printbtn = nullptr;

protected:
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Marks the window busy for the life of a pass; nested passes count.
    class Busy {
    public:
        explicit Busy(TForm5& form) : form_(form) { ++form_.busy_; }
        ~Busy() { --form_.busy_; }
        Busy(const Busy&) = delete;
        Busy& operator=(const Busy&) = delete;

    private:
        TForm5& form_;
    };
    // The picture buttons' strips in the picture set of the window's screen.
    void loadButtonStrips();
    void buildCreativePanel();
    void buildEasyPanel();
    void buildBar();
    void setCaptions();
    void showMonoState();
    void wire();
    print::RunHooks hooks();
    // Shows the run's failures in one message and the first marked line.
    void afterRun(const print::RunResult& result);
    // Memo1 and the script: the memo shows the script; the user's edits
    // are taken back before anything reads it.
    void memoToScript();
    void scriptToMemo();
    void markBaseline();
    void setShownSize();
    void setSpins(int width, int height);
    void setNewButtonsEnabled(bool enabled);
    void previewRun();
    void fillPage();
    // Runs one line on the page as a preview of the item being placed.
    void drawPreviewLine(const std::string& line);
    void savePicture();
    // The window a question about the script is asked over: this one, in
    // front, while it is shown (a box over the active window, say the
    // full-screen one, would bring that window over this one and hide the
    // script it asks about); else none.
    QWidget* questionOwner();
    std::string pictureName(const std::string& path) const;

    TForm6* setup_ = nullptr;
    QWidget* config_ = nullptr;
    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<QPrinter> calendarPrinter_;
    // The state the page was last drawn from by "show", so that printing
    // draws it again sharp at the printer's resolution; none once anything
    // else has drawn on the page (smoothing, an item being placed, a fill, a
    // resize), which is then printed as the bitmap it is.
    std::optional<print::PrintState> drawnFrom_;
    int busy_ = 0;
    bool screenWatched_ = false;
    bool memoEdited_ = false;
    bool fsizeLoaded_ = false;
    bool fsizeReported_ = false;
    // The sizes as last read: a window that is missing keeps its line.
    print::WindowSizes sizes_;
    std::vector<std::string> baseline_;      // the script as last saved, loaded or exported
    std::vector<std::string> baselineYear_;
    QPoint dragStart_;
};

}  // namespace kl
