// The print manager's shared state: the script and its page, the modes the
// interpreter runs in, and the day the page is drawn for. The window owns
// one; the command line owns its own. No widget here.
#pragma once

#include <cstdint>
#include <string>

#include "core/calendar.h"
#include "core/kin.h"
#include "platform/picture.h"
#include "print/script.h"
#include "print/scriptsink.h"

namespace kl::print {

// The page canvas font as FONT lines set it.
struct FontSpec {
    std::string face;    // empty: the program's sign font
    int size = 8;        // points; the height decides the drawn size
    int height = 0;      // pixels: < 0 character height, > 0 cell height, 0 the editor's default
    platform::Rgb colour{};
    bool bold = false;
    bool italic = false;
    friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

struct PrintState {
    // The editor's script (Memo1's lines), the year sub-script and the page
    // size canvasWidth x canvasHeight: the calendar's exports write here.
    ScriptSink script;

    double scaleFactor = 1.0;      // factor of the rewrite pass
    bool rewriteMode = false;      // commands rewrite themselves instead of drawing
    bool previewMode = false;      // only FONT lines run
    std::uint8_t progressMode = 0; // 0: bar 0..100; 1: base + 0..40; 2, 5, 20: bar left alone
    int progressValue = 0;         // the progress bar prg
    bool yearDrawn = false;        // a YEAR line ran in the last run
    bool monoMode = false;         // black-and-white output
    double viewZoom = 1.0;         // shown size = page size / viewZoom
    int margin = 5;                // paper margin in percent, 0..45

    platform::Rgb background{255, 255, 255};  // the page's background colour
    platform::Rgb lastKeyColour{};             // top-left pixel of the last PICT bitmap
    FontSpec pageFont;
    int editorFontHeight = -13;    // what a FONT height of 0 stands for

    CalendarDay printDay;          // the day the page is drawn for
    KinRelations printRelations;   // its related seals

    int canvasWidth() const { return script.canvasWidth; }
    int canvasHeight() const { return script.canvasHeight; }
};

// printDay := day and printRelations := its relations.
void setPrintDay(PrintState& state, const CalendarDay& day);

// The face a FONT line's face stands for: itself, or the program's sign
// font for an empty one (the _signfont setting, else the shipped default).
std::string fontFace(const std::string& face);
inline constexpr const char* kDefaultSignFont = "KESTRALUNE2x";

}  // namespace kl::print
