// The sign-picture families of the generator. Each function draws one family
// and writes its files (and masks); signs_sheet.cpp runs them in order and
// then lays out the contact sheet.
#pragma once

#include <QColor>
#include <QPainter>
#include <QRectF>

#include "tools/picgen/picgen.h"

namespace kl::picgen {

// Seal symbols, drawn in a 100 x 100 design square.
struct SealStyle {
    QColor tile;      // fill of the rounded tile
    QColor rim;       // its border
    QColor symbol;    // strokes and fills of the symbol
    double rimWidth;  // design units
    double stroke;    // design units
    double corner;    // corner radius of the tile, design units
};
void drawSealTile(QPainter& p, int seal, const QRectF& box, const SealStyle& style);
// Plasma emblems 1..7 in a 100 x 100 design square (a disc).
void drawPlasmaEmblem(QPainter& p, int plasma, const QColor& colour, const QColor& hole, double stroke);

void generateSeals(const Output& out);
void generateTones(const Output& out);
void generatePlasmas(const Output& out);
void generateFramesAndMarks(const Output& out);
void generateLineFigures(const Output& out);
void generateMoonSigns(const Output& out);
void generateVinals(const Output& out);
void generateSignSheet(const Output& out);

}  // namespace kl::picgen
