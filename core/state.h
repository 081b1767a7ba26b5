// The process-wide calendar state: the date on show, today's date and the
// values of the date on show.
#pragma once

#include <functional>

#include "core/calendar.h"

namespace kl {

extern GregorianDate currentDate;  // the date on show
extern GregorianDate todayDate;    // the system date taken at start-up
extern CalendarDay currentDay;     // values of currentDate

// currentDay := computeCalendarDay(currentDate), then the compact window's
// state action (set by the window; empty until it exists).
void recomputeCurrentDay();
void setStateAction(std::function<void()> action);

}  // namespace kl
