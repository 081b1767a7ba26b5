// Whole pages in both forms: a view exported with glyphs and exported with
// pictures, each run through the print interpreter onto the export's page,
// must show the same signs in the same places at the same sizes.
#include <gtest/gtest.h>

#include <QImage>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <cstdio>
#include <cstdlib>
#include <sstream>

#include "core/calendar.h"
#include "core/state.h"
#include "data/conffile.h"
#include "platform/fonts.h"
#include "print/interpreter.h"
#include "support/testsupport.h"
#include "ui/fullscreen/fullstate.h"
#include "ui/fullscreen/viewexport.h"

namespace kl {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

// Edges: a pixel clearly unlike its right or lower neighbour. The two forms
// colour a sign a little differently (a glyph's plate takes the export's
// pure colour and a seal letter carries a thin black rim, which the picture,
// made for a dark ground, has not), but the outlines and the drawing inside
// fall in the same places.
QImage edgeMask(const QImage& page) {
    QImage mask(page.size(), QImage::Format_Grayscale8);
    mask.fill(0);
    const QImage rgb = page.convertToFormat(QImage::Format_RGB32);
    const auto apart = [](QRgb a, QRgb b) {
        return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b)) > 96;
    };
    for (int y = 0; y + 1 < rgb.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        const auto* below = reinterpret_cast<const QRgb*>(rgb.constScanLine(y + 1));
        uchar* out = mask.scanLine(y);
        for (int x = 0; x + 1 < rgb.width(); ++x)
            out[x] = apart(row[x], row[x + 1]) || apart(row[x], below[x]) ? 255 : 0;
    }
    return mask;
}

// The mask grown by `r` pixels in every direction (a square neighbourhood).
QImage dilate(const QImage& mask, int r) {
    const int w = mask.width(), h = mask.height();
    QImage across(mask.size(), QImage::Format_Grayscale8);
    for (int y = 0; y < h; ++y) {
        const uchar* in = mask.constScanLine(y);
        uchar* out = across.scanLine(y);
        for (int x = 0; x < w; ++x) {
            uchar v = 0;
            for (int k = std::max(0, x - r); k <= std::min(w - 1, x + r) && !v; ++k) v = in[k];
            out[x] = v;
        }
    }
    QImage grown(mask.size(), QImage::Format_Grayscale8);
    for (int y = 0; y < h; ++y) {
        uchar* out = grown.scanLine(y);
        for (int x = 0; x < w; ++x) {
            uchar v = 0;
            for (int k = std::max(0, y - r); k <= std::min(h - 1, y + r) && !v; ++k) v = across.constScanLine(k)[x];
            out[x] = v;
        }
    }
    return grown;
}

// How far two pages of the same size are apart: an edge pixel of either
// page with no edge of the other within kReach pixels is unmatched. The
// glyph forms sit mostly 0-4 pixels from their pictures (at worst 6-7 for
// centred 35-pixel seals and tones), which leaves at most a thin unmatched
// seam; a sign that is missing, drawn as a letter, or 10 pixels off leaves
// all or most of its edges unmatched. The worst kTile x kTile square is
// kept to say where to look.
struct PageDifference {
    int worstTile = 0;       // unmatched pixels in the worst tile
    QPoint worstAt;          // that tile's top-left corner
    int unmatched = 0;       // over the whole page
    int ink = 0;             // edge pixels of both pages together
    double share() const { return ink ? static_cast<double>(unmatched) / ink : 1.0; }
};

constexpr int kReach = 3;
constexpr int kTile = 32;

PageDifference compare(const QImage& a, const QImage& b, QImage* where = nullptr) {
    const QImage ma = edgeMask(a), mb = edgeMask(b);
    const QImage ga = dilate(ma, kReach), gb = dilate(mb, kReach);
    const int tilesX = (a.width() + kTile - 1) / kTile, tilesY = (a.height() + kTile - 1) / kTile;
    std::vector<int> tiles(static_cast<std::size_t>(tilesX * tilesY), 0);
    PageDifference d;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const bool inA = ma.constScanLine(y)[x], inB = mb.constScanLine(y)[x];
            d.ink += inA + inB;
            const bool lost = (inA && !gb.constScanLine(y)[x]) || (inB && !ga.constScanLine(y)[x]);
            if (!lost) continue;
            ++d.unmatched;
            if (where) where->setPixel(x, y, qRgb(255, 0, 0));
            ++tiles[static_cast<std::size_t>(y / kTile * tilesX + x / kTile)];
        }
    const auto worst = std::max_element(tiles.begin(), tiles.end());
    d.worstTile = *worst;
    const int i = static_cast<int>(worst - tiles.begin());
    d.worstAt = QPoint(i % tilesX * kTile, i / tilesX * kTile);
    return d;
}

