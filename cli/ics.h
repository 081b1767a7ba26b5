// The calendar as an iCalendar file: one all-day event per day, for the
// calendar applications people already use.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/calendar.h"

namespace kl::cli {

// The longest range `ics` writes, in days (about a century).
inline constexpr int kMaxIcsDays = 36600;

// A TEXT value with backslash, semicolon, comma and line ends escaped.
std::string icsEscape(const std::string& text);

// One content line, folded so that no physical line exceeds 75 octets
// (a continuation starts with a space; a UTF-8 character is never split),
// each ending in CR LF.
std::string icsFold(const std::string& line);

// The whole file for the real Gregorian days from..to (both included;
// 29 February only in leap years, with the values the engine gives it).
// `stamp` is the DTSTAMP value (UTC, YYYYMMDDTHHMMSSZ). Names and the
// affirmation come from BASE.DRS when `withTexts` is set.
std::string buildIcs(const GregorianDate& from, const GregorianDate& to, const std::string& stamp,
                     bool withTexts);
// The same file handed to `write` in pieces of about 64 KB as it is made,
// so that a century never sits in memory whole. False as soon as `write`
// refuses a piece (nothing more is made then).
bool writeIcs(const GregorianDate& from, const GregorianDate& to, const std::string& stamp, bool withTexts,
              const std::function<bool(std::string_view piece)>& write);

// What `ics`'s arguments ask for.
struct IcsRequest {
    GregorianDate from, to;  // real days, from not after to, at most kMaxIcsDays of them
    std::optional<std::string> output;  // the file named, exactly; none (or "-"): standard output
};

// The request of `ics`'s arguments (after the word "ics"), or nothing, with
// the one line that says what is wrong in `err`.
std::optional<IcsRequest> parseIcsArgs(const std::vector<std::string>& args, std::string& err);

// Runs `ics` with its arguments (after the word "ics"); returns the exit
// status: 0 done, 1 BASE.DRS or the output cannot be read or written, 2 a
// wrong command line. The file goes to the output named, or in pieces to
// `standardOutput`, as it is made: a century is never held whole. When
// `standardOutput` refuses a piece the status is 1 and whoever owns that
// output says why.
int runIcs(const std::vector<std::string>& args, const std::function<bool(std::string_view piece)>& standardOutput,
           std::string& err);

}  // namespace kl::cli
