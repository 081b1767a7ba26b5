// The page on paper: the page picture stretched into its fitted place on a
// sheet, for printing, the set-up preview and PDF files.
#pragma once

#include <string>

#include "platform/picture.h"

class QPainter;

namespace kl::print {

// Stretches `page` into its place on a sheetWidth x sheetHeight sheet whose
// top-left corner is the painter's origin (fitPage with `margin`).
void drawFitted(QPainter& painter, int sheetWidth, int sheetHeight, int margin, const platform::Picture& page);

// A one-page PDF (A4 at kPdfResolution dots per inch, portrait or
// landscape) holding the page fitted with `margin`, as printing does.
// Empty when it cannot be made.
inline constexpr int kPdfResolution = 300;
std::string pagePdf(const platform::Picture& page, int margin, bool landscape = false);

}  // namespace kl::print
