#include "tools/picgen/style.h"
#include "tools/picgen/picgen.h"

#include <stdexcept>


namespace kl::picgen {

QColor sealColor(int i) {
    const Rgb c = palette::sealColour(i);
    return QColor(c.r, c.g, c.b);
}

QColor chromaticColor(int c) {
    switch (((c - 1) % 4 + 4) % 4) {
        case 0: return QColor(255, 100, 100);
        case 1: return QColor(180, 180, 180);
        case 2: return QColor(110, 120, 255);
        default: return QColor(255, 240, 100);
    }
}

QImage canvas(int w, int h) {
    QImage img(w * drawScale(), h * drawScale(), QImage::Format_ARGB32);
    img.setDevicePixelRatio(drawScale());
    img.fill(Qt::transparent);
    return img;
}

void beginPainter(QPainter& p, QImage& img) {
    p.begin(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
}

QImage flattenOnKey(const QImage& art, platform::Rgb key) {
    const QImage src = art.convertToFormat(QImage::Format_ARGB32);
    QImage out(src.size(), QImage::Format_RGB888);
    const int br = kViewBackground.red(), bg = kViewBackground.green(), bb = kViewBackground.blue();
    for (int y = 0; y < src.height(); ++y) {
        const QRgb* s = reinterpret_cast<const QRgb*>(src.constScanLine(y));
        uchar* d = out.scanLine(y);
        for (int x = 0; x < src.width(); ++x, d += 3) {
            const int a = qAlpha(s[x]);
            int r = key.r, g = key.g, b = key.b;
            if (a > 0) {
                r = (qRed(s[x]) * a + br * (255 - a) + 127) / 255;
                g = (qGreen(s[x]) * a + bg * (255 - a) + 127) / 255;
                b = (qBlue(s[x]) * a + bb * (255 - a) + 127) / 255;
                if (r == key.r && g == key.g && b == key.b) b = b > 0 ? b - 1 : 1;
            }
            d[0] = static_cast<uchar>(r);
            d[1] = static_cast<uchar>(g);
            d[2] = static_cast<uchar>(b);
        }
    }
    return out;
}

QImage alphaMask(const QImage& art) {
    const QImage src = art.convertToFormat(QImage::Format_ARGB32);
    QImage out(src.size(), QImage::Format_RGB888);
    for (int y = 0; y < src.height(); ++y) {
        const QRgb* s = reinterpret_cast<const QRgb*>(src.constScanLine(y));
        uchar* d = out.scanLine(y);
        for (int x = 0; x < src.width(); ++x, d += 3) d[0] = d[1] = d[2] = static_cast<uchar>(qAlpha(s[x]));
    }
    return out;
}

QString fileOf(int code) {
    const std::string name = signFileName(code);
    const auto slash = name.find('\\');
    return QString::fromStdString(slash == std::string::npos ? name : name.substr(slash + 1));
}

void writeSign(const Output& out, int code, const QImage& art) {
    const PicSize want = signPictureSize(code);
    if (art.deviceIndependentSize().toSize() != QSize(want.w, want.h))
        throw std::runtime_error("sign " + std::to_string(code) + " drawn at the wrong size");
    writeBitmap(flattenOnKey(art, signKeyColor(code)), out.graphic, fileOf(code));
}

void writeMask(const Output& out, const QString& name, const QImage& art) {
    writeBitmap(alphaMask(art), out.graphic, name);
}

void drawBarDot(QPainter& p, int n, const QRectF& box, const BarDotMetrics& m, const QColor& fill,
                const QColor& edge) {
    const int bars = n / 5, dots = n % 5;
    const double barW = box.width() * m.barShare;
    const double height = (dots ? m.dot : 0) + bars * m.bar + (std::max(0, (dots ? 1 : 0) + bars - 1)) * m.gap;
    double y = box.center().y() - height / 2;
    // The edge is stroked inside each shape's extent, so that the metrics
    // hold for what is painted.
    const double pen = std::max(0.8, m.dot * 0.12), in = pen / 2;
    p.setPen(QPen(edge, pen));
    p.setBrush(fill);
    if (dots) {
        const double pitch = m.dot + m.dotGap;
        double x = box.center().x() - (dots * pitch - m.dotGap) / 2;
        for (int i = 0; i < dots; ++i, x += pitch) p.drawEllipse(QRectF(x + in, y + in, m.dot - pen, m.dot - pen));
        y += m.dot + m.gap;
    }
    const double radius = std::max(0.0, m.bar * 0.35 - in);
    for (int i = 0; i < bars; ++i, y += m.bar + m.gap)
        p.drawRoundedRect(QRectF(box.center().x() - barW / 2 + in, y + in, barW - pen, m.bar - pen), radius, radius);
}

void drawBarDotUpright(QImage& img, int n, const QColor& fill) {
    const int bars = n / 5, dots = n % 5;
    const int width = dots * 3 + bars * 3 - 1;  // 2-pixel marks, 1-pixel gaps
    const QSize size = img.deviceIndependentSize().toSize();
    int x = (size.width() - width) / 2;
    QPainter p(&img);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    // Row 0 lies on the border of the year-view frame drawn under the strip,
    // so the marks use the rows below it.
    const int top = 1, h = size.height() - top;
    for (int i = 0; i < dots; ++i, x += 3) p.fillRect(QRect(x, top + (h - 2) / 2, 2, 2), fill);
    for (int i = 0; i < bars; ++i, x += 3) p.fillRect(QRect(x, top, 2, h), fill);
}

}  // namespace kl::picgen
