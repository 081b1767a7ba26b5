// The full-screen boards, their pieces and data files: every position the
// views compute lands on the picture it is drawn over. Positions are worked
// out here from the views' own formulas, not taken from the generator.
#include <gtest/gtest.h>

#include <QFont>
#include <QFontMetrics>
#include <QRect>
#include <QStringList>

#include <cmath>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "core/kin.h"
#include "data/textdb.h"
#include "platform/codec.h"
#include "platform/files.h"
#include "platform/picture.h"
#include "support/testsupport.h"

namespace {

using kl::platform::Picture;
using kl::platform::Rgb;

constexpr Rgb kBackground{7, 0, 35};
const QRect kView(0, 0, 670, 550);

Picture shipped(const std::string& name) { return Picture::load(std::string(KL_SHIPPED_DIR) + "/graphic/" + name); }
int roundEven(double v) { return static_cast<int>(std::nearbyint(v)); }
// Left edge of a picture drawn centred at offset x (view centre 299).
int centred(int x, int width) { return 299 + x - width / 2; }

// A board placed in the view: reads its pixel at a view position.
struct Placed {
    Picture picture;
    QPoint at;
    QRect rect() const { return QRect(at, QSize(picture.width(), picture.height())); }
    Rgb pixel(QPoint view) const { return picture.pixel(view.x() - at.x(), view.y() - at.y()); }
    bool covers(QPoint view) const { return rect().contains(view); }
};

// The program directory is the run directory while these tests read its files.
class RunDirectory : public ::testing::Test {
protected:
    void SetUp() override {
        previous_ = kl::platform::programDirectory();
        kl::platform::setProgramDirectory(KL_SHIPPED_DIR);
    }
    void TearDown() override { kl::platform::setProgramDirectory(previous_); }
    std::string previous_;
};

TEST(BoardPictures, FitTheViewWhereTheyAreDrawn) {
    struct Board { const char* name; int x, y; bool centre; int w, h; };
    // The telektonon covers the whole view; the others are as wide as their
    // content needs (checked below), but must not leave the view.
    for (const Board& b : {Board{"zolkin.bmp", 20, 30, true, 0, 0}, Board{"wavespell.bmp", 25, 12, true, 0, 0},
                           Board{"wave1.bmp", 0, 12, true, 0, 0}, Board{"wings.bmp", 0, 10, true, 0, 0},
                           Board{"telectonon.bmp", 0, 0, false, 670, 550}}) {
        const Picture p = shipped(b.name);
        const QRect placed(b.centre ? centred(b.x, p.width()) : b.x, b.y, p.width(), p.height());
        EXPECT_TRUE(kView.contains(placed)) << b.name << " at " << placed.x() << "," << placed.y();
        if (b.w) {
            EXPECT_EQ(QSize(p.width(), p.height()), QSize(b.w, b.h)) << b.name;
        }
    }
}

TEST(PiecePictures, EachHasAMaskOfItsSize) {
    struct Pair { std::vector<std::string> pictures; std::string mask; };
    const std::vector<Pair> pairs = {
        {{"shine1.bmp"}, "shine1t.bmp"}, {{"shine2.bmp", "shine7.bmp", "shine8.bmp", "shine9.bmp"}, "shine2t.bmp"},
        {{"shine3.bmp"}, "shine3t.bmp"}, {{"shine4.bmp"}, "shine4t.bmp"}, {{"shine5.bmp"}, "shine5t.bmp"},
        {{"shine6.bmp"}, "shine6t.bmp"},
        {{"PulsV.bmp", "PulsW.bmp", "PulsB.bmp", "PulsY.bmp", "PulsL.bmp", "PulsR.bmp"}, "Puls1.bmp"},
        {{"tlpyrG.bmp", "tlpyrR.bmp", "tlpyrW.bmp", "tlpyrB.bmp", "tlpyrY.bmp"}, "tlpyrA.bmp"},
        {{"tlcr.bmp"}, "tlcrA.bmp"}, {{"tlstB.bmp", "tlstW.bmp"}, "tlstA.bmp"},
        {{"trY0.bmp", "trW0.bmp", "trG0.bmp"}, "trA0.bmp"}, {{"trY1.bmp", "trW1.bmp", "trG1.bmp"}, "trA1.bmp"},
        {{"trY2.bmp", "trW2.bmp", "trG2.bmp"}, "trA2.bmp"}, {{"trY3.bmp", "trW3.bmp", "trG3.bmp"}, "trA3.bmp"},
    };
    for (const Pair& pair : pairs) {
        const Picture mask = shipped(pair.mask);
        // A mask that shows nothing would make the piece invisible.
        int shown = 0;
        for (int y = 0; y < mask.height(); ++y)
            for (int x = 0; x < mask.width(); ++x) shown += mask.pixel(x, y).r > 128;
        EXPECT_GT(shown, 0) << pair.mask;
        for (const std::string& name : pair.pictures) {
            const Picture p = shipped(name);
            EXPECT_EQ(p.width(), mask.width()) << name;
            EXPECT_EQ(p.height(), mask.height()) << name;
        }
    }
    // Telektonon pieces fit one 33-pixel cell.
    for (const char* name : {"trA0.bmp", "tlpyrA.bmp", "tlcrA.bmp", "tlstA.bmp"}) {
        const Picture p = shipped(name);
        EXPECT_LE(p.width(), 33) << name;
        EXPECT_LE(p.height(), 33) << name;
    }
}

// The shine's centre: the middle of its picture at the given top-left.
QPoint shineCentre(QPoint topLeft, const Picture& shine) {
    return topLeft + QPoint(shine.width() / 2, shine.height() / 2);
}

TEST(Tzolkin, EveryKinsShineSitsOnItsOwnCell) {
    const Picture board = shipped("zolkin.bmp");
    const Placed z{board, QPoint(centred(20, board.width()), 30)};
    const Picture shine = shipped("shine3.bmp");
    auto at = [&](int kin) { return QPoint(23 * ((kin - 1) / 20) + 156, 22 * ((kin - 1) % 20) + 16); };
    // Cells are parted by grid lines, in gold round the mystic column.
    const Rgb gridLine{96, 80, 150}, frameLine{140, 112, 58};
    // Between two neighbouring kins' centres there is a grid line, so no two
    // kins share a cell.
    auto lineBetween = [&](QPoint a, QPoint b) {
        const int n = std::max(std::abs(b.x() - a.x()), std::abs(b.y() - a.y()));
        for (int i = 1; i < n; ++i) {
            const QPoint q(a.x() + (b.x() - a.x()) * i / n, a.y() + (b.y() - a.y()) * i / n);
            if (z.pixel(q) == gridLine || z.pixel(q) == frameLine) return true;
        }
        return false;
    };
    for (int kin = 1; kin <= 260; ++kin) {
        const QRect r(at(kin), QSize(shine.width(), shine.height()));
        ASSERT_TRUE(kView.contains(r)) << "kin " << kin;
        const QPoint c = shineCentre(at(kin), shine);
        ASSERT_TRUE(z.covers(c)) << "kin " << kin;
        ASSERT_NE(z.pixel(c), kBackground) << "kin " << kin;
        if ((kin - 1) % 20 != 19) {
            EXPECT_TRUE(lineBetween(c, shineCentre(at(kin + 1), shine))) << kin;
        }
        if (kin <= 240) {
            EXPECT_TRUE(lineBetween(c, shineCentre(at(kin + 20), shine))) << kin;
        }
        // Portal kins are the green cells (sampled clear of the kin number).
        const Rgb fill = z.pixel(c - QPoint(7, 7));
        const bool green = fill.g > fill.r + 30 && fill.g > fill.b + 30;
        EXPECT_EQ(green, kl::isPortalKin(kin)) << "kin " << kin;
    }
    // The row labels stand clear of the board: right-aligned at x 141 and
    // left-aligned at x 496.
    EXPECT_GT(z.rect().left(), 141);
    EXPECT_LT(z.rect().right(), 496);
}

QPoint slot(int i) {
    if (i <= 5) return {0, i};
    if (i <= 9) return {i - 5, 5};
    if (i <= 12) return {4, 14 - i};
    return {3, 2};
}

TEST(Wavespell, DaysAndPulsarPointsLieOnTheBoard) {
    const Picture board = shipped("wavespell.bmp");
    const Placed w{board, QPoint(centred(25, board.width()), 12)};
    const Picture shine = shipped("shine1.bmp");
    const Picture stamp = shipped("Puls1.bmp");
    std::set<std::pair<int, int>> points;
    for (int i = 1; i <= 13; ++i) {
        const int g = 102 * slot(i).x(), h = 91 * slot(i).y();
        // Seal, tone and guide pictures, each on the day's plate.
        for (const QRect& r : {QRect(g + 79, h - 44, 45, 45), QRect(g + 79, h - 68, 45, 22), QRect(g + 128, h - 35, 35, 35)}) {
            ASSERT_TRUE(w.rect().contains(r)) << "day " << i;
            for (QPoint corner : {r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight()})
                EXPECT_NE(w.pixel(corner), kBackground) << "day " << i;
        }
        // The shine round the day, centred on the plate.
        const QPoint s(g + 50, h - 91);
        EXPECT_TRUE(kView.contains(QRect(s, QSize(shine.width(), shine.height())))) << "day " << i;
        EXPECT_TRUE(QRect(g + 79, h - 68, 84, 69).contains(shineCentre(s, shine))) << "day " << i;
        // The pulsar point of tone i (the pulse stamp's top-left).
        int col, row;
        if (i <= 5) { col = 1; row = i; } else if (i <= 9) { col = i - 4; row = 5; }
        else if (i <= 12) { col = 5; row = 14 - i; } else { col = 4; row = 2; }
        const QPoint tp(102 * col + 15, 91 * row - 30);
        EXPECT_TRUE(w.rect().contains(QRect(tp, QSize(stamp.width(), stamp.height())))) << "tone " << i;
        EXPECT_NE(w.pixel(tp), kBackground) << "tone " << i;
        points.insert({tp.x(), tp.y()});
    }
    EXPECT_EQ(points.size(), 13u);
    EXPECT_EQ(*points.begin(), std::make_pair(117, 61));  // tone 1
}

TEST_F(RunDirectory, WingsCellsFromTechDatLieOnTheirCastles) {
    const Picture board = shipped("wings.bmp");
    const Placed w{board, QPoint(centred(0, board.width()), 10)};
    const Picture shine = shipped("shine4.bmp");
    std::string past;
    kl::readtext(520, "tech.dat", past);
    EXPECT_EQ(past, "");  // 520 lines, no more
    std::vector<QPoint> cells;
    for (int kin = 1; kin <= 260; ++kin) {
        std::string xs, ys;
        kl::readtext(2 * kin - 2, "tech.dat", xs);
        kl::readtext(2 * kin - 1, "tech.dat", ys);
        size_t used = 0;
        const int x = std::stoi(xs, &used);
        EXPECT_EQ(used, xs.size()) << xs;
        const int y = std::stoi(ys, &used);
        EXPECT_EQ(used, ys.size()) << ys;
        cells.emplace_back(x, y);
        const QPoint s(x - 7, y - 14);
        ASSERT_TRUE(kView.contains(QRect(s, QSize(shine.width(), shine.height())))) << "kin " << kin;
        const QPoint c = shineCentre(s, shine);
        ASSERT_TRUE(w.covers(c)) << "kin " << kin;
        EXPECT_NE(w.pixel(c), kBackground) << "kin " << kin;
    }
    // Each kin has its own cell, and each castle its own part of the board.
    std::vector<QRect> castles(5);
    for (int kin = 1; kin <= 260; ++kin) {
        const QRect cell(cells[kin - 1].x(), cells[kin - 1].y() - 7, 14, 14);
        castles[(kin - 1) / 52] |= cell;
        for (int other = 1; other < kin; ++other)
            ASSERT_FALSE(cell.intersects(QRect(cells[other - 1].x(), cells[other - 1].y() - 7, 14, 14)))
                << kin << " and " << other;
    }
    for (int a = 0; a < 5; ++a)
        for (int b = a + 1; b < 5; ++b) EXPECT_FALSE(castles[a].intersects(castles[b])) << a << " " << b;
    // The day icon of the view (445..506, 75..133) stays clear of the cells.
    for (const QRect& c : castles) EXPECT_FALSE(c.intersects(QRect(QPoint(445, 75), QPoint(506, 133))));
}

// Telektonon cells and the turtles' walk, as the view computes them.
QPoint cellAt(int c, int r) { return {roundEven(133 + 33.5 * c), roundEven(133 + 33.5 * r)}; }

struct Walk { QPoint y{1, 6}, w{1, 1}, g{4, 3}; };
Walk walk(int days, bool heavenWalk) {
    Walk t;
    for (int k = 1; k <= days; ++k) {
        if (k <= 12) t.y.rx() += 1; else if (k <= 17) t.y.ry() -= 1; else t.y.rx() -= 1;
        if (k <= 6 || k >= 24) t.w.rx() += k <= 6 ? 1 : -1;
        if (k == 7) t.g = {6, 5};
        else if (k >= 8 && k <= 10) t.g.ry() -= 1;
        else if (k == 11 || k == 12 || k == 13 || k == 21) t.g.rx() -= 1;
        else if ((k >= 14 && k <= 16) || k == 22) t.g.ry() += 1;
        else if (k == 17 || k == 18) t.g.rx() += 1;
        else if (k == 19 || k == 20) t.g.ry() -= 1;
        else if (k == 23) t.g = {7, 1};
        else if (k >= 24) { if (heavenWalk) t.g.rx() -= 1; else t.g = {4, 3}; }
    }
    return t;
}

struct Rect32 { std::int32_t left, top, right, bottom; };

std::vector<Rect32> hotRectangles() {
    std::string bytes;
    EXPECT_TRUE(kl::platform::readFileBytes(std::string(KL_SHIPPED_DIR) + "/HRCT.dat", bytes));
    EXPECT_EQ(bytes.size(), 70u * 16u);
    std::vector<Rect32> rects;
    auto word = [&](size_t at) {
        std::uint32_t v = 0;
        for (int k = 3; k >= 0; --k) v = (v << 8) | static_cast<unsigned char>(bytes[at + k]);
        return static_cast<std::int32_t>(v);
    };
    for (size_t k = 0; k + 16 <= bytes.size() && k < 70 * 16; k += 16)
        rects.push_back({word(k), word(k + 4), word(k + 8), word(k + 12)});
    return rects;
}

// The first field strictly containing the point, as the hint lookup finds it.
int fieldAt(const std::vector<Rect32>& rects, QPoint p) {
    for (size_t k = 0; k < rects.size(); ++k)
        if (rects[k].left < p.x() && p.x() < rects[k].right && rects[k].top < p.y() && p.y() < rects[k].bottom) return int(k);
    return -1;
}

TEST(Telektonon, WalkPiecesAndFieldsLandOnTheBoard) {
    const Picture board = shipped("telectonon.bmp");
    const Placed t{board, QPoint(0, 0)};
    const std::vector<Rect32> rects = hotRectangles();
    ASSERT_EQ(rects.size(), 70u);
    const QRect hintBox(QPoint(505, 455), QPoint(665, 535));
    for (const Rect32& r : rects) {
        const QRect inside(QPoint(r.left + 1, r.top + 1), QPoint(r.right - 1, r.bottom - 1));
        EXPECT_FALSE(inside.isEmpty());
        EXPECT_TRUE(kView.contains(inside)) << r.left << "," << r.top;
        EXPECT_FALSE(inside.intersects(hintBox)) << r.left << "," << r.top;
    }
    // Every cell a turtle stands on, on any day, is a board cell with a field.
    std::set<std::pair<int, int>> used;
    for (int d = 1; d <= 28; ++d)
        for (bool heaven : {false, true}) {
            const Walk w = walk(d, heaven);
            for (QPoint c : {w.y, w.w, w.g}) used.insert({c.x(), c.y()});
        }
    EXPECT_TRUE(used.count({7, 1}));
    for (auto [c, r] : used) {
        const QPoint mid = cellAt(c, r) + QPoint(16, 16);
        EXPECT_NE(t.pixel(mid), kBackground) << c << "," << r;
        EXPECT_GE(fieldAt(rects, mid), 0) << c << "," << r;
        EXPECT_TRUE(kView.contains(QRect(cellAt(c, r) + QPoint(-18, -15), QSize(33 + 36, 33 + 30))));
    }
    // Seal block and pyramid columns: each seal's cell is its own field.
    std::set<int> fields;
    for (int s = 1; s <= 20; ++s) {
        const QPoint block = s == 20 ? QPoint(8, 2) : QPoint(s % 5 + 8, s / 5 + 2);
        const int b = s == 20 ? 0 : s;
        const QPoint pyramid = b < 10 ? QPoint(2, b - 1) : QPoint(7, 18 - b);
        for (QPoint c : {block, pyramid}) {
            const QPoint mid = cellAt(c.x(), c.y()) + QPoint(16, 16);
            EXPECT_NE(t.pixel(mid), kBackground) << "seal " << s;
            const int f = fieldAt(rects, mid);
            EXPECT_GE(f, 0) << "seal " << s;
            fields.insert(f);
        }
        EXPECT_EQ(fieldAt(rects, cellAt(block.x(), block.y()) + QPoint(16, 16)), s - 1);
    }
    EXPECT_EQ(fields.size(), 40u);
    EXPECT_EQ(cellAt(2, -1), QPoint(200, 100));  // seal 20's pyramid cell
}

TEST(Telektonon, StarsRunRoundTheDials) {
    const Picture board = shipped("telectonon.bmp");
    const Picture star = shipped("tlstA.bmp");
    const QPoint half(star.width() / 2, star.height() / 2);
    auto on = [&](double a, double r, QPoint origin) {
        const double rad = -a * M_PI / 180;
        return QPoint(roundEven(std::cos(rad) * r) + origin.x(), roundEven(std::sin(rad) * r) + origin.y());
    };
    auto check = [&](QPoint topLeft, const char* what, int n) {
        EXPECT_TRUE(kView.contains(QRect(topLeft, QSize(star.width(), star.height())))) << what << " " << n;
        const QPoint c = topLeft + half;
        const Rgb px = board.pixel(c.x(), c.y());
        EXPECT_NE(px, kBackground) << what << " " << n;
    };
    for (int s = 1; s <= 20; ++s) check(on(18 * s + 99, 52, {71, 103}), "seal", s);
    for (int d = 1; d <= 28; ++d) check(on(roundEven(d * 12.85714 + 83), 52, {71, 416}), "day", d);
    for (int n = 1; n <= 13; ++n) {
        const QPoint tone = n <= 10 ? on(36 * n + 89, 30, {71, 103}) : QPoint(71, 103 + (n - 12) * 13);
        const QPoint moon = n <= 10 ? on(36 * n + 90, 30, {71, 416}) : QPoint(71, 416 + (n - 12) * 13);
        check(tone, "tone", n);
        check(moon, "moon", n);
    }
}

class FieldHints : public RunDirectory, public ::testing::WithParamInterface<kl::Language> {};
INSTANTIATE_TEST_SUITE_P(Texts, FieldHints, kl::test::kBothLanguages, kl::test::languageTestName);

TEST_P(FieldHints, FitTheHintBox) {
    const kl::test::TextLanguageScope language(GetParam());
    std::string past;
    kl::readtext(70, "Fieldhlp.drs", past);
    EXPECT_EQ(past, "");
    QFont preset6("Arial");
    preset6.setPixelSize(9);
    const QFontMetrics fm(preset6);
    for (int k = 0; k < 70; ++k) {
        std::string hint;
        kl::readtext(k, "Fieldhlp.drs", hint);
        ASSERT_FALSE(hint.empty()) << "hint " << k;
        // Two spaces break a line; lines are 10 pixels apart in an 80-pixel box.
        const QStringList lines = QString::fromStdString(hint).split("  ");
        EXPECT_LE(lines.size() * 10, 80) << "hint " << k;
        for (const QString& line : lines) EXPECT_LE(fm.horizontalAdvance(line), 160) << "hint " << k << ": " << line.toStdString();
    }
}

}  // namespace

