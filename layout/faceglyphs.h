// The glyph pictures of the compact face: the picture is the sign code's own
// picture; the opacity mask it is blended through is the face's.
#pragma once

#include <string>

namespace kl::layout {

struct GlyphFiles {
    std::string picture;  // e.g. "graphic\5Y.bmp"; empty outside the table
    std::string mask;     // e.g. "graphic\SBalfa.bmp"
};

// Seal s is glyph s (0 and 20 both seal 20), its small picture glyph s + 30,
// tone t glyph t + 50, plasma p glyph p + 70. Any other number gives empty names.
GlyphFiles glyphFiles(int glyph);

}  // namespace kl::layout
