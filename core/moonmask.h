// The moon-phase mask of the compact face: a grey-scale picture of the lit
// part of the moon for a phase percent, drawn with pies, arcs and lines.
#pragma once

#include <cstdint>
#include <vector>

namespace kl {

// The few drawing operations the mask needs. Boxes are (left, top) to
// (right, bottom) with the right and bottom edges not painted; pies and
// arcs run counter-clockwise from the ray through (x3, y3) to the ray
// through (x4, y4). Nothing is antialiased.
class MaskCanvas {
public:
    virtual ~MaskCanvas() = default;
    virtual void setPen(std::uint8_t grey) = 0;
    virtual void setBrush(std::uint8_t grey) = 0;
    virtual void fillRect(int left, int top, int right, int bottom) = 0;  // brush only
    virtual void pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) = 0;
    virtual void arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) = 0;
    virtual void line(int x1, int y1, int x2, int y2) = 0;  // the end point is not painted
};

inline constexpr int kMoonMaskSize = 100;

// A square grey-level canvas that draws the operations itself, pixel by
// pixel: a pixel belongs to an ellipse when its centre does, and every pie
// and arc of one box shares the same edge whatever its angles, so shapes
// drawn over each other cover each other exactly.
class GreyCanvas : public MaskCanvas {
public:
    explicit GreyCanvas(int size = kMoonMaskSize);
    int size() const { return size_; }
    std::uint8_t at(int x, int y) const { return pixels_[y * size_ + x]; }

    void setPen(std::uint8_t grey) override { pen_ = grey; }
    void setBrush(std::uint8_t grey) override { brush_ = grey; }
    void fillRect(int left, int top, int right, int bottom) override;
    void pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) override;
    void arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) override;
    void line(int x1, int y1, int x2, int y2) override;

private:
    void plot(int x, int y, std::uint8_t grey);
    void ellipsePart(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4, bool filled);

    int size_;
    std::vector<std::uint8_t> pixels_;
    std::uint8_t pen_ = 0;
    std::uint8_t brush_ = 0;
};

// Phase percent of a moon-phase accumulator: 0 and 100 new moon, 50 full.
inline int moonPercent(std::int32_t moonPhase) { return moonPhase / 10'000'000; }

// The drawing percent r of a phase percent p: p itself for the linear
// model; otherwise eased, slow near new and full moon, fast at the quarters.
int moonDrawingPercent(int p, bool linear);

// Draws the mask for percent p on a square canvas `size` pixels wide (the
// compact face's is kMoonMaskSize). The soft edge scales with size div 15.
void drawMoonMask(MaskCanvas& canvas, int p, bool linear, int size = kMoonMaskSize);

}  // namespace kl
