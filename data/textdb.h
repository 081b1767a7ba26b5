// Numbered lines of the text files (above all BASE.DRS), the daily
// affirmation assembled from them, and the per-word case patterns.
#pragma once

#include <array>
#include <string>

#include "core/calendar.h"

namespace kl {

// Line n (0 is the first) of a Windows-1251 text file beside the program,
// into `out` as UTF-8. n < 0 or a line past the end gives empty text. On a
// read failure `out` keeps its value and the failure is reported (code 101).
void readtext(int n, const std::string& fileName, std::string& out);

// Convenience: line n of BASE.DRS.
std::string L(int n);

// The six affirmation lines of a day.
std::array<std::string, 6> loadaffirmation(const CalendarDay& day);

// Applies a per-word case pattern: "A" capitalised, "B" all capitals,
// "a" all lower case; a word without a letter (or with another one) is left out.
std::string applyCaseMask(const std::string& text, const std::string& pattern);

// Upper and lower case of one Windows-1251 letter (Cyrillic or Latin); any
// other character is returned unchanged.
char32_t upperCp1251(char32_t c);
char32_t lowerCp1251(char32_t c);

}  // namespace kl
