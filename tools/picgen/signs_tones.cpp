// The thirteen galactic tones as bar-and-dot numerals (a dot is one, a bar
// five), in the large, 45- and 35-pixel sets and in the year view's four
// chromatic colour sets.
#include "tools/picgen/signs.h"
#include "tools/picgen/style.h"

namespace kl::picgen {
namespace {

const QColor kToneEdge(122, 104, 78);

struct ToneMetrics {
    double dot, bar, gap;  // pixels
};
// Two bars and a row of dots stack to at most dot + 2 (bar + gap) rows.
constexpr ToneMetrics kLargeTone{10, 8, 3};       // 32 of 34 rows
constexpr ToneMetrics kTone45Metrics{5, 4.5, 2};  // 18 of 22 rows
constexpr ToneMetrics kTone35Metrics{4.5, 4, 1.8};  // 16 of 18 rows

QImage toneArt(int tone, PicSize size, ToneMetrics m) {
    QImage img = canvas(size);
    QPainter p;
    beginPainter(p, img);
    drawBarDot(p, tone, QRectF(0, 0, size.w, size.h), m.dot, m.bar, m.gap, kBone, kToneEdge);
    p.end();
    return img;
}

}  // namespace

void drawLargeTone(QPainter& p, int tone, const QColor& fill, const QColor& edge) {
    drawBarDot(p, tone, QRectF(0, 0, kToneLarge.w, kToneLarge.h), kLargeTone.dot, kLargeTone.bar, kLargeTone.gap,
               fill, edge);
}

void generateTones(const Output& out) {
    for (int tone = 1; tone <= 13; ++tone) {
        const QImage large = toneArt(tone, kToneLarge, kLargeTone);
        writeSign(out, 50 + tone, large);
        writeMask(out, QString("ToneAlfa%1.bmp").arg(tone), large);
        writeSign(out, 117 + tone, toneArt(tone, kTone45, kTone45Metrics));
        writeSign(out, 141 + tone, toneArt(tone, kTone35, kTone35Metrics));
    }
    // Year view: code 165 + tone + 13 * cromatic. The file after the last set
    // (code 231) continues the count as the export does: tone 1 of set 1.
    for (int code = 179; code <= 231; ++code) {
        const int index = code - 179;
        QImage img = canvas(kYearTone);
        drawBarDotUpright(img, index % 13 + 1, chromaticColor(index / 13 % 4 + 1));
        writeSign(out, code, img);
    }
}

}  // namespace kl::picgen
