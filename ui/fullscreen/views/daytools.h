// Small routines the calendar views share: the Gregorian date text, the
// special kins, the line figure of a week, text pages, and the word forms of
// a day's colour and tone.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/calendar.h"
#include "core/kin.h"
#include "ui/fullscreen/viewcanvas.h"

namespace kl::views {

// The date in format 0 dd.mm.yyyy, 1 dd.mm.yy, 2 dd.mm, 3 mm.dd, 4 mm/dd,
// 5 dd/mm; empty for any other format. yy is the third and fourth digit of
// the year written with at least four digits (year 999 is "0999", so "99").
std::string gregtostr(const GregorianDate& date, int format);
std::string gregtostr(int day, int month, std::int64_t year, int format);

// True for the kins marked on the calendar pages (20, 26, 30, 40, 57, 58, 60,
// 87, 106, 132, 176, 211, 245). Callers pass the low 8 bits of a kin.
bool pvsign(std::uint8_t k);

// The index 0..16 of a year bearer (seal 4, 9, 14 or 19 with its tone) in
// the figure file izinfo.dat; none for a year outside the seventeen.
std::optional<int> izinyear(int yearSign, int yearTone);

// A six-line figure as izinfo.dat and iznum.drs write it: six characters
// '0' or '1' (the bottom line first), one separator, and the figure's number
// in one or two digits ("011010 27").
struct Figure {
    std::string lines;       // six characters '0' or '1'
    int number = 0;          // [1, 64]
    std::string numberText;  // the digits as written ("7", "07", "27")
};

// The figure of one line of either file; none when the line is shorter
// than eight characters, its first six are not all '0' or '1', its number
// is not one or two digits (the ninth character, when there is one, is the
// second digit), or the number is outside 1..64.
std::optional<Figure> parseFigure(std::string_view line);

// The figure of a year bearer's week (line 52 r + week - 1 of izinfo.dat);
// none when the year has no index, the line is missing or does not parse.
std::optional<Figure> izinfigure(int yearSign, int yearTone, int weekNumber);

// Draws the first `count` lines of a figure stacked upwards from y0 + 42,
// 7 pixels apart, at x, and returns the figure's number.
int drawizin(ViewCanvas& canvas, const Figure& figure, int x, int count, int y0);

// The display number of a figure: the number of the first line of
// iznum.drs that parses and has the figure's six lines, or "Error1".
std::string zinnumber(const Figure& figure);

// Lines first .. first + count - 1 of a text file, the i-th at
// (x, y + spacing * i).
void dotext(ViewCanvas& canvas, int x, int y, const std::string& file, bool centred, int preset, int count,
            int spacing, int first);

// The colour word and tone word of a day in its word form.
std::string colourWord(const KinRelations& r);
std::string toneWord(const KinRelations& r, int tone);

// The tone-and-seal line at y, split into the tone word and, 12 pixels
// below, the seal when it is too wide for one row.
void sealLine(ViewCanvas& canvas, const std::string& toneWord, const std::string& seal, int y);

}  // namespace kl::views
