#include "cli/ics.h"

#include <array>
#include <cstdio>
#include <ctime>
#include <functional>
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

// YYYYMMDD, the year in at least four digits.
void appendCompactDate(std::string& out, const GregorianDate& d) {
    char buf[16];
    char* end = buf + sizeof buf;
    char* p = end;
    const auto two = [&p](int v) {
        *--p = static_cast<char>('0' + v % 10);
        *--p = static_cast<char>('0' + v / 10 % 10);
    };
    two(d.day);
    two(d.month);
    std::int64_t y = d.year;
    for (int digits = 0; digits < 4 || y > 0; ++digits, y /= 10) *--p = static_cast<char>('0' + y % 10);
    out.append(p, end);
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

template <std::size_t N>
std::array<signed char, N> filled(signed char v) {
    std::array<signed char, N> a;
    a.fill(v);
    return a;
}

// What the events are made of, each piece put together once: a century
// has 36,525 days but 260 kins, 13 moons and 7 plasmas. A day takes its
// names from the text database when the database names its seal (the
// numbers stand for the names otherwise), so the pieces are kept apart for
// named and unnamed days.
class EventTexts {
public:
    // Without texts every name is made of numbers.
    explicit EventTexts(bool withTexts) : withTexts_(withTexts) {}

    void appendSummary(std::string& out, const CalendarDay& day) {
        const Kin& k = kin(day);
        const bool n = named(day);
        if (day.month == 0) out += fixed(n, base::kDayOutOfTime, "Day out of time") + " · ";
        else if (k.portal) out += fixed(n, base::kPortalDay, "Portal") + " · ";
        out += k.name;
        if (day.month != 0) {
            out += " · ";
            out += moon(n, day.month);
            out += std::to_string(day.monthDay);
        }
        out += " · ";
        out += plasma(n, day.plasma);
    }

    // The folded DESCRIPTION line, or nothing.
    const std::string& description(const CalendarDay& day) { return kin(day).description; }

private:
    struct Kin {
        bool made = false, portal = false;
        std::string name, description;
    };

    bool named(const CalendarDay& day) {
        signed char& n = named_[static_cast<std::size_t>(day.sign) % named_.size()];
        if (n < 0) n = withTexts_ && !L(base::kSealGenitive + day.sign).empty();
        return n > 0;
    }

    const Kin& kin(const CalendarDay& day) {
        Kin& k = kins_[static_cast<std::size_t>(day.kin) % kins_.size()];
        if (k.made) return k;
        const KinRelations r = computeKinRelations(day);
        k.made = true;
        k.portal = r.portal;
        if (named(day)) {
            const BaseLines L;
            k.name = L(base::kKinWord) + " " + std::to_string(day.kin) + " " +
                     L(r.wordForm == 1 ? base::kColourWordFirst + r.colour : base::kColourWordSecond + r.colour) +
                     " " + L(r.wordForm == 1 ? base::kToneWordFirst + day.tone : base::kToneWordSecond + day.tone) +
                     " " + L(base::kSealGenitive + day.sign);
            std::string text;
            for (const std::string& line : loadaffirmation(day))
                if (!line.empty()) text += (text.empty() ? "" : "\n") + line;
            if (!text.empty()) k.description = icsFold("DESCRIPTION:" + icsEscape(text));
        } else {
            k.name = "Kin " + std::to_string(day.kin) + " (seal " + std::to_string(day.sign) + ", tone " +
                     std::to_string(day.tone) + ")";
        }
        return k;
    }

    const std::string& fixed(bool n, int line, const char* otherwise) {
        std::string& text = fixed_[n][line == base::kPortalDay];
        if (text.empty()) {
            if (n) text = L(line);
            if (text.empty()) text = otherwise;
        }
        return text;
    }

    // The moon's name and the separator before the day's number.
    const std::string& moon(bool n, int month) {
        std::string& m = moons_[n][static_cast<std::size_t>(month) % moons_[n].size()];
        if (m.empty())
            m = n ? moonName(month) + ", "
                  : "Moon " + std::to_string(month) + ", day ";
        return m;
    }

    const std::string& plasma(bool n, int p) {
        std::string& name = plasmas_[n][static_cast<std::size_t>(p) % plasmas_[n].size()];
        if (name.empty()) {
            if (n) name = L(base::kPlasmaName + p);
            if (name.empty()) name = "plasma " + std::to_string(p);
        }
        return name;
    }

    bool withTexts_;
    std::array<Kin, 261> kins_{};
    std::array<signed char, 21> named_ = filled<21>(-1);
    std::array<std::array<std::string, 2>, 2> fixed_{};
    std::array<std::array<std::string, 14>, 2> moons_{};
    std::array<std::array<std::string, 8>, 2> plasmas_{};
};

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

namespace {

bool plainTextByte(char c) {
    const auto u = static_cast<unsigned char>(c);
    return u >= 0x20 && u != 0x7f && c != '\\' && c != ';' && c != ',';
}

void appendEscaped(std::string& out, std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        std::size_t plain = i;
        while (plain < text.size() && plainTextByte(text[plain])) ++plain;
        out.append(text, i, plain - i);
        if (plain == text.size()) break;
        const char c = text[plain];
        switch (c) {
            case '\\': out += "\\\\"; break;
            case ';': out += "\\;"; break;
            case ',': out += "\\,"; break;
            case '\n': out += "\\n"; break;
            case '\r':
                if (plain + 1 >= text.size() || text[plain + 1] != '\n') out += "\\n";
                break;
            default: break;  // other control characters are not allowed in a TEXT value
        }
        i = plain + 1;
    }
}

void appendFolded(std::string& out, std::string_view line) {
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
    out.append(line, pos, std::string_view::npos);
    out += "\r\n";
}

}  // namespace

