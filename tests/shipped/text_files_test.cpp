// The shipped description pages, help pages, first-run settings and the
// week figures, read from the run directory as the program reads them.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <tuple>
#include <map>
#include <set>
#include <string>

#include "core/kin.h"
#include "data/conffile.h"
#include "ui/config/tform4.h"
#include "data/settings.h"
#include "platform/fonts.h"
#include "shipped/text_support.h"
#include "support/testsupport.h"

namespace kl::test {
namespace {

std::string rawFile(const std::string& name) {
    std::string bytes;
    platform::readFileBytes(std::string(KL_SHIPPED_DIR) + "/" + name, bytes);
    return bytes;
}

// Every line of a shipped file is ended by CR LF.
bool crlfOnly(const std::string& bytes) {
    for (std::size_t i = 0; i < bytes.size(); ++i)
        if (bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r')) return false;
    return !bytes.empty() && bytes.back() == '\n';
}

TEST(ShippedFiles, AreWindows1251WithCrLfLineEnds) {
    for (const char* name : {"BASE.DRS", "DAYINFO.drs", "TONEINFO.drs", "PLASMINFO.drs", "hlp1.dat",
                             "izinfo.dat", "iznum.drs", "conf.dat", "WindWHP.dat"}) {
        const std::string bytes = rawFile(name);
        EXPECT_TRUE(crlfOnly(bytes)) << name;
        // Windows-1251 has no multi-byte sequences: a UTF-8 Cyrillic lead
        // byte 0xD0/0xD1 followed by 0x80..0xBF would mean a wrong encoding.
        bool utf8Like = false;
        for (std::size_t i = 0; i + 1 < bytes.size(); ++i) {
            const auto a = static_cast<unsigned char>(bytes[i]), b = static_cast<unsigned char>(bytes[i + 1]);
            utf8Like = utf8Like || ((a == 0xD0 || a == 0xD1) && b >= 0x80 && b <= 0xBF &&
                                    i + 3 < bytes.size() &&
                                    (static_cast<unsigned char>(bytes[i + 2]) == 0xD0 ||
                                     static_cast<unsigned char>(bytes[i + 2]) == 0xD1));
        }
        EXPECT_FALSE(utf8Like) << name << " looks UTF-8 encoded";
    }
}

struct Pages { const char* file; int blocks; int perBlock; int firstY; };

class DescriptionPages : public ::testing::TestWithParam<Language> {};
INSTANTIATE_TEST_SUITE_P(Texts, DescriptionPages, kBothLanguages, languageTestName);

TEST_P(DescriptionPages, HaveTheirBlocksAndFitTheView) {
    const TextLanguageScope language(GetParam());
    for (const Pages p : {Pages{"DAYINFO.drs", 20, 17, 233}, Pages{"TONEINFO.drs", 13, 17, 196},
                          Pages{"PLASMINFO.drs", 7, 5, 233}}) {
        const auto lines = shippedTextLines(p.file);
        ASSERT_EQ(lines.size(), static_cast<std::size_t>(p.blocks * p.perBlock)) << p.file;
        for (int b = 0; b < p.blocks; ++b) {
            int filled = 0;
            for (int i = 0; i < p.perBlock; ++i) {
                const std::string& t = lines[static_cast<std::size_t>(b * p.perBlock + i)];
                filled += !t.empty();
                EXPECT_TRUE(cleanSpacing(t)) << p.file << " line " << b * p.perBlock + i << ": [" << t << "]";
                EXPECT_LE(preset5(t), kCentredViewWidth) << p.file << " line " << b * p.perBlock + i << ": " << t;
            }
            EXPECT_FALSE(lines[static_cast<std::size_t>(b * p.perBlock)].empty()) << p.file << " block " << b + 1;
            EXPECT_GE(filled, p.perBlock == 5 ? 4 : 9) << p.file << " block " << b + 1 << " says too little";
        }
        EXPECT_LE(p.firstY + 17 * (p.perBlock - 1) + 13, 550);
    }
}

TEST(ShippedFiles, SealPageNamesTheSealsOwnOraclePartners) {
    // Each seal block is about its own seal: it names the seal and its analog,
    // antipode and occult teacher (Tzolkin row names of BASE.DRS lines 1..20).
    const auto base = shippedLines("BASE.DRS");
    const auto day = shippedLines("DAYINFO.drs");
    ASSERT_EQ(day.size(), 340u);
    for (int s = 1; s <= 20; ++s) {
        std::string block;
        for (int i = 0; i < 17; ++i) block += day[static_cast<std::size_t>(17 * (s - 1) + i)] + " ";
        CalendarDay d;
        d.sign = static_cast<std::uint8_t>(s);
        d.tone = 1;
        const KinRelations r = computeKinRelations(d);
        const auto has = [&](int seal) { return block.find(base[static_cast<std::size_t>(seal)]) != std::string::npos; };
        EXPECT_TRUE(has(s)) << "seal " << s;
        const std::size_t a = block.find("Аналог — "), p = block.find("антипод — "), t = block.find("учитель — ");
        ASSERT_NE(a, std::string::npos);
        ASSERT_NE(p, std::string::npos);
        ASSERT_NE(t, std::string::npos);
        const auto partnerAt = [&](std::size_t pos, int seal) {
            return block.find(base[static_cast<std::size_t>(seal)], pos) < block.find(',', pos + 12) ||
                   block.find(base[static_cast<std::size_t>(seal)], pos) < block.find('.', pos + 12);
        };
        EXPECT_TRUE(partnerAt(a, r.analog)) << "seal " << s << " analog " << int(r.analog);
        EXPECT_TRUE(partnerAt(p, r.antipod)) << "seal " << s << " antipode " << int(r.antipod);
        EXPECT_TRUE(partnerAt(t, r.ateacher)) << "seal " << s << " occult teacher " << int(r.ateacher);
    }
}

TEST(ShippedFiles, HelpPagesMatchTheCountInTheDefaultSettings) {
    const auto conf = shippedLines("conf.dat");
    ASSERT_EQ(conf.size(), 15u);
    const int count = std::stoi(conf[14]);
    ASSERT_GE(count, 1);
    ASSERT_LE(count, 24);  // help modes 19 and 25..47
    for (int n = 1; n <= count; ++n) {
        const std::string name = "hlp" + std::to_string(n) + ".dat";
        const auto lines = shippedLines(name);
        ASSERT_FALSE(lines.empty()) << name;
        EXPECT_LE(lines.size(), 32u) << name;
        for (const auto& t : lines) EXPECT_LE(preset5(t), 670) << name << ": " << t;
    }
    EXPECT_FALSE(platform::fileExists(std::string(KL_SHIPPED_DIR) + "/hlp" + std::to_string(count + 1) + ".dat"));
}

TEST(ShippedFiles, DefaultSettingsAreTheFirstRunValues) {
    const auto conf = shippedLines("conf.dat");
    ASSERT_EQ(conf.size(), 15u);
    const std::vector<std::string> flags = {"Y", "Y", "Y", "Y", "Y", "5", "N", "N", "N", "Y", "N"};
    for (std::size_t i = 0; i < flags.size(); ++i) EXPECT_EQ(conf[i], flags[i]) << "conf.dat line " << i + 1;
    // The sign font of glyph exports is the one the build ships.
    EXPECT_EQ(conf[13], platform::kSignFontFamily);
}

class ShippedSettings : public ProgramDirTest {};

TEST_F(ShippedSettings, AConfDatMadeAnewSettlesAsTheShippedOne) {
    // A user who lost conf.dat gets the settings of a new install back.
    for (const auto& entry : std::filesystem::directory_iterator(KL_SHIPPED_DIR)) {
        const std::string name = entry.path().filename().string();
        if (name.starts_with("hlp") || name == "BASE.DRS") std::filesystem::copy_file(entry.path(), path(name));
    }
    {
        TForm4 form;
        form.load();
    }
    ConfValues made, shipped;
    ASSERT_EQ(parseConf(readFile("conf.dat"), made), 0);
    ASSERT_EQ(parseConf(rawFile("conf.dat"), shipped), 0);
    EXPECT_EQ(made.moonModel, shipped.moonModel);
    EXPECT_EQ(made.helpCount, shipped.helpCount);
    EXPECT_EQ(made.dateFormat, shipped.dateFormat);
    const auto settled = [](const ConfValues& v) {
        applyConf(v);
        return std::tuple{settings()._Yshine, settings()._Yline, settings()._Yfigure, settings()._Sfigure, settings()._SFX, settings()._spconst, settings()._Swapbtn, settings()._BookDate, settings()._DayDate,
                          settings()._IconDate, settings()._Turtles, settings()._Mmodel, settings()._signfont, settings()._hlpcount};
    };
    EXPECT_EQ(settled(made), settled(shipped));  // a blank sign font is the shipped one
}

TEST(ShippedFiles, PrintManagerGeometryFitsA1280By800Screen) {
    const auto w = shippedLines("WindWHP.dat");
    ASSERT_EQ(w.size(), 9u);
    std::vector<int> v;
    for (int i = 0; i < 8; ++i) v.push_back(std::stoi(w[static_cast<std::size_t>(i)]));
    // Print manager: at least the creative layout's minimum, on screen.
    EXPECT_GE(v[0], 748);
    EXPECT_GE(v[1], 575);
    EXPECT_LE(v[2] + v[0], 1280);
    EXPECT_LE(v[3] + v[1], 800);
    // Set-up dialog 313 x 366 and configuration dialog 481 x 206, on screen.
    EXPECT_LE(v[4] + 313, 1280);
    EXPECT_LE(v[5] + 366, 800);
    EXPECT_LE(v[6] + 481, 1280);
    EXPECT_LE(v[7] + 206, 800);
    for (int x : v) EXPECT_GE(x, 0);
    EXPECT_TRUE(w[8] == "1" || w[8] == "0");
}

// Picture number of a figure line: the member of the trigram of lines 1..3
// in its group plus 8 times the trigram of lines 4..6, bottom line at bit 0.
// Members run 000, 001, 010, 100, 101, 110, 011, 111.
int pictureNumber(const std::string& code) {
    static constexpr int kMemberOfLower[8] = {0, 1, 2, 6, 3, 4, 5, 7};
    int lower = 0, upper = 0;
    for (int b = 0; b < 3; ++b) {
        lower |= (code[static_cast<std::size_t>(b)] == '1') << b;
        upper |= (code[static_cast<std::size_t>(b + 3)] == '1') << b;
    }
    return 1 + kMemberOfLower[lower] + 8 * upper;
}

bool isFigure(const std::string& s) {
    if (s.size() < 6) return false;
    for (int i = 0; i < 6; ++i)
        if (s[static_cast<std::size_t>(i)] != '0' && s[static_cast<std::size_t>(i)] != '1') return false;
    return true;
}

TEST(ShippedFiles, WeekFiguresCarryTheirPictureNumbers) {
    const auto lines = shippedLines("izinfo.dat");
    ASSERT_EQ(lines.size(), 17u * 52u);
    std::set<std::string> seen;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& l = lines[i];
        ASSERT_TRUE(isFigure(l)) << "izinfo.dat line " << i << ": " << l;
        ASSERT_TRUE(l.size() == 8 || l.size() == 9) << l;
        EXPECT_EQ(l[6], ' ');
        EXPECT_EQ(std::stoi(l.substr(7)), pictureNumber(l)) << "izinfo.dat line " << i << ": " << l;
        seen.insert(l.substr(0, 6));
    }
    EXPECT_EQ(seen.size(), 64u) << "the weeks show every figure";
}

TEST(ShippedFiles, FigureNumbersFollowTheClassicSequence) {
    const auto lines = shippedLines("iznum.drs");
    ASSERT_EQ(lines.size(), 64u);
    std::map<std::string, int> number;
    std::set<int> numbers;
    for (const auto& l : lines) {
        ASSERT_TRUE(isFigure(l)) << l;
        ASSERT_TRUE(l.size() == 8 || l.size() == 9) << l;
        number[l.substr(0, 6)] = std::stoi(l.substr(7));
        numbers.insert(std::stoi(l.substr(7)));
    }
    EXPECT_EQ(number.size(), 64u);
    ASSERT_EQ(numbers.size(), 64u);
    EXPECT_EQ(*numbers.begin(), 1);
    EXPECT_EQ(*numbers.rbegin(), 64);
    // Codes bottom line first: all solid, all broken, water over thunder,
    // mountain over water, water over fire, fire over water, earth over heaven.
    EXPECT_EQ(number["111111"], 1);
    EXPECT_EQ(number["000000"], 2);
    EXPECT_EQ(number["100010"], 3);
    EXPECT_EQ(number["010001"], 4);
    EXPECT_EQ(number["101010"], 63);
    EXPECT_EQ(number["010101"], 64);
    EXPECT_EQ(number["111000"], 11);
    EXPECT_EQ(number["000111"], 12);
    // Every week's figure is found, as the week view looks it up.
    for (const auto& l : shippedLines("izinfo.dat")) EXPECT_EQ(number.count(l.substr(0, 6)), 1u);
}

TEST(ShippedFiles, CommandLineCompanionPrintsARussianAffirmation) {
    const std::string cmd = std::string(KL_CLI_PATH) + " day 2026-12-08";
    FILE* p = popen(cmd.c_str(), "r");
    ASSERT_NE(p, nullptr);
    std::string out;
    char buf[512];
    while (std::fgets(buf, sizeof buf, p)) out += buf;
    EXPECT_EQ(pclose(p), 0);
    // Kin 104, Yellow Cosmic Seed, guided by the Star.
    EXPECT_NE(out.find("kin: 104"), std::string::npos) << out;
    EXPECT_NE(out.find("affirmation 1: Я пребываю, чтобы нацеливать,\n"), std::string::npos) << out;
    EXPECT_NE(out.find("affirmation 2: превосходя осознанность.\n"), std::string::npos) << out;
    EXPECT_NE(out.find("affirmation 5: Меня ведёт сила элегантности.\n"), std::string::npos) << out;
    EXPECT_EQ(out.find("affirmation 6"), std::string::npos) << "kin 104 is no portal";
}

}  // namespace
}  // namespace kl::test
