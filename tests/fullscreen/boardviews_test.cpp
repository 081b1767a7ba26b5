// The board views: the wings (mode 12), the wavespell (modes 6 and 8) and
// the Tzolkin (mode 5). What each writes, sign by sign and text by text,
// for an ordinary day, a portal day, 29 February, 25 July and the edges of
// the accepted years; and where the shine lands in the drawn picture.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <optional>

#include "core/state.h"
#include "data/settings.h"
#include "fullscreen/viewfixture.h"
#include "layout/signtable.h"
#include "ui/fullscreen/dispatcher.h"
#include "ui/fullscreen/fullstate.h"
#include "ui/fullscreen/renderstate.h"

namespace kl::test {
namespace {

using Lines = std::vector<std::string>;

// Colours no stand-in sign uses (their red is at least 40).
constexpr platform::Rgb kShineColour{1, 250, 3};
constexpr platform::Rgb kPulseColour[6] = {{2, 10, 200}, {3, 200, 10}, {4, 100, 100},
                                           {5, 200, 200}, {6, 60, 60}, {7, 30, 240}};

struct Point {
    int x, y;
    bool operator==(const Point&) const = default;
};
std::ostream& operator<<(std::ostream& o, const Point& p) { return o << "(" << p.x << ", " << p.y << ")"; }

// Line by line, so a difference shows where it is.
void expectLines(const Lines& actual, const Lines& expected) {
    for (std::size_t i = 0; i < std::max(actual.size(), expected.size()); ++i)
        EXPECT_EQ(i < actual.size() ? actual[i] : "(none)", i < expected.size() ? expected[i] : "(none)")
            << "line " << i;
}

// Wings cell of kin k in the test's tech.dat: 20 columns of 13 rows, in
// kin order, so every kin has a place of its own inside the view.
Point testCell(int kin) { return {40 + 25 * ((kin - 1) / 13), 40 + 30 * ((kin - 1) % 13)}; }

class BoardViews : public ViewTest {
protected:
    void SetUp() override {
        ViewTest::SetUp();
        writeAllSigns();
        // Shines of their promised sizes, fully shown through white masks.
        const std::pair<int, Point> shines[] = {{1, {142, 127}}, {3, {50, 50}}, {4, {28, 28}}};
        for (const auto& [n, size] : shines) {
            writePicture("shine" + std::to_string(n) + ".bmp", size.x, size.y, kShineColour);
            writePicture("shine" + std::to_string(n) + "t.bmp", size.x, size.y, {255, 255, 255});
        }
        const char* pulses[] = {"PulsV", "PulsW", "PulsB", "PulsY", "PulsL", "PulsR"};
        for (int i = 0; i < 6; ++i) writePicture(std::string(pulses[i]) + ".bmp", 3, 3, kPulseColour[i]);
        writePicture("Puls1.bmp", 3, 3, {255, 255, 255});
        Lines tech;
        for (int kin = 1; kin <= 260; ++kin) {
            tech.push_back(std::to_string(testCell(kin).x));
            tech.push_back(std::to_string(testCell(kin).y));
        }
        writeLines("tech.dat", tech);
        _TEXTGRAPHIC = false;
        settings()._IconDate = true;
        settings()._DateFormat = 0;
        settings()._Sfigure = true;
    }

    // The script lines a mode writes through the dispatcher.
    Lines lines(int mode) {
        _TEXTGRAPHIC = false;
        ScriptSink sink;
        paintall(mode, 255, &sink);
        return sink.lines;
    }

    void setDay(const GregorianDate& d) {
        currentDate = d;
        currentDay = computeCalendarDay(d);
    }
    // The day `n` days after 8 December 2026 (kin 104), checked to be kin `kin`.
    void setKin(int kin) {
        setDay(stepDate(GregorianDate{8, 12, 0, 2026}, kin - 104));
        ASSERT_EQ(currentDay.kin, kin);
    }

