// A sign on a printed page in its two forms: the picture where the picture
// export puts it, and the glyph layers where the glyph export puts them,
// drawn the way the print script's FONT and TEXT lines draw (the face at the
// line's pixel height, the text's top-left corner at the given point).
// Shared by the fonts' review sheet and their tests.
#pragma once

#include <QImage>
#include <QPainter>
#include <QRect>

#include "tools/picgen/glyphlayers.h"

namespace kl::fontgen {

// The page point of a layer's text corner, for a page `pageWidth` wide.
QPointF layerCorner(const picgen::GlyphLayer& layer, int pageWidth);
// Draws the layers in order.
void drawGlyphLayers(QPainter& p, const picgen::ExportedSign& sign, int pageWidth);
// The picture's rectangle on the page.
QRect pictureRect(const picgen::ExportedSign& sign, QSize picture, int pageWidth);
// Draws a sign picture file (24-bit, key colour transparent) at its place.
void drawSignPicture(QImage& page, const QImage& picture, const QRect& at, QRgb key);

// The two forms alone on a transparent page `size`, moved by `shift`: the
// picture's visible pixels opaque, the glyphs with their antialiased cover.
QImage pictureCoverage(const picgen::ExportedSign& sign, const QImage& picture, QRgb key, QSize size,
                       QPoint shift = {});
QImage glyphCoverage(const picgen::ExportedSign& sign, QSize size, QPoint shift = {});
// The smallest rectangle of the pixels at least `minAlpha` opaque.
QRect inkBox(const QImage& coverage, int minAlpha = 96);

}  // namespace kl::fontgen
