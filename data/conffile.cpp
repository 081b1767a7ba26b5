#include "data/conffile.h"

#include <algorithm>
#include <charconv>
#include <string_view>

#include "core/moonage.h"
#include "data/settings.h"
#include "data/textdb.h"
#include "platform/codec.h"
#include "platform/filecache.h"
#include "platform/files.h"
#include "platform/fonts.h"

namespace kl {

namespace {

constexpr int kDateFormats = 7;

// How a line holds its value.
enum class ConfKind {
    Flag,          // "Y" is true, any other text false
    Number,        // a decimal integer, brought into low..high when high > low
    ListPosition,  // a decimal position in a list of `high` entries; any other is refused
    Text,          // the line as it stands, in the file's code page
    Code,          // a short ASCII code, blanks around it dropped; the line may be missing
};

// One line of conf.dat: the setting it holds (by the name of its control or,
// for the lines without one, of the setting) and its member of ConfValues.
struct ConfLine {
    ConfKind kind;
    const char* setting;
    bool ConfValues::*flag = nullptr;    // Flag
    int ConfValues::*number = nullptr;   // Number, ListPosition
    int low = 0;
    int high = 0;
    std::string ConfValues::*text = nullptr;   // Text: the value, UTF-8
    std::string ConfValues::*bytes = nullptr;  // Text: the line as read, kept to write it back unchanged
    const char* blankMeans = nullptr;          // Text: the value a blank line stands for
    // Code: the value; a file may end before the line (or it be blank), and
    // it is written only while it holds a code. Such lines come last.
    std::string ConfValues::*code = nullptr;
};

constexpr ConfLine flagLine(const char* setting, bool ConfValues::*member) {
    return {.kind = ConfKind::Flag, .setting = setting, .flag = member};
}
constexpr ConfLine numberLine(const char* setting, int ConfValues::*member, int low = 0, int high = 0) {
    return {.kind = ConfKind::Number, .setting = setting, .number = member, .low = low, .high = high};
}
constexpr ConfLine listLine(const char* setting, int ConfValues::*member, int entries) {
    return {.kind = ConfKind::ListPosition, .setting = setting, .number = member, .high = entries};
}

// conf.dat's lines in the file's order: line n of the file is entry n - 1.
constexpr ConfLine kConfLines[] = {
    flagLine("cb2", &ConfValues::yearShine),        // 1 shine in the year view
    flagLine("cb3", &ConfValues::yearLine),         // 2 pulse line in the year view
    flagLine("cb4", &ConfValues::yearFigure),       // 3 day icon in the year view
    flagLine("cb5", &ConfValues::castleFigure),     // 4 day icon in the castle view
    flagLine("cb1", &ConfValues::transitions),      // 5 use transitions
    numberLine("sp", &ConfValues::speed, 1, 99),    // 6 transition speed
    flagLine("cb6", &ConfValues::swapKeys),         // 7 swap the up/down keys
    flagLine("cb7", &ConfValues::bookDate),         // 8 Gregorian date in the book of kins
    flagLine("cb8", &ConfValues::dayDate),          // 9 in the day view
    flagLine("cb9", &ConfValues::iconDate),         // 10 in the day icons
    flagLine("cb10", &ConfValues::turtles),         // 11 three turtles in the heaven walk
    listLine("cbx", &ConfValues::dateFormat, kDateFormats),  // 12 date format
    listLine("cbm", &ConfValues::moonModel, kMoonModels),    // 13 moon model
    {.kind = ConfKind::Text, .setting = "_signfont", .text = &ConfValues::signFont,  // 14
     .bytes = &ConfValues::signFontBytes, .blankMeans = platform::kSignFontFamily},
    numberLine("_hlpcount", &ConfValues::helpCount),  // 15 help pages
    {.kind = ConfKind::Code, .setting = "cbl", .code = &ConfValues::language},  // 16 language, when chosen
};

std::string trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return std::string(text);
}

bool toInt(std::string_view text, int& value) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return !text.empty() && ec == std::errc() && end == text.data() + text.size();
}

bool isBlank(std::string_view text) { return text.find_first_not_of(" \t") == std::string_view::npos; }