namespace {

// Every shine the views lay must fit the view (the blend refuses one that
// does not, and the view then shows no mark), be centred on the cell it
// marks, and leave that cell's middle clear so its signs stay readable.
TEST(Shines, FitAndCentreOnEveryCellTheViewsMark) {
    struct Use { std::string picture, mask; std::vector<QRect> cells; std::vector<QPoint> at; };
    std::vector<Use> uses(5);
    // Moon-month view: cell frame at (x - 30, y + 50), 76 x 86; shine at (x - 40, y + 40).
    uses[0] = {"shine2.bmp", "shine2t.bmp", {}, {}};
    for (int i = 1; i <= 4; ++i)
        for (int j = 1; j <= 7; ++j) {
            uses[0].cells.emplace_back(76 * j - 30, 86 * i + 50, 76, 86);
            uses[0].at.emplace_back(76 * j - 40, 86 * i + 40);
        }
    // Week view: the day's column from its frame at y 129 down past the
    // vinals at y 420; shine at (x - 40, 119).
    uses[1] = {"shine6.bmp", "shine6t.bmp", {}, {}};
    for (int i = 1; i <= 7; ++i) {
        uses[1].cells.emplace_back(76 * i - 30, 129, 76, 296);
        uses[1].at.emplace_back(76 * i - 40, 119);
    }
    // Year view: cell frame at (x0 - 1, y0 - 7), 17 x 23; shine at (x0 - 13, y0 - 19).
    uses[2] = {"shine5.bmp", "shine5t.bmp", {}, {}};
    int row = 0, col = 0;
    for (int moon = 0; moon < 13; ++moon) {
        if (moon < 5) ++row; else if (moon <= 8) ++col; else if (moon <= 11) --row; else --col;
        for (int w = 0; w < 4; ++w)
            for (int j = 0; j < 7; ++j) {
                const int x0 = 128 * col + 17 * j + 20, y0 = 100 * row + 23 * w - 78;
                uses[2].cells.emplace_back(x0 - 1, y0 - 7, 17, 23);
                uses[2].at.emplace_back(x0 - 13, y0 - 19);
            }
    }
    // Tzolkin: cell of kin k, 23 x 22 from (170, 30); shine at (23 c + 156, 22 r + 16).
    uses[3] = {"shine3.bmp", "shine3t.bmp", {}, {}};
    for (int c = 0; c < 13; ++c)
        for (int r = 0; r < 20; ++r) {
            uses[3].cells.emplace_back(170 + 23 * c, 30 + 22 * r, 23, 22);
            uses[3].at.emplace_back(23 * c + 156, 22 * r + 16);
        }
    // Wavespell: the tone, seal and guide of day i with its date under them
    // (9 pixels from h + 3); shine at (g + 50, h - 91).
    uses[4] = {"shine1.bmp", "shine1t.bmp", {}, {}};
    for (int i = 1; i <= 13; ++i) {
        const int g = 102 * slot(i).x(), h = 91 * slot(i).y();
        uses[4].cells.push_back(QRect(QPoint(g + 79, h - 68), QPoint(g + 162, h + 12)));
        uses[4].at.emplace_back(g + 50, h - 91);
    }
    for (const Use& use : uses) {
        const Picture mask = shipped(use.mask);
        const QSize size(mask.width(), mask.height());
        // The middle of the mask is clear, its edge zone glows.
        EXPECT_LT(mask.pixel(size.width() / 2, size.height() / 2).r, 16) << use.mask;
        int glowing = 0;
        for (int x = 0; x < size.width(); ++x) glowing += mask.pixel(x, size.height() / 2).r > 100;
        EXPECT_GT(glowing, 0) << use.mask;
        for (size_t k = 0; k < use.cells.size(); ++k) {
            const QRect shine(use.at[k], size);
            ASSERT_TRUE(kView.contains(shine)) << use.picture << " at " << shine.x() << "," << shine.y();
            ASSERT_TRUE(shine.contains(use.cells[k])) << use.picture << " cell " << k;
            const QPointF a = QRectF(shine).center(), b = QRectF(use.cells[k]).center();
            EXPECT_LE(std::abs(a.x() - b.x()), 1.0) << use.picture << " cell " << k;
            EXPECT_LE(std::abs(a.y() - b.y()), 1.0) << use.picture << " cell " << k;
        }
    }
}

TEST(Telektonon, EveryPointHasAtMostOneField) {
    // The hint lookup takes the first field that holds a point; fields that
    // overlapped would hide each other's hints.
    const std::vector<Rect32> rects = hotRectangles();
    for (size_t a = 0; a < rects.size(); ++a)
        for (size_t b = a + 1; b < rects.size(); ++b) {
            const QRect ra(QPoint(rects[a].left + 1, rects[a].top + 1), QPoint(rects[a].right - 1, rects[a].bottom - 1));
            const QRect rb(QPoint(rects[b].left + 1, rects[b].top + 1), QPoint(rects[b].right - 1, rects[b].bottom - 1));
            EXPECT_FALSE(ra.intersects(rb)) << "fields " << a << " and " << b;
        }
}

TEST(ButtonStrips, StatesReadAsNormalDisabledPressedHover) {
    // The button picks a state by position in the strip; a strip in the
    // wrong order would show the disabled look on hover. Disabled is the
    // dimmest state and hover the brightest.
    auto brightness = [](const QImage& img, int state, int w) {
        long sum = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = state * w; x < (state + 1) * w; ++x) {
                const QRgb c = img.pixel(x, y);
                sum += qRed(c) + qGreen(c) + qBlue(c);
            }
        return sum;
    };
    for (auto [path, w] : {std::pair{":/buttons/myButton1.bmp", 15}, {":/buttons/fullscreen/myButton9.bmp", 40},
                           {":/buttons/fullscreen/Button4.bmp", 40}, {":/buttons/print/printbtn.bmp", 32}}) {
        const QImage strip = QImage(path).convertToFormat(QImage::Format_RGB32);
        ASSERT_FALSE(strip.isNull()) << path;
        const long normal = brightness(strip, 0, w), disabled = brightness(strip, 1, w), hover = brightness(strip, 3, w);
        EXPECT_LT(disabled, normal) << path;
        EXPECT_GT(hover, normal) << path;
    }
}

}  // namespace
