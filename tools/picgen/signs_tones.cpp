// The thirteen galactic tones as bar-and-dot numerals (a dot is one, a bar
// five), in the large, 45- and 35-pixel sets and in the year view's four
// chromatic colour sets.
#include "tools/picgen/signs.h"
#include "tools/picgen/style.h"

namespace kl::picgen {
namespace {

const QColor kToneEdge(122, 104, 78);

// Dots are spaced by half their width and bars by nearly their thickness,
// so that both stay countable when the large tone's glyph is drawn 15 pixels
// wide in the year view's glyph form (dots of 2.5 pixels 1.3 apart, bars of
// 1.3 pixels 1 apart), and a dot stands out clearly beside the bars. A bar
// is as long as a row of four dots.
constexpr BarDotMetrics kLargeTone{12, 6, 6, 5, 66.0 / 70};  // 12 + 2 (5 + 6) = 34 rows
constexpr BarDotMetrics kTone45Metrics{6.5, 3.5, 4.5, 2, 36.5 / 45};  // 19.5 of 22 rows
constexpr BarDotMetrics kTone35Metrics{5.5, 2.5, 4, 1.6, 29.5 / 35};  // 16.7 of 18 rows

QImage toneArt(int tone, PicSize size, const BarDotMetrics& m) {
    QImage img = canvas(size);
    QPainter p;
    beginPainter(p, img);
    drawBarDot(p, tone, QRectF(0, 0, size.w, size.h), m, kBone, kToneEdge);
    p.end();
    return img;
}

}  // namespace

void drawLargeTone(QPainter& p, int tone, const QColor& fill, const QColor& edge) {
    drawBarDot(p, tone, QRectF(0, 0, kToneLarge.w, kToneLarge.h), kLargeTone, fill, edge);
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
