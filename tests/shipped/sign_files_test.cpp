// Sign and glyph pictures: the names the program builds from sign codes and
// glyph numbers, and the generated files those names must find.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "platform/files.h"
#include "platform/picture.h"
#include "layout/signtable.h"
#include "layout/faceglyphs.h"

namespace {

using kl::platform::Rgb;

TEST(SignFileNames, NumericSuffixPadsToThreeDigitsAfterTheLead) {
    EXPECT_EQ(kl::layout::numsuffix(0, 0), "0000");
    EXPECT_EQ(kl::layout::numsuffix(9, 0), "0009");
    EXPECT_EQ(kl::layout::numsuffix(10, 0), "0010");
    EXPECT_EQ(kl::layout::numsuffix(19, 0), "0019");
    EXPECT_EQ(kl::layout::numsuffix(52, 0), "0052");
    EXPECT_EQ(kl::layout::numsuffix(5, 3), "3005");
    EXPECT_EQ(kl::layout::numsuffix(7, 7), "7007");
}

TEST(SignFileNames, EveryFamilyNamesItsFirstAndLastPicture) {
    const std::vector<std::pair<int, std::string>> cases = {
        {0, "0Y"},          {20, "0Y"},         {1, "1Y"},          {19, "19Y"},
        {30, "0"},          {50, "0"},          {31, "1"},          {49, "19"},
        {51, "Tone1"},      {63, "Tone13"},     {71, "1X"},         {77, "7X"},
        {78, "zc450000"},   {97, "zc450019"},   {98, "zc350000"},   {117, "zc350019"},
        {118, "tn450000"},  {130, "tn450012"},  {131, "pl350000"},  {137, "pl350006"},
        {138, "md0001"},    {141, "md0004"},    {142, "tn350000"},  {154, "tn350012"},
        {155, "zcs150000"}, {174, "zcs150019"}, {175, "fr1"},       {178, "fr4"},
        {179, "tn6h0000"},  {231, "tn6h0052"},  {232, "DOT"},       {233, "izin6"},
        {234, "izin9"},     {235, "md0005"},    {238, "md0008"},    {239, "pvsign"},
        {240, "zolkin"},    {241, "wavespell"}, {242, "wave1"},     {243, "kin78"},
        {244, "wings"},     {251, "sgn0000"},   {258, "sgn0007"},   {259, "sgn1000"},
        {314, "sgn7007"},   {315, "rns0000"},   {343, "rns0028"},   {344, "qntr0000"},
        {350, "qntr0006"},  {351, "qntw0000"},  {358, "qntb0000"},  {371, "qnty0006"},
        {372, "DOT1"},      {373, "telectonon"}, {374, "vnl500001"}, {392, "vnl500019"},
        {393, "vnl400001"}, {411, "vnl400019"}, {412, "vnt400000"}, {430, "vnt400018"},
        {431, "LNY1"},      {433, "LNY3"},      {434, "LNR1"},      {437, "LNW1"},
        {440, "LNB1"},      {442, "LNB3"},
    };
    for (const auto& [code, name] : cases)
        EXPECT_EQ(kl::layout::signFileName(code), "graphic\\" + name + ".bmp") << "code " << code;
}

TEST(SignFileNames, CodesOutsideTheTableNameNothing) {
    for (int code : {-1, 21, 29, 64, 70, 245, 250, 443, 1000}) EXPECT_EQ(kl::layout::signFileName(code), "") << code;
}

TEST(SignKeyColor, LightKeyOnlyForCode100AndTheYearViewSets) {
    const Rgb light{216, 208, 200}, black{0, 0, 0};
    for (int code : {100, 155, 174, 179, 230, 231}) EXPECT_EQ(kl::layout::signKeyColor(code), light) << code;
    for (int code : {0, 99, 101, 154, 175, 178, 232, 442}) EXPECT_EQ(kl::layout::signKeyColor(code), black) << code;
}

TEST(GlyphFileNames, SealsTonesAndPlasmasWithTheirMasks) {
    struct Case {
        int glyph;
        std::string picture, mask;
    };
    const std::vector<Case> cases = {
        {0, "0Y", "SBalfa"},       {20, "0Y", "SBalfa"},      {7, "7Y", "SBalfa"},
        {30, "0", "Smalfa"},       {50, "0", "Smalfa"},       {49, "19", "Smalfa"},
        {51, "Tone1", "ToneAlfa1"}, {63, "Tone13", "ToneAlfa13"}, {71, "1X", "plalfa"},
        {77, "7X", "plalfa"},
    };
    for (const Case& c : cases) {
        const kl::layout::GlyphFiles f = kl::layout::glyphFiles(c.glyph);
        EXPECT_EQ(f.picture, "graphic\\" + c.picture + ".bmp") << c.glyph;
        EXPECT_EQ(f.mask, "graphic\\" + c.mask + ".bmp") << c.glyph;
    }
    for (int g : {-1, 21, 29, 64, 70, 78}) EXPECT_TRUE(kl::layout::glyphFiles(g).picture.empty()) << g;
}

// The generated files, read from the build's program directory.
class GeneratedSigns : public ::testing::Test {
protected:
    void SetUp() override {
        previous_ = kl::platform::programDirectory();
        kl::platform::setProgramDirectory(KL_RUN_DIR);
    }
    void TearDown() override { kl::platform::setProgramDirectory(previous_); }

