// WindWHP.dat: the print manager's size and position, the positions of the
// printing set-up and configuration dialogs, and the easy/creative layout.
// Nine lines, decimal integers but the last. The window saves exactly the
// quantities it restores (its client size and its frame's position), so
// the window keeps its size from run to run.
#pragma once

#include <string>
#include <string_view>

namespace kl::print {

inline constexpr const char* kWindowSizesFile = "WindWHP.dat";
inline constexpr int kWindowSizesLines = 9;

struct WindowSizes {
    int width = 1000, height = 700, left = 140, top = 50;  // print manager
    int setupLeft = 900, setupTop = 150;                   // printing set-up dialog
    int configLeft = 400, configTop = 297;                 // configuration dialog
    bool easyMode = true;
    friend bool operator==(const WindowSizes&, const WindowSizes&) = default;
};

struct WindowSizesRead {
    WindowSizes sizes;
    // The first line (1..9) that was missing or not a number, 0 when every
    // line was read; that line and every other bad one keep the default.
    int badLine = 0;
    std::string problem;  // what was wrong with it
};

// Reads the file's bytes; every line that cannot be read keeps the value of
// `defaults`. Line 9 sets the easy layout exactly when it reads "1".
WindowSizesRead parseWindowSizes(std::string_view bytes, const WindowSizes& defaults = {});
std::string windowSizesBytes(const WindowSizes& sizes);

struct Rect {
    int left = 0, top = 0, width = 0, height = 0;
    friend bool operator==(const Rect&, const Rect&) = default;
};
// A window rectangle brought onto `screen`: its size kept within the
// minimum and the screen, then its position moved so that it lies wholly
// on the screen.
Rect clampWindow(Rect window, const Rect& screen, int minWidth, int minHeight);

}  // namespace kl::print
