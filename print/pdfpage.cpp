#include "print/pdfpage.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include "print/fitting.h"

namespace kl::print {

void drawFitted(QPainter& painter, int sheetWidth, int sheetHeight, int margin, const platform::Picture& page) {
    const FitRect r = fitPage(sheetWidth, sheetHeight, margin, page.width(), page.height());
    if (r.width < 1 || r.height < 1) return;
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.drawImage(QRect(r.left, r.top, r.width, r.height), page.image());
}

std::string pagePdf(const platform::Picture& page, int margin, bool landscape) {
    if (page.isNull()) return {};
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        if (!buffer.open(QIODevice::WriteOnly)) return {};
        QPdfWriter writer(&buffer);
        writer.setResolution(kPdfResolution);
        writer.setCreator(QStringLiteral("Kestralune"));
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4),
                                         landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                                         QMarginsF(0, 0, 0, 0)));
        QPainter painter;
        if (!painter.begin(&writer)) return {};
        drawFitted(painter, writer.width(), writer.height(), margin, page);
        if (!painter.end()) return {};
    }
    return bytes.toStdString();
}

}  // namespace kl::print
