// The command line's search for a kin's days: `find KIN` and
// `find --seal S --tone T`.
#pragma once

#include <string>
#include <vector>

namespace kl::cli {

// The largest --count accepted: about 2700 years of returns.
inline constexpr int kMaxFindCount = 10000;

// Runs `find` with its arguments (after the word "find"); returns the exit
// status: 0 done, 1 the years ended before the returns asked for (those
// there are are listed, and one line on stderr says how many), 2 a wrong
// command line.
int runFind(const std::vector<std::string>& args, std::string& out, std::string& err);

}  // namespace kl::cli
