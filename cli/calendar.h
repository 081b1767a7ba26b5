// kestralune-cli calendar: the 13-moon year as one PDF, ready to print.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "print/paper.h"

namespace kl::cli {

struct CalendarRequest {
    std::int32_t year = 0;  // the year starts on 26 July of it
    std::string output;     // ends in .pdf (in any case)
    std::optional<print::Paper> paper;  // the locale's paper when not given
    print::Orientation orientation = print::Orientation::Auto;
    int margin = 5;  // percent 0..45
    bool mono = false;
    bool glyphs = false;  // signs as symbol-font glyphs
};

// The request of `calendar`'s arguments (after the word "calendar"), or
// nothing, with the one line that says what is wrong in `err`.
std::optional<CalendarRequest> parseCalendarArgs(const std::vector<std::string>& args, std::string& err);

// calendar YEAR OUT.pdf [--paper P] [--orientation O] [--margin M] [--mono]
// [--glyphs], `args` without the command word. The exit status: 0 written
// without a failure, 1 a failure (a view or a line that could not be drawn,
// the file not written), 2 bad usage. Needs a Qt GUI application.
int runCalendar(const std::vector<std::string>& args, std::string& err);

}  // namespace kl::cli
