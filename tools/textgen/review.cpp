#include "tools/textgen/review.h"

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QString>

#include <array>
#include <sstream>

#include "core/kin.h"
#include "data/textdb.h"
#include "layout/fontpresets.h"
#include "platform/draw.h"
#include "platform/files.h"

namespace kl::textgen {

namespace {

// Width in face font n: 1 for the affirmation rows, 2 for the name rows.
int widthIn(const std::string& text, int faceFont) {
    const layout::FontPreset& p = layout::kFontPresets[static_cast<std::size_t>(faceFont)];
    return platform::textWidth({p.face, p.pixelHeight, p.bold, false}, text);
}

// The word patterns of the compact face's six affirmation rows.
constexpr std::array<const char*, 6> kRowPatterns = {"Aaaaaaaaaa", "aaaaaaaaa", "Aaaaaaaaaa",
                                                     "aaaaaaaaaaa", "Aaaaaaaaaaaa", "AaaaaAaaaaaaa"};

// The view's text presets used by the text pages: face, pixels, bold.
using Preset = layout::FontPreset;
constexpr const Preset& kPreset2 = layout::kFontPresets[2];
constexpr const Preset& kPreset4 = layout::kFontPresets[4];
constexpr const Preset& kPreset5 = layout::kFontPresets[5];

// A 670 x 550 view with the texts of one page, drawn as the view draws them:
// y is the top of the text, a centred text is centred on x = 299 + x.
class ViewSheet {
public:
    ViewSheet() : image(670, 550, QImage::Format_RGB32) { image.fill(QColor(7, 0, 35)); }
    void text(int x, int y, bool centred, const std::string& t, Preset p) {
        QPainter g(&image);
        QFont f(p.face);
        f.setPixelSize(std::abs(p.pixelHeight));
        f.setBold(p.bold);
        g.setFont(f);
        g.setPen(Qt::white);
        const QString q = QString::fromStdString(t);
        const QFontMetrics m(f);
        const int left = centred ? 299 + x - m.horizontalAdvance(q) / 2 : x;
        g.drawText(left, y + m.ascent(), q);
    }
    // Where the sign picture goes: an outline only.
    void signBox(int y, int size) {
        QPainter g(&image);
        g.setPen(QColor(90, 90, 140));
        g.drawRect(299 - size / 2, y, size, size);
    }
    void lines(const std::string& file, int first, int count, int x, int y, bool centred, int spacing) {
        for (int i = 0; i < count; ++i) {
            std::string t;
            readtext(first + i, file, t);
            text(x, y + spacing * i, centred, t, kPreset5);
        }
    }
    bool save(const std::string& path) { return image.save(QString::fromStdString(path)); }

private:
    QImage image;
};

// Seal, tone and plasma pages of one day and every help page, as pictures.
bool writePagePictures(const std::string& dir, const CalendarDay& day) {
    const KinRelations r = computeKinRelations(day);
    const std::string colour = L(r.wordForm ? 130 + r.colour : 134 + r.colour);
    bool ok = true;
    ViewSheet seal;
    seal.signBox(105, 76);
    seal.text(0, 195, true, L(0) + " " + colour + " " + L(80 + day.sign), kPreset2);
    seal.lines("DAYINFO.drs", 17 * (day.sign - 1), 17, 0, 233, true, 17);
    ok = seal.save(dir + "/page_seal.png") && ok;
    ViewSheet tone;
    tone.signBox(90, 40);
    tone.text(0, 162, true, L(66 + day.tone) + L(28) + " " + L(34) + " " + L(150 + day.tone), kPreset4);
    tone.text(0, 140, true, L(34) + " " + L(34 + day.tone), kPreset2);
    tone.lines("TONEINFO.drs", 17 * (day.tone - 1), 17, 0, 196, true, 17);
    ok = tone.save(dir + "/page_tone.png") && ok;
    ViewSheet plasma;
    plasma.signBox(105, 60);
    plasma.text(0, 195, true, L(165) + " " + L(49 + day.plasma), kPreset2);
    plasma.lines("PLASMINFO.drs", 5 * (day.plasma - 1), 5, 0, 233, true, 17);
    ok = plasma.save(dir + "/page_plasma.png") && ok;
    for (int n = 1; platform::fileExists("hlp" + std::to_string(n) + ".dat"); ++n) {
        ViewSheet help;
        help.lines("hlp" + std::to_string(n) + ".dat", 0, 32, 0, 19, false, 16);
        ok = help.save(dir + "/page_help" + std::to_string(n) + ".png") && ok;
    }
    return ok;
}

}  // namespace

bool writeReview(const std::string& runDir, const std::string& path) {
    platform::setProgramDirectory(runDir);
    std::ostringstream s;
    s << "Kestralune: texts of the compact face for all 260 kins (as drawn, after the word patterns).\n"
         "Widths are in pixels: names in Arial 13 bold (one row up to 217), affirmation rows in\n"
         "Arial 12 bold (area 350). A row marked '!' is too wide or was changed by its pattern.\n\n";

    s << "== Moons ==\n";
    for (int m = 1; m <= 13; ++m)
        s << m << ". " << L(66 + m) + L(29) << " / " << L(61) + " " + L(150 + m) << " / " << L(469) << " "
          << L(469 + m) << "\n";
    s << "\n== Plasmas ==\n";
    for (int p = 1; p <= 7; ++p)
        s << p << ". " << applyCaseMask(L(165) + ":", "AB") << " " << applyCaseMask(L(49 + p), "AB") << "\n";

    for (int kin = 1; kin <= 260; ++kin) {
        CalendarDay day;
        day.kin = static_cast<std::uint16_t>(kin);
        day.sign = static_cast<std::uint8_t>((kin - 1) % 20 + 1);
        day.tone = static_cast<std::uint8_t>((kin - 1) % 13 + 1);
        day.month = 1;
        const KinRelations r = computeKinRelations(day);
        const std::string colour = L(r.wordForm ? 130 + r.colour : 134 + r.colour);
        const std::string toneWord = L(r.wordForm ? 103 + day.tone : 116 + day.tone);
        const std::string seal = L(80 + day.sign);
        const std::string colourRow = L(402) + " " + colour;
        const std::string nameRow = toneWord + " " + seal;
        s << "\n== Kin " << kin << " (seal " << int(day.sign) << ", tone " << int(day.tone) << ", guide "
          << int(r.guide) << (r.portal ? ", portal" : "") << ") ==\n";
        s << "  " << colourRow << "  [" << widthIn(colourRow, 2) << "]\n";
        const int w = widthIn(nameRow, 2);
        if (w < layout::kSealLineSplit)
            s << "  " << nameRow << "  [" << w << ", one row]\n";
        else
            s << "  " << toneWord << " | " << seal << "  [" << w << ", two rows: " << widthIn(toneWord, 2)
              << " / " << widthIn(seal, 2) << "]\n";
        s << "  " << applyCaseMask(L(168) + ": " + L(170 + day.sign), "AB") << "\n";
        const auto rows = loadaffirmation(day);
        for (std::size_t i = 0; i < rows.size(); ++i) {
            if (rows[i].empty()) continue;
            const std::string drawn = applyCaseMask(rows[i], kRowPatterns[i]);
            const int width = widthIn(drawn, 1);
            s << "  " << i + 1 << " " << drawn << "  [" << width << "]"
              << (width > 350 || drawn != rows[i] ? " !" : "") << "\n";
        }
    }
    // Pages of kin 104 (seal 4, tone 13) on a day of plasma 3.
    CalendarDay sample;
    sample.kin = 104;
    sample.sign = 4;
    sample.tone = 13;
    sample.plasma = 3;
    const std::string dir = path.substr(0, path.find_last_of('/'));
    return writePagePictures(dir, sample) && platform::writeFileAtomic(path, s.str());
}

}  // namespace kl::textgen
