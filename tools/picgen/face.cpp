// The compact calendar face: the start-up emblem (frame1, frameclr), the full
// face pyr0 with its window shape pyrA0, and the moon textures.
//
// The full face is a stepped pyramid. Each tier is as wide as the items the
// face painter puts on it, so the window shape never cuts a text or glyph.
#include "tools/picgen/boardstyle.h"
#include "tools/picgen/face.h"
#include "tools/picgen/picgen.h"

#include <QDir>
#include <QFont>
#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>
#include <stdexcept>

namespace kl::picgen {
namespace {

using namespace style;

constexpr int kFaceWidth = 600;   // the compact window's client area
constexpr int kFaceHeight = 450;

// The emblem of the small start-up window: it sits at the face's top-left,
// the rest of frame1 is black and so outside the window.
constexpr int kEmblemSize = 80;

// Areas the face painter uses (window coordinates, inclusive rectangles).
const QRect kToneArea(226, 177, 73, 41);         // hot rectangle 1, tone glyph at (227, 182)
const QRect kSealArea(226, 222, 73, 73);         // hot rectangle 2, seal glyph at (224, 220)
const QRect kGuideArea(310, 231, 61, 61);        // hot rectangle 3, guide glyph at (308, 229)
const QRect kMoonArea(390, 216, 60, 60);         // the moon picture
const QRect kFullScreenHot(285, 70, 31, 26);     // hot rectangle 7
// A seal name split in two has its second row at y 167 in Arial 13 bold;
// its descenders end on this row.
constexpr int kSealSecondRowBottom = 182;

// Tiers from the top: the cap (hint label at (249, 53), buttons, hot
// rectangle 7), the date lines (y 97-128), the colour and kin name (140-167,
// up to 217 px wide), the glyph band (labels from x 150 to about 480), the
// affirmation (six lines at y 296-368, each up to 350 px wide, hot rectangle
// 6 to y 390) and a base plate. They overlap so that no text crosses a step.
struct Tier { int left, top, right, bottom; };
constexpr Tier kTiers[] = {
    {180, 36, 420, 100},  // the longest hint (L413) ends near x 412
    {160, 90, 440, 138},
    {134, 130, 466, 180},
    {112, 172, 488, 292},
    {96, 284, 504, 402},
    {72, 396, 528, 414},
};
QRectF tierRect(const Tier& t) { return QRectF(t.left, t.top, t.right - t.left, t.bottom - t.top); }

}  // namespace

QPainterPath faceOutline() {
    QPainterPath outline;
    outline.setFillRule(Qt::WindingFill);
    for (const Tier& t : kTiers) outline.addRoundedRect(tierRect(t), 7, 7);
    return outline.simplified();
}

QImage drawFace() {
    const QPainterPath outline = faceOutline();
    QImage face = canvas(kFaceWidth, kFaceHeight, Qt::black);
    QPainter p(&face);
    smooth(p);

    // Body: night blue, a little lighter towards the cap.
    QLinearGradient body(0, 36, 0, 414);
    body.setColorAt(0, QColor(30, 18, 84));
    body.setColorAt(0.35, kNight.lighter(180));
    body.setColorAt(1, QColor(10, 2, 44));
    p.setPen(Qt::NoPen);
    p.setBrush(body);
    p.drawPath(outline);

    p.save();
    p.setClipPath(outline);
    // A faint sun behind the cap and a violet haze behind the glyph band.
    glow(p, QPointF(300, 60), 130, QColor(120, 90, 200), 0.30);
    glow(p, QPointF(300, 250), 230, QColor(60, 40, 150), 0.28);
    stars(p, QRectF(72, 36, 456, 378), 260, 0xface, &outline);
    // Ledges: the top of each tier where it shows beside the tier above is
    // lit, and the tier's face darkens downwards from it, so the steps read.
    for (size_t k = 1; k < std::size(kTiers); ++k) {
        QPainterPath ledge;
        ledge.addRect(tierRect(kTiers[k]).adjusted(0, 0, 0, -(kTiers[k].bottom - kTiers[k].top) + 26));
        // Only beside the tier above: its whole column is left out, so no
        // band edge runs through the texts in the middle.
        QPainterPath above;
        above.addRect(QRectF(kTiers[k - 1].left, 0, kTiers[k - 1].right - kTiers[k - 1].left, 450));
        QLinearGradient shade(0, kTiers[k].top, 0, kTiers[k].top + 26);
        shade.setColorAt(0, QColor(120, 100, 220, 70));
        shade.setColorAt(1, QColor(120, 100, 220, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(shade);
        p.drawPath(ledge.subtracted(above));
    }
    p.restore();

    // Panels behind the glyphs: glyphs are blended through their masks, so
    // the panel shows around them.
    auto panelFill = [](const QRect& r) {
        QLinearGradient g(r.topLeft(), r.bottomLeft());
        g.setColorAt(0, QColor(36, 24, 96));
        g.setColorAt(1, QColor(16, 8, 58));
        return g;
    };
    auto panel = [&](const QRect& r, double radius) {
        p.setPen(QPen(kVioletDim, 1.2));
        p.setBrush(panelFill(r));
        p.drawRoundedRect(QRectF(r).adjusted(-2.5, -2.5, 2.5, 2.5), radius, radius);
    };
    // The tone's panel is open at the top: a seal name too wide for one row
    // puts its second row just above the tone, so the panel starts below
    // that row and fades in downwards instead of drawing an edge under it.
    {
        const QRectF box = QRectF(kToneArea).adjusted(-2.5, 0, 2.5, 2.5);
        const double top = kSealSecondRowBottom + 1, solid = top + 12, radius = 6;
        QPainterPath cup;
        cup.moveTo(box.left(), top);
        cup.lineTo(box.left(), box.bottom() - radius);
        cup.quadTo(box.left(), box.bottom(), box.left() + radius, box.bottom());
        cup.lineTo(box.right() - radius, box.bottom());
        cup.quadTo(box.right(), box.bottom(), box.right(), box.bottom() - radius);
        cup.lineTo(box.right(), top);
        QLinearGradient fill(0, top, 0, box.bottom());
        const double fade = (solid - top) / (box.bottom() - top);
        fill.setColorAt(0, QColor(36, 24, 96, 0));
        fill.setColorAt(fade, QColor(34, 22, 92));
        fill.setColorAt(1, QColor(16, 8, 58));
        QLinearGradient rim(0, top, 0, box.bottom());
        rim.setColorAt(0, QColor(kVioletDim.red(), kVioletDim.green(), kVioletDim.blue(), 0));
        rim.setColorAt(fade, kVioletDim);
        rim.setColorAt(1, kVioletDim);
        p.setPen(Qt::NoPen);
        p.setBrush(fill);
        p.drawPath(cup);
        p.setPen(QPen(QBrush(rim), 1.2));
        p.setBrush(Qt::NoBrush);
        p.drawPath(cup);
    }
    panel(kSealArea, 8);
    panel(kGuideArea, 8);
    // The plasma has no panel: its picture is a disc with its own rim, and
    // on the day out of time, which has no plasma, the place stays plain face.
    // The moon sits in a dark well so that its unlit part reads as sky.
    p.setPen(QPen(kVioletDim, 1.5));
    p.setBrush(kNightDeep);
    p.drawEllipse(QRectF(kMoonArea).adjusted(-4, -4, 4, 4));

    // The full-screen hot spot: a small eye of the pyramid between the two
    // buttons.
    const QPointF eye = QRectF(kFullScreenHot).center();
    glow(p, eye, 14, kGold, 0.45);
    QPainterPath lid;
    lid.moveTo(eye.x() - 11, eye.y());
    lid.quadTo(eye.x(), eye.y() - 8, eye.x() + 11, eye.y());
    lid.quadTo(eye.x(), eye.y() + 8, eye.x() - 11, eye.y());
    p.setPen(QPen(kGold, 1.3));
    p.setBrush(QColor(40, 26, 80));
    p.drawPath(lid);
    p.setBrush(kGold);
    p.setPen(Qt::NoPen);
    p.drawEllipse(eye, 3, 3);

    // Outline: gold edge with a violet inner line.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kGold, 2.2));
    p.drawPath(outline);
    p.end();

    fitToShape(face, shapeMask(kFaceWidth, kFaceHeight, outline));
    return face;
}

QImage drawFaceShape() { return shapeMask(kFaceWidth, kFaceHeight, faceOutline()); }

namespace {

QPainterPath emblemOutline() {
    QPainterPath path;
    path.addEllipse(QRectF(1, 1, kEmblemSize - 2, kEmblemSize - 2));
    return path;
}

// The start-up emblem: a small pyramid under a ring, alone at the top-left.
QImage drawEmblem(bool lit) {
    QImage img = canvas(kFaceWidth, kFaceHeight, Qt::black);
    QPainter p(&img);
    smooth(p);
    const QPainterPath ring = emblemOutline();
    QRadialGradient bg(QPointF(40, 36), 42);
    bg.setColorAt(0, QColor(44, 28, 110));
    bg.setColorAt(1, kNight);
    p.setPen(Qt::NoPen);
    p.setBrush(bg);
    p.drawPath(ring);
    p.save();
    p.setClipPath(ring);
    stars(p, QRectF(0, 0, kEmblemSize, kEmblemSize), 30, 0xe3b1e3, &ring);
    if (lit) glow(p, QPointF(40, 30), 30, kGold, 0.35);
    QPolygonF pyramid;
    pyramid << QPointF(40, 18) << QPointF(63, 58) << QPointF(17, 58);
    p.setPen(QPen(kGold, 1.6));
    p.setBrush(QColor(70, 50, 130));
    p.drawPolygon(pyramid);
    for (double y : {31.0, 44.0}) {
        const double half = (y - 18) * 23 / 40;
        p.drawLine(QPointF(40 - half, y), QPointF(40 + half, y));
    }
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kGold, 2));
    p.drawEllipse(QRectF(2, 2, kEmblemSize - 4, kEmblemSize - 4));
    p.end();
    fitToShape(img, shapeMask(kFaceWidth, kFaceHeight, ring));
    return img;
}

}  // namespace

QImage drawMoonTexture(int size, std::uint32_t seed) {
    // A full moon: grey disc with darker seas and small craters, lit a little
    // from the upper left; black around the disc.
    QImage img = canvas(size, size, Qt::black);
    QPainter p(&img);
    smooth(p);
    const double r = size / 2.0 - 0.5;
    const QPointF c(size / 2.0, size / 2.0);
    QRadialGradient lit(QPointF(c.x() - r * 0.3, c.y() - r * 0.3), r * 1.5);
    lit.setColorAt(0, QColor(236, 234, 222));
    lit.setColorAt(0.7, QColor(196, 194, 184));
    lit.setColorAt(1, QColor(140, 138, 132));
    QPainterPath disc;
    disc.addEllipse(c, r, r);
    p.setPen(Qt::NoPen);
    p.setBrush(lit);
    p.drawPath(disc);
    p.setClipPath(disc);
    // Seas: clusters of soft grey patches, denser in the upper left as on
    // the familiar full moon, so the disc does not look like a plain ball.
    struct Sea { double x, y, rad; };
    constexpr Sea seas[] = {{-0.28, -0.30, 0.24}, {-0.08, -0.38, 0.16}, {0.18, -0.30, 0.20},
                            {0.34, -0.05, 0.17}, {-0.40, 0.05, 0.18}, {-0.22, 0.22, 0.14},
                            {0.06, -0.08, 0.12}, {0.20, 0.18, 0.10}};
    Scatter sc(seed);
    for (const Sea& s : seas) {
        for (int k = 0; k < 4; ++k) {
            const QPointF at(c.x() + (s.x + sc.range(-0.08, 0.08)) * r,
                             c.y() + (s.y + sc.range(-0.08, 0.08)) * r);
            const double rad = s.rad * r * sc.range(0.55, 0.95);
            QRadialGradient g(at, rad);
            g.setColorAt(0, QColor(128, 126, 122, 95));
            g.setColorAt(0.7, QColor(128, 126, 122, 60));
            g.setColorAt(1, QColor(128, 126, 122, 0));
            p.setBrush(g);
            p.drawEllipse(at, rad, rad);
        }
    }
    // Craters: a shaded rim (dark towards the light, bright away from it).
    const int craters = 4 + size / 8;
    for (int i = 0; i < craters; ++i) {
        const double a = sc.range(0, 2 * M_PI), d = std::sqrt(sc.unit()) * r * 0.85;
        const QPointF at(c.x() + d * std::cos(a), c.y() + d * std::sin(a));
        const double cr = std::max(1.0, r * sc.range(0.03, 0.07));
        // Floor a little darker, the rim lit on the side away from the light.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(120, 118, 112, 80));
        p.drawEllipse(at, cr, cr);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(250, 248, 240, 120), std::max(0.8, cr * 0.35)));
        p.drawArc(QRectF(at.x() - cr, at.y() - cr, 2 * cr, 2 * cr), -100 * 16, 150 * 16);
        p.setPen(Qt::NoPen);
    }
    p.end();
    // The disc must stay non-black everywhere, or blending with black as the
    // key colour would show holes in the moon.
    fitToShape(img, shapeMask(size, size, disc));
    return img;
}

