// The print manager's commands: exports, show, fit, double and half, the
// filters, script files, the page picture, printing.
#include <QBuffer>
#include <QCheckBox>
#include <QFrame>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProgressBar>
#include <QScrollArea>
#include <QSpinBox>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <filesystem>
#include <stdexcept>

#include "core/state.h"
#include "data/errorlog.h"
#include "data/textdb.h"
#include "layout/baselines.h"
#include "layout/scriptpage.h"
#include "platform/widgets/mybutton.h"
#include "platform/widgets/dialogs.h"
#include "platform/codec.h"
#include "platform/files.h"
#include "platform/system.h"
#include "print/filters.h"
#include "print/sheets.h"
#include "print/report.h"
#include "print/rewrite.h"
#include "print/script.h"
#include "print/scriptfile.h"
#include "ui/print/tform5.h"
#include "ui/print/tform6.h"
#include "ui/fullscreen/fullstate.h"
#include "ui/fullscreen/viewexport.h"
#include "ui/fullscreen/yearcalendar.h"

namespace kl {

using namespace print::captionline;
namespace msg = layout::base::printmessage;

namespace {

// The view each export button writes, in button order.
constexpr int kExportModes[9] = {0, 1, 2, 3, 4, 6, 7, 9, 14};
constexpr int kYearMode = 9;
// How often a running pass shows the page it is drawing.
constexpr qint64 kPageRefreshMs = 250;

const std::vector<std::pair<std::string, std::string>> kScriptFilters{
    {"Text files", "*.txt"}, {"Scripts", "*.spt"}, {"All files", "*.*"}};
constexpr int kScriptDefaultFilter = 2;

// The paper's way up as the printer (its set-up and print dialogs) left it.
print::Orientation printerTurn(const QPrinter& p) {
    return p.pageLayout().orientation() == QPageLayout::Landscape ? print::Orientation::Landscape
                                                                   : print::Orientation::Portrait;
}

bool hasExtension(const std::string& path) { return std::filesystem::path(path).has_extension(); }

// A message about a file: its line, then the name (control characters
// shown escaped, so the name stays one visible line) and the reason.
std::string fileMessage(int line, const char* fallback, const std::string& path, const std::string& why) {
    return baseLineOr(line, fallback) + "\n" + platform::escapedControls(path) + ": " + why;
}

// _Export is false after an export however it ended.
struct ExportFlag {
    ~ExportFlag() { _Export = false; }
};

}  // namespace

print::RunHooks TForm5::hooks() {
    print::RunHooks h;
    // The bar follows every step; the page view, which repaints the whole
    // page scaled, at most every kPageRefreshMs, so a filter over thousands
    // of rows costs a few repaints rather than one a row.
    auto sinceRefresh = std::make_shared<QElapsedTimer>();
    sinceRefresh->start();
    h.progress = [this, sinceRefresh](int value) {
        prg->setValue(value);
        if (sinceRefresh->elapsed() >= kPageRefreshMs) {
            pb->update();
            sinceRefresh->restart();
        }
        // Paint and timers go on; clicks and keys wait for the pass to end.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    };
    h.previewFont = [this](const print::FontSpec& font) {
        QFont f = print::pageQFont(font, state.editorFontHeight);
        // The sample panel shows the face and style; a large font is shown
        // at a size that fits the panel.
        if (f.pixelSize() > 28) f.setPixelSize(28);
        lb1->setFont(f);
        QPalette p = lb1->palette();
        p.setColor(QPalette::WindowText, QColor(font.colour.r, font.colour.g, font.colour.b));
        p.setColor(QPalette::Window, QColor(state.background.r, state.background.g, state.background.b));
        lb1->setPalette(p);
    };
    return h;
}

void TForm5::afterRun(const print::RunResult& result) {
    if (result.clean()) return;
    print::reportRun(result);
    if (result.failedLines == 0) return;
    // The caret goes to the first line the run could not read.
    QTextDocument* doc = Memo1->document();
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
        if (b.text().toStdString() != print::kMarkerBefore) continue;
        QTextCursor c(b.next().isValid() ? b.next() : b);
        Memo1->setTextCursor(c);
        Memo1->ensureCursorVisible();
        break;
    }
}

// The script and the memo ----------------------------------------------------

void TForm5::memoToScript() {
    if (!memoEdited_) return;
    // The raw text keeps every character as typed (no-break spaces too).
    QString text = Memo1->document()->toRawText();
    // Every line end the memo may hold ends one line, as the file readers
    // count them, so the memo holds exactly the lines that run.
    text.replace(QChar(0x2029), QChar('\n'));
    text.replace(QChar(0x2028), QChar('\n'));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QChar('\r'), QChar('\n'));
    std::vector<std::string> lines;
    if (!text.isEmpty())
        for (const QString& line : text.split(QChar('\n'))) lines.push_back(line.toStdString());
    state.script.lines = std::move(lines);
    memoEdited_ = false;
}