    struct Header {
        bool ok = false;
        int width = 0, height = 0, bits = 0;
    };
    // Reads the bitmap header itself, so that the bit depth is the file's.
    static Header header(const std::string& name) {
        std::ifstream in(kl::platform::resolvePath(name), std::ios::binary);
        unsigned char b[30] = {};
        if (!in.read(reinterpret_cast<char*>(b), sizeof b) || b[0] != 'B' || b[1] != 'M') return {};
        const auto i32 = [&](int at) {
            return static_cast<std::int32_t>(b[at] | b[at + 1] << 8 | b[at + 2] << 16 | std::uint32_t(b[at + 3]) << 24);
        };
        const std::int32_t h = i32(22);
        return {true, i32(18), h < 0 ? -h : h, b[28] | b[29] << 8};
    }
    static int countPixels(const kl::platform::Picture& p, Rgb c) {
        int n = 0;
        for (int y = 0; y < p.height(); ++y)
            for (int x = 0; x < p.width(); ++x) n += p.pixel(x, y) == c;
        return n;
    }

private:
    std::string previous_;
};

// Boards are drawn by another family and have no promised size here.
bool isBoard(int code) { return code == 240 || code == 241 || code == 242 || code == 244 || code == 373; }

TEST_F(GeneratedSigns, EveryNamedCodeHasA24BitPictureOfThePromisedSize) {
    int checked = 0;
    for (int code = 0; code <= 442; ++code) {
        const std::string name = kl::layout::signFileName(code);
        const kl::layout::PicSize want = kl::layout::signPictureSize(code);
        if (name.empty() || isBoard(code)) {
            EXPECT_EQ(want.w, 0) << "code " << code << " has a size but no picture";
            continue;
        }
        SCOPED_TRACE("code " + std::to_string(code) + " " + name);
        ASSERT_GT(want.w, 0);
        const Header h = header(name);
        ASSERT_TRUE(h.ok) << "missing or not a bitmap";
        EXPECT_EQ(h.bits, 24);
        EXPECT_EQ(h.width, want.w);
        EXPECT_EQ(h.height, want.h);
        ++checked;
    }
    // 0..20, 30..63, 71..239, 243, 251..372 and 374..442.
    EXPECT_EQ(checked, 21 + 34 + 169 + 1 + 122 + 69);
}

// A picture whose background is not its key colour would be drawn as a box.
TEST_F(GeneratedSigns, EverySignShowsItsKeyColourWhereItIsTransparent) {
    for (int code = 0; code <= 442; ++code) {
        const bool opaqueByDesign = code >= 175 && code <= 178;  // year-view cell plates
        if (kl::layout::signFileName(code).empty() || isBoard(code) || opaqueByDesign) continue;
        const kl::platform::Picture p = kl::platform::Picture::load(kl::layout::signFileName(code));
        EXPECT_GT(countPixels(p, kl::layout::signKeyColor(code)), 0) << "code " << code;
    }
}

// The compact face blends a glyph through its mask; the full-screen window
// draws the same file with black as the key. Both must see the same outline.
TEST_F(GeneratedSigns, GlyphMasksMatchTheirGlyphsInSizeAndOutline) {
    std::vector<int> glyphs;
    for (int g = 0; g <= 77; ++g)
        if (!kl::layout::glyphFiles(g).picture.empty()) glyphs.push_back(g);
    ASSERT_EQ(glyphs.size(), 21u + 21u + 13u + 7u);
    for (int g : glyphs) {
        const kl::layout::GlyphFiles f = kl::layout::glyphFiles(g);
        SCOPED_TRACE("glyph " + std::to_string(g) + " " + f.picture + " " + f.mask);
        const Header ph = header(f.picture), mh = header(f.mask);
        ASSERT_TRUE(ph.ok && mh.ok);
        EXPECT_EQ(mh.bits, 24);
        const kl::platform::Picture pic = kl::platform::Picture::load(f.picture);
        const kl::platform::Picture mask = kl::platform::Picture::load(f.mask);
        ASSERT_EQ(mask.width(), pic.width());
        ASSERT_EQ(mask.height(), pic.height());
        int opaque = 0, mismatched = 0, coloured = 0;
        for (int y = 0; y < pic.height(); ++y)
            for (int x = 0; x < pic.width(); ++x) {
                const Rgb m = mask.pixel(x, y);
                coloured += m.r != m.g || m.g != m.b;
                opaque += m.r == 255;
                mismatched += (m.r == 0) != (pic.pixel(x, y) == Rgb{0, 0, 0});
            }
        EXPECT_EQ(coloured, 0) << "a mask is grey";
        EXPECT_EQ(mismatched, 0) << "transparent in the mask exactly where black in the picture";
        EXPECT_GT(opaque, pic.width() * pic.height() / 50);
    }
}

}  // namespace
