// The Tzolkin board (zolkin.bmp, sign 240): 13 columns of 20 kins, kin 1 at
// the top-left, kins running down each column. Portal kins are green, the
// mystic column silver, every other cell tinted by its seal's colour.
#include "tools/picgen/boardgeometry.h"
#include "tools/picgen/boards.h"
#include "tools/picgen/boardstyle.h"
#include "tools/picgen/picgen.h"

#include "core/kin.h"

#include <QFont>

namespace kl::picgen {

using namespace style;

// The grid lines are drawn crisp in this colour, so that a check can find
// the border between two cells.
const QColor kTzolkinGridLine(96, 80, 150);
// The portal kins' green and the mystic column's grey, dark enough for the
// numbers; the view's legend repeats them.
const QColor kPortalFill(layout::tzolkin::kPortalFill.r, layout::tzolkin::kPortalFill.g, layout::tzolkin::kPortalFill.b);
const QColor kMysticFill(layout::tzolkin::kMysticFill.r, layout::tzolkin::kMysticFill.g, layout::tzolkin::kMysticFill.b);
const QColor kKinNumber(236, 232, 255);

QColor tzolkinCellColour(int kin) {
    if (isPortalKin(kin)) return kPortalFill;
    if (kin >= 121 && kin <= 140) return kMysticFill;
    const int seal = (kin - 1) % 20 + 1;
    QColor c = familyColour((seal - 1) % 4);
    // Dim enough that the gold shine and the white legend stay readable.
    return QColor(14 + c.red() / 4, 6 + c.green() / 4, 40 + c.blue() / 5);
}

QImage drawTzolkinBoard() {
    using namespace geo;
    const QSize size = kTzolkinBoard;
    QImage img = canvas(size.width(), size.height(), kNight);
    QPainter p(&img);
    smooth(p);
    const QPoint origin(kTzolkinLeft, kTzolkinTop);  // view -> board
    auto local = [&](QRect r) { return r.translated(-origin); };

    // A soft frame round the grid, wider than the grid by the board margin.
    const QRect grid = local(QRect(kTzolkinGridLeft, kTzolkinGridTop, 13 * kTzolkinPitchX, 20 * kTzolkinPitchY));
    glow(p, QRectF(grid).center(), grid.height() * 0.7, QColor(50, 30, 120), 0.35);

    QFont number("DejaVu Sans");
    number.setPixelSize(8);
    p.setFont(number);
    for (int kin = 1; kin <= 260; ++kin) {
        const QRect cell = local(tzolkinCell(kin));
        p.setPen(Qt::NoPen);
        p.setBrush(tzolkinCellColour(kin));
        p.drawRect(cell);
        // Kin number, small, in the cell's lower right; opaque and light, so
        // its strokes read on every cell's tint.
        p.setPen(kKinNumber);
        p.drawText(cell.adjusted(1, 1, -2, -1), Qt::AlignRight | Qt::AlignBottom, QString::number(kin));
    }
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(kTzolkinGridLine);
    for (int c = 0; c <= 13; ++c) p.drawLine(grid.left() + c * kTzolkinPitchX, grid.top(), grid.left() + c * kTzolkinPitchX, grid.top() + grid.height());
    for (int r = 0; r <= 20; ++r) p.drawLine(grid.left(), grid.top() + r * kTzolkinPitchY, grid.left() + grid.width(), grid.top() + r * kTzolkinPitchY);
    // The middle column and the outer edge in gold.
    p.setPen(kGoldDim);
    p.setBrush(Qt::NoBrush);
    p.drawRect(grid);
    p.drawRect(QRect(grid.left() + 6 * kTzolkinPitchX, grid.top(), kTzolkinPitchX, grid.height()));
    return img;
}

}  // namespace kl::picgen
