// The command line's search for a kin's days: `find KIN` and
// `find --seal S --tone T`.
#pragma once

#include <string>
#include <vector>

namespace kl::cli {

// The largest --count accepted: about 2700 years of returns.
inline constexpr int kMaxFindCount = 10000;

// Runs `find` with its arguments (after the word "find"); returns the exit
// status: 0 done, 2 a wrong command line.
int runFind(const std::vector<std::string>& args, std::string& out, std::string& err);

}  // namespace kl::cli