QImage drawStartFrame() { return drawEmblem(false); }
QImage drawStartPicture() { return drawEmblem(true); }

namespace {

void generateFace(const Output& out) {
    writeBitmap(drawStartFrame(), out.graphic, "frame1.bmp");
    writeBitmap(drawStartPicture(), out.graphic, "frameclr.bmp");
    writeBitmap(drawFace(), out.graphic, "pyr0.bmp");
    writeBitmap(drawFaceShape(), out.graphic, "pyrA0.bmp");
    writeBitmap(drawMoonTexture(60, 0x3007), out.graphic, "moon.bmp");
    // The print moon is stretched to any size on the page, so it is drawn
    // large enough to stay sharp at a quarter of a page.
    writeBitmap(drawMoonTexture(240, 0x3007), out.graphic, "moon2.bmp");

    // Review page: the start-up emblem enlarged, the face and its shape side
    // by side, and both moons.
    QImage sheet = canvas(1240, 720, kNight);
    QPainter p(&sheet);
    smooth(p);
    p.drawImage(QRect(10, 10, 240, 240), drawStartFrame().copy(0, 0, kEmblemSize, kEmblemSize));
    p.drawImage(QRect(260, 10, 240, 240), drawStartPicture().copy(0, 0, kEmblemSize, kEmblemSize));
    p.drawImage(QRect(510, 10, 240, 240), drawMoonTexture(60, 0x3007));
    p.drawImage(QRect(760, 10, 240, 240), drawMoonTexture(240, 0x3007));
    p.drawImage(QPoint(10, 262), drawFace());
    p.drawImage(QPoint(630, 262), drawFaceShape());
    QFont f("DejaVu Sans");
    f.setPixelSize(11);
    p.setFont(f);
    p.setPen(QColor(200, 200, 230));
    const char* labels[] = {"frame1 (top-left 80 x 80, x3)", "frameclr (x3)", "moon 60 x 60 (x4)", "moon2 240 x 240",
                            "pyr0", "pyrA0"};
    const QPoint at[] = {{10, 258}, {260, 258}, {510, 258}, {760, 258}, {10, 716}, {630, 716}};
    for (int i = 0; i < 6; ++i) p.drawText(at[i], labels[i]);
    p.end();
    QDir().mkpath(out.review);
    if (!sheet.save(out.review + "/sheet_face.png", "PNG")) throw std::runtime_error("cannot write sheet_face.png");
}

}  // namespace

KL_PICTURE_FAMILY("face", generateFace);

}  // namespace kl::picgen
