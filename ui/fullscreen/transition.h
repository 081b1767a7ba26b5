// The cross-fade between two views of the full-screen window, one timer tick
// at a time. It works on the shared full-screen state (fullmodeState,
// _newstate, spin, _trc) and the transition speed _spconst, so other windows
// request a view as they always have: set _newstate and spin := 0, and let
// the timer tick.
#pragma once

#include <cstdint>
#include <functional>

#include "platform/picture.h"

namespace kl {

// What a transition asks of its window.
struct TransitionTarget {
    // Draw a mode into the view picture (the dispatcher). False when the
    // drawing reported a failure; the transition then stops.
    std::function<bool(int mode, std::uint8_t level)> paint;
    // Put a picture on the screen (the picture box) and repaint it.
    std::function<void(const platform::Picture& frame)> show;
    // The screen's own picture, when blended frames can be composed straight
    // into it (show is then handed that picture); otherwise null, or no
    // function, and frames are composed apart and shown.
    std::function<platform::Picture*()> frame;
    // The mode buttons, all but the book-of-kins one.
    std::function<void(bool enabled)> setButtonsEnabled;
    // Stop the timer.
    std::function<void()> stop;
    // Open the window a mode stands for (the print manager, the
    // configuration dialog), once, as the fade toward the mode begins.
    std::function<void(int mode)> open;
};

class Transition {
public:
    // `view` is the picture the dispatcher draws into; it holds the old view
    // while a fade runs. The fade works in the view picture's pixels,
    // whichever its set.
    Transition(platform::Picture& view, TransitionTarget target);

    // One timer tick:
    // - a new mode was requested (_newstate differs from fullmodeState and
    //   spin is 0): the request becomes the mode it shows (a help page past
    //   the last is the first page); when that differs from the mode on
    //   show, the new view is drawn and kept, the old one drawn again, a
    //   fade of _spconst steps begins and the mode's window, if it has one,
    //   opens;
    // - no fade or its end (spin <= 0): the final view is shown, the buttons
    //   enabled and the timer stopped;
    // - otherwise one blended frame of old and new at level _trc.
    // A tick that arrives while another runs (a message box inside the
    // drawing lets the timer fire again) does nothing and answers false.
    bool tick();

    // The number of steps of the fade now running, fixed when it began.
    int steps() const { return steps_; }
    bool ticking() const { return ticking_; }

    // The fade level after `spin` of `steps` steps remain, 0..255.
    static std::uint8_t level(int steps, int spin);

    const platform::Picture& nextPicture() const { return next_; }
    const platform::Picture& mixPicture() const { return mix_; }

private:
    bool paint(int mode, std::uint8_t level);
    // Makes `picture` of the view picture's size and set (the set follows
    // the window's screen), blank, unless it is already.
    void matchView(platform::Picture& picture) const;

    platform::Picture& view_;
    platform::Picture next_;  // the new view while a fade runs
    platform::Picture mix_;   // the frame being composed
    TransitionTarget target_;
    int steps_ = 0;
    bool ticking_ = false;
};

// One blended frame: `mix` := background, then `older` at 255 - level and
// `newer` at level on top, all three from the top-left corner. Where `mix`
// reaches past either picture it stays background.
void crossFade(const platform::Picture& older, const platform::Picture& newer, std::uint8_t level,
               platform::Picture& mix);

}  // namespace kl
