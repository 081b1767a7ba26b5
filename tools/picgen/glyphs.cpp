// The symbol fonts' glyphs: each is painted by the sign pictures' own
// drawing functions onto an outline recorder, placed in the em by a
// least-squares fit to where the export puts its glyph and its picture, and
// written as an outline file that tools/fontgen turns into a TrueType font.
#include "tools/picgen/glyphs.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <stdexcept>

#include "platform/fonts.h"
#include "tools/picgen/boardgeometry.h"
#include "tools/picgen/glyphlayers.h"
#include "tools/picgen/outline.h"
#include "tools/picgen/signs.h"
#include "tools/picgen/style.h"
#include "tools/textgen/figures.h"

namespace kl::picgen {
namespace {

std::vector<int> codeRange(std::initializer_list<std::pair<int, int>> ranges) {
    std::vector<int> codes;
    for (auto [first, last] : ranges)
        for (int c = first; c <= last; ++c) codes.push_back(c);
    return codes;
}

const ExportUse* useOf(int code) {
    for (const ExportUse& u : exportUses())
        if (u.code == code) return &u;
    return nullptr;
}

// The first layer of `face` in the export of a code.
const GlyphLayer* layerOf(const ExportedSign& sign, const std::string& face) {
    for (const GlyphLayer& l : sign.layers)
        if (l.face == face) return &l;
    return nullptr;
}

}  // namespace

Placement fitPlacement(const std::string& face, const std::vector<int>& codes, layout::PicSize reference) {
    // Each code gives, at its em E, the picture's corner (ox, oy) relative
    // to the text corner and the picture's width w. The fit minimises the
    // squared pixel errors x E - ox, y E - oy and scale E w_ref - w, so the
    // large signs of the day and oracle views land closest.
    double sx = 0, sy = 0, ss = 0, ee = 0;
    for (int code : codes) {
        const ExportedSign sign = exportSign(code, 0, 0, false);
        const GlyphLayer* l = layerOf(sign, face);
        if (!l) throw std::runtime_error("code " + std::to_string(code) + " draws nothing of " + face);
        const double e = l->pixelHeight, w = signPictureSize(code).w, k = e;
        sx += (sign.pictX - l->x) * k;
        sy += (sign.pictY - l->y) * k;
        ss += w / reference.w * k;
        ee += e * k;
    }
    Placement p{sx / ee, sy / ee, ss / ee, 0};
    // Centred exports centre the advance: the advance that puts the glyph
    // over the centred picture, fitted the same way.
    double sa = 0, ea = 0;
    for (int code : codes) {
        const ExportUse* use = useOf(code);
        if (!use || !use->centred) continue;
        const ExportedSign sign = exportSign(code, 0, 0, true);
        const GlyphLayer* l = layerOf(sign, face);
        const double e = l->pixelHeight, k = e;
        const double pictureLeft = sign.pictX - signPictureSize(code).w / 2;
        sa += 2 * (p.x * e - (pictureLeft - l->x)) * k;
        ea += e * k;
    }
    // Otherwise the box with a margin of a twentieth of the em each side.
    p.advance = ea > 0 ? sa / ea : std::max(0.1, p.x + p.scale * reference.w + 0.05);
    return p;
}

namespace {

const QColor kTransparent(0, 0, 0, 0);

// One shape filling its box in the ink (the dots and their core).
GlyphArt filled(void (*shape)(QPainter&, int, int), layout::PicSize box) {
    return [shape, box](QPainter& p, const QColor& ink, const QColor&) {
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        shape(p, box.w, box.h);
    };
}

GlyphArt sealPlate() {
    return [](QPainter& p, const QColor& ink, const QColor&) {
        drawSealTile(p, 1, QRectF(kSealLargeInset, kSealLargeInset, kSealLarge.w - 2 * kSealLargeInset,
                                  kSealLarge.h - 2 * kSealLargeInset),
                     {ink, ink, kTransparent, 0});
    };
}

GlyphArt sealSymbol(int seal) {
    // The emblem with a thin rim, so that a white seal on white paper keeps its shape.
    return [seal](QPainter& p, const QColor& ink, const QColor& paper) {
        drawSealTile(p, seal, QRectF(kSealLargeInset, kSealLargeInset, kSealLarge.w - 2 * kSealLargeInset,
                                     kSealLarge.h - 2 * kSealLargeInset),
                     {paper, ink, ink, 3});
    };
}

const QRectF kPlasmaDiscBox(kPlasmaDiscX, kPlasmaDiscY, kPlasmaDisc, kPlasmaDisc);

// The frame round a line figure and the wavespell's day plate.
constexpr double kFrameWidth = 1.6;

QRectF wavespellPlate() {
    const QRect cell = geo::wavespellCell(1);
    return QRectF(0, 0, cell.width(), cell.height());
}

FaceDesign signFace() {
    FaceDesign face{platform::kSignFontFamily, "kestralune-signs.ttf", {}};
    const std::string f = face.family;

    FaceDesign::Group seals{fitPlacement(f, codeRange({{0, 20}, {30, 50}, {78, 117}, {155, 174}}), kSealLarge), {}};
    seals.glyphs.push_back({'W', sealPlate()});
    for (int n = 1; n <= 20; ++n) seals.glyphs.push_back({char('A' + n - 1), sealSymbol(n)});
    face.groups.push_back(seals);

    FaceDesign::Group tones{fitPlacement(f, codeRange({{51, 63}, {118, 130}, {142, 154}, {179, 230}}), kToneLarge), {}};
    for (int t = 1; t <= 13; ++t)
        tones.glyphs.push_back({char('a' + t - 1), [t](QPainter& p, const QColor& ink, const QColor&) {
                                    drawLargeTone(p, t, ink, ink);
                                }});
    face.groups.push_back(tones);

    FaceDesign::Group plasmas{fitPlacement(f, codeRange({{71, 77}, {131, 137}}), kPlasmaLarge), {}};
    plasmas.glyphs.push_back({'X', [](QPainter& p, const QColor& ink, const QColor&) {
                                  drawPlasmaDisc(p, 1, kPlasmaDiscBox, 5, 7, ink, ink, kTransparent);
                              }});
    for (int k = 1; k <= 7; ++k)
        plasmas.glyphs.push_back({char('0' + k), [k](QPainter& p, const QColor& ink, const QColor& paper) {
                                      drawPlasmaDisc(p, k, kPlasmaDiscBox, 3, 7, ink, paper, ink);
                                  }});
    face.groups.push_back(plasmas);

    face.groups.push_back({fitPlacement(f, codeRange({{138, 141}}), kCellFrame),
                           {{'\\', [](QPainter& p, const QColor& ink, const QColor&) { drawCellFrame(p, ink, false); }}}});
    face.groups.push_back({fitPlacement(f, {232}, kDot), {{'.', filled(drawDot, kDot)}}});
    // The day out of time's dot: a bone disc under its gold core.
    face.groups.push_back(
        {fitPlacement(f, {372}, kDot1), {{'o', filled(drawDot, kDot1)}, {':', filled(drawDotCore, kDot1)}}});
    face.groups.push_back({fitPlacement(f, {239, 243}, kMarker),
                           {{'*', [](QPainter& p, const QColor& ink, const QColor& paper) {
                                 drawMarker(p, ink, paper, true);
                             }}}});

    // The wavespell's thirteen marks: a plate round each day's cell, centred
    // in its advance (the export centres it) and placed by the mean offset
    // of the cells from the marks.
    {
        const ExportedSign sign = exportSign(kWavespellBoardCode, 25, 12, true);
        const QSize board = geo::kWavespellBoard;
        const double e = sign.layers.front().pixelHeight;
        const QRectF plate = wavespellPlate();
        double dx = 0, dy = 0;
        for (int i = 1; i <= 13; ++i) {
            const GlyphLayer& l = sign.layers[static_cast<std::size_t>(i - 1)];
            // Page offsets from the centre line, as the views place the board.
            const QRect cell = geo::wavespellCell(i);
            const double left = sign.pictX - board.width() / 2 + (cell.left() - geo::kWavespellLeft);
            const double top = sign.pictY + (cell.top() - geo::kWavespellTop);
            dx += left + plate.width() / 2 - l.x;
            dy += top - l.y;
        }
        Placement p;
        p.scale = 1.0 / e;
        p.advance = (plate.width() + 0.1 * e) / e;
        p.x = (dx / 13 - plate.width() / 2) / e + p.advance / 2;
        p.y = dy / 13 / e;
        face.groups.push_back({p, {{'_', [plate](QPainter& p, const QColor& ink, const QColor&) {
                                        p.setPen(QPen(ink, 3));
                                        p.setBrush(Qt::NoBrush);
                                        p.drawRoundedRect(plate.adjusted(1.5, 1.5, -1.5, -1.5), 8, 8);
                                    }}}});
    }
    return face;
}

FaceDesign runeFace() {
    FaceDesign face{kRuneFace, "virev2.ttf", {}};
    FaceDesign::Group runes{fitPlacement(kRuneFace, codeRange({{315, 343}}), kRune), {}};
    for (int r = 0; r <= 28; ++r) {
        if (r == 27) continue;  // the frame below
        const char glyph = r <= 25 ? char('A' + r) : r == 26 ? '[' : '}';
        runes.glyphs.push_back({glyph, [r](QPainter& p, const QColor& ink, const QColor&) {
                                    drawRune(p, r, ink, true, false);
                                }});
    }
    runes.glyphs.push_back({'_', [](QPainter& p, const QColor& ink, const QColor&) { drawRune(p, 0, ink, false, true); }});
    face.groups.push_back(runes);
    face.groups.push_back({fitPlacement(kRuneFace, codeRange({{251, 314}}), kFigure),
                           {{'\\', [](QPainter& p, const QColor& ink, const QColor&) { drawFigureFrame(p, ink); }}}});
    return face;
}

FaceDesign figureFace() {
    FaceDesign face{kFigureFace, "rurazo.ttf", {}};
    FaceDesign::Group figures{fitPlacement(kFigureFace, codeRange({{251, 314}}), kFigure), {}};
    // Base glyph b (1..32) shows upper trigram (b - 1) div 4 over the lower
    // trigram of the first member its overlays complete.
    static constexpr int kFirstMember[4] = {0, 3, 6, 7};
    for (int b = 1; b <= 32; ++b) {
        const int upper = (b - 1) / 4, lower = textgen::lowerTrigramOfMember(kFirstMember[(b - 1) % 4]);
        figures.glyphs.push_back({b <= 26 ? char('A' + b - 1) : char('a' + b - 27),
                                  [upper, lower](QPainter& p, const QColor& ink, const QColor&) {
                                      drawFigure(p, lower, upper, ink, ink);
                                  }});
    }
    // Lambdas capture plain variables: clang 14 (the sanitizer build) refuses
    // to capture structured bindings.
    for (const auto& overlay : {std::pair{'o', 0}, std::pair{'p', 1}})
        figures.glyphs.push_back({overlay.first, [line = overlay.second](QPainter& p, const QColor& ink, const QColor&) {
                                      p.setPen(Qt::NoPen);
                                      p.setBrush(ink);
                                      drawFigureGap(p, kFigureBottomRow - kFigurePitch * line);
                                  }});
    face.groups.push_back(figures);
    return face;
}

FaceDesign moonDayFace() {
    FaceDesign face{kMoonDayFace, "vod7777urer.ttf", {}};
    FaceDesign::Group signs{fitPlacement(kMoonDayFace, codeRange({{344, 371}}), kMoonDaySign), {}};
    auto add = [&signs](char glyph, int q, MoonDayLayer layer) {
        signs.glyphs.push_back({glyph, [q, layer](QPainter& p, const QColor& ink, const QColor& paper) {
                                    drawMoonDayLayer(p, q, layer, ink, paper);
                                }});
    };
    for (int q = 0; q < 7; ++q) {
        add(char('1' + q), q, MoonDayLayer::Frame);
        add(char('M' + q), q, MoonDayLayer::Disc);
        add(char('A' + q), q, MoonDayLayer::Emblem);
    }
    add('T', 0, MoonDayLayer::StarLeft);
    add('U', 0, MoonDayLayer::DiamondRight);
    add('V', 0, MoonDayLayer::DiamondLeft);
    add('W', 0, MoonDayLayer::StarRight);
    add('X', 0, MoonDayLayer::DiamondLeftLow);
    face.groups.push_back(signs);
    return face;
}

FaceDesign vinalFace() {
    FaceDesign face{kVinalFace, "zovadirivav.ttf", {}};
    FaceDesign::Group vinals{fitPlacement(kVinalFace, codeRange({{374, 411}}), kVinal50), {}};
    for (int k = 1; k <= 19; ++k)
        vinals.glyphs.push_back({char('A' + k - 1), [k](QPainter& p, const QColor& ink, const QColor& paper) {
                                     drawVinal(p, k, ink, ink, paper);
                                 }});
    face.groups.push_back(vinals);
    FaceDesign::Group counts{fitPlacement(kVinalFace, codeRange({{412, 430}}), kVinalCount), {}};
    for (int n = 1; n <= 19; ++n)
        counts.glyphs.push_back({char('a' + n - 1), [n](QPainter& p, const QColor& ink, const QColor& paper) {
                                     drawVinalCount(p, n, ink, paper);
                                 }});
    face.groups.push_back(counts);
    return face;
}

FaceDesign pieceFace() {
    FaceDesign face{kPieceFace, "kestralune2x.ttf", {}};
    FaceDesign::Group pieces{fitPlacement(kPieceFace, {233, 234}, kFigurePiece), {}};
    for (const auto& piece : {std::pair{'[', true}, std::pair{']', false}})
        pieces.glyphs.push_back({piece.first, [solid = piece.second](QPainter& p, const QColor& ink, const QColor&) {
                                     p.setPen(Qt::NoPen);
                                     p.setBrush(ink);
                                     drawFigureLine(p, 0, solid);
                                 }});
    face.groups.push_back(pieces);
    return face;
}

}  // namespace

void drawFigureFrame(QPainter& p, const QColor& c) {
    p.setPen(QPen(c, kFrameWidth));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(-1.5, -1.5, kFigure.w + 3, kFigure.h + 3), 3, 3);
}

