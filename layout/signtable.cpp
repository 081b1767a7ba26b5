#include "layout/signtable.h"

#include <array>

namespace kl::layout {

namespace {

constexpr bool kLight = true, kBlack = false;
using enum GlyphFamily;

// In code order. Codes absent from the table name nothing.
constexpr std::array kRows = std::to_array<SignRange>({
    {0, 0, "seal 20, large", Naming::Fixed, "0Y", 0, "", kBlack, kSealLarge, 72, Seal},
    {1, 19, "seal, large", Naming::Plain, "", 0, "Y", kBlack, kSealLarge, 72, Seal},
    {20, 20, "seal 20, large", Naming::Fixed, "0Y", 0, "", kBlack, kSealLarge, 72, Seal},
    {30, 30, "seal 20, small", Naming::Fixed, "0", 0, "", kBlack, kSealSmall, 62, Seal},
    {31, 49, "seal, small", Naming::Plain, "", 30, "", kBlack, kSealSmall, 62, Seal},
    {50, 50, "seal 20, small", Naming::Fixed, "0", 0, "", kBlack, kSealSmall, 62, Seal},
    {51, 63, "tone, large", Naming::Plain, "Tone", 50, "", kBlack, kToneLarge, 78, Tone},
    {71, 77, "plasma, large", Naming::Plain, "", 70, "X", kBlack, kPlasmaLarge, 50, Plasma},
    {78, 97, "seal, 45-pixel set", Naming::Padded, "zc45", 78, "", kBlack, kSeal45, 40, Seal},
    {98, 99, "seal, 35-pixel set", Naming::Padded, "zc35", 98, "", kBlack, kSeal35, 30, Seal},
    // Seal 2 of the 35-pixel set is white on its tile edge, so it is keyed light.
    {100, 100, "seal, 35-pixel set", Naming::Padded, "zc35", 98, "", kLight, kSeal35, 30, Seal},
    {101, 117, "seal, 35-pixel set", Naming::Padded, "zc35", 98, "", kBlack, kSeal35, 30, Seal},
    {118, 130, "tone, 45-pixel set", Naming::Padded, "tn45", 118, "", kBlack, kTone45, 42, Tone},
    {131, 137, "plasma, 35-pixel set", Naming::Padded, "pl35", 131, "", kBlack, kPlasma35, 30, Plasma},
    {138, 141, "frame 1..4", Naming::Padded, "md", 137, "", kBlack, kCellFrame, 86, Frame},
    {142, 154, "tone, 35-pixel set", Naming::Padded, "tn35", 142, "", kBlack, kTone35, 36, Tone},
    {155, 174, "seal, 15-pixel set", Naming::Padded, "zcs15", 155, "", kLight, kSeal15, 14, SmallSeal},
    {175, 178, "year-view frame 1..4", Naming::Plain, "fr", 174, "", kBlack, kYearFrame, 0, None},
    {179, 230, "tone of the year view, four colour sets", Naming::Padded, "tn6h", 179, "", kLight, kYearTone, 16, YearTone},
    {231, 231, "one past the year-view tones", Naming::Padded, "tn6h", 179, "", kLight, kYearTone, 0, None},
    {232, 232, "dot", Naming::Fixed, "DOT", 0, "", kBlack, kDot, 16, Dot},
    {233, 233, "line-figure piece, 0 line", Naming::Fixed, "izin6", 0, "", kBlack, kFigurePiece, 0, FigurePiece},
    {234, 234, "line-figure piece, 1 line", Naming::Fixed, "izin9", 0, "", kBlack, kFigurePiece, 0, FigurePiece},
    {235, 238, "frame 5..8", Naming::Padded, "md", 230, "", kBlack, kCellFrame, 0, None},
    {239, 239, "marker of the special kins", Naming::Fixed, "pvsign", 0, "", kBlack, kMarker, 20, Marker},
    {240, 240, "Tzolkin board", Naming::Fixed, "zolkin", 0, "", kBlack, kBoard, 0, None},
    {241, 241, "wavespell board", Naming::Fixed, "wavespell", 0, "", kBlack, kBoard, 100, Wavespell},
    {242, 242, "wave board", Naming::Fixed, "wave1", 0, "", kBlack, kBoard, 0, None},
    {243, 243, "marker of kin 78", Naming::Fixed, "kin78", 0, "", kBlack, kMarker, 20, Marker},
    {244, 244, "wings board", Naming::Fixed, "wings", 0, "", kBlack, kBoard, 0, None},
    {251, 314, "line figure", Naming::Grouped, "sgn", 251, "", kBlack, kFigure, 36, LineFigure},
    {315, 343, "day rune", Naming::Padded, "rns", 315, "", kBlack, kRune, 24, Rune},
    {344, 350, "day sign of the moon, red set", Naming::Padded, "qntr", 344, "", kBlack, kMoonDaySign, 28, MoonDaySign},
    {351, 357, "day sign of the moon, white set", Naming::Padded, "qntw", 351, "", kBlack, kMoonDaySign, 28, MoonDaySign},
    {358, 364, "day sign of the moon, blue set", Naming::Padded, "qntb", 358, "", kBlack, kMoonDaySign, 28, MoonDaySign},
    {365, 371, "day sign of the moon, yellow set", Naming::Padded, "qnty", 365, "", kBlack, kMoonDaySign, 28, MoonDaySign},
    {372, 372, "dot", Naming::Fixed, "DOT1", 0, "", kBlack, kDot1, 16, Dot},
    {373, 373, "telektonon board", Naming::Fixed, "telectonon", 0, "", kBlack, kBoard, 0, None},
    {374, 392, "vinal, 50-pixel set", Naming::Padded, "vnl50", 373, "", kBlack, kVinal50, 41, Vinal},
    {393, 411, "vinal, 40-pixel set", Naming::Padded, "vnl40", 392, "", kBlack, kVinal40, 34, Vinal},
    {412, 430, "vinal count", Naming::Padded, "vnt40", 412, "", kBlack, kVinalCount, 38, VinalCount},
    {431, 431, "week line, yellow, top", Naming::Plain, "LNY", 430, "", kBlack, kLineTop, 0, None},
    {432, 432, "week line, yellow, bottom", Naming::Plain, "LNY", 430, "", kBlack, kLineBottom, 0, None},
    {433, 433, "week line, yellow, side", Naming::Plain, "LNY", 430, "", kBlack, kLineSide, 0, None},
    {434, 434, "week line, red, top", Naming::Plain, "LNR", 433, "", kBlack, kLineTop, 0, None},
    {435, 435, "week line, red, bottom", Naming::Plain, "LNR", 433, "", kBlack, kLineBottom, 0, None},
    {436, 436, "week line, red, side", Naming::Plain, "LNR", 433, "", kBlack, kLineSide, 0, None},
    {437, 437, "week line, white, top", Naming::Plain, "LNW", 436, "", kBlack, kLineTop, 0, None},
    {438, 438, "week line, white, bottom", Naming::Plain, "LNW", 436, "", kBlack, kLineBottom, 0, None},
    {439, 439, "week line, white, side", Naming::Plain, "LNW", 436, "", kBlack, kLineSide, 0, None},
    {440, 440, "week line, blue, top", Naming::Plain, "LNB", 439, "", kBlack, kLineTop, 0, None},
    {441, 441, "week line, blue, bottom", Naming::Plain, "LNB", 439, "", kBlack, kLineBottom, 0, None},
    {442, 442, "week line, blue, side", Naming::Plain, "LNB", 439, "", kBlack, kLineSide, 0, None},
});

constexpr bool ordered() {
    for (std::size_t i = 0; i < kRows.size(); ++i) {
        if (kRows[i].first > kRows[i].last) return false;
        if (i > 0 && kRows[i - 1].last >= kRows[i].first) return false;
    }
    return true;
}
static_assert(ordered(), "sign rows must be in code order and must not overlap");

// The size of the pictures a code's row promises; {-1, -1} for a code no row holds.
constexpr PicSize sizeAt(int c) {
    for (const SignRange& r : kRows)
        if (c >= r.first && c <= r.last) return r.size;
    return {-1, -1};
}

// Every member of a family lies on rows of the family's picture size.
constexpr bool familyIs(int base, int count, PicSize size, bool zero = false) {
    for (int c = zero ? base : base + 1; c <= base + count; ++c)
        if (!(sizeAt(c) == size)) return false;
    return true;
}

static_assert(familyIs(code::kLargeSeal, code::kSeals, kSealLarge, true));
static_assert(familyIs(code::kSmallSeal, code::kSeals, kSealSmall, true));
static_assert(familyIs(code::kLargeTone, code::kTones, kToneLarge));
static_assert(familyIs(code::kLargePlasma, code::kPlasmas, kPlasmaLarge));
static_assert(familyIs(code::kSeal45, code::kSeals, kSeal45));
static_assert(familyIs(code::kSeal35, code::kSeals, kSeal35));
static_assert(familyIs(code::kTone45, code::kTones, kTone45));
static_assert(familyIs(code::kPlasma35, code::kPlasmas, kPlasma35));
static_assert(familyIs(code::kFrame, 4, kCellFrame) && familyIs(code::kWeekFrame, 4, kCellFrame));
static_assert(familyIs(code::kTone35, code::kTones, kTone35));
static_assert(familyIs(code::kYearSeal, code::kSeals, kSeal15));
static_assert(code::kYearToneFirst == code::kYearTone + 1 + 13 && familyIs(code::kYearToneFirst - 1, 4 * 13, kYearTone));
static_assert(familyIs(code::kYearFrame, 4, kYearFrame));
static_assert(sizeAt(code::kDot) == kDot && sizeAt(code::kDootDot) == kDot1);
static_assert(sizeAt(code::kFigurePieceZero) == kFigurePiece && sizeAt(code::kFigurePieceOne) == kFigurePiece);
static_assert(sizeAt(code::kSpecialKin) == kMarker && sizeAt(code::kKin78) == kMarker);
static_assert(familyIs(code::kFigure, 64, kFigure));
static_assert(familyIs(code::kRune, 28, kRune));
static_assert(familyIs(code::kMoonDaySign, 28, kMoonDaySign));
static_assert(familyIs(code::kVinal50, 19, kVinal50) && familyIs(code::kVinal40, 19, kVinal40));
static_assert(familyIs(code::kVinalCount, 18, kVinalCount));
static_assert(sizeAt(code::kWeekLines) == kLineTop && sizeAt(code::kWeekLines + 3 * 3 + 2) == kLineSide);
static_assert(sizeAt(code::kTzolkinBoard) == kBoard && sizeAt(code::kWavespellBoard) == kBoard &&
              sizeAt(code::kWingsBoard) == kBoard && sizeAt(code::kTelektononBoard) == kBoard);

}  // namespace

const SignRange* signRange(int code) {
    for (const SignRange& r : kRows)
        if (code >= r.first && code <= r.last) return &r;
    return nullptr;
}

std::string numsuffix(int k, int lead) {
    return std::to_string(lead) + (k <= 9 ? "00" : "0") + std::to_string(k);
}

std::string signFileName(int code) {
    const SignRange* r = signRange(code);
    if (!r) return {};
    const int k = code - r->base;
    std::string name = r->stem;
    switch (r->naming) {
        case Naming::None: return {};
        case Naming::Fixed: break;
        case Naming::Plain: name += std::to_string(k); break;
        case Naming::Padded: name += numsuffix(k, 0); break;
        case Naming::Grouped: name += numsuffix(k % 8, k / 8); break;
    }
    return "graphic\\" + name + r->tail + ".bmp";
}

Rgb signKeyColor(int code) {
    const SignRange* r = signRange(code);
    return r && r->lightKey ? kLightKey : Rgb{0, 0, 0};
}

PicSize signPictureSize(int code) {
    const SignRange* r = signRange(code);
    return r ? r->size : PicSize{};
}

int glyphPointSize(int code) {
    const SignRange* r = signRange(code);
    return r ? r->pointSize : 0;
}

std::string glyphSizeEntry(int code) {
    const int s = glyphPointSize(code);
    if (s == 0) return {};
    // -round(s * 96 / 72); s * 4 / 3 is never a half.
    const int px = (s * 4 * 2 + 3) / 6;
    return std::to_string(s) + " -" + std::to_string(px);
}

GlyphFamily glyphFamily(int code) {
    const SignRange* r = signRange(code);
    return r ? r->glyph : GlyphFamily::None;
}

std::string glyphColourEntry(int index) {
    if (index >= 0 && index <= 43) {
        static constexpr const char* kCycle[4] = {" 255 0 0 ", " 255 255 255 ", " 0 0 255 ", " 255 255 0 "};
        return kCycle[index % 4];
    }
    switch (index) {
        case 100: return " 255 100 100 ";
        case 101: return " 180 180 180 ";
        case 102: return " 100 100 255 ";
        case 103: return " 255 255 100 ";
        case 232: return " 236 196 96 ";
        case 239: return " 250 50 250 ";
        case 243: return " 50 250 150 ";
        case 372: return " 244 238 222 ";
        default: return {};
    }
}

}  // namespace kl::layout