    // Top-left corner of the first pixel of `colour` in the view, scanning
    // rows top-down.
    static std::optional<Point> find(platform::Rgb colour) {
        const platform::Picture& v = viewPicture();
        for (int y = 0; y < v.height(); ++y)
            for (int x = 0; x < v.width(); ++x)
                if (v.pixel(x, y) == colour) return Point{x, y};
        return std::nullopt;
    }
    static bool has(const Lines& l, const std::string& line) { return std::find(l.begin(), l.end(), line) != l.end(); }
    std::string report() const {
        return std::filesystem::exists(path("errorlog1.err")) ? readFile("errorlog1.err") : std::string();
    }
};

// --- Wings -------------------------------------------------------------------

TEST_F(BoardViews, WingsOfAnOrdinaryDay) {
    setDay({8, 12, 0, 2026});  // kin 104: the last kin of castle 2, wavespell 8
    const std::string frame = "md000" + std::to_string(currentDay.cromatic);
    const Lines expected = {
        "PICT 2 10 0 0 0 cnt 'graphic\\wings.bmp'",
        "FONT 12 -16 0 0 0 bld nrm Arial",
        "TEXT -181 0 cnt 'L425'",
        "FONT 8 -11 0 0 0 bld nrm Arial",
        "TEXT -181 60 cnt 'L428'",
        "TEXT -181 75 cnt 'L433'",
        "TEXT -181 90 cnt 'L438'",
        "TEXT -181 125 cnt 'L444'",
        "TEXT 182 1 cnt 'L417'",
        "TEXT 182 14 cnt 'L455'",
        "TEXT 182 28 cnt 'L539'",
        "TEXT 182 42 cnt 'L540'",
        "PICT 480 75 0 0 0 rgt 'graphic\\" + frame + ".bmp'",
        "PICT 506 98 0 0 0 rgt 'graphic\\zc350003.bmp'",
        "PICT 506 78 0 0 0 rgt 'graphic\\tn350012.bmp'",
        "FONT 10 -13 0 0 0 bld nrm Arial",
        "TEXT 164 83 cnt '24'",
        "FONT 7 -9 0 0 0 thn nrm Arial",
        "TEXT 181 137 cnt '08.12.2026'",
    };
    expectLines(lines(12), expected);
    EXPECT_EQ(reports(), 0);
}

TEST_F(BoardViews, WingsNameTheKinsCastleAndWavespellAndLightItsCell) {
    struct Case {
        int kin;
        const char* colour;  // castle line 426 + c
        const char* wave;    // wavespell line 447 + w
        const char* aim;     // 524 + 2 w
    };
    for (const Case& c : {Case{52, "L427", "L451", "L532"}, Case{53, "L428", "L452", "L534"},
                          Case{1, "L427", "L448", "L526"}, Case{260, "L431", "L467", "L564"}}) {
        setKin(c.kin);
        const Lines l = lines(12);
        EXPECT_TRUE(has(l, std::string("TEXT -181 60 cnt '") + c.colour + "'")) << c.kin;
        EXPECT_TRUE(has(l, std::string("TEXT 182 14 cnt '") + c.wave + "'")) << c.kin;
        EXPECT_TRUE(has(l, std::string("TEXT 182 42 cnt '") + c.aim + "'")) << c.kin;
        paintall(12, 255);
        EXPECT_EQ(find(kShineColour), (Point{testCell(c.kin).x - 7, testCell(c.kin).y - 14})) << c.kin;
    }
    EXPECT_EQ(reports(), 0);
}

TEST_F(BoardViews, WingsIconMarksTheSpecialKinsAndFollowsTheDateFormat) {
    setDay({10, 12, 0, 2026});  // kin 106, one of the marked kins
    settings()._DateFormat = 5;
    Lines l = lines(12);
    EXPECT_TRUE(has(l, "PICT 492 98 0 0 0 rgt 'graphic\\pvsign.bmp'"));
    EXPECT_TRUE(has(l, "TEXT 181 132 cnt '10/12'"));
    EXPECT_EQ(std::count_if(l.begin(), l.end(), [](const std::string& s) { return s.find("TEXT 181 1") == 0; }), 1);

    setKin(78);
    EXPECT_TRUE(has(lines(12), "PICT 492 98 0 0 0 rgt 'graphic\\kin78.bmp'"));

    settings()._IconDate = false;
    l = lines(12);
    EXPECT_FALSE(std::any_of(l.begin(), l.end(), [](const std::string& s) { return s.find("TEXT 181 ") == 0; }));

    // Without the day icon: no icon, no day number, no date.
    settings()._IconDate = true;
    settings()._Sfigure = false;
    l = lines(12);
    EXPECT_EQ(l.size(), 12u);
    EXPECT_FALSE(std::any_of(l.begin(), l.end(), [](const std::string& s) {
        return s.find("PICT 4") == 0 || s.find("PICT 5") == 0 || s.find("TEXT 164 ") == 0 ||
               s.find("TEXT 181 ") == 0;
    }));
}

TEST_F(BoardViews, WingsOn29FebruaryAnd25July) {
    setDay({29, 2, 0, 2028});
    const CalendarDay feb28 = computeCalendarDay({28, 2, 0, 2028});
    Lines l = lines(12);
    EXPECT_TRUE(has(l, "TEXT 181 137 cnt '29.02.2028'"));  // the day shown is the day asked for
    EXPECT_TRUE(has(l, "TEXT 164 83 cnt '" + std::to_string(feb28.monthDay) + "'"));
    paintall(12, 255);
    EXPECT_EQ(find(kShineColour), (Point{testCell(feb28.kin).x - 7, testCell(feb28.kin).y - 14}));
    EXPECT_EQ(currentDate, (GregorianDate{29, 2, 0, 2028}));

    setDay({25, 7, 0, 2026});  // kin 228: castle 5, wavespell 18
    l = lines(12);
    EXPECT_TRUE(has(l, "TEXT -181 60 cnt 'L431'"));
    EXPECT_TRUE(has(l, "TEXT 182 14 cnt 'L465'"));
    EXPECT_EQ(reports(), 0);
}

TEST_F(BoardViews, ABrokenCellFileFailsTheWingsAndNothingElse) {
    Lines tech(520, "12");
    tech[2 * 104 - 1] = "12x";  // kin 104's y
    writeLines("tech.dat", tech);
    setDay({8, 12, 0, 2026});
    const Lines l = lines(12);
    EXPECT_EQ(l, Lines{"PICT 2 10 0 0 0 cnt 'graphic\\wings.bmp'"});  // the view stops where it failed
    EXPECT_NE(report().find("ERROR SENDER:wings in fullmode"), std::string::npos);

    std::filesystem::remove(path("tech.dat"));  // missing lines read as empty: not a number either
    const int before = reports();
    lines(12);
    EXPECT_GT(reports(), before);
}

TEST_F(BoardViews, ACellAtTheEndOfTheIntRangeIsOffTheViewNotWrappedAround) {
    Lines tech(520, "12");
    tech[2 * 104 - 1] = "-2147483648";  // kin 104's y: the shine's offset must not wrap it to the bottom
    writeLines("tech.dat", tech);
    setDay({8, 12, 0, 2026});
    std::string caption;
    dispatcherHooks().setCaption = [&](const std::string& c) { caption = c; };
    paintall(12, 255);
    dispatcherHooks().setCaption = nullptr;
    EXPECT_EQ(caption, "<Y");
    EXPECT_EQ(reports(), 0);
}

// --- Wavespell ----------------------------------------------------------------

// Where day i of a wavespell sits: g = 102 column, h = 91 row.
constexpr Point kSlot[14] = {{},         {0, 91},    {0, 182},   {0, 273},   {0, 364},
                             {0, 455},   {102, 455}, {204, 455}, {306, 455}, {408, 455},
                             {408, 364}, {408, 273}, {408, 182}, {306, 182}};
// The guide's offset by tone.
int guideOf(int seal, int tone) {
    static constexpr int offset[14] = {0, 0, -8, 4, -4, 8, 0, -8, 4, -4, 8, 0, -8, 4};
    int g = seal + offset[tone];
    return g > 20 ? g - 20 : g < 1 ? g + 20 : g;
}
// The key colour a PICT line carries for a sign code.
std::string key(int code) {
    const platform::Rgb k = layout::signKeyColor(code);
    return std::to_string(k.r) + " " + std::to_string(k.g) + " " + std::to_string(k.b);
}
std::string pad4(int n) {
    std::string s = std::to_string(n);
    return std::string(4 - s.size(), '0') + s;
}

// The lines of day i with seal s and date text `date` (format 0).
Lines dayLines(int i, int s, const std::string& date) {
    const Point p = kSlot[i];
    return {"PICT " + std::to_string(p.x + 114) + " " + std::to_string(p.y - 44) + " 0 0 0 rgt 'graphic\\zc45" +
                pad4(s - 1) + ".bmp'",
            "PICT " + std::to_string(p.x + 114) + " " + std::to_string(p.y - 68) + " 0 0 0 rgt 'graphic\\tn45" +
                pad4(i - 1) + ".bmp'",
            "PICT " + std::to_string(p.x + 163) + " " + std::to_string(p.y - 35) + " " + key(97 + guideOf(s, i)) +
                " rgt 'graphic\\zc35" +
                pad4(guideOf(s, i) - 1) + ".bmp'",
            "TEXT " + std::to_string(p.x - 180) + " " + std::to_string(p.y + 3) + " cnt '" + date + "'"};
}

TEST_F(BoardViews, WavespellOfATone13DayStartsTwelveDaysEarlier) {
    setDay({8, 12, 0, 2026});  // kin 104: seal 4, tone 13, so the first seal is 12
    Lines expected = {"PICT 27 12 0 0 0 cnt 'graphic\\wavespell.bmp'", "FONT 12 -16 0 0 0 bld nrm Arial",
                      "TEXT 277 20 rgt 'L417'", "TEXT 253 50 rgt 'L418'"};
    for (int i = 1; i <= 13; ++i) {
        const int seal = (12 + i - 2) % 20 + 1;
        const int day = 25 + i;  // 26 November .. 8 December
        const std::string date = day <= 30 ? std::to_string(day) + ".11.2026" : "0" + std::to_string(day - 30) + ".12.2026";
        Lines cell = dayLines(i, seal, date);
        if (i == 1) cell.insert(cell.begin() + 3, "FONT 7 -9 0 0 0 thn nrm Arial");
        expected.insert(expected.end(), cell.begin(), cell.end());
    }
    expectLines(lines(6), expected);

    paintall(6, 255);
    EXPECT_EQ(find(kShineColour), (Point{306 + 50, 182 - 91}));  // on day 13
    EXPECT_EQ(reports(), 0);
}

TEST_F(BoardViews, WavespellOfATone1DayStartsOnItAndSealsWrapPast20) {
    setKin(105);  // seal 5, tone 1
    Lines l = lines(6);
    EXPECT_TRUE(has(l, "PICT 114 47 0 0 0 rgt 'graphic\\zc450004.bmp'"));  // day 1: seal 5
    EXPECT_TRUE(has(l, "TEXT -180 94 cnt '09.12.2026'"));                     // on the current date
    paintall(6, 255);
    EXPECT_EQ(find(kShineColour), (Point{50, 0}));

    setKin(239);  // seal 19, tone 5: the wavespell of kins 235..247 starts on seal 15
    l = lines(6);
    for (int i = 1; i <= 13; ++i) {
        const int seal = i <= 6 ? 14 + i : i - 6;  // 15..20, then 1..7
        const Point p = kSlot[i];
        EXPECT_TRUE(has(l, "PICT " + std::to_string(p.x + 114) + " " + std::to_string(p.y - 44) +
                               " 0 0 0 rgt 'graphic\\zc45" + pad4(seal - 1) + ".bmp'"))
            << i;
    }
    EXPECT_EQ(reports(), 0);
}

// The 13 dates a wavespell export shows, in day order.
Lines dates(const Lines& l) {
    Lines d;
    for (const std::string& s : l)
        if (s.find("TEXT ") == 0 && s.find(" cnt '") != std::string::npos)
            d.push_back(s.substr(s.find('\'') + 1, s.size() - s.find('\'') - 2));
    return d;
}

TEST_F(BoardViews, WavespellOf29FebruaryCountsFrom28February) {
    setDay({29, 2, 0, 2028});  // carries 28 February's kin 31: seal 11, tone 5
    ASSERT_EQ(currentDay.tone, 5);
    settings()._DateFormat = 2;
    EXPECT_EQ(dates(lines(6)), (Lines{"24.02", "25.02", "26.02", "27.02", "28.02", "01.03", "02.03", "03.03",
                                      "04.03", "05.03", "06.03", "07.03", "08.03"}));
    paintall(6, 255);
    EXPECT_EQ(find(kShineColour), (Point{50, 455 - 91}));  // on day 5, 28 February
    EXPECT_EQ(currentDate, (GregorianDate{29, 2, 0, 2028}));
}

TEST_F(BoardViews, WavespellOf25July) {
    setDay({25, 7, 0, 2026});  // kin 228, tone 7
    settings()._DateFormat = 3;
    const Lines l = lines(6);
    EXPECT_EQ(dates(l), (Lines{"07.19", "07.20", "07.21", "07.22", "07.23", "07.24", "07.25", "07.26", "07.27",
                               "07.28", "07.29", "07.30", "07.31"}));
    // Short formats: one pixel higher, in preset 3.
    EXPECT_TRUE(has(l, "TEXT 24 457 cnt '07.25'"));
    EXPECT_TRUE(has(l, "FONT 8 -11 0 0 0 bld nrm Arial"));
    paintall(6, 255);
    EXPECT_EQ(find(kShineColour), (Point{204 + 50, 455 - 91}));
}

TEST_F(BoardViews, WavespellsAtTheEdgesOfTheYearsDateTheirDaysWithoutOverflow) {
    setDay({31, 12, 0, 2'147'483'647});
    const int t = currentDay.tone;
    Lines d = dates(lines(6));
    ASSERT_EQ(d.size(), 13u);
    EXPECT_EQ(d[static_cast<std::size_t>(t - 1)], "31.12.2147483647");
    if (t < 13) EXPECT_EQ(d[static_cast<std::size_t>(t)], "01.01.2147483648");

    setDay({1, 1, 0, 1});
    const int u = currentDay.tone;
    d = dates(lines(6));
    ASSERT_EQ(d.size(), 13u);
    EXPECT_EQ(d[static_cast<std::size_t>(u - 1)], "01.01.1");
    if (u > 1) EXPECT_EQ(d[static_cast<std::size_t>(u - 2)].substr(0, 6), "31.12.");

    setDay({15, 6, 0, 1'000'000});
    d = dates(lines(6));
    EXPECT_EQ(d[static_cast<std::size_t>(currentDay.tone - 1)], "15.06.1000000");
    EXPECT_EQ(reports(), 0);
}

TEST_F(BoardViews, WavespellWithPulsarsDrawsTheTwoPulsarsOfTheTone) {
    // Tone 13 (kin 104): the time pulsar 1-5-9-13 in violet and the overtone
    // pulsar 3-8-13; nothing in the other four-tone colours.
    setDay({8, 12, 0, 2026});
    paintall(8, 255);
    EXPECT_EQ(viewPicture().pixel(117, 61), kPulseColour[0]);   // tone 1
    EXPECT_EQ(viewPicture().pixel(525, 425), kPulseColour[0]);  // tone 9
    EXPECT_EQ(viewPicture().pixel(117, 243), kPulseColour[4]);  // tone 3
    EXPECT_EQ(viewPicture().pixel(423, 425), kPulseColour[4]);  // tone 8
    EXPECT_EQ(viewPicture().pixel(423, 152), kPulseColour[4]);  // tone 13, drawn over by the overtone
    for (int c : {1, 2, 3, 5}) EXPECT_FALSE(find(kPulseColour[c]).has_value()) << c;
    EXPECT_EQ(find(kShineColour), (Point{356, 91}));

    // Tone 2 (kin 106, seal 6, white): colours from (2 - 2) mod 4 = 0, so
    // the pulsar 2-6-10 takes the second picture; the overtone 2-7-12.
    setDay({10, 12, 0, 2026});
    paintall(8, 255);
    EXPECT_EQ(viewPicture().pixel(219, 425), kPulseColour[1]);  // tone 6
    EXPECT_EQ(viewPicture().pixel(525, 334), kPulseColour[1]);  // tone 10
    EXPECT_EQ(viewPicture().pixel(321, 425), kPulseColour[4]);  // tone 7
    EXPECT_EQ(viewPicture().pixel(525, 152), kPulseColour[4]);  // tone 12
    EXPECT_FALSE(find(kPulseColour[0]).has_value());

    // Tone 3 (kin 42, seal 2, white): (2 - 3) mod 4 = 3, whose colours give
    // the pulsar 3-7-11 the second picture too.
    setKin(42);
    paintall(8, 255);
    EXPECT_EQ(viewPicture().pixel(321, 425), kPulseColour[1]);  // tone 7
    EXPECT_EQ(viewPicture().pixel(525, 243), kPulseColour[1]);  // tone 11
    EXPECT_EQ(viewPicture().pixel(423, 425), kPulseColour[4]);  // tone 8
    EXPECT_FALSE(find(kPulseColour[3]).has_value());
    EXPECT_EQ(reports(), 0);
}

// --- Tzolkin --------------------------------------------------------------------

TEST_F(BoardViews, TzolkinLightsTheKinsCell) {
    for (const auto& [kin, at] : {std::pair{1, Point{156, 16}}, std::pair{20, Point{156, 434}},
                                  std::pair{21, Point{179, 16}}, std::pair{260, Point{432, 434}},
                                  std::pair{104, Point{271, 82}}}) {
        setKin(kin);
        paintall(5, 255);
        EXPECT_EQ(find(kShineColour), at) << kin;
    }
    setDay({29, 2, 0, 2028});  // kin 31
    paintall(5, 255);
    EXPECT_EQ(find(kShineColour), (Point{179, 236}));
    EXPECT_EQ(reports(), 0);
}

TEST_F(BoardViews, ExportsHaveNoShine) {
    setDay({8, 12, 0, 2026});
    for (int mode : {5, 6, 8, 12}) {
        const Lines l = lines(mode);
        EXPECT_FALSE(l.empty()) << mode;
        for (const std::string& s : l) EXPECT_EQ(s.find("shine"), std::string::npos) << mode << ": " << s;
    }
    EXPECT_EQ(reports(), 0);
}

// --- All of them ------------------------------------------------------------------

TEST_F(BoardViews, TheFirstAndLastDaysOfTheYearsDrawCleanly) {
    for (const GregorianDate& d : {GregorianDate{1, 1, 0, 1}, GregorianDate{31, 12, 0, 2'147'483'647},
                                   GregorianDate{25, 7, 0, 2'147'483'647}, GregorianDate{15, 6, 0, 1'000'000}}) {
        setDay(d);
        for (int mode : {5, 6, 8, 12}) {
            paintall(mode, 255);
            EXPECT_TRUE(find(kShineColour).has_value()) << mode << " in " << d.year;
        }
    }
    EXPECT_EQ(reports(), 0);
}

TEST_F(BoardViews, EmptyCaptionsDrawNothingAndAreNoFailure) {
    writeLines("BASE.DRS", Lines(669, ""));
    setDay({8, 12, 0, 2026});
    for (int mode : {5, 6, 8, 12}) {
        paintall(mode, 255);
        EXPECT_TRUE(find(kShineColour).has_value()) << mode;
    }
    EXPECT_EQ(reports(), 0);
}

TEST_F(BoardViews, AMissingShineIsReportedAndTheViewGoesOn) {
    std::filesystem::remove(path("graphic/shine3.bmp"));
    setDay({8, 12, 0, 2026});
    const Lines l = lines(5);  // an export never loads it
    EXPECT_EQ(reports(), 0);
    paintall(5, 255);
    EXPECT_EQ(reports(), 1);
    EXPECT_NE(report().find("loadrect in fullmode"), std::string::npos);
    EXPECT_FALSE(l.empty());
}

}  // namespace
}  // namespace kl::test
