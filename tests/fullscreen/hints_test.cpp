// Field hints of the telektonon: reading HRCT.dat and Fieldhlp.drs, the
// hit test, the splitting and painting of a hint, and when a mouse move
// paints it.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>

#include "core/state.h"
#include "data/errorlog.h"
#include "fullscreen/viewfixture.h"
#include "platform/draw.h"
#include "ui/fullscreen/dispatcher.h"
#include "ui/fullscreen/fullstate.h"
#include "ui/fullscreen/hints.h"

namespace kl::test {
namespace {

using Lines = std::vector<std::string>;

std::string record(std::int32_t l, std::int32_t t, std::int32_t r, std::int32_t b) {
    std::string bytes;
    for (std::int32_t v : {l, t, r, b})
        for (int k = 0; k < 4; ++k) bytes += static_cast<char>((static_cast<std::uint32_t>(v) >> (8 * k)) & 0xFF);
    return bytes;
}

class Hints : public ViewTest {
protected:
    void SetUp() override {
        ViewTest::SetUp();
        fullmodeState = 13;
        spin = 0;
        lastHint.clear();
        fieldRects() = FieldRects{};
    }
    void TearDown() override {
        fullmodeState = -1;
        lastHint.clear();
        fieldRects() = FieldRects{};
        ViewTest::TearDown();
    }
    // Fields 0 and 1 overlap; field 2 lies apart. The other 67 are empty.
    void writeFields(int records = 70) {
        std::string bytes = record(100, 100, 200, 150) + record(150, 120, 250, 170) + record(-40, -30, -10, -5);
        while (static_cast<int>(bytes.size()) < 70 * 16) bytes += record(0, 0, 0, 0);
        bytes.resize(static_cast<std::size_t>(records) * 16 + (records < 70 ? 7 : 0));  // a torn record at the end
        writeFile("HRCT.dat", bytes);
        writeLines("Fieldhlp.drs", {"Печать  дня", "Тон дня", "Далеко", "четвёртое"});
    }
    bool boxIsEmpty(const platform::Picture& v) const {
        for (int y = 455; y < 535; ++y)
            for (int x = 505; x < 665; ++x)
                if (!(v.pixel(x, y) == kViewBackground)) return false;
        return true;
    }
    // Rows of the box that hold any text.
    std::vector<int> inkedRows(const platform::Picture& v) const {
        std::vector<int> rows;
        for (int y = 455; y < 535; ++y)
            for (int x = 505; x < 665; ++x)
                if (!(v.pixel(x, y) == kViewBackground)) {
                    rows.push_back(y);
                    break;
                }
        return rows;
    }
};

TEST_F(Hints, LoadsRecordsAndTextsInOrder) {
    writeFields();
    loadbaserects();
    EXPECT_EQ(reports(), 0);
    const FieldRects& t = fieldRects();
    EXPECT_EQ(t[0].left, 100);
    EXPECT_EQ(t[1].bottom, 170);
    EXPECT_EQ(t[2].left, -40);  // signed little-endian
    EXPECT_EQ(t[2].bottom, -5);
    EXPECT_EQ(t[0].text, "Печать  дня");  // decoded from Windows-1251, spaces kept
    EXPECT_EQ(t[3].text, "четвёртое");
    EXPECT_EQ(t[4].text, "");  // past the file's last line
    EXPECT_EQ(t[69].right, 0);
}

TEST_F(Hints, AShortOrMissingFileKeepsWhatWasReadAndIsReportedWithoutAReportFile) {
    writeFields(3);  // three whole records and a torn fourth
    loadbaserects();
    const FieldRects& t = fieldRects();
    EXPECT_EQ(t[2].top, -30);
    EXPECT_EQ(t[2].text, "Далеко");
    EXPECT_EQ(t[3].text, "");  // the torn record's text is not read either
    EXPECT_EQ(t[3].right, 0);
    EXPECT_EQ(recorded().messages, Lines{"ERROR! ERROR CODE:101"});
    EXPECT_EQ(recorded().terminateRequests, 1);
    EXPECT_FALSE(std::filesystem::exists(path("errorlog1.err")));

    // A second load starts from an empty table: with the texts missing
    // nothing is loaded.
    writeFields();
    std::filesystem::remove(path("Fieldhlp.drs"));
    loadbaserects();
    EXPECT_EQ(fieldRects()[0].right, 0);
    EXPECT_EQ(reports(), 2);
}

TEST_F(Hints, APointMatchesOnlyStrictlyInsideAndTheLowerIndexWins) {
    writeFields();
    loadbaserects();
    // Field 0 is (100, 100)-(200, 150): its edges are outside.
    for (auto [x, y] : {std::pair{100, 120}, {200, 110}, {120, 100}, {120, 150}}) EXPECT_FALSE(checkrect(x, y)) << x << "," << y;
    EXPECT_EQ(checkrect(101, 101), "Печать  дня");
    EXPECT_EQ(checkrect(199, 149), "Печать  дня");
    // Where 0 and 1 overlap, 0 gives the text; beyond 0's right edge, 1.
    EXPECT_EQ(checkrect(170, 130), "Печать  дня");
    EXPECT_EQ(checkrect(200, 130), "Тон дня");
    EXPECT_EQ(checkrect(-20, -20), "Далеко");
    // The empty fields never match, not even at (0, 0).
    EXPECT_FALSE(checkrect(0, 0));
}

TEST_F(Hints, TwoSpacesBreakALineAndAThirdStartsTheNextWithASpace) {
    EXPECT_EQ(hintLines("one two"), (Lines{"one two"}));
    EXPECT_EQ(hintLines("one  two"), (Lines{"one", "two"}));
    EXPECT_EQ(hintLines("one   two"), (Lines{"one", " two"}));
    EXPECT_EQ(hintLines("one    two"), (Lines{"one", "", "two"}));
    EXPECT_EQ(hintLines("one "), (Lines{"one"}));
    EXPECT_EQ(hintLines(""), (Lines{""}));
    EXPECT_EQ(hintLines("Тон  дня"), (Lines{"Тон", "дня"}));  // UTF-8 letters pass through whole
}

TEST_F(Hints, ALineBreakPaintsTheSecondLineTenPixelsLower) {
    platform::Picture& v = viewPicture();
    v.fill({200, 0, 0});
    hintout(v, 505, 455, "WWW WWW");
    const std::vector<int> one = inkedRows(v);
    ASSERT_FALSE(one.empty());
    EXPECT_LT(one.back(), 465);  // a single line

    hintout(v, 505, 455, "WWW  WWW");
    const std::vector<int> two = inkedRows(v);
    ASSERT_FALSE(two.empty());
    EXPECT_EQ(two.front(), one.front());
    EXPECT_EQ(two.back(), one.back() + 10);
    // The box is cleared first: only the box, not what lies round it.
    EXPECT_EQ(v.pixel(504, 500), (Rgb{200, 0, 0}));
    EXPECT_EQ(v.pixel(600, 535), (Rgb{200, 0, 0}));
    EXPECT_EQ(v.pixel(665, 500), (Rgb{200, 0, 0}));
}

TEST_F(Hints, TheBoxIsRepaintedOnlyWhenTheTextChanges) {
    writeFields();
    loadbaserects();
    platform::Picture& v = viewPicture();
    v.fill({0, 90, 0});
    EXPECT_TRUE(hintMove(120, 120, v));
    EXPECT_EQ(lastHint, "Печать  дня");
    EXPECT_FALSE(boxIsEmpty(v));
    EXPECT_EQ(v.pixel(504, 455), (Rgb{0, 90, 0}));

    v.setPixel(660, 530, {1, 2, 3});  // a mark a repaint would wipe
    EXPECT_FALSE(hintMove(130, 125, v));  // the same field
    EXPECT_EQ(v.pixel(660, 530), (Rgb{1, 2, 3}));

    EXPECT_TRUE(hintMove(220, 160, v));  // the second field
    EXPECT_EQ(lastHint, "Тон дня");
    EXPECT_TRUE(hintMove(400, 400, v));  // no field: an empty box
    EXPECT_EQ(lastHint, "");
    EXPECT_TRUE(boxIsEmpty(v));
    EXPECT_FALSE(hintMove(401, 400, v));
}

TEST_F(Hints, NoHintWhileFadingOnTheDayOutOfTimeOrInAnotherView) {
    writeFields();
    loadbaserects();
    platform::Picture& v = viewPicture();

    spin = 3;  // the telektonon is still fading in
    EXPECT_FALSE(hintMove(120, 120, v));
    EXPECT_EQ(lastHint, "");
    spin = 0;

    setDate(2026, 7, 25);
    EXPECT_FALSE(hintMove(120, 120, v));
    EXPECT_EQ(lastHint, "");
    setDate(2026, 7, 26);

    EXPECT_TRUE(hintMove(120, 120, v));
    // Another view: the hint is empty, and the view, drawn without a hint
    // box, is left as it is.
    for (int mode : {0, 9, 12, 14, -1}) {
        fullmodeState = mode;
        v.fill({0, 0, 200});
        EXPECT_FALSE(hintMove(120, 120, v)) << mode;
        EXPECT_EQ(lastHint, "") << mode;
        EXPECT_EQ(v.pixel(600, 500), (Rgb{0, 0, 200})) << mode;
    }
    // Back on the telektonon the first move over a field shows it again.
    fullmodeState = 13;
    EXPECT_TRUE(hintMove(120, 120, v));
}

TEST_F(Hints, ADrawnViewHasNoHintUntilTheNextMove) {
    writeAllSigns();
    writeTelektononPieces();
    writeFields();
    loadbaserects();
    paintall(13, 255);
    EXPECT_TRUE(hintMove(120, 120, viewPicture()));
    paintall(13, 255);  // a key moved the date: the box was drawn empty
    EXPECT_EQ(lastHint, "");
    EXPECT_TRUE(hintMove(121, 120, viewPicture()));
    EXPECT_FALSE(boxIsEmpty(viewPicture()));
}

}  // namespace
}  // namespace kl::test
