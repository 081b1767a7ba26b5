#include <gtest/gtest.h>

#include <libical/ical.h>

#include <filesystem>
#include <set>

#include "support/dates.h"
#include "cli/ics.h"
#include "core/kin.h"
#include "core/kinsearch.h"
#include "data/textdb.h"
#include "layout/baselines.h"
#include "support/testsupport.h"

namespace kl::cli {
namespace {

using test::date;

// A parsed calendar, freed on leaving scope.
struct Parsed {
    explicit Parsed(const std::string& text) : root(icalparser_parse_string(text.c_str())) {}
    ~Parsed() {
        if (root) icalcomponent_free(root);
    }
    std::vector<icalcomponent*> events() const {
        std::vector<icalcomponent*> all;
        for (icalcomponent* e = icalcomponent_get_first_component(root, ICAL_VEVENT_COMPONENT); e;
             e = icalcomponent_get_next_component(root, ICAL_VEVENT_COMPONENT))
            all.push_back(e);
        return all;
    }
    // The parser marks whatever it could not read with X-LIC-ERROR.
    int errors(icalcomponent* c = nullptr) const {
        if (!c) c = root;
        int n = icalcomponent_count_properties(c, ICAL_XLICERROR_PROPERTY);
        for (icalcomponent* sub = icalcomponent_get_first_component(c, ICAL_ANY_COMPONENT); sub;
             sub = icalcomponent_get_next_component(c, ICAL_ANY_COMPONENT))
            n += errors(sub);
        return n;
    }
    icalcomponent* root;
};

TEST(IcsText, EscapesAndFoldsAsCalendarsReadThem) {
    EXPECT_EQ(icsEscape("a,b;c\\d\ne\r\nf"), "a\\,b\\;c\\\\d\\ne\\nf");
    // A long Cyrillic line: folded into physical lines of at most 75 octets,
    // never inside a character, and read back whole by the parser.
    std::string summary;
    for (int i = 0; i < 40; ++i) summary += "Жёлтая, Солнечная; ";
    summary += "\\ и ещё";
    const std::string folded = icsFold("SUMMARY:" + icsEscape(summary));
    std::size_t start = 0;
    int lines = 0;
    for (std::size_t end; (end = folded.find("\r\n", start)) != std::string::npos; start = end + 2, ++lines) {
        const std::string line = folded.substr(start, end - start);
        EXPECT_LE(line.size(), 75u);
        if (lines > 0) {
            EXPECT_EQ(line[0], ' ');
        }
        // No line starts in the middle of a UTF-8 character.
        if (line.size() > 1) {
            EXPECT_NE(static_cast<unsigned char>(line[lines > 0 ? 1 : 0]) & 0xC0, 0x80);
        }
    }
    EXPECT_EQ(start, folded.size());
    EXPECT_GT(lines, 10);
    const std::string file = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//t//t//EN\r\nBEGIN:VEVENT\r\n"
                             "UID:x\r\nDTSTAMP:20260101T000000Z\r\nDTSTART;VALUE=DATE:20260101\r\n" +
                             folded + "END:VEVENT\r\nEND:VCALENDAR\r\n";
    Parsed parsed(file);
    ASSERT_NE(parsed.root, nullptr);
    ASSERT_EQ(parsed.events().size(), 1u);
    EXPECT_EQ(icalcomponent_get_summary(parsed.events()[0]), summary);
}

using IcsTest = test::ProgramDirTest;

std::string joined(const std::array<std::string, 6>& lines) {
    std::string s;
    for (const std::string& l : lines)
        if (!l.empty()) s += (s.empty() ? "" : "\n") + l;
    return s;
}

TEST_F(IcsTest, OneAllDayEventPerRealDayWithTheDaysValues) {
    std::filesystem::copy_file(std::string(KL_SHIPPED_DIR) + "/BASE.DRS", path("BASE.DRS"));
    const std::string text = buildIcs(date(2028, 2, 27), date(2028, 3, 2), "20260101T120000Z", true);
    // Every physical line ends in CR LF and holds at most 75 octets.
    for (std::size_t start = 0, end; start < text.size(); start = end + 2) {
        end = text.find("\r\n", start);
        ASSERT_NE(end, std::string::npos);
        EXPECT_LE(end - start, 75u);
        EXPECT_EQ(text.substr(start, end - start).find('\n'), std::string::npos);
    }
    Parsed parsed(text);
    ASSERT_NE(parsed.root, nullptr);
    EXPECT_EQ(parsed.errors(), 0);
    EXPECT_EQ(icalcomponent_isa(parsed.root), ICAL_VCALENDAR_COMPONENT);
    const auto events = parsed.events();
    const GregorianDate days[] = {date(2028, 2, 27), date(2028, 2, 28), date(2028, 2, 29), date(2028, 3, 1),
                                  date(2028, 3, 2)};
    ASSERT_EQ(events.size(), 5u);
    std::set<std::string> uids;
    for (std::size_t i = 0; i < events.size(); ++i) {
        icalcomponent* e = events[i];
        const icaltimetype start = icalcomponent_get_dtstart(e), end = icalcomponent_get_dtend(e);
        EXPECT_TRUE(start.is_date);
        EXPECT_EQ(start.year, days[i].year);
        EXPECT_EQ(start.month, days[i].month);
        EXPECT_EQ(start.day, days[i].day);
        // The event ends where the next day begins.
        const GregorianDate next = i + 1 < 5 ? days[i + 1] : date(2028, 3, 3);
        EXPECT_EQ(end.month * 100 + end.day, next.month * 100 + next.day) << i;
        EXPECT_FALSE(icaltime_is_null_time(icalcomponent_get_dtstamp(e)));
        uids.insert(icalcomponent_get_uid(e));

        const CalendarDay day = computeCalendarDay(days[i]);
        const std::string summary = icalcomponent_get_summary(e);
        EXPECT_EQ(summary.rfind("Кин " + std::to_string(day.kin) + " ", 0), 0u) << summary;
        EXPECT_NE(summary.find(L(kl::layout::base::kSealGenitive + day.sign)), std::string::npos) << summary;
        EXPECT_NE(summary.find(L(66 + day.month) + " Луна, " + std::to_string(day.monthDay)), std::string::npos)
            << summary;
        EXPECT_NE(summary.find(L(49 + day.plasma)), std::string::npos) << summary;
        EXPECT_EQ(icalcomponent_get_description(e), joined(loadaffirmation(day)));
    }
    EXPECT_EQ(uids.size(), 5u);
    // 29 February has the values of 28 February.
    EXPECT_STREQ(icalcomponent_get_summary(events[1]), icalcomponent_get_summary(events[2]));
}

TEST_F(IcsTest, PortalDaysAndTheDayOutOfTimeAreMarked) {
    std::filesystem::copy_file(std::string(KL_SHIPPED_DIR) + "/BASE.DRS", path("BASE.DRS"));
    // Kin 1 is a portal kin, kin 2 is not.
    ASSERT_EQ(computeKinRelations(computeCalendarDay(findKinDates(1, date(2027, 1, 1), 1)[0])).portal, 1);
    const GregorianDate portal = findKinDates(1, date(2027, 1, 1), 1)[0];
    const GregorianDate plain = findKinDates(2, date(2027, 1, 1), 1)[0];
    for (const auto& [day, mark] : {std::pair{portal, std::string("Портал галактической активации · ")},
                                    std::pair{plain, std::string()},
                                    std::pair{date(2027, 7, 25), std::string("День вне времени · ")}}) {
        Parsed parsed(buildIcs(day, day, "20260101T120000Z", true));
        ASSERT_EQ(parsed.events().size(), 1u);
        const std::string summary = icalcomponent_get_summary(parsed.events()[0]);
        if (mark.empty()) {
            EXPECT_EQ(summary.rfind("Кин ", 0), 0u) << summary;
        } else {
            EXPECT_EQ(summary.rfind(mark + "Кин ", 0), 0u) << summary;
        }
    }
}

// runIcs with standard output gathered into `out`.
int runIcs(const std::vector<std::string>& args, std::string& out, std::string& err) {
    return cli::runIcs(args, [&out](std::string_view piece) {
        out += piece;
        return true;
    }, err);
}

TEST_F(IcsTest, CommandWritesTheFileAndRefusesImpossibleRanges) {
    std::string out, err;
    const std::string file = path("year.ics");
    ASSERT_EQ(runIcs({"2026-07-26", "2027-07-25", file}, out, err), 0) << err;
    EXPECT_TRUE(out.empty());
    std::string text = readFile("year.ics");
    Parsed parsed(text);
    EXPECT_EQ(parsed.errors(), 0);
    EXPECT_EQ(parsed.events().size(), 365u);  // no BASE.DRS: numbers stand for the names
    EXPECT_STREQ(icalcomponent_get_summary(parsed.events()[0]), "Kin 229 (seal 9, tone 8) · Moon 1, day 1 · plasma 1");
    ASSERT_EQ(runIcs({"2026-12-08", "2026-12-08"}, out, err), 0) << err;
    EXPECT_EQ(out.rfind("BEGIN:VCALENDAR\r\n", 0), 0u);
    for (const std::vector<std::string>& bad :
         {std::vector<std::string>{"2026-01-02", "2026-01-01"}, {"2027-02-29", "2027-03-01"},
          {"2026-01-01", "10000-01-01"}, {"2026-01-01"}, {"0001-01-01", "9999-12-31"},
          {"2026-01-01", "2026-01-02", "a", "b"}}) {
        err.clear();
        EXPECT_EQ(runIcs(bad, out, err), 2) << bad[0];
        EXPECT_FALSE(err.empty());
    }
    err.clear();
    EXPECT_EQ(runIcs({"2026-01-01", "2026-01-02", path("no/such/dir/x.ics")}, out, err), 1);
    EXPECT_NE(err.find("cannot write"), std::string::npos);
}

// Standard output gets the file in pieces as it is made, never the whole
// of a long range at once; an output that refuses a piece stops the run.
TEST_F(IcsTest, StandardOutputTakesTheFileInPieces) {
    std::string whole, err;
    std::size_t pieces = 0, largest = 0;
    const auto gather = [&](std::string_view piece) {
        whole += piece;
        ++pieces;
        largest = std::max(largest, piece.size());
        return true;
    };
    ASSERT_EQ(cli::runIcs({"2026-01-01", "2031-12-31"}, gather, err), 0) << err;
    EXPECT_GT(pieces, 4u);
    EXPECT_LT(largest, std::size_t{80} << 10);
    const std::size_t stamp = whole.find("DTSTAMP:") + 8;
    EXPECT_EQ(whole, buildIcs(date(2026, 1, 1), date(2031, 12, 31), whole.substr(stamp, 16), false));
    pieces = 0;
    const auto refuse = [&](std::string_view) {
        ++pieces;
        return false;
    };
    EXPECT_EQ(cli::runIcs({"2026-01-01", "2027-12-31"}, refuse, err), 1);
    EXPECT_EQ(pieces, 1u);
}

TEST_F(IcsTest, TheOutputIsTheFileNamedExactly) {
    std::string out, err;
    writeFile("notes.ics", "precious");
    ASSERT_EQ(runIcs({"2026-01-01", "2026-01-02", path("NOTES.ics")}, out, err), 0) << err;
    EXPECT_EQ(readFile("notes.ics"), "precious");
    EXPECT_EQ(readFile("NOTES.ics").rfind("BEGIN:VCALENDAR", 0), 0u);
    // A directory is no place for a calendar: refused in one line.
    std::filesystem::create_directory(path("year.ics"));
    EXPECT_EQ(runIcs({"2026-01-01", "2026-01-02", path("year.ics")}, out, err), 1);
    EXPECT_EQ(err, "kestralune-cli: cannot write " + path("year.ics") + ": it is not a file, a device or a pipe\n");
}

}  // namespace
}  // namespace kl::cli
