// fontreview RUN_DIR REVIEW_DIR
// Review sheets of the symbol fonts (not shipped): every sign the glyph
// export can write, its picture as the picture export prints it beside its
// glyph layers as the glyph export prints them, cropped to the same page
// area; and a table of how far each glyph form's ink lies from the
// picture's, edge by edge.
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "platform/files.h"
#include "platform/fonts.h"
#include "tools/fontgen/glyphpage.h"
#include "tools/picgen/glyphlayers.h"
#include "layout/signtable.h"

namespace {

using namespace kl;

struct Row {
    const char* title;
    int first, last;
};

const Row kRows[] = {
    {"seals 0..20 (sign font W + A..T)", 0, 20},    {"seals 30..50", 30, 50},
    {"seals 45 px 78..97", 78, 97},                 {"seals 35 px 98..117", 98, 117},
    {"seals 15 px 155..174", 155, 174},             {"tones 51..63 (a..m)", 51, 63},
    {"tones 45 px 118..130", 118, 130},             {"tones 35 px 142..154", 142, 154},
    {"year tones 179..191", 179, 191},              {"plasmas 71..77 (X + 1..7)", 71, 77},
    {"plasmas 35 px 131..137", 131, 137},           {"frames 138..141 (\\), markers 239, 243 (*)", 138, 141},
    {"markers", 239, 243},                          {"year dot 232 (.)", 232, 232},
    {"line-figure pieces 233, 234 (KESTRALUNE2x [ ])", 233, 234},
    {"line figures 251..314 (RURAZO, VIREV2 \\ frame)", 251, 314},
    {"runes 315..343 (VIREV2)", 315, 343},          {"day signs of the moon 344..371 (Vod 7777 urer)", 344, 371},
    {"day-out-of-time dot 372 (o under :)", 372, 372},
    {"vinals 50 px 374..392 (ZOVADIRIVAV A..S)", 374, 392}, {"vinals 40 px 393..411", 393, 411},
    {"vinal counts 412..430 (a..s)", 412, 430},
};

const QRgb kPaper = qRgb(255, 255, 255);

struct Pair {
    QImage picture, glyphs;
    QRect pictureInk, glyphInk;
};

QImage loadPicture(const QString& graphic, int code) {
    const std::string name = layout::signFileName(code);
    return QImage(graphic + "/" + QString::fromStdString(name.substr(name.find('\\') + 1)));
}

Pair render(const QString& graphic, int code, bool centred, QSize page) {
    // The wavespell's marks have fixed places, for the board where the view puts it.
    const bool board = code == picgen::kWavespellBoardCode;
    const picgen::ExportedSign sign = picgen::exportSign(code, board ? 25 : centred ? 0 : 250, board ? 12 : 150, centred);
    const QPoint shift(0, board ? 60 : 0);
    Pair pair{QImage(page, QImage::Format_RGB32), QImage(page, QImage::Format_RGB32), {}, {}};
    pair.picture.fill(kPaper);
    pair.glyphs.fill(kPaper);
    const QImage pic = loadPicture(graphic, code);
    const auto key = layout::signKeyColor(code);
    fontgen::drawSignPicture(pair.picture, pic, fontgen::pictureRect(sign, pic.size(), page.width()).translated(shift),
                             qRgb(key.r, key.g, key.b));
    QPainter p(&pair.glyphs);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(shift);
    fontgen::drawGlyphLayers(p, sign, page.width());
    p.end();
    pair.pictureInk = fontgen::inkBox(fontgen::pictureCoverage(sign, pic, qRgb(key.r, key.g, key.b), page, shift));
    pair.glyphInk = fontgen::inkBox(fontgen::glyphCoverage(sign, page, shift));
    return pair;
}

int edgeError(const QRect& a, const QRect& b) {
    if (a.isNull() || b.isNull()) return 999;
    return std::max({std::abs(a.left() - b.left()), std::abs(a.top() - b.top()), std::abs(a.right() - b.right()),
                     std::abs(a.bottom() - b.bottom())});
}

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: fontreview RUN_DIR REVIEW_DIR\n");
        return 2;
    }
    const QString run = argv[1], review = argv[2];
    platform::setProgramDirectory(run.toStdString());
    if (!platform::registerProgramFonts("fonts").empty()) return 1;
    const QString graphic = run + "/graphic";

    // Measure, then draw: each cell is the picture and the glyph form side by
    // side, cropped to the union of their ink.
    constexpr int kWidth = 1600, kGap = 10, kLabel = 12, kTitle = 18;
    QFont label("DejaVu Sans");
    label.setPixelSize(9);
    QFont title("DejaVu Sans");
    title.setPixelSize(12);
    title.setBold(true);
    struct Cell {
        int code;
        Pair pair;
        QRect crop;
        int x, y;
    };
    std::vector<Cell> cells;
    std::vector<std::pair<QString, int>> titles;
    QString table;
    QTextStream t(&table);
    t << "code  picture ink (x y w h)   glyph ink (x y w h)    largest edge difference\n";
    int y = kGap, worst = 0, worstCode = -1;
    auto place = [&](const Row& row, bool centred, QSize page) {
        titles.push_back({QString(row.title) + (centred ? ", centred" : ""), y});
        y += kTitle;
        int x = kGap, rowHeight = 0;
        for (int code = row.first; code <= row.last; ++code) {
            const auto& uses = picgen::exportUses();
            const auto use = std::find_if(uses.begin(), uses.end(), [code](const auto& u) { return u.code == code; });
            if (use == uses.end() || !(centred ? use->centred : use->left)) continue;
            Pair pair = render(graphic, code, centred, page);
            const QRect crop = pair.pictureInk.united(pair.glyphInk).adjusted(-3, -3, 3, 3);
            const int w = 2 * crop.width() + 4;
            if (x + w > kWidth - kGap) x = kGap, y += rowHeight + kLabel + kGap, rowHeight = 0;
            const int err = edgeError(pair.pictureInk, pair.glyphInk);
            if (err > worst) worst = err, worstCode = code;
            const QRect& a = pair.pictureInk;
            const QRect& b = pair.glyphInk;
            t << qSetFieldWidth(4) << code << qSetFieldWidth(0) << (centred ? "c " : "  ") << a.x() << " " << a.y()
              << " " << a.width() << " " << a.height() << "    " << b.x() << " " << b.y() << " " << b.width() << " "
              << b.height() << "    " << err << "\n";
            cells.push_back({code, std::move(pair), crop, x, y});
            x += w + kGap;
            rowHeight = std::max(rowHeight, crop.height());
        }
        y += rowHeight + kLabel + kGap * 2;
    };
    for (const Row& row : kRows) place(row, false, QSize(500, 400));
    const Row centredRows[] = {{"large seals", 1, 4},   {"small seals", 31, 34}, {"seals 45 px", 79, 82},
                               {"seals 35 px", 99, 102}, {"large tones", 51, 54}, {"tones 35 px", 143, 146},
                               {"large plasmas", 71, 74}, {"markers", 239, 239}, {"", 243, 243}};
    for (const Row& row : centredRows) place(row, true, QSize(500, 400));
    place({"wavespell board 241 (13 x sign font _)", 241, 241}, true, QSize(900, 700));

    QImage sheet(kWidth, y, QImage::Format_RGB32);
    sheet.fill(QColor(210, 210, 215));
    QPainter p(&sheet);
    for (const Cell& c : cells) {
        p.drawImage(c.x, c.y, c.pair.picture, c.crop.x(), c.crop.y(), c.crop.width(), c.crop.height());
        p.drawImage(c.x + c.crop.width() + 4, c.y, c.pair.glyphs, c.crop.x(), c.crop.y(), c.crop.width(),
                    c.crop.height());
    }
    p.setFont(title);
    p.setPen(QColor(30, 30, 60));
    for (const auto& [text, ty] : titles) p.drawText(kGap, ty + 13, text);
    p.setFont(label);
    for (const Cell& c : cells)
        p.drawText(c.x, c.y + c.crop.height() + 10,
                   QString("%1  picture | glyphs  %2").arg(c.code).arg(edgeError(c.pair.pictureInk, c.pair.glyphInk)));
    p.end();
    if (!sheet.save(review + "/fonts.png", "PNG")) return 1;
    t << "largest difference " << worst << " px, code " << worstCode << "\n";
    t.flush();
    QFile out(review + "/fonts.txt");
    if (!out.open(QIODevice::WriteOnly) || out.write(table.toUtf8()) < 0) return 1;
    return 0;
}
