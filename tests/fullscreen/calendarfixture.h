// The calendar pages' fixture: every sign picture, shines and pulse stamps
// of colours of their own, and helpers to find what a script or a drawn view
// holds.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "fullscreen/viewfixture.h"

namespace kl::test {

using Lines = std::vector<std::string>;

class CalendarTest : public ViewTest {
protected:
    void SetUp() override;
    // The script lines a mode writes (the year sub-script in place of its
    // YEAR line), without the print manager's header: the week view has no
    // export button, and the views are what is tested here.
    Lines script(int mode, bool glyphs = false);
    // Draws `mode` into the view picture and returns a copy.
    platform::Picture draw(int mode);
    int count(const Lines& lines, const std::string& part) const;
    bool has(const Lines& lines, const std::string& line) const {
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    }
};

// Solid stand-ins, each drawn through a white mask of its own size.
platform::Rgb shineColour(int type);  // shine type 0..8
platform::Rgb pulseColour(int picture);  // 0..5
inline constexpr int kPulseSize = 3;

}  // namespace kl::test
