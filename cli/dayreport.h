// The command-line companion's day report: parsing its date argument and
// writing the day's values as text or JSON.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "core/calendar.h"
#include "core/kin.h"

namespace kl::cli {

// Parses YYYY-MM-DD with years 1..2147483647; 29 February of any year is
// accepted. Nothing else that is not a real date is.
std::optional<GregorianDate> parseDate(const std::string& text);

struct DayReport {
    GregorianDate date;
    CalendarDay day;
    KinRelations relations;
    // The moon in the sky at 12:00 UT of the date.
    double moonAge = 0;           // days since the last new moon
    double moonIllumination = 0;  // lit fraction of the disc, 0..1
    // From BASE.DRS; empty while there is none at hand.
    std::string sealName, toneName, plasmaName, moonName;
    std::array<std::string, 6> affirmation;
};

// Fills the names and the affirmation from BASE.DRS beside the program.
void loadTexts(DayReport& r);

std::string toJson(const DayReport& r);
std::string toText(const DayReport& r);

// Runs the command line; returns the exit status: 0 done (also for
// --help), 1 BASE.DRS is there but cannot be read, 2 a wrong command line.
int run(int argc, char** argv, std::string& out, std::string& err);

}  // namespace kl::cli
