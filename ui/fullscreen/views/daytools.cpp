#include "ui/fullscreen/views/daytools.h"

#include <charconv>
#include <stdexcept>

#include "data/errorlog.h"
#include "data/textdb.h"
#include "layout/baselines.h"
#include "layout/fontpresets.h"
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
constexpr int kFigurePieceZero = 233, kFigurePieceOne = 234;

}  // namespace

std::string gregtostr(const GregorianDate& d, int format) {
    const std::string dd = twoDigits(d.day), mm = twoDigits(d.month), yyyy = std::to_string(d.year);
    const std::string yy = yyyy.size() >= 4 ? yyyy.substr(2, 2) : yyyy.substr(std::min<std::size_t>(2, yyyy.size()));
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

std::string izinline(int yearSign, int yearTone, int weekNumber) {
    const std::optional<int> r = izinyear(yearSign, yearTone);
    if (!r) return {};
    std::string z;
    readtext(kWeeksPerYear * *r + weekNumber - 1, kFigureFile, z);
    return z;
}

int drawizin(ViewCanvas& canvas, const std::string& figure, int x, int count, int y0) {
    const std::string digits = figure.size() == 8 ? figure.substr(7, 1) : figure.size() > 7 ? figure.substr(7, 2) : "";
    int number = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (digits.empty() || ec != std::errc() || end != digits.data() + digits.size())
        throw std::invalid_argument("the figure's number is not a number: " + figure);
    for (int i = 0; i < count; ++i) {
        const bool one = static_cast<std::size_t>(i) < figure.size() && figure[static_cast<std::size_t>(i)] == '1';
        canvas.drawsign(x, y0 + 42 - 7 * i, one ? kFigurePieceOne : kFigurePieceZero, false);
    }
    return number;
}

std::string zinnumber(const std::string& figure) {
    std::string result = "Error1";
    try {
        std::string bytes;
        if (!platform::readFileBytes(kFigureNumbers, bytes)) throw std::runtime_error("cannot read iznum.drs");
        const std::string text = platform::fromCp1251(bytes);
        std::string_view rest(text);
        const std::string key = figure.substr(0, 6);
        while (!rest.empty()) {
            const std::string_view line = platform::nextLine(rest);
            if (line.size() < 6 || line.substr(0, 6) != key) continue;
            if (line.size() >= 8) result = std::string(line.substr(7, line.size() == 8 ? 1 : 2));
            break;
        }
    } catch (...) {
        reportFailure(101, "zinnumber in fullmode", {"string:" + figure});
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