void TForm5::scriptToMemo() {
    QStringList lines;
    lines.reserve(static_cast<qsizetype>(state.script.lines.size()));
    for (const std::string& line : state.script.lines) lines << QString::fromStdString(line);
    Memo1->setPlainText(lines.join(QChar('\n')));
    memoEdited_ = false;
}

namespace {

std::vector<std::string> withoutMarkers(const std::vector<std::string>& lines) {
    std::vector<std::string> out;
    out.reserve(lines.size());
    for (const std::string& l : lines)
        if (print::lineKind(l) != print::LineKind::Marker) out.emplace_back(print::withoutCR(l));
    return out;
}

}  // namespace

void TForm5::markBaseline() {
    baseline_ = withoutMarkers(state.script.lines);
    baselineYear_ = state.script.yearExportList;
}

bool TForm5::scriptChanged() {
    memoToScript();
    return withoutMarkers(state.script.lines) != baseline_ || state.script.yearExportList != baselineYear_;
}

QWidget* TForm5::questionOwner() {
    if (!isVisible()) return nullptr;
    raise();
    activateWindow();
    return this;
}

bool TForm5::confirmDiscard() {
    if (!scriptChanged()) return true;
    switch (platform::askQuestion(baseLineOr(msg::kChanged, "The print script has been changed since it was last saved.") + "\n" +
                                      baseLineOr(msg::kSaveBeforeReplacing, "Save it before it is replaced?"), questionOwner())) {
    case platform::Answer::Yes: return saveScriptAs();
    case platform::Answer::No: return true;
    case platform::Answer::Cancel: break;
    }
    return false;
}

// Page size --------------------------------------------------------------

void TForm5::setSpins(int width, int height) {
    const QSignalBlocker bw(spw), bh(sph);
    spw->setValue(width);
    sph->setValue(height);
}

bool TForm5::setcanvas(int width, int height, bool resize) {
    if (!print::validPageSize(width, height)) {
        platform::showMessage(print::kTooLargeMessage);
        setSpins(page.width(), page.height());
        return false;
    }
    if (page.width() != width || page.height() != height) {
        drawnFrom_.reset();
        platform::Picture fresh(width, height, state.background);
        if (fresh.isNull()) {
            platform::showMessage(print::kTooLargeMessage);
            setSpins(page.width(), page.height());
            return false;
        }
        // The part of the old page that fits stays, as when a bitmap is resized.
        if (!page.isNull()) {
            QPainter painter(&fresh.image());
            painter.drawImage(0, 0, page.image());
        }
        page = std::move(fresh);
    }
    state.script.canvasWidth = width;
    state.script.canvasHeight = height;
    // The page view always shows the whole page at the zoom, so a click
    // maps onto the page whatever was resized.
    (void)resize;
    setShownSize();
    return true;
}

void TForm5::fillPage() {
    drawnFrom_.reset();
    page.fill(state.background);
    pb->update();
}

void TForm5::spwChange() {
    if (busy()) return;
    if (setcanvas(spw->value(), page.height(), false)) fillPage();
}

void TForm5::sphChange() {
    if (busy()) return;
    if (setcanvas(page.width(), sph->value(), false)) fillPage();
}

void TForm5::Panel2Click() {
    if (busy()) return;
    const auto colour = platform::askColour(state.background, l10->text().toStdString());
    if (!colour) return;
    state.background = *colour;
    QPalette p = Panel2->palette();
    p.setColor(QPalette::Window, QColor(colour->r, colour->g, colour->b));
    Panel2->setPalette(p);
}

void TForm5::CheckBox1Click() { _TEXTGRAPHIC = CheckBox1->isChecked(); }

// Exports ----------------------------------------------------------------

