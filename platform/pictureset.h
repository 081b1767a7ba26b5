// The two sets of pictures the program ships: graphic\ drawn at 1x (Windows
// bitmaps) and graphic2x\ drawn at 2x by the same code (PNG files of the
// same base names). A window shows the set nearer its screen's device pixel
// ratio; exports, scripts and printing always use the 1x set.
#pragma once

#include <string>

#include <QImage>
#include <QString>

#include "platform/picture.h"

namespace kl::platform {

// The set for a device pixel ratio: 2 above 1.5, else 1.
int pictureSetFor(double devicePixelRatio);

// The name a picture of the 1x set ("graphic\pyr0.bmp") has in set `set`:
// itself in set 1, "graphic2x\pyr0.png" in set 2.
std::string pictureInSet(const std::string& name, int set);

// A picture of the 1x set as set `set` has it: that set's file, or, when it
// is missing or unreadable, the 1x picture scaled smoothly to `set` times its
// size. Throws PictureError when the 1x picture cannot be read either.
Picture loadInSet(const std::string& name, int set);

// A button strip compiled into the program (":/buttons/print/mb1.bmp") as
// set `set` has it: in set 2 the strip drawn at twice the size
// (":/buttons/2x/print/mb1.png") with a device pixel ratio of 2, when there
// is one; else the 1x strip. Null when neither is there.
QImage buttonStripInSet(const QString& resource, int set);

}  // namespace kl::platform
