// A 24-bit colour, the one colour type of the program's tables and pictures.
#pragma once

#include <cstdint>

namespace kl {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    friend constexpr bool operator==(const Rgb&, const Rgb&) = default;
};

}  // namespace kl
