#include "ui/fullscreen/workpictures.h"

namespace kl {

platform::Picture& boardPicture() {
    static platform::Picture picture;
    return picture;
}

void loadBoardPicture() { boardPicture() = platform::Picture::load("graphic\\telectonon.bmp"); }

platform::Picture& telektononPicture1() {
    static platform::Picture picture;
    return picture;
}

platform::Picture& telektononPicture2() {
    static platform::Picture picture;
    return picture;
}

}  // namespace kl
