// The settings the program runs with: one object for the run, owning every
// value under the name the error report prints it by. applyConf
// (data/conffile.h) fills it from conf.dat's values; the configuration
// dialog's assignv does so from its controls. Windows read the program's
// object; the views are handed it in their context (ViewContext::settings).
#pragma once

#include <cstdint>
#include <string>

namespace kl {

struct Settings {
    bool _Yshine = false;         // shine in the year view
    bool _Yline = false;          // pulse line in the year view
    bool _Yfigure = false;        // day icon in the year view
    bool _Sfigure = false;        // day icon in the castle view
    bool _SFX = false;            // use transitions
    std::int32_t _spconst = 0;    // transition steps; 0 when transitions are off
    bool _Swapbtn = false;        // swap the up/down key functions
    bool _Mlinear = true;         // linear (simplified) moon phase model
    std::int32_t _Mmodel = 0;     // the moon model: 0 linear, 1 smooth, 2 astronomical (core/moonage.h)
    std::string _signfont;        // face of the sign glyphs in exported scripts
    std::int32_t _hlpcount = 1;   // number of help pages
    // The Gregorian date under the full-screen views: on the book-of-kins
    // page (cb7), in the day view (cb8), in the day icons (cb9), and its
    // format (the position of cbx's text in its list: 0 dd.mm.yyyy .. 5
    // dd/mm, 6 none).
    bool _BookDate = false;
    bool _DayDate = false;
    bool _IconDate = true;
    std::int32_t _DateFormat = 5;
    bool _Turtles = false;        // the telektonon's three turtles walk on together after day 23 (cb10)

    friend bool operator==(const Settings&, const Settings&) = default;
};

// The program's settings; before any configuration is loaded, the values
// above.
Settings& settings();

// Restores every setting to its value before any configuration is loaded.
void resetSettings();

}  // namespace kl
