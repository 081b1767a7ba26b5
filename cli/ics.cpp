#include "cli/ics.h"

#include <array>
#include <cstdio>
#include <ctime>
#include <map>
#include <optional>

#include "cli/dayreport.h"
#include "cli/output.h"
#include "core/kin.h"
#include "core/kinsearch.h"
#include "data/textdb.h"
#include "layout/baselines.h"
#include "platform/codec.h"
#include "platform/files.h"

namespace kl::cli {

namespace {

namespace base = layout::base;

const char* const kIcsUsage = "usage: kestralune-cli ics FROM TO [OUT.ics] (dates as YYYY-MM-DD)\n";
const char* const kTextBase = "BASE.DRS";
// Added to the text database for the calendar export.
constexpr int kPortalDayLine = 670;

std::string compactDate(const GregorianDate& d) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d%02d%02d", d.year, d.month, d.day);
    return buf;
}

int realDaysInMonth(const GregorianDate& d) {
    return d.month == 2 && isGregorianLeapYear(d.year) ? 29 : daysInMonth(d.month);
}

// The next real Gregorian day (29 February included in leap years).
GregorianDate nextRealDay(GregorianDate d) {
    if (d.day < realDaysInMonth(d)) {
        ++d.day;
    } else if (d.month < 12) {
        d.day = 1;
        ++d.month;
    } else {
        d.day = 1;
        d.month = 1;
        ++d.year;
    }
    return d;
}

bool before(const GregorianDate& a, const GregorianDate& b) {
    if (a.year != b.year) return a.year < b.year;
    if (a.month != b.month) return a.month < b.month;
    return a.day < b.day;
}

// The lines of BASE.DRS, read once: the export names thousands of days.
class Texts {
public:
    bool load() {
        std::string bytes;
        if (!platform::readFileBytes(kTextBase, bytes)) return false;
        std::string_view rest(bytes);
        while (!rest.empty()) lines_.push_back(platform::fromCp1251(platform::nextLine(rest)));
        return true;
    }
    std::string operator()(int n) const {
        return n >= 0 && static_cast<std::size_t>(n) < lines_.size() ? lines_[n] : std::string();
    }
    bool empty() const { return lines_.empty(); }

private:
    std::vector<std::string> lines_;
};

struct Event {
    std::string summary, description;
};

Event describe(const CalendarDay& day, const Texts* texts,
               std::map<int, std::array<std::string, 6>>& affirmations) {
    const KinRelations r = computeKinRelations(day);
    Event e;
    std::string kin, moon, plasma, portal, outOfTime;
    if (texts && !(*texts)(base::kSealGenitive + day.sign).empty()) {
        const Texts& t = *texts;
        kin = t(base::kKinWord) + " " + std::to_string(day.kin) + " " +
              t(r.wordForm == 1 ? base::kColourWordFirst + r.colour : base::kColourWordSecond + r.colour) + " " +
              t(r.wordForm == 1 ? base::kToneWordFirst + day.tone : base::kToneWordSecond + day.tone) + " " +
              t(base::kSealGenitive + day.sign);
        if (day.month != 0)
            moon = t(base::kMoonName + day.month) + t(base::kMoonWord) + ", " + std::to_string(day.monthDay);
        plasma = t(base::kPlasmaName + day.plasma);
        portal = t(kPortalDayLine);
        outOfTime = t(base::kDayOutOfTime);
        auto found = affirmations.find(day.kin);
        if (found == affirmations.end()) found = affirmations.emplace(day.kin, loadaffirmation(day)).first;
        for (const std::string& line : found->second)
            if (!line.empty()) e.description += (e.description.empty() ? "" : "\n") + line;
    }
    // Without the text database the numbers stand for the names.
    if (kin.empty())
        kin = "Kin " + std::to_string(day.kin) + " (seal " + std::to_string(day.sign) + ", tone " +
              std::to_string(day.tone) + ")";
    if (day.month != 0 && moon.empty())
        moon = "Moon " + std::to_string(day.month) + ", day " + std::to_string(day.monthDay);
    if (plasma.empty()) plasma = "plasma " + std::to_string(day.plasma);
    if (portal.empty()) portal = "Portal";
    if (outOfTime.empty()) outOfTime = "Day out of time";

    if (day.month == 0) e.summary = outOfTime + " · ";
    else if (r.portal) e.summary = portal + " · ";
    e.summary += kin;
    if (!moon.empty()) e.summary += " · " + moon;
    e.summary += " · " + plasma;
    return e;
}

std::string utcStamp() {
    const std::time_t now = std::time(nullptr);
    std::tm tm{};
    gmtime_r(&now, &tm);
    char buf[32];
    std::strftime(buf, sizeof buf, "%Y%m%dT%H%M%SZ", &tm);
    return buf;
}

// A date the iCalendar DATE form can hold: four-digit years, a real day.
std::optional<GregorianDate> icsDate(const std::string& text) {
    auto d = parseDate(text);
    if (!d || d->year > 9999) return std::nullopt;
    if (d->month == 2 && d->day == 29 && !isGregorianLeapYear(d->year)) return std::nullopt;
    d->weekDay = 0;
    return d;
}

}  // namespace