// The share of unmatched edge pixels a page may have, per view. Set from
// the pages as they are (two dates each) with room to spare, and well below
// what a fault gives:
//   day view:   0 % and 2.3 % measured (the rim of a white seal's glyph
//               lies 2 px inside the picture's edge); all glyphs 10 px off
//               12.2 %, a face without signs 10.6 %;
//   moon month: 6.1 % and 6.1 % (the cells' frames: the glyph frame is a
//               plain stroke of the week's colour, the picture's a pale
//               double line whose inner edge is faint); 27.9 % and 28.1 %;
//   year:       0.7 % and 0.8 %; 6.8 % and 2.8 % (its signs are 19-21 px,
//               so a substitute letter lands near the sign's own edges).
double allowedShare(int mode) { return mode == 0 ? 0.03 : mode == 7 ? 0.10 : 0.016; }

class GlyphPages : public test::ProgramDirTest {
protected:
    void SetUp() override {
        ProgramDirTest::SetUp();
        // The shipped files, read where the generators leave them.
        for (const fs::directory_entry& e : fs::directory_iterator(KL_SHIPPED_DIR))
            fs::create_symlink(e.path(), fs::path(dir) / e.path().filename());
        const std::vector<std::string> problems = platform::registerProgramFonts(KL_SHIPPED_DIR "/fonts");
        ASSERT_TRUE(problems.empty()) << problems.front();
        loadConfWithoutDialog();
    }
    void TearDown() override {
        _TEXTGRAPHIC = false;
        ProgramDirTest::TearDown();
    }

    // The export of `mode` on `date` as the command line writes it.
    ScriptSink exportOf(int mode, GregorianDate date, bool glyphs) {
        currentDate = date;
        currentDay = computeCalendarDay(date);
        _TEXTGRAPHIC = glyphs;
        ScriptSink sink;
        EXPECT_TRUE(exportView(mode, sink));
        sink.lines = selfContained(sink);
        sink.yearExportList.clear();
        return sink;
    }

    // The script drawn on a page of the export's size.
    QImage pageOf(const ScriptSink& sink, GregorianDate date) {
        print::PrintState state;
        state.script = sink;
        print::setPrintDay(state, computeCalendarDay(date));
        platform::Picture page;
        const print::RunResult r = print::showPage(state, page);
        EXPECT_TRUE(r.clean()) << r.failedLines << " failed lines, " << r.missingPictures << " missing pictures"
                               << (r.failures.empty() ? "" : ": " + r.failures.front().line);
        return page.image();
    }

    // The two pages of `mode` on `date` compared, the glyph script first
    // spoilt by `spoil` if given. With KL_KEEP_PAGES=DIR set, the unspoilt
    // pages are kept there, with the unmatched edges marked red.
    PageDifference differenceOf(int mode, GregorianDate date,
                                const std::function<void(Lines&)>& spoil = {}) {
        ScriptSink glyphs = exportOf(mode, date, true);
        const ScriptSink pictures = exportOf(mode, date, false);
        if (spoil) spoil(glyphs.lines);
        const QImage a = pageOf(glyphs, date), b = pageOf(pictures, date);
        EXPECT_EQ(a.size(), QSize(glyphs.canvasWidth, glyphs.canvasHeight));
        EXPECT_EQ(a.size(), b.size());
        if (const char* keep = std::getenv("KL_KEEP_PAGES"); keep && !spoil) {
            const QString stem = QString("%1/mode%2-%3").arg(keep).arg(mode).arg(date.year);
            a.save(stem + "-glyphs.png");
            b.save(stem + "-pictures.png");
            QImage where = b.convertToFormat(QImage::Format_RGB32);
            const PageDifference d = compare(a, b, &where);
            where.save(stem + "-unmatched.png");
            return d;
        }
        return compare(a, b);
    }
};

const GregorianDate kDates[] = {{8, 12, 0, 2026}, {10, 3, 0, 2005}};

std::string describe(const PageDifference& d) {
    std::ostringstream s;
    s << "worst tile " << d.worstTile << " unmatched pixels at " << d.worstAt.x() << "," << d.worstAt.y()
      << "; page " << d.unmatched << " of " << d.ink << " edge pixels unmatched (" << 100 * d.share() << " %)";
    return s.str();
}

TEST_F(GlyphPages, DayMoonAndYearPagesShowTheSameSignsInBothForms) {
    for (const GregorianDate& date : kDates)
        for (int mode : {0, 7, 9}) {
            const PageDifference d = differenceOf(mode, date);
            SCOPED_TRACE("mode " + std::to_string(mode) + ", " + std::to_string(date.year));
            EXPECT_GT(d.ink, 20000);  // pages with signs on them, not two blank ones
            EXPECT_LE(d.share(), allowedShare(mode)) << describe(d);
            std::printf("mode %d %d-%02d-%02d: %s\n", mode, date.year, date.month, date.day, describe(d).c_str());
        }
}

