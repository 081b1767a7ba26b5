#include "ui/fullscreen/textrenderer.h"

#include <cmath>
#include <cstdlib>

#include "data/errorlog.h"
#include "data/textdb.h"
#include "layout/contrast.h"
#include "layout/fontpresets.h"
#include "layout/lettering.h"
#include "layout/viewgeometry.h"
#include "platform/codec.h"
#include "ui/fullscreen/fullstate.h"
#include "ui/fullscreen/renderstate.h"

namespace kl {

namespace {

// Nearest integer, halves to even.
int roundEven(double v) { return static_cast<int>(std::nearbyint(v)); }

// The font in force: a preset outside the table keeps it.
platform::FontSpec& fontInForce() {
    static platform::FontSpec font = [] {
        const layout::FontPreset& p = layout::kFontPresets[0];
        return platform::FontSpec{p.face, p.pixelHeight, p.bold, false};
    }();
    return font;
}

bool isPreset(int preset) { return preset >= 0 && preset < static_cast<int>(layout::kFontPresets.size()); }

std::string oneLine(std::string text) {
    for (char& c : text)
        if (c == '\r' || c == '\n') c = ' ';
    return text;
}

}  // namespace

platform::FontSpec presetFont(int preset) {
    if (!isPreset(preset)) return fontInForce();
    const layout::FontPreset& p = layout::kFontPresets[static_cast<std::size_t>(preset)];
    return {p.face, p.pixelHeight, p.bold, false};
}

namespace {
// Puts a preset in force; a number outside the table keeps the font in force.
const platform::FontSpec& applyPreset(int preset) { return fontInForce() = presetFont(preset); }
}  // namespace

Rgb presetColour(int preset) {
    return isPreset(preset) ? layout::kFontPresets[static_cast<std::size_t>(preset)].colour : layout::kWhite;
}

EssenceText essenceText(const std::string& caption, const std::string& essence,
                        const layout::essence::Rows& oneRow) {
    namespace mask = layout::casemask;
    const std::string both = applyCaseMask(caption + ": " + essence, mask::kEssenceRow);
    const std::string word = applyCaseMask(essence, mask::kEssenceWord);
    const layout::essence::Setting s = layout::essence::choose(
        platform::textWidth(presetFont(layout::essence::kOneRowPreset), both), oneRow,
        [&](int preset) { return platform::textWidth(presetFont(preset), word); });
    if (!s.twoRows) return {s.rows, both, {}, s.wordPreset};
    return {s.rows, applyCaseMask(caption + ":", mask::kEssenceLabel), word, s.wordPreset};
}

void drawtxtOn(platform::Picture& view, int x, int y, const std::string& text, int preset, bool centred,
               int centreLine) {
    int cx = 0;
    try {
        platform::Painter painter(view);
        painter.setFont(applyPreset(preset));
        painter.setTextColour(presetColour(preset));
        if (rightallign) {
            cx = x - painter.textWidth(text);
        } else if (!centred) {
            cx = x;
        } else {
            cx = centreLine + x - painter.textWidth(text) / 2;
        }
        painter.text(cx, y, text);
    } catch (...) {
        reportFailure(101, "drawtxt in fullmode",
                      {"filename:" + text, "X:" + std::to_string(x), "Y:" + std::to_string(y),
                       "CX:" + std::to_string(cx)});
    }
}

std::string presetFontLine(int preset) {
    const platform::FontSpec f = applyPreset(preset);
    return "FONT " + std::to_string(layout::pointSize(f.pixelHeight)) + " " + std::to_string(f.pixelHeight) +
           " 0 0 0 " + (f.bold ? "bld " : "thn ") + (f.italic ? "itl " : "nrm ") + f.face;
}

void exportTxt(ScriptSink& sink, int x, int y, const std::string& text, int preset, bool centred) {
    try {
        if (_expstate == 0) {
            if (!centred) x -= 145;
            y -= 50;
        }
        if (_pfont != preset) sink.append(presetFontLine(preset));
        else applyPreset(preset);
        if (!centred) x += 37;
        sink.append("TEXT " + std::to_string(x) + " " + std::to_string(y) + " " + (centred ? "cnt" : "rgt") +
                    " '" + oneLine(text) + "'");
        _pfont = static_cast<std::uint8_t>(preset);
    } catch (...) {
        reportFailure(101, "drawtxt in fullmode",
                      {"filename:" + text, "X:" + std::to_string(x), "Y:" + std::to_string(y), "CX:0"});
    }
}

std::vector<PlacedLetter> placeLetters(int x, int y, const std::string& text, int preset, int startAngle,
                                       int endAngle, int radius, bool rainbow, bool centreLine, bool centreUp) {
    const std::u32string letters = platform::toCodePoints(text);
    const int n = static_cast<int>(letters.size());
    const platform::FontSpec font = applyPreset(preset);
    std::vector<PlacedLetter> placed;
    if (n == 0 || (radius <= 0 && radius != -1 && radius != -2)) return placed;  // no letters, no step between them
    const int height = platform::lineHeight(font);
    const int total = platform::textWidth(font, text);
    const auto widthBefore = [&](int i) {
        return platform::textWidth(font, platform::fromCodePoints(letters.substr(0, static_cast<std::size_t>(i))));
    };
    for (int i = 0; i < n; ++i) {
        PlacedLetter l;
        l.letter = platform::fromCodePoints(letters.substr(static_cast<std::size_t>(i), 1));
        l.width = platform::textWidth(font, l.letter);
        l.height = height;
        l.colour = rainbow ? layout::liftedTo(getrnb(roundEven(i * 120.0 / n)), layout::kViewBackground,
                                              kRainbowContrast)
                           : presetColour(preset);
        if (radius > 0) {
            const layout::ArcLetter a = layout::arcLetter(x, y, startAngle, endAngle, radius, i, n);
            l.x = a.x, l.y = a.y, l.escapement = a.escapement;
        } else if (radius == -1) {
            l.x = x + widthBefore(i) - (centreLine ? total / 2 : 0);
            l.y = y;
        } else {
            l.x = x;
            l.y = y + total - widthBefore(i) - (centreUp ? total / 2 : 0);
            l.escapement = 900;
        }
        placed.push_back(std::move(l));
    }
    return placed;
}

void drawtxt2On(platform::Picture& view, int x, int y, const std::string& text, int preset, int startAngle,
                int endAngle, int radius, bool rainbow, bool centreLine, bool centreUp) {
    const std::vector<PlacedLetter> letters =
        placeLetters(x, y, text, preset, startAngle, endAngle, radius, rainbow, centreLine, centreUp);
    platform::Painter painter(view);
    painter.setFont(presetFont(preset));
    for (const PlacedLetter& l : letters) {
        painter.setTextColour(l.colour);
        if (l.escapement == 0) painter.text(l.x, l.y, l.letter);
        else painter.textTurned(l.x, l.y, l.letter, l.escapement);
    }
}

Rgb getrnb(int p) { return layout::rainbow(p); }

}  // namespace kl
