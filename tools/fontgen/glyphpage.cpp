#include "tools/fontgen/glyphpage.h"

#include <QFont>
#include <QFontMetricsF>

namespace kl::fontgen {

namespace {

QFont layerFont(const picgen::GlyphLayer& layer) {
    QFont font(QString::fromStdString(layer.face));
    font.setPointSize(layer.pointSize);
    font.setPixelSize(layer.pixelHeight);  // the height decides, as on the page
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

}  // namespace

QPointF layerCorner(const picgen::GlyphLayer& layer, int pageWidth) {
    if (!layer.centred) return QPointF(layer.x, layer.y);
    const QFontMetricsF metrics(layerFont(layer));
    const double width = metrics.horizontalAdvance(QString(QChar(layer.glyph)));
    return QPointF(layer.x + pageWidth / 2 - int(width) / 2, layer.y);
}

void drawGlyphLayers(QPainter& p, const picgen::ExportedSign& sign, int pageWidth) {
    for (const picgen::GlyphLayer& layer : sign.layers) {
        const QFont font = layerFont(layer);
        p.setFont(font);
        p.setPen(QColor(layer.colour.r, layer.colour.g, layer.colour.b));
        const QPointF corner = layerCorner(layer, pageWidth);
        p.drawText(corner + QPointF(0, QFontMetricsF(font).ascent()), QString(QChar(layer.glyph)));
    }
}

QRect pictureRect(const picgen::ExportedSign& sign, QSize picture, int pageWidth) {
    const int left = sign.centred ? sign.pictX + pageWidth / 2 - picture.width() / 2 : sign.pictX;
    return QRect(QPoint(left, sign.pictY), picture);
}

void drawSignPicture(QImage& page, const QImage& picture, const QRect& at, QRgb key) {
    const QImage src = picture.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < src.height(); ++y)
        for (int x = 0; x < src.width(); ++x) {
            const QRgb c = src.pixel(x, y);
            if ((c & 0xFFFFFF) == (key & 0xFFFFFF)) continue;
            const QPoint q = at.topLeft() + QPoint(x, y);
            if (page.rect().contains(q)) page.setPixel(q, c | 0xFF000000);
        }
}

QImage pictureCoverage(const picgen::ExportedSign& sign, const QImage& picture, QRgb key, QSize size, QPoint shift) {
    QImage page(size, QImage::Format_ARGB32);
    page.fill(Qt::transparent);
    drawSignPicture(page, picture, pictureRect(sign, picture.size(), size.width()).translated(shift), key);
    return page;
}

QImage glyphCoverage(const picgen::ExportedSign& sign, QSize size, QPoint shift) {
    QImage page(size, QImage::Format_ARGB32);
    page.fill(Qt::transparent);
    QPainter p(&page);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(shift);
    drawGlyphLayers(p, sign, size.width());
    return page;
}

QRect inkBox(const QImage& coverage, int minAlpha) {
    const QImage img = coverage.convertToFormat(QImage::Format_ARGB32);
    int x0 = img.width(), y0 = img.height(), x1 = -1, y1 = -1;
    for (int y = 0; y < img.height(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < img.width(); ++x)
            if (qAlpha(row[x]) >= minAlpha) {
                x0 = std::min(x0, x), x1 = std::max(x1, x);
                y0 = std::min(y0, y), y1 = std::max(y1, y);
            }
    }
    return x1 < 0 ? QRect() : QRect(QPoint(x0, y0), QPoint(x1, y1));
}

}  // namespace kl::fontgen
