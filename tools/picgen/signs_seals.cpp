// The twenty solar seals as one family: a rounded cartouche in the seal's
// colour holding one dark emblem, drawn after the day sign of the 260-day
// count that the seal descends from and reduced to a few bold strokes, so
// that it still reads on a 15-pixel tile. One drawing serves every picture
// size and the glyph fonts.
#include <QPainterPath>
#include <QtMath>

#include <cmath>
#include <stdexcept>
#include <utility>

#include "tools/picgen/signs.h"
#include "tools/picgen/style.h"

namespace kl::picgen {
namespace {

// The emblem's design square: 100 x 100 units, the cartouche's full size.
// One stroke weight for the whole family: 1.7 pixels on the 15-pixel tile.
constexpr double kStroke = 12;
// Corner radius of the cartouche: wide enough that the corner pixels of the
// 15-pixel tile lie wholly outside it, so that it reads as rounded there too.
constexpr double kCorner = 26;
// The emblem is drawn in the square's middle 84 units, clear of the cartouche's edge.
constexpr double kEmblemScale = 0.84;

using Pts = std::initializer_list<QPointF>;

QPainterPath poly(Pts pts) {
    QPainterPath path;
    bool first = true;
    for (const QPointF& pt : pts) {
        if (first) path.moveTo(pt);
        else path.lineTo(pt);
        first = false;
    }
    path.closeSubpath();
    return path;
}

// The emblem's two paints: ink, and the cartouche's own colour to cut a
// hole back into the ink.
struct Brushes {
    QPainter& p;
    QColor ink, hole;
    void line(double width = kStroke) {
        p.setPen(QPen(ink, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
    }
    void fill() { p.setPen(Qt::NoPen); p.setBrush(ink); }
    void punch() { p.setPen(Qt::NoPen); p.setBrush(hole); }
    void punchLine(double width) {
        p.setPen(QPen(hole, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
    }
    void dot(QPointF c, double r) { p.drawEllipse(c, r, r); }
};

// Imix, the Dragon: birth and nurture. The water lily of the first waters
// opening on their surface, the seed of life held in its heart.
void dragon(Brushes& b) {
    b.fill();
    const auto petal = [&b](double angle) {
        b.p.save();
        b.p.translate(50, 74);
        b.p.rotate(angle);
        QPainterPath p;
        p.moveTo(0, 0);
        p.cubicTo(-18, -18, -12, -50, 0, -62);
        p.cubicTo(12, -50, 18, -18, 0, 0);
        b.p.drawPath(p);
        b.p.restore();
    };
    petal(-52);
    petal(52);
    petal(0);
    b.line();
    b.p.drawLine(QPointF(14, 84), QPointF(86, 84));  // the water
    b.punch();
    b.dot({50, 44}, 6);
}

// Ik', the Wind: breath and spirit. The T-shaped breath, the window through
// which the wind enters, its lintel turned down at the ends.
void wind(Brushes& b) {
    b.fill();
    b.p.drawPath(poly({{12, 18}, {88, 18}, {88, 42}, {78, 34}, {60, 34}, {60, 86}, {40, 86}, {40, 34},
                       {22, 34}, {12, 42}}));
}

// Ak'bal, the Night: dream and the house of darkness. The dark vault of the
// house, and in it the closed eye of the one who dreams.
void night(Brushes& b) {
    b.fill();
    QPainterPath dark;
    dark.moveTo(12, 14);
    dark.lineTo(88, 14);
    dark.lineTo(88, 40);
    dark.arcTo(QRectF(12, -6, 76, 92), 0, -180);
    dark.closeSubpath();
    b.p.drawPath(dark);
    b.punchLine(7);
    QPainterPath lid;
    lid.moveTo(28, 42);
    lid.quadTo(50, 62, 72, 42);
    b.p.drawPath(lid);
    for (const auto& [from, to] : {std::pair{QPointF(38, 53), QPointF(34, 62)}, std::pair{QPointF(50, 56), QPointF(50, 66)},
                                   std::pair{QPointF(62, 53), QPointF(66, 62)}})
        b.p.drawLine(from, to);  // the lashes
}

// K'an, the Seed: flowering and awareness. The kernel of maize marked with
// the cross of the four directions into which it will grow.
void seed(Brushes& b) {
    b.fill();
    QPainterPath kernel;
    kernel.moveTo(50, 8);
    kernel.cubicTo(72, 22, 80, 40, 80, 58);
    kernel.arcTo(QRectF(20, 28, 60, 60), 0, -180);
    kernel.cubicTo(20, 40, 28, 22, 50, 8);
    b.p.drawPath(kernel);
    b.punchLine(10);
    b.p.drawLine(QPointF(50, 36), QPointF(50, 76));
    b.p.drawLine(QPointF(34, 56), QPointF(66, 56));
}

// Chikchan, the Serpent: life force. The diamond of the serpent's skin
// round the spark of life.
void serpent(Brushes& b) {
    b.line();
    b.p.drawPath(poly({{50, 12}, {88, 50}, {50, 88}, {12, 50}}));
    b.fill();
    b.dot({50, 50}, 10);
}

// Kimi, the Worldbridger: death and opportunity. The sign of passing: the
// stroke that divides this world from the next, a world on either side.
void worldbridger(Brushes& b) {
    b.line(14);
    b.p.drawLine(QPointF(24, 16), QPointF(76, 84));
    b.fill();
    b.dot({73, 31}, 12);
    b.dot({27, 69}, 12);
}

// Manik', the Hand: accomplishment and healing. The hand that grasps, its
// thumb raised, a healing stone held in the palm.
void hand(Brushes& b) {
    b.fill();
    b.p.drawRoundedRect(QRectF(36, 12, 42, 44), 12, 12);   // the closed fingers
    b.p.drawRoundedRect(QRectF(32, 42, 46, 46), 14, 14);   // the palm
    b.line(14);
    b.p.drawLine(QPointF(36, 70), QPointF(18, 40));       // the thumb
    b.punchLine(3.5);
    for (double x : {50.0, 64.0}) b.p.drawLine(QPointF(x, 18), QPointF(x, 38));
    b.punch();
    b.dot({57, 67}, 8);
}

// Lamat, the Star: elegance and art. The morning star with its four points,
// the four quarters of the sky between them.
void starSeal(Brushes& b) {
    b.fill();
    QPainterPath star;
    star.moveTo(50, 8);
    star.quadTo(56, 44, 92, 50);
    star.quadTo(56, 56, 50, 92);
    star.quadTo(44, 56, 8, 50);
    star.quadTo(44, 44, 50, 8);
    b.p.drawPath(star);
    for (const QPointF c : {QPointF(24, 24), QPointF(76, 24), QPointF(24, 76), QPointF(76, 76)}) b.dot(c, 7);
}

// Muluk, the Moon: water and flow. The falling drop of water with the jade
// disc of the moon reflected in it.
void moon(Brushes& b) {
    b.fill();
    QPainterPath drop;
    drop.moveTo(50, 8);
    drop.cubicTo(62, 30, 80, 44, 80, 62);
    drop.arcTo(QRectF(20, 32, 60, 58), 0, -180);
    drop.cubicTo(20, 44, 38, 30, 50, 8);
    b.p.drawPath(drop);
    b.punch();
    b.dot({56, 64}, 10);
}

// Ok, the Dog: heart and loyalty. The faithful dog's head, ear raised and
// muzzle forward, watching.
void dog(Brushes& b) {
    b.fill();
    QPainterPath head;
    head.moveTo(30, 88);
    head.cubicTo(16, 76, 14, 56, 22, 44);
    head.lineTo(24, 10);                    // the raised ear
    head.lineTo(46, 34);
    head.cubicTo(56, 34, 64, 40, 70, 46);
    head.lineTo(88, 52);                    // the muzzle
    head.lineTo(90, 64);
    head.lineTo(66, 70);
    head.cubicTo(60, 76, 56, 82, 56, 88);
    head.closeSubpath();
    b.p.drawPath(head);
    b.punch();
    b.dot({50, 48}, 5.5);
    b.punchLine(3.5);
    b.p.drawLine(QPointF(28, 26), QPointF(32, 40));  // inside the ear
}

// Chuwen, the Monkey: magic and play. The monkey's face, ears wide and
// eyes bright, the trickster's grin on its muzzle.
void monkey(Brushes& b) {
    b.fill();
    b.dot({18, 44}, 11);
    b.dot({82, 44}, 11);
    b.p.drawEllipse(QPointF(50, 50), 30, 36);
    b.punch();
    QPainterPath face;  // the bare face: two eye hollows over the muzzle
    face.addEllipse(QPointF(40, 40), 10, 11);
    face.addEllipse(QPointF(60, 40), 10, 11);
    face.addEllipse(QPointF(50, 62), 17, 14);
    b.p.drawPath(face.simplified());
    b.fill();
    b.dot({41, 42}, 4.5);
    b.dot({59, 42}, 4.5);
    b.line(4);
    QPainterPath grin;
    grin.moveTo(40, 63);
    grin.quadTo(50, 72, 60, 63);
    b.p.drawPath(grin);
}

// Eb', the Human: free will and wisdom. A human head in profile, its eye
// open and its ear ornament showing.
void human(Brushes& b) {
    b.fill();
    QPainterPath head;
    head.moveTo(56, 88);
    head.lineTo(40, 88);
    head.lineTo(38, 78);
    head.cubicTo(28, 80, 22, 76, 24, 66);   // the chin and mouth
    head.lineTo(20, 62);
    head.lineTo(24, 56);
    head.lineTo(14, 50);                    // the nose
    head.cubicTo(18, 42, 22, 36, 22, 30);
    head.cubicTo(26, 14, 44, 10, 58, 12);   // the brow and crown
    head.cubicTo(80, 14, 88, 32, 86, 50);
    head.cubicTo(84, 66, 70, 72, 62, 74);
    head.closeSubpath();
    b.p.drawPath(head);
    b.punch();
    b.dot({36, 38}, 5);
    b.dot({64, 48}, 9);
    b.fill();
    b.dot({64, 48}, 4);
}

// Ben, the Skywalker: space and wakefulness. The ladder of the sky walker
// narrowing into the distance, the star it climbs to above it.
void skywalker(Brushes& b) {
    b.line();
    b.p.drawLine(QPointF(18, 88), QPointF(34, 36));
    b.p.drawLine(QPointF(82, 88), QPointF(66, 36));
    b.line(10);
    b.p.drawLine(QPointF(26, 70), QPointF(74, 70));
    b.p.drawLine(QPointF(32, 51), QPointF(68, 51));
    b.fill();
    QPainterPath star;
    star.moveTo(50, 4);
    star.quadTo(53, 16, 64, 19);
    star.quadTo(53, 22, 50, 34);
    star.quadTo(47, 22, 36, 19);
    star.quadTo(47, 16, 50, 4);
    b.p.drawPath(star);
}

// Ix, the Wizard: timelessness and enchantment. The jaguar's spots, the
// three rosettes of the jaguar priest's skin.
void wizard(Brushes& b) {
    const QPointF spots[] = {{28, 30}, {72, 30}, {50, 70}};
    b.fill();
    for (const QPointF c : spots) b.dot(c, 16);
    b.punch();
    for (const QPointF c : spots) b.dot(c, 6);
}

// Men, the Eagle: vision and mind. The eagle's head with its hooked beak
// and its great eye.
void eagle(Brushes& b) {
    b.fill();
    QPainterPath head;
    head.moveTo(20, 88);
    head.cubicTo(12, 60, 16, 20, 50, 16);
    head.cubicTo(70, 14, 82, 24, 88, 40);   // the beak's ridge
    head.cubicTo(92, 52, 88, 64, 80, 70);   // its hooked point
    head.cubicTo(80, 60, 76, 54, 66, 54);
    head.cubicTo(62, 66, 54, 76, 46, 88);
    head.closeSubpath();
    b.p.drawPath(head);
    b.p.drawPath(poly({{22, 30}, {8, 20}, {16, 40}}));  // a feather of the crest
    b.punch();
    b.dot({50, 38}, 9);
    b.punchLine(4);
    b.p.drawLine(QPointF(64, 46), QPointF(84, 46));    // the gape of the beak
    b.fill();
    b.dot({52, 38}, 4);
}

// Kib', the Warrior: intelligence and fearless questioning. The shell that
// winds out from its heart, asking, above the point of its answer.
void warrior(Brushes& b) {
    b.line();
    QPainterPath shell;
    shell.moveTo(50, 34);
    shell.cubicTo(44, 34, 40, 30, 42, 24);
    shell.cubicTo(44, 16, 54, 12, 62, 14);
    shell.cubicTo(74, 18, 80, 28, 78, 38);
    shell.cubicTo(76, 50, 62, 54, 54, 58);
    shell.lineTo(52, 66);
    b.p.drawPath(shell);
    QPainterPath outer;
    outer.moveTo(62, 14);
    outer.cubicTo(40, 8, 22, 20, 22, 40);
    b.p.drawPath(outer);
    b.fill();
    b.dot({52, 84}, 8);
}

// Kab'an, the Earth: navigation and synchronicity. The curl of the earth's
// turning, and the steps of the one who keeps time with it.
void earth(Brushes& b) {
    b.line();
    QPainterPath curl;
    curl.moveTo(14, 80);
    curl.cubicTo(30, 80, 20, 14, 56, 14);
    curl.cubicTo(76, 14, 86, 28, 86, 42);
    curl.cubicTo(86, 56, 74, 62, 64, 62);
    curl.cubicTo(54, 62, 48, 54, 50, 46);
    curl.cubicTo(52, 38, 62, 36, 66, 42);
    b.p.drawPath(curl);
    b.fill();
    for (const QPointF c : {QPointF(48, 84), QPointF(66, 84), QPointF(84, 84)}) b.dot(c, 6);
}

// Etz'nab', the Mirror: endlessness and order. The flint blade, polished to
// a mirror in which a blade is seen, and in it a blade again.
void mirror(Brushes& b) {
    const auto blade = [](double half, double top) {
        QPainterPath p;
        p.moveTo(50, top);
        p.quadTo(50 + half * 1.35, 50, 50, 100 - top);
        p.quadTo(50 - half * 1.35, 50, 50, top);
        return p;
    };
    b.fill();
    b.p.drawPath(blade(30, 8));
    b.punch();
    b.p.drawPath(blade(18, 24));
    b.fill();
    b.p.drawPath(blade(8, 36));
}

// Kawak, the Storm: self-generation and energy. The thunder cloud and the
// bolt that it throws.
void storm(Brushes& b) {
    b.fill();
    b.dot({30, 30}, 14);
    b.dot({54, 24}, 16);
    b.dot({74, 34}, 12);
    b.p.drawRoundedRect(QRectF(16, 30, 70, 16), 8, 8);
    b.p.drawPath(poly({{56, 44}, {30, 70}, {46, 70}, {34, 92}, {72, 60}, {56, 60}, {70, 44}}));
}

// Ajaw, the Sun: universal fire and enlightenment. The face of the lord sun,
// its eyes and speaking mouth, in the ring of its fire.
void sun(Brushes& b) {
    b.line(11);
    b.dot({50, 50}, 25);
    b.line(9);
    for (int i = 0; i < 8; ++i) {
        const double a = qDegreesToRadians(45.0 * i + 22.5);
        b.p.drawLine(QPointF(50 + 37 * std::cos(a), 50 + 37 * std::sin(a)),
                     QPointF(50 + 44 * std::cos(a), 50 + 44 * std::sin(a)));
    }
    b.fill();
    b.dot({42, 44}, 5);
    b.dot({58, 44}, 5);
    b.p.drawEllipse(QRectF(42, 55, 16, 10));
}

using EmblemFn = void (*)(Brushes&);
constexpr EmblemFn kEmblems[20] = {dragon, wind,    night,  seed,      serpent, worldbridger, hand,
                                   starSeal, moon,  dog,    monkey,    human,   skywalker,    wizard,
                                   eagle,  warrior, earth,  mirror,    storm,   sun};

// Pictures: the cartouche in the seal's colour, the emblem in dark ink. The
// glyph form adds a rim only so that a white cartouche keeps its edge on
// white paper; on the views' dark ground the cartouche's own edge does that,
// and a rim would take the colour from the 15-pixel tile's border.
SealStyle pictureStyle(int seal) { return {sealColor(seal - 1), sealColor(seal - 1), kInk, 0}; }

QImage sealArt(int seal, PicSize size, int inset) {
    QImage img = canvas(size);
    QPainter p;
    beginPainter(p, img);
    drawSealTile(p, seal, QRectF(inset, inset, size.w - 2 * inset, size.h - 2 * inset), pictureStyle(seal));
    p.end();
    return img;
}

// One mask serves every seal of a set, so every seal must have the same outline.
QImage sharedMaskArt(const QImage& first, const QImage& other) {
    if (alphaMask(first) != alphaMask(other)) throw std::runtime_error("seal outlines differ within a set");
    return first;
}

}  // namespace

void drawSealTile(QPainter& p, int seal, const QRectF& box, const SealStyle& style) {
    p.save();
    p.translate(box.topLeft());
    p.scale(box.width() / 100.0, box.height() / 100.0);
    const double half = style.rimWidth / 2;
    p.setPen(style.rimWidth > 0 ? QPen(style.rim, style.rimWidth) : Qt::NoPen);
    p.setBrush(style.tile);
    p.drawRoundedRect(QRectF(half, half, 100 - style.rimWidth, 100 - style.rimWidth), kCorner - half,
                      kCorner - half);
    p.translate(50 * (1 - kEmblemScale), 50 * (1 - kEmblemScale));
    p.scale(kEmblemScale, kEmblemScale);
    Brushes b{p, style.symbol, style.tile};
    kEmblems[(seal + 19) % 20](b);
    p.restore();
}

void generateSeals(const Output& out) {
    // Seal 20 is code 0 (and 20) in the large set, 30 (and 50) in the small
    // set; the 45-, 35- and 15-pixel sets number seals 1..20 from their first code.
    QImage firstLarge, firstSmall;
    for (int seal = 1; seal <= 20; ++seal) {
        const QImage large = sealArt(seal, kSealLarge, kSealLargeInset);
        const QImage small = sealArt(seal, kSealSmall, kSealSmallInset);
        if (seal == 1) firstLarge = large, firstSmall = small;
        sharedMaskArt(firstLarge, large);
        sharedMaskArt(firstSmall, small);
        writeSign(out, seal % 20, large);
        writeSign(out, 30 + seal % 20, small);
        writeSign(out, 77 + seal, sealArt(seal, kSeal45, 1));
        writeSign(out, 97 + seal, sealArt(seal, kSeal35, 1));
        writeSign(out, 154 + seal, sealArt(seal, kSeal15, 0));
    }
    writeMask(out, "SBalfa.bmp", firstLarge);
    writeMask(out, "Smalfa.bmp", firstSmall);
}

}  // namespace kl::picgen