void TForm5::exportClick(int index, bool easy) {
    if (busy() || index < 0 || index >= 9) return;
    if (!confirmDiscard()) return;
    Busy busy(*this);
    const int mode = kExportModes[index];
    if (easy) {
        state.progressMode = mode == kYearMode ? 2 : 1;
        state.progressValue = 0;
        prg->setValue(0);
        prg->show();
    }
    // Signs are exported as glyph text exactly when the box says so.
    _TEXTGRAPHIC = CheckBox1->isChecked();
    {
        ExportFlag flag;
        try {
            _Export = true;
            exportView(mode, state.script);
        } catch (...) {
            writeerror(106, "export in printpage", {"state:" + std::to_string(mode)});
        }
    }
    const int w = state.script.canvasWidth, h = state.script.canvasHeight;
    setSpins(w, h);
    if (setcanvas(w, h, true)) fillPage();
    scriptToMemo();
    if (easy) {
        state.progressValue = 10;
        prg->setValue(10);
        optimize();
        prg->hide();
        state.progressMode = 0;
        state.progressValue = 0;
        prg->setValue(0);
    }
    markBaseline();
}

// Show, fit, rescale, filters ------------------------------------------------

void TForm5::mb3Click() {
    if (busy()) return;
    memoToScript();
    const int w = spw->value(), h = sph->value();
    if (!setcanvas(w, h, false)) return;
    Busy busy(*this);
    const print::RunHooks h2 = hooks();
    const print::RunResult result = print::showPage(state, page, h2);
    if (result.refused) drawnFrom_.reset();
    else drawnFrom_ = state;
    scriptToMemo();
    setShownSize();
    afterRun(result);
}

void TForm5::myButton24Click() {
    if (busy()) return;
    prg->show();
    state.progressMode = state.yearDrawn ? 5 : 0;
    mb3Click();
    prg->hide();
    state.progressMode = 0;
    state.progressValue = 0;
    prg->setValue(0);
}

void TForm5::optimize() {
    memoToScript();
    Busy busy(*this);
    const print::RunHooks h = hooks();
    const QSize view = ScrollBox1->viewport()->size();
    const print::OptimizeResult r = print::optimize(state, page, paperQuery, view.width(), view.height(), h);
    // Fitting draws the page. The smoothing it adds to a large page only
    // softens the bitmap's steps, which a page drawn again at the printer's
    // resolution does not have: the page still prints sharp. (The smooth
    // button is a filter the user asks for, and prints the bitmap.)
    if (r.run.refused) drawnFrom_.reset();
    else drawnFrom_ = state;
    setSpins(page.width(), page.height());
    setShownSize();
    scriptToMemo();
    afterRun(r.run);
}

void TForm5::myButton25Click() {
    if (busy()) return;
    optimize();
    state.progressMode = 0;
}

void TForm5::myButton1Click() {
    if (busy()) return;
    memoToScript();
    print::RunResult r;
    {
        Busy busy(*this);
        r = print::doublePage(state, page);
    }
    setSpins(page.width(), page.height());
    setShownSize();
    scriptToMemo();
    afterRun(r);
    if (!r.refused && easyMode) mb3Click();
}

void TForm5::myButton5Click() {
    if (busy()) return;
    memoToScript();
    print::RunResult r;
    {
        Busy busy(*this);
        r = print::halvePage(state, page);
    }
    setSpins(page.width(), page.height());
    setShownSize();
    scriptToMemo();
    afterRun(r);
    if (!r.refused && easyMode) mb3Click();
}

void TForm5::myButton28Click() {
    if (busy()) return;
    state.monoMode = !state.monoMode;
    // The label says what the page is about to become before the page is
    // drawn, so it is never behind what the page shows.
    showMonoState();
    monoLabel->repaint();
    if (easyMode) {
        // Fitting draws the page itself ("show", grey from the second row and
        // column on), so a "repaint" first would only be drawn over.
        prg->show();
        optimize();
        prg->hide();
        state.progressMode = 0;
        state.progressValue = 0;
        prg->setValue(0);
    } else {
        myButton24Click();
    }
}

void TForm5::smbClick() {
    if (busy()) return;
    Busy busy(*this);
    prg->show();
    const print::RunHooks h = hooks();
    print::smoothPage(state, page, h);
    drawnFrom_.reset();
    pb->update();
    prg->hide();
}

void TForm5::myButton2Click() {
    if (busy() || !setup_) return;
    setup_->show();
    setup_->raise();
    setup_->draws();
}

void TForm5::printbtnClick() {
    if (busy()) return;
    printgraphic();
}

