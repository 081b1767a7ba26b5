// The row loops under blendbmp, drawKeyed and the cross-fade, written once
// with the compiler's portable vector types and built for several vector
// widths. Every path gives exactly the bytes of the scalar rule
// (mixChannel, and "copy unless the key"), which stays the reference; the
// widest path the processor has is taken unless one is named.
#pragma once

#include <cstdint>

#include "layout/colour.h"

namespace kl::blendrows {

enum class Path {
    Scalar,  // one byte (one pixel) at a time: the rule itself
    V16,     // 16-byte vectors (SSE2 on x86-64, NEON on ARM)
    V32,     // 32-byte vectors (AVX2)
    V64,     // 64-byte vectors (AVX-512 BW)
};

// Whether this processor can run a path; Scalar and V16 always can.
bool available(Path path);
// The widest available path, found once.
Path widest();

// n channel bytes: d = mixChannel(w, d, s) with w the mask byte (255 minus
// it when `invert`), or `alpha` for every byte when `mask` is null.
void mixRow(std::uint8_t* d, const std::uint8_t* s, const std::uint8_t* mask, bool invert, std::uint8_t alpha,
            int n, Path path = widest());

// `width` pixels: each source pixel whose R, G and B are not all the key's
// is copied over the destination pixel.
void keyRow(std::uint8_t* d, const std::uint8_t* s, Rgb key, int width, Path path = widest());

// One row of a cross-fade frame, n channel bytes: the background at
// opacity 255 - level under `older`, then `newer` at `level` over that:
// out = mixChannel(level, mixChannel(255 - level, background, older), newer),
// byte for byte what filling, then blending twice, gives.
void fadeRow(std::uint8_t* out, const std::uint8_t* background, const std::uint8_t* older,
             const std::uint8_t* newer, std::uint8_t level, int n, Path path = widest());

}  // namespace kl::blendrows
