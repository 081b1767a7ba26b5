// The glyphs of the program's symbol fonts, drawn with the same painting
// functions as the sign pictures and placed so that a glyph drawn where the
// glyph export puts it lands where the picture export puts the picture.
#pragma once

#include <QColor>
#include <QPainter>

#include <functional>
#include <string>
#include <vector>

#include "layout/signtable.h"

namespace kl::picgen {

// Font design units: 1000 to the em; the text line's top is the ascender.
inline constexpr int kUnitsPerEm = 1000;
inline constexpr int kAscender = 800;
inline constexpr int kDescender = 200;

// Where a glyph's design box (the reference picture, in its pixels) sits
// in the em: its top-left relative to the text line's top-left corner, and
// the em per reference pixel; the advance width, all in em.
struct Placement {
    double x = 0, y = 0, scale = 0, advance = 0;
};

// Paints one glyph's art in its reference picture's pixels, in `ink`;
// `paper` is any other colour, for holes that are punched out again.
using GlyphArt = std::function<void(QPainter&, const QColor& ink, const QColor& paper)>;

struct GlyphDesign {
    char glyph;
    GlyphArt art;
};

struct FaceDesign {
    std::string family;
    std::string file;  // the font file's name
    struct Group {
        Placement placement;
        std::vector<GlyphDesign> glyphs;
    };
    std::vector<Group> groups;
};

// Every face with every glyph the glyph export can write.
std::vector<FaceDesign> faceDesigns();

// The least-squares placement of the glyphs that the export draws for
// `codes` (all the same glyph group of `face`), with `reference` as their
// design box: the picture sizes of the codes scale it.
Placement fitPlacement(const std::string& face, const std::vector<int>& codes, layout::PicSize reference);

}  // namespace kl::picgen
