#include "ui/fullscreen/signrenderer.h"

#include <cmath>

#include "data/errorlog.h"
#include "imaging/keyed.h"
#include "layout/boardviews.h"
#include "layout/calendarviews.h"
#include "layout/signtable.h"
#include "layout/viewgeometry.h"
#include "ui/fullscreen/fullstate.h"
#include "ui/fullscreen/renderstate.h"
#include "ui/fullscreen/viewset.h"

namespace kl {

namespace {

int roundEven(double v) { return static_cast<int>(std::nearbyint(v)); }
std::string num(int n) { return std::to_string(n); }

constexpr const char* kBlack = " 0 0 0 ";

// Writes the glyph lines of one sign. x and y are in page coordinates.
class GlyphWriter {
public:
    GlyphWriter(ScriptSink& sink, bool yearList) : sink_(sink), yearList_(yearList) {}

    void font(const std::string& size, const std::string& colour, const std::string& face) {
        put("FONT " + size + colour + "thn nrm " + face);
    }
    void fixed(const std::string& line) { put(line); }
    void text(int X, int Y, const std::string& align, const std::string& glyph) {
        put("TEXT " + num(X) + " " + num(Y) + " " + align + " '" + glyph + "'");
    }
    void keyword(int X, int Y, const std::string& align, const std::string& word) {
        put("TEXT " + num(X) + " " + num(Y) + " " + align + " " + word);
    }
    // The glyph, or the keyword of the day's own sign when one is asked for.
    void textOr(int X, int Y, const std::string& align, const std::string& glyph, const std::string& word) {
        if (word.empty()) text(X, Y, align, glyph);
        else keyword(X, Y, align, word);
    }

private:
    void put(std::string line) {
        if (yearList_) sink_.appendYear(std::move(line));
        else sink_.append(std::move(line));
    }
    ScriptSink& sink_;
    bool yearList_;
};

// The keyword of a seal: later marks win, as the lines are checked in order.
std::string sealKeyword() {
    std::string k;
    if (_GUIDE) k = "guide";
    if (_ANALOG) k = "analog";
    if (_ANTIPOD) k = "antipod";
    if (_ATEACHER) k = "ateacher";
    if (_KIN) k = "kin";
    return k;
}

// One mark on each of the thirteen days of the wavespell's U.
void wavespellGlyphs(GlyphWriter& w, const std::string& align) {
    for (int i = 1; i <= 13; ++i) {
        const layout::Point s = layout::wave::slot(i);
        const int x = 102 * (s.x + 1) - 275, y = 91 * s.y - 53;
        w.text(x - 5, y - 22, align, "_");
    }
}

void lineFigureGlyphs(GlyphWriter& w, int code, int x, int y) {
    const int r = code - 251, m = r % 8;
    w.fixed("FONT 39 -52 159 159 159 thn nrm VIREV2");
    w.text(roundEven(x + 18 - 0.05 * 39), roundEven(y - 14 - 0.22 * 39), "", "\\");
    w.font(sizes(code), kBlack, "RURAZO");
    const int X = roundEven(x - 0.05 * 33), Y = roundEven(y - 0.22 * 33);
    if (m == 1 || m == 4) w.text(X, Y, "", "o");
    if (m == 2 || m == 5) w.text(X, Y, "", "p");
    const int c = m <= 2 ? 1 : m <= 5 ? 2 : m == 6 ? 3 : 4;
    const std::string glyph = r < 54 ? restruct((r / 8) * 4 + c, 0) : restruct((r / 8) * 4 + c - 27, 1);
    w.text(X, Y, "", glyph);
}

void moonDayGlyphs(GlyphWriter& w, int code, int X, int Y) {
    static constexpr const char* kFace = "Vod 7777 urer";
    const std::string size = sizes(code);
    std::string colour;
    int q = 0;
    if (code <= 350) colour = " 255 0 0 ", q = code - 344;
    else if (code <= 357) colour = " 255 255 255 ", q = code - 351;
    else if (code <= 364) colour = " 0 0 255 ", q = code - 358;
    else colour = " 255 255 0 ", q = code - 365;
    if (q == 3) colour = " 0 0 255 ";
    w.font(size, colour, kFace);
    w.text(X, Y, "", num(q + 1));
    w.font(size, colors(q + 3), kFace);
    w.text(X, Y, "", restruct(q + 13, 0));
    w.font(size, kBlack, kFace);
    w.text(X, Y, "", restruct(q, 3));
    if (q != 0 && q != 4) {
        w.font(size, q == 3 ? colors(4) : colors(q + 2), kFace);
        w.text(X, Y, "", q <= 4 ? restruct(q + 19, 0) : restruct(q + 18, 0));
    }
    if (q == 2 || q == 6) {
        w.font(size, colors(q + 1), kFace);
        w.text(X, Y, "", q <= 4 ? restruct(q + 18, 0) : restruct(q + 17, 0));
    }
}

void glyphLines(ScriptSink& sink, int x, int y, int code, bool centred, const std::string& face) {
    using layout::GlyphFamily;
    const GlyphFamily family = layout::glyphFamily(code);
    GlyphWriter w(sink, family == GlyphFamily::SmallSeal || family == GlyphFamily::YearTone);
    const int s = sizef(code);
    std::string align;
    const auto standard = [&](int& X, int& Y) {
        X = roundEven(x - s * 0.05);
        Y = roundEven(y - s * 0.22);
    };
    int X = 0, Y = 0;
    switch (family) {
        case GlyphFamily::Seal: {
            align = centred ? "cnt" : "rgt";
            x += centred ? 6 : 35;
            using namespace layout::code;
            int n = code;
            if (inFamily(code, kSmallSeal, kSeals, true)) n = code - kSmallSeal, x -= 2;
            if (inFamily(code, kSeal45, kSeals)) n = code - kSeal45, x += centred ? -2 : 3, y += 3;
            if (inFamily(code, kSeal35, kSeals)) n = code - kSeal35, x += 3, y += 3;
            standard(X, Y);
            w.font(sizes(code), colors(n + 3), face);
            w.text(X, Y, align, "W");
            w.font(sizes(code), kBlack, face);
            w.textOr(X, Y, align, restruct(n, 0), sealKeyword());
            break;
        }
        case GlyphFamily::Tone: {
            align = centred ? "cnt" : "rgt";
            x += centred ? 5 : 30;
            using namespace layout::code;
            // The tone letter counts from 0 for tone 1.
            int t = code - kLargeTone - 1;
            if (inFamily(code, kTone45, kTones)) t = code - kTone45 - 1, x += 6;
            if (inFamily(code, kTone35, kTones)) t = code - kTone35 - 1, x += 5, y += 1;
            standard(X, Y);
            w.font(sizes(code), kBlack, face);
            w.textOr(X, Y, align, restruct(t, 1), _TONE ? "tone" : "");
            break;
        }
        case GlyphFamily::Plasma: {
            align = centred ? "cnt" : "rgt";
            x += centred ? 6 : 35;
            using namespace layout::code;
            // The plasma counts from 0 for plasma 1.
            int p = code - kPlasma35 - 1;
            if (inFamily(code, kLargePlasma, kPlasmas)) p = code - kLargePlasma - 1, x -= 4;
            X = roundEven(x - s * 0.045);
            Y = y;
            w.font(sizes(code), colors(p + 3), face);
            w.text(X, Y, align, "X");
            w.font(sizes(code), kBlack, face);
            w.textOr(X, Y, align, restruct(p + 1, 2), _PLASM ? "plasm" : "");
            break;
        }
        case GlyphFamily::Frame:
            align = centred ? "cnt" : "rgt";
            x += centred ? 5 : 30;
            x -= 12, y += 15;
            standard(X, Y);
            w.font(sizes(code), colors(code - layout::code::kFrame - 1 + 100), face);
            w.text(X, Y, align, "\\");
            break;
        case GlyphFamily::SmallSeal: {
            x += 36;
            const int n = code - layout::code::kYearSeal;
            standard(X, Y);
            w.font(sizes(code), colors(n + 3), face);
            w.text(X, Y, "", "W");
            w.font(sizes(code), kBlack, face);
            w.text(X, Y, "", restruct(n, 0));
            break;
        }
        case GlyphFamily::YearTone:
            x += 35, y -= 1;
            standard(X, Y);
            w.font(sizes(code), kBlack, face);
            w.text(X, Y, "", restruct((code - layout::code::kYearToneFirst) % 13, 1));
            break;
        case GlyphFamily::FigurePiece:
            x += 37, y -= 20;
            w.fixed("FONT 33 -44 0 0 0 thn nrm KESTRALUNE2x");
            w.text(roundEven(x - 0.05 * 33), roundEven(y - 0.22 * 33), "", code == layout::code::kFigurePieceZero ? "]" : "[");
            break;
        case GlyphFamily::Marker:
        case GlyphFamily::Dot: {
            // A dot takes its picture line's shift, so its glyph sits where the picture would.
            const bool dot = family == GlyphFamily::Dot;
            align = centred ? "cnt" : "rgt";
            x += centred ? (dot ? 2 : 5) : (dot ? 35 : 30);
            standard(X, Y);
            w.font(sizes(code), colors(code), face);
            if (code == layout::code::kDootDot) {
                // The day out of time's dot: a bone disc, then its gold core.
                w.text(X, Y, align, "o");
                w.font(sizes(code), colors(layout::code::kDot), face);
                w.text(X, Y, align, ":");
            } else {
                w.text(X, Y, align, dot ? "." : "*");
            }
            break;
        }
        case GlyphFamily::Wavespell:
            align = centred ? "cnt" : "rgt";
            w.font(sizes(code), " 200 20 200 ", face);
            wavespellGlyphs(w, align);
            break;
        case GlyphFamily::LineFigure:
            x += 34, y += 20;
            lineFigureGlyphs(w, code, x, y);
            break;
        case GlyphFamily::Rune: {
            x += 46, y += 4;
            const int r = code - layout::code::kRune - 1;
            const std::string glyph = code == 341 ? "[" : code == 342 ? "\\" : restruct(r, 3);
            standard(X, Y);
            w.font(sizes(code), kBlack, "VIREV2");
            if (glyph != "G" && glyph != "N" && glyph != "U" && glyph != "\\") w.text(X, Y, "", "_");
            w.text(X, Y, "", glyph);
            break;
        }
        case GlyphFamily::MoonDaySign:
            x += 41, y += 2;
            standard(X, Y);
            moonDayGlyphs(w, code, X, Y);
            break;
        case GlyphFamily::Vinal: {
            const bool large = layout::code::inFamily(code, layout::code::kVinal50, 19);
            if (large) x += 33, y += 14;
            else x += 33, y += 15;
            standard(X, Y);
            w.font(sizes(code), kBlack, "ZOVADIRIVAV");
            w.text(X, Y, "", restruct(large ? code - layout::code::kVinal50 : code - layout::code::kVinal40, 0));
            break;
        }
        case GlyphFamily::VinalCount:
            x += 24, y += 11;
            standard(X, Y);
            w.font(sizes(code), kBlack, "ZOVADIRIVAV");
            w.text(X, Y, "", restruct(code - layout::code::kVinalCount - 1, 1));
            break;
        case GlyphFamily::None: break;
    }
}

}  // namespace

std::string restruct(int n, int kind) {
    const auto upper = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; };
    switch (kind) {
        case 0: return std::string(1, upper(static_cast<char>(96 + (n == 0 ? 20 : n))));
        case 1: return std::string(1, static_cast<char>(97 + n));
        case 2: return std::to_string(n);
        case 3: return std::string(1, upper(static_cast<char>(97 + n)));
        default: return {};
    }
}

