// Starting with the desktop session: the user's XDG autostart entry for the
// program, $XDG_CONFIG_HOME/autostart/kestralune.desktop (~/.config when the
// variable is unset, empty or not an absolute path).
#pragma once

#include <string>

namespace kl::platform {

// The entry's path; empty when neither XDG_CONFIG_HOME nor HOME gives a place.
std::string autostartPath();

// True when the entry is there and the session would start it: a file that
// neither hides itself (Hidden=true) nor is switched off
// (X-GNOME-Autostart-enabled=false).
bool autostartEnabled();

// The command that starts the program whose executable is `executable` (an
// absolute path) as the user knows it: the installed launcher
// (<prefix>/bin/kestralune for <prefix>/lib/kestralune/kestralune), which
// gives each user a program directory of their own, else the executable.
std::string launchCommandFor(const std::string& executable);
// launchCommandFor the running executable.
std::string launchCommand();

// `program` as the Exec key of a desktop entry writes it: quoted when it
// holds a space or another reserved character, '"', '`', '$' and '\'
// escaped inside the quotes, '%' doubled and the string's own backslash
// escaping applied. Empty for a name with a control character, which an
// Exec line cannot hold.
std::string desktopExec(const std::string& program);

// The entry's text for a program started by `exec` (a desktopExec value).
std::string autostartEntry(const std::string& exec);

// Writes the entry for launchCommand() (on) or removes it (off), making the
// autostart folder when it is missing. The entry is written beside its
// final name and renamed into place, so a session never reads half of one.
// True on success; false with the reason in `error` (the entry is then as
// it was).
bool setAutostart(bool on, std::string& error);

}  // namespace kl::platform
