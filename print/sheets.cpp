#include "print/sheets.h"

#include <QBuffer>
#include <QPagedPaintDevice>
#include <QPdfWriter>

#include "print/pagecanvas.h"

namespace kl::print {

FitRect placePage(QPainter& painter, int sheetWidth, int sheetHeight, int margin, int pageWidth, int pageHeight) {
    const FitRect r = fitPage(sheetWidth, sheetHeight, margin, pageWidth, pageHeight);
    if (r.width < 1 || r.height < 1) return r;
    painter.translate(r.left, r.top);
    painter.scale(static_cast<double>(r.width) / pageWidth, static_cast<double>(r.height) / pageHeight);
    return r;
}

void drawFitted(QPainter& painter, int sheetWidth, int sheetHeight, int margin, const platform::Picture& page) {
    const FitRect r = fitPage(sheetWidth, sheetHeight, margin, page.width(), page.height());
    if (r.width < 1 || r.height < 1) return;
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.setRenderHint(QPainter::LosslessImageRendering, true);
    painter.drawImage(QRect(r.left, r.top, r.width, r.height), page.image());
    painter.restore();
}

RunResult drawScriptFitted(QPainter& painter, int sheetWidth, int sheetHeight, const PrintState& state,
                           PreparedImages* images) {
    RunResult r;
    const int w = state.canvasWidth(), h = state.canvasHeight();
    if (!validPageSize(w, h)) {
        r.refused = true;
        r.refusal = kTooLargeMessage;
        return r;
    }
    PrintState run = state;
    run.rewriteMode = run.previewMode = false;
    // The window's progress bar is left alone.
    run.progressMode = 20;
    painter.save();
    if (placePage(painter, sheetWidth, sheetHeight, state.margin, w, h).width > 0) {
        PainterCanvas canvas(painter, w, h, state.monoMode, images);
        canvas.fill(state.background);
        r = drawimageOn(run, run.script.lines, canvas);
    }
    painter.restore();
    return r;
}

SheetRun::SheetRun(QPagedPaintDevice& device, std::optional<Paper> paper) : device_(device), paper_(paper) {}

SheetRun::~SheetRun() {
    if (painter_.isActive()) painter_.end();
}

bool SheetRun::next(QPageLayout::Orientation orientation) {
    if (failed_) return false;
    // A new layout takes effect on the sheet that starts after it is set; a
    // device that cannot turn its paper keeps it, and the page is fitted to
    // the sheet it has.
    if (paper_) device_.setPageLayout(sheetLayout(*paper_, orientation));
    else device_.setPageOrientation(orientation);
    if (sheets_ == 0) {
        if (!painter_.begin(&device_)) {
            failed_ = true;
            return false;
        }
    } else if (!device_.newPage()) {
        failed_ = true;
        return false;
    }
    ++sheets_;
    return true;
}

int SheetRun::sheetWidth() const { return device_.width(); }
int SheetRun::sheetHeight() const { return device_.height(); }

bool SheetRun::finish() {
    if (!painter_.isActive()) return false;
    return painter_.end() && !failed_;
}

RunResult printPage(SheetRun& run, const PrintState& state, Orientation orientation, const platform::Picture* bitmap) {
    RunResult r;
    const int w = bitmap ? bitmap->width() : state.canvasWidth();
    const int h = bitmap ? bitmap->height() : state.canvasHeight();
    if (!run.next(orientationFor(orientation, w, h))) {
        r.refused = true;
        r.refusal = "the sheet could not be started";
        return r;
    }
    if (bitmap) {
        drawFitted(run.painter(), run.sheetWidth(), run.sheetHeight(), state.margin, *bitmap);
        return r;
    }
    return drawScriptFitted(run.painter(), run.sheetWidth(), run.sheetHeight(), state, &run.images);
}

struct PdfFile::Parts {
    QByteArray bytes;
    QBuffer buffer{&bytes};
    std::unique_ptr<QPdfWriter> writer;
};

PdfFile::PdfFile(const std::string& title) : parts_(std::make_unique<Parts>()) {
    parts_->buffer.open(QIODevice::WriteOnly);
    parts_->writer = std::make_unique<QPdfWriter>(&parts_->buffer);
    parts_->writer->setResolution(kPdfResolution);
    parts_->writer->setCreator(QStringLiteral("Kestralune"));
    parts_->writer->setTitle(QString::fromStdString(title));
}

PdfFile::~PdfFile() = default;

QPagedPaintDevice& PdfFile::device() { return *parts_->writer; }

std::string PdfFile::bytes() const { return parts_->bytes.toStdString(); }

}  // namespace kl::print