std::string sizes(int code) { return layout::glyphSizeEntry(code); }
int sizef(int code) { return layout::glyphPointSize(code); }
std::string colors(int index) { return layout::glyphColourEntry(index); }

void drawsignOn(platform::Picture& target, int x, int y, int code, bool centred) {
    const std::string file = layout::signFileName(code);
    int cx = 0;
    try {
        if (file.empty()) throw platform::PictureError("no picture for this sign code");
        const platform::Picture picture = loadForView(target, file);
        const int s = target.scale();
        cx = centred ? layout::kViewCentre + x - picture.width() / s / 2 : x;
        drawKeyed(picture, target, cx * s, y * s, layout::signKeyColor(code));
    } catch (...) {
        reportFailure(101, "DRAWSIGNP in fullmode",
                      {"filename:" + file, "X:" + num(x), "Y:" + num(y), "CX:" + num(cx), "ID" + num(code)});
    }
}

void exportSign(ScriptSink& sink, int x, int y, int code, bool centred, const std::string& signFont) {
    const std::string file = layout::signFileName(code);
    try {
        if (_expstate == 0) {
            if (!centred) x -= 145;
            y -= 50;
        }
        if (!_TEXTGRAPHIC) {
            x += centred ? 2 : 35;
            const Rgb key = layout::signKeyColor(code);
            sink.append("PICT " + num(x) + " " + num(y) + " " + num(key.r) + " " + num(key.g) + " " + num(key.b) +
                        " " + (centred ? "cnt" : "rgt") + " '" + file + "'");
        } else {
            glyphLines(sink, x, y, code, centred, signFont);
            _pfont = 255;
        }
    } catch (...) {
        reportFailure(101, "DRAWSIGNP in fullmode",
                      {"filename:" + file, "X:" + num(x), "Y:" + num(y), "CX:0", "ID" + num(code)});
    }
}

}  // namespace kl
