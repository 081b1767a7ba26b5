// "Fit to paper": the page enlarged by whole powers of two towards the
// printer's page (its script rewritten so texts and moons stay sharp), a
// view zoom that fits the window, the page drawn, and a large page smoothed.
#pragma once

#include <functional>
#include <optional>

#include "platform/picture.h"
#include "print/interpreter.h"
#include "print/printstate.h"

namespace kl::print {

struct PaperSize {
    int width = 0, height = 0;  // printer pixels
};

// The paper to fit to, or nullopt when there is no printer
// (ui/print/printerpage.h asks the system's default printer).
using PaperQuery = std::function<std::optional<PaperSize>()>;

// What is fitted to when no printer is at hand.
inline constexpr PaperSize kNoPrinterPaper{2048, 1536};
// Pages grow no further than this on either side.
inline constexpr int kMaxFitSide = 6000;

// How many times a width x height page doubles towards `sheet`: doublings
// while it is smaller than the sheet and kMaxFitSide on both sides, the one
// that reached either taken back (0 or less: it does not grow).
int fitDoublings(std::int64_t width, std::int64_t height, PaperSize sheet);

struct OptimizeResult {
    RunResult run;           // the rewrite and the drawing
    int doublings = 0;       // the page grew by 2^doublings (0 or less: not at all)
    int shownWidth = 1, shownHeight = 1;  // the page view's size at the new zoom
    bool smoothed = false;
};

// Fits the page to the paper `paper` answers for, for a page view whose
// client area is viewWidth x viewHeight, and draws it. Leaves progressMode
// at 1. A page that cannot grow (too large, a number out of range) stays as
// it was and is reported in the result (code 112 with the zoom and the page
// size); the zoom is fitted and the page drawn all the same.
OptimizeResult optimize(PrintState& state, platform::Picture& page, const PaperQuery& paper, int viewWidth,
                        int viewHeight, const RunHooks& hooks = {});

// power(a, n): a^n for n >= 1 and 1 for n <= 0.
std::int64_t power(std::int64_t a, int n);

}  // namespace kl::print