QTransform figureToRunePicture() {
    // Figure pixels to em by the frame's placement, em to rune pixels by the runes'.
    static const QTransform t = [] {
        const Placement frame = fitPlacement(kRuneFace, codeRange({{251, 314}}), kFigure);
        const Placement rune = fitPlacement(kRuneFace, codeRange({{315, 343}}), kRune);
        QTransform toEm(frame.scale, 0, 0, frame.scale, frame.x, frame.y);
        QTransform fromEm = QTransform(rune.scale, 0, 0, rune.scale, rune.x, rune.y).inverted();
        return toEm * fromEm;
    }();
    return t;
}

std::vector<FaceDesign> faceDesigns() {
    return {signFace(), runeFace(), figureFace(), moonDayFace(), vinalFace(), pieceFace()};
}

namespace {

QJsonArray contourJson(const QPolygonF& poly) {
    QJsonArray points;
    for (const QPointF& pt : poly) {
        points.append(qRound(pt.x()));
        points.append(kAscender - qRound(pt.y()));
    }
    return points;
}

void generateOutlines(const Output& out) {
    QDir().mkpath(out.outlines);
    for (const FaceDesign& face : faceDesigns()) {
        QJsonArray glyphs;
        for (const FaceDesign::Group& group : face.groups) {
            const Placement& pl = group.placement;
            for (const GlyphDesign& g : group.glyphs) {
                OutlineRecorder recorder(Qt::black);
                QPainter p(&recorder);
                p.translate(kUnitsPerEm * pl.x, kUnitsPerEm * pl.y);
                p.scale(kUnitsPerEm * pl.scale, kUnitsPerEm * pl.scale);
                g.art(p, Qt::black, Qt::white);
                p.end();
                QJsonArray contours;
                for (const QPolygonF& c : contoursOf(recorder.ink())) contours.append(contourJson(c));
                if (contours.isEmpty())
                    throw std::runtime_error(face.family + ": glyph " + std::string(1, g.glyph) + " has no outline");
                QJsonObject glyph;
                glyph["char"] = QString(QChar(g.glyph));
                glyph["advance"] = qRound(kUnitsPerEm * pl.advance);
                glyph["contours"] = contours;
                glyphs.append(glyph);
            }
        }
        QJsonObject font;
        font["family"] = QString::fromStdString(face.family);
        font["file"] = QString::fromStdString(face.file);
        font["unitsPerEm"] = kUnitsPerEm;
        font["ascender"] = kAscender;
        font["descender"] = -kDescender;
        font["glyphs"] = glyphs;
        QFile file(out.outlines + "/" + QString::fromStdString(face.file) + ".json");
        if (!file.open(QIODevice::WriteOnly) || file.write(QJsonDocument(font).toJson(QJsonDocument::Compact)) < 0)
            throw std::runtime_error("cannot write the outlines of " + face.family);
    }
}

}  // namespace

KL_PICTURE_FAMILY("glyphs", generateOutlines);

}  // namespace kl::picgen
