// The program's few ties to the desktop session that tests must be able to
// replace: the message box, the request to end the application, and the
// system clock. Nothing here ever blocks a headless run once replaced.
#pragma once

#include <functional>
#include <string>

#include "core/calendar.h"

namespace kl::platform {

// Shows a modal message (UTF-8) through the installed handler: the windowed
// program installs message boxes (platform/widgets/messagebox.h), tests a
// recorder; without one the message goes to stderr.
void showMessage(const std::string& text);
using MessageHandler = std::function<void(const std::string&)>;
MessageHandler setMessageHandler(MessageHandler handler);  // returns the previous one
// True while a message is on the screen (a timer must not act then: its
// ticks still arrive while the box waits for the user).
bool messageOpen();
// Messages shown so far in this run, so a caller can tell whether a call it
// made reported a failure.
long messagesShown();

// The exit status of a run that a failure ended.
inline constexpr int kFailureExitStatus = 1;
// Asks the application to end after a failure: the event loop finishes
// after the current event and the program exits with kFailureExitStatus.
// Tests install a recorder.
void requestTerminate();
// True once the application has been asked to end (the request made before
// the event loop runs is kept here, so start-up can stop cleanly).
bool terminateWasRequested();
// Forgets the request (tests only: each test is a run of its own).
void resetTerminateRequest();
// Ends the process at once (the fatal path when not even a report can be written).
void haltNow();
using TerminateHandler = std::function<void()>;
TerminateHandler setTerminateHandler(TerminateHandler handler);
TerminateHandler setHaltHandler(TerminateHandler handler);

// Today's date from the system clock's day, month and year (weekDay 0).
GregorianDate systemToday();
// The locale's short date and long time texts of now, for the error report.
std::string shortDateText();
std::string longTimeText();
// Time of day as a fraction of a day, 0..1.
double timeOfDayFraction();

}  // namespace kl::platform
