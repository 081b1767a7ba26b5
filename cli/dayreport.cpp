#include "cli/dayreport.h"

#include <charconv>
#include <cstdio>
#include <sstream>
#include <vector>

#include "core/moonage.h"
#include "data/errorlog.h"
#include "data/textdb.h"
#include "layout/baselines.h"
#include "platform/codec.h"
#include "platform/files.h"
#include "platform/system.h"

namespace kl::cli {

namespace {

bool parseNumber(const std::string& s, long long& v, std::size_t minDigits, std::size_t maxDigits) {
    if (s.size() < minDigits || s.size() > maxDigits) return false;
    for (char c : s)
        if (c < '0' || c > '9') return false;
    const auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    return ec == std::errc() && p == s.data() + s.size();
}

std::string jsonString(const std::string& s) {
    std::string out = "\"";
    for (unsigned char c : s) {
        switch (c) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            default:
                if (c < 0x20) {
                    char buf[8];
                    std::snprintf(buf, sizeof buf, "\\u%04x", c);
                    out += buf;
                } else {
                    out += static_cast<char>(c);
                }
        }
    }
    return out + "\"";
}

std::vector<std::pair<std::string, long long>> fields(const DayReport& r) {
    const CalendarDay& d = r.day;
    const KinRelations& k = r.relations;
    return {{"kin", d.kin},           {"yearSign", d.yearSign},   {"yearTone", d.yearTone},
            {"cromatic", d.cromatic}, {"vinal", d.vinal},         {"vinalTone", d.vinalTone},
            {"weekNumber", d.weekNumber}, {"sign", d.sign},       {"tone", d.tone},
            {"plasma", d.plasma},     {"monthDay", d.monthDay},   {"month", d.month},
            {"moonPhase", d.moonPhase}, {"antipod", k.antipod},   {"analog", k.analog},
            {"ateacher", k.ateacher}, {"guide", k.guide},         {"colour", k.colour},
            {"group", k.group},       {"wordForm", k.wordForm},   {"portal", k.portal},
            {"midColumn", k.midColumn}};
}

// The sky's moon, to a minute and to a ten-thousandth of the disc.
std::vector<std::pair<std::string, std::string>> sky(const DayReport& r) {
    char age[32], lit[32];
    std::snprintf(age, sizeof age, "%.4f", r.moonAge);
    std::snprintf(lit, sizeof lit, "%.4f", r.moonIllumination);
    return {{"moonAge", age}, {"moonIllumination", lit}};
}

std::string dateText(const GregorianDate& d) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", d.year, d.month, d.day);
    return buf;
}

const char* const kUsage =
    "usage: kestralune-cli day [YYYY-MM-DD] [--json]\n"
    "       kestralune-cli render MODE [YYYY-MM-DD] OUT.png\n"
    "       kestralune-cli export MODE [YYYY-MM-DD] [--glyphs]\n"
    "       kestralune-cli page SCRIPT OUT.png|OUT.pdf [--date YYYY-MM-DD] [--size WxH] [--background RRGGBB] [--mono]\n"
    "       kestralune-cli rescale SCRIPT FACTOR\n"
    "       kestralune-cli calendar YEAR OUT.pdf [--paper A4|A5|A3|Letter|Legal] [--glyphs] [--mono]\n"
    "       kestralune-cli find KIN | --seal S --tone T [--from YYYY-MM-DD] [--count N] [--json]\n"
    "       kestralune-cli ics FROM TO [OUT.ics]\n"
    "       kestralune-cli --help\n"
    "       (every command takes --lang ru|en)";
// A wrong command line is answered in one line, like every other failure.
const char* const kWrongUsage =
    "usage: kestralune-cli day [YYYY-MM-DD] [--json] | render | export | page | rescale | calendar | find | ics (see --help)\n";
const std::string kHelp = std::string(kUsage) + "\n"
    "\n"
    "day: the 13-moon calendar values of a day, today when no date is given:\n"
    "one value per line, or one JSON object with --json. Years 1 to 2147483647\n"
    "are accepted; 29 February of any year gives the values of 28 February.\n"
    "Names and the affirmation come from BASE.DRS beside the program.\n"
    "render / export: a full-screen view as a PNG, or as the print manager's script.\n"
    "page / rescale: run a print layout script onto a page, or rescale it.\n"
    "calendar: the 13-moon year from 26 July YEAR as one PDF of 15 pages: the year\n"
    "view, the 13 moons and the day out of time, each fitted to the paper.\n"
    "find: the dates of the next N (default 10) returns of a kin, from today or\n"
    "--from on; a kin on 28 February of a leap year is listed with 29 February.\n"
    "ics: an iCalendar file with one all-day event per day from FROM to TO.\n"
    "\n"
    "--lang ru|en, with any command: the language of the names, the affirmation\n"
    "and the views' texts (the English ones stand in en/ beside the program);\n"
    "without it the language chosen in the settings, else the system's (LC_ALL,\n"
    "LC_MESSAGES, LANG: Russian for ru, English otherwise). JSON keys and numbers\n"
    "are the same in both.\n"
    "\n"
    "Exit status: 0 done, 1 a file cannot be read, drawing failed or find ran past\n"
    "the last year before N returns (those found are listed), 2 a wrong command line.\n";
