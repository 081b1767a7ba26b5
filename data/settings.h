// The user settings that other windows read often, copied from the
// configuration dialog's controls by TForm4::assignv.
#pragma once

#include <cstdint>
#include <string>

namespace kl {

extern bool _Yshine;        // shine in the year view
extern bool _Yline;         // pulsar lines in the year view
extern bool _Yfigure;       // day icon in the year view
extern bool _Sfigure;       // day icon in the castle view
extern bool _SFX;           // use transitions
extern std::int32_t _spconst;  // transition steps; 0 when transitions are off
extern bool _Swapbtn;       // swap the up/down key functions
extern bool _Mlinear;       // linear (simplified) moon phase model
extern std::int32_t _Mmodel;  // the moon model: 0 linear, 1 smooth, 2 astronomical (core/moonage.h)
extern std::string _signfont;  // text setting used by the sign renderer's export
extern std::int32_t _hlpcount;  // number of help pages
// The Gregorian date under the full-screen views: on the book-of-kins page
// (cb7), in the day view (cb8), in the day icons (cb9), and its format (the
// position of cbx's text in its list: 0 dd.mm.yyyy .. 5 dd/mm, 6 none).
extern bool _BookDate;
extern bool _DayDate;
extern bool _IconDate;
extern std::int32_t _DateFormat;
// The telektonon's three turtles walk on together after day 23 (cb10).
extern bool _Turtles;

// Restores every setting to its value before any configuration is loaded.
void resetSettings();

}  // namespace kl
