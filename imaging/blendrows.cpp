#include "imaging/blendrows.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "imaging/blend.h"

// The wide vectors live inside inlined helpers only, never crossing a call
// between builds of another width, so their calling convention is moot.
#if defined(__GNUC__)
#pragma GCC diagnostic ignored "-Wpsabi"
#endif

#if defined(__x86_64__) || defined(__i386__)
#define KL_WIDE_PATHS 1
#define KL_TARGET(t) __attribute__((target(t)))
#else
#define KL_WIDE_PATHS 0
#endif

#define KL_INLINE __attribute__((always_inline)) inline

namespace kl::blendrows {

namespace {

// --- The rule, a byte or a pixel at a time -----------------------------------

void mixScalar(std::uint8_t* d, const std::uint8_t* s, const std::uint8_t* mask, bool invert, unsigned alpha,
               int from, int n) {
    for (int i = from; i < n; ++i) {
        const unsigned w = mask ? (invert ? 255u - mask[i] : mask[i]) : alpha;
        d[i] = mixChannel(w, d[i], s[i]);
    }
}

void keyScalar(std::uint8_t* d, const std::uint8_t* s, Rgb key, int from, int width) {
    for (int c = from; c < width; ++c) {
        const std::uint8_t* p = s + 3 * c;
        if (p[0] == key.r && p[1] == key.g && p[2] == key.b) continue;
        std::memcpy(d + 3 * c, p, 3);
    }
}

void fadeScalar(std::uint8_t* out, const std::uint8_t* background, const std::uint8_t* older,
                const std::uint8_t* newer, unsigned level, int from, int n) {
    for (int i = from; i < n; ++i)
        out[i] = mixChannel(level, mixChannel(255 - level, background[i], older[i]), newer[i]);
}

// --- The same on vectors of N bytes -------------------------------------------
//
// A vector of N bytes is read as N/2 16-bit lanes: the even bytes are the
// low halves, the odd bytes the high halves, so widening and narrowing need
// no shuffles. For the weights a (of d) and w (of s), a + w = 255, with
// x = a*d + w*s and p = x + 128, the rule's round(x / 255) is
// (p + (p >> 8)) >> 8 for every x up to 255 * 255, and every step fits in
// 16 bits: the result is the high byte of p + (p >> 8).

template <int N>
struct Vec;
template <>
struct Vec<16> {
    typedef std::uint8_t Bytes __attribute__((vector_size(16)));
    typedef std::uint16_t Lanes __attribute__((vector_size(16)));
};
template <>
struct Vec<32> {
    typedef std::uint8_t Bytes __attribute__((vector_size(32)));
    typedef std::uint16_t Lanes __attribute__((vector_size(32)));
};
template <>
struct Vec<64> {
    typedef std::uint8_t Bytes __attribute__((vector_size(64)));
    typedef std::uint16_t Lanes __attribute__((vector_size(64)));
};

template <class T>
KL_INLINE T load(const std::uint8_t* p) {
    T v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

template <class T>
KL_INLINE void store(std::uint8_t* p, const T& v) {
    std::memcpy(p, &v, sizeof v);
}

// The rule's result in the high byte of each lane.
template <class L>
KL_INLINE L mixHigh(const L& a, const L& w, const L& d, const L& s) {
    const L p = a * d + w * s + 128;
    return p + (p >> 8);
}

template <class L>
KL_INLINE L lows() {
    return L{} + std::uint16_t{0xFF};
}

template <int N>
KL_INLINE void mixVector(std::uint8_t* d, const std::uint8_t* s, const typename Vec<N>::Lanes& a,
                         const typename Vec<N>::Lanes& w) {
    using L = typename Vec<N>::Lanes;
    const L lo = lows<L>();
    const L dv = load<L>(d), sv = load<L>(s);
    const L even = mixHigh(a, w, dv & lo, sv & lo) >> 8;
    const L odd = mixHigh(a, w, dv >> 8, sv >> 8) & ~lo;
    store(d, even | odd);
}

template <int N>
KL_INLINE void maskVector(std::uint8_t* d, const std::uint8_t* s, const std::uint8_t* m, bool invert) {
    using L = typename Vec<N>::Lanes;
    const L lo = lows<L>();
    const L dv = load<L>(d), sv = load<L>(s), mv = load<L>(m);
    L we = mv & lo, wo = mv >> 8;
    L ae = 255 - we, ao = 255 - wo;
    if (invert) {
        std::swap(we, ae);
        std::swap(wo, ao);
    }
    const L even = mixHigh(ae, we, dv & lo, sv & lo) >> 8;
    const L odd = mixHigh(ao, wo, dv >> 8, sv >> 8) & ~lo;
    store(d, even | odd);
}

template <int N>
KL_INLINE void mixRowN(std::uint8_t* d, const std::uint8_t* s, const std::uint8_t* mask, bool invert,
                       unsigned alpha, int n) {
    using L = typename Vec<N>::Lanes;
    int i = 0;
    if (mask && invert) {
        for (; i + N <= n; i += N) maskVector<N>(d + i, s + i, mask + i, true);
    } else if (mask) {
        for (; i + N <= n; i += N) maskVector<N>(d + i, s + i, mask + i, false);
    } else {
        const L a = L{} + static_cast<std::uint16_t>(255 - alpha), w = L{} + static_cast<std::uint16_t>(alpha);
        for (; i + N <= n; i += N) mixVector<N>(d + i, s + i, a, w);
    }
    mixScalar(d, s, mask, invert, alpha, i, n);
}

// Whole-vector byte shifts, zeros shifted in: towards lower indices
// (down) and towards higher ones (up).
template <int K, class B, std::size_t... I>
KL_INLINE B shiftDown(const B& v, std::index_sequence<I...>) {
    return __builtin_shufflevector(v, B{}, (I + K)...);
}
template <int K, class B, std::size_t... I>
KL_INLINE B shiftUp(const B& v, std::index_sequence<I...>) {
    return __builtin_shufflevector(B{}, v, (I + sizeof(B) - K)...);
}

// For rows shorter than a step of keyRowN: N/3 whole pixels per vector;
// the bytes past them are stored back unchanged and done again by the
// next vector. Its setup is lighter, which short rows (glyphs, small
// signs) feel more than the stall of loading what was just stored.
template <int N>
KL_INLINE void keyShortRowN(std::uint8_t* d, const std::uint8_t* s, Rgb key, int width) {
    using B = typename Vec<N>::Bytes;
    constexpr int kPixels = N / 3, kBytes = 3 * kPixels;
    constexpr auto lanes = std::make_index_sequence<N>();
    B k, starts, rest;
    for (int j = 0; j < N; ++j) {
        k[j] = j % 3 == 0 ? key.r : j % 3 == 1 ? key.g : key.b;
        starts[j] = j < kBytes && j % 3 == 0 ? 0xFF : 0;
        rest[j] = j >= kBytes ? 0xFF : 0;
    }
    int c = 0;
    for (; 3 * c + N <= 3 * width; c += kPixels) {
        std::uint8_t* dp = d + 3 * c;
        const B sv = load<B>(s + 3 * c), dv = load<B>(dp);
        const B same = (B)(sv == k);
        // All three channels equal the key: at each pixel's first byte, then
        // spread over the pixel.
        const B keyed = same & shiftDown<1>(same, lanes) & shiftDown<2>(same, lanes) & starts;
        const B keep = keyed | shiftUp<1>(keyed, lanes) | shiftUp<2>(keyed, lanes) | rest;
        store(dp, (dv & keep) | (sv & ~keep));
    }
    keyScalar(d, s, key, c, width);
}

// N pixels, three vectors, a step. A pixel is kept when its three bytes
// equal the key's: each byte is compared in five loads of the source
// shifted by -2..2 bytes, so that it sees the other two bytes of its pixel
// in its own lane, with no shuffles across the vector, and no vector loads
// what the one before it stored but at the row's end: doing a pixel twice
// gives what doing it once does, so the last step ends there, over pixels
// already done.
template <int N>
KL_INLINE void keyRowN(std::uint8_t* d, const std::uint8_t* s, Rgb key, int width) {
    if (width < N + 2) {
        keyShortRowN<N>(d, s, key, width);
        return;
    }
    using B = typename Vec<N>::Bytes;
    // Lanes j with j % 3 == q.
    static const struct Masks {
        std::uint8_t bytes[3][N];
        Masks() {
            for (int q = 0; q < 3; ++q)
                for (int j = 0; j < N; ++j) bytes[q][j] = j % 3 == q ? 0xFF : 0;
        }
    } masks;
    const B lanes[3] = {load<B>(masks.bytes[0]), load<B>(masks.bytes[1]), load<B>(masks.bytes[2])};
    // The key repeated: loaded r bytes in, lane j holds channel (j + r) % 3.
    const std::uint8_t channel[3] = {key.r, key.g, key.b};
    std::uint8_t repeated[N + 2];
    std::memcpy(repeated, channel, 3);
    for (int filled = 3; filled < N + 2; filled *= 2)
        std::memcpy(repeated + filled, repeated, std::min(filled, N + 2 - filled));
    const B k[3] = {load<B>(repeated), load<B>(repeated + 1), load<B>(repeated + 2)};
    // One vector at byte `at` of the row; `r` is at % 3, the channel of its first lane.
    const auto vector = [&](int at, int r) {
        const std::uint8_t* sp = s + at;
        // Each load's difference from the key; a lane is kept when its
        // pixel's three differences are all zero.
        const B m2 = load<B>(sp - 2) ^ k[(r + 1) % 3], m1 = load<B>(sp - 1) ^ k[(r + 2) % 3];
        const B e = load<B>(sp) ^ k[r], p1 = load<B>(sp + 1) ^ k[(r + 1) % 3], p2 = load<B>(sp + 2) ^ k[(r + 2) % 3];
        // Lanes holding channel c are those with j % 3 == (c - r) mod 3.
        const B apart = (lanes[(3 - r) % 3] & (e | p1 | p2)) | (lanes[(4 - r) % 3] & (m1 | e | p1)) |
                        (lanes[(5 - r) % 3] & (m2 | m1 | e));
        const B keep = (B)(apart == 0);
        store(d + at, (load<B>(d + at) & keep) | (load<B>(sp) & ~keep));
    };
    const auto step = [&](int c) {
        vector(3 * c, 0);
        vector(3 * c + N, N % 3);
        vector(3 * c + 2 * N, 2 * N % 3);
    };
    // The first pixel and the last by the rule: the loads reach two bytes
    // to either side of the vectors.
    keyScalar(d, s, key, 0, 1);
    int c = 1;
    for (; c + N < width; c += N) step(c);
    if (c < width - 1) step(width - 1 - N);
    keyScalar(d, s, key, width - 1, width);
}

template <int N>
KL_INLINE void fadeRowN(std::uint8_t* out, const std::uint8_t* background, const std::uint8_t* older,
                        const std::uint8_t* newer, unsigned level, int n) {
    using L = typename Vec<N>::Lanes;
    const L lo = lows<L>();
    const L up = L{} + static_cast<std::uint16_t>(level), down = L{} + static_cast<std::uint16_t>(255 - level);
    int i = 0;
    for (; i + N <= n; i += N) {
        const L b = load<L>(background + i), o = load<L>(older + i), w = load<L>(newer + i);
        // The frame between the two blends stays in 16-bit lanes.
        const L evenMid = mixHigh(up, down, b & lo, o & lo) >> 8;
        const L oddMid = mixHigh(up, down, b >> 8, o >> 8) >> 8;
        const L even = mixHigh(down, up, evenMid, w & lo) >> 8;
        const L odd = mixHigh(down, up, oddMid, w >> 8) & ~lo;
        store(out + i, even | odd);
    }
    fadeScalar(out, background, older, newer, level, i, n);
}

// --- The builds ---------------------------------------------------------------

struct Kernels {
    void (*mix)(std::uint8_t*, const std::uint8_t*, const std::uint8_t*, bool, unsigned, int);
    void (*key)(std::uint8_t*, const std::uint8_t*, Rgb, int);
    void (*fade)(std::uint8_t*, const std::uint8_t*, const std::uint8_t*, const std::uint8_t*, unsigned, int);
};

void mixS(std::uint8_t* d, const std::uint8_t* s, const std::uint8_t* m, bool inv, unsigned a, int n) {
    mixScalar(d, s, m, inv, a, 0, n);
}
void keyS(std::uint8_t* d, const std::uint8_t* s, Rgb key, int width) { keyScalar(d, s, key, 0, width); }
void fadeS(std::uint8_t* o, const std::uint8_t* b, const std::uint8_t* x, const std::uint8_t* y, unsigned l, int n) {
    fadeScalar(o, b, x, y, l, 0, n);
}

void mix16(std::uint8_t* d, const std::uint8_t* s, const std::uint8_t* m, bool inv, unsigned a, int n) {
    mixRowN<16>(d, s, m, inv, a, n);
}
void key16(std::uint8_t* d, const std::uint8_t* s, Rgb key, int width) { keyRowN<16>(d, s, key, width); }
void fade16(std::uint8_t* o, const std::uint8_t* b, const std::uint8_t* x, const std::uint8_t* y, unsigned l, int n) {
    fadeRowN<16>(o, b, x, y, l, n);
}

#if KL_WIDE_PATHS
KL_TARGET("avx2")
void mix32(std::uint8_t* d, const std::uint8_t* s, const std::uint8_t* m, bool inv, unsigned a, int n) {
    mixRowN<32>(d, s, m, inv, a, n);
}
KL_TARGET("avx2") void key32(std::uint8_t* d, const std::uint8_t* s, Rgb key, int width) { keyRowN<32>(d, s, key, width); }
KL_TARGET("avx2")
void fade32(std::uint8_t* o, const std::uint8_t* b, const std::uint8_t* x, const std::uint8_t* y, unsigned l, int n) {
    fadeRowN<32>(o, b, x, y, l, n);
}

KL_TARGET("avx512bw")
void mix64(std::uint8_t* d, const std::uint8_t* s, const std::uint8_t* m, bool inv, unsigned a, int n) {
    mixRowN<64>(d, s, m, inv, a, n);
}
KL_TARGET("avx512bw")
void key64(std::uint8_t* d, const std::uint8_t* s, Rgb key, int width) { keyRowN<64>(d, s, key, width); }
KL_TARGET("avx512bw")
void fade64(std::uint8_t* o, const std::uint8_t* b, const std::uint8_t* x, const std::uint8_t* y, unsigned l, int n) {
    fadeRowN<64>(o, b, x, y, l, n);
}
#endif

const Kernels& kernels(Path path) {
    static const Kernels scalar{mixS, keyS, fadeS};
    static const Kernels v16{mix16, key16, fade16};
#if KL_WIDE_PATHS
    static const Kernels v32{mix32, key32, fade32};
    static const Kernels v64{mix64, key64, fade64};
#endif
    if (!available(path)) path = widest();
    switch (path) {
        case Path::Scalar: return scalar;
#if KL_WIDE_PATHS
        case Path::V32: return v32;
        case Path::V64: return v64;
#endif
        default: return v16;
    }
}

}  // namespace

bool available(Path path) {
    switch (path) {
        case Path::Scalar:
        case Path::V16: return true;
#if KL_WIDE_PATHS
        case Path::V32: return __builtin_cpu_supports("avx2");
        case Path::V64: return __builtin_cpu_supports("avx512bw");
#endif
        default: return false;
    }
}

Path widest() {
    static const Path path = available(Path::V64) ? Path::V64 : available(Path::V32) ? Path::V32 : Path::V16;
    return path;
}

void mixRow(std::uint8_t* d, const std::uint8_t* s, const std::uint8_t* mask, bool invert, std::uint8_t alpha,
            int n, Path path) {
    kernels(path).mix(d, s, mask, invert, alpha, n);
}

void keyRow(std::uint8_t* d, const std::uint8_t* s, Rgb key, int width, Path path) {
    kernels(path).key(d, s, key, width);
}

void fadeRow(std::uint8_t* out, const std::uint8_t* background, const std::uint8_t* older,
             const std::uint8_t* newer, std::uint8_t level, int n, Path path) {
    kernels(path).fade(out, background, older, newer, level, n);
}

}  // namespace kl::blendrows
