// The printer the print manager fits its pages to.
#pragma once

#include <optional>

#include "print/optimize.h"

namespace kl::print {

// The default printer's printable page in printer pixels, or nullopt when
// the system lists no printer (Qt then falls back to a PDF printer, which
// is not a printer to fit to).
std::optional<PaperSize> printerPageSize();

}  // namespace kl::print
