// Flags of the full-screen renderers that the error report prints: the
// preset of the last exported FONT line, right alignment of the next text,
// the scratch-picture switch and the seven role marks of the day's signs.
#pragma once

#include <cstdint>

namespace kl {

extern std::uint8_t _pfont;  // preset whose FONT line was written last; 255 = none
extern bool rightallign;     // the next drawn text ends at its x
extern bool USEPB2;          // signs go to the scratch picture instead of the view

// Role marks: set just before a sign of the day's own kin, tone, guide,
// analog, antipode, occult teacher or plasma is drawn, so that a glyph
// export writes a keyword that prints the page's own day. Every sign call
// clears all seven.
extern bool _KIN, _TONE, _GUIDE, _ANALOG, _ANTIPOD, _ATEACHER, _PLASM;
void clearRoleMarks();

}  // namespace kl