// The box of the pixels near `colour`, inside `within`.
QRect colourBox(const QImage& page, const QRect& within, QRgb colour) {
    const QImage rgb = page.convertToFormat(QImage::Format_RGB32);
    QRect box;
    for (int y = std::max(0, within.top()); y <= std::min(rgb.height() - 1, within.bottom()); ++y)
        for (int x = std::max(0, within.left()); x <= std::min(rgb.width() - 1, within.right()); ++x) {
            const QRgb c = rgb.pixel(x, y);
            if (std::abs(qRed(c) - qRed(colour)) + std::abs(qGreen(c) - qGreen(colour)) +
                    std::abs(qBlue(c) - qBlue(colour)) < 40)
                box |= QRect(x, y, 1, 1);
        }
    return box;
}

const QRgb kGold = qRgb(236, 196, 96);
const QRgb kBone = qRgb(244, 238, 222);

QRect goldBox(const QImage& page, const QRect& within) { return colourBox(page, within, kGold); }

// A box of one colour on the glyph page against the box of that colour on
// the picture page: about `size` pixels square, corners within 2 pixels.
void expectAtPicture(const QRect& glyph, const QRect& picture, int size) {
    EXPECT_NEAR(glyph.width(), size, 2);
    EXPECT_NEAR(glyph.height(), size, 2);
    ASSERT_FALSE(picture.isNull()) << "nothing of that colour near " << glyph.x() << "," << glyph.y()
                                   << " on the picture page";
    EXPECT_LE((glyph.topLeft() - picture.topLeft()).manhattanLength(), 2);
    EXPECT_LE((glyph.bottomRight() - picture.bottomRight()).manhattanLength(), 2);
}

// The year view's gold dot is drawn by the glyph page as it is by the
// picture page: the only gold on the glyph page, at the picture's place
// and size.
TEST_F(GlyphPages, TheYearDotIsGoldWhereItsPictureIs) {
    const GregorianDate date = kDates[0];
    const QImage glyphs = pageOf(exportOf(9, date, true), date);
    const QImage pictures = pageOf(exportOf(9, date, false), date);
    const QRect glyph = goldBox(glyphs, glyphs.rect());
    ASSERT_FALSE(glyph.isNull()) << "no gold on the glyph page";
    expectAtPicture(glyph, goldBox(pictures, glyph.adjusted(-8, -8, 8, 8)), 10);
}

// The day out of time's dot, on the year grid and on the moon page: the
// glyph page's only gold is the dot's core, and the core and the bone disc
// round it lie where the picture page has them, at the picture's size.
TEST_F(GlyphPages, TheDayOutOfTimeDotIsBoneAndGoldWhereItsPictureIs) {
    const GregorianDate date{25, 7, 0, 2026};
    for (int mode : {7, 9}) {
        SCOPED_TRACE("mode " + std::to_string(mode));
        const QImage glyphs = pageOf(exportOf(mode, date, true), date);
        const QImage pictures = pageOf(exportOf(mode, date, false), date);
        const QRect core = goldBox(glyphs, glyphs.rect());
        ASSERT_FALSE(core.isNull()) << "no gold on the glyph page";
        expectAtPicture(core, goldBox(pictures, core.adjusted(-10, -10, 10, 10)), 6);
        // The disc reaches 3 pixels past the core; its neighbours stay further off.
        const QRect near = core.adjusted(-5, -5, 5, 5);
        const QRect disc = colourBox(glyphs, near, kBone);
        ASSERT_FALSE(disc.isNull()) << "no bone round the core";
        EXPECT_TRUE(disc.contains(core, true)) << "the core is drawn over the disc";
        // The picture's disc has a dark rim where its edge was smoothed
        // against the key colour, so its bone is a pixel narrower each side.
        expectAtPicture(disc, colourBox(pictures, near, kBone), 12);
    }
}

// Every glyph line moved 10 pixels right, or the faces replaced by a face
// that has no signs: the measure sees it on every page.
TEST_F(GlyphPages, MisplacedOrWrongGlyphsAreSeen) {
    const auto moved = [](Lines& lines) {
        for (std::string& line : lines) {
            std::istringstream in(line);
            std::string word, rest;
            int x = 0, y = 0;
            if (!(in >> word >> x >> y) || word != "TEXT") continue;
            std::getline(in, rest);
            line = "TEXT " + std::to_string(x + 10) + " " + std::to_string(y) + rest;
        }
    };
    const auto plainFace = [](Lines& lines) {
        for (std::string& line : lines) {
            if (line.rfind("FONT ", 0) != 0) continue;
            std::istringstream in(line);
            std::string field;
            std::string kept;
            for (int i = 0; i < 8 && in >> field; ++i) kept += field + " ";
            line = kept + "Sans";
        }
    };
    for (int mode : {0, 7, 9}) {
        SCOPED_TRACE("mode " + std::to_string(mode));
        const PageDifference shifted = differenceOf(mode, kDates[0], moved);
        EXPECT_GT(shifted.share(), allowedShare(mode)) << describe(shifted);
        const PageDifference letters = differenceOf(mode, kDates[0], plainFace);
        EXPECT_GT(letters.share(), allowedShare(mode)) << describe(letters);
        std::printf("mode %d shifted: %s\nmode %d plain face: %s\n", mode, describe(shifted).c_str(), mode,
                    describe(letters).c_str());
    }
}

}  // namespace
}  // namespace kl
