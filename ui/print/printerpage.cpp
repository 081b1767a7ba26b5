#include "ui/print/printerpage.h"

#include <QPrinter>
#include <QPrinterInfo>

namespace kl::print {

std::optional<PaperSize> printerPageSize() {
    const QList<QPrinterInfo> printers = QPrinterInfo::availablePrinters();
    if (printers.isEmpty()) return std::nullopt;
    QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) info = printers.front();
    QPrinter printer(info, QPrinter::HighResolution);
    const QRect r = printer.pageLayout().paintRectPixels(printer.resolution());
    if (r.width() < 1 || r.height() < 1) return std::nullopt;
    return PaperSize{r.width(), r.height()};
}

}  // namespace kl::print
