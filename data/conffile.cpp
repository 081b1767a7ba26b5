#include "data/conffile.h"

#include <algorithm>
#include <charconv>
#include <string_view>

#include "core/moonage.h"
#include "data/settings.h"
#include "platform/codec.h"
#include "platform/files.h"
#include "platform/fonts.h"

namespace kl {

namespace {

constexpr int kDateFormats = 7;

bool toInt(std::string_view text, int& value) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return !text.empty() && ec == std::errc() && end == text.data() + text.size();
}

}  // namespace

int parseConf(const std::string& bytes, ConfValues& v, std::string* reason) {
    std::string_view rest(bytes);
    int line = 0;
    std::string_view text;
    std::string why;
    const auto next = [&] {
        ++line;
        if (rest.empty()) {
            why = "the file ends before line " + std::to_string(line);
            return false;
        }
        text = platform::nextLine(rest);
        return true;
    };
    const auto flag = [&](bool& out) {
        if (!next()) return false;
        out = text == "Y";
        return true;
    };
    const auto number = [&](int& out, int below) {
        int n = 0;
        if (!next()) return false;
        if (!toInt(text, n)) {
            why = "line " + std::to_string(line) + " is not a number";
            return false;
        }
        if (below > 0 && (n < 0 || n >= below)) {
            why = "line " + std::to_string(line) + " names no entry of its list";
            return false;
        }
        out = n;
        return true;
    };
    const auto stopped = [&] {
        if (reason) *reason = why;
        return line;
    };
    if (!flag(v.yearShine) || !flag(v.yearLine) || !flag(v.yearFigure) || !flag(v.castleFigure) ||
        !flag(v.transitions))
        return stopped();
    if (!number(v.speed, 0)) return stopped();
    v.speed = std::clamp(v.speed, 1, 99);
    if (!flag(v.swapKeys) || !flag(v.bookDate) || !flag(v.dayDate) || !flag(v.iconDate) || !flag(v.turtles))
        return stopped();
    if (!number(v.dateFormat, kDateFormats) || !number(v.moonModel, kMoonModels)) return stopped();
    if (!next()) return stopped();
    v.signFontBytes = std::string(text);
    v.signFont = platform::fromCp1251(text);
    if (!number(v.helpCount, 0)) return stopped();
    return 0;
}

void applyConf(const ConfValues& v) {
    _Yshine = v.yearShine;
    _Yline = v.yearLine;
    _Yfigure = v.yearFigure;
    _Sfigure = v.castleFigure;
    _SFX = v.transitions;
    _spconst = v.transitions ? v.speed : 0;
    _Swapbtn = v.swapKeys;
    _Mlinear = v.moonModel == kMoonLinear;
    _Mmodel = v.moonModel;
    _BookDate = v.bookDate;
    _DayDate = v.dayDate;
    _IconDate = v.iconDate;
    _DateFormat = v.dateFormat;
    _Turtles = v.turtles;
    // No sign font named: exports use the program's own.
    _signfont = v.signFont.find_first_not_of(" \t") == std::string::npos ? platform::kSignFontFamily : v.signFont;
    _hlpcount = v.helpCount;
}

int helpPagesFound() {
    constexpr int kMostHelpPages = 23;  // modes 19 and 25..46: page 23 turns no further
    int pages = 1;
    while (pages < kMostHelpPages && platform::fileExists("hlp" + std::to_string(pages + 1) + ".dat")) ++pages;
    return pages;
}

int loadConfWithoutDialog(std::string* reason) {
    ConfValues values;
    values.helpCount = helpPagesFound();
    int stopped = 0;
    std::string bytes;
    if (platform::inUseButNoFile("conf.dat")) {
        stopped = 1;  // a FIFO or a directory in its place is not a missing file: say so
        if (reason) *reason = "it is not a regular file";
    } else if (platform::fileExists("conf.dat")) {
        if (platform::readFileBytes("conf.dat", bytes)) {
            stopped = parseConf(bytes, values, reason);
        } else {
            stopped = 1;  // as the dialog's load: nothing of it was read
            if (reason) *reason = "the file cannot be opened";
        }
    }
    applyConf(values);
    return stopped;
}

}  // namespace kl
