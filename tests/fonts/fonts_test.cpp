// The shipped symbol fonts: every letter the glyph export writes has an
// outline in its face, the faces register for the process, and a sign in
// glyph form lands on the page where its picture does.
#include <gtest/gtest.h>

#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QImage>
#include <QPainterPath>
#include <QRawFont>
#include <QTemporaryDir>

#include <algorithm>
#include <map>
#include <set>
#include <sstream>

#include "data/settings.h"
#include "platform/fonts.h"
#include "tools/fontgen/glyphpage.h"
#include "tools/picgen/boardgeometry.h"
#include "tools/picgen/glyphlayers.h"
#include "ui/fullscreen/fullstate.h"
#include "print/scriptsink.h"
#include "ui/fullscreen/signrenderer.h"
#include "layout/signtable.h"

namespace kl {
namespace {

using picgen::ExportedSign;
using picgen::exportSign;

const QString kFontDir = QStringLiteral(KL_SHIPPED_DIR "/fonts");

// The letters each face is asked for by the glyph export.
const std::map<std::string, std::string>& letters() {
    static const std::map<std::string, std::string> m = {
        {platform::kSignFontFamily, "ABCDEFGHIJKLMNOPQRST" "W" "abcdefghijklm" "1234567" "X" "\\*_." "o:"},
        {"VIREV2", "ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\}_"},
        {"RURAZO", "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdef" "op"},
        {"Vod 7777 urer", "1234567" "ABCDEFG" "MNOPQRSTUVWX"},
        {"ZOVADIRIVAV", "ABCDEFGHIJKLMNOPQRS" "abcdefghijklmnopqrs"},
        {"KESTRALUNE2x", "[]"},
    };
    return m;
}

QString fontPath(const platform::ProgramFont& f) { return kFontDir + "/" + f.file; }

TEST(FontFiles, EveryLetterOfEveryFaceHasAnOutline) {
    ASSERT_EQ(platform::programFonts().size(), letters().size());
    for (const platform::ProgramFont& font : platform::programFonts()) {
        SCOPED_TRACE(font.family);
        const QRawFont raw(fontPath(font), 64);
        ASSERT_TRUE(raw.isValid()) << fontPath(font).toStdString();
        EXPECT_EQ(raw.familyName().toStdString(), font.family);
        ASSERT_TRUE(letters().count(font.family));
        for (char c : letters().at(font.family)) {
            const QList<quint32> index = raw.glyphIndexesForString(QString(QChar(c)));
            ASSERT_EQ(index.size(), 1);
            EXPECT_NE(index[0], 0u) << "no glyph for " << c;
            const QRectF box = raw.pathForGlyph(index[0]).boundingRect();
            EXPECT_GT(box.width() * box.height(), 4.0) << "empty outline for " << c;
        }
        // A letter the export never writes is not in the face.
        EXPECT_EQ(raw.glyphIndexesForString("?").value(0), 0u);
    }
}

TEST(FontFiles, GlyphsOfAFaceDiffer) {
    // Each letter draws its own sign: no two outlines of a face alike, but
    // for the plates of the days of the moon, one disc that the export
    // colours by the day.
    for (const platform::ProgramFont& font : platform::programFonts()) {
        const QRawFont raw(fontPath(font), 64);
        std::map<QString, char> seen;
        for (char c : letters().at(font.family)) {
            if (font.family == std::string("Vod 7777 urer") && c > 'M' && c <= 'S') continue;
            const quint32 g = raw.glyphIndexesForString(QString(QChar(c))).value(0);
            QString key;
            const QPainterPath path = raw.pathForGlyph(g);
            for (const QPolygonF& poly : path.toSubpathPolygons())
                for (const QPointF& pt : poly) key += QString("%1,%2;").arg(qRound(pt.x())).arg(qRound(pt.y()));
            const auto [it, fresh] = seen.emplace(key, c);
            EXPECT_TRUE(fresh) << font.family << ": " << c << " draws the same as " << it->second;
        }
    }
}

// Every code the views can export, in every alignment they use: the export
// writes only letters its faces have.
TEST(FontFiles, TheExportWritesOnlyLettersTheFacesHave) {
    int layers = 0;
    for (const picgen::ExportUse& use : picgen::exportUses())
        for (bool centred : {false, true}) {
            if (!(centred ? use.centred : use.left)) continue;
            const ExportedSign sign = exportSign(use.code, 200, 120, centred);
            EXPECT_FALSE(sign.layers.empty()) << use.code;
            for (const picgen::GlyphLayer& l : sign.layers) {
                ++layers;
                ASSERT_TRUE(letters().count(l.face)) << use.code << " " << l.face;
                EXPECT_NE(letters().at(l.face).find(l.glyph), std::string::npos)
                    << "code " << use.code << " writes " << l.glyph << " of " << l.face;
            }
        }
    EXPECT_GT(layers, 700);
}

// The fonts are fitted to a model of the glyph export; the program's own
// export must write exactly the model's letters, faces, sizes, colours and
// places, for every code and alignment the views use.
std::vector<picgen::GlyphLayer> parseGlyphLines(const std::vector<std::string>& lines) {
    std::vector<picgen::GlyphLayer> layers;
    picgen::GlyphLayer font;
    for (const std::string& line : lines) {
        std::istringstream in(line);
        std::string word;
        in >> word;
        if (word == "FONT") {
            std::string thin, normal;
            in >> font.pointSize >> font.pixelHeight >> font.colour.r >> font.colour.g >> font.colour.b >> thin >> normal;
            std::getline(in >> std::ws, font.face);
            font.pixelHeight = -font.pixelHeight;
        } else if (word == "TEXT") {
            picgen::GlyphLayer l = font;
            std::string rest;
            in >> l.x >> l.y;
            std::getline(in, rest);
            // " cnt 'G'", " rgt 'G'" or "  'G'" (no alignment word).
            l.centred = rest.rfind(" cnt ", 0) == 0;
            const auto quote = rest.find('\'');
            if (quote == std::string::npos || quote + 2 >= rest.size()) {
                ADD_FAILURE() << "no quoted glyph: " << line;
                continue;
            }
            l.glyph = rest[quote + 1];
            layers.push_back(l);
        } else {
            ADD_FAILURE() << "not a glyph line: " << line;
        }
    }
    return layers;
}

// Our faces may be embedded in a PDF and installed like any font: the OS/2
// table's embedding bits (fsType, at offset 8) are all clear.
TEST(FontFiles, EveryFacePermitsInstallableEmbedding) {
    for (const platform::ProgramFont& font : platform::programFonts()) {
        const QRawFont raw(fontPath(font), 64);
        ASSERT_TRUE(raw.isValid()) << font.family;
        const QByteArray os2 = raw.fontTable("OS/2");
        ASSERT_GE(os2.size(), 10) << font.family;
        const int fsType = (static_cast<unsigned char>(os2[8]) << 8) | static_cast<unsigned char>(os2[9]);
        EXPECT_EQ(fsType, 0) << font.family;
    }
}

TEST(FontFiles, TheModelOfTheExportIsTheProgramsExport) {
    _TEXTGRAPHIC = true;
    _expstate = 0;
    settings()._signfont = platform::kSignFontFamily;
    int compared = 0;
    for (const picgen::ExportUse& use : picgen::exportUses())
        for (bool centred : {false, true}) {
            if (!(centred ? use.centred : use.left)) continue;
            ScriptSink sink;
            kl::exportSign(sink, 213, 147, use.code, centred, settings()._signfont);
            std::vector<std::string> lines = sink.lines;
            lines.insert(lines.end(), sink.yearExportList.begin(), sink.yearExportList.end());
            const std::vector<picgen::GlyphLayer> real = parseGlyphLines(lines);
            const ExportedSign model = exportSign(use.code, 213, 147, centred);
            ASSERT_EQ(real.size(), model.layers.size()) << "code " << use.code;
            for (std::size_t i = 0; i < real.size(); ++i) {
                const picgen::GlyphLayer &a = real[i], &b = model.layers[i];
                SCOPED_TRACE("code " + std::to_string(use.code) + " layer " + std::to_string(i));
                EXPECT_EQ(a.face, b.face);
                EXPECT_EQ(a.glyph, b.glyph);
                EXPECT_TRUE(a.colour == b.colour);
                EXPECT_EQ(a.pointSize, b.pointSize);
                EXPECT_EQ(a.pixelHeight, b.pixelHeight);
                EXPECT_EQ(a.x, b.x);
                EXPECT_EQ(a.y, b.y);
                EXPECT_EQ(a.centred, b.centred);
                ++compared;
            }
        }
    _TEXTGRAPHIC = false;
    settings()._signfont.clear();
    EXPECT_GT(compared, 700);
}

class RegisteredFonts : public ::testing::Test {
protected:
    static void SetUpTestSuite() { problems_ = platform::registerProgramFonts(KL_SHIPPED_DIR "/fonts"); }
    static std::vector<std::string> problems_;
};
std::vector<std::string> RegisteredFonts::problems_;

TEST_F(RegisteredFonts, EveryFaceIsFoundByItsName) {
    EXPECT_TRUE(problems_.empty()) << problems_.front();
    const QStringList families = QFontDatabase::families();
    for (const platform::ProgramFont& font : platform::programFonts()) {
        const QString family = QString::fromUtf8(font.family);
        EXPECT_TRUE(families.contains(family)) << font.family;
        QFont f(family);
        f.setPixelSize(40);
        // The face itself, not a substitute.
        EXPECT_EQ(QFontInfo(f).family(), family);
    }
}

TEST_F(RegisteredFonts, MissingAndBrokenFilesAreReportedNotFatal) {
    // The good file stays registered, so it must outlive the other tests.
    static QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const auto& fonts = platform::programFonts();
    ASSERT_TRUE(QFile::copy(fontPath(fonts[0]), dir.filePath(fonts[0].file)));
    QFile broken(dir.filePath(fonts[2].file));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("not a font at all");
    broken.close();
    const std::vector<std::string> problems = platform::registerProgramFonts(dir.path().toStdString());
    ASSERT_EQ(problems.size(), fonts.size() - 1);
    int missing = 0, unreadable = 0;
    for (const std::string& p : problems) {
        missing += p.find("is missing") != std::string::npos;
        unreadable += p.find("cannot be read") != std::string::npos && p.find(fonts[2].file) != std::string::npos;
    }
    EXPECT_EQ(missing, static_cast<int>(fonts.size()) - 2);
    EXPECT_EQ(unreadable, 1);
    // The one good file is registered again without a word.
    for (const std::string& p : problems) EXPECT_EQ(p.find(fonts[0].file), std::string::npos) << p;
}

QImage pictureOf(int code) {
    const std::string name = layout::signFileName(code);
    return QImage(QStringLiteral(KL_SHIPPED_DIR "/graphic/") + QString::fromStdString(name.substr(name.find('\\') + 1)));
}

QRgb keyOf(int code) {
    const auto k = layout::signKeyColor(code);
    return qRgb(k.r, k.g, k.b);
}

constexpr QSize kPage(600, 500);

// One glyph serves every size of its sign, and the export's offsets for the
// sizes disagree a little, so a glyph form may sit a few pixels from its
// picture: allowed are 3 pixels or 20 % of the picture's larger side,
// whichever is more. The largest sign of each family, fitted closest, must
// be within 3 pixels.
TEST_F(RegisteredFonts, AGlyphFormLandsWhereItsPictureDoes) {
    const std::set<int> largest = {1, 51, 71, 138, 233, 234, 239, 243, 251, 290, 315, 344, 374, 412};
    for (const picgen::ExportUse& use : picgen::exportUses()) {
        if (use.code == picgen::kWavespellBoardCode) continue;  // below
        for (bool centred : {false, true}) {
            if (!(centred ? use.centred : use.left)) continue;
            const ExportedSign sign = exportSign(use.code, centred ? 0 : 250, 160, centred);
            const QImage pic = pictureOf(use.code);
            ASSERT_FALSE(pic.isNull()) << use.code;
            const QRect want = fontgen::inkBox(fontgen::pictureCoverage(sign, pic, keyOf(use.code), kPage));
            // The grey frame round a line figure is drawn round the
            // picture's place; the figure itself is compared.
            ExportedSign glyphs = sign;
            if (use.code >= 251 && use.code <= 314)
                std::erase_if(glyphs.layers, [](const picgen::GlyphLayer& l) { return l.face == picgen::kRuneFace; });
            const QRect got = fontgen::inkBox(fontgen::glyphCoverage(glyphs, kPage));
            ASSERT_FALSE(got.isNull()) << "code " << use.code << " draws nothing";
            if (use.code >= 179 && use.code <= 230) {
                // The year view's 7-pixel tone strip stands its bars upright,
                // where the tone glyph lays them flat: the glyph stays within
                // the strip.
                const QRect strip = fontgen::pictureRect(sign, pic.size(), kPage.width());
                EXPECT_TRUE(strip.adjusted(-2, -2, 2, 2).contains(got)) << "code " << use.code;
                continue;
            }
            const int size = std::max(pic.width(), pic.height());
            const int tolerance = largest.count(use.code) && !centred ? 3 : std::max(3, size / 5);
            const int err = std::max({std::abs(got.left() - want.left()), std::abs(got.top() - want.top()),
                                      std::abs(got.right() - want.right()), std::abs(got.bottom() - want.bottom())});
            EXPECT_LE(err, tolerance) << "code " << use.code << (centred ? " centred" : "") << ": picture ink "
                                      << want.x() << "," << want.y() << " " << want.width() << "x" << want.height()
                                      << ", glyph ink " << got.x() << "," << got.y() << " " << got.width() << "x"
                                      << got.height();
        }
    }
}

// Runs of a profile at or above `at`: their lengths, in order.
std::vector<int> runsOf(const std::vector<int>& profile, int at) {
    std::vector<int> runs;
    bool in = false;
    for (int v : profile) {
        if (v >= at && !in) runs.push_back(0);
        in = v >= at;
        if (in) ++runs.back();
    }
    return runs;
}

// The tone glyphs drawn 15 pixels wide, as the year view's glyph form sets
// them: the dots can be counted (each at least 2 pixels, half covered or
// more, with a column of less than half cover between) and so can the bars.
TEST_F(RegisteredFonts, TonesOfTheYearGlyphFormShowCountableDotsAndBars) {
    for (int t = 1; t <= 13; ++t) {
        SCOPED_TRACE("tone " + std::to_string(t));
        const QImage ink = fontgen::glyphCoverage(exportSign(178 + t, 250, 160, false), kPage);
        const QRect box = fontgen::inkBox(ink, 128);
        ASSERT_FALSE(box.isNull());
        EXPECT_LE(box.width(), 16);
        const auto alpha = [&](int x, int y) { return qAlpha(ink.pixel(x, y)); };
        // Rows: the dots' band first (when there are dots), then one band per bar.
        std::vector<int> rows;
        for (int y = box.top(); y <= box.bottom(); ++y) {
            int most = 0;
            for (int x = box.left(); x <= box.right(); ++x) most = std::max(most, alpha(x, y));
            rows.push_back(most);
        }
        const std::vector<int> bands = runsOf(rows, 128);
        if (t % 5 == 0) continue;
        std::vector<int> columns;
        for (int x = box.left(); x <= box.right(); ++x) {
            int most = 0;
            for (int y = box.top(); y < box.top() + bands.front(); ++y) most = std::max(most, alpha(x, y));
            columns.push_back(most);
        }
        const std::vector<int> dots = runsOf(columns, 128);
        EXPECT_EQ(static_cast<int>(dots.size()), t % 5);
        for (int w : dots) EXPECT_GE(w, 2);
    }
}

// The wavespell board in glyph form is a mark round each of its thirteen
// day cells, where the board picture has them.
TEST_F(RegisteredFonts, WavespellMarksFrameTheBoardsCells) {
    const ExportedSign sign = exportSign(picgen::kWavespellBoardCode, 25, 12, true);
    ASSERT_EQ(sign.layers.size(), 13u);
    const QPoint shift(0, 80);  // the board starts above the page's top
    const QRect board = fontgen::pictureRect(sign, picgen::geo::kWavespellBoard, kPage.width()).translated(shift);
    for (int i = 1; i <= 13; ++i) {
        ExportedSign one = sign;
        one.layers = {sign.layers[static_cast<std::size_t>(i - 1)]};
        const QRect got = fontgen::inkBox(fontgen::glyphCoverage(one, kPage, shift));
        const QRect cell = picgen::geo::wavespellCell(i).translated(
            board.topLeft() - QPoint(picgen::geo::kWavespellLeft, picgen::geo::kWavespellTop));
        EXPECT_LE((got.center() - cell.center()).manhattanLength(), 4) << "day " << i;
        EXPECT_NEAR(got.width(), cell.width(), 4) << "day " << i;
        EXPECT_NEAR(got.height(), cell.height(), 4) << "day " << i;
    }
}

// Figure m in glyph form (a base glyph and perhaps a piece filling one gap)
// shows the same six lines as picture m: a line is solid exactly where the
// picture's is.
TEST_F(RegisteredFonts, LineFiguresInGlyphFormFollowTheirPictures) {
    for (int code = 251; code <= 314; ++code) {
        const ExportedSign sign = exportSign(code, 250, 160, false);
        const QImage pic = pictureOf(code);
        const QRect at = fontgen::pictureRect(sign, pic.size(), kPage.width());
        const QImage glyphs = fontgen::glyphCoverage(sign, kPage);
        // Black ink of the figure (the frame round it is grey).
        auto black = [&](int x, int y) {
            const QRgb c = glyphs.pixel(at.x() + x, at.y() + y);
            return qAlpha(c) > 128 && qRed(c) < 100;
        };
        for (int i = 0; i < 6; ++i) {
            const int row = layout::kFigureBottomRow - layout::kFigurePitch * i + layout::kFigurePiece.h / 2;
            const bool solid = qRed(pic.pixel(pic.width() / 2, row)) > 150;  // gold line, or the background in the gap
            EXPECT_TRUE(black(6, row) || black(6, row - 1) || black(6, row + 1)) << "code " << code << " line " << i;
            const bool inked = black(pic.width() / 2, row) || black(pic.width() / 2, row - 1);
            EXPECT_EQ(inked, solid) << "code " << code << " line " << i;
        }
    }
}

}  // namespace
}  // namespace kl
