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

#include "tools/picgen/boardgeometry.h"
#include "tools/picgen/signs.h"
#include "tools/picgen/style.h"
#include "layout/faceglyphs.h"
#include "tools/textgen/figures.h"

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

// View mock-ups: the signs of the moon-month, week, year, oracle and
// wavespell views placed where those views place them (texts left out), to
// check that no family overlaps its neighbours. Days run through consecutive
// kins; only positions matter here.
class ViewMock {
public:
    ViewMock(const Output& out) : out_(out), view_(670, 550, QImage::Format_RGB32) { view_.fill(kViewBackground); }
    // S(x, y, c, n) of the day sign renderer.
    void S(int x, int y, bool centred, int code) {
        const QImage sign = loadSign(out_, code, missing_);
        if (centred) x = 299 + x - sign.width() / 2;
        drawKeyed(view_, sign, x, y, signKeyColor(code));
    }
    QImage& view() { return view_; }
    const std::vector<int>& missing() const { return missing_; }

private:
    const Output& out_;
    QImage view_;
    std::vector<int> missing_;
};

int sealOf(int kin) { return (kin - 1) % 20 + 1; }
int toneOf(int kin) { return (kin - 1) % 13 + 1; }

QImage moonMonthMock(const Output& out) {
    ViewMock m(out);
    m.S(272, 3, false, 50 + 5);
    for (int i = 1; i <= 4; ++i)
        for (int j = 1; j <= 7; ++j) {
            const int day = 7 * (i - 1) + j, kin = 100 + day, x = 76 * j, y = 86 * i;
            if (i == 1) m.S(x - 13, 95, false, 130 + j);
            m.S(x - 30, y + 50, false, 137 + (day - 1) / 7 % 4 + 1);
            if (day % 9 == 3) m.S(x - 18, y + 73, false, day % 2 ? 239 : 243);
            m.S(x - 4, y + 73, false, 97 + sealOf(kin));
            m.S(x - 4, y + 53, false, 141 + toneOf(kin));
        }
    return m.view();
}

QImage weekMock(const Output& out) {
    ViewMock m(out);
    const int q = 1, figureNumber = 44;  // red lines; a figure with both kinds of line
    m.S(27, 72, false, 431 + 3 * q);
    m.S(582, 100, false, 433 + 3 * q);
    m.S(27, 100, false, 433 + 3 * q);
    m.S(27, 424, false, 432 + 3 * q);
    const int lower = textgen::lowerTrigramOfMember((figureNumber - 1) % 8), upper = (figureNumber - 1) / 8;
    for (int i = 1; i <= 7; ++i) {
        const int x = 76 * i, kin = 200 + i, monthDay = 14 + i, vinalTone = i == 3 ? 0 : i + 4;
        if (i <= 6)
            for (int k = 0; k < i; ++k) {
                const bool solid = k < 3 ? (lower >> k) & 1 : (upper >> (k - 3)) & 1;
                m.S(x - 14, 220 + 42 - 7 * k, false, solid ? 234 : 233);
            }
        if (i == 2) m.S(x - 18, 159, false, 239);
        if (vinalTone != 0) {
            m.S(x - 4, 375, false, 392 + 7);
            m.S(x - 21, 380, false, 411 + vinalTone);
        } else {
            m.S(x - 20, 370, false, 373 + 7);
        }
        m.S(x - 15, 280, false, 314 + monthDay);
        m.S(x - 20, 325, false, 343 + monthDay);
        m.S(x - 13, 90, false, 130 + i);
        m.S(x - 30, 129, false, 234 + 3);
        m.S(x - 4, 159, false, 97 + sealOf(kin));
        m.S(x - 4, 139, false, 141 + toneOf(kin));
    }
    m.S(517, 222, false, 250 + figureNumber);
    return m.view();
}

QImage yearMock(const Output& out) {
    ViewMock m(out);
    int row = 0, column = 0, kin = 1;
    for (int i = 0; i <= 12; ++i) {
        if (i < 5) ++row;
        else if (i <= 8) ++column;
        else if (i <= 11) --row;
        else --column;
        for (int w = 0; w <= 3; ++w)
            for (int j = 0; j <= 6; ++j, ++kin) {
                const int x0 = 128 * column + 17 * j + 20, y0 = 100 * row + 23 * w - 78;
                const int cromatic = (kin - 1) / 13 % 4 + 1;
                m.S(x0 - 1, y0 - 7, false, 174 + cromatic);
                m.S(x0, y0, false, 154 + sealOf(kin));
                m.S(x0, y0 - 7, false, 165 + toneOf(kin) + 13 * cromatic);
            }
    }
    m.S(236, 22, false, 97 + 9);
    m.S(236, 2, false, 141 + 6);
    m.S(315, 240, false, 97 + 12);
    m.S(301, 240, false, 239);
    m.S(315, 220, false, 141 + 8);
    m.S(289, 217, false, 137 + 2);
    m.S(167, 62, false, 232);
    m.S(244, 115, false, 174 + 1);
    m.S(245, 122, false, 154 + 10);
    m.S(245, 115, false, 165 + 3 + 13);
    m.S(143, 46, false, 372);
    return m.view();
}

QImage oracleMock(const Output& out) {
    ViewMock m(out);
    m.S(0, 233, true, 11);
    m.S(0, 130, true, 30 + 15);
    m.S(0, 195, true, 50 + 13);
    m.S(-82, 242, true, 30 + 1);
    m.S(82, 242, true, 30 + 9);
    m.S(0, 314, true, 30 + 10);
    // The day-out-of-time page, to the right.
    m.S(6 + 200, 146, true, 372);
    m.S(200, 218, true, 97 + 4);
    m.S(200, 198, true, 141 + 12);
    return m.view();
}

QImage wavespellMock(const Output& out) {
    ViewMock m(out);
    for (int i = 1; i <= 13; ++i) {
        const QPoint at = geo::wavespellSlot(i);
        const int g = 102 * at.x(), h = 91 * at.y(), s = (6 + i - 2) % 20 + 1;
        m.S(g + 79, h - 44, false, 77 + s);
        m.S(g + 79, h - 68, false, 117 + i);
        m.S(g + 128, h - 35, false, 97 + (s + 7) % 20 + 1);
    }
    return m.view();
}

void viewMocks(const Output& out) {
    const QImage views[] = {moonMonthMock(out), weekMock(out), yearMock(out), oracleMock(out), wavespellMock(out)};
    const char* names[] = {"moon-month", "week", "year", "oracle", "wavespell"};
    for (int i = 0; i < 5; ++i)
        if (!views[i].save(out.review + "/view-" + names[i] + ".png", "PNG"))
            throw std::runtime_error("cannot write a view mock-up");
}

void generateAllSigns(const Output& out) {
    generateSeals(out);
    generateTones(out);
    generatePlasmas(out);
    generateFramesAndMarks(out);
    generateLineFigures(out);
    generateMoonSigns(out);
    generateVinals(out);
    // The review sheets read the 1x pictures as the program draws them.
    if (drawScale() == 1) generateSignSheet(out);
}

}  // namespace

void generateSignSheet(const Output& out) {
    QDir().mkpath(out.review);
    facePreview(out);
    contactSheet(out);
    viewMocks(out);
}

KL_PICTURE_FAMILY("signs", generateAllSigns);

}  // namespace kl::picgen
