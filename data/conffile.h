// conf.dat: its values, the reader and the writer (both walk one table of
// the file's lines, in conffile.cpp), and applyConf, the one copy of the
// values into the settings globals. The configuration dialog and the
// dialog-less programs (the command line) read and write through here.
#pragma once

#include <cstdint>
#include <string>

#include "data/language.h"

namespace kl {

// The values of conf.dat's lines, as the configuration dialog's controls
// hold them. Each member's defaults are the values before any file is read.
struct ConfValues {
    bool yearShine = true;      // cb2
    bool yearLine = true;       // cb3
    bool yearFigure = true;     // cb4
    bool castleFigure = true;   // cb5
    bool transitions = true;    // cb1
    int speed = 5;              // sp: 1..99
    bool swapKeys = false;      // cb6
    bool bookDate = false;      // cb7
    bool dayDate = false;       // cb8
    bool iconDate = true;       // cb9
    bool turtles = false;       // cb10
    int dateFormat = 5;         // cbx: 0..6
    int moonModel = 2;          // cbm: 0 linear, 1 smooth, 2 astronomical (the sky's moon)
    std::string signFont;       // _signfont, UTF-8
    std::string signFontBytes;  // _signfont's line as read, in the file's code page; empty until read
    int helpCount = 1;          // _hlpcount; a conf.dat made anew counts the pages (helpPagesFound)
    // cbl: the language the user chose, as its code ("ru", "en"); empty while
    // none is chosen, and the texts follow the system's language. An older
    // file ends before this line; a code this program does not know is kept
    // and followed as no choice.
    std::string language;
};

// The language the values ask for: the one named on the command line when
// there is one (setLanguageOverride), else the chosen one, else the system's.
Language languageOf(const ConfValues& values);

// The help pages beside the program: hlp1.dat, hlp2.dat … without a gap,
// at most 23 (the last page a click reaches), and at least 1. A conf.dat made where there was none says
// this many, as the shipped one does.
int helpPagesFound();

// conf.dat's bytes, read once while the file stays unchanged: the language
// is taken from it before the rest, and the dialog reads it after the
// program's start. False when it cannot be read.
bool readConfBytes(std::string& bytes);

// Reads conf.dat's bytes into `values`. Returns 0 when every line was read,
// otherwise the 1-based line at which reading stopped (missing, not a
// number, or a list position outside its list); the lines before it have
// been applied to `values`, the others keep theirs. `reason`, when given,
// says why reading stopped.
int parseConf(const std::string& bytes, ConfValues& values, std::string* reason = nullptr);

// The bytes of conf.dat holding `values`, every line ended by CR LF. The sign
// font's line is written back as it was read (signFontBytes) while the font
// is the one read, or the blank that stands for the program's own.
std::string formatConf(const ConfValues& values);

// Copies the values into the settings globals, as the dialog does, and reads
// the texts in the language they ask for (languageOf).
void applyConf(const ConfValues& values);

// Reads conf.dat from the program directory and applies it; without a
// file, or with one that cannot be read to its end, the values read so far
// over the defaults (the help pages found for the count). Returns parseConf's answer (0 also when there is no file);
// `reason`, when given, says why reading stopped.
int loadConfWithoutDialog(std::string* reason = nullptr);

// The language code conf.dat beside the program holds, read without a word
// about a file that is missing or cannot be read (empty then).
std::string configuredLanguage();

}  // namespace kl
