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
    std::array<std::string, 6> affirmation;  // empty while no BASE.DRS is at hand
};

std::string toJson(const DayReport& r);
std::string toText(const DayReport& r);

// Runs the command line; returns the exit status.
int run(int argc, char** argv, std::string& out, std::string& err);

}  // namespace kl::cli
