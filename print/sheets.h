// Pages on sheets of paper: where a page goes on a sheet (the fitting the
// set-up preview shows and printing uses), the page drawn there sharp from
// its script or stretched from its bitmap, and sheets one after another on
// a PDF writer or a printer.
#pragma once

#include <optional>
#include <string>

#include <QPageLayout>
#include <QPainter>

#include "platform/picture.h"
#include "print/fitting.h"
#include "print/interpreter.h"
#include "print/paper.h"
#include "print/printstate.h"

class QPagedPaintDevice;

namespace kl::print {

// Sets the painter's transform so that a pageWidth x pageHeight page in
// page pixels lands in its fitted place (fitPage with `margin`) on a
// sheetWidth x sheetHeight sheet whose top-left corner is the painter's
// origin. Answers the place; an empty one draws nothing.
FitRect placePage(QPainter& painter, int sheetWidth, int sheetHeight, int margin, int pageWidth, int pageHeight);

// The page picture stretched into its place, stored losslessly.
void drawFitted(QPainter& painter, int sheetWidth, int sheetHeight, int margin, const platform::Picture& page);

// The state's page drawn into its place from its script at the device's
// own resolution: the background, then the script as "show" runs it, with
// the state's black and white turning every colour grey. The state is
// copied, so its script is never marked. `images` may be shared by the
// sheets of one document.
RunResult drawScriptFitted(QPainter& painter, int sheetWidth, int sheetHeight, const PrintState& state,
                           PreparedImages* images = nullptr);

// Sheets one after another on a paged device. With a paper every sheet is
// that paper without margins of its own; without one the device keeps the
// paper it was given (a printer's choice) and its printable area is the
// sheet. The painter runs from the first sheet to finish().
class SheetRun {
public:
    SheetRun(QPagedPaintDevice& device, std::optional<Paper> paper);
    ~SheetRun();
    SheetRun(const SheetRun&) = delete;
    SheetRun& operator=(const SheetRun&) = delete;

    // Starts the next sheet turned the given way; false when it cannot.
    bool next(QPageLayout::Orientation orientation);
    QPainter& painter() { return painter_; }
    int sheetWidth() const;
    int sheetHeight() const;
    int sheets() const { return sheets_; }
    // Ends the document; false when the device could not end it.
    bool finish();

    PreparedImages images;

private:
    QPagedPaintDevice& device_;
    std::optional<Paper> paper_;
    QPainter painter_;
    int sheets_ = 0;
    bool failed_ = false;
};

// One page of a script on the next sheet: turned as `orientation` says for
// the page's shape, fitted with the state's margin, drawn sharp from the
// script, or from `bitmap` when one is given (a filtered page).
RunResult printPage(SheetRun& run, const PrintState& state, Orientation orientation,
                    const platform::Picture* bitmap = nullptr);

// Resolution of the PDF files written.
inline constexpr int kPdfResolution = 1200;

// A PDF writer on `bytes` as the program writes them: its resolution, its
// creator and its title.
struct PdfFile {
    explicit PdfFile(const std::string& title);
    ~PdfFile();
    QPagedPaintDevice& device();
    // The file's bytes; empty before the writer has been ended.
    std::string bytes() const;

private:
    struct Parts;
    std::unique_ptr<Parts> parts_;
};

}  // namespace kl::print
