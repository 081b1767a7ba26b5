// The telektonon board (mode 13): its cells, the pieces' pictures, the
// turtles' walk through a moon, the two star dials, the captions the board
// is built from, and the field hint box. Plain numbers, shared by the view,
// the hint painter and the tests.
#pragma once

#include <array>
#include <string>

namespace kl::layout::telektonon {

// --- Cells ---------------------------------------------------------------
// Cell (c, r) has its top-left pixel at (Round(133 + 33.5 c), Round(133 +
// 33.5 r)); columns and rows may be negative. Pieces add their pixel nudges
// before rounding (halves to even), so a nudge of 15 is not always 15 pixels.
inline constexpr int kCellOrigin = 133;
inline constexpr double kCellPitch = 33.5;

struct Cell {
    int column = 0, row = 0;
    friend constexpr bool operator==(Cell, Cell) = default;
};

// --- Piece pictures -------------------------------------------------------
// Turtles: "graphic\tr" + letter + facing + ".bmp" over "graphic\trA" +
// facing + ".bmp", facing "0".."3".
inline constexpr const char* kTurtlePrefix = "graphic\\tr";
inline constexpr const char* kTurtleMaskPrefix = "graphic\\trA";
inline constexpr const char* kSealMarker = "graphic\\tlcr.bmp";
inline constexpr const char* kSealMarkerMask = "graphic\\tlcrA.bmp";
inline constexpr const char* kSealStar = "graphic\\tlstB.bmp";   // seal and day of the moon
inline constexpr const char* kToneStar = "graphic\\tlstW.bmp";   // tone and moon
inline constexpr const char* kStarMask = "graphic\\tlstA.bmp";
inline constexpr const char* kPyramidMask = "graphic\\tlpyrA.bmp";
// Pyramid markers: the day's own seal, then the partners of the colours
// red, white, blue and yellow.
inline constexpr std::array<const char*, 5> kPyramids{"graphic\\tlpyrG.bmp", "graphic\\tlpyrR.bmp",
                                                      "graphic\\tlpyrW.bmp", "graphic\\tlpyrB.bmp",
                                                      "graphic\\tlpyrY.bmp"};
// Every piece composites through its mask at this level.
inline constexpr int kPieceAlpha = 200;
// Pieces sharing a cell step aside by this many pixels.
inline constexpr int kSpread = 15;

// --- Turtles ---------------------------------------------------------------
enum Turtle { kYellow = 0, kWhite = 1, kGreen = 2 };
inline constexpr std::array<char, 3> kTurtleLetter{'Y', 'W', 'G'};
inline constexpr std::array<Cell, 3> kTurtleStart{{{1, 6}, {1, 1}, {4, 3}}};

// One turtle's step on day k of the moon.
struct Step {
    enum Kind { Stay, Right, Left, Up, Down, Jump } kind = Stay;
    Cell to{};  // where a jump lands
};
// The yellow and white turtles' steps and the green one's for days 1..28
// (index k - 1). From day 24 the green turtle either walks on left with the
// others (the "heaven walk" setting) or goes home; kGreenHome is the latter.
struct DaySteps {
    Step yellow, white, green;
};
inline constexpr std::array<DaySteps, 28> kWalk = [] {
    constexpr Step kR{Step::Right}, kL{Step::Left}, kU{Step::Up}, kD{Step::Down}, kStay{};
    return std::to_array<DaySteps>({
    {kR, kR, kStay}, {kR, kR, kStay}, {kR, kR, kStay}, {kR, kR, kStay}, {kR, kR, kStay}, {kR, kR, kStay},  // 1..6
    {kR, kStay, {Step::Jump, {6, 5}}},                                                                  // 7
    {kR, kStay, kU}, {kR, kStay, kU}, {kR, kStay, kU},                                                  // 8..10
    {kR, kStay, kL}, {kR, kStay, kL},                                                                   // 11, 12
    {kU, kStay, kL},                                                                                    // 13
    {kU, kStay, kD}, {kU, kStay, kD}, {kU, kStay, kD},                                                  // 14..16
    {kU, kStay, kR},                                                                                    // 17
    {kL, kStay, kR},                                                                                    // 18
    {kL, kStay, kU}, {kL, kStay, kU},                                                                   // 19, 20
    {kL, kStay, kL},                                                                                    // 21
    {kL, kStay, kD},                                                                                    // 22
    {kL, kStay, {Step::Jump, {7, 1}}},                                                                  // 23
    {kL, kL, kL}, {kL, kL, kL}, {kL, kL, kL}, {kL, kL, kL}, {kL, kL, kL},                               // 24..28
    });
}();
inline constexpr int kHeavenWalkFrom = 24;
inline constexpr Step kGreenHome{Step::Jump, {4, 3}};
// On day 23 the three meet on one cell.
inline constexpr int kMeetingDay = 23;

// Pixel nudges (dx, dy) of the turtles: on the meeting day they fan out,
// after it the yellow and white ones walk a little apart, and the green one
// sits in the corner of its square while it is at home.
struct Nudge {
    int dx = 0, dy = 0;
    friend constexpr bool operator==(Nudge, Nudge) = default;
};
inline constexpr std::array<Nudge, 3> kMeetingNudge{{{18, -15}, {-18, -15}, {0, 10}}};
inline constexpr std::array<Nudge, 3> kLateNudge{{{0, 10}, {0, -10}, {15, 15}}};  // days 24..28; green only at home
inline constexpr Nudge kGreenHomeNudge{15, 15};                                    // green, days 1..6
// The yellow and white turtles stand one pixel lower in their cells than
// the green one.
inline constexpr std::array<int, 3> kTurtleDrop{1, 1, 0};

// Facing digit ("0".."3") of each turtle for days 1..28 (index k - 1);
// other days keep the facing as it was.
inline constexpr std::array<const char*, 3> kFacing{
    "0000010000001111122222222222",  // yellow
    "0000033333333333333333022222",  // white
    "0000001111222333001120122222",  // green
};
static_assert(std::char_traits<char>::length(kFacing[0]) == 28 &&
              std::char_traits<char>::length(kFacing[1]) == 28 &&
              std::char_traits<char>::length(kFacing[2]) == 28);

// --- Seal block ------------------------------------------------------------
// The day's seal s sits in column s mod 5 + 8, row s div 5 + 2; seal 20 in
// (8, 2).
constexpr Cell sealBlockCell(int seal) { return seal == 20 ? Cell{8, 2} : Cell{seal % 5 + 8, seal / 5 + 2}; }

// --- Pyramid columns ---------------------------------------------------------
// Seal 20 and seals 1..9 run down column 2 from row -1; seals 10..19 run up
// column 7 from row 8.
constexpr Cell pyramidCell(int seal) {
    const int b = seal == 20 ? 0 : seal;
    return b < 10 ? Cell{2, b - 1} : Cell{7, 18 - b};
}

// --- Star dials ----------------------------------------------------------------
// Stars are placed by their top-left corner on circles round two points: the
// upper dial shows the seal (outer ring) and the tone (inner ring), the lower
// one the day of the moon (outer) and the moon (inner). Angles in degrees,
// counter-clockwise on the screen.
inline constexpr int kDialX = 71;
inline constexpr int kSealDialY = 103;
inline constexpr int kMoonDialY = 416;
inline constexpr int kOuterRadius = 52;
inline constexpr int kInnerRadius = 30;
constexpr int sealStarAngle(int seal) { return 18 * seal + 99; }
inline constexpr double kDayStarStep = 12.85714;
inline constexpr int kDayStarBase = 83;
inline constexpr int kToneStarBase = 89;  // tone t at 36 t + 89
inline constexpr int kMoonStarBase = 90;  // moon m at 36 m + 90
// Tones and moons 11, 12, 13 stand on the dial's vertical through its
// point, 13 pixels apart.
inline constexpr int kInnerColumnFrom = 11;
inline constexpr int kInnerColumnStep = 13;

// --- Day out of time ---------------------------------------------------------
// 25 July shows a small page instead of the board: a dot, the day's seal and
// tone in the 35-pixel sets, and two lines of text.
struct Placed {
    int x, y;
};
inline constexpr Placed kDootDot{6, 146}, kDootSeal{0, 218}, kDootTone{0, 198};
inline constexpr Placed kDootText1{0, 280}, kDootText2{0, 295};
inline constexpr int kDootPreset = 2;

// --- The board's captions --------------------------------------------------------
// The board is the picture of sign code 373 and some forty lines of BASE.DRS
// drawn over it: plain texts (centred on the view centre plus x, left-aligned,
// or right-aligned ending at x), and letter-by-letter texts in a straight
// line, turned upright or along an arc, often in rainbow colours.

enum class Form {
    Text,       // one text; `centred`, or right-aligned when `rightAligned`
    Straight,   // letters in a row; `centred` centres the row on x
    Upright,    // letters turned to read upward; `centred` centres them on y
    Arc,        // letters along an arc round (x, y)
};

struct Caption {
    Form form;
    int line;              // of BASE.DRS
    const char* pattern;   // case pattern of the Russian caption (English ones are drawn as written), or nullptr
    int x, y;
    int preset;
    bool centred = false;
    bool rainbow = false;
    bool rightAligned = false;
    int radius = 0, startAngle = 0, endAngle = 0;  // arcs
};

namespace detail {
constexpr Caption text(int line, const char* pattern, int x, int y, int preset, bool centred) {
    return {Form::Text, line, pattern, x, y, preset, centred};
}
constexpr Caption right(int line, int x, int y, int preset) {
    return {Form::Text, line, nullptr, x, y, preset, false, false, true};
}
constexpr Caption straight(int line, int x, int y, int preset, bool centred) {
    return {Form::Straight, line, nullptr, x, y, preset, centred, true};
}
constexpr Caption upright(int line, const char* pattern, int x, int y, int preset, bool centred = false,
                          bool rainbow = false) {
    return {Form::Upright, line, pattern, x, y, preset, centred, rainbow};
}
constexpr Caption arc(int line, int x, int y, int radius, int from, int to) {
    return {Form::Arc, line, nullptr, x, y, 0, false, true, false, radius, from, to};
}
}  // namespace detail

inline constexpr std::array kCaptions = [] {
    using namespace detail;
    return std::to_array<Caption>({
        right(579, 285, 518, 6),
        right(577, 285, 506, 6),
        straight(583, 304, 16, 4, true),
        upright(583, nullptr, 50, 268, 2, true, true),
        text(581, nullptr, 235, 28, 2, true),
        straight(580, 464, 4, 7, false),
        straight(592, 252, 132, 6, false),
        straight(591, 260, 398, 6, false),
        arc(595, 335, 444, 60, 265, 345),
        arc(596, 335, 444, 80, 270, 350),
        arc(597, 335, 444, 94, 290, 342),
        upright(590, "aaaaaaaa", 73, 219, 6),
        upright(587, nullptr, 100, 268, 5, true),
        upright(605, nullptr, 114, 268, 5, true),
        upright(588, "Aaaaaaaa", 143, 274, 6),
        upright(589, "Aaaaaaaa", 143, 206, 6),
        upright(607, "aaaaaaaa", 155, 282, 6),
        upright(607, "aaaaaaaaa", 155, 215, 6),
        arc(598, 139, 100, 94, 90, 0),
        arc(599, 139, 100, 80, 92, -2),
        arc(597, 139, 100, 60, 84, 4),
        arc(585, 81, 109, 80, 160, 20),
        arc(586, 81, 113, 71, 200, 340),
        arc(584, 81, 425, 84, 150, 30),
        arc(604, 81, 426, 71, 205, 335),
        text(600, "Aaaaa", -50, 447, 6, true),
        text(601, "aaaaa", -50, 456, 6, true),
        text(602, "Aaaaa", 59, 447, 6, true),
        text(603, "aaaaaa", 59, 456, 6, true),
        text(613, "Aaaaaaaaaa", 231, 104, 6, true),
        text(614, "AaAAAAAAAA", 231, 424, 6, true),
        text(611, "Aaaaaaaaa", 231, 137, 6, true),
        text(612, "aaaaaa", 231, 155, 6, true),
        text(615, "Aaaaaaaa", 231, 391, 6, true),
        upright(616, "Aaaaaa", 628, 128, 6),
        upright(617, "Aaaaaa", 628, 285, 6),
        upright(594, "Aaaaaa", 605, 226, 6, false, true),
        text(608, "Aaaaaa", 345, 258, 6, true),
        text(610, "aaaaaaa", 345, 268, 6, true),
        upright(608, "Aaaaaa", 294, 428, 6),
        upright(609, "aaaaaa", 305, 428, 6),
        // The eight pyramid steps' names, alternately capitalised.
        upright(619, "Aaaaaa", 244, 38, 6),
        upright(620, "aaaaaa", 254, 48, 6),
        upright(621, "Aaaaaa", 277, 38, 6),
        upright(622, "aaaaaa", 287, 48, 6),
        upright(623, "Aaaaaa", 309, 38, 6),
        upright(624, "aaaaaa", 319, 48, 6),
        upright(625, "Aaaaaa", 342, 38, 6),
        upright(626, "aaaaaa", 352, 48, 6),
    });
}();

// --- Field hints ---------------------------------------------------------------
// Seventy hot rectangles (HRCT.dat, 16-byte records of left, top, right,
// bottom, signed 32-bit little-endian) with their texts (Fieldhlp.drs, one
// line each). A hint is painted into a fixed box at the lower right.
inline constexpr int kFieldCount = 70;
inline constexpr int kFieldRecordSize = 16;
inline constexpr const char* kFieldFile = "HRCT.dat";
inline constexpr const char* kFieldHintFile = "Fieldhlp.drs";
inline constexpr int kHintX = 505, kHintY = 455;
inline constexpr int kHintWidth = 160, kHintHeight = 80;
inline constexpr int kHintPreset = 6;
inline constexpr int kHintLineStep = 10;

}  // namespace kl::layout::telektonon
