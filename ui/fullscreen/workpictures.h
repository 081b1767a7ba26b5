// Work pictures of the telektonon view, kept for the whole run beside the
// view picture: the board as loaded and two work pictures.
#pragma once

#include "platform/picture.h"

namespace kl {

// The telektonon board as loaded from "graphic\telectonon.bmp" (null until
// loadBoardPicture has run).
platform::Picture& boardPicture();
// Loads the board; throws platform::PictureError when the file is missing.
void loadBoardPicture();

// The telektonon view's two work pictures; their user sizes them.
platform::Picture& telektononPicture1();
platform::Picture& telektononPicture2();

}  // namespace kl
