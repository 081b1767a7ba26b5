// Reading a bitmap file named in a script: only a regular file of bounded
// size that carries the bitmap signature and declares a bounded picture is
// decoded, so a pipe, a device, a directory or a forged header can neither
// hang the run nor exhaust memory.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/picture.h"

namespace kl::print {

inline constexpr std::int64_t kMaxBitmapFileBytes = std::int64_t{64} << 20;
inline constexpr std::int64_t kMaxBitmapPixels = std::int64_t{1} << 25;
inline constexpr int kMaxBitmapSide = 16384;

// The picture of a bitmap file (name resolved as the program's data files
// are; absolute names are taken as they are), or nullopt with the reason.
std::optional<platform::Picture> loadBitmapFile(const std::string& name, std::string& why);

}  // namespace kl::print
