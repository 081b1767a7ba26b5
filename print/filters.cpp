#include "print/filters.h"

#include <algorithm>

#include "imaging/blend.h"
#include "print/fitting.h"
#include "print/interpreter.h"

namespace kl::print {

void blurm(platform::Picture& picture, int firstColumn, int lastColumn, int firstRow, int lastRow,
           const RowProgress& onRow) {
    blurrect(picture, firstColumn, firstRow, lastColumn, lastRow, onRow);
}

void blacknwhite(platform::Picture& picture, int firstColumn, int lastColumn, int firstRow, int lastRow,
                 const RowProgress& onRow) {
    firstColumn = std::max(firstColumn, 0);
    firstRow = std::max(firstRow, 0);
    lastColumn = std::min(lastColumn, picture.width() - 1);
    lastRow = std::min(lastRow, picture.height() - 1);
    for (int y = firstRow; y <= lastRow; ++y) {
        if (onRow) onRow(y);
        std::uint8_t* p = picture.row(y) + 3 * firstColumn;
        for (int x = firstColumn; x <= lastColumn; ++x, p += 3) {
            const auto g = static_cast<std::uint8_t>((p[0] + p[1] + p[2]) / 3);
            p[0] = p[1] = p[2] = g;
        }
    }
}

RowProgress filterProgress(PrintState& state, const RunHooks& hooks, int firstRow, int lastRow) {
    if (state.progressMode > 1 || !hooks.progress) return {};
    const bool whole = state.progressMode == 0;
    const int base = whole ? 0 : state.progressValue;
    const int span = whole ? 100 : 40;
    return [&state, &hooks, base, span, firstRow, lastRow](int y) {
        const double step = lastRow > firstRow ? static_cast<double>(std::int64_t{y - firstRow} * span) / (lastRow - firstRow)
                                               : span;
        state.progressValue = base + static_cast<int>(roundHalfEven(step));
        hooks.progress(state.progressValue);
    };
}

void smoothPage(PrintState& state, platform::Picture& page, const RunHooks& hooks) {
    const int w = page.width(), h = page.height();
    blurm(page, 1, w - 1, 1, h - 1, filterProgress(state, hooks, 1, h - 1));
}

void greyPage(PrintState& state, platform::Picture& page, const RunHooks& hooks) {
    const int w = page.width(), h = page.height();
    blacknwhite(page, 1, w - 1, 1, h - 1, filterProgress(state, hooks, 1, h - 1));
}

}  // namespace kl::print