std::string icsEscape(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        switch (c) {
            case '\\': out += "\\\\"; break;
            case ';': out += "\\;"; break;
            case ',': out += "\\,"; break;
            case '\n': out += "\\n"; break;
            case '\r':
                if (i + 1 >= text.size() || text[i + 1] != '\n') out += "\\n";
                break;
            default:
                // Other control characters are not allowed in a TEXT value.
                if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7f) out += c;
        }
    }
    return out;
}

std::string icsFold(const std::string& line) {
    std::string out;
    std::size_t pos = 0, room = 75;
    while (line.size() - pos > room) {
        std::size_t cut = pos + room;
        // Never split a UTF-8 character: back up over continuation bytes.
        while (cut > pos && (static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80) --cut;
        out.append(line, pos, cut - pos);
        out += "\r\n ";
        pos = cut;
        room = 74;  // the leading space counts
    }
    out.append(line, pos, std::string::npos);
    out += "\r\n";
    return out;
}

std::string buildIcs(const GregorianDate& from, const GregorianDate& to, const std::string& stamp,
                     bool withTexts) {
    Texts texts;
    const bool named = withTexts && texts.load();
    std::map<int, std::array<std::string, 6>> affirmations;
    std::string out;
    out += icsFold("BEGIN:VCALENDAR");
    out += icsFold("VERSION:2.0");
    out += icsFold("PRODID:-//Kestralune//Kestralune 13-moon calendar//RU");
    out += icsFold("CALSCALE:GREGORIAN");
    out += icsFold("X-WR-CALNAME:" + icsEscape(named && !texts(base::kThirteenMoons).empty()
                                                  ? texts(base::kThirteenMoons)
                                                  : std::string("13-moon calendar")));
    for (GregorianDate d = from; !before(to, d); d = nextRealDay(d)) {
        const CalendarDay day = computeCalendarDay(d);
        const Event e = describe(day, named ? &texts : nullptr, affirmations);
        const GregorianDate next = nextRealDay(d);
        out += icsFold("BEGIN:VEVENT");
        out += icsFold("UID:" + compactDate(d) + "-kin" + std::to_string(day.kin) + "@kestralune");
        out += icsFold("DTSTAMP:" + stamp);
        out += icsFold("DTSTART;VALUE=DATE:" + compactDate(d));
        // An all-day event with no end lasts its one day; past 9999 there is no end to write.
        if (next.year <= 9999) out += icsFold("DTEND;VALUE=DATE:" + compactDate(next));
        out += icsFold("SUMMARY:" + icsEscape(e.summary));
        if (!e.description.empty()) out += icsFold("DESCRIPTION:" + icsEscape(e.description));
        out += icsFold("TRANSP:TRANSPARENT");
        out += icsFold("END:VEVENT");
        if (next.year > 9999) break;
    }
    out += icsFold("END:VCALENDAR");
    return out;
}

int runIcs(const std::vector<std::string>& args, std::string& out, std::string& err) {
    if (args.size() < 2 || args.size() > 3) {
        err = kIcsUsage;
        return 2;
    }
    const auto from = icsDate(args[0]), to = icsDate(args[1]);
    for (int i = 0; i < 2; ++i) {
        if (!(i == 0 ? from : to)) {
            err = "kestralune-cli: not a real date from 0001-01-01 to 9999-12-31: " + args[i] + "\n";
            return 2;
        }
    }
    if (before(*to, *from)) {
        err = "kestralune-cli: TO comes before FROM\n";
        return 2;
    }
    int days = 0;
    for (GregorianDate d = *from; !before(*to, d) && days <= kMaxIcsDays; d = nextRealDay(d)) ++days;
    if (days > kMaxIcsDays) {
        err = "kestralune-cli: at most " + std::to_string(kMaxIcsDays) + " days at once\n";
        return 2;
    }
    const bool withTexts = platform::nameInUse(kTextBase);
    if (withTexts) {
        std::string bytes;
        if (!platform::readFileBytes(kTextBase, bytes)) {
            err = "kestralune-cli: cannot read " + platform::resolvePath(kTextBase) + "\n";
            return 1;
        }
    }
    const std::string file = buildIcs(*from, *to, utcStamp(), withTexts);
    if (args.size() == 3 && args[2] != "-") {
        if (!writeOutput(args[2], file, err)) return 1;
    } else {
        out = file;
    }
    return 0;
}

}  // namespace kl::cli
