// Small routines the calendar views share: the Gregorian date text, the
// special kins, the line figure of a week, text pages, and the word forms of
// a day's colour and tone.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/calendar.h"
#include "core/kin.h"
#include "ui/fullscreen/viewcanvas.h"

namespace kl::views {

// The date in format 0 dd.mm.yyyy, 1 dd.mm.yy, 2 dd.mm, 3 mm.dd, 4 mm/dd,
// 5 dd/mm; empty for any other format.
std::string gregtostr(const GregorianDate& date, int format);

// True for the kins marked on the calendar pages (20, 26, 30, 40, 57, 58, 60,
// 87, 106, 132, 176, 211, 245). Callers pass the low 8 bits of a kin.
bool pvsign(std::uint8_t k);

// The index 0..16 of a year bearer (seal 4, 9, 14 or 19 with its tone) in
// the figure file izinfo.dat; none for a year outside the seventeen.
std::optional<int> izinyear(int yearSign, int yearTone);

// The figure line of a year bearer and week ("011010 27"), empty when the
// year has no index or the file has no such line.
std::string izinline(int yearSign, int yearTone, int weekNumber);

// Draws the first `count` lines of a figure line stacked upwards from
// y0 + 42, 7 pixels apart, at x; returns the figure's number (characters 8
// and 9). Throws std::invalid_argument when the number is not a number.
int drawizin(ViewCanvas& canvas, const std::string& figure, int x, int count, int y0);

// The display number of a figure from iznum.drs, or "Error1".
std::string zinnumber(const std::string& figure);

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
