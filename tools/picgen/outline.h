// Outlines of painted art. The sign pictures are painted with QPainter; the
// same painting functions, run on an OutlineRecorder, give the outline of
// everything painted in one ink colour, which is what a font glyph needs.
#pragma once

#include <QColor>
#include <QPaintDevice>
#include <QPainterPath>
#include <QPolygonF>

#include <memory>
#include <vector>

namespace kl::picgen {

class RecordingEngine;

// A paint device that keeps no pixels, only the area painted in `ink`:
// fills and pen strokes in the ink colour add to it; anything painted in
// another opaque colour covers it again (a punched hole, a plate painted
// over); fully transparent paint changes nothing. Painting order matters
// as it does on a picture.
class OutlineRecorder : public QPaintDevice {
public:
    OutlineRecorder(const QColor& ink, int width = 4096, int height = 4096);
    ~OutlineRecorder() override;

    QPaintEngine* paintEngine() const override;
    // The inked area, in the painter's device coordinates.
    QPainterPath ink() const;

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    std::unique_ptr<RecordingEngine> engine_;
    int width_, height_;
};

// The closed, non-crossing contours of an area, curves flattened, each
// without its closing point. Outer contours have a positive shoelace area
// in these y-down coordinates, holes a negative one, so the area follows
// the nonzero rule (and, flipped to y up, the font convention).
std::vector<QPolygonF> contoursOf(const QPainterPath& area);

}  // namespace kl::picgen
