// The day texts of all 260 kins, assembled by the program's own routines
// from the shipped BASE.DRS of each language: complete, untouched by the
// word patterns they are drawn with, cleanly spaced and inside their areas;
// the Russian ones grammatical in form.
#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>

#include "core/kin.h"
#include "data/textdb.h"
#include "layout/essence.h"
#include "platform/draw.h"
#include "platform/files.h"
#include "shipped/text_support.h"
#include "ui/fullscreen/textrenderer.h"
#include "support/kindays.h"
#include "support/testsupport.h"

namespace kl::test {
namespace {

// The shipped texts of one language, read as the program reads them.
class ShippedTextsOf : public ::testing::Test {
protected:
    void enter(Language language) {
        previous = platform::programDirectory();
        platform::setProgramDirectory(KL_SHIPPED_DIR);
        language_.emplace(language);
        ASSERT_TRUE(textFileExists("BASE.DRS")) << "build the 'texts' target first";
        recorded() = Recorded{};
    }
    void TearDown() override {
        EXPECT_EQ(recorded().terminateRequests, 0) << "a text read failed";
        language_.reset();
        platform::setProgramDirectory(previous);
    }
    std::string previous;
    std::optional<TextLanguageScope> language_;
};

// Russian grammar: word forms and cases.
class ShippedTexts : public ShippedTextsOf {
protected:
    void SetUp() override { enter(Language::Russian); }
};

// What holds in every language: every line there, cleanly joined, fitting its place.
class EveryLanguage : public ShippedTextsOf, public ::testing::WithParamInterface<Language> {
protected:
    void SetUp() override { enter(GetParam()); }
};
INSTANTIATE_TEST_SUITE_P(Texts, EveryLanguage, kBothLanguages, languageTestName);

CalendarDay dayInMoonOfKin(int kin) {
    CalendarDay d = test::dayOfKin(kin);
    d.month = 1;
    return d;
}

bool endsWith(const std::string& s, const std::string& tail) {
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

namespace mask = layout::casemask;

TEST_P(EveryLanguage, DatabaseCoversEveryLineTheWindowsRead) {
    const auto lines = shippedTextLines("BASE.DRS");
    EXPECT_GE(lines.size(), 669u);
    std::vector<int> wanted = {0, 28, 29, 34, 59, 60, 61, 63, 145, 146, 147, 149, 165, 166, 167, 168, 169,
                               192, 193, 194, 196, 197, 198, 199, 389, 390, 391, 392, 399, 400, 401,
                               402, 413, 414, 415, 416, 417, 418, 419, 420, 421, 422, 423, 424, 425, 469,
                               566, 577, 579, 580, 581, 583, 515, 516, 517, 518, 519};
    const auto range = [&](int a, int b) { for (int i = a; i <= b; ++i) wanted.push_back(i); };
    range(1, 20); range(35, 47); range(50, 56); range(67, 79); range(81, 100); range(104, 129); range(131, 138);
    range(151, 163); range(171, 190); range(201, 213); range(215, 234); range(236, 248);
    range(250, 269); range(271, 290); range(292, 311); range(313, 317); range(319, 338);
    range(340, 352); range(354, 366); range(368, 387); range(393, 398); range(427, 441);
    range(443, 467); range(470, 482); range(484, 500); range(503, 523); range(525, 564);
    range(567, 576); range(584, 592); range(594, 605); range(607, 617); range(619, 626);
    range(628, 635); range(637, 651); range(653, 668);
    for (int i : wanted) EXPECT_FALSE(L(i).empty()) << "BASE.DRS line " << i << " is empty";
}

TEST_F(ShippedTexts, WordFormsAgreeWithTheirSeals) {
    // Form 1 serves masculine and neuter seals, form 0 feminine ones; the
    // names are genitive, where those endings are -ого and -ой.
    for (int i = 1; i <= 4; ++i) {
        EXPECT_TRUE(endsWith(L(130 + i), "ого") || endsWith(L(130 + i), "его")) << L(130 + i);
        EXPECT_TRUE(endsWith(L(134 + i), "ой") || endsWith(L(134 + i), "ей")) << L(134 + i);
        EXPECT_EQ(L(130 + i).substr(0, 6), L(134 + i).substr(0, 6)) << "colour " << i << " forms differ in stem";
    }
    for (int t = 1; t <= 13; ++t) {
        EXPECT_TRUE(endsWith(L(103 + t), "ого")) << L(103 + t);
        EXPECT_TRUE(endsWith(L(116 + t), "ой")) << L(116 + t);
        EXPECT_EQ(L(103 + t).substr(0, 6), L(116 + t).substr(0, 6)) << "tone " << t << " forms differ in stem";
        // Line 4 starts with "with" and the instrumental; before "с" or "з"
        // and a consonant the preposition is "со".
        const std::string with = L(339 + t);
        EXPECT_TRUE(endsWith(with, "ым") || endsWith(with, "им")) << with;
        const bool cluster = with.find("со ") == 0;
        EXPECT_TRUE(with.find("с ") == 0 || cluster) << with;
        const std::string word = with.substr(cluster ? 5 : 3);  // after the Cyrillic preposition
        const bool needsCo = (word.rfind("с", 0) == 0 || word.rfind("з", 0) == 0) &&
                             std::string("аеёиоуыэюя").find(word.substr(2, 2)) == std::string::npos;
        EXPECT_EQ(cluster, needsCo) << with;
    }
    // Seals of the feminine form end their genitive in -и or -ы.
    for (int s = 1; s <= 20; ++s) {
        if (computeKinRelations(dayInMoonOfKin(s)).wordForm == 0) {
            EXPECT_TRUE(endsWith(L(80 + s), "и") || endsWith(L(80 + s), "ы")) << "seal " << s << ": " << L(80 + s);
        }
    }
}

TEST_P(EveryLanguage, AffirmationOfEveryKinIsCompleteAndUntouchedByItsPatterns) {
    for (int kin = 1; kin <= 260; ++kin) {
        const CalendarDay day = dayInMoonOfKin(kin);
        const KinRelations r = computeKinRelations(day);
        const auto rows = loadaffirmation(day);
        for (std::size_t i = 0; i < 5; ++i) EXPECT_FALSE(rows[i].empty()) << "kin " << kin << " row " << i + 1;
        EXPECT_EQ(rows[5].empty(), r.portal == 0) << "kin " << kin;
        EXPECT_TRUE(endsWith(rows[0], ",")) << rows[0];   // row 2 goes on in lower case
        EXPECT_TRUE(endsWith(rows[1], ".")) << rows[1];
        EXPECT_FALSE(endsWith(rows[2], ".")) << rows[2];  // row 4 completes its sentence
        EXPECT_TRUE(endsWith(rows[3], ".")) << rows[3];
        EXPECT_TRUE(endsWith(rows[4], ".")) << rows[4];
        for (std::size_t i = 0; i < 6; ++i) {
            const std::string& row = rows[i];
            EXPECT_TRUE(cleanSpacing(row)) << "kin " << kin << " row " << i + 1 << ": [" << row << "]";
            EXPECT_EQ(applyCaseMask(row, mask::kFaceAffirmation[i]), row) << "kin " << kin << " face row " << i + 1;
            EXPECT_EQ(applyCaseMask(row, mask::kViewAffirmation[i]), row) << "kin " << kin << " view row " << i + 1;
            EXPECT_EQ(applyCaseMask(row, mask::kBookAffirmation[i]), row) << "kin " << kin << " book row " << i + 1;
            EXPECT_LE(faceFont1(row), 350) << "kin " << kin << " row " << i + 1 << ": " << row;
            EXPECT_LE(preset2(row), kCentredViewWidth) << "kin " << kin << " row " << i + 1;
        }
    }
}

TEST_P(EveryLanguage, FaceNamesOfEveryKinFitAndSplitOnlyWhenTooWide) {
    for (int kin = 1; kin <= 260; ++kin) {
        const CalendarDay day = dayInMoonOfKin(kin);
        const KinRelations r = computeKinRelations(day);
        const std::string colour = L(r.wordForm ? 130 + r.colour : 134 + r.colour);
        const std::string tone = L(r.wordForm ? 103 + day.tone : 116 + day.tone);
        const std::string seal = L(80 + day.sign);
        const std::string nameRow = tone + " " + seal;
        EXPECT_TRUE(cleanSpacing(nameRow)) << nameRow;
        EXPECT_TRUE(cleanSpacing(L(402) + " " + colour));
        // Two rows only when one would pass 217 pixels, and then each row fits.
        if (faceFont2(nameRow) > 217) {
            EXPECT_LE(faceFont2(tone), 217) << tone;
            EXPECT_LE(faceFont2(seal), 217) << seal;
        }
        // The seal page's title, centred in the view.
        EXPECT_LE(preset2(L(0) + " " + colour + " " + seal), kCentredViewWidth);
    }
}

TEST_F(ShippedTexts, FaceSealPageAndAffirmationNameOneEssence) {
    const auto page = shippedLines("DAYINFO.drs");
    ASSERT_GE(page.size(), 17u * 20);
    for (int seal = 1; seal <= 20; ++seal) {
        const std::string essence = L(170 + seal);
        ASSERT_FALSE(essence.empty()) << "seal " << seal;
        // The seal page's third line names it.
        EXPECT_NE(page[static_cast<std::size_t>(17 * (seal - 1) + 2)].find("суть — " + essence + "."),
                  std::string::npos)
            << "seal " << seal << ": the face says " << essence << ", its page says otherwise";
        // The affirmation's second row names it too: the accusative after
        // most tones and after tone 13, the instrumental after tone 5.
        const std::string stem = essence.substr(0, essence.size() - 2);  // without its last Cyrillic letter
        const std::string accusative = endsWith(essence, "я") ? stem + "ю" : essence;
        EXPECT_EQ(L(249 + seal), accusative) << "seal " << seal;
        EXPECT_EQ(L(291 + seal), accusative) << "seal " << seal;
        // (two letters short of the word, for a vowel that drops: порядок, порядком)
        const std::string root = essence.substr(0, essence.size() >= 4 ? essence.size() - 4 : 0);
        EXPECT_EQ(L(270 + seal).substr(0, root.size()), root) << "seal " << seal << ": " << L(270 + seal);
    }
}

TEST_P(EveryLanguage, EssenceEndsLeftOfTheMoon) {
    for (int seal = 1; seal <= 20; ++seal) {
        // Every row of it, on one row or two, ends left of the moon at x 390.
        for (const auto& oneRow : {layout::essence::kFaceOneRow, layout::essence::kDayViewOneRow}) {
            const EssenceText t = essenceText(L(168), L(170 + seal), oneRow);
            EXPECT_LE(layout::essence::kLeft + platform::textWidth(presetFont(3), t.label), 390) << t.label;
            if (t.word.empty()) continue;
            EXPECT_EQ(t.rows.word, layout::essence::kTwoRows.word);
            EXPECT_LE(layout::essence::kLeft + platform::textWidth(presetFont(t.wordPreset), t.word), 390) << t.word;
        }
    }
}

TEST_P(EveryLanguage, FixedFaceAndViewLabelsKeepEveryWordOfTheirPatterns) {
    struct Case { std::string text; layout::CaseMask mask; bool spaced = true; };
    std::vector<Case> cases = {{L(165) + ":", mask::kPlasmaCaption}, {L(166), mask::kMoonPhaseCaption},
                               {L(392), mask::kToday}, {L(60) + ": 260", mask::kNumberLabel},
                               {L(34) + ": 13", mask::kNumberLabel}};
    for (int p = 1; p <= 7; ++p) cases.push_back({L(49 + p), mask::kPlasmaName});
    // Book of kins: kin and tone in one line, "Aaaaa" then "AABAAAAA".
    // Its three blanks are meant: they count as two pattern words.
    cases.push_back({applyCaseMask(L(60) + ": 260", mask::kBookKin) + "   " + L(34) + ": 13", mask::kBookKinAndTone,
                     false});
    // Telektonon captions and their patterns.
    const std::vector<std::pair<int, const char*>> board = {
        {590, "aaaaaaaa"}, {588, "Aaaaaaaa"}, {589, "Aaaaaaaa"}, {607, "aaaaaaaa"}, {600, "Aaaaa"},
        {601, "aaaaa"}, {602, "Aaaaa"}, {603, "aaaaaa"}, {613, "Aaaaaaaaaa"}, {614, "AaAAAAAAAA"},
        {611, "Aaaaaaaaa"}, {612, "aaaaaa"}, {615, "Aaaaaaaa"}, {616, "Aaaaaa"}, {617, "Aaaaaa"},
        {594, "Aaaaaa"}, {608, "Aaaaaa"}, {610, "aaaaaaa"}, {609, "aaaaaa"}};
    for (const auto& [line, pattern] : board) cases.push_back({L(line), layout::russianCase(pattern)});
    for (int line = 619; line <= 626; ++line)
        cases.push_back({L(line), layout::russianCase(line % 2 ? "Aaaaaa" : "aaaaaa")});
    for (const auto& c : cases) {
        EXPECT_FALSE(c.text.empty());
        if (c.spaced) {
            EXPECT_TRUE(cleanSpacing(c.text)) << "[" << c.text << "]";
        }
        const char* pattern = GetParam() == Language::Russian ? c.mask.russian : c.mask.english;
        if (pattern) {
            EXPECT_LE(patternWords(c.text), std::string(pattern).size()) << c.text << " / " << pattern;
        }
        // The pattern leaves no word out.
        EXPECT_EQ(applyCaseMask(c.text, c.mask).size(), c.text.size()) << c.text;
    }
}

TEST_P(EveryLanguage, MoonAndViewHeadingsReadAsOnePhrase) {
    for (int m = 1; m <= 13; ++m) {
        const std::string first = L(66 + m) + L(29), second = L(61) + " " + L(150 + m);
        const std::string title = L(66 + m) + L(28) + " " + L(34) + " " + L(150 + m);
        for (const auto& t : {first, second, title, moonName(m), L(34) + " " + L(34 + m), L(469 + m)}) {
            EXPECT_TRUE(cleanSpacing(t)) << "[" << t << "]";
            EXPECT_LE(textWidth(t, "Arial", 16, true), kCentredViewWidth) << t;
        }
    }
    for (int c = 1; c <= 5; ++c)
        for (int line : {426 + c, 431 + c, 436 + c, 442 + c}) EXPECT_LE(textWidth(L(line), "Arial", 11, true), 190);
    for (int w = 1; w <= 20; ++w)
        for (int line : {447 + w, 523 + 2 * w, 524 + 2 * w})
            EXPECT_LE(textWidth(L(line), "Arial", 11, true), 2 * (670 - 299 - 202)) << L(line);
}

TEST_P(EveryLanguage, ViewCaptionsStayInsideTheView) {
    // (text, face, pixels, bold, x, centred): a centred x is an offset from
    // the view's centre line 299, like the views draw it.
    struct Caption { std::string text; const char* face; int px; bool bold; int x; bool centred; };
    const std::vector<Caption> captions = {
        {L(390), "Arial", 16, true, 0, true},    {L(391), "Arial", 11, true, 0, true},
        {L(145), "Arial", 11, true, -80, true},  {L(146), "Arial", 11, true, 85, true},
        {L(147) + " " + L(149), "Arial", 11, true, 0, true}, {L(63), "Arial", 21, false, 16, true},
        {L(417), "Arial", 16, true, 240, false}, {L(418), "Arial", 16, true, 216, false},
        {L(425), "Arial", 16, true, -181, true}, {L(423), "Arial", 11, true, 126, true},
        {L(419), "Verdana", 13, true, 0, true},  {L(420) + " " + L(424), "Arial", 13, true, 0, true},
        {L(416), "Arial", 9, false, 177, false}, {L(414), "Arial", 9, false, 334, false},
        {L(581), "Arial", 13, true, 235, true},  {L(580), "Arial", 21, false, 464, false},
        {L(583), "Arial", 16, true, 5, true},    {L(566) + " 52", "Arial", 21, false, 10, true}};
    for (const auto& c : captions) {
        const int w = textWidth(c.text, c.face, c.px, c.bold);
        const int left = c.centred ? 299 + c.x - w / 2 : c.x;
        EXPECT_GE(left, 0) << c.text;
        EXPECT_LE(left + w, 670) << c.text;
    }
    for (int y = 0; y < 17; ++y) {
        // The year header: colour, tone and year-bearer seal of each year.
        for (int seal : {4, 9, 14, 19}) {
            CalendarDay d;
            d.sign = static_cast<std::uint8_t>(seal);
            d.tone = static_cast<std::uint8_t>(y % 13 + 1);
            const KinRelations r = computeKinRelations(d);
            const std::string header = L(r.wordForm ? 130 + r.colour : 134 + r.colour) + " " +
                                       L(r.wordForm ? 103 + d.tone : 116 + d.tone) + " " + L(80 + seal);
            EXPECT_LE(299 + 126 + textWidth(header, "Verdana", 13, true) / 2, 670) << header;
        }
    }
}

TEST_F(ShippedTexts, DialogListsHoldTheTextsTheDialogStartsWith) {
    const auto conf = shippedLines("conf.dat");
    ASSERT_GE(conf.size(), 13u);
    // The date format list: entry n names format n; the shipped setting points
    // at the dialog's initial text, the moon model at the sky's true phase
    // (the third entry, named on line 669).
    EXPECT_EQ(L(658 + std::stoi(conf[11])), "григорианская дата дд/мм");
    EXPECT_EQ(conf[12], "2");
    EXPECT_EQ(L(669), "Астрономическая");
    EXPECT_EQ(L(666), "Линейная (упрощённая)");
    EXPECT_NE(L(658).find("дд.мм.гггг"), std::string::npos);
    EXPECT_NE(L(659).find("дд.мм.гг"), std::string::npos);
}

}  // namespace
}  // namespace kl::test
