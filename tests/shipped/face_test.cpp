// The compact face pictures and the button strips compiled into the windows:
// sizes, and that the traced window shapes hold everything drawn on them.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QRect>

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "imaging/blend.h"
#include "platform/picture.h"
#include "shipped/text_support.h"

namespace {

using kl::platform::Picture;

Picture shipped(const std::string& name) { return Picture::load(std::string(KL_SHIPPED_DIR) + "/graphic/" + name); }

// Every pixel of `r` (inclusive edges) lies in `region`.
::testing::AssertionResult covers(const QRegion& region, const QRect& r) {
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (!region.contains(QPoint(x, y)))
                return ::testing::AssertionFailure() << "(" << x << ", " << y << ") is outside the shape";
    return ::testing::AssertionSuccess();
}

TEST(FacePictures, HaveTheWindowSize) {
    for (const char* name : {"frame1.bmp", "frameclr.bmp", "pyr0.bmp", "pyrA0.bmp"}) {
        const Picture p = shipped(name);
        EXPECT_EQ(p.width(), 600) << name;
        EXPECT_EQ(p.height(), 450) << name;
    }
    const Picture moon = shipped("moon.bmp");
    EXPECT_EQ(moon.width(), 60);
    EXPECT_EQ(moon.height(), 60);
    const Picture printMoon = shipped("moon2.bmp");
    EXPECT_EQ(printMoon.width(), printMoon.height());
    EXPECT_GE(printMoon.width(), 120);
}

TEST(FaceShape, HoldsEveryItemTheFacePainterDraws) {
    const QRegion shape = kl::bmptorgn(shipped("pyrA0.bmp"), 0, false);
    // Hot rectangles 1..7.
    for (const QRect& hot : {QRect(QPoint(226, 177), QPoint(298, 217)), QRect(QPoint(226, 222), QPoint(298, 294)),
                             QRect(QPoint(310, 231), QPoint(370, 291)), QRect(QPoint(154, 218), QPoint(208, 272)),
                             QRect(QPoint(393, 218), QPoint(447, 272)), QRect(QPoint(125, 300), QPoint(475, 390)),
                             QRect(QPoint(285, 70), QPoint(315, 95))})
        EXPECT_TRUE(covers(shape, hot));
    // Glyphs: plasma at (150, 216), tone (227, 182), seal (224, 220), guide
    // (308, 229), moon 60 x 60 at (390, 216).
    EXPECT_TRUE(covers(shape, QRect(150, 216, 60, 60)));
    EXPECT_TRUE(covers(shape, QRect(224, 178, 76, 118)));
    EXPECT_TRUE(covers(shape, QRect(308, 229, 64, 64)));
    EXPECT_TRUE(covers(shape, QRect(390, 216, 60, 60)));
    // Date lines and names, centred on x = 299 (the widest seal line is 217).
    EXPECT_TRUE(covers(shape, QRect(299 - 120, 97, 240, 32)));
    EXPECT_TRUE(covers(shape, QRect(299 - 110, 140, 220, 40)));
    // Labels at (170, 186..198), (304, 188..214) and (396, 186..198).
    EXPECT_TRUE(covers(shape, QRect(170, 186, 110, 26)));
    EXPECT_TRUE(covers(shape, QRect(304, 188, 150, 38)));
    EXPECT_TRUE(covers(shape, QRect(396, 186, 84, 26)));
    // Six affirmation lines, each up to 350 wide, from y 296 to 368 + a line.
    EXPECT_TRUE(covers(shape, QRect(299 - 175, 296, 350, 86)));
    // Hint label and the two buttons.
    EXPECT_TRUE(covers(shape, QRect(249, 53, 130, 16)));
    EXPECT_TRUE(covers(shape, QRect(264, 75, 15, 17)));
    EXPECT_TRUE(covers(shape, QRect(320, 75, 15, 17)));
    // And the shape is a face, not the whole window.
    EXPECT_FALSE(shape.contains(QPoint(0, 0)));
    EXPECT_FALSE(shape.contains(QPoint(599, 449)));
}

TEST(FaceShape, FacePictureIsOpaqueWhereverTheWindowShows) {
    // A pixel of pyr0 that is black in any channel inside the shape would be
    // a hole if the face picture itself were ever traced; and black outside
    // keeps the face's corners from bleeding into the shape's antialiasing.
    const Picture shape = shipped("pyrA0.bmp");
    const Picture face = shipped("pyr0.bmp");
    int inside = 0;
    for (int y = 0; y < 450; ++y)
        for (int x = 0; x < 600; ++x) {
            const auto s = shape.pixel(x, y);
            const auto f = face.pixel(x, y);
            const bool in = s.r != 0 && s.g != 0 && s.b != 0;
            if (in) {
                ++inside;
                ASSERT_TRUE(f.r && f.g && f.b) << x << "," << y;
            } else {
                ASSERT_EQ(f, kl::platform::Rgb{}) << x << "," << y;
            }
        }
    EXPECT_GT(inside, 100000);
}

// Median of each channel of the face picture over the columns of one row.
kl::platform::Rgb rowMedian(const Picture& face, int y, const std::vector<int>& columns) {
    std::vector<int> r, g, b;
    for (int x : columns) {
        const auto p = face.pixel(x, y);
        r.push_back(p.r), g.push_back(p.g), b.push_back(p.b);
    }
    const auto median = [](std::vector<int>& v) {
        std::nth_element(v.begin(), v.begin() + v.size() / 2, v.end());
        return static_cast<std::uint8_t>(v[v.size() / 2]);
    };
    return {median(r), median(g), median(b)};
}

std::vector<int> columns(int from, int to) {
    std::vector<int> v;
    for (int x = from; x <= to; ++x) v.push_back(x);
    return v;
}

// Row by row, the columns `inside` show the same plain face as the columns
// `beside`: only a few pixels (the stars) may stand out from that row's
// median beside them, where a panel's edge or fill would mark many.
::testing::AssertionResult plainFace(const Picture& face, int top, int bottom, const std::vector<int>& inside,
                                     const std::vector<int>& beside) {
    int marked = 0;
    for (int y = top; y <= bottom; ++y) {
        const auto plain = rowMedian(face, y, beside);
        for (int x : inside) {
            const auto p = face.pixel(x, y);
            if (std::max({std::abs(p.r - plain.r), std::abs(p.g - plain.g), std::abs(p.b - plain.b)}) > 10) ++marked;
        }
    }
    const int stars = static_cast<int>(inside.size()) * (bottom - top + 1) / 100;
    if (marked > stars)
        return ::testing::AssertionFailure() << marked << " pixels stand out, more than the " << stars
                                             << " that stars could explain";
    return ::testing::AssertionSuccess();
}

TEST(FacePicture, LeavesRoomForTheSecondRowOfASealName) {
    // A seal line too wide for one row puts the seal's name alone at y 167,
    // centred, in Arial 13 bold, just above the tone. Wherever the ink of
    // any seal name falls, the face there is plain: no panel edge or fill.
    const auto base = kl::test::shippedLines("BASE.DRS");
    ASSERT_GE(base.size(), 101u);
    QFont font("Arial");
    font.setPixelSize(13);
    font.setBold(true);
    const QFontMetrics metrics(font);
    int top = 450, bottom = -1, left = 600, right = -1;
    for (int seal = 1; seal <= 20; ++seal) {
        const QString name = QString::fromStdString(base[80 + seal]);
        QImage ink(600, 450, QImage::Format_RGB888);
        ink.fill(Qt::black);
        QPainter p(&ink);
        p.setFont(font);
        p.setPen(Qt::white);
        p.drawText(299 - metrics.horizontalAdvance(name) / 2, 167 + metrics.ascent(), name);
        p.end();
        for (int y = 0; y < 450; ++y)
            for (int x = 0; x < 600; ++x)
                if (qGray(ink.pixel(x, y)) > 40) {
                    top = std::min(top, y), bottom = std::max(bottom, y);
                    left = std::min(left, x), right = std::max(right, x);
                }
    }
    ASSERT_LT(top, bottom);
    ASSERT_LT(left, 240);  // the widest name spans the tone's columns
    ASSERT_GT(right, 340);
    // The tone's panel spans x 223..302; compare with the face to its right.
    const Picture face = shipped("pyr0.bmp");
    EXPECT_TRUE(plainFace(face, top, bottom, columns(221, 304), columns(309, right)));
}

TEST(FacePicture, PlasmaPlaceIsPlainFaceWhenThereIsNoPlasma) {
    // On the day out of time nothing is drawn at (150, 216): the 58-pixel
    // place must look like the face around it, not like an empty frame.
    const Picture face = shipped("pyr0.bmp");
    EXPECT_TRUE(plainFace(face, 214, 276, columns(148, 210), columns(118, 146)));
}

TEST(StartFrame, IsASmallEmblemAtTheTopLeft) {
    for (const char* name : {"frame1.bmp", "frameclr.bmp"}) {
        const QRegion shape = kl::bmptorgn(shipped(name), 0, false);
        const QRect box = shape.boundingRect();
        EXPECT_FALSE(shape.isEmpty()) << name;
        EXPECT_GE(box.left(), 0) << name;
        EXPECT_LE(box.right(), 90) << name;
        EXPECT_LE(box.bottom(), 90) << name;
        EXPECT_GE(box.width(), 60) << name;
    }
    // The picture shown first fills exactly the shape it is cut to.
    EXPECT_EQ(kl::bmptorgn(shipped("frame1.bmp"), 0, false), kl::bmptorgn(shipped("frameclr.bmp"), 0, false));
}

TEST(MoonTexture, IsADiscWithBlackAround) {
    for (const char* name : {"moon.bmp", "moon2.bmp"}) {
        const Picture moon = shipped(name);
        const int n = moon.width();
        const double c = n / 2.0, r = n / 2.0;
        for (int y = 0; y < n; ++y)
            for (int x = 0; x < n; ++x) {
                const double d = std::hypot(x + 0.5 - c, y + 0.5 - c);
                const auto p = moon.pixel(x, y);
                if (d < r - 2) {
                    ASSERT_TRUE(p.r && p.g && p.b) << name << " " << x << "," << y;
                }
                if (d > r + 0.5) {
                    ASSERT_EQ(p, kl::platform::Rgb{}) << name << " " << x << "," << y;
                }
            }
    }
}

struct StripCase {
    std::string path;
    int stateWidth, stateHeight;
};

TEST(ButtonStrips, AreCompiledInWithFourStates) {
    std::vector<StripCase> all = {{":/buttons/myButton1.bmp", 15, 17}, {":/buttons/myButton2.bmp", 15, 17}};
    for (const char* name : {"myButton9", "myButton2", "myButton3", "myButton4", "myButton5", "myButton1",
                             "myButton6", "myButton7", "myButton8", "Button1", "Button2", "Button3", "Button4",
                             "myButton10", "Button5", "SpeedButton1", "configs"})
        all.push_back({std::string(":/buttons/fullscreen/") + name + ".bmp", 40, 40});
    for (const char* name : {"myButton9", "myButton7", "myButton6", "myButton26", "myButton25", "mb11",
                             "myButton3", "myButton5", "myButton28", "printbtn"})
        all.push_back({std::string(":/buttons/print/") + name + ".bmp", 32, 32});
    for (const StripCase& c : all) {
        const QImage strip(QString::fromStdString(c.path));
        ASSERT_FALSE(strip.isNull()) << c.path;
        EXPECT_EQ(strip.width(), 4 * c.stateWidth) << c.path;
        EXPECT_EQ(strip.height(), c.stateHeight) << c.path;
        // The four states differ: a strip of one picture repeated would make
        // hover and press invisible.
        const QImage normal = strip.copy(0, 0, c.stateWidth, c.stateHeight);
        for (int s = 1; s < 4; ++s)
            EXPECT_NE(normal, strip.copy(s * c.stateWidth, 0, c.stateWidth, c.stateHeight)) << c.path << " state " << s;
    }
    const QImage icon(":/icons/kestralune.png");
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(icon.width(), icon.height());
}

TEST(ButtonStrips, CompactButtonsSitOnTheFace) {
    // The compact strips are drawn over the face; the corner of every state
    // outside the rounded plate is the face pixel under the button.
    const Picture face = shipped("pyr0.bmp");
    for (auto [path, left] : {std::pair{":/buttons/myButton1.bmp", 264}, {":/buttons/myButton2.bmp", 320}}) {
        const QImage strip = QImage(path).convertToFormat(QImage::Format_RGB888);
        ASSERT_FALSE(strip.isNull());
        for (int s = 0; s < 4; ++s) {
            const QRgb corner = strip.pixel(s * 15, 0);
            const auto under = face.pixel(left, 75);
            EXPECT_NEAR(qRed(corner), under.r, 40) << path;
            EXPECT_NEAR(qBlue(corner), under.b, 40) << path;
        }
    }
}

}  // namespace
