// The compact face pictures, shared with the button family (whose compact
// buttons are drawn over the face so that they sit on it seamlessly).
#pragma once

#include <QImage>
#include <QPainterPath>

#include <cstdint>

namespace kl::picgen {

QPainterPath faceOutline();
QImage drawFace();          // pyr0.bmp, 600 x 450
QImage drawFaceShape();     // pyrA0.bmp
QImage drawStartFrame();    // frame1.bmp
QImage drawStartPicture();  // frameclr.bmp
QImage drawMoonTexture(int size, std::uint32_t seed);

}  // namespace kl::picgen
