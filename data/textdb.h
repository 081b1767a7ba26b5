// Numbered lines of the text files (above all BASE.DRS), the daily
// affirmation assembled from them, and the per-word case patterns.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/calendar.h"
#include "layout/casemasks.h"

namespace kl {

// A text file beside the program as it is on disk (Windows-1251): its bytes
// and its lines, which point into them.
struct TextFile {
    TextFile() = default;
    TextFile(const TextFile&) = delete;
    TextFile& operator=(const TextFile&) = delete;
    std::string bytes;
    std::vector<std::string_view> lines;
};

// The one way a text file's bare name ("BASE.DRS", "hlp2.dat") becomes the
// name it is opened by: inside the folder of the text language
// (languageFolder) when the file is there, otherwise beside the program (the
// files both languages share, such as izinfo.dat and tech.dat, exist only
// there). Letter case is matched as for every file of the program's own.
std::string textFilePath(std::string_view bareName);
// True when the text file is there, in the language's folder or beside the program.
bool textFileExists(std::string_view bareName);
// True when anything at all has the text file's name (see platform::nameInUse).
bool textFileNameInUse(std::string_view bareName);

// The named text file, read once while it stays unchanged: every call looks
// at the file (it is not opened), so one edited while the program runs is
// read again at its next use. Null when it cannot be read; that is not
// remembered.
std::shared_ptr<const TextFile> readTextFile(const std::string& fileName);

// Line n (0 is the first) of a Windows-1251 text file (textFilePath),
// into `out` as UTF-8. n < 0 or a line past the end gives empty text. On a
// read failure `out` keeps its value and the failure is reported (code 101).
void readtext(int n, const std::string& fileName, std::string& out);

// Convenience: line n of BASE.DRS.
std::string L(int n);

// Line n of BASE.DRS as L gives it, or `fallback` when the file cannot be
// read or the line is empty, without a report: for the messages that tell
// of a failure, which must read whole whatever state the files are in.
std::string baseLineOr(int n, std::string_view fallback);

// Lines of BASE.DRS from one reading of it, for texts made of many lines:
// each line as L gives it, without looking at the file again. When the file
// cannot be read, each line goes through L (and its failure report).
class BaseLines {
public:
    BaseLines();
    std::string operator()(int n) const;

private:
    std::shared_ptr<const TextFile> file_;
};

// The name of 13-moon month 1..13: its tone's name, the totem where the
// language names it ("Magnetic Bat Moon"), and the word "Moon".
std::string moonName(int month);

// The six affirmation lines of a day.
std::array<std::string, 6> loadaffirmation(const CalendarDay& day);

// Applies a per-word case pattern: "A" capitalised, "B" all capitals,
// "a" all lower case; a word without a letter (or with another one) is left out.
std::string applyCaseMask(const std::string& text, const std::string& pattern);
// The text through the text language's pattern of the mask; the text as it
// stands when that language has none.
std::string applyCaseMask(const std::string& text, const layout::CaseMask& mask);

// Upper and lower case of one Windows-1251 letter (Cyrillic or Latin); any
// other character is returned unchanged.
char32_t upperCp1251(char32_t c);
char32_t lowerCp1251(char32_t c);

}  // namespace kl
