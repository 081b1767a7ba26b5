// The six-line figures of the week views: izinfo.dat (the figure of every
// week of seventeen years) and iznum.drs (the display number of each figure).
//
// A figure is six lines, written bottom line first as '1' (solid) or '0'
// (broken). Its picture number m (1..64; sign code 250 + m) is
// 1 + member + 8 * upper, where upper is the trigram of lines 4..6 and
// member numbers the trigram of lines 1..3 (each trigram read with its
// bottom line as bit 0) in the order of lowerTrigramOfMember.
//
// Weeks take the figures in the classic order: the first week of year index
// 0 shows figure 1 of the classic sequence, each following week the next
// figure, and the count runs on across the years (52 weeks a year) and wraps
// after 64, so every year index starts where the previous one stopped.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace kl::textgen {

constexpr int kYearIndexes = 17;
constexpr int kWeeksPerYear = 52;

// The lower trigram of member k (0..7) of a group of eight figures. Members
// 0, 1, 2 are 000, 001, 010 and members 3, 4, 5 are 100, 101, 110: the same
// two broken lines made solid, so that the glyph form draws members 1, 2, 4
// and 5 as the glyph of member 0 or 3 with a piece filling one gap.
constexpr int lowerTrigramOfMember(int k) {
    constexpr int kOrder[8] = {0, 1, 2, 4, 5, 6, 3, 7};
    return kOrder[k & 7];
}

// Classic number of the figure with trigrams (lower, upper), trigram codes
// as above: 0 earth, 1 thunder, 2 water, 3 lake, 4 mountain, 5 fire, 6 wind,
// 7 heaven.
inline int classicNumber(int lower, int upper) {
    static constexpr int kTable[8][8] = {
        // lower: earth thunder water lake mountain fire wind heaven
        {2, 24, 7, 19, 15, 36, 46, 11},   // upper earth
        {16, 51, 40, 54, 62, 55, 32, 34}, // upper thunder
        {8, 3, 29, 60, 39, 63, 48, 5},    // upper water
        {45, 17, 47, 58, 31, 49, 28, 43}, // upper lake
        {23, 27, 4, 41, 52, 22, 18, 26},  // upper mountain
        {35, 21, 64, 38, 56, 30, 50, 14}, // upper fire
        {20, 42, 59, 61, 53, 37, 57, 9},  // upper wind
        {12, 25, 6, 10, 33, 13, 44, 1},   // upper heaven
    };
    return kTable[upper][lower];
}

// The six characters of picture number m (1..64).
inline std::string figureCode(int m) {
    const int lower = lowerTrigramOfMember((m - 1) % 8), upper = (m - 1) / 8;
    std::string code;
    for (int bit = 0; bit < 3; ++bit) code += (lower >> bit & 1) ? '1' : '0';
    for (int bit = 0; bit < 3; ++bit) code += (upper >> bit & 1) ? '1' : '0';
    return code;
}

// Picture number of the figure with the given classic number.
inline int pictureOfClassic(int classic) {
    for (int m = 1; m <= 64; ++m)
        if (classicNumber(lowerTrigramOfMember((m - 1) % 8), (m - 1) / 8) == classic) return m;
    return 0;
}

// Line 52 * r + w - 1 of izinfo.dat: code, a blank, picture number.
inline std::vector<std::string> izinfoLines() {
    std::vector<std::string> lines;
    for (int n = 0; n < kYearIndexes * kWeeksPerYear; ++n) {
        const int m = pictureOfClassic(n % 64 + 1);
        lines.push_back(figureCode(m) + " " + std::to_string(m));
    }
    return lines;
}

// iznum.drs: one line per picture number: code, a blank, classic number.
inline std::vector<std::string> iznumLines() {
    std::vector<std::string> lines;
    for (int m = 1; m <= 64; ++m)
        lines.push_back(figureCode(m) + " " +
                        std::to_string(classicNumber(lowerTrigramOfMember((m - 1) % 8), (m - 1) / 8)));
    return lines;
}

}  // namespace kl::textgen
