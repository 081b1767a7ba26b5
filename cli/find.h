// The command line's search for a kin's days: `find KIN` and
// `find --seal S --tone T`.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/calendar.h"

namespace kl::cli {

// The largest --count accepted: about 2700 years of returns.
inline constexpr int kMaxFindCount = 10000;

// What `find`'s arguments ask for.
struct FindRequest {
    int kin = 0;                        // 1..260
    std::optional<GregorianDate> from;  // today when not given
    int count = 10;                     // 1..kMaxFindCount
    bool json = false;
};

// The request of `find`'s arguments (after the word "find"), or nothing,
// with the one line that says what is wrong in `err`.
std::optional<FindRequest> parseFindArgs(const std::vector<std::string>& args, std::string& err);

// Runs `find` with its arguments (after the word "find"); returns the exit
// status: 0 done, 1 the years ended before the returns asked for (those
// there are are listed, and one line on stderr says how many), 2 a wrong
// command line.
int runFind(const std::vector<std::string>& args, std::string& out, std::string& err);

}  // namespace kl::cli
