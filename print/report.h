// What the window shows after a run: every failure goes to the error report
// (written once per program run), and one message sums the run up, however
// many lines failed.
#pragma once

#include <string>

#include "print/interpreter.h"

namespace kl::print {

// The one message for a run, or "" when there is nothing to say. Lines:
// "ERROR! ERROR CODE:106" with "Syntax error at line N" for the first line
// that cannot be read and a count when there are more; the missing-file
// message with the first picture's name and a count; the refusal; the
// message of a run that ended early.
std::string runSummary(const RunResult& result);

// Logs each failure (106 with "string:" + the line) and shows runSummary
// in one message box. Never asks the program to end.
void reportRun(const RunResult& result);

// One line per failure for a terminal: "line N: what: the line", N
// counted from 1.
std::string failureLine(const LineFailure& f);

// The run's failures for a terminal, each line begun with `prefix` and
// ended by a line break: one per failure kept, a count of those not kept,
// the refusal and an early end.
std::string failureLines(const RunResult& result, const std::string& prefix);

}  // namespace kl::print
