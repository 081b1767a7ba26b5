// The glyph pictures of the compact face: glyph number -> picture and the
// opacity mask it is blended through.
#pragma once

#include <string>

namespace kl {

struct GlyphFiles {
    std::string picture;  // e.g. "graphic\5Y.bmp"; empty outside the table
    std::string mask;     // e.g. "graphic\SBalfa.bmp"
};

// Seal s is glyph s (0 and 20 both seal 20), its small picture glyph s + 30,
// tone t glyph t + 50, plasma p glyph p + 70. Any other number gives empty names.
GlyphFiles glyphFiles(int glyph);

}  // namespace kl
