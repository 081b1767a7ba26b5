// The full-screen boards and the data files that go with them.
#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

#include <array>
#include <vector>

namespace kl::picgen {

extern const QColor kTzolkinGridLine;
QColor tzolkinCellColour(int kin);
QImage drawTzolkinBoard();

QImage drawWavespellBoard();
QImage drawWaveBoard();

// The wings board and the cell of every kin on it (view coordinates: x is
// the cell's left edge, y its middle row), index 0 for kin 1.
QImage drawWingsBoard();
std::array<QPoint, 260> wingsCells();

// The telektonon board, its 70 hot rectangles (left, top, right, bottom;
// a point is in one when strictly inside) and what each field is.
QImage drawTelektononBoard();
struct Field {
    QRect bounds;  // inclusive pixel rectangle of the field
};
std::vector<Field> telektononFields();
// The turtles' walk: cell of turtle Y on day k (1..28), and of G on day k
// for the inner spiral (days 7..22).
QPoint turtleYCell(int day);
QPoint turtleGCell(int day);

}  // namespace kl::picgen