// Script files -----------------------------------------------------------

void TForm5::mb1Click() {
    if (busy()) return;
    if (!confirmDiscard()) return;
    platform::FileRequest request;
    request.kind = platform::FileRequest::Kind::Open;
    request.title = mb1->caption().toStdString();
    request.filters = kScriptFilters;
    request.defaultFilter = kScriptDefaultFilter;
    request.defaultSuffix = "spt";
    const auto choice = platform::askFile(request);
    if (!choice) return;
    std::string why;
    auto lines = print::loadScriptFile(platform::UserPath(choice->path), why);
    if (!lines) {
        platform::showMessage(fileMessage(msg::kNotLoaded, "The script could not be loaded.", choice->path, why));
        return;
    }
    state.script.lines = std::move(*lines);
    // The page comes back at the size the script carries, not clipped to
    // whatever size was set.
    if (const auto size = layout::scriptPageSize(state.script.lines);
        size && print::validPageSize(size->width, size->height)) {
        setSpins(size->width, size->height);
        if (setcanvas(size->width, size->height, true)) fillPage();
    }
    scriptToMemo();
    markBaseline();
}

void TForm5::mb2Click() {
    if (busy()) return;
    saveScriptAs();
}

bool TForm5::saveScriptAs() {
    memoToScript();
    platform::FileRequest request;
    request.kind = platform::FileRequest::Kind::Save;
    request.title = mb2->caption().toStdString();
    request.filters = kScriptFilters;
    request.defaultFilter = kScriptDefaultFilter;
    request.defaultSuffix = "spt";
    const auto choice = platform::askFile(request);
    if (!choice) return false;
    std::string path = choice->path;
    if (!hasExtension(path)) path += choice->filterIndex == 1 ? ".txt" : ".spt";
    // The year sub-script lives only in memory: the file gets its lines in
    // place of the YEAR line, which draws the same page.
    std::vector<std::string> lines =
        state.script.yearExportList.empty() ? state.script.lines
                                            : print::inlineYearList(state.script.lines, state.script.yearExportList);
    // The file carries the page's size, so loading it brings the page back
    // at that size (the editor's script stays as typed).
    layout::setScriptPageSize(lines, state.canvasWidth(), state.canvasHeight());
    const std::vector<std::string> lost = print::unencodableCharacters(lines);
    if (!lost.empty()) {
        std::string names;
        for (const std::string& c : lost) names += (names.empty() ? "" : ", ") + c;
        const std::string text =
            baseLineOr(msg::kUnencodable,
                       "These characters cannot be written in a script file and would be saved as \"?\":") +
            "\n" + platform::escapedControls(names) + "\n\n" + baseLineOr(msg::kSaveAnyway, "Save the script anyway?");
        if (platform::askQuestion(text, questionOwner()) != platform::Answer::Yes) return false;
    }
    std::string why;
    if (!print::saveScriptFile(platform::UserPath(path), lines, why)) {
        platform::showMessage(fileMessage(msg::kNotSaved, "The script was not saved.", path, why));
        return false;
    }
    markBaseline();
    return true;
}

// The page picture -------------------------------------------------------

void TForm5::savePicture() {
    platform::FileRequest request;
    request.kind = platform::FileRequest::Kind::SavePicture;
    request.title = baseLineOr(msg::kSavePictureTitle, "Save picture");
    request.filters = {{"All", "*.*"}, {"Bitmaps", "*.bmp"}, {"Icons", "*.ico"},
                       {"Enhanced Metafiles", "*.emf"}, {"Metafiles", "*.wmf"}};
    request.defaultFilter = 2;
    const auto choice = platform::askFile(request);
    if (!choice) return;
    std::string path = choice->path;
    if (!hasExtension(path)) {
        static const char* const kExtensions[] = {".bmp", ".bmp", ".ico", ".emf", ".wmf"};
        const int i = choice->filterIndex >= 1 && choice->filterIndex <= 5 ? choice->filterIndex - 1 : 0;
        path += kExtensions[i];
    }
    // Whatever the name, the file holds the page bitmap.
    const std::string bytes = platform::encodedImage(page.image(), "BMP");
    if (bytes.empty()) {
        platform::showMessage(fileMessage(msg::kPictureNotSaved, "The page picture was not saved.", path,
                                          baseLineOr(msg::kPictureNotMade, "the picture cannot be made.")));
        return;
    }
    const platform::Saved saved = platform::saveFile(platform::UserPath(path), bytes);
    if (saved != platform::Saved::Done)
        platform::showMessage(fileMessage(msg::kPictureNotSaved, "The page picture was not saved.", path,
                                          platform::saveFailureText(saved)));
}

