// Picture files of the day sign renderer: the sign code -> "graphic\..." name
// table and the key colour that marks a sign picture's transparent pixels.
#pragma once

#include <string>

#include "platform/picture.h"

namespace kl {

// The numeric part of picture file names: the decimal digits of `lead`,
// followed by k padded with leading zeros to three digits.
// numsuffix(0, 0) == "0000", numsuffix(19, 0) == "0019", numsuffix(5, 3) == "3005".
std::string numsuffix(int k, int lead);

// The picture file of a sign code, e.g. "graphic\zc450000.bmp" for 78;
// empty for a code that names no picture (21..29, 64..70, 245..250, > 442, < 0).
std::string signFileName(int code);

// Pixels of exactly this colour are not drawn: RGB (216, 208, 200) for codes
// 100, 155..174 and 179..231, black for every other code.
platform::Rgb signKeyColor(int code);

}  // namespace kl
