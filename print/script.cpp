#include "print/script.h"

#include "print/fitting.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace kl::print {

namespace {

// Length in bytes of the character starting at s[i]: a well-formed UTF-8
// sequence, or 1 for a byte that does not start one.
std::size_t charLength(std::string_view s, std::size_t i) {
    const auto b = static_cast<unsigned char>(s[i]);
    std::size_t n = 1;
    if (b >= 0xC2 && b <= 0xDF) n = 2;
    else if (b >= 0xE0 && b <= 0xEF) n = 3;
    else if (b >= 0xF0 && b <= 0xF4) n = 4;
    if (n == 1 || i + n > s.size()) return 1;
    for (std::size_t k = 1; k < n; ++k)
        if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return 1;
    return n;
}

char upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

constexpr int kFontFixed = 7, kTextFixed = 3, kPictFixed = 6, kMoonFixed = 4, kYearFixed = 2;

// The numeric fixed fields of a line, in order; a field that no blank
// completed is 0, a completed one must be a number.
bool numbers(const Fields& f, std::initializer_list<std::int32_t*> out) {
    int i = 0;
    for (std::int32_t* v : out) {
        if (i < f.completed) {
            const auto n = parseNumber(f.fixed[i]);
            if (!n) return false;
            *v = *n;
        } else {
            *v = 0;
        }
        ++i;
    }
    return true;
}

std::string num(std::int32_t v) { return std::to_string(v); }

}  // namespace

const char* commandSender(Command c, const char* fallback) {
    switch (c) {
    case Command::Font: return "font in printpage";
    case Command::Text: return "text in printpage";
    case Command::Pict: return "picture in printpage";
    case Command::Moon: return "moon in printpage";
    case Command::Year: return "pyear in printpage";
    case Command::None: break;
    }
    return fallback;
}

