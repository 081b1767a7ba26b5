// The day sign renderer: the picture of a sign code drawn into the view
// picture, or written to a print script as a PICT line or as FONT / TEXT
// lines that rebuild the sign from symbol-font glyphs.
#pragma once

#include <string>

#include "platform/picture.h"
#include "print/scriptsink.h"

namespace kl {

// Loads the sign's picture in the target's picture set and draws it with
// its key colour transparent, clipped at the picture's edges: left edge x,
// or centred on the view centre plus x; y is the top (in the target's units). A missing or
// unreadable picture, or a code without one, is reported
// ("DRAWSIGNP in fullmode") and leaves the target unchanged.
void drawsignOn(platform::Picture& target, int x, int y, int code, bool centred);

// Appends the sign's script lines: one PICT line, or, while _TEXTGRAPHIC is
// set, its glyph lines (the year view's small seals and tones go to the
// year sub-script instead), their FONT lines naming `signFont` (_signfont).
// Reads _expstate and the role marks; sets _pfont to 255 after glyph lines.
void exportSign(ScriptSink& sink, int x, int y, int code, bool centred, const std::string& signFont);

// The glyph letter of a sign number: kind 0 'A'.. for 1.., 0 taken as 20
// ('T'); kind 1 'a' for 0; kind 2 the number in decimal; kind 3 'A' for 0.
std::string restruct(int n, int kind);
// The glyph size entry ("72 -96"), its point size, and the glyph colour
// entry (" 255 0 0 ") of a colour index; see layout/signtable.h.
std::string sizes(int code);
int sizef(int code);
std::string colors(int index);

}  // namespace kl
