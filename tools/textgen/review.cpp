#include "tools/textgen/review.h"

#include <QFont>
#include <QFontMetrics>
#include <QString>

#include <array>
#include <sstream>

#include "core/kin.h"
#include "data/textdb.h"
#include "platform/files.h"

namespace kl::textgen {

namespace {

// Face font 1 (the affirmation rows) and font 2 (the name rows).
int widthIn(const std::string& text, int pixels) {
    QFont f("Arial");
    f.setPixelSize(pixels);
    f.setBold(true);
    return QFontMetrics(f).horizontalAdvance(QString::fromStdString(text));
}

// The word patterns of the compact face's six affirmation rows.
constexpr std::array<const char*, 6> kRowPatterns = {"Aaaaaaaaaa", "aaaaaaaaa", "Aaaaaaaaaa",
                                                     "aaaaaaaaaaa", "Aaaaaaaaaaaa", "AaaaaAaaaaaaa"};

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
        s << "  " << colourRow << "  [" << widthIn(colourRow, 13) << "]\n";
        const int w = widthIn(nameRow, 13);
        if (w <= 217)
            s << "  " << nameRow << "  [" << w << ", one row]\n";
        else
            s << "  " << toneWord << " | " << seal << "  [" << w << ", two rows: " << widthIn(toneWord, 13)
              << " / " << widthIn(seal, 13) << "]\n";
        s << "  " << applyCaseMask(L(168) + ": " + L(170 + day.sign), "AB") << "\n";
        const auto rows = loadaffirmation(day);
        for (std::size_t i = 0; i < rows.size(); ++i) {
            if (rows[i].empty()) continue;
            const std::string drawn = applyCaseMask(rows[i], kRowPatterns[i]);
            const int width = widthIn(drawn, 12);
            s << "  " << i + 1 << " " << drawn << "  [" << width << "]"
              << (width > 350 || drawn != rows[i] ? " !" : "") << "\n";
        }
    }
    return platform::writeFileAtomic(path, s.str());
}

}  // namespace kl::textgen
