// kestralune-cli's print commands: a page drawn from a layout script, and a
// script rescaled as the print manager's double and half do.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace kl::cli {

// True for the words this file handles ("page", "rescale").
bool isPrintCommand(const std::string& word);

// Runs `args` (the command word first). The script "-" is read from `in`.
// Answers the exit status: 0 the run ended normally, 1 it reported a
// failure (the page is still written), 2 bad usage. Needs a Qt GUI
// application (the page command draws text).
int runPrintCommand(const std::vector<std::string>& args, std::istream& in, std::string& out, std::string& err);

}  // namespace kl::cli
