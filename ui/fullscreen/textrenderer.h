// The views' text renderer: one text in one of the font presets,
// drawn into the view picture or written as FONT and TEXT lines of a print
// script; and decorative text letter by letter with its rainbow.
#pragma once

#include <string>
#include <vector>

#include "layout/colour.h"
#include "layout/essence.h"
#include "platform/draw.h"
#include "platform/picture.h"
#include "print/scriptsink.h"

namespace kl {

// The font of a preset (0..17); a number outside that range keeps the font
// last applied.
platform::FontSpec presetFont(int preset);
Rgb presetColour(int preset);  // white outside 0..17

// The essence beside the seal, from the caption and the seal's essence as
// the database has them: "Caption: WORD" on the label row when it ends left
// of the moon, or "Caption:" there and the word on a row of its own in the
// largest preset that keeps it clear (layout/essence.h).
struct EssenceText {
    layout::essence::Rows rows;  // the kin, tone, label and word rows
    std::string label, word;     // word empty: the label row says it all
    int wordPreset = layout::essence::kOneRowPreset;
};
EssenceText essenceText(const std::string& caption, const std::string& essence,
                        const layout::essence::Rows& oneRow);

// Draws `text` with its top at y: left edge at x, or centred on
// centreLine + x, or, while `rightallign` is set, ending at x. A failure is
// reported ("drawtxt in fullmode") and nothing more is drawn.
void drawtxtOn(platform::Picture& view, int x, int y, const std::string& text, int preset, bool centred,
               int centreLine);

// Appends the text's TEXT line, preceded by a FONT line when the preset
// differs from the last one written (_pfont). Coordinates move from the
// view to the page as the print manager expects; line breaks inside the text
// become spaces so one text is one script line.
void exportTxt(ScriptSink& sink, int x, int y, const std::string& text, int preset, bool centred);

// The FONT line of a preset: "FONT 8 -11 0 0 0 bld nrm Arial". Always black.
std::string presetFontLine(int preset);

// Letters one by one: along an arc of `radius` around (x, y) from
// startAngle to endAngle (degrees counter-clockwise), each turned to follow
// it; in a straight line (radius -1); or turned upright (radius -2). Any
// other radius, or an empty text, draws nothing.
void drawtxt2On(platform::Picture& view, int x, int y, const std::string& text, int preset, int startAngle,
                int endAngle, int radius, bool rainbow, bool centreLine, bool centreUp);

// Where drawtxt2On puts each letter: the top-left corner of the letter's
// line box (width x height before turning), turned `escapement` tenths of a
// degree counter-clockwise about that corner, in the preset's colour or the
// rainbow's. Rainbow letters are lightened where their hue alone would not
// reach kRainbowContrast on the view's background, so every word stays
// legible on the dark board.
struct PlacedLetter {
    std::string letter;
    int x = 0, y = 0, escapement = 0;
    int width = 0, height = 0;
    Rgb colour;
};
inline constexpr double kRainbowContrast = 5.0;
std::vector<PlacedLetter> placeLetters(int x, int y, const std::string& text, int preset, int startAngle,
                                       int endAngle, int radius, bool rainbow, bool centreLine, bool centreUp);

// The rainbow colour of position 0..120 (layout::rainbow): red, yellow,
// green, cyan, blue, magenta and back towards red; white above 120, black
// below 0.
Rgb getrnb(int position);

}  // namespace kl
