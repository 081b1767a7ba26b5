// Shaped top-level windows on every desktop. Under X11 a window's mask cuts
// the window itself. Under Wayland it is only the input region, and the
// compositor places windows itself: there a shaped window is a translucent
// one whose pixels outside its shape are left transparent, with the same
// shape as its input region.
#pragma once

class QPainter;
class QWidget;

namespace kl::platform {

// True where a window's mask cuts only its input, not its pixels (Wayland).
bool masksCutOnlyInput();
// True where the program may put its windows at a place of its choosing;
// elsewhere the compositor chooses, and a drag of the window is handed to it.
bool windowsCanBePlaced();

// Makes a borderless top-level window ready to be shaped by its mask: made
// translucent where masks cut only input. Before the window is first shown.
void prepareShapedWindow(QWidget* window);

// Where the window is translucent: clears what `widget` (the shaped window
// or one of its children) covers to transparent and clips the painter to the
// window's mask, so nothing is drawn outside the shape. Elsewhere leaves the
// painter alone.
void clipToShape(QPainter& painter, const QWidget* widget);

}  // namespace kl::platform