// Reads one line into `v`; false, with the reason, when the line is refused.
bool readLine(const ConfLine& row, int line, std::string_view text, ConfValues& v, std::string& why) {
    int n = 0;
    switch (row.kind) {
        case ConfKind::Flag: v.*row.flag = text == "Y"; return true;
        case ConfKind::Text:
            v.*row.bytes = std::string(text);
            v.*row.text = platform::fromCp1251(text);
            return true;
        case ConfKind::Code: v.*row.code = trimmed(text); return true;
        case ConfKind::Number:
        case ConfKind::ListPosition: break;
    }
    if (!toInt(text, n)) {
        why = "line " + std::to_string(line) + " is not a number";
        return false;
    }
    if (row.kind == ConfKind::ListPosition && (n < 0 || n >= row.high)) {
        why = "line " + std::to_string(line) + " names no entry of its list";
        return false;
    }
    if (row.kind == ConfKind::Number && row.high > row.low) n = std::clamp(n, row.low, row.high);
    v.*row.number = n;
    return true;
}

std::string writeLine(const ConfLine& row, const ConfValues& v) {
    switch (row.kind) {
        case ConfKind::Flag: return v.*row.flag ? "Y" : "N";
        case ConfKind::Number:
        case ConfKind::ListPosition: return std::to_string(v.*row.number);
        case ConfKind::Text: {
            const std::string& value = v.*row.text;
            const std::string& read = v.*row.bytes;
            const std::string readText = platform::fromCp1251(read);
            const bool unchanged = value == readText && !read.empty();
            const bool defaulted = row.blankMeans && value == row.blankMeans && isBlank(readText);
            return unchanged || defaulted ? read : platform::toCp1251(value);
        }
        case ConfKind::Code: return v.*row.code;
    }
    return {};
}

}  // namespace

bool readConfBytes(std::string& bytes) {
    static platform::FileCache<std::string> cache;
    const std::shared_ptr<const std::string> read =
        cache.get("conf.dat", [](const platform::FileStamp& file) -> std::shared_ptr<const std::string> {
            auto b = std::make_shared<std::string>();
            if (!platform::readFileBytes(file.path, *b)) return nullptr;
            return b;
        });
    if (!read) return false;
    bytes = *read;
    return true;
}

int parseConf(const std::string& bytes, ConfValues& v, std::string* reason) {
    std::string_view rest(bytes);
    std::string why;
    int line = 0;
    for (const ConfLine& row : kConfLines) {
        ++line;
        if (rest.empty() && row.kind == ConfKind::Code) return 0;  // an older file: no choice made
        if (rest.empty()) why = "the file ends before line " + std::to_string(line);
        else if (readLine(row, line, platform::nextLine(rest), v, why)) continue;
        if (reason) *reason = why;
        return line;
    }
    return 0;
}

std::string formatConf(const ConfValues& v) {
    std::string out;
    for (const ConfLine& row : kConfLines) {
        const std::string line = writeLine(row, v);
        if (row.kind == ConfKind::Code && line.empty()) break;  // the file of a program without the choice
        out += line + "\r\n";
    }
    return out;
}

void applyConf(const ConfValues& v) {
    Settings& s = settings();
    s._Yshine = v.yearShine;
    s._Yline = v.yearLine;
    s._Yfigure = v.yearFigure;
    s._Sfigure = v.castleFigure;
    s._SFX = v.transitions;
    s._spconst = v.transitions ? v.speed : 0;
    s._Swapbtn = v.swapKeys;
    s._Mlinear = v.moonModel == kMoonLinear;
    s._Mmodel = v.moonModel;
    s._BookDate = v.bookDate;
    s._DayDate = v.dayDate;
    s._IconDate = v.iconDate;
    s._DateFormat = v.dateFormat;
    s._Turtles = v.turtles;
    // No sign font named: exports use the program's own.
    s._signfont = isBlank(v.signFont) ? platform::kSignFontFamily : v.signFont;
    s._hlpcount = v.helpCount;
    setTextLanguage(languageOf(v));
}

Language languageOf(const ConfValues& v) {
    if (const std::optional<Language> named = languageOverride()) return *named;
    return languageFromCode(v.language).value_or(systemLanguage());
}

std::string configuredLanguage() {
    std::string bytes;
    if (!platform::fileExists("conf.dat") || !readConfBytes(bytes)) return {};
    ConfValues values;
    parseConf(bytes, values);
    return values.language;
}

int helpPagesFound() {
    constexpr int kMostHelpPages = 23;  // modes 19 and 25..46: page 23 turns no further
    int pages = 1;
    while (pages < kMostHelpPages && textFileExists("hlp" + std::to_string(pages + 1) + ".dat")) ++pages;
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
        if (readConfBytes(bytes)) {
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