// Printing ---------------------------------------------------------------

QPrinter& TForm5::printer() {
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        // As the set-up dialog first shows it.
        printer_->setPageOrientation(QPageLayout::Landscape);
    }
    return *printer_;
}

void TForm5::setorientation(bool landscape) {
    printer().setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
}

bool TForm5::printgraphic() {
    if (busy()) return false;
    QPrinter& p = printer();
    if (!platform::askPrint(p)) return false;  // cancelled: nothing printed, nothing wrong
    Busy busy(*this);
    try {
        if (page.isNull() || page.width() < 1 || page.height() < 1) throw std::runtime_error("there is no page to print");
        if (drawnFrom_ && drawnFrom_->canvasWidth() == page.width() && drawnFrom_->canvasHeight() == page.height()) {
            // The page as its script draws it, at the printer's resolution:
            // texts in their fonts, moons as shapes, pictures lossless.
            print::PrintState sharp = *drawnFrom_;
            sharp.margin = state.margin;
            print::SheetRun run(p, std::nullopt);
            const print::RunResult r = print::printPage(run, sharp, printerTurn(p));
            if (r.refused) throw std::runtime_error(r.refusal);
            if (!run.finish()) throw std::runtime_error("the print job did not end");
        } else {
            QPainter painter;
            if (!painter.begin(&p)) throw std::runtime_error("the print job could not begin");
            print::drawFitted(painter, p.width(), p.height(), state.margin, page);
            if (!painter.end()) throw std::runtime_error("the print job did not end");
        }
        if (p.printerState() == QPrinter::Error || p.printerState() == QPrinter::Aborted)
            throw std::runtime_error("the printer reported an error");
        return true;
    } catch (const std::exception& e) {
        // The report's answer is not asked: a failed print never ends the program.
        writeerror(112, "printgraphic in printpage", {e.what()});
        return false;
    }
}

bool TForm5::yearCalendarClick() {
    if (busy()) return false;
    const std::int64_t year = calendarYearOf(currentDate);
    if (!validCalendarYear(year)) {
        platform::showMessage(baseLineOr(msg::kNoCalendarYear, "No 13-moon year of the calendar's range holds this day."));
        return false;
    }
    // A printer of its own, so that the page's print dialog never proposes
    // the calendar's file, nor this one the page's.
    if (!calendarPrinter_) {
        calendarPrinter_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        calendarPrinter_->setPageOrientation(QPageLayout::Landscape);
    }
    QPrinter& p = *calendarPrinter_;
    const QString name = QStringLiteral("Kestralune %1-%2").arg(year).arg(year + 1);
    p.setDocName(name);
    // To a file: the year's own name, in the folder the last one went to.
    if (p.outputFormat() == QPrinter::PdfFormat && !p.outputFileName().isEmpty())
        p.setOutputFileName(QFileInfo(p.outputFileName()).dir().filePath(name + ".pdf"));
    if (!platform::askPrint(p)) return false;  // cancelled: nothing printed, nothing wrong
    Busy busy(*this);
    // Signs as glyph text exactly when the box says so, as the exports do.
    _TEXTGRAPHIC = CheckBox1->isChecked();
    prg->setValue(0);
    prg->show();
    // Each page turned the way the print dialog left the paper.
    const print::Orientation turn = printerTurn(p);
    print::RunResult r;
    bool printed = false;
    try {
        print::SheetRun run(p, std::nullopt);
        r = printCalendar(run, static_cast<std::int32_t>(year), state, turn, [this](int number) {
            prg->setValue(number * 100 / kCalendarPages);
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        });
        if (r.refused) throw std::runtime_error(r.refusal);
        if (!run.finish()) throw std::runtime_error("the print job did not end");
        if (p.printerState() == QPrinter::Error || p.printerState() == QPrinter::Aborted)
            throw std::runtime_error("the printer reported an error");
        printed = true;
    } catch (const std::exception& e) {
        // As for a page: a failed print never ends the program.
        writeerror(112, "calendar in printpage", {e.what()});
        r.refused = false;
    }
    prg->hide();
    prg->setValue(0);
    if (!r.clean()) print::reportRun(r);
    return printed;
}

}  // namespace kl
