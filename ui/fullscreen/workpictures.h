// Work pictures of the full-screen views, kept for the whole run beside the
// view picture: the scratch picture of the year view and the sign renderer,
// and the telektonon's board with its two work pictures.
#pragma once

#include "platform/picture.h"

namespace kl {

// 670 x 550, background colour; created on first use.
platform::Picture& scratchPicture();

// The telektonon board as loaded from "graphic\telectonon.bmp" (null until
// loadBoardPicture has run).
platform::Picture& boardPicture();
// Loads the board; throws platform::PictureError when the file is missing.
void loadBoardPicture();

// The telektonon view's two work pictures; their user sizes them.
platform::Picture& telektononPicture1();
platform::Picture& telektononPicture2();

}  // namespace kl
