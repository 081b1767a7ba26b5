#include "ui/fullscreen/views/daytools.h"

#include <algorithm>
#include <stdexcept>

#include "data/errorlog.h"
#include "data/textdb.h"
#include "layout/baselines.h"
#include "layout/fontpresets.h"
#include "layout/signcodes.h"
#include "platform/codec.h"
#include "platform/draw.h"
#include "platform/files.h"
#include "ui/fullscreen/textrenderer.h"

namespace kl::views {

namespace {

std::string twoDigits(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

constexpr const char* kFigureFile = "izinfo.dat";
constexpr const char* kFigureNumbers = "iznum.drs";
constexpr int kWeeksPerYear = 52;
// Figure numbers name the 64 line-figure pictures.
constexpr int kFirstFigure = 1, kLastFigure = 64;

}  // namespace

std::string gregtostr(const GregorianDate& d, int format) { return gregtostr(d.day, d.month, d.year, format); }

std::string gregtostr(int day, int month, std::int64_t year, int format) {
    const std::string dd = twoDigits(day), mm = twoDigits(month), yyyy = std::to_string(year);
    // The year with at least four digits, so the third and fourth exist.
    const std::string padded = std::string(yyyy.size() < 4 ? 4 - yyyy.size() : 0, '0') + yyyy;
    const std::string yy = padded.substr(2, 2);
    switch (format) {
        case 0: return dd + "." + mm + "." + yyyy;
        case 1: return dd + "." + mm + "." + yy;
        case 2: return dd + "." + mm;
        case 3: return mm + "." + dd;
        case 4: return mm + "/" + dd;
        case 5: return dd + "/" + mm;
        default: return {};
    }
}

bool pvsign(std::uint8_t k) {
    switch (k) {
        case 20: case 26: case 30: case 40: case 57: case 58: case 60:
        case 87: case 106: case 132: case 176: case 211: case 245: return true;
        default: return false;
    }
}

std::optional<int> izinyear(int yearSign, int yearTone) {
    // Seventeen consecutive year bearers from (4, 5): each year the seal
    // moves on by 5 and the tone by 1.
    int seal = 4, tone = 5;
    for (int r = 0; r < 17; ++r) {
        if (seal == yearSign && tone == yearTone) return r;
        seal = seal == 19 ? 4 : seal + 5;
        tone = tone == 13 ? 1 : tone + 1;
    }
    return std::nullopt;
}

std::optional<Figure> parseFigure(std::string_view line) {
    constexpr std::size_t kLines = 6, kNumberAt = 7, kShortest = 8;
    if (line.size() < kShortest) return std::nullopt;
    for (std::size_t i = 0; i < kLines; ++i)
        if (line[i] != '0' && line[i] != '1') return std::nullopt;
    const std::string_view digits = line.substr(kNumberAt, line.size() == kShortest ? 1 : 2);
    int number = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return std::nullopt;
        number = number * 10 + (c - '0');
    }
    if (number < kFirstFigure || number > kLastFigure) return std::nullopt;
    return Figure{std::string(line.substr(0, kLines)), number, std::string(digits)};
}

std::optional<Figure> izinfigure(int yearSign, int yearTone, int weekNumber) {
    const std::optional<int> r = izinyear(yearSign, yearTone);
    if (!r || weekNumber < 1 || weekNumber > kWeeksPerYear) return std::nullopt;
    std::string z;
    readtext(kWeeksPerYear * *r + weekNumber - 1, kFigureFile, z);
    return parseFigure(z);
}

int drawizin(ViewCanvas& canvas, const Figure& figure, int x, int count, int y0) {
    count = std::min<int>(count, static_cast<int>(figure.lines.size()));
    for (int i = 0; i < count; ++i) {
        const bool one = figure.lines[static_cast<std::size_t>(i)] == '1';
        canvas.drawsign(x, y0 + 42 - 7 * i, one ? layout::code::kFigurePieceOne : layout::code::kFigurePieceZero, false);
    }
    return figure.number;
}

std::string zinnumber(const Figure& figure) {
    std::string result = "Error1";
    try {
        const std::shared_ptr<const TextFile> numbers = readTextFile(kFigureNumbers);
        if (!numbers) throw std::runtime_error("cannot read iznum.drs");
        for (const std::string_view line : numbers->lines) {
            const std::optional<Figure> f = parseFigure(platform::fromCp1251(line));
            if (f && f->lines == figure.lines) {
                result = f->numberText;
                break;
            }
        }
    } catch (...) {
        reportFailure(101, "zinnumber in fullmode", {"string:" + figure.lines + " " + figure.numberText});
    }
    return result;
}

void dotext(ViewCanvas& canvas, int x, int y, const std::string& file, bool centred, int preset, int count,
            int spacing, int first) {
    int i = 0;
    try {
        for (; i < count; ++i) {
            std::string line;
            readtext(first + i, file, line);
            canvas.drawtxt(x, y + spacing * i, line, preset, centred);
        }
    } catch (...) {
        reportFailure(106, "dotext in fullmode",
                      {"file:" + file, "line:" + std::to_string(first), "i variable:" + std::to_string(i)});
    }
}

std::string colourWord(const KinRelations& r) {
    using namespace layout::base;
    return L(r.wordForm == 1 ? kColourWordFirst + r.colour : kColourWordSecond + r.colour);
}

std::string toneWord(const KinRelations& r, int tone) {
    using namespace layout::base;
    return L(r.wordForm == 1 ? kToneWordFirst + tone : kToneWordSecond + tone);
}

void sealLine(ViewCanvas& canvas, const std::string& tone, const std::string& seal, int y) {
    const std::string line = tone + " " + seal;
    // Measured with the compact face's font 2, so the face and the views
    // split the same lines.
    if (platform::textWidth(presetFont(layout::kSealLinePreset), line) < layout::kSealLineSplit) {
        canvas.drawtxt(0, y, line, 2, true);
    } else {
        canvas.drawtxt(0, y, tone, 2, true);
        canvas.drawtxt(0, y + 12, seal, 2, true);
    }
}

}  // namespace kl::views
