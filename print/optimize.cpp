#include "print/optimize.h"

#include <algorithm>
#include <sstream>

#include "print/filters.h"
#include "print/fitting.h"

namespace kl::print {

namespace {

void setBar(PrintState& state, const RunHooks& hooks, int value) {
    state.progressValue = value;
    if (hooks.progress) hooks.progress(value);
}

std::string decimal(double v) {
    std::ostringstream s;
    s << v;
    return s.str();
}

// Loops below stop after this many steps whatever the sizes say.
constexpr int kMaxSteps = 64;

}  // namespace

std::int64_t power(std::int64_t a, int n) {
    std::int64_t r = 1;
    for (int i = 0; i < n; ++i) r *= a;
    return r;
}

int fitDoublings(std::int64_t w, std::int64_t h, PaperSize sheet) {
    // A page side below 1 never grows.
    int r = 0;
    while (w >= 1 && h >= 1 && w < sheet.width && h < sheet.height && w < kMaxFitSide && h < kMaxFitSide &&
           r < kMaxSteps) {
        ++r;
        w *= 2;
        h *= 2;
    }
    return r - 1;
}

OptimizeResult optimize(PrintState& state, platform::Picture& page, const PaperQuery& paper, int viewWidth,
                        int viewHeight, const RunHooks& hooks) {
    OptimizeResult out;
    std::int64_t w = state.canvasWidth(), h = state.canvasHeight();
    std::optional<PaperSize> p = paper ? paper() : std::nullopt;
    if (p && (p->width < 1 || p->height < 1)) p.reset();
    const PaperSize sheet = p.value_or(kNoPrinterPaper);

    out.doublings = fitDoublings(w, h, sheet);
    setBar(state, hooks, 11);

    if (out.doublings > 0) {
        const std::int64_t f = power(2, out.doublings);
        const std::int64_t nw = std::int64_t{state.canvasWidth()} * f, nh = std::int64_t{state.canvasHeight()} * f;
        RunResult grown = validPageSize(nw, nh)
                              ? rescalePage(state, page, static_cast<int>(nw), static_cast<int>(nh), static_cast<double>(f))
                              : RunResult{};
        if (!validPageSize(nw, nh)) {
            grown.refused = true;
            grown.refusal = kTooLargeMessage;
        }
        if (grown.refused) {
            LineFailure fail;
            fail.kind = LineFailure::Kind::DrawFailed;
            fail.code = 112;
            fail.sender = "optimize in printpage";
            fail.detail = grown.refusal;
            fail.reportLines = {"zoom:" + decimal(state.viewZoom), "paper width:" + std::to_string(nw),
                                "paper height:" + std::to_string(nh)};
            grown.add(std::move(fail));
        }
        out.run = std::move(grown);
    }

    // A zoom that fits the page view: shrink while the page is larger than
    // the view, or else grow until it covers it and take one step back.
    const std::int64_t vw = std::max(viewWidth, 1), vh = std::max(viewHeight, 1);
    w = state.canvasWidth();
    h = state.canvasHeight();
    double zoom = 1.0;
    int r = 0;
    setBar(state, hooks, 13);
    while ((vw < w || vh < h) && r < kMaxSteps) {
        ++r;
        w = static_cast<std::int64_t>(roundHalfEven(static_cast<double>(w) / kZoomStep));
        h = static_cast<std::int64_t>(roundHalfEven(static_cast<double>(h) / kZoomStep));
        zoom *= kZoomStep;
    }
    if (r == 0) {
        for (int i = 0; (vw > w || vh > h) && i < kMaxSteps; ++i) {
            w = static_cast<std::int64_t>(roundHalfEven(static_cast<double>(w) * kZoomStep));
            h = static_cast<std::int64_t>(roundHalfEven(static_cast<double>(h) * kZoomStep));
            zoom /= kZoomStep;
        }
        zoom *= kZoomStep;
    }
    state.viewZoom = clampZoom(zoom, state.canvasWidth(), state.canvasHeight());
    setBar(state, hooks, 15);
    out.shownWidth = shownSide(state.canvasWidth(), state.viewZoom);
    out.shownHeight = shownSide(state.canvasHeight(), state.viewZoom);

    RunResult shown = showPage(state, page, hooks);
    const bool drawn = !shown.refused;
    out.run.append(std::move(shown));

    state.progressMode = 1;
    if (state.canvasWidth() > 900 && state.canvasHeight() > 700 && drawn) {
        smoothPage(state, page, hooks);
        out.smoothed = true;
    }
    setBar(state, hooks, 0);
    return out;
}

}  // namespace kl::print
