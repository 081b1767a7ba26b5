// One line of a print layout script, parsed. No drawing and no Qt here: the
// interpreter, the rewrite pass, the command line and the fuzz target all
// read lines through these functions, so they agree on what a line says.
//
// A line is UTF-8 text; "characters" below are code points (an invalid byte
// counts as one character), never bytes. Carriage returns at the end of a
// line are never part of it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kl::print {

// The two markers the interpreter puts around a line it could not read; a
// later run removes them when it meets them.
inline constexpr std::string_view kMarkerBefore = "Syntax error:";
inline constexpr std::string_view kMarkerAfter = "///Syntax error\\\\\\";

enum class LineKind {
    Command,  // FONT, TEXT, PICT, MOON or YEAR (at least 5 characters)
    Header,   // starts with "[": labels a section, draws nothing
    Comment,  // starts with "/": draws nothing, dropped by a rewrite
    Marker,   // exactly one of the two syntax markers
    Other,    // anything else, blank lines included: draws nothing
};

enum class Command { None, Font, Text, Pict, Moon, Year };

// The sender a failure of the command is reported under ("font in
// printpage" …); `fallback` for a line that is no command.
const char* commandSender(Command c, const char* fallback);

// The line without the carriage returns at its end.
std::string_view withoutCR(std::string_view line);

// Number of characters of a line.
std::size_t characterCount(std::string_view text);
// Byte offset of character `n` (the text's size when it has fewer).
std::size_t characterOffset(std::string_view text, std::size_t n);

// The first four characters when the line has at least 5, else "Err".
std::string readfour(std::string_view line);

LineKind lineKind(std::string_view line);
// The command a line runs (None for every other kind). The word is matched
// without regard to ASCII case.
Command commandOf(std::string_view line);

// The arguments of a command line split into `fixedCount` fixed fields and
// one last field. Arguments start at the sixth character. A blank completes
// the next fixed field while some are still open; after the last fixed
// field blanks are ordinary characters, so the last field keeps them.
// Consecutive blanks give empty fixed fields. Fixed fields that no blank
// completed stay empty and are not counted in `completed`.
struct Fields {
    std::vector<std::string> fixed;
    int completed = 0;
    std::string last;
};
Fields splitFields(std::string_view line, int fixedCount);

// A signed decimal integer in the 32-bit range: an optional sign and at
// least one digit, nothing else (no blanks, no "+"-less overflow). Anything
// else is not a number.
std::optional<std::int32_t> parseNumber(std::string_view text);

// The parsed commands. A numeric fixed field that a blank completed must be
// a number; one that no blank completed is 0. Each parse answers nullopt
// when the line cannot be read.
struct FontLine {
    std::int32_t size = 0, height = 0, r = 0, g = 0, b = 0;
    std::string bold, italic, face;
};
struct TextLine {
    std::int32_t x = 0, y = 0;
    std::string align, text;
};
struct PictLine {
    std::int32_t x = 0, y = 0, r = 0, g = 0, b = 0;
    std::string align, file;  // file still carries its quotes
};
struct MoonLine {
    std::int32_t x = 0, y = 0, size = 0, phase = 0;
    std::string look;
};
struct YearLine {
    std::int32_t a = 0, b = 0;
    std::string c;  // a number only when the line is rewritten
};

std::optional<FontLine> parseFont(std::string_view line);
std::optional<TextLine> parseText(std::string_view line);
std::optional<PictLine> parsePict(std::string_view line);
std::optional<MoonLine> parseMoon(std::string_view line);
std::optional<YearLine> parseYear(std::string_view line);

// True for "CNT", "BLD", "ITL", "IMAGE" … in any ASCII case.
bool equalsWord(std::string_view text, std::string_view upperWord);

struct Colour {
    std::uint8_t r = 255, g = 255, b = 255;
    friend bool operator==(const Colour&, const Colour&) = default;
};

// RGB(r, g, b) with each component taken modulo 256 (two's complement, so
// -1 gives 255).
Colour colourOf(std::int32_t r, std::int32_t g, std::int32_t b);

// A moon colour "R G B": split at single blanks, the first three parts are
// numbers; when all three are numbers and none is negative the colour is
// RGB(R, G, B) modulo 256, otherwise white.
Colour stocolor(std::string_view text);

// The day's values a TEXT keyword draws.
struct KeywordDay {
    int sign = 1, tone = 1, plasma = 1;             // of the day
    int guide = 1, analog = 1, antipod = 1, ateacher = 1;  // its related seals
};

// What a TEXT line's text field draws: a quoted text without its first and
// last characters; a keyword (KIN, GUIDE, ANALOG, ANTIPOD, ATEACHER, TONE,
// PLASM in any case) as the day's glyph letter or digit; anything else as
// it stands.
std::string textToDraw(std::string_view field, const KeywordDay& day);

// The file name of a PICT line: the last field without its first and last
// characters.
std::string pictFileName(std::string_view field);

// The limits the interpreter reads lines against, beyond the 32-bit range
// of every number. A rewrite checks its lines against the same ones.
// Page sides are 1..kMaxPageSide and a page holds at most kMaxPagePixels.
inline constexpr int kMaxPageSide = 16384;
inline constexpr std::int64_t kMaxPagePixels = std::int64_t{1} << 27;
// MOON sizes are 1..kMaxMoonSize.
inline constexpr int kMaxMoonSize = 4096;
// A font's height may be at most this many times the page's larger side.
inline constexpr int kMaxFontPages = 4;
// A text's width estimate (UTF-16 units times the font's pixel size) stays
// within this, far inside the 26.6 fixed point text is measured in.
inline constexpr std::int64_t kMaxTextExtent = std::int64_t{1} << 24;

bool validPageSize(std::int64_t width, std::int64_t height);
bool moonSizeFits(std::int64_t size);
bool fontHeightFits(std::int64_t height, int pageWidth, int pageHeight);
bool textExtentFits(std::int64_t utf16Units, int pixelSize);
// The UTF-16 units of a UTF-8 text (what the toolkit's strings count).
std::int64_t utf16Units(std::string_view utf8);

// Nearest integer of x * factor, halves to even; nullopt when the result
// leaves the 32-bit range or the factor is not a finite number.
std::optional<std::int32_t> scaled(std::int32_t x, double factor);

// The lines written in place of each command by a rewrite with `factor`;
// nullopt when a scaled number leaves the 32-bit range.
std::optional<std::string> rewriteFont(const FontLine& f, double factor);
std::optional<std::string> rewriteText(const TextLine& t, double factor);
std::optional<std::string> rewritePict(const PictLine& p, double factor);
std::optional<std::string> rewriteMoon(const MoonLine& m, double factor);
// YEAR also scales its third field, which must then be a number too.
std::optional<std::string> rewriteYear(const YearLine& y, std::int32_t c, double factor);

}  // namespace kl::print
