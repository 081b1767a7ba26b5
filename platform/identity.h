// How the desktop knows the program: its title, the name its desktop entry,
// window class and Wayland application id share, and its icon.
#pragma once

#include <QIcon>

namespace kl::platform {

// The title of the main windows and of message boxes.
inline constexpr const char* kProgramTitle = "Kestralune v1.0";
// The desktop entry's name (kestralune.desktop, StartupWMClass=kestralune):
// the application's name, so X11 window classes and the Wayland application
// id match it.
inline constexpr const char* kDesktopName = "kestralune";

// The program's icon at every size it is drawn at (16 .. 256 pixels).
QIcon programIcon();

// Names the application after its desktop entry and gives every window the
// program's icon. No display name is set, so a window's caption is its own
// title alone (the date dialog's is the date).
void setUpApplicationIdentity();
// The two halves of it: the names, before the first window is made, and the
// icon, which every window then shown carries and every window already
// shown takes on (the program gives it once the face is on the screen).
void setUpApplicationNames();
void setUpApplicationIcon();

}  // namespace kl::platform
