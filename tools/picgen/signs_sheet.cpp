// Runs the sign families in order and lays out the review pictures: the
// contact sheet of every sign picture (drawn as the renderer draws it, key
// colour transparent, on the view background, with its code), and the
// compact face's glyph placements over their hot rectangles.
#include <QDir>
#include <QFont>
#include <QImage>
#include <QPainter>

#include <stdexcept>
#include <vector>

#include "tools/picgen/signs.h"
#include "tools/picgen/style.h"
#include "ui/compact/glyphfiles.h"
#include "ui/fullscreen/signfiles.h"

namespace kl::picgen {
namespace {

struct Row {
    const char* title;
    int first, last;
};

const Row kRows[] = {
    {"large seals 0..20", 0, 20},       {"small seals 30..50", 30, 50},
    {"large tones 51..63", 51, 63},     {"large plasmas 71..77", 71, 77},
    {"seals 45 px 78..97", 78, 97},     {"seals 35 px 98..117", 98, 117},
    {"tones 45 px 118..130", 118, 130}, {"plasmas 35 px 131..137", 131, 137},
    {"frames 138..141", 138, 141},      {"tones 35 px 142..154", 142, 154},
    {"seals 15 px 155..174", 155, 174}, {"year frames 175..178", 175, 178},
    {"year tones 179..231", 179, 231},  {"dot, pieces, week frames, markers 232..243", 232, 243},
    {"line figures 251..314", 251, 314}, {"runes 315..343", 315, 343},
    {"day signs of the moon 344..371", 344, 371}, {"dot 372", 372, 372},
    {"vinals 50 px 374..392", 374, 392}, {"vinals 40 px 393..411", 393, 411},
    {"vinal counts 412..430", 412, 430}, {"line pictures 431..442", 431, 442},
};

// A missing picture shows as a red box; the sheet is still written, and the
// generator fails afterwards.
QImage loadSign(const Output& out, int code, std::vector<int>& missing) {
    const QImage img(out.graphic + "/" + fileOf(code));
    if (!img.isNull()) return img.convertToFormat(QImage::Format_RGB888);
    missing.push_back(code);
    const PicSize s = signPictureSize(code);
    QImage box(s.w, s.h, QImage::Format_RGB888);
    box.fill(QColor(255, 0, 0));
    return box;
}

// Draws a sign as the renderer does: pixels of exactly the key colour are skipped.
void drawKeyed(QImage& target, const QImage& sign, int x0, int y0, platform::Rgb key) {
    for (int y = 0; y < sign.height(); ++y) {
        const uchar* s = sign.constScanLine(y);
        for (int x = 0; x < sign.width(); ++x, s += 3) {
            if (s[0] == key.r && s[1] == key.g && s[2] == key.b) continue;
            target.setPixel(x0 + x, y0 + y, qRgb(s[0], s[1], s[2]));
        }
    }
}

void contactSheet(const Output& out) {
    constexpr int kWidth = 1500, kGap = 8, kLabel = 12, kTitle = 16;
    QFont label("DejaVu Sans");
    label.setPixelSize(9);
    QFont title("DejaVu Sans");
    title.setPixelSize(12);
    title.setBold(true);

    // First pass measures, second draws.
    struct Placed {
        int code, x, y;
    };
    std::vector<Placed> placed;
    std::vector<std::pair<QString, int>> titles;
    int y = kGap;
    for (const Row& row : kRows) {
        titles.push_back({row.title, y});
        y += kTitle;
        int x = kGap, rowHeight = 0;
        for (int code = row.first; code <= row.last; ++code) {
            const PicSize s = signPictureSize(code);
            if (s.w == 0) continue;
            const int cellW = std::max(s.w, 22);
            if (x + cellW > kWidth - kGap) {
                x = kGap;
                y += rowHeight + kLabel + kGap;
                rowHeight = 0;
            }
            placed.push_back({code, x, y});
            x += cellW + kGap;
            rowHeight = std::max(rowHeight, s.h);
        }
        y += rowHeight + kLabel + kGap * 2;
    }
    QImage sheet(kWidth, y, QImage::Format_RGB32);
    sheet.fill(kViewBackground);
    std::vector<int> missing;
    for (const Placed& pl : placed)
        drawKeyed(sheet, loadSign(out, pl.code, missing), pl.x, pl.y, signKeyColor(pl.code));
    QPainter p(&sheet);
    p.setPen(QColor(150, 150, 190));
    p.setFont(title);
    for (const auto& [text, ty] : titles) p.drawText(kGap, ty + 12, text);
    p.setFont(label);
    p.setPen(QColor(200, 200, 220));
    for (const Placed& pl : placed) p.drawText(pl.x, pl.y + signPictureSize(pl.code).h + 10, QString::number(pl.code));
    p.end();
    if (!sheet.save(out.review + "/signs.png", "PNG")) throw std::runtime_error("cannot write the contact sheet");
    if (!missing.empty())
        throw std::runtime_error(std::to_string(missing.size()) + " sign pictures missing, first code " +
                                 std::to_string(missing.front()));
}

// Blends a glyph through its mask as the compact face does.
void blendMasked(QImage& face, const Output& out, int glyph, int x0, int y0) {
    const GlyphFiles files = glyphFiles(glyph);
    const auto name = [](const std::string& n) { return QString::fromStdString(n.substr(n.find('\\') + 1)); };
    const QImage pic = QImage(out.graphic + "/" + name(files.picture)).convertToFormat(QImage::Format_RGB888);
    const QImage mask = QImage(out.graphic + "/" + name(files.mask)).convertToFormat(QImage::Format_RGB888);
    if (pic.isNull() || mask.size() != pic.size()) throw std::runtime_error("face preview: glyph or mask unusable");
    for (int y = 0; y < pic.height(); ++y)
        for (int x = 0; x < pic.width(); ++x) {
            const QRgb g = pic.pixel(x, y), under = face.pixel(x0 + x, y0 + y);
            const int a = qRed(mask.pixel(x, y));
            const auto mix = [a](int top, int bottom) { return (top * a + bottom * (255 - a) + 127) / 255; };
            face.setPixel(x0 + x, y0 + y,
                          qRgb(mix(qRed(g), qRed(under)), mix(qGreen(g), qGreen(under)), mix(qBlue(g), qBlue(under))));
        }
}

// Several days of the compact face's glyph area, with the hot rectangles
// outlined, to check that every glyph fills or stays inside its rectangle.
void facePreview(const Output& out) {
    constexpr int kDays = 4;
    const QRect area(140, 170, 240, 130);
    QImage sheet(area.width() * kDays, area.height(), QImage::Format_RGB32);
    sheet.fill(kViewBackground);
    for (int d = 0; d < kDays; ++d) {
        QImage face(600, 450, QImage::Format_RGB32);
        face.fill(kViewBackground);
        const int seal = d * 6 + 1, tone = d * 4 + 1, plasma = d * 2 + 1;
        blendMasked(face, out, plasma + 70, 150, 216);
        blendMasked(face, out, tone + 50, 227, 182);
        blendMasked(face, out, seal % 20, 224, 220);
        blendMasked(face, out, (seal + 9) % 20 + 30, 308, 229);
        QPainter p(&face);
        p.setPen(QColor(0, 255, 120));
        for (const QRect r : {QRect(QPoint(226, 177), QPoint(298, 217)), QRect(QPoint(226, 222), QPoint(298, 294)),
                              QRect(QPoint(310, 231), QPoint(370, 291)), QRect(QPoint(154, 218), QPoint(208, 272))})
            p.drawRect(r);
        p.end();
        QPainter s(&sheet);
        s.drawImage(d * area.width(), 0, face, area.x(), area.y(), area.width(), area.height());
    }
    if (!sheet.save(out.review + "/face-glyphs.png", "PNG")) throw std::runtime_error("cannot write the face preview");
}

void generateAllSigns(const Output& out) {
    generateSeals(out);
    generateTones(out);
    generatePlasmas(out);
    generateFramesAndMarks(out);
    generateLineFigures(out);
    generateMoonSigns(out);
    generateVinals(out);
    generateSignSheet(out);
}

}  // namespace

void generateSignSheet(const Output& out) {
    QDir().mkpath(out.review);
    facePreview(out);
    contactSheet(out);
}

KL_PICTURE_FAMILY("signs", generateAllSigns);

}  // namespace kl::picgen
