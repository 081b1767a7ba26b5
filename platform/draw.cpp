#include "platform/draw.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include <cmath>
#include <cstdlib>

namespace kl::platform {

namespace {

QFont toQFont(const FontSpec& f) {
    QFont q(QString::fromStdString(f.face));
    q.setPixelSize(std::max(1, std::abs(f.pixelHeight)));
    q.setBold(f.bold);
    q.setItalic(f.italic);
    return q;
}

QColor toQColor(Rgb c) { return QColor(c.r, c.g, c.b); }

QString toQString(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// The angle of the ray from the box's centre through (x, y), counter-clockwise
// on screen, in sixteenths of a degree as the painter takes them.
int rayAngle16(const QRectF& box, int x, int y) {
    const double cx = box.center().x(), cy = box.center().y();
    const double rx = box.width() / 2, ry = box.height() / 2;
    if (rx <= 0 || ry <= 0) return 0;
    const double a = std::atan2(-(y - cy) / ry, (x - cx) / rx) * 180.0 / M_PI;
    return static_cast<int>(std::lround(a * 16));
}

void spanOf(const QRectF& box, int x3, int y3, int x4, int y4, int& start, int& span) {
    start = rayAngle16(box, x3, y3);
    span = rayAngle16(box, x4, y4) - start;
    if (span <= 0) span += 360 * 16;
}

}  // namespace

int textWidth(const FontSpec& font, std::string_view text) {
    return QFontMetrics(toQFont(font)).horizontalAdvance(toQString(text));
}

int lineHeight(const FontSpec& font) {
    const QFontMetrics m(toQFont(font));
    return m.ascent() + m.descent();
}

InkBox inkBox(const FontSpec& font, std::string_view text) {
    const QFontMetrics m(toQFont(font));
    const QRect r = m.tightBoundingRect(toQString(text));
    if (r.isEmpty() || text.find_first_not_of(' ') == std::string_view::npos) return {};
    return {r.left(), m.ascent() + r.top(), r.width(), r.height()};
}

struct Painter::Impl {
    explicit Impl(Picture& p) : painter(&p.image()) {
        painter.setRenderHint(QPainter::TextAntialiasing, true);
        painter.setBackgroundMode(Qt::TransparentMode);
    }
    QPainter painter;
    QColor textColour = Qt::white;
    QPen pen{Qt::white};
    QBrush brush{Qt::NoBrush};
};

Painter::Painter(Picture& picture) : d_(std::make_unique<Impl>(picture)) { setFont({"Arial", 13, false, false}); }

Painter::~Painter() = default;

void Painter::setFont(const FontSpec& font) {
    font_ = font;
    d_->painter.setFont(toQFont(font));
}

void Painter::setTextColour(Rgb c) { d_->textColour = toQColor(c); }

int Painter::textWidth(std::string_view text) const {
    return d_->painter.fontMetrics().horizontalAdvance(toQString(text));
}

void Painter::text(int x, int y, std::string_view text) {
    QPainter& p = d_->painter;
    p.setPen(d_->textColour);
    p.drawText(x, y + p.fontMetrics().ascent(), toQString(text));
}

void Painter::textTurned(int x, int y, std::string_view text, int tenths) {
    QPainter& p = d_->painter;
    p.save();
    p.setPen(d_->textColour);
    p.translate(x, y);
    p.rotate(-tenths / 10.0);
    p.drawText(0, p.fontMetrics().ascent(), toQString(text));
    p.restore();
}

void Painter::setPen(Rgb c, int width) { d_->pen = QPen(toQColor(c), width); }
void Painter::setBrush(Rgb c) { d_->brush = QBrush(toQColor(c)); }

void Painter::line(int x1, int y1, int x2, int y2) {
    d_->painter.setPen(d_->pen);
    d_->painter.drawLine(x1, y1, x2, y2);
}

void Painter::rectangle(int left, int top, int right, int bottom) {
    QPainter& p = d_->painter;
    if (d_->brush.style() != Qt::NoBrush) p.fillRect(QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)), d_->brush);
    if (d_->pen.style() != Qt::NoPen) {
        p.setPen(d_->pen);
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRect(QPoint(left, top), QPoint(right - 2, bottom - 2)));
    }
}

void Painter::fillRect(int left, int top, int right, int bottom, Rgb c) {
    d_->painter.fillRect(QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)), toQColor(c));
}

void Painter::ellipse(int left, int top, int right, int bottom) {
    QPainter& p = d_->painter;
    p.setPen(d_->pen);
    p.setBrush(d_->brush);
    p.drawEllipse(QRectF(left, top, right - left - 1, bottom - top - 1));
}

void Painter::pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
    QPainter& p = d_->painter;
    const QRectF box(x1, y1, x2 - x1 - 1, y2 - y1 - 1);
    int start = 0, span = 0;
    spanOf(box, x3, y3, x4, y4, start, span);
    p.setPen(d_->pen);
    p.setBrush(d_->brush);
    p.drawPie(box, start, span);
}

void Painter::arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
    QPainter& p = d_->painter;
    const QRectF box(x1, y1, x2 - x1 - 1, y2 - y1 - 1);
    int start = 0, span = 0;
    spanOf(box, x3, y3, x4, y4, start, span);
    p.setPen(d_->pen);
    p.drawArc(box, start, span);
}

}  // namespace kl::platform
