// The year view's grid: the 364 small cells of a 13-moon year in thirteen
// blocks laid out as the wavespell's U, kept in the scratch picture while
// the year bearer stays the same, and the state the error report prints.
#pragma once

#include <cstdint>

#include "core/calendar.h"
#include "layout/calendarviews.h"
#include "ui/fullscreen/views/pagedays.h"

namespace kl {

// The day out of time that ends the year on show: its seal, tone and
// chromatic.
extern std::uint8_t DOTS, DOTT, DOTC;

}  // namespace kl

namespace kl::views {

// 26 July that begins the 13-moon year of `date` (of the year before when
// the date is before 26 July).
PageDate yearStart(const GregorianDate& date);

// The block (column, row) of moon 1..13: moons 1..5 down column 0 from
// row 1, 6..9 along row 5, 10..12 up column 4, 13 at column 3, row 2.
layout::Point yearBlock(int moon);

// The top-left of the seal of day j (0..6) of week w (0..3) in a block.
layout::Point yearCell(layout::Point block, int w, int j);

// The current day's cell, straight from its 13-moon date (not for the day
// out of time, which has none).
layout::Point yearCellOf(const CalendarDay& day);

}  // namespace kl::views
