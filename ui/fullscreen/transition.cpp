#include "ui/fullscreen/transition.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "data/settings.h"
#include "imaging/blend.h"
#include "imaging/blendrows.h"
#include "ui/fullscreen/dispatcher.h"
#include "ui/fullscreen/fullstate.h"
#include "ui/fullscreen/modes.h"

namespace kl {

Transition::Transition(platform::Picture& view, TransitionTarget target)
    : view_(view),
      next_(kViewWidth, kViewHeight, kViewBackground),
      mix_(kViewWidth, kViewHeight, kViewBackground),
      target_(std::move(target)) {}

std::uint8_t Transition::level(int steps, int spin) {
    if (steps < 1) return 255;
    const double v = std::nearbyint(double(steps - spin) / double(steps) * 255.0);
    return static_cast<std::uint8_t>(std::clamp(v, 0.0, 255.0));
}

void crossFade(const platform::Picture& older, const platform::Picture& newer, std::uint8_t level,
               platform::Picture& mix) {
    const int w = std::min({mix.width(), older.width(), newer.width()});
    const int h = std::min({mix.height(), older.height(), newer.height()});
    if (w < mix.width() || h < mix.height()) mix.fill(kViewBackground);
    if (w <= 0 || h <= 0) return;
    // The fill and the two blends in one pass over the frame.
    std::vector<std::uint8_t> background(3 * static_cast<std::size_t>(w));
    for (std::size_t i = 0; i < background.size(); i += 3) {
        background[i] = kViewBackground.r;
        background[i + 1] = kViewBackground.g;
        background[i + 2] = kViewBackground.b;
    }
    for (int y = 0; y < h; ++y)
        blendrows::fadeRow(mix.row(y), background.data(), older.row(y), newer.row(y), level, 3 * w);
}

void Transition::matchView(platform::Picture& picture) const {
    if (picture.width() == view_.width() && picture.height() == view_.height() && picture.scale() == view_.scale())
        return;
    picture = platform::Picture(view_.width(), view_.height(), kViewBackground);
    picture.setScale(view_.scale());
}

bool Transition::paint(int mode, std::uint8_t level) {
    if (!target_.paint) return true;
    if (target_.paint(mode, level)) return true;
    // The failure has been reported; keep the state and tick no more.
    if (target_.stop) target_.stop();
    return false;
}

bool Transition::tick() {
    if (ticking_) return false;
    ticking_ = true;
    struct Done {
        bool& flag;
        ~Done() { flag = false; }
    } done{ticking_};

    if (_newstate != fullmodeState && spin == 0) {
        // The fade goes straight to what the request shows: past the last
        // help page that is the first page, not a blank one first.
        const int target = shownMode(_newstate);
        _newstate = static_cast<std::uint8_t>(target);
        if (target != fullmodeState) {
            if (!paint(target, _trc)) return true;
            matchView(next_);
            for (int y = 0; y < view_.height(); ++y)
                std::memcpy(next_.row(y), view_.row(y), std::size_t(view_.width()) * 3);
            // The step count is taken once: a change of the setting during
            // the fade (the configuration dialog opened by it) cannot alter it.
            steps_ = settings()._spconst;
            spin = steps_ - 1;
            if (!paint(fullmodeState, _trc)) return true;
            fullmodeState = target;
            // The one place a mode's window opens: the request is served
            // here, so no later drawing of the mode opens it again.
            if (target_.open) target_.open(target);
        }
    }

    if (spin <= 0) {
        if (target_.setButtonsEnabled) target_.setButtonsEnabled(true);
        if (!paint(fullmodeState, 255)) return true;
        if (target_.show) target_.show(view_);
        if (target_.stop) target_.stop();
        return true;
    }

    --spin;
    if ((spin == steps_ - 1 || spin == 1) && target_.setButtonsEnabled) target_.setButtonsEnabled(false);
    _trc = level(steps_, spin);
    platform::Picture* screen = target_.frame ? target_.frame() : nullptr;
    if (!screen) matchView(mix_);
    platform::Picture& frame = screen ? *screen : mix_;
    crossFade(view_, next_, _trc, frame);
    if (target_.show) target_.show(frame);
    return true;
}

}  // namespace kl
