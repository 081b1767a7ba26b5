// conf.dat: its lines in order, their values before any file is read, a
// reader the configuration dialog and the dialog-less programs (the command
// line) share, and the copy into the settings globals that the dialog's
// assignv also makes.
#pragma once

#include <cstdint>
#include <string>

namespace kl {

struct ConfValues {
    bool yearShine = true;      // line 1, cb2
    bool yearLine = true;       // 2, cb3
    bool yearFigure = true;     // 3, cb4
    bool castleFigure = true;   // 4, cb5
    bool transitions = true;    // 5, cb1
    int speed = 5;              // 6, sp: 1..99
    bool swapKeys = false;      // 7, cb6
    bool bookDate = false;      // 8, cb7
    bool dayDate = false;       // 9, cb8
    bool iconDate = true;       // 10, cb9
    bool turtles = false;       // 11, cb10
    int dateFormat = 5;         // 12, cbx: 0..6
    int moonModel = 2;          // 13, cbm: 0 linear, 1 smooth, 2 astronomical (the sky's moon)
    std::string signFont;       // 14, UTF-8
    std::string signFontBytes;  // 14 as read, in the file's code page; empty until read
    int helpCount = 1;          // 15; a conf.dat made anew counts the pages (helpPagesFound)
};

// The help pages beside the program: hlp1.dat, hlp2.dat … without a gap,
// at most 23 (the last page a click reaches), and at least 1. A conf.dat made where there was none says
// this many, as the shipped one does.
int helpPagesFound();

// Reads conf.dat's bytes into `values`. Returns 0 when all fifteen lines
// were read, otherwise the 1-based line at which reading stopped (missing,
// not a number, or a list position outside its list); the lines before it
// have been applied to `values`, the others keep theirs. `reason`, when
// given, says why reading stopped.
int parseConf(const std::string& bytes, ConfValues& values, std::string* reason = nullptr);

// Copies the values into the settings globals, as the dialog does.
void applyConf(const ConfValues& values);

// Reads conf.dat from the program directory and applies it; without a
// file, or with one that cannot be read to its end, the values read so far
// over the defaults (the help pages found for the count). Returns parseConf's answer (0 also when there is no file);
// `reason`, when given, says why reading stopped.
int loadConfWithoutDialog(std::string* reason = nullptr);

}  // namespace kl
