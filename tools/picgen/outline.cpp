#include "tools/picgen/outline.h"

#include <QPaintEngine>
#include <QPainterPathStroker>
#include <QTransform>

#include <cmath>

namespace kl::picgen {

// Takes every primitive as a path: with all features claimed, the painter
// hands over paths, polygons and its state without rasterising anything.
class RecordingEngine : public QPaintEngine {
public:
    explicit RecordingEngine(const QColor& ink) : QPaintEngine(QPaintEngine::AllFeatures), ink_(ink) {}

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    Type type() const override { return QPaintEngine::User; }

    void updateState(const QPaintEngineState& state) override {
        if (state.state() & DirtyPen) pen_ = state.pen();
        if (state.state() & DirtyBrush) brush_ = state.brush();
        if (state.state() & DirtyTransform) transform_ = state.transform();
    }

    void drawPath(const QPainterPath& path) override { paint(path, true); }

    void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override {
        if (count < 1) return;
        QPainterPath path;
        path.moveTo(points[0]);
        for (int i = 1; i < count; ++i) path.lineTo(points[i]);
        if (mode != PolylineMode) path.closeSubpath();
        path.setFillRule(mode == WindingMode ? Qt::WindingFill : Qt::OddEvenFill);
        paint(path, mode != PolylineMode);
    }

    void drawPoints(const QPointF* points, int count) override {
        // A point is a dot of the pen's width.
        for (int i = 0; i < count; ++i) {
            QPainterPath dot;
            dot.moveTo(points[i]);
            dot.lineTo(points[i]);
            paint(dot, false);
        }
    }

    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {
        // Outlines come from vector art only; a pixmap has none.
    }

    QPainterPath ink;

private:
    void cover(QPainterPath area, const QColor& colour) {
        if (colour.alpha() == 0 || area.isEmpty()) return;
        area = transform_.map(area);
        if (colour.rgb() == ink_.rgb()) ink = ink.united(area);
        else if (!ink.isEmpty()) ink = ink.subtracted(area);
    }

    void paint(const QPainterPath& path, bool fill) {
        if (fill && brush_.style() != Qt::NoBrush) cover(path, brush_.color());
        if (pen_.style() != Qt::NoPen && pen_.widthF() > 0) {
            QPainterPathStroker stroker(pen_);
            cover(stroker.createStroke(path), pen_.color());
        }
    }

    QColor ink_;
    QPen pen_{Qt::NoPen};
    QBrush brush_{Qt::NoBrush};
    QTransform transform_;
};

OutlineRecorder::OutlineRecorder(const QColor& ink, int width, int height)
    : engine_(std::make_unique<RecordingEngine>(ink)), width_(width), height_(height) {}

OutlineRecorder::~OutlineRecorder() = default;

QPaintEngine* OutlineRecorder::paintEngine() const { return engine_.get(); }

QPainterPath OutlineRecorder::ink() const { return engine_->ink; }

int OutlineRecorder::metric(PaintDeviceMetric metric) const {
    switch (metric) {
        case PdmWidth: return width_;
        case PdmHeight: return height_;
        case PdmWidthMM: return width_ * 254 / 960;
        case PdmHeightMM: return height_ * 254 / 960;
        case PdmNumColors: return 0x7fffffff;
        case PdmDepth: return 32;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY: return 96;
        case PdmDevicePixelRatio: return 1;
        case PdmDevicePixelRatioScaled: return static_cast<int>(QPaintDevice::devicePixelRatioFScale());
        default: return 0;
    }
}

namespace {

double shoelace(const QPolygonF& poly) {
    double a = 0;
    for (int i = 0, n = poly.size(); i < n; ++i) {
        const QPointF p = poly[i], q = poly[(i + 1) % n];
        a += p.x() * q.y() - q.x() * p.y();
    }
    return a / 2;
}

}  // namespace

std::vector<QPolygonF> contoursOf(const QPainterPath& area) {
    // simplified() merges overlapping parts into contours that never cross.
    const QList<QPolygonF> raw = area.simplified().toSubpathPolygons();
    std::vector<QPolygonF> contours;
    for (QPolygonF poly : raw) {
        // Drop the closing point and repeated points.
        QPolygonF clean;
        for (const QPointF& pt : poly)
            if (clean.isEmpty() || std::hypot(pt.x() - clean.back().x(), pt.y() - clean.back().y()) > 1e-6)
                clean << pt;
        while (clean.size() > 1 && std::hypot(clean.front().x() - clean.back().x(),
                                              clean.front().y() - clean.back().y()) <= 1e-6)
            clean.removeLast();
        if (clean.size() >= 3 && std::abs(shoelace(clean)) > 1e-3) contours.push_back(clean);
    }
    // A contour inside an odd number of others is a hole.
    for (std::size_t i = 0; i < contours.size(); ++i) {
        int depth = 0;
        for (std::size_t j = 0; j < contours.size(); ++j)
            if (i != j && contours[j].containsPoint(contours[i].front(), Qt::OddEvenFill)) ++depth;
        const bool hole = depth % 2 == 1;
        if ((shoelace(contours[i]) > 0) == hole) std::reverse(contours[i].begin(), contours[i].end());
    }
    return contours;
}

}  // namespace kl::picgen