std::string_view withoutCR(std::string_view line) {
    while (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
}

std::size_t characterCount(std::string_view text) {
    std::size_t n = 0;
    for (std::size_t i = 0; i < text.size(); i += charLength(text, i)) ++n;
    return n;
}

std::size_t characterOffset(std::string_view text, std::size_t n) {
    std::size_t i = 0;
    for (; i < text.size() && n > 0; --n) i += charLength(text, i);
    return i;
}

std::string readfour(std::string_view line) {
    line = withoutCR(line);
    if (characterCount(line) < 5) return "Err";
    return std::string(line.substr(0, characterOffset(line, 4)));
}

Command commandOf(std::string_view line) {
    const std::string four = readfour(line);
    if (four.size() != 4) return Command::None;
    std::string w;
    for (char c : four) w += upper(c);
    if (w == "FONT") return Command::Font;
    if (w == "TEXT") return Command::Text;
    if (w == "PICT") return Command::Pict;
    if (w == "MOON") return Command::Moon;
    if (w == "YEAR") return Command::Year;
    return Command::None;
}

LineKind lineKind(std::string_view line) {
    line = withoutCR(line);
    if (commandOf(line) != Command::None) return LineKind::Command;
    if (line == kMarkerBefore || line == kMarkerAfter) return LineKind::Marker;
    if (!line.empty() && line.front() == '[') return LineKind::Header;
    if (!line.empty() && line.front() == '/') return LineKind::Comment;
    return LineKind::Other;
}

Fields splitFields(std::string_view line, int fixedCount) {
    line = withoutCR(line);
    Fields f;
    f.fixed.resize(static_cast<std::size_t>(fixedCount));
    std::string collected;
    // A blank is one byte and never part of a longer UTF-8 sequence, so the
    // arguments can be walked byte by byte once they start on a character.
    for (std::size_t i = characterOffset(line, 5); i < line.size(); ++i) {
        if (line[i] == ' ' && f.completed < fixedCount) {
            f.fixed[static_cast<std::size_t>(f.completed++)] = std::move(collected);
            collected.clear();
        } else {
            collected += line[i];
        }
    }
    f.last = std::move(collected);
    return f;
}

std::optional<std::int32_t> parseNumber(std::string_view text) {
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    if (i == text.size()) return std::nullopt;
    std::int64_t v = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') return std::nullopt;
        v = v * 10 + (text[i] - '0');
        if (v > std::int64_t{1} << 31) return std::nullopt;
    }
    if (negative) v = -v;
    if (v < std::numeric_limits<std::int32_t>::min() || v > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(v);
}

std::optional<FontLine> parseFont(std::string_view line) {
    const Fields f = splitFields(line, kFontFixed);
    FontLine r;
    if (!numbers(f, {&r.size, &r.height, &r.r, &r.g, &r.b})) return std::nullopt;
    r.bold = f.fixed[5];
    r.italic = f.fixed[6];
    r.face = f.last;
    return r;
}

std::optional<TextLine> parseText(std::string_view line) {
    const Fields f = splitFields(line, kTextFixed);
    TextLine r;
    if (!numbers(f, {&r.x, &r.y})) return std::nullopt;
    r.align = f.fixed[2];
    r.text = f.last;
    return r;
}

std::optional<PictLine> parsePict(std::string_view line) {
    const Fields f = splitFields(line, kPictFixed);
    PictLine r;
    if (!numbers(f, {&r.x, &r.y, &r.r, &r.g, &r.b})) return std::nullopt;
    r.align = f.fixed[5];
    r.file = f.last;
    return r;
}

std::optional<MoonLine> parseMoon(std::string_view line) {
    const Fields f = splitFields(line, kMoonFixed);
    MoonLine r;
    if (!numbers(f, {&r.x, &r.y, &r.size, &r.phase})) return std::nullopt;
    r.look = f.last;
    return r;
}

std::optional<YearLine> parseYear(std::string_view line) {
    const Fields f = splitFields(line, kYearFixed);
    YearLine r;
    if (!numbers(f, {&r.a, &r.b})) return std::nullopt;
    r.c = f.last;
    return r;
}

bool equalsWord(std::string_view text, std::string_view upperWord) {
    if (text.size() != upperWord.size()) return false;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (upper(text[i]) != upperWord[i]) return false;
    return true;
}

Colour colourOf(std::int32_t r, std::int32_t g, std::int32_t b) {
    return {static_cast<std::uint8_t>(static_cast<std::uint32_t>(r) & 0xFF),
            static_cast<std::uint8_t>(static_cast<std::uint32_t>(g) & 0xFF),
            static_cast<std::uint8_t>(static_cast<std::uint32_t>(b) & 0xFF)};
}

Colour stocolor(std::string_view text) {
    text = withoutCR(text);
    std::int32_t parts[3] = {0, 0, 0};
    int set = 0;
    while (set < 3) {
        const std::size_t blank = text.find(' ');
        const auto n = parseNumber(text.substr(0, blank));
        if (!n) break;  // later parts are ignored
        parts[set++] = *n;
        if (blank == std::string_view::npos) break;
        text.remove_prefix(blank + 1);
    }
    if (set < 3 || parts[0] < 0 || parts[1] < 0 || parts[2] < 0) return Colour{};
    return colourOf(parts[0], parts[1], parts[2]);
}

std::string textToDraw(std::string_view field, const KeywordDay& day) {
    field = withoutCR(field);
    if (!field.empty() && field.front() == '\'') {
        // Between the first and the last character, whatever the last is.
        const std::size_t n = characterCount(field);
        if (n < 2) return {};
        const std::size_t from = characterOffset(field, 1), to = characterOffset(field, n - 1);
        return std::string(field.substr(from, to - from));
    }
    const auto letter = [&](int n, char base) -> std::string {
        if (n < 1 || n > 26) return std::string(field);
        return std::string(1, static_cast<char>(base + n - 1));
    };
    if (equalsWord(field, "KIN")) return letter(day.sign, 'A');
    if (equalsWord(field, "GUIDE")) return letter(day.guide, 'A');
    if (equalsWord(field, "ANALOG")) return letter(day.analog, 'A');
    if (equalsWord(field, "ANTIPOD")) return letter(day.antipod, 'A');
    if (equalsWord(field, "ATEACHER")) return letter(day.ateacher, 'A');
    if (equalsWord(field, "TONE")) return letter(day.tone, 'a');
    if (equalsWord(field, "PLASM")) return std::to_string(day.plasma);
    return std::string(field);
}

std::string pictFileName(std::string_view field) {
    field = withoutCR(field);
    const std::size_t n = characterCount(field);
    if (n < 2) return {};
    const std::size_t from = characterOffset(field, 1), to = characterOffset(field, n - 1);
    return std::string(field.substr(from, to - from));
}

bool validPageSize(std::int64_t width, std::int64_t height) {
    return width >= 1 && height >= 1 && width <= kMaxPageSide && height <= kMaxPageSide &&
           width * height <= kMaxPagePixels;
}

bool moonSizeFits(std::int64_t size) { return size >= 1 && size <= kMaxMoonSize; }

bool fontHeightFits(std::int64_t height, int pageWidth, int pageHeight) {
    const std::int64_t limit = std::int64_t{kMaxFontPages} * std::max({pageWidth, pageHeight, 1});
    return height >= -limit && height <= limit;
}

bool textExtentFits(std::int64_t units, int pixelSize) {
    return units * std::max(pixelSize, 1) <= kMaxTextExtent;
}

std::int64_t utf16Units(std::string_view utf8) {
    std::int64_t n = 0;
    for (const char ch : utf8) {
        const auto b = static_cast<unsigned char>(ch);
        if ((b & 0xC0) != 0x80) ++n;  // a lead byte (or a stray one) starts a character
        if (b >= 0xF0) ++n;           // beyond the basic plane: a surrogate pair
    }
    return n;
}

std::optional<std::int32_t> scaled(std::int32_t x, double factor) {
    if (!std::isfinite(factor)) return std::nullopt;
    const double v = static_cast<double>(x) * factor;
    if (!(v > -2147483649.0 && v < 2147483648.0)) return std::nullopt;
    const double r = roundHalfEven(v);
    if (r < -2147483648.0 || r > 2147483647.0) return std::nullopt;
    return static_cast<std::int32_t>(r);
}

std::optional<std::string> rewriteFont(const FontLine& f, double factor) {
    const auto size = scaled(f.size, factor), height = scaled(f.height, factor);
    if (!size || !height) return std::nullopt;
    return "FONT " + num(*size) + " " + num(*height) + " " + num(f.r) + " " + num(f.g) + " " + num(f.b) +
           " " + f.bold + " " + f.italic + " " + f.face;
}

std::optional<std::string> rewriteText(const TextLine& t, double factor) {
    const auto x = scaled(t.x, factor), y = scaled(t.y, factor);
    if (!x || !y) return std::nullopt;
    return "TEXT " + num(*x) + " " + num(*y) + " " + t.align + " " + t.text;
}

std::optional<std::string> rewritePict(const PictLine& p, double factor) {
    const auto x = scaled(p.x, factor), y = scaled(p.y, factor);
    if (!x || !y) return std::nullopt;
    return "PICT " + num(*x) + " " + num(*y) + " " + num(p.r) + " " + num(p.g) + " " + num(p.b) + " " +
           p.align + " " + p.file;
}

std::optional<std::string> rewriteMoon(const MoonLine& m, double factor) {
    const auto x = scaled(m.x, factor), y = scaled(m.y, factor), size = scaled(m.size, factor);
    if (!x || !y || !size) return std::nullopt;
    return "MOON " + num(*x) + " " + num(*y) + " " + num(*size) + " " + num(m.phase) + " " + m.look;
}

std::optional<std::string> rewriteYear(const YearLine& y, std::int32_t c, double factor) {
    const auto a = scaled(y.a, factor), b = scaled(y.b, factor), sc = scaled(c, factor);
    if (!a || !b || !sc) return std::nullopt;
    return "YEAR " + num(*a) + " " + num(*b) + " " + num(*sc);
}

}  // namespace kl::print