const char* const kTextBase = "BASE.DRS";

}  // namespace

std::optional<GregorianDate> parseDate(const std::string& text) {
    const std::size_t a = text.find('-');
    const std::size_t b = a == std::string::npos ? a : text.find('-', a + 1);
    if (b == std::string::npos) return std::nullopt;
    long long y = 0, m = 0, d = 0;
    if (!parseNumber(text.substr(0, a), y, 4, 10) || !parseNumber(text.substr(a + 1, b - a - 1), m, 2, 2) ||
        !parseNumber(text.substr(b + 1), d, 2, 2))
        return std::nullopt;
    if (y < 1 || y > 2147483647LL) return std::nullopt;
    GregorianDate g;
    g.year = static_cast<std::int32_t>(y);
    g.month = static_cast<std::uint8_t>(m > 255 ? 0 : m);
    g.day = static_cast<std::uint8_t>(d > 255 ? 0 : d);
    if (!isValidDate(g)) return std::nullopt;
    return g;
}

std::vector<std::pair<std::string, std::string>> names(const DayReport& r) {
    return {{"sealName", r.sealName}, {"toneName", r.toneName}, {"plasmaName", r.plasmaName},
            {"moonName", r.moonName}};
}

void loadTexts(DayReport& r) {
    const CalendarDay& d = r.day;
    namespace base = layout::base;
    r.sealName = L(base::kSealName + d.sign);
    r.toneName = L(base::kToneName + d.tone);
    r.plasmaName = L(base::kPlasmaName + d.plasma);
    // The 13-moon month is named by its tone; the day out of time has its own name.
    r.moonName = d.month >= 1 && d.month <= 13 ? moonName(d.month) : L(base::kDayOutOfTime);
    r.affirmation = loadaffirmation(d);
}

std::string toJson(const DayReport& r) {
    std::ostringstream s;
    s << "{\"date\":" << jsonString(dateText(r.date)) << ",";
    for (const auto& [name, value] : fields(r)) s << "\"" << name << "\":" << value << ",";
    for (const auto& [name, value] : sky(r)) s << "\"" << name << "\":" << value << ",";
    for (const auto& [name, value] : names(r)) s << "\"" << name << "\":" << jsonString(value) << ",";
    s << "\"affirmation\":[";
    for (std::size_t i = 0; i < r.affirmation.size(); ++i)
        s << (i ? "," : "") << jsonString(r.affirmation[i]);
    s << "]}\n";
    return s.str();
}

std::string toText(const DayReport& r) {
    std::ostringstream s;
    s << "date: " << dateText(r.date) << "\n";
    for (const auto& [name, value] : fields(r)) s << name << ": " << value << "\n";
    for (const auto& [name, value] : sky(r)) s << name << ": " << value << "\n";
    for (const auto& [name, value] : names(r))
        if (!value.empty()) s << name << ": " << value << "\n";
    for (std::size_t i = 0; i < r.affirmation.size(); ++i)
        if (!r.affirmation[i].empty()) s << "affirmation " << i + 1 << ": " << r.affirmation[i] << "\n";
    return s.str();
}

int run(int argc, char** argv, std::string& out, std::string& err) {
    std::vector<std::string> args(argv + 1, argv + argc);
    for (const std::string& a : args) {
        if (a == "--help" || a == "-h") {
            out = kHelp;
            return 0;
        }
    }
    if (args.empty() || args[0] != "day") {
        err = kWrongUsage;
        return 2;
    }
    bool json = false;
    std::optional<std::string> dateArg;
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "--json") json = true;
        else if (!dateArg) dateArg = args[i];
        else {
            err = kWrongUsage;
            return 2;
        }
    }
    DayReport r;
    if (dateArg) {
        const auto date = parseDate(*dateArg);
        if (!date) {
            err = "kestralune-cli: not a date (want YYYY-MM-DD, year 1 or later): " + platform::escapedControls(*dateArg) + "\n";
            return 2;
        }
        r.date = *date;
    } else {
        r.date = platform::systemToday();
    }
    r.day = computeCalendarDay(r.date);
    r.relations = computeKinRelations(r.day);
    const MoonState moon = moonOn(r.date);
    r.moonAge = moon.age;
    r.moonIllumination = moon.illumination;
    if (textFileNameInUse(kTextBase)) {
        // A database that is there but cannot be read (or breaks off while
        // it is read) gives no half-filled report.
        bool readable = readTextFile(kTextBase) != nullptr;
        if (readable) {
            // Every failure while reading is reported through a message.
            auto previous = platform::setMessageHandler([&](const std::string&) { readable = false; });
            loadTexts(r);
            platform::setMessageHandler(std::move(previous));
        }
        if (!readable) {
            err = "kestralune-cli: cannot read " + platform::resolvePath(textFilePath(kTextBase)) +
                  (platform::inUseButNoFile(textFilePath(kTextBase)) ? ": it is not a regular file\n" : "\n");
            return 1;
        }
    }
    out = json ? toJson(r) : toText(r);
    return 0;
}

}  // namespace kl::cli
