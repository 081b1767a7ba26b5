// The pixel routines at the sizes the windows use them: the full-screen
// cross-fade blends two 670 x 550 view pictures every 10 ms tick, and the
// compact window's 600 x 450 face is traced into its shape at start-up.
#include <benchmark/benchmark.h>

#include <cstring>
#include <random>

#include "imaging/blend.h"
#include "imaging/blendrows.h"

namespace {

using kl::platform::Picture;
using kl::platform::Rgb;

constexpr int kViewWidth = 670, kViewHeight = 550;
constexpr int kFaceWidth = 600, kFaceHeight = 450;

Picture noise(int w, int h, unsigned seed) {
    std::mt19937 rng(seed);
    Picture p(w, h);
    for (int y = 0; y < h; ++y) {
        std::uint8_t* row = p.row(y);
        for (int i = 0; i < 3 * w; ++i) row[i] = static_cast<std::uint8_t>(rng());
    }
    return p;
}

// A face-like shape on black: an ellipse with a ring cut out, rounded tabs
// and a pair of corner markers.
Picture faceShape() {
    Picture p(kFaceWidth, kFaceHeight, {0, 0, 0});
    for (int y = 0; y < kFaceHeight; ++y)
        for (int x = 0; x < kFaceWidth; ++x) {
            const double dx = (x - 300) / 290.0, dy = (y - 225) / 215.0;
            const double r = dx * dx + dy * dy;
            const bool tab = y > 400 && (x % 120) < 60;
            if ((r < 1.0 && (r < 0.55 || r > 0.6)) || tab)
                p.setPixel(x, y, {static_cast<std::uint8_t>(40 + x % 200), 80, 120});
        }
    p.setPixel(10, 10, {255, 0, 0});
    p.setPixel(60, 40, {255, 0, 0});
    return p;
}

void BM_BlendOpacity(benchmark::State& state) {
    const Picture source = noise(kViewWidth, kViewHeight, 1);
    Picture dest = noise(kViewWidth, kViewHeight, 2);
    int alpha = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(kl::blendbmp(source, dest, nullptr, 0, 0, alpha, kl::kBlendOpacity));
        alpha = (alpha + 17) & 255;
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_BlendOpacity)->Unit(benchmark::kMicrosecond);

void BM_BlendMask(benchmark::State& state) {
    const Picture source = noise(kViewWidth, kViewHeight, 1);
    const Picture mask = noise(kViewWidth, kViewHeight, 3);
    Picture dest = noise(kViewWidth, kViewHeight, 2);
    for (auto _ : state) {
        benchmark::DoNotOptimize(kl::blendbmp(source, dest, &mask, 0, 0, 0, kl::kBlendMask));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_BlendMask)->Unit(benchmark::kMicrosecond);

void BM_BlendKeyColour(benchmark::State& state) {
    const Picture source = faceShape();
    const Picture mask(kFaceWidth, kFaceHeight, {0, 0, 0});
    Picture dest = noise(kViewWidth, kViewHeight, 2);
    for (auto _ : state) {
        benchmark::DoNotOptimize(kl::blendbmp(source, dest, &mask, 10, 10, 0, kl::kBlendKeyColour));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_BlendKeyColour)->Unit(benchmark::kMicrosecond);

// What the blends are measured against: copying the same rows.
void BM_CopyView(benchmark::State& state) {
    const Picture source = noise(kViewWidth, kViewHeight, 1);
    Picture dest = noise(kViewWidth, kViewHeight, 2);
    for (auto _ : state) {
        for (int y = 0; y < kViewHeight; ++y) std::memcpy(dest.row(y), source.row(y), 3 * kViewWidth);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_CopyView)->Unit(benchmark::kMicrosecond);

// The key-colour blend's bytes copied, for its ratio to a copy.
void BM_CopyFace(benchmark::State& state) {
    const Picture source = faceShape();
    Picture dest = noise(kViewWidth, kViewHeight, 2);
    for (auto _ : state) {
        for (int y = 0; y < kFaceHeight; ++y) std::memcpy(dest.row(10 + y) + 30, source.row(y), 3 * kFaceWidth);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_CopyFace)->Unit(benchmark::kMicrosecond);

// The opacity blend's rows on each vector width (0 the scalar rule, then
// 16, 32 and 64 bytes); a width the processor lacks is skipped.
void BM_OpacityRowsByPath(benchmark::State& state) {
    const auto path = static_cast<kl::blendrows::Path>(state.range(0));
    if (!kl::blendrows::available(path)) {
        state.SkipWithError("not on this processor");
        return;
    }
    const Picture source = noise(kViewWidth, kViewHeight, 1);
    Picture dest = noise(kViewWidth, kViewHeight, 2);
    std::uint8_t alpha = 0;
    for (auto _ : state) {
        for (int y = 0; y < kViewHeight; ++y)
            kl::blendrows::mixRow(dest.row(y), source.row(y), nullptr, false, alpha, 3 * kViewWidth, path);
        alpha = static_cast<std::uint8_t>(alpha + 17);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_OpacityRowsByPath)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

void BM_BlurView(benchmark::State& state) {
    const Picture original = noise(kViewWidth, kViewHeight, 4);
    Picture p = original;
    for (auto _ : state) {
        kl::blurrect(p, 0, 0, kViewWidth - 1, kViewHeight - 1);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_BlurView)->Unit(benchmark::kMillisecond);

void BM_TraceFace(benchmark::State& state) {
    const Picture face = faceShape();
    for (auto _ : state) benchmark::DoNotOptimize(kl::bmptorgn(face, 0, false));
}
BENCHMARK(BM_TraceFace)->Unit(benchmark::kMillisecond);

// The worst case for run merging: every other pixel differs.
void BM_TraceNoise(benchmark::State& state) {
    const Picture p = noise(kFaceWidth, kFaceHeight, 5);
    for (auto _ : state) benchmark::DoNotOptimize(kl::bmptorgn(p, 0, false));
}
BENCHMARK(BM_TraceNoise)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
