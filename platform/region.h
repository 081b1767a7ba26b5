// A set of pixel rectangles that a window can take as its shape
// (QWidget::setMask) and that the pixel routines build from pictures.
#pragma once

#include <QRegion>

namespace kl::platform {

using Region = QRegion;

}  // namespace kl::platform