std::string icsEscape(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    appendEscaped(out, text);
    return out;
}

std::string icsFold(const std::string& line) {
    std::string out;
    appendFolded(out, line);
    return out;
}

bool writeIcs(const GregorianDate& from, const GregorianDate& to, const std::string& stamp, bool withTexts,
              const std::function<bool(std::string_view piece)>& write) {
    constexpr std::size_t kPiece = 64 * 1024;
    const bool named = withTexts && readTextFile(kTextBase);
    EventTexts parts(named);
    std::string out, line;
    out.reserve(kPiece + 4096);
    const auto add = [&](std::string_view l) { appendFolded(out, l); };
    add("BEGIN:VCALENDAR");
    add("VERSION:2.0");
    add("PRODID:-//Kestralune//Kestralune 13-moon calendar//RU");
    add("CALSCALE:GREGORIAN");
    line = "X-WR-CALNAME:";
    const std::string calendarName = named ? L(base::kThirteenMoons) : std::string();
    appendEscaped(line, calendarName.empty() ? std::string("13-moon calendar") : calendarName);
    add(line);
    const std::string stampLine = icsFold("DTSTAMP:" + stamp);
    std::string summary;
    for (GregorianDate d = from; !before(to, d); d = nextRealDay(d)) {
        const CalendarDay day = computeCalendarDay(d);
        const GregorianDate next = nextRealDay(d);
        add("BEGIN:VEVENT");
        line = "UID:";
        appendCompactDate(line, d);
        line += "-kin" + std::to_string(day.kin) + "@kestralune";
        add(line);
        out += stampLine;
        line = "DTSTART;VALUE=DATE:";
        appendCompactDate(line, d);
        add(line);
        // An all-day event with no end lasts its one day; past 9999 there is no end to write.
        if (next.year <= 9999) {
            line = "DTEND;VALUE=DATE:";
            appendCompactDate(line, next);
            add(line);
        }
        summary.clear();
        parts.appendSummary(summary, day);
        line = "SUMMARY:";
        appendEscaped(line, summary);
        add(line);
        out += parts.description(day);
        add("TRANSP:TRANSPARENT");
        add("END:VEVENT");
        if (out.size() >= kPiece) {
            if (!write(out)) return false;
            out.clear();
        }
        if (next.year > 9999) break;
    }
    add("END:VCALENDAR");
    return write(out);
}

std::string buildIcs(const GregorianDate& from, const GregorianDate& to, const std::string& stamp,
                     bool withTexts) {
    std::string file;
    writeIcs(from, to, stamp, withTexts, [&file](std::string_view piece) {
        file += piece;
        return true;
    });
    return file;
}

std::optional<IcsRequest> parseIcsArgs(const std::vector<std::string>& args, std::string& err) {
    if (args.size() < 2 || args.size() > 3) {
        err = kIcsUsage;
        return std::nullopt;
    }
    const auto from = icsDate(args[0]), to = icsDate(args[1]);
    for (int i = 0; i < 2; ++i) {
        if (!(i == 0 ? from : to)) {
            err = "kestralune-cli: not a real date from 0001-01-01 to 9999-12-31: " + platform::escapedControls(args[i]) + "\n";
            return std::nullopt;
        }
    }
    if (before(*to, *from)) {
        err = "kestralune-cli: TO comes before FROM\n";
        return std::nullopt;
    }
    int days = 0;
    for (GregorianDate d = *from; !before(*to, d) && days <= kMaxIcsDays; d = nextRealDay(d)) ++days;
    if (days > kMaxIcsDays) {
        err = "kestralune-cli: at most " + std::to_string(kMaxIcsDays) + " days at once\n";
        return std::nullopt;
    }
    IcsRequest request{*from, *to, std::nullopt};
    if (args.size() == 3 && args[2] != "-") request.output = args[2];
    return request;
}

int runIcs(const std::vector<std::string>& args, const std::function<bool(std::string_view piece)>& standardOutput,
           std::string& err) {
    const std::optional<IcsRequest> request = parseIcsArgs(args, err);
    if (!request) return 2;
    const bool withTexts = textFileNameInUse(kTextBase);
    if (withTexts) {
        if (!readTextFile(kTextBase)) {
            err = "kestralune-cli: cannot read " + platform::resolvePath(textFilePath(kTextBase)) +
                  (platform::inUseButNoFile(textFilePath(kTextBase)) ? ": it is not a regular file\n" : "\n");
            return 1;
        }
    }
    const std::string stamp = utcStamp();
    const auto produce = [&](const platform::PieceWriter& write) {
        return writeIcs(request->from, request->to, stamp, withTexts, write);
    };
    if (request->output) return writeOutput(*request->output, produce, err) ? 0 : 1;
    return produce(standardOutput) ? 0 : 1;
}

}  // namespace kl::cli
